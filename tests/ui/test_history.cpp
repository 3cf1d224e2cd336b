// The kept calculations in the window program: every run recorded in the
// state folder's file, the history window (recall, delete, delete all), the
// entries' Alt+Up and Alt+Down, the limit, and a file that is damaged or
// cannot be written. Every test has a working folder and a state folder of
// its own.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

#include "engine/history.h"
#include "tests/ui/main_window_start.h"
#include "tests/ui/next_modal.h"
#include "tests/ui/working_folder.h"
#include "ui/application.h"
#include "ui/captions.h"
#include "ui/history_keeper.h"
#include "ui/history_window.h"
#include "ui/main_window.h"

using namespace tamrisk;

namespace {

QString T(const char16_t* s) { return QString::fromUtf16(s); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox* Note(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName() == QLatin1String(name)) return qobject_cast<QMessageBox*>(w);
  return nullptr;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

HistoryRead ReadFile(const QString& path) {
  return ParseHistory(FileBytes(path).toStdString());
}

HistoryEntry Kept(const char* p1, const char* u1, const char* p2, const char* u2) {
  HistoryEntry entry;
  entry.input = {p1, " ", u1, p2, " ", u2, " 指定なし", 0};
  entry.time = "2026-12-11T10:15:00Z";
  entry.result = "●kept";
  return entry;
}

}  // namespace

class HistoryTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporaryWorkingFolder> dir_;
  std::unique_ptr<QTemporaryDir> state_;
  std::unique_ptr<testing::ScopedEnv> env_;
  std::unique_ptr<QObject> watchers_;

  QString historyPath() const { return state_->path() + QStringLiteral("/tamrisk/history.jsonl"); }

  void writeHistory(const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(state_->path() + QStringLiteral("/tamrisk")));
    QFile file(historyPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  std::unique_ptr<MainWindow> start() { return testing::StartMainWindow(); }

  template <typename W>
  static W* get(const QWidget* window, const char* name) {
    return testing::Control<W>(window, name);
  }

  // Types the inputs and presses Enter in parameter 1's entry.
  static void run(MainWindow* w, const QString& p1, const QString& u1, const QString& p2,
                  const QString& u2) {
    get<QLineEdit>(w, "Param_1")->setText(p1);
    get<QComboBox>(w, "Unit_1")->setCurrentText(u1);
    get<QLineEdit>(w, "Param_2")->setText(p2);
    get<QComboBox>(w, "Unit_2")->setCurrentText(u2);
    QTest::keyClick(get<QLineEdit>(w, "Param_1"), Qt::Key_Return);
  }

  static QStringList Inputs(MainWindow* w) {
    return {get<QLineEdit>(w, "Param_1")->text(), get<QComboBox>(w, "Unit_1")->currentText(),
            get<QLineEdit>(w, "Param_2")->text(), get<QComboBox>(w, "Unit_2")->currentText()};
  }

 private slots:
  void initTestCase() { PrepareApplication(); }

  void init() {
    dir_ = std::make_unique<testing::TemporaryWorkingFolder>();
    QVERIFY(dir_->isValid());
    state_ = std::make_unique<QTemporaryDir>();
    QVERIFY(state_->isValid());
    env_ = std::make_unique<testing::ScopedEnv>("XDG_STATE_HOME", QFile::encodeName(state_->path()));
    watchers_ = std::make_unique<QObject>();
  }

  void cleanup() {
    watchers_.reset();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<QMessageBox*>(w)) w->close();
    env_.reset();
    state_.reset();
    dir_.reset();
  }

