// The settings file on its own: bytes written, fields read back, damaged
// files, and writing where no file can be written.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

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
    QCOMPARE(SerializeSettings(record), expected);
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
    QCOMPARE(EncodeCp932(QStringLiteral("ｶｽﾀﾏｲｽﾞ､")), QByteArray("\xb6\xbd\xc0\xcf\xb2\xbd\xde\xa4"));
    QCOMPARE(DecodeCp932(QByteArray("\x93\x64\x91\xec")), QStringLiteral("電卓"));
    // A character code page 932 lacks becomes "?" and the rest survives.
    QCOMPARE(EncodeCp932(QStringLiteral("a\u20ACb")), QByteArray("a?b"));
    // A byte sequence that is no code page 932 reads as U+FFFD.
    QCOMPARE(DecodeCp932(QByteArray("a\x80z")), QStringLiteral("a\uFFFDz"));
  }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
