// Every window laid out whole: each label, button, check box and frame is
// large enough for its caption in its own font, every control lies inside
// what holds it, and no control covers another, so each can be seen and
// clicked. CMake runs this test at scale 1 and 2, at 120 and 192 dpi, and at
// 192 dpi without Qt's scaling (fonts drawn larger, the windows placed in
// twips), each under a Japanese and a plain locale.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QApplication>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "tests/ui/working_folder.h"
#include "ui/application.h"
#include "ui/calculator_path_dialog.h"
#include "ui/customisation_dialog.h"
#include "ui/formula_list_viewer.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/partner_controller.h"
#include "ui/partner_hint.h"
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

// The shown controls of a window: every widget the program named, not the
// parts Qt builds inside its own widgets.
std::vector<QWidget*> Controls(QWidget* window) {
  std::vector<QWidget*> controls;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->window() != window || !control->isVisibleTo(window)) continue;
    const QString name = control->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
    controls.push_back(control);
  }
  return controls;
}

// Where a control is drawn: a caption of a label takes the room it needs at
// the place its alignment gives it, a check box's the height it needs in the
// middle and the width it needs from the left; any other control (a picture
// too) is drawn whole.
QRect Footprint(const QWidget* control) {
  const QRect place = control->geometry();
  const auto* label = qobject_cast<const QLabel*>(control);
  if ((label && !label->text().isEmpty()) || qobject_cast<const QCheckBox*>(control)) {
    const QSize hint = control->sizeHint();
    const QSize size(std::min(place.width(), hint.width()), std::min(place.height(), hint.height()));
    const Qt::Alignment align = label ? label->alignment() : Qt::AlignLeft | Qt::AlignVCenter;
    int x = place.x();
    if (align & Qt::AlignRight) x = place.right() + 1 - size.width();
    if (align & Qt::AlignHCenter) x = place.x() + (place.width() - size.width()) / 2;
    int y = place.y() + (place.height() - size.height()) / 2;
    if (align & Qt::AlignTop) y = place.y();
    if (align & Qt::AlignBottom) y = place.bottom() + 1 - size.height();
    return {QPoint(x, y), size};
  }
  return place;
}

// Every fault of one window's layout.
QStringList Faults(QWidget* window) {
  QStringList faults;
  const std::vector<QWidget*> controls = Controls(window);
  for (QWidget* control : controls) {
    const QString fault = Caption(control).isEmpty() ? QString() : CaptionFault(control);
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

// A style whose buttons, check boxes, lists and entries want a quarter more
// height, as a face taller than the designed one makes them.
class TallerControls : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                         const QWidget* widget) const override {
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type == CT_PushButton || type == CT_CheckBox || type == CT_ComboBox || type == CT_LineEdit)
      size.rheight() += size.height() / 4;
    return size;
  }
};

}  // namespace

class CaptionsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporaryWorkingFolder> dir_;
  std::unique_ptr<MainWindow> main_;

  // Shows `window` (so that its style has polished it) and checks it.
  static void Check(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY2(Controls(window).size() > 3, qPrintable(window->objectName()));
    const QStringList faults = Faults(window);
    window->hide();
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join(u'\n')));
  }

  // Every window of `main`, each made anew but the main window's dialogs.
  void checkEveryWindow(MainWindow* main) {
    Check(main);
    Check(main->customisationDialog());
    Check(main->calculatorPathDialog());
    Check(main->versionDialog());
    // The units hint, filled for the blank units of the start.
    main->partnerHint()->open();
    Check(main->partnerHint()->popup());
    HelpWindow help(dir_->path(), main);
    Check(&help);
    static const QString document = QStringLiteral("\r\n");
    FormulaListViewer viewer(main, [] () -> const QString& { return document; });
    Check(&viewer);
  }

 private slots:
  void initTestCase() {
    PrepareApplication();
    dir_ = std::make_unique<testing::TemporaryWorkingFolder>();
    QVERIFY(dir_->isValid());
    main_ = std::make_unique<MainWindow>();
  }
  void cleanupTestCase() {
    main_.reset();
    dir_.reset();
  }

  void everyWindow() { checkEveryWindow(main_.get()); }

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

  // No caption speaks of another platform: the version dialog names this
  // one, the calculator path dialog gives programs and paths of this one.
  void captionsNameThisPlatform() {
    const QStringList foreign = {QStringLiteral("Windows"), QStringLiteral(".exe"),
                                 QStringLiteral("\\"), QStringLiteral("DOS"),
                                 QStringLiteral("PC98")};
    for (QWidget* window : std::initializer_list<QWidget*>{main_->versionDialog(), main_->calculatorPathDialog()}) {
      for (QWidget* control : Controls(window)) {
        for (const QString& word : foreign)
          QVERIFY2(!Caption(control).contains(word), qPrintable(Describe(control)));
      }
    }
    QVERIFY(main_->versionDialog()->findChild<QLabel*>(QStringLiteral("Label1"))->text().endsWith(QStringLiteral("Linux")));
  }

  // Windows made while controls want more height than designed keep every
  // control apart. (Last: the style stays.)
  void everyWindowWithTallerControls() {
    QApplication::setStyle(new TallerControls);
    MainWindow main;
    checkEveryWindow(&main);
  }
};

QTEST_MAIN(CaptionsTest)
#include "test_captions.moc"