  // Each run is kept as typed, with the first line of its result or of its
  // message, in a private folder; a repeat of the latest is kept once.
  void runsAreRecorded() {
    auto w = start();
    QCOMPARE(w->history().path(), historyPath());
    run(w.get(), QStringLiteral("1e1"), QStringLiteral("V"), QStringLiteral("5"), QStringLiteral("Ω"));
    const QString shown = get<QPlainTextEdit>(w.get(), "Output")->toPlainText();
    run(w.get(), QStringLiteral("1e1"), QStringLiteral("V"), QStringLiteral("5"), QStringLiteral("Ω"));
    run(w.get(), QStringLiteral("10"), QStringLiteral("Hz"), QStringLiteral("5"), QStringLiteral("g"));
    const HistoryRead read = ReadFile(historyPath());
    QVERIFY(read.damaged.empty());
    QCOMPARE(read.entries.size(), size_t{2});
    const HistoryEntry& first = read.entries[0];
    QCOMPARE(Q(first.input.param1), QStringLiteral("1e1"));  // not the rewritten "10"
    QCOMPARE(Q(first.input.unit1), QStringLiteral("V"));
    QCOMPARE(Q(first.input.unit2), QStringLiteral("Ω"));
    QCOMPARE(Q(first.input.unit3), QStringLiteral(" 指定なし"));
    QCOMPARE(Q(first.result), shown.section(u'\n', 0, 0));
    QVERIFY(first.result.starts_with("●"));
    QVERIFY(QDateTime::fromString(Q(first.time), Qt::ISODate).isValid());
    QVERIFY(Q(read.entries[1].result).startsWith(QStringLiteral("!!!")));  // a message
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(state_->path() + QStringLiteral("/tamrisk")).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0700u);
  }

  // Ctrl+R opens the list, the latest first; Enter on a row fills the
  // inputs and runs; Delete and 削除 remove one, すべて削除 all after a
  // question.
  void recallAndDelete() {
    writeHistory(Q(HistoryLine(Kept("10", "V", "5", "Ω")) + "\n" +
                   HistoryLine(Kept("2", "A", "3", "Ω")) + "\n").toUtf8());
    auto w = start();
    QTest::keyClick(get<QLineEdit>(w.get(), "Param_1"), Qt::Key_R, Qt::ControlModifier);
    HistoryWindow* window = w->historyWindow();
    QTRY_VERIFY(window->isVisible());
    auto* list = get<QListWidget>(window, "HistoryList");
    QCOMPARE(list->count(), 2);
    QVERIFY(list->item(0)->text().contains(QStringLiteral("2 A､ 3 Ω")));
    QVERIFY(list->item(1)->text().contains(QStringLiteral("10 V､ 5 Ω")));

    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(Inputs(w.get()), QStringList({"10", "V", "5", "Ω"}));
    QVERIFY(get<QPlainTextEdit>(w.get(), "Output")->toPlainText().startsWith(QStringLiteral("●")));
    // The run is the latest now, and the list shows it.
    QCOMPARE(list->count(), 3);
    QVERIFY(list->item(0)->text().contains(QStringLiteral("10 V､ 5 Ω")));

    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 2);
    QCOMPARE(ReadFile(historyPath()).entries.size(), size_t{2});
    QVERIFY(list->item(1)->text().contains(QStringLiteral("10 V､ 5 Ω")));
    list->setCurrentRow(0);
    QTest::mouseClick(get<QPushButton>(window, "HistoryDelete"), Qt::LeftButton);
    QCOMPARE(ReadFile(historyPath()).entries.size(), size_t{1});

    // Not answered: everything stays.
    auto no = testing::OnNextModal(watchers_.get(), [](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      QCOMPARE(box->text(), T(captions::HistoryClearQuestion));
    });
    QTest::mouseClick(get<QPushButton>(window, "HistoryClear"), Qt::LeftButton);
    QVERIFY(*no);
    QCOMPARE(ReadFile(historyPath()).entries.size(), size_t{1});
    auto yes = testing::OnNextModal(watchers_.get(), [](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      box->button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(get<QPushButton>(window, "HistoryClear"), Qt::LeftButton);
    QVERIFY(*yes);
    QVERIFY(ReadFile(historyPath()).entries.empty());
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), T(captions::HistoryEmptyText));
    QVERIFY(!get<QPushButton>(window, "HistoryRecall")->isEnabled());
  }

  // Alt+Up in an entry steps to earlier inputs, Alt+Down back, past the
  // latest to what was typed; nothing runs.
  void altUpAndDownStep() {
    writeHistory(Q(HistoryLine(Kept("1", "V", "2", "Ω")) + "\n" +
                   HistoryLine(Kept("3", "A", "4", "Ω")) + "\n").toUtf8());
    auto w = start();
    auto* param2 = get<QLineEdit>(w.get(), "Param_2");
    param2->setFocus();
    param2->setText(QStringLiteral("typed"));
    const QStringList typed = Inputs(w.get());
    auto* output = get<QPlainTextEdit>(w.get(), "Output");
    struct Step {
      Qt::Key key;
      QStringList inputs;
    };
    const Step steps[] = {
        {Qt::Key_Up, {"3", "A", "4", "Ω"}}, {Qt::Key_Up, {"1", "V", "2", "Ω"}},
        {Qt::Key_Up, {"1", "V", "2", "Ω"}},  // the earliest stays
        {Qt::Key_Down, {"3", "A", "4", "Ω"}}, {Qt::Key_Down, typed}, {Qt::Key_Down, typed},
    };
    for (const Step& step : steps) {
      QTest::keyClick(param2, step.key, Qt::AltModifier);
      QCOMPARE(Inputs(w.get()), step.inputs);
      QVERIFY(param2->hasFocus());
    }
    QVERIFY(output->toPlainText().isEmpty());
    QCOMPARE(ReadFile(historyPath()).entries.size(), size_t{2});
  }

  // The file keeps at most 1,000 calculations, the oldest dropped first;
  // the window opens with all of them.
  void keepsAThousand() {
    std::vector<HistoryEntry> many;
    for (int i = 0; i < 1000; ++i) many.push_back(Kept(std::to_string(i).c_str(), "V", "1", "Ω"));
    writeHistory(QByteArray::fromStdString(SerializeHistory(many)));
    auto w = start();
    run(w.get(), QStringLiteral("7"), QStringLiteral("V"), QStringLiteral("7"), QStringLiteral("Ω"));
    const HistoryRead read = ReadFile(historyPath());
    QCOMPARE(read.entries.size(), size_t{1000});
    QCOMPARE(Q(read.entries.front().input.param1), QStringLiteral("1"));
    QCOMPARE(Q(read.entries.back().input.param1), QStringLiteral("7"));
    w->historyWindow()->openHistory();
    QCOMPARE(get<QListWidget>(w->historyWindow(), "HistoryList")->count(), 1000);
  }

  // Lines that cannot be read: the rest is used, the user is told once, and
  // the file as it stood is kept as history.jsonl.bak before the first
  // write.
  void damagedFile() {
    const QByteArray old = QByteArray::fromStdString(HistoryLine(Kept("1", "V", "2", "Ω"))) +
                           "\n{\"v\":1,\"p1\":<b>broken\n";
    writeHistory(old);
    auto w = start();
    w->historyWindow()->openHistory();
    QCOMPARE(get<QListWidget>(w->historyWindow(), "HistoryList")->count(), 1);
    QTRY_VERIFY(Note("HistoryDamaged"));
    QCOMPARE(Note("HistoryDamaged")->text(),
             T(captions::HistoryDamagedLine1) + u'\n' + T(captions::HistoryBackupLine2) + u'\n' +
                 T(captions::HistoryFileLabel) + historyPath());
    Note("HistoryDamaged")->close();
    QCOMPARE(FileBytes(historyPath()), old);  // untouched until written
    run(w.get(), QStringLiteral("5"), QStringLiteral("V"), QStringLiteral("5"), QStringLiteral("Ω"));
    QCOMPARE(FileBytes(historyPath() + QStringLiteral(".bak")), old);
    const HistoryRead read = ReadFile(historyPath());
    QVERIFY(read.damaged.empty());
    QCOMPARE(read.entries.size(), size_t{2});
    run(w.get(), QStringLiteral("6"), QStringLiteral("V"), QStringLiteral("5"), QStringLiteral("Ω"));
    QCOMPARE(FileBytes(historyPath() + QStringLiteral(".bak")), old);
    QTest::qWait(50);
    QVERIFY2(!Note("HistoryDamaged"), "told once");
  }

  // A file that cannot be written (a folder in its place, a link to a
  // device): the program keeps the history for this run and says so once.
  void unwritableFile() {
    QVERIFY(QDir().mkpath(historyPath()));  // a folder where the file goes
    auto w = start();
    run(w.get(), QStringLiteral("1"), QStringLiteral("V"), QStringLiteral("2"), QStringLiteral("Ω"));
    QTRY_VERIFY(Note("HistoryNotSaved"));
    QCOMPARE(Note("HistoryNotSaved")->text(),
             T(captions::HistoryNotSavedLine1) + u'\n' + T(captions::HistoryFileLabel) + historyPath());
    Note("HistoryNotSaved")->close();
    run(w.get(), QStringLiteral("2"), QStringLiteral("V"), QStringLiteral("2"), QStringLiteral("Ω"));
    QVERIFY(get<QPlainTextEdit>(w.get(), "Output")->toPlainText().startsWith(QStringLiteral("●")));
    QCOMPARE(w->history().entries().size(), size_t{2});
    QTest::qWait(50);
    QVERIFY2(!Note("HistoryNotSaved"), "told once");
    QVERIFY(QFileInfo(historyPath()).isDir());

    // A link to a device is not written through.
    QVERIFY(QDir(historyPath()).removeRecursively());
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), historyPath()));
    auto again = start();
    run(again.get(), QStringLiteral("1"), QStringLiteral("V"), QStringLiteral("2"), QStringLiteral("Ω"));
    QTRY_VERIFY(Note("HistoryNotSaved"));
    QCOMPARE(QFileInfo(historyPath()).symLinkTarget(), QStringLiteral("/dev/null"));
  }
};

QTEST_MAIN(HistoryTest)
#include "test_history.moc"
