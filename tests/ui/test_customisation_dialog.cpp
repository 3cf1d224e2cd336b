// The customisation dialog: its boxes, and OK, Cancel and the close box with
// the main window's lists and the settings file.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "tests/ui/working_folder.h"
#include "ui/customisation_dialog.h"
#include "ui/main_window.h"

using tamrisk::MainWindow;
using tamrisk::CustomisationDialog;

namespace {

// Runs `inDialog` once the dialog's modal loop is running, then opens it.
void OpenAnd(CustomisationDialog* dialog, std::function<void()> inDialog) {
  bool ran = false;
  QTimer::singleShot(0, dialog, [&] {
    QVERIFY(dialog->isVisible());
    inDialog();
    ran = true;
    // Whatever the action did, never leave the modal loop running.
    if (dialog->isVisible()) dialog->reject();
  });
  dialog->openDialog();
  QVERIFY(ran);
}

QCheckBox* Box(QWidget* dialog, int n) {
  return dialog->findChild<QCheckBox*>(QStringLiteral("Check%1").arg(n));
}

void Click(QWidget* dialog, const char* name) {
  auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
  QVERIFY2(button, name);
  button->click();
}

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

QStringList FileLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
}

// The main window started in an empty working folder: default masks.
struct Program {
  // In this order: the window goes before the folder.
  tamrisk::testing::TemporaryWorkingFolder dir;
  std::unique_ptr<MainWindow> main = std::make_unique<MainWindow>();

  Program() { main->show(); }
  CustomisationDialog* dialog() const { return main->customisationDialog(); }
  QComboBox* list(const char* name) const {
    return main->findChild<QComboBox*>(QString::fromLatin1(name));
  }
  QString settingsFile() const { return dir.filePath(QStringLiteral("tamrisk.ini")); }
};

const QString DefaultPrefixMask = QStringLiteral("00000011100011100000");
const QStringList DefaultPrefixes = {QStringLiteral("μ"), QStringLiteral("m"), QStringLiteral("c"),
                                     QStringLiteral(" "), QStringLiteral("k"), QStringLiteral("M"),
                                     QStringLiteral("G")};

}  // namespace

class CustomisationDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void boxesAndLayout();
  void placedBesideTheMainWindow();
  void okRebuildsMasksListsAndFile();
  void okWithoutChangesStillResetsAndSaves();
  void cancelKeepsListsButNotTheBoxes();
  void closeBoxIsCancel();
  void noPrefixLeavesTheBlankEntry();
  void hiddenSpareBoxNeverCountsInTheMask();
};

