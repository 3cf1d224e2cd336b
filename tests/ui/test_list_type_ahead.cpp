// Typing into the five lists of the main window: a letter selects the entry
// of exactly that letter ("m" milli, never "M" mega), letters typed in quick
// succession select the entry they spell, and only when no entry begins with
// the typed text in its case does the other case count.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>

#include "tests/ui/working_folder.h"
#include "ui/application.h"
#include "ui/list_type_ahead.h"
#include "ui/main_window.h"

using namespace tamrisk;

namespace {

// Every prefix; among the units "m", "g", "a", "V", "A", "W", "VA", "dB",
// "dBm", "dBc", "Hz", "VSWR", "H" and "day".
const QString EveryPrefix(20, u'1');
QString SomeUnits() {
  QString mask(80, u'0');
  for (int position : {1, 6, 21, 24, 25, 26, 27, 29, 30, 32, 33, 35, 36, 46}) mask[position - 1] = u'1';
  return mask;
}

// A pause between two keys, longer than the keyboard input interval.
constexpr QChar Pause = u'|';

}  // namespace

class ListTypeAheadTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporaryWorkingFolder> dir_;

  std::unique_ptr<MainWindow> start() {
    auto window = std::make_unique<MainWindow>();
    window->state().prefixMask = EveryPrefix;
    window->state().unitMask = SomeUnits();
    window->PopulateLists();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
    return window;
  }

  // Types `keys` into `target`, waiting where a pause is marked.
  static void type(QWidget* target, const QString& keys) {
    for (const QChar key : keys) {
      if (key == Pause) {
        QTest::qWait(QApplication::keyboardInputInterval() + 100);
      } else {
        QTest::keyClicks(target, QString(key));
      }
    }
  }

 private slots:
  void initTestCase() {
    PrepareApplication();
  }
  void init() {
    dir_ = std::make_unique<testing::TemporaryWorkingFolder>();
    QVERIFY(dir_->isValid());
  }
  void cleanup() { dir_.reset(); }

  void typedTextSelects_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("selected");
    auto row = [](const char* name, const char* list, const char* keys, const char* selected) {
      QTest::newRow(name) << QString::fromLatin1(list) << QString::fromUtf8(keys)
                          << QString::fromUtf8(selected);
    };
    row("m milli", "Sub_Unit_1", "m", "m");
    row("M mega", "Sub_Unit_1", "M", "M");
    row("y yocto", "Sub_Unit_2", "y", "y");
    row("Y yotta", "Sub_Unit_2", "Y", "Y");
    row("z zepto", "Sub_Unit_1", "z", "z");
    row("Z zetta", "Sub_Unit_1", "Z", "Z");
    row("p pico", "Sub_Unit_2", "p", "p");
    row("P peta", "Sub_Unit_2", "P", "P");
    row("d deci, not deca after it", "Sub_Unit_1", "d", "d");
    row("da over two keys", "Sub_Unit_1", "da", "da");
    row("the same key again moves on", "Sub_Unit_1", "dd", "da");
    row("after a pause a new search", "Sub_Unit_1", "d|a", "a");
    row("the same letter steps on past its own entry", "Unit_2", "V|V|V", "VSWR");
    row("and round to it again", "Unit_2", "VVVV", "V");
    row("a are", "Unit_1", "a", "a");
    row("A ampere", "Unit_1", "A", "A");
    row("H henry, not Hz", "Unit_2", "H", "H");
    row("Hz over two keys", "Unit_2", "Hz", "Hz");
    row("dBm over three keys", "Unit_2", "dBm", "dBm");
    row("either case when none begins with it", "Unit_1", "v", "V");
    row("no entry: the selection stays", "Unit_1", "x", " ");
    row("the filter list", "Unit_3", "W", "W");
  }
  void typedTextSelects() {
    QFETCH(QString, list);
    QFETCH(QString, keys);
    QFETCH(QString, selected);
    auto w = start();
    auto* box = w->findChild<QComboBox*>(list);
    QVERIFY(box);
    box->setFocus();
    type(box, keys);
    QCOMPARE(box->currentText(), selected);
    QVERIFY(!box->view()->isVisible());
  }

  // The open list: the typed letters move the highlight, Enter takes it.
  void openListSelectsTheTypedEntry() {
    auto w = start();
    auto* box = w->findChild<QComboBox*>(QStringLiteral("Sub_Unit_2"));
    box->setFocus();
    box->showPopup();
    QVERIFY(QTest::qWaitForWindowExposed(box->view()->window()));
    type(box->view(), QStringLiteral("m"));
    QCOMPARE(box->view()->currentIndex().data().toString(), QStringLiteral("m"));
    type(box->view(), QStringLiteral("|M"));
    QCOMPARE(box->view()->currentIndex().data().toString(), QStringLiteral("M"));
    QTest::keyClick(box->view(), Qt::Key_Return);
    QTRY_VERIFY(!box->view()->isVisible());
    QCOMPARE(box->currentText(), QStringLiteral("M"));
  }

  // 10 mH at 1 kHz typed as a user would: a reactance of ohms, not of
  // gigaohms.
  void typedPrefixesReachTheCalculation() {
    auto w = start();
    auto field = [&](const char* name) { return w->findChild<QWidget*>(QString::fromLatin1(name)); };
    for (const auto& [name, keys] : {std::pair{"Param_1", "10"}, {"Sub_Unit_1", "m"}, {"Unit_1", "H"},
                                     {"Param_2", "1"}, {"Sub_Unit_2", "k"}, {"Unit_2", "Hz"}}) {
      field(name)->setFocus();
      type(field(name), QString::fromLatin1(keys));
    }
    QTest::keyClick(field("Unit_2"), Qt::Key_Return);
    const QString result = w->findChild<QPlainTextEdit*>(QStringLiteral("Output"))->toPlainText();
    QVERIFY2(result.contains(QStringLiteral("10mH")), qPrintable(result));
    QVERIFY2(result.contains(QStringLiteral("j 62.832\u03A9")), qPrintable(result));
  }

  // The search itself, where the lists cannot show it: from the next entry
  // round to the current one, and no match at all.
  void searchOrder() {
    const QStringList entries = {QStringLiteral("dB"), QStringLiteral("day"), QStringLiteral("g"),
                                 QStringLiteral("dBm")};
    QCOMPARE(TypeAheadRow(entries, 2, QStringLiteral("d"), true), 3);   // after the current one
    QCOMPARE(TypeAheadRow(entries, 3, QStringLiteral("d"), true), 0);   // round to the top
    QCOMPARE(TypeAheadRow(entries, 3, QStringLiteral("dB"), false), 0);  // the text itself first
    QCOMPARE(TypeAheadRow(entries, 0, QStringLiteral("dB"), true), 3);  // already on it: on
    QCOMPARE(TypeAheadRow(entries, 3, QStringLiteral("dB"), true), 0);  // on, round to it
    QCOMPARE(TypeAheadRow(entries, 1, QStringLiteral("d"), false), 1);  // spelling on: stays
    QCOMPARE(TypeAheadRow(entries, 0, QStringLiteral("x"), true), -1);
    QCOMPARE(TypeAheadRow({}, -1, QStringLiteral("d"), true), -1);
    QCOMPARE(TypeAheadRow(entries, -1, QStringLiteral("D"), true), 0);   // either case
  }
};

QTEST_MAIN(ListTypeAheadTest)
#include "test_list_type_ahead.moc"
