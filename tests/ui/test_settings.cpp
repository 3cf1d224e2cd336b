// The settings file: on its own (bytes written, fields read back, damaged
// files, and writing where no file can be written), then as the main window
// reads it at start-up and writes it, and what it tells the user. Each
// window test runs in its own temporary working directory.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <functional>
#include <memory>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/catalogue.h"
#include "tests/ui/main_window_start.h"
#include "tests/ui/next_modal.h"
#include "tests/ui/working_folder.h"
#include "ui/application.h"
#include "ui/calculator_path_dialog.h"
#include "ui/captions.h"
#include "ui/main_window.h"
#include "ui/private_folders.h"
#include "ui/settings.h"

using namespace tamrisk;

namespace {

const QString PrefixMask = QStringLiteral("00000011100011100000");
const QString UnitMask = QStringLiteral(
    "10000100001001100100000111010000100000000111000000000000000000000000000000000000");

QByteArray Lines(std::initializer_list<const char*> lines) {
  QByteArray bytes;
  for (const char* line : lines) bytes.append(line).append("\r\n");
  return bytes;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `write` as a user without root's right to write anywhere: folder
// permissions mean nothing to root. As root the work is done in a child
// process that has become "nobody" (the files it needs are given to it).
bool AsOrdinaryUser(const QStringList& give, const std::function<bool()>& write) {
  if (::geteuid() != 0) return write();
  constexpr uid_t kNobody = 65534;
  for (const QString& path : give)
    if (::lchown(QFile::encodeName(path).constData(), kNobody, kNobody) != 0) return false;
  const pid_t child = ::fork();
  if (child == 0) {
    const bool ok = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && write();
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString T(const char16_t* s) { return QString::fromUtf16(s); }
QString Unit(int position) { return Q(UnitCatalogue[static_cast<size_t>(position - 1)]); }
QString Prefix(int position) { return Q(PrefixCatalogue[static_cast<size_t>(position - 1)].text); }
const QString Blank = QStringLiteral(" ");
const QString NoFilterText = Q(NoFilter);

QString Mask(int length, std::initializer_list<int> ones) {
  QString mask(length, u'0');
  for (int position : ones) mask[position - 1] = u'1';
  return mask;
}

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

QStringList FileLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = DecodeCp932(file.readAll()).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

// The visible note of that name (a small window of the program's own), or
// nothing.
QMessageBox* Note(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName() == QLatin1String(name)) return qobject_cast<QMessageBox*>(w);
  return nullptr;
}

int VisibleNotes() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && qobject_cast<QMessageBox*>(w)) ++count;
  return count;
}

// Notes as they are shown: each note's name, and whether it was shown as a
// window of the main window while the main window was shown and active. A
// window manager puts a window shown before the new main window has been
// made active, or one that does not take the keyboard, behind it.
class NoteShowings : public QObject {
 public:
  NoteShowings() { qApp->installEventFilter(this); }
  QStringList shown;
  QStringList shownTooSoon;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    if (auto* note = qobject_cast<QMessageBox*>(watched)) {
      shown << note->objectName();
      const auto* main = qobject_cast<const MainWindow*>(note->parentWidget());
      if (!main || !main->isVisible() || !main->isActiveWindow()) shownTooSoon << note->objectName();
    }
    return false;
  }
};

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void positionFormat_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("positive") << 2895.0f << QStringLiteral(" 2895 ");
    QTest::newRow("negative") << -15.0f << QStringLiteral("-15 ");
    QTest::newRow("zero") << 0.0f << QStringLiteral(" 0 ");
    QTest::newRow("negative zero") << -0.0f << QStringLiteral(" 0 ");
    QTest::newRow("fraction") << 12.5f << QStringLiteral(" 12.5 ");
  }
  void positionFormat() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(FormatPosition(value), text);
  }

  void dataDir() {
    QCOMPARE(DataDirFrom(QStringLiteral("/home/user/tools")), QStringLiteral("/home/user/tools/"));
    QCOMPARE(DataDirFrom(QStringLiteral("/")), QStringLiteral("/"));
  }

  // The folders made for the settings are the user's alone whatever the
  // umask; a folder that is there keeps its mode; a file in the way is an
  // error, not a folder.
  void privateFolders() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const mode_t umaskBefore = umask(0);
    const int made = MakePrivateFolders(QFile::encodeName(dir.filePath(QStringLiteral("a/b/c/"))).toStdString());
    umask(umaskBefore);
    QCOMPARE(made, 0);
    auto mode = [&dir](const char* path) {
      struct stat st {};
      return ::stat(QFile::encodeName(dir.filePath(QString::fromLatin1(path))).constData(), &st) == 0
                 ? st.st_mode & 07777
                 : 0;
    };
    for (const char* path : {"a", "a/b", "a/b/c"}) QCOMPARE(mode(path), mode_t{0700});
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("a")), QFile::ReadOwner | QFile::WriteOwner |
                                                                      QFile::ExeOwner | QFile::ExeOther));
    QCOMPARE(MakePrivateFolders(QFile::encodeName(dir.filePath(QStringLiteral("a/d"))).toStdString()), 0);
    QCOMPARE(mode("a"), mode_t{0701});
    QCOMPARE(mode("a/d"), mode_t{0700});
    QFile file(dir.filePath(QStringLiteral("f")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(MakePrivateFolders(QFile::encodeName(dir.filePath(QStringLiteral("f/g"))).toStdString()), ENOTDIR);
  }

  // Without a working folder (removed before the start: no path at all) the
  // data folder is the one the launcher prepares, and never the root folder.
  void dataDirAtStart_data() {
    QTest::addColumn<QString>("workingDirectory");
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("dataDir");
    const QString home = QStringLiteral("/home/user/.local/share");
    QTest::newRow("working folder") << "/home/user/tools" << home << "/home/user/tools/";
    QTest::newRow("vanished working folder") << "" << home << "/home/user/.local/share/tamrisk/";
    QTest::newRow("root folder") << "/" << home << "/home/user/.local/share/tamrisk/";
    QTest::newRow("data home with a trailing slash") << "" << home + u'/' << "/home/user/.local/share/tamrisk/";
    QTest::newRow("no data home either") << "" << "" << "";
    QTest::newRow("relative data home") << "/" << "share" << "";
  }
  void dataDirAtStart() {
    QFETCH(QString, workingDirectory);
    QFETCH(QString, dataHome);
    QFETCH(QString, dataDir);
    QCOMPARE(DataDirAtStart(workingDirectory, dataHome), dataDir);
  }

  // The whole file as bytes: CR LF lines in code page 932.
  void writtenBytes() {
    SettingsRecord record;
    record.top = 2895.0f;
    record.left = -15.0f;
    record.prefixMask = PrefixMask;
    record.unitMask = UnitMask;
    record.calculatorPath = QStringLiteral("/opt/電卓/calc");
    QByteArray expected;
    expected += " 2895 \r\n-15 \r\n";
    expected += PrefixMask.toLatin1() + "\r\n";
    expected += UnitMask.toLatin1() + "\r\n";
    expected += "/opt/\x93\x64\x91\xec/calc\r\n";
    expected += QByteArray::fromHex(
                    "82b182cc837483408343838b82cd2054616d7269736b2082cc8ac28bab90dd92e883748340"
                    "8343838b82c582b78142") +
                "\r\n";
    expected += QByteArray::fromHex(
                    "95cf8d5882dc82bd82cd8fc18b8e82b782e982c6a490b38fed82c993ae8dec82b582c882ad"
                    "82c882e882dc82b78142") +
                "\r\n";
    QCOMPARE(SerializeSettings(record).value(), expected);
  }

  void roundTrip_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("empty") << QString();
    QTest::newRow("japanese") << QStringLiteral("/home/ユーザー/電卓ソフト/calc");
    // The whole line is the path: a comma, leading blanks and quotes stay.
    QTest::newRow("comma") << QStringLiteral("/opt/calc,v2/calc");
    QTest::newRow("blanks and quotes")
        << QStringLiteral("  \"/opt/my calc/calc\" --mode=\"sci, rpn\"  ");
  }
  void roundTrip() {
    QFETCH(QString, path);
    QTemporaryDir dir;
    const QString file = dir.filePath(SettingsFileName);
    SettingsRecord record;
    record.top = -120.0f;
    record.left = 4500.0f;
    record.prefixMask = QStringLiteral("11111");
    record.unitMask = UnitMask;
    record.calculatorPath = path;
    QVERIFY(WriteSettingsFile(file, record));
    const std::optional<SettingsRecord> read = ReadSettingsFile(file);
    QVERIFY(read);
    QCOMPARE(*read->top, -120.0f);
    QCOMPARE(*read->left, 4500.0f);
    QCOMPARE(read->prefixMask, QStringLiteral("11111"));
    QCOMPARE(read->unitMask, UnitMask);
    QCOMPARE(read->calculatorPath, path);
  }

  // A window beyond the range of window coordinates is written at the
  // farthest place a file may hold, so that the file still reads.
  void farPositionStillReads() {
    SettingsRecord record;
    record.top = 32768.0f * 15.0f;
    record.left = -40000.0f * 15.0f;
    const std::optional<SettingsRecord> read = ParseSettings(SerializeSettings(record).value());
    QVERIFY(read);
    QCOMPARE(*read->top, MaxPositionTwips);
    QCOMPARE(*read->left, -MaxPositionTwips);
  }

  // Files as a person or another program may leave them.
  void reading_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("left");
    QTest::addColumn<QString>("prefixMask");
    QTest::addColumn<QString>("unitMask");
    QTest::addColumn<QString>("path");

    QTest::newRow("comments deleted")
        << Lines({" 100 ", " 200 ", "0101", "11", "calc"}) << true << 100.0f << 200.0f
        << "0101" << "11" << "calc";
    QTest::newRow("no line end after the path")
        << QByteArray(" 100 \r\n 200 \r\n0101\r\n11\r\ncalc") << true << 100.0f << 200.0f
        << "0101" << "11" << "calc";
    QTest::newRow("line feeds only")
        << QByteArray("1\n2\n0101\n11\n/usr/bin/calc\n") << true << 1.0f << 2.0f << "0101"
        << "11" << "/usr/bin/calc";
    QTest::newRow("empty positions count as 0")
        << Lines({"", "", "0101", "11", ""}) << true << 0.0f << 0.0f << "0101" << "11" << "";
    QTest::newRow("blanks around numbers, decimal point")
        << Lines({"   -30.0  ", "\t45 ", "0101", "11", ""}) << true << -30.0f << 45.0f << "0101"
        << "11" << "";
    QTest::newRow("quoted and comma-cut masks")
        << Lines({"1", "2", "  \"0101\"", "11,ignored", "path"}) << true << 1.0f << 2.0f
        << "0101" << "11" << "path";
    QTest::newRow("two positions on one line")
        << Lines({"1,2", "0101", "11", "path"}) << true << 1.0f << 2.0f << "0101" << "11"
        << "path";
    QTest::newRow("only four lines")
        << Lines({" 100 ", " 200 ", "0101", "11"}) << false << 0.0f << 0.0f << "" << "" << "";
    QTest::newRow("empty file") << QByteArray() << false << 0.0f << 0.0f << "" << "" << "";
    QTest::newRow("top is text")
        << Lines({"abc", " 200 ", "0101", "11", "calc"}) << false << 0.0f << 0.0f << "" << ""
        << "";
    QTest::newRow("left has a unit")
        << Lines({" 100 ", "200px", "0101", "11", "calc"}) << false << 0.0f << 0.0f << "" << ""
        << "";
    QTest::newRow("top beyond single precision")
        << Lines({"1e300", " 200 ", "0101", "11", "calc"}) << false << 0.0f << 0.0f << ""
        << "" << "";
    QTest::newRow("left too far for a window")
        << Lines({" 100 ", " 600000 ", "0101", "11", "calc"}) << false << 0.0f << 0.0f << ""
        << "" << "";
    QTest::newRow("farthest position")
        << Lines({" 491505 ", "-491505", "0101", "11", "calc"}) << true << 491505.0f
        << -491505.0f << "0101" << "11" << "calc";
  }
  void reading() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    const std::optional<SettingsRecord> record = ParseSettings(bytes);
    QCOMPARE(record.has_value(), readable);
    if (!readable) return;
    QFETCH(float, top);
    QFETCH(float, left);
    QFETCH(QString, prefixMask);
    QFETCH(QString, unitMask);
    QFETCH(QString, path);
    QCOMPARE(*record->top, top);
    QCOMPARE(*record->left, left);
    QCOMPARE(record->prefixMask, prefixMask);
    QCOMPARE(record->unitMask, unitMask);
    QCOMPARE(record->calculatorPath, path);
  }

  // A mask that is not "0"s and "1"s of its catalogue's length is the
  // default mask, and a spare unit position is never "1"; the file is still
  // read: the position and the path stay, and so does a good other mask.
  void usableMasks_data() {
    QTest::addColumn<QByteArray>("prefixLine");
    QTest::addColumn<QByteArray>("unitLine");
    QTest::addColumn<QString>("prefixMask");
    QTest::addColumn<QString>("unitMask");
    const QByteArray prefix = "00000000000011100000";
    const QByteArray units = UnitMask.toLatin1();
    const QString allUnits = QString(74, u'1') + QString(6, u'0');
    QTest::newRow("as written") << prefix << units << QString::fromLatin1(prefix) << UnitMask;
    QTest::newRow("quoted") << "\"" + prefix + "\"" << units << QString::fromLatin1(prefix) << UnitMask;
    QTest::newRow("spare positions ticked")
        << prefix << QByteArray(80, '1') << QString::fromLatin1(prefix) << allUnits;
    QTest::newRow("short masks") << QByteArray("11111") << QByteArray("1111") << PrefixMask << UnitMask;
    QTest::newRow("long masks")
        << QByteArray(21, '1') << QByteArray(81, '1') << PrefixMask << UnitMask;
    QTest::newRow("empty masks") << QByteArray() << QByteArray() << PrefixMask << UnitMask;
    QTest::newRow("letters") << QByteArray("xyz") << units.left(79) + 'x' << PrefixMask << UnitMask;
    QTest::newRow("only the prefix mask broken")
        << QByteArray(" 0000000000001110000") << QByteArray(80, '1') << PrefixMask << allUnits;
  }
  void usableMasks() {
    QFETCH(QByteArray, prefixLine);
    QFETCH(QByteArray, unitLine);
    std::optional<SettingsRecord> record = ParseSettings(
        " 1500 \r\n 3000 \r\n" + prefixLine + "\r\n" + unitLine + "\r\n/usr/bin/calc\r\n");
    QVERIFY(record);
    MakeMasksUsable(*record);
    QTEST(record->prefixMask, "prefixMask");
    QTEST(record->unitMask, "unitMask");
    QCOMPARE(*record->top, 1500.0f);
    QCOMPARE(*record->left, 3000.0f);
    QCOMPARE(record->calculatorPath, QStringLiteral("/usr/bin/calc"));
  }

  void missingFile() {
    QTemporaryDir dir;
    QVERIFY(!ReadSettingsFile(dir.filePath(SettingsFileName)));
  }

  // Writing fails where the folder is gone; an old file elsewhere is never
  // left half-written because the new one is renamed into place whole.
  void unwritable() {
    QTemporaryDir dir;
    SettingsRecord record;
    record.top = 1.0f;
    record.left = 2.0f;
    QVERIFY(!WriteSettingsFile(dir.filePath(QStringLiteral("gone/tamrisk.ini")), record));

    const QString file = dir.filePath(SettingsFileName);
    QVERIFY(WriteSettingsFile(file, record));
    record.calculatorPath = QStringLiteral("second");
    QVERIFY(WriteSettingsFile(file, record));
    QCOMPARE(ReadSettingsFile(file)->calculatorPath, QStringLiteral("second"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{SettingsFileName});
  }

  // Only a regular file, reached directly or through a link, or a name where
  // nothing is, is written. Anything else stays exactly as it was: writing
  // would replace a device or a FIFO with a regular file.
  void writesOnlyOntoRegularFiles() {
    QTemporaryDir dir;
    SettingsRecord record;
    record.top = 1.0f;
    record.left = 2.0f;
    record.calculatorPath = QStringLiteral("new");
    auto path = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    auto type = [](const QString& p) {
      struct stat st {};
      return ::lstat(QFile::encodeName(p).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0u;
    };

    QCOMPARE(mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    QVERIFY(QFile::link(path("fifo"), path("link-to-fifo")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(QFile::link(path("nothing"), path("dangling")));
    // A device node of our own (the null device's numbers) stands for
    // /dev/zero and its kind; only root may make one.
    const bool device =
        ::mknod(QFile::encodeName(path("null")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    if (device) QVERIFY(QFile::link(path("null"), path("link-to-device")));
    else qInfo("no device node test: making one needs root");

    for (const char* name : {"fifo", "link-to-fifo", "folder", "dangling", "link-to-device"}) {
      if (!device && QByteArray(name) == "link-to-device") continue;
      const unsigned before = type(path(name));
      QVERIFY2(!WriteSettingsFile(path(name), record), name);
      QCOMPARE(type(path(name)), before);
    }
    QCOMPARE(type(path("fifo")), unsigned{S_IFIFO});
    QCOMPARE(type(path("nothing")), 0u);  // a dangling link makes no file
    if (device) QCOMPARE(type(path("null")), unsigned{S_IFCHR});

    // A link to a regular file is the user's own arrangement: written
    // through, the link stays.
    QFile target(path("target.ini"));
    QVERIFY(target.open(QIODevice::WriteOnly));
    target.write("old\r\n");
    target.close();
    QVERIFY(QFile::link(path("target.ini"), path("link.ini")));
    QVERIFY(WriteSettingsFile(path("link.ini"), record));
    QCOMPARE(type(path("link.ini")), unsigned{S_IFLNK});
    QCOMPARE(ReadSettingsFile(path("target.ini"))->calculatorPath, QStringLiteral("new"));
  }

  // A file the user may write, in a folder that takes no new file (no
  // temporary file beside it), is rewritten in place; a file the user may
  // not write stays as it was.
  void readOnlyFolder() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString writable = folder + QStringLiteral("/tamrisk.ini");
    const QString readOnly = folder + QStringLiteral("/other.ini");
    for (const QString& file : {writable, readOnly}) {
      QFile f(file);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(Lines({" 1 ", " 2 ", "0", "0", "old"}));
    }
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    SettingsRecord record;
    record.top = 30.0f;
    record.left = 45.0f;
    record.calculatorPath = QStringLiteral("new");
    const bool wrote = AsOrdinaryUser({dir.path(), folder, writable, readOnly}, [&] {
      return WriteSettingsFile(writable, record) && !WriteSettingsFile(readOnly, record);
    });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(wrote);
    const std::optional<SettingsRecord> read = ReadSettingsFile(writable);
    QVERIFY(read);
    QCOMPARE(*read->top, 30.0f);
    QCOMPARE(read->calculatorPath, QStringLiteral("new"));
    QCOMPARE(ReadSettingsFile(readOnly)->calculatorPath, QStringLiteral("old"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2);
  }

  // A calculator path the file cannot hold exactly (a character code page 932
  // lacks or writes as a look-alike, a line break, more than a line's bytes)
  // is never written with stand-ins: the line it had is written again. The
  // longest path the entry takes, all double-byte characters, reads back.
  void pathsTheFileCannotHold_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("held");
    QTest::newRow("umlaut") << QStringLiteral("/opt/Rechner-für-alle/calc") << false;
    QTest::newRow("accent") << QStringLiteral("/opt/calculatrice-élève/calc") << false;
    QTest::newRow("simplified Chinese") << QStringLiteral("/opt/计算器/calc") << false;
    QTest::newRow("emoji") << QStringLiteral("/opt/\U0001F9EE/calc") << false;
    QTest::newRow("yen sign, written as a backslash") << QStringLiteral("/opt/¥100/calc") << false;
    QTest::newRow("wave dash, written as a full-width tilde") << QStringLiteral("/opt/計算〜/calc") << false;
    QTest::newRow("line break") << QStringLiteral("/opt/calc\n--flag") << false;
    QTest::newRow("longest path the entry takes") << QString(32767, QChar(0x96FB)) << true;
    QTest::newRow("a full line of double-byte characters") << QString(32768, QChar(0x96FB)) << true;
    QTest::newRow("one character more than a line holds") << QString(32769, QChar(0x96FB)) << false;
    QTest::newRow("full-width tilde") << QStringLiteral("/opt/計算～/calc") << true;
  }
  void pathsTheFileCannotHold() {
    QFETCH(QString, path);
    QFETCH(bool, held);
    QTemporaryDir dir;
    const QString file = dir.filePath(SettingsFileName);
    SettingsRecord record;
    record.top = 1.0f;
    record.left = 2.0f;
    record.prefixMask = PrefixMask;
    record.unitMask = UnitMask;
    record.calculatorPath = path;
    record.calculatorPathLine = "/usr/bin/\x93\x64\x91\xec";  // the line the file had
    QCOMPARE(SettingsPathLine(path).has_value(), held);
    QVERIFY(WriteSettingsFile(file, record));
    QVERIFY(!FileBytes(file).contains('?'));
    const std::optional<SettingsRecord> read = ReadSettingsFile(file);
    QVERIFY(read);
    QCOMPARE(read->calculatorPath, held ? path : QStringLiteral("/usr/bin/電卓"));
    QCOMPARE(read->unitMask, UnitMask);
  }

  // Masks as a hand-made file may give them (quoted, with a comma or leading
  // blanks) are written so that they read back as they were read.
  void oddMasksReadBack() {
    const std::optional<SettingsRecord> record =
        ParseSettings(Lines({" 1 ", " 2 ", "  \"  01\"", "\"1,1\"", "calc"}));
    QVERIFY(record);
    QCOMPARE(record->prefixMask, QStringLiteral("  01"));
    QCOMPARE(record->unitMask, QStringLiteral("1,1"));
    const std::optional<SettingsRecord> again = ParseSettings(SerializeSettings(*record).value());
    QVERIFY(again);
    QCOMPARE(again->prefixMask, record->prefixMask);
    QCOMPARE(again->unitMask, record->unitMask);
    QCOMPARE(again->calculatorPath, QStringLiteral("calc"));
  }

  // Bytes that are no code page 932 (an editor's UTF-8) read as U+FFFD and
  // mark the record; the path's line keeps its bytes, so that writing the
  // path back gives them unchanged. Comment lines are never looked at.
  void undecodableFields() {
    const QByteArray utf8Path = QStringLiteral("/opt/電卓/calc").toUtf8();
    const std::optional<SettingsRecord> record =
        ParseSettings(Lines({" 1500 ", " 3000 ", "0101", "11", utf8Path.constData()}));
    QVERIFY(record);
    QVERIFY(record->undecodable);
    QVERIFY(record->calculatorPath.contains(QChar::ReplacementCharacter));
    QCOMPARE(record->calculatorPathLine, utf8Path);
    const QByteArray written = SerializeSettings(*record).value();
    QVERIFY(written.contains("\r\n" + utf8Path + "\r\n"));

    QVERIFY(!ParseSettings(Lines({" 1 ", " 2 ", "0", "0", "calc", "\x80\xFF"}))->undecodable);

    // A mask read from such a file cannot be written as it was read: nothing
    // is written, rather than a mask with stand-ins.
    const std::optional<SettingsRecord> badMask =
        ParseSettings(Lines({" 1 ", " 2 ", "01\x80", "0", "calc"}));
    QVERIFY(badMask && badMask->undecodable);
    QVERIFY(!SerializeSettings(*badMask));
    QTemporaryDir dir;
    QVERIFY(!WriteSettingsFile(dir.filePath(SettingsFileName), *badMask));
    QVERIFY(!QFile::exists(dir.filePath(SettingsFileName)));
  }

  // What stands in place of the file decides nothing but "unreadable": a
  // FIFO would make opening wait for a writer, a device never ends. Each
  // must come back at once, with no record.
  void notARegularFile() {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.ini"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!ReadSettingsFile(fifo));
    const QString zero = dir.filePath(QStringLiteral("zero.ini"));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
    QVERIFY(!ReadSettingsFile(zero));
    QVERIFY(!ReadSettingsFile(dir.path()));
  }

  // A valid file followed by anything, however long: the seven lines count.
  void longTail() {
    QTemporaryDir dir;
    const QString file = dir.filePath(SettingsFileName);
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Lines({" 1500 ", " 3000 ", "00000011100011100000", "1111", "/usr/bin/calc",
                   "comment", "comment"}));
    const QByteArray filler(4096, 'x');
    for (int i = 0; i < 400; ++i) f.write(filler + "\r\n");  // 1.6 MB
    f.close();
    const std::optional<SettingsRecord> record = ReadSettingsFile(file);
    QVERIFY(record);
    QCOMPARE(*record->top, 1500.0f);
    QCOMPARE(record->unitMask, QStringLiteral("1111"));
    QCOMPARE(record->calculatorPath, QStringLiteral("/usr/bin/calc"));
  }

  // Before a file that could not be read is written over, it is kept.
  void backupOfUnreadableFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(SettingsFileName);
    QVERIFY2(!KeepSettingsBackup(file), "no file, no copy");
    const QByteArray old = "\xEF\xBB\xBF 1500 \r\n 3000 \r\n";  // a BOM from an editor
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(old);
    f.close();
    QVERIFY(KeepSettingsBackup(file));
    QFile backup(file + QStringLiteral(".bak"));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), old);
  }

  void codePage() {
    // Half-width katakana and the half-width comma are single bytes.
    QCOMPARE(EncodeCp932(QStringLiteral("ｶｽﾀﾏｲｽﾞ､")).value(),
             QByteArray("\xb6\xbd\xc0\xcf\xb2\xbd\xde\xa4"));
    bool undecodable = true;
    QCOMPARE(DecodeCp932(QByteArray("\x93\x64\x91\xec"), &undecodable), QStringLiteral("電卓"));
    QVERIFY(!undecodable);
    // A character code page 932 lacks is never written as a stand-in.
    QVERIFY(!EncodeCp932(QStringLiteral("a\u20ACb")));
    // A byte sequence that is no code page 932 reads as U+FFFD, and says so.
    QCOMPARE(DecodeCp932(QByteArray("a\x80z"), &undecodable), QStringLiteral("a\uFFFDz"));
    QVERIFY(undecodable);
  }
};

// The main window's settings: read at start-up, written by the saves, and
// the notes that tell the user what could not be read or written.
class WindowSettingsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporaryWorkingFolder> dir_;
  std::unique_ptr<QObject> watchers_;

  QString iniPath() const { return dir_->filePath(SettingsFileName); }

  // Calls `check` with the next modal window that opens, then closes it.
  // Returns a flag that turns true once that happened.
  std::shared_ptr<bool> onNextModal(std::function<void(QWidget*)> check) {
    return testing::OnNextModal(watchers_.get(), std::move(check));
  }

  std::unique_ptr<MainWindow> start() { return testing::StartMainWindow(); }

  template <typename W>
  static W* get(const QWidget* window, const char* name) {
    return testing::Control<W>(window, name);
  }

  static QPoint centred() { return testing::CentredMainWindow(); }

  void writeIni(float top, float left, const QString& prefixMask, const QString& unitMask,
                const QString& path) {
    SettingsRecord record;
    record.top = top;
    record.left = left;
    record.prefixMask = prefixMask;
    record.unitMask = unitMask;
    record.calculatorPath = path;
    QVERIFY(WriteSettingsFile(iniPath(), record));
  }

 private slots:
  void initTestCase() {
    PrepareApplication();  // as the program starts
  }

  void init() {
    dir_ = std::make_unique<testing::TemporaryWorkingFolder>();
    QVERIFY(dir_->isValid());
    watchers_ = std::make_unique<QObject>();
  }

  void cleanup() {
    watchers_.reset();
    dir_.reset();
  }

  void startWithSettings() {
    writeIni(1500.0f, 3000.0f, Mask(20, {13}), Mask(80, {1}), QStringLiteral("/opt/電卓/calc"));
    auto w = start();
    QCOMPARE(w->pos(), QPoint(200, 100));
    QCOMPARE(Items(get<QComboBox>(w.get(), "Sub_Unit_1")), QStringList({Blank, Prefix(13)}));
    QCOMPARE(Items(get<QComboBox>(w.get(), "Unit_1")), QStringList({Blank, Unit(1)}));
    QCOMPARE(w->state().calculatorPath, QStringLiteral("/opt/電卓/calc"));
    QCOMPARE(w->calculatorPathDialog()->pathText(), QStringLiteral("/opt/電卓/calc"));
  }

  // A mask of the wrong length is the default one, spare unit positions are
  // "0"; the rest of the file is used.
  void startWithUnusableMasks() {
    writeIni(1500.0f, 3000.0f, QStringLiteral("11111"), Mask(80, {1, 75, 76, 77, 78, 79, 80}),
             QStringLiteral("/opt/calc"));
    auto w = start();
    QCOMPARE(w->pos(), QPoint(200, 100));
    QCOMPARE(w->state().prefixMask, Q(DefaultPrefixMask));
    QCOMPARE(w->state().unitMask, Mask(80, {1}));
    QCOMPARE(Items(get<QComboBox>(w.get(), "Unit_1")), QStringList({Blank, Unit(1)}));
    QCOMPARE(get<QComboBox>(w.get(), "Unit_3")->currentText(), NoFilterText);
    QCOMPARE(w->state().calculatorPath, QStringLiteral("/opt/calc"));
  }

  // A position that is no number makes the whole file unreadable: window
  // centred, default masks, no path.
  void startWithBadFile() {
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("abc\r\n 3000 \r\n11111111111111111111\r\n1\r\n/opt/calc\r\n");
    file.close();
    auto w = start();
    QCOMPARE(w->pos(), centred());
    QCOMPARE(w->state().prefixMask, Q(DefaultPrefixMask));
    QCOMPARE(w->state().unitMask, Q(DefaultUnitMask));
    QCOMPARE(w->state().calculatorPath, QString());
    QCOMPARE(w->calculatorPathDialog()->pathText(), QString());
    QCOMPARE(get<QComboBox>(w.get(), "Sub_Unit_1")->count(), 7);
  }

  // Nothing a user had is destroyed: a file that could not be read at
  // start-up is kept as tamrisk.ini.bak by the first save, and only then.
  void unreadableSettingsKeptByFirstSave() {
    const QByteArray old = "\xEF\xBB\xBF 1500 \r\n 3000 \r\n11111111111111111111\r\n1\r\n/opt/calc\r\n";
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(old);
    file.close();
    NoteShowings showings;
    auto w = start();
    QCOMPARE(w->state().calculatorPath, QString());  // the BOM makes the file unreadable
    // The user is told at once, in a note that leaves the window usable. It
    // belongs to the main window, comes once the main window is shown and
    // active, and takes the keyboard, so that it is seen in front.
    QTRY_VERIFY(Note("SettingsUnreadable"));
    QMessageBox* note = Note("SettingsUnreadable");
    QCOMPARE(showings.shown, QStringList{QStringLiteral("SettingsUnreadable")});
    QCOMPARE(showings.shownTooSoon, QStringList());
    QCOMPARE(note->parentWidget(), w.get());
    QTRY_COMPARE(QApplication::activeWindow(), note);
    QCOMPARE(note->windowTitle(), T(captions::MessageTitle));
    QCOMPARE(note->text(), T(captions::SettingsUnreadableLine1) + u'\n' +
                               T(captions::SettingsBackupLine2) + u'\n' +
                               T(captions::SettingsFileLabel) + iniPath());
    QCOMPARE(note->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    get<QLineEdit>(w.get(), "Param_1")->setText(QStringLiteral("10"));
    w->RunCalculation();
    w->SaveSettings();
    QFile backup(iniPath() + QStringLiteral(".bak"));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), old);
    backup.close();
    QVERIFY2(ReadSettingsFile(iniPath()), "the new file is whole");
    w->SaveSettings();
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), old);  // a later save leaves the copy alone
  }

  // A FIFO in place of the file: the window still starts, with defaults;
  // saving leaves the FIFO as it is and tells the user, once, that the
  // settings were not saved.
  void fifoSettingsFile() {
    QCOMPARE(mkfifo(QFile::encodeName(iniPath()).constData(), 0600), 0);
    auto w = start();
    QCOMPARE(w->pos(), centred());
    QVERIFY(!Note("SettingsUnreadable"));  // nothing of the user's to keep
    QSignalSpy saved(w.get(), &MainWindow::settingsSaved);
    w->SaveSettings();
    QCOMPARE(saved.first().first().toBool(), false);
    struct stat st {};
    QCOMPARE(::lstat(QFile::encodeName(iniPath()).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
    QVERIFY(!QFile::exists(iniPath() + QStringLiteral(".bak")));
    QMessageBox* note = Note("SettingsNotSaved");
    QVERIFY(note);
    QCOMPARE(note->text(), T(captions::SettingsNotSavedLine1) + u'\n' +
                               T(captions::SettingsFileLabel) + iniPath());
    note->close();
    w->SaveSettings();
    QVERIFY2(!Note("SettingsNotSaved"), "told once");
  }

  // A file an editor saved in UTF-8 reads in part: its values are used, the
  // user is told, and the first save keeps it as tamrisk.ini.bak. The path
  // the program cannot read is written back as it stood, never with stand-ins.
  void utf8SettingsFileKeptAsBackup() {
    const QByteArray utf8Path = QStringLiteral("/opt/電卓/calc").toUtf8();
    const QByteArray old = " 1500 \r\n 3000 \r\n00000000000011100000\r\n1\r\n" + utf8Path +
                           "\r\n" + QStringLiteral("コメント").toUtf8() + "\r\n";
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(old);
    file.close();
    auto w = start();
    QCOMPARE(w->pos(), QPoint(200, 100));
    QCOMPARE(w->state().prefixMask, QStringLiteral("00000000000011100000"));
    QVERIFY(Note("SettingsUndecodable"));
    QCOMPARE(Note("SettingsUndecodable")->text(),
             T(captions::SettingsUndecodableLine1) + u'\n' + T(captions::SettingsBackupLine2) +
                 u'\n' + T(captions::SettingsFileLabel) + iniPath());
    w->SaveSettings();
    QCOMPARE(FileBytes(iniPath() + QStringLiteral(".bak")), old);
    const QByteArray written = FileBytes(iniPath());
    QVERIFY(written.contains("\r\n" + utf8Path + "\r\n"));
    QVERIFY(!written.contains('?'));
    QVERIFY(!Note("SettingsNotSaved"));
  }

  // A readable file, or none, is written over without a copy.
  void readableSettingsNeedNoCopy() {
    auto w = start();
    w->SaveSettings();
    w->SaveSettings();
    QVERIFY(!QFile::exists(iniPath() + QStringLiteral(".bak")));
  }

  // Minimised, the window writes the position read at start-up, or empty
  // lines when there was none; empty lines read back as 0, 0.
  void minimisedWindowKeepsStartPosition() {
    {
      auto w = start();
      w->showMinimized();
      QVERIFY(w->isMinimized());
      w->SaveSettings();
      const QStringList lines = FileLines(iniPath());
      QCOMPARE(lines.mid(0, 2), QStringList({QString(), QString()}));
    }
    {
      auto w = start();
      QCOMPARE(w->pos(), QPoint(0, 0));
    }
    writeIni(1500.0f, 3000.0f, Q(DefaultPrefixMask), Q(DefaultUnitMask), QString());
    {
      auto w = start();
      w->move(50, 60);
      w->showMinimized();
      w->SaveSettings();
      QCOMPARE(FileLines(iniPath()).mid(0, 2),
               QStringList({QStringLiteral(" 1500 "), QStringLiteral(" 3000 ")}));
      w->showNormal();
      w->SaveSettings();
      QCOMPARE(FileLines(iniPath()).mid(0, 2),
               QStringList({QStringLiteral(" 900 "), QStringLiteral(" 750 ")}));
    }
  }

  // With the data folder gone, saving fails quietly: the dialogs' OK still
  // works and the program still ends.
  void unwritableSettings() {
    auto w = start();
    QSignalSpy saved(w.get(), &MainWindow::settingsSaved);
    QVERIFY(QDir(dir_->path()).removeRecursively());
    CalculatorPathDialog* dialog = w->calculatorPathDialog();
    auto seen = onNextModal([](QWidget* modal) {
      modal->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("/bin/true"));
      QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    });
    dialog->openDialog();
    QVERIFY(*seen);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(w->state().calculatorPath, QStringLiteral("/bin/true"));
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.first().first().toBool(), false);
    // The user is told, once, without a window that must be answered first.
    QVERIFY(Note("SettingsNotSaved"));
    QVERIFY(!QApplication::activeModalWidget());
    w->EndProgram();
    QVERIFY(!w->isVisible());
    QCOMPARE(VisibleNotes(), 0);  // the note was closed with the program
  }

  // A save that fails first as the program ends is told then: the note is a
  // window of its own that stays after the main window has gone (the program
  // ends with its last window, once the note is closed).
  void notSavedAtTheEnd() {
    auto w = start();
    QVERIFY(QDir(dir_->path()).removeRecursively());
    w->EndProgram();
    QVERIFY(!w->isVisible());
    QPointer<QMessageBox> note = Note("SettingsNotSaved");
    QVERIFY(note);
    QVERIFY(!note->parent());
    QCOMPARE(VisibleNotes(), 1);
    note->close();
    QTRY_VERIFY(!note);
  }

  // A confirmed path that the settings file cannot hold: the user is told at
  // OK, the path is used until the program ends, and the file keeps the path
  // it had; nothing is ever written as "?".
  void pathTheFileCannotHold() {
    writeIni(1500.0f, 3000.0f, Q(DefaultPrefixMask), Q(DefaultUnitMask), QStringLiteral("/opt/電卓/calc"));
    const QString path = QStringLiteral("/opt/Rechner-für-alle/calc");
    {
      auto w = start();
      auto seen = onNextModal([&path](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(path);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
      });
      w->calculatorPathDialog()->openDialog();
      QVERIFY(*seen);
      QMessageBox* note = Note("PathNotHeld");
      QVERIFY(note);
      QCOMPARE(note->text(), T(captions::PathNotHeldLine1) + u'\n' + T(captions::PathNotHeldLine2));
      QCOMPARE(w->state().calculatorPath, path);
      QCOMPARE(w->calculatorCommand(), path);
      QCOMPARE(FileLines(iniPath()).value(4), QStringLiteral("/opt/電卓/calc"));
      QVERIFY(!FileBytes(iniPath()).contains('?'));
      QVERIFY(!Note("SettingsNotSaved"));
      w->EndProgram();
    }
    auto again = start();
    QCOMPARE(again->calculatorCommand(), QStringLiteral("/opt/電卓/calc"));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SettingsTest file;
  WindowSettingsTest window;
  const int failedOnItsOwn = QTest::qExec(&file, argc, argv);
  return failedOnItsOwn + QTest::qExec(&window, argc, argv);
}

#include "test_settings.moc"