void CustomisationDialogTest::boxesAndLayout() {
  tamrisk::AppState state;
  CustomisationDialog dialog(state, nullptr, {});
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Tamriskカスタマイズ"));
  // The designed size (twips / 15), or larger where the captions need it.
  QVERIFY(dialog.width() >= 608 && dialog.height() >= 284);

  auto* frame1 = dialog.findChild<QGroupBox*>(QStringLiteral("Frame1"));
  auto* frame2 = dialog.findChild<QGroupBox*>(QStringLiteral("Frame2"));
  QVERIFY(frame1 && frame2);
  for (int n = 1; n <= 100; ++n) {
    QCheckBox* box = Box(&dialog, n);
    QVERIFY2(box, qPrintable(QString::number(n)));
    QCOMPARE(box->parentWidget(), n <= 20 ? frame1 : frame2);
    QCOMPARE(box->isChecked(), false);
    QCOMPARE(box->isHidden(), n >= 95);  // the spare boxes are not offered
  }

  // Spot checks of caption and place in each frame's grid: a column shares
  // its left edge, a row its top, columns run left to right and rows top to
  // bottom at one step; the first column and row stand where designed.
  struct Spot {
    int n;
    QString caption;
    int column, row;
  };
  const Spot spots[] = {
      {1, QStringLiteral("y"), 0, 0},      {7, QStringLiteral("μ"), 0, 6},
      {10, QStringLiteral("d"), 0, 9},     {11, QStringLiteral("da"), 1, 0},
      {20, QStringLiteral("Y"), 1, 9},     {21, QStringLiteral("m"), 0, 0},
      {65, QStringLiteral("n_mile"), 0, 5}, {80, QStringLiteral("ﾟF"), 2, 7},
      {64, QStringLiteral("㎡"), 3, 4},    {51, QStringLiteral("dBμV"), 4, 9},
      {94, QStringLiteral("匁"), 7, 3},    {95, QString(), 7, 4},
      {100, QString(), 7, 9},              {36, QStringLiteral("mile/h"), 2, 1},
      {76, QStringLiteral("gal UK"), 3, 8}, {77, QStringLiteral("gal US"), 3, 9},
  };
  for (const Spot& s : spots) QCOMPARE(Box(&dialog, s.n)->text(), s.caption);
  QCOMPARE(Box(&dialog, 1)->pos(), QPoint(16, 24));
  QCOMPARE(Box(&dialog, 21)->pos(), QPoint(16, 24));
  const int step = Box(&dialog, 2)->y() - Box(&dialog, 1)->y();
  QVERIFY(step >= 16);
  for (const Spot& a : spots) {
    const QCheckBox* boxA = Box(&dialog, a.n);
    QCOMPARE(boxA->y(), 24 + a.row * step);
    for (const Spot& b : spots) {
      const QCheckBox* boxB = Box(&dialog, b.n);
      if (boxA->parentWidget() != boxB->parentWidget()) continue;
      if (a.column == b.column) QCOMPARE(boxA->x(), boxB->x());
      if (a.column < b.column) QVERIFY(boxA->geometry().right() < boxB->x());
    }
  }
}

void CustomisationDialogTest::placedBesideTheMainWindow() {
  Program program;
  program.main->move(20, 150);
  OpenAnd(program.dialog(), [&] {
    QCOMPARE(program.dialog()->pos(), program.main->pos() + QPoint(80, 40));
  });
  program.main->move(60, 100);
  OpenAnd(program.dialog(), [&] {
    QCOMPARE(program.dialog()->pos(), program.main->pos() + QPoint(80, 40));
  });
}

void CustomisationDialogTest::okRebuildsMasksListsAndFile() {
  Program program;
  CustomisationDialog* dialog = program.dialog();
  QVERIFY(Box(dialog, 7)->isChecked());  // ticked from the masks at start-up
  auto* param1 = program.main->findChild<QLineEdit*>(QStringLiteral("Param_1"));
  param1->setText(QStringLiteral("12"));

  OpenAnd(dialog, [&] {
    Box(dialog, 7)->setChecked(false);   // μ
    Box(dialog, 16)->setChecked(true);   // T
    Box(dialog, 21 + 1)->setChecked(true);   // in
    Click(dialog, "Command1");
    QVERIFY(!dialog->isVisible());
  });

  const QString prefixMask = QStringLiteral("00000001100011110000");
  QCOMPARE(program.main->state().prefixMask, prefixMask);
  QCOMPARE(program.main->state().unitMask.mid(0, 2), QStringLiteral("11"));
  QCOMPARE(Items(program.list("Sub_Unit_1")),
           (QStringList{"m", "c", " ", "k", "M", "G", "T"}));
  QCOMPARE(program.list("Sub_Unit_2")->currentText(), QStringLiteral(" "));
  QVERIFY(Items(program.list("Unit_1")).contains(QStringLiteral("in")));
  QVERIFY(Items(program.list("Unit_3")).contains(QStringLiteral("in")));
  QCOMPARE(param1->text(), QStringLiteral("0"));

  const QStringList lines = FileLines(program.settingsFile());
  QVERIFY2(lines.size() >= 5, qPrintable(program.settingsFile()));
  QCOMPARE(lines[2], prefixMask);
  QCOMPARE(lines[3], program.main->state().unitMask);
}

