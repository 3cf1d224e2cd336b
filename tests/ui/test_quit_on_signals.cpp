// The window program ended by a signal, as kill (SIGTERM), a closed terminal
// (SIGHUP), a desktop's logout and Ctrl+C (SIGINT) end it: it ends as through
// its exit menu item and saves its settings, also when more signals come
// while it saves. The real program is started in a folder of its own, on
// the offscreen platform.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <optional>

#include "engine/catalogue.h"
#include "ui/settings.h"

using namespace tamrisk;

namespace {

// The settings the program starts with: a window far off every screen,
// which the program brings back onto the screen (a position changed since
// the start), masks other than the defaults and a calculator path.
SettingsRecord StartSettings() {
  SettingsRecord record;
  record.top = 99990.0f;
  record.left = 99990.0f;
  record.prefixMask = QString::fromUtf8(DefaultPrefixMask.data(), DefaultPrefixMask.size());
  record.prefixMask[4] = u'1';
  record.unitMask = QString::fromUtf8(DefaultUnitMask.data(), DefaultUnitMask.size());
  record.unitMask[1] = u'1';
  record.calculatorPath = QStringLiteral("/opt/calc/bin/calc");
  return record;
}

// Starts the program in `folder`. The three signals start with their
// default action, as from a desktop or a terminal, but `ignored`, which
// starts ignored (as under nohup). Its output goes to /dev/null.
pid_t StartProgram(const QString& folder, int ignored = 0) {
  const QByteArray dir = QFile::encodeName(folder);
  const pid_t pid = fork();
  if (pid == 0) {
    // Only calls that are safe between fork and exec.
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
      struct sigaction action {};
      action.sa_handler = signal == ignored ? SIG_IGN : SIG_DFL;
      sigaction(signal, &action, nullptr);
    }
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) {
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
    }
    if (chdir(dir.constData()) == 0) execl(TAMRISK_PROGRAM_PATH, "tamrisk", static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

// A line of /proc/PID/status holding a set of signals, as a mask.
quint64 SignalSet(pid_t pid, const char* name) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  const QByteArray prefix = QByteArray(name) + ':';
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed().toULongLong(nullptr, 16);
  return 0;
}

quint64 Bit(int signal) { return quint64{1} << (signal - 1); }

// Waits until the program (not the copy of this test that starts it)
// handles `handled`: it has read its settings and made its window by then.
// False when it ended or took too long.
bool WaitUntilHandled(pid_t pid, quint64 handled) {
  const QString program = QFileInfo(QStringLiteral(TAMRISK_PROGRAM_PATH)).canonicalFilePath();
  const QString exe = QStringLiteral("/proc/%1/exe").arg(pid);
  QElapsedTimer timer;
  timer.start();
  while (!timer.hasExpired(30000)) {
    if (QFileInfo(exe).canonicalFilePath() == program && (SignalSet(pid, "SigCgt") & handled) == handled)
      return true;
    if (waitpid(pid, nullptr, WNOHANG) != 0) return false;
    QTest::qSleep(10);
  }
  return false;
}

// The program's end: its exit code, or nothing when a signal ended it or it
// did not end within 30 seconds (it is then killed).
std::optional<int> WaitForEnd(pid_t pid) {
  QElapsedTimer timer;
  timer.start();
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (timer.hasExpired(30000)) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return std::nullopt;
    }
    QTest::qSleep(10);
  }
  if (!WIFEXITED(status)) return std::nullopt;
  return WEXITSTATUS(status);
}

}  // namespace

class QuitOnSignalsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;

  QString iniPath() const { return dir_->filePath(SettingsFileName); }

  // The settings as the program saved them: those it started with, at the
  // position it brought its window to, the whole file and nothing else in
  // the folder (no file left half written beside it).
  void checkSaved() {
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{SettingsFileName});
    const std::optional<SettingsRecord> saved = ReadSettingsFile(iniPath());
    QVERIFY(saved);
    const SettingsRecord start = StartSettings();
    QCOMPARE(saved->prefixMask, start.prefixMask);
    QCOMPARE(saved->unitMask, start.unitMask);
    QCOMPARE(saved->calculatorPath, start.calculatorPath);
    QVERIFY2(*saved->top < *start.top && *saved->left < *start.left, "the window's new place");
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), SerializeSettings(*saved).value());
  }

 private slots:
  void init() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(WriteSettingsFile(iniPath(), StartSettings()));
  }

  void cleanup() { dir_.reset(); }

  // One signal: the program ends normally and saves what it holds. The file
  // is removed while it runs, so only the save at the end can bring it back.
  void aSignalEndsTheProgramWithItsSettingsSaved_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
  }

  void aSignalEndsTheProgramWithItsSettingsSaved() {
    QFETCH(int, signal);
    const pid_t pid = StartProgram(dir_->path());
    QVERIFY(pid > 0);
    QVERIFY(WaitUntilHandled(pid, Bit(SIGTERM) | Bit(SIGHUP) | Bit(SIGINT)));
    QVERIFY(QFile::remove(iniPath()));
    QCOMPARE(kill(pid, signal), 0);
    QCOMPARE(WaitForEnd(pid), std::optional<int>(0));
    checkSaved();
  }

  // Signals that keep coming while the program ends and saves: it saves
  // once, whole, and ends normally.
  void signalsDuringTheSaveLeaveAWholeFile() {
    const pid_t pid = StartProgram(dir_->path());
    QVERIFY(pid > 0);
    QVERIFY(WaitUntilHandled(pid, Bit(SIGTERM) | Bit(SIGHUP) | Bit(SIGINT)));
    QVERIFY(QFile::remove(iniPath()));
    constexpr std::array<int, 3> kinds = {SIGTERM, SIGHUP, SIGINT};
    int sent = 0;
    QElapsedTimer timer;
    timer.start();
    // Until the program has ended; it is not waited for until then, so its
    // number names no other process meanwhile.
    while (!timer.hasExpired(30000)) {
      siginfo_t info{};
      if (waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid) break;
      kill(pid, kinds[static_cast<size_t>(sent++) % kinds.size()]);
      usleep(50);
    }
    QVERIFY2(sent > 1, qPrintable(QString::number(sent)));
    QCOMPARE(WaitForEnd(pid), std::optional<int>(0));
    checkSaved();
  }

  // Started ignoring SIGHUP (nohup), the program goes on when its terminal
  // closes; SIGTERM still ends it.
  void anIgnoredSignalStaysIgnored() {
    const pid_t pid = StartProgram(dir_->path(), SIGHUP);
    QVERIFY(pid > 0);
    QVERIFY(WaitUntilHandled(pid, Bit(SIGTERM) | Bit(SIGINT)));
    QVERIFY(SignalSet(pid, "SigIgn") & Bit(SIGHUP));
    QCOMPARE(kill(pid, SIGHUP), 0);
    QTest::qSleep(300);
    QCOMPARE(waitpid(pid, nullptr, WNOHANG), 0);
    QCOMPARE(kill(pid, SIGTERM), 0);
    QCOMPARE(WaitForEnd(pid), std::optional<int>(0));
    checkSaved();
  }
};

QTEST_GUILESS_MAIN(QuitOnSignalsTest)
#include "test_quit_on_signals.moc"
