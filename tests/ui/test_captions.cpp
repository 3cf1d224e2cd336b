// Every caption of every window shown whole: each label, button, check box
// and frame is large enough for its caption in its own font, lies inside
// what holds it, and overlaps no other captioned control. CMake runs this
// test at scale 1 and 2, at 120 and 192 dpi, and at 192 dpi without Qt's
// scaling (fonts drawn larger, the windows placed in twips).
#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/calculator_path_dialog.h"
#include "ui/customisation_dialog.h"
#include "ui/formula_list_viewer.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/version_dialog.h"

using namespace tamrisk;

namespace {

QString Caption(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
  return {};
}

QString Describe(const QWidget* control) {
  return QStringLiteral("%1 %2 \"%3\" at %4,%5 %6x%7")
      .arg(control->window()->objectName(), control->objectName(), Caption(control))
      .arg(control->x())
      .arg(control->y())
      .arg(control->width())
      .arg(control->height());
}

// Why the caption of `control` is not shown whole, or an empty text.
QString CaptionFault(const QWidget* control) {
  if (qobject_cast<const QLabel*>(control) || qobject_cast<const QCheckBox*>(control)) {
    const QSize hint = control->sizeHint();
    if (hint.width() > control->width() || hint.height() > control->height())
      return QStringLiteral("needs %1x%2").arg(hint.width()).arg(hint.height());
    return {};
  }
  if (const auto* button = qobject_cast<const QPushButton*>(control)) {
    // The text within the room the style draws it in; the height the
    // button asks for. (A style's least width for all buttons is no part of
    // the caption.)
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (text.width() > room.width() || text.height() > room.height())
      return QStringLiteral("text %1x%2 in %3x%4").arg(text.width()).arg(text.height()).arg(room.width()).arg(room.height());
    if (button->sizeHint().height() > button->height())
      return QStringLiteral("needs height %1").arg(button->sizeHint().height());
    return {};
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title =
        frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    if (!frame->rect().contains(title)) return QStringLiteral("title needs %1").arg(title.right() + 1);
    return {};
  }
  return {};
}

// The shown captioned controls of a window.
std::vector<QWidget*> CaptionedControls(QWidget* window) {
  std::vector<QWidget*> controls;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->window() != window || !control->isVisibleTo(window)) continue;
    if (Caption(control).isEmpty()) continue;
    controls.push_back(control);
  }
  return controls;
}

// Where a control's caption is drawn: a label's or a check box's caption
// takes the height it needs in the middle of the control and the width it
// needs from its left; any other control is drawn whole.
QRect Footprint(const QWidget* control) {
  QRect place = control->geometry();
  if (qobject_cast<const QLabel*>(control) || qobject_cast<const QCheckBox*>(control)) {
    const QSize hint = control->sizeHint();
    const int height = std::min(place.height(), hint.height());
    place = QRect(place.x(), place.y() + (place.height() - height) / 2,
                  std::min(place.width(), hint.width()), height);
  }
  return place;
}

// Every fault of one window's captions.
QStringList Faults(QWidget* window) {
  QStringList faults;
  const std::vector<QWidget*> controls = CaptionedControls(window);
  for (QWidget* control : controls) {
    const QString fault = CaptionFault(control);
    if (!fault.isEmpty()) faults << Describe(control) + QStringLiteral(": ") + fault;
    const QWidget* parent = control->parentWidget();
    if (!parent->rect().contains(control->geometry()))
      faults << Describe(control) + QStringLiteral(": outside ") + parent->objectName();
  }
  for (size_t i = 0; i < controls.size(); ++i) {
    for (size_t j = i + 1; j < controls.size(); ++j) {
      if (controls[i]->parentWidget() == controls[j]->parentWidget() &&
          Footprint(controls[i]).intersects(Footprint(controls[j]))) {
        faults << Describe(controls[i]) + QStringLiteral(" overlaps ") + Describe(controls[j]);
      }
    }
  }
  return faults;
}

}  // namespace

class CaptionsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString startDir_;
  std::unique_ptr<MainWindow> main_;

  // Shows `window` (so that its style has polished it) and checks it.
  static void Check(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY2(!CaptionedControls(window).empty(), qPrintable(window->objectName()));
    const QStringList faults = Faults(window);
    window->hide();
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join(u'\n')));
  }

 private slots:
  void initTestCase() {
    PrepareApplication();
    startDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_.path()));
    main_ = std::make_unique<MainWindow>();
  }
  void cleanupTestCase() {
    main_.reset();
    QDir::setCurrent(startDir_);
  }

  void mainWindow() { Check(main_.get()); }
  void customisationDialog() { Check(main_->customisationDialog()); }
  void calculatorPathDialog() { Check(main_->calculatorPathDialog()); }
  void versionDialog() { Check(main_->versionDialog()); }
  void helpWindow() {
    HelpWindow help(dir_.path(), main_.get());
    Check(&help);
  }
  void formulaListViewer() {
    static const QString document = QStringLiteral("\r\n");
    FormulaListViewer viewer(main_.get(), [] () -> const QString& { return document; });
    Check(&viewer);
  }

  // The boxes of the customisation dialog that were cut before: each shows
  // its whole unit, so the two gallons can be told apart.
  void unitBoxesShowTheirWholeUnit() {
    CustomisationDialog* dialog = main_->customisationDialog();
    dialog->show();
    for (const char* unit : {"mile/h", "n_mile", "gal UK", "gal US", "dBμV", "month"}) {
      QCheckBox* box = nullptr;
      for (QCheckBox* b : dialog->findChildren<QCheckBox*>())
        if (b->text() == QString::fromUtf8(unit)) box = b;
      QVERIFY2(box, unit);
      const int textWidth = box->fontMetrics().horizontalAdvance(box->text());
      QStyleOptionButton option;
      option.initFrom(box);
      option.rect = box->rect();
      option.text = box->text();
      const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
      QVERIFY2(room.width() >= textWidth, unit);
    }
    dialog->hide();
  }
};

QTEST_MAIN(CaptionsTest)
#include "test_captions.moc"