void CustomisationDialogTest::okWithoutChangesStillResetsAndSaves() {
  Program program;
  const QString unitMask = program.main->state().unitMask;
  program.main->findChild<QLineEdit*>(QStringLiteral("Param_2"))->setText(QStringLiteral("7"));
  program.list("Sub_Unit_1")->setCurrentIndex(0);
  QVERIFY(!QFile::exists(program.settingsFile()));

  OpenAnd(program.dialog(), [&] { Click(program.dialog(), "Command1"); });

  QCOMPARE(program.main->state().prefixMask, DefaultPrefixMask);
  QCOMPARE(program.main->state().unitMask, unitMask);
  QCOMPARE(program.main->findChild<QLineEdit*>(QStringLiteral("Param_2"))->text(),
           QStringLiteral("0"));
  QCOMPARE(program.list("Sub_Unit_1")->currentText(), QStringLiteral(" "));
  QCOMPARE(FileLines(program.settingsFile()).value(2), DefaultPrefixMask);
}

void CustomisationDialogTest::cancelKeepsListsButNotTheBoxes() {
  Program program;
  CustomisationDialog* dialog = program.dialog();
  OpenAnd(dialog, [&] {
    Box(dialog, 16)->setChecked(true);  // T
    Click(dialog, "Command2");
    QVERIFY(!dialog->isVisible());
  });
  QCOMPARE(program.main->state().prefixMask, DefaultPrefixMask);
  QCOMPARE(Items(program.list("Sub_Unit_1")), DefaultPrefixes);
  QVERIFY(!QFile::exists(program.settingsFile()));  // nothing saved

  // Reopened, the box still shows the change, and OK now takes it over.
  OpenAnd(dialog, [&] {
    QVERIFY(Box(dialog, 16)->isChecked());
    Click(dialog, "Command1");
  });
  QVERIFY(Items(program.list("Sub_Unit_1")).contains(QStringLiteral("T")));
  QCOMPARE(FileLines(program.settingsFile()).value(2), QStringLiteral("00000011100011110000"));
}

void CustomisationDialogTest::closeBoxIsCancel() {
  Program program;
  CustomisationDialog* dialog = program.dialog();
  OpenAnd(dialog, [&] {
    Box(dialog, 8)->setChecked(false);  // m
    QVERIFY(dialog->close());
    QVERIFY(!dialog->isVisible());
  });
  QCOMPARE(program.main->state().prefixMask, DefaultPrefixMask);
  QCOMPARE(Items(program.list("Sub_Unit_1")), DefaultPrefixes);
  QVERIFY(!QFile::exists(program.settingsFile()));
  QVERIFY(!Box(dialog, 8)->isChecked());  // the box keeps its state
}

void CustomisationDialogTest::noPrefixLeavesTheBlankEntry() {
  Program program;
  CustomisationDialog* dialog = program.dialog();
  OpenAnd(dialog, [&] {
    for (int n = 1; n <= 20; ++n) Box(dialog, n)->setChecked(false);
    Click(dialog, "Command1");
  });
  QCOMPARE(program.main->state().prefixMask, QString(20, QLatin1Char('0')));
  QCOMPARE(Items(program.list("Sub_Unit_1")), QStringList{QStringLiteral(" ")});
  QCOMPARE(Items(program.list("Sub_Unit_2")), QStringList{QStringLiteral(" ")});
}

void CustomisationDialogTest::hiddenSpareBoxNeverCountsInTheMask() {
  tamrisk::AppState state;
  int okCalls = 0;
  CustomisationDialog dialog(state, nullptr, [&] {
    ++okCalls;
    QVERIFY(!dialog.isVisible());  // hidden before the lists are rebuilt
  });
  dialog.tick(95);
  dialog.tick(1);
  dialog.tick(0);    // out of range: ignored
  dialog.tick(101);
  QVERIFY(dialog.isTicked(95));
  OpenAnd(&dialog, [&] { Click(&dialog, "Command1"); });
  QCOMPARE(okCalls, 1);
  QCOMPARE(state.prefixMask, QStringLiteral("1") + QString(19, QLatin1Char('0')));
  // The hidden box of unit position 75 is never written as "1".
  QCOMPARE(state.unitMask, QString(80, QLatin1Char('0')));
}

QTEST_MAIN(CustomisationDialogTest)
#include "test_customisation_dialog.moc"
