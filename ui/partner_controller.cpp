#include "ui/partner_controller.h"

#include <QComboBox>
#include <QEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolTip>

#include <string>
#include <utility>
#include <vector>

#include "engine/list_choices.h"
#include "engine/partner_choices.h"
#include "formulas/catalogue_run.h"
#include "ui/app_state.h"
#include "ui/captions.h"
#include "ui/partner_hint.h"

namespace tamrisk {

namespace {

// The units parameter `parameter` may take beside the other one's unit.
std::vector<PartnerUnit> UnitsFor(int parameter, const std::string& otherUnit,
                                  const std::string& filter, const std::string& unitMask) {
  std::vector<PartnerUnit> units;
  for (const UnitChoice& c : UnitsBeside(parameter, otherUnit, filter, unitMask))
    units.push_back({c.unit, c.formulas, c.hidden});
  return units;
}

}  // namespace

PartnerController::PartnerController(QWidget* window, const Controls& controls, AppState& state,
                                     Actions actions)
    : QObject(window), window_(window), controls_(controls), state_(state), actions_(std::move(actions)) {
  controls_.button->setToolTip(FromUtf8(partner_texts::HintTip));
  controls_.button->installEventFilter(this);
  connect(controls_.button, &QPushButton::clicked, this, &PartnerController::open);
  // The notice of a calculation without formula holds for its units only.
  for (QComboBox* box : {controls_.unit1, controls_.unit2, controls_.unit3})
    connect(box, &QComboBox::currentIndexChanged, this, &PartnerController::clearNotice);
}

// Calls `f` with what the hint is asked about now.
template <typename F>
auto PartnerController::withSituation(F f) const {
  const std::string unit1 = controls_.unit1->currentText().toStdString();
  const std::string unit2 = controls_.unit2->currentText().toStdString();
  const std::string filter = controls_.unit3->currentText().toStdString();
  const std::string mask = state_.unitMask.toStdString();
  const std::vector<PartnerUnit> forUnit1 = UnitsFor(1, unit2, filter, mask);
  const std::vector<PartnerUnit> forUnit2 = UnitsFor(2, unit1, filter, mask);
  return f(PartnerSituation{unit1, unit2, filter, forUnit1, forUnit2, notice_});
}

PartnerPopup* PartnerController::popup() {
  if (!popup_) {
    popup_ = new PartnerPopup(window_);
    connect(popup_, &PartnerPopup::chosen, this, &PartnerController::choose);
  }
  return popup_;
}

void PartnerController::open() {
  popup()->fill(withSituation([](const PartnerSituation& s) { return PartnerPopupFor(s); }));
  popup_->openBelow(controls_.button);
}

QString PartnerController::tip() const {
  return FromUtf8(withSituation([](const PartnerSituation& s) { return PartnerNote(s); }));
}

void PartnerController::showNotice() {
  notice_ = true;
  QPushButton* button = controls_.button;
  QPalette colours = button->palette();
  colours.setColor(QPalette::ButtonText, QColor(192, 0, 0));
  button->setPalette(colours);
  const QString shown = LiteralToolTip(tip());
  button->setToolTip(shown);
  if (button->isVisible()) {
    // In the result box under the message, where it covers no control. (A
    // tip that has no room on the right of its place is shown on the left
    // of it: under the button, it covered the second parameter's row and
    // the calculate button.)
    QPlainTextEdit* output = controls_.output;
    QTextCursor end(output->document());
    end.movePosition(QTextCursor::End);
    const QPoint under(0, output->cursorRect(end).bottom());
    QToolTip::showText(output->viewport()->mapToGlobal(under), shown, button);
  }
}

void PartnerController::clearNotice() {
  if (!notice_) return;
  notice_ = false;
  controls_.button->setPalette(QPalette());
  controls_.button->setToolTip(FromUtf8(partner_texts::HintTip));
}

void PartnerController::choose(int parameter, const QString& unit) {
  QComboBox* box = parameter == 1 ? controls_.unit1 : controls_.unit2;
  if (box->findText(unit, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    const std::optional<ShowUnitQuestion> question = AskToShowUnit(parameter, unit.toStdString());
    if (!question) return;
    QMessageBox ask(QMessageBox::Question, FromUtf16(captions::MessageTitle), FromUtf8(question->text),
                    QMessageBox::NoButton, window_);
    ask.setTextFormat(Qt::PlainText);
    QPushButton* yes = ask.addButton(FromUtf8(question->yes), QMessageBox::YesRole);
    ask.addButton(FromUtf8(question->no), QMessageBox::NoRole);
    ask.setDefaultButton(yes);
    ask.exec();
    if (ask.clickedButton() != yes) return;
    state_.unitMask = FromUtf8(UnitMaskShowing(state_.unitMask.toStdString(), question->position));
    actions_.unitMaskChanged();
  }
  const int index = box->findText(unit, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) box->setCurrentIndex(index);
  actions_.unitChosen(parameter);
}

bool PartnerController::eventFilter(QObject* watched, QEvent* event) {
  // The tooltip says what the units chosen now go with.
  if (watched == controls_.button && event->type() == QEvent::ToolTip)
    controls_.button->setToolTip(LiteralToolTip(tip()));
  return QObject::eventFilter(watched, event);
}

}  // namespace tamrisk
