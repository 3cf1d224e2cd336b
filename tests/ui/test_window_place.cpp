// Windows stay on the screen and their text grows with them: a window that
// would stand partly off the screen is moved back onto it (a window wider or
// higher than the screen, as at scale 2 on a small screen, keeps its title
// bar on it), and a maximised window's result, help or document box fills it.
// CMake runs this test at scale 1 and at scale 2.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <functional>
#include <memory>

#include "tests/ui/next_modal.h"
#include "tests/ui/working_folder.h"
#include "ui/app_state.h"
#include "ui/application.h"
#include "ui/calculator_path_dialog.h"
#include "ui/customisation_dialog.h"
#include "ui/formula_list_viewer.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

using namespace tamrisk;

namespace {

QRect Area() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// Why `window` is not where it should be on the screen, or an empty text.
QString OffScreen(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect area = Area();
  // On each axis: inside the area where it fits, else from its start.
  auto placed = [](int at, int size, int start, int room) {
    return size <= room ? at >= start && at + size <= start + room : at == start;
  };
  if (placed(frame.x(), frame.width(), area.x(), area.width()) &&
      placed(frame.y(), frame.height(), area.y(), area.height())) {
    return {};
  }
  return QStringLiteral("%1 at %2,%3 %4x%5 on %6,%7 %8x%9")
      .arg(window->objectName())
      .arg(frame.x())
      .arg(frame.y())
      .arg(frame.width())
      .arg(frame.height())
      .arg(area.x())
      .arg(area.y())
      .arg(area.width())
      .arg(area.height());
}

}  // namespace

class WindowPlaceTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporaryWorkingFolder> dir_;

 private slots:
  void initTestCase() {
    PrepareApplication();
    dir_ = std::make_unique<testing::TemporaryWorkingFolder>();
    QVERIFY(dir_->isValid());
  }
  void cleanupTestCase() { dir_.reset(); }

  // Each row: a window's size and place as parts of the screen's free area
  // (in hundredths), and where KeepOnScreen is to put its top-left corner.
  void keepOnScreen_data() {
    QTest::addColumn<QRect>("hundredths");
    QTest::addColumn<QPoint>("expected");  // hundredths again; -1: unchanged
    QTest::newRow("inside") << QRect(10, 20, 50, 50) << QPoint(-1, -1);
    QTest::newRow("past the right and the foot") << QRect(80, 90, 50, 40) << QPoint(50, 60);
    QTest::newRow("past the left and the top") << QRect(-20, -5, 50, 40) << QPoint(0, 0);
    QTest::newRow("wider than the screen") << QRect(30, 30, 150, 40) << QPoint(0, 30);
    QTest::newRow("higher than the screen") << QRect(30, 30, 40, 150) << QPoint(30, 0);
  }
  void keepOnScreen() {
    QFETCH(QRect, hundredths);
    QFETCH(QPoint, expected);
    const QRect area = Area();
    auto x = [&](int h) { return area.x() + area.width() * h / 100; };
    auto y = [&](int h) { return area.y() + area.height() * h / 100; };
    QWidget window;
    window.setGeometry(x(hundredths.x()), y(hundredths.y()), area.width() * hundredths.width() / 100,
                       area.height() * hundredths.height() / 100);
    const QPoint before = window.pos();
    KeepOnScreen(&window);
    if (expected == QPoint(-1, -1)) {
      QCOMPARE(window.pos(), before);
    } else {
      QCOMPARE(window.pos(), QPoint(expected.x() ? x(expected.x()) : area.x(),
                                    expected.y() ? y(expected.y()) : area.y()));
    }
  }

  // Opened beside a main window in the screen's bottom-right corner, every
  // window comes up on the screen.
  void windowsOpenOnTheScreen() {
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY2(OffScreen(&main).isEmpty(), qPrintable(OffScreen(&main)));
    const QRect area = Area();
    main.move(area.right() - main.frameGeometry().width() / 2, area.bottom() - 40);

    QStringList faults;
    auto check = [&faults](QWidget* window) {
      const QString fault = OffScreen(window);
      if (!fault.isEmpty()) faults << fault;
    };
    testing::OnNextModal(this, check);
    main.customisationDialog()->openDialog();
    testing::OnNextModal(this, check);
    main.calculatorPathDialog()->openDialog();
    HelpWindow help(dir_->path(), &main);
    help.openHelp();  // no help text: shown modal, with its error text
    check(&help);
    help.hide();
    FormulaListViewer viewer(&main, [] () -> const QString& {
      static const QString document = QStringLiteral("\r\n");
      return document;
    });
    viewer.openViewer();
    check(&viewer);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
  }

  // Maximised, the result box reaches the foot of the main window; the help
  // window's and the viewer's text boxes grow, with the close button at the
  // foot.
  void maximisedWindowsGrowTheirText() {
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto* output = main.findChild<QPlainTextEdit*>(QStringLiteral("Output"));
    const int normal = output->height();
    main.showMaximized();
    QTRY_VERIFY(main.isMaximized());
    QTRY_COMPARE(output->geometry().bottom() + 1, main.centralWidget()->height());
    QVERIFY(output->height() >= normal);
    main.showNormal();

    HelpWindow help(dir_->path(), &main);
    FormulaListViewer viewer(&main, [] () -> const QString& {
      static const QString document = QStringLiteral("\r\n");
      return document;
    });
    for (QWidget* window : std::initializer_list<QWidget*>{&help, &viewer}) {
      window->show();
      QVERIFY(QTest::qWaitForWindowExposed(window));
      auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
      auto* close = window->findChild<QPushButton*>(QStringLiteral("Command1"));
      const int textFoot = window->height() - text->geometry().bottom();
      const int closeFoot = window->height() - close->y();
      window->showMaximized();
      QTRY_VERIFY(window->isMaximized());
      QTRY_COMPARE(window->height() - text->geometry().bottom(), textFoot);
      QCOMPARE(window->height() - close->y(), closeFoot);
      window->hide();
    }
  }
};

QTEST_MAIN(WindowPlaceTest)
#include "test_window_place.moc"
