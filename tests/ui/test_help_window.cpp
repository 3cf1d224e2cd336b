// The help window: reading "readme.txt" in code page 932, cutting it into
// topics, the error text, and the help text shipped with the program.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "ui/captions.h"
#include "ui/help_text.h"
#include "ui/help_window.h"
#include "ui/settings.h"

using tamrisk::HelpWindow;
using tamrisk::HelpTopics;

namespace {

const QString ErrorText = QString::fromUtf16(tamrisk::captions::HelpNotFoundText);
const QString TooManyLinesText = QString::fromUtf16(tamrisk::captions::HelpTooManyLinesText);
const QString TooLargeText = QString::fromUtf16(tamrisk::captions::HelpTooLargeText);

QString Marker(int topic) { return QString::fromUtf8(HelpTopics[topic].marker); }

// Writes lines in code page 932, each ending with CR LF.
void WriteHelp(const QString& dir, const QStringList& lines) {
  QFile f(dir + QStringLiteral("/readme.txt"));
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  for (const QString& line : lines) f.write(tamrisk::EncodeCp932(line).value() + "\r\n");
}

// "前書き", then every marker line followed by one body line.
QStringList TenTopics(const QString& bodyPrefix) {
  QStringList lines = {QStringLiteral("前書き")};
  for (int t = 0; t < tamrisk::HelpTopicCount; ++t) {
    lines << Marker(t) + QStringLiteral("の見出し") << bodyPrefix + QString::number(t + 1);
  }
  return lines;
}

QString Shown(HelpWindow& form) {
  return form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
}

QString AsShown(QString text) {
  // The box shows each CR LF as one line break.
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void readsTopicsFromCodePage932();
  void lineLimit_data();
  void lineLimit();
  void cuttingRules_data();
  void cuttingRules();
  void failedReadingKeepsOldTopics();
  void notARegularFile();
  void longLineAndLineEndsAcrossBlocks();
  void sizeLimit_data();
  void sizeLimit();
  void longLineShownAtOnce();
  void shownTextKeepsEveryCharacter();
  void closeBoxHides();
  void layoutFollowsHeight();
  void shippedHelpTextHasAllTopics();
};

void HelpWindowTest::readsTopicsFromCodePage932() {
  QTemporaryDir dir;
  WriteHelp(dir.path(), TenTopics(QStringLiteral("本文　")));
  HelpWindow form(dir.path() + QLatin1Char('/'), nullptr);
  form.openHelp();
  QVERIFY(form.isVisible());
  QCOMPARE(form.windowModality(), Qt::NonModal);

  const auto& sections = form.helpSections();
  for (int t = 0; t < tamrisk::HelpTopicCount; ++t) {
    // A blank before every line, CR LF after it; the marker line comes first;
    // the lines before the first marker belong to no topic.
    QCOMPARE(sections[t], QStringLiteral(" ") + Marker(t) + QStringLiteral("の見出し\r\n") +
                              QStringLiteral(" 本文　%1\r\n").arg(t + 1));
  }
  QCOMPARE(Shown(form), AsShown(sections[0]));

  // The buttons show their topics; captions as the buttons are named.
  const QStringList captions = {
      QStringLiteral("概要"),     QStringLiteral("使用方法"), QStringLiteral("ｶｽﾀﾏｲｽﾞ"),
      QStringLiteral("ｲﾝｽﾄｰﾙ"),   QStringLiteral("ｱﾝｲﾝｽﾄｰﾙ"), QStringLiteral("免責事項"),
      QStringLiteral("著作権"),   QStringLiteral("作者連絡先"), QStringLiteral("その他"),
      QStringLiteral("履歴")};
  const QStringList names = {"Command2", "Command3",  "Command4",  "Command5",  "Command6",
                             "Command9", "Command10", "Command11", "Command12", "Command13"};
  for (int t = 0; t < tamrisk::HelpTopicCount; ++t) {
    auto* button = form.findChild<QPushButton*>(names[t]);
    QVERIFY2(button, qPrintable(names[t]));
    QCOMPARE(button->text(), captions[t]);
    button->click();
    QCOMPARE(Shown(form), AsShown(sections[t]));
  }
}

void HelpWindowTest::lineLimit_data() {
  QTest::addColumn<int>("lineCount");
  QTest::addColumn<bool>("read");
  QTest::newRow("exactly 1000 lines") << 1000 << true;
  QTest::newRow("1001 lines") << 1001 << false;
}

// A file of too many lines is not "not found": the text says what happened.

void HelpWindowTest::lineLimit() {
  QFETCH(int, lineCount);
  QFETCH(bool, read);
  QTemporaryDir dir;
  QStringList lines = TenTopics(QStringLiteral("行"));
  while (lines.size() < lineCount) lines << QStringLiteral("続き");
  WriteHelp(dir.path(), lines);

  HelpWindow form(dir.path() + QLatin1Char('/'), nullptr);
  form.openHelp();
  QVERIFY(form.isVisible());
  if (read) {
    QCOMPARE(form.windowModality(), Qt::NonModal);
    // The last topic runs to the last line of the file.
    QVERIFY(form.helpSections()[9].endsWith(QStringLiteral(" 続き\r\n")));
    QCOMPARE(form.helpSections()[9].count(QStringLiteral("\r\n")), lineCount - 21 + 2);  // 21 lines hold the ten topics
  } else {
    QCOMPARE(Shown(form), TooManyLinesText);
    QCOMPARE(form.lastFailure(), tamrisk::HelpFailure::TooManyLines);
    QCOMPARE(form.windowModality(), Qt::ApplicationModal);
    for (const QString& s : form.helpSections()) QVERIFY(s.isEmpty());
  }
}

// Cutting lines into topics; each row lists the file's lines and the
// expected topics as "topic number: first line of the topic / line count".
void HelpWindowTest::cuttingRules_data() {
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<QStringList>("expected");  // ten entries; "" for an empty topic

  QStringList inOrder = {QStringLiteral("x")};
  for (int t = 0; t < 10; ++t) inOrder << Marker(t);
  QStringList expected;
  for (int t = 0; t < 10; ++t) expected << Marker(t) + QStringLiteral("/1");
  QTest::newRow("markers alone") << inOrder << expected;

  QStringList missing = inOrder;
  missing.removeAt(3);  // no topic 3 marker
  QStringList expectedMissing = expected;
  expectedMissing[2] = QString();
  QTest::newRow("a missing marker gives an empty topic") << missing << expectedMissing;

  QStringList repeated = inOrder;
  repeated.insert(5, Marker(0) + QStringLiteral("再"));  // after topic 4's marker
  QStringList expectedRepeated = expected;
  expectedRepeated[0] = Marker(0) + QStringLiteral("再/1");
  expectedRepeated[3] = Marker(3) + QStringLiteral("/1");
  QTest::newRow("a later marker replaces an earlier one") << repeated << expectedRepeated;

  QStringList swapped = inOrder;
  swapped.swapItemsAt(1, 2);  // topic 2 before topic 1, then a body line
  swapped.insert(3, QStringLiteral("本文"));
  QStringList expectedSwapped = expected;
  expectedSwapped[0] = Marker(0) + QStringLiteral("/2");
  QTest::newRow("a topic ends at the next marker in the file") << swapped << expectedSwapped;

  QTest::newRow("no markers") << QStringList{QStringLiteral("■ ほか"), QStringLiteral("■概要")}
                              << QStringList(10, QString());
  QTest::newRow("marker must start the line")
      << QStringList{QStringLiteral(" ") + Marker(0)} << QStringList(10, QString());
}

void HelpWindowTest::cuttingRules() {
  QFETCH(QStringList, lines);
  QFETCH(QStringList, expected);
  const auto sections = tamrisk::CutHelpSections(lines);
  for (int t = 0; t < 10; ++t) {
    const QStringList got = sections[t].split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QString summary =
        got.isEmpty() ? QString() : got.first().mid(1) + QStringLiteral("/%1").arg(got.size());
    QCOMPARE(summary, expected[t]);
  }
}

void HelpWindowTest::failedReadingKeepsOldTopics() {
  QTemporaryDir dir;
  WriteHelp(dir.path(), TenTopics(QStringLiteral("旧")));
  HelpWindow form(dir.path(), nullptr);  // also without a trailing separator
  form.openHelp();
  const auto old = form.helpSections();
  QVERIFY(!old[1].isEmpty());

  // Deleted while the window is open: error text, shown modal, and the topic
  // buttons still show the old topics.
  QVERIFY(QFile::remove(dir.path() + QStringLiteral("/readme.txt")));
  form.openHelp();
  QVERIFY(form.isVisible());
  QCOMPARE(form.windowModality(), Qt::ApplicationModal);
  QCOMPARE(Shown(form), ErrorText);
  QCOMPARE(form.helpSections(), old);
  form.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
  QCOMPARE(Shown(form), AsShown(old[1]));

  // The file is read afresh at every opening; the window is no longer modal.
  WriteHelp(dir.path(), TenTopics(QStringLiteral("新")));
  form.openHelp();
  QVERIFY(form.isVisible());
  QCOMPARE(form.windowModality(), Qt::NonModal);
  QVERIFY(form.helpSections()[1].contains(QStringLiteral("新2")));
  QCOMPARE(Shown(form), AsShown(form.helpSections()[0]));
}

// A FIFO or a device in place of the help text is a missing help text:
// nothing waits for a writer or reads without end.
void HelpWindowTest::notARegularFile() {
  QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("fifo"));
  QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QVERIFY(!tamrisk::ReadHelpSections(fifo));
  QVERIFY(!tamrisk::ReadHelpSections(QStringLiteral("/dev/zero")));
  QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("readme.txt"))));
  HelpWindow form(dir.path() + QLatin1Char('/'), nullptr);
  form.openHelp();
  QCOMPARE(Shown(form), ErrorText);
}

// The file is read in blocks: a line end whose CR and LF fall into two
// blocks is still one line end, and a very long line is read whole.
void HelpWindowTest::longLineAndLineEndsAcrossBlocks() {
  QTemporaryDir dir;
  const QByteArray marker = tamrisk::EncodeCp932(Marker(0)).value();
  QByteArray bytes = marker + "\r\n";
  bytes += QByteArray(64 * 1024 - 1 - bytes.size(), 'a');  // the CR is the block's last byte
  bytes += "\r\nb\r\n";
  bytes += QByteArray(900 * 1024, 'c');
  bytes += "\n";
  QFile f(dir.filePath(QStringLiteral("readme.txt")));
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  f.close();
  const auto sections = tamrisk::ReadHelpSections(f.fileName());
  QVERIFY(sections);
  const QStringList lines = (*sections)[0].split(QStringLiteral("\r\n"));
  QCOMPARE(lines.size(), 5);  // marker, the a's, b, the c's, and nothing after the last CR LF
  QCOMPARE(lines[1].size(), 64 * 1024 - 1 - (marker.size() + 2) + 1);
  QCOMPARE(lines[2], QStringLiteral(" b"));
  QCOMPARE(lines[3].size(), 900 * 1024 + 1);
}

// At most 1 MiB is read: a larger file (a sparse file of 64 MiB without a
// single line end, say) is not read on and is reported as too large.
void HelpWindowTest::sizeLimit_data() {
  QTest::addColumn<qint64>("size");
  QTest::addColumn<bool>("read");
  QTest::newRow("exactly 1 MiB") << qint64{tamrisk::MaxHelpBytes} << true;
  QTest::newRow("one byte more") << qint64{tamrisk::MaxHelpBytes + 1} << false;
  QTest::newRow("sparse 64 MiB") << qint64{64} * 1024 * 1024 << false;
}

void HelpWindowTest::sizeLimit() {
  QFETCH(qint64, size);
  QFETCH(bool, read);
  QTemporaryDir dir;
  QFile f(dir.filePath(QStringLiteral("readme.txt")));
  QVERIFY(f.open(QIODevice::WriteOnly));
  QByteArray head;
  for (int t = 0; t < tamrisk::HelpTopicCount; ++t)
    head += tamrisk::EncodeCp932(Marker(t)).value() + "\r\n";
  f.write(head);
  if (size <= 2 * tamrisk::MaxHelpBytes) {
    f.write(QByteArray(size - head.size() - 2, 'x') + "\r\n");
  } else {
    QVERIFY(f.resize(size));  // a hole: zero bytes that take no room on the disk
  }
  f.close();

  HelpWindow form(dir.path() + QLatin1Char('/'), nullptr);
  form.openHelp();
  if (read) {
    QCOMPARE(form.windowModality(), Qt::NonModal);
    QCOMPARE(form.helpSections()[9].size(), 1 + Marker(9).size() + 2 + 1 + size - head.size());
  } else {
    QCOMPARE(form.lastFailure(), tamrisk::HelpFailure::TooLarge);
    QCOMPARE(Shown(form), TooLargeText);
    QCOMPARE(form.windowModality(), Qt::ApplicationModal);
  }
}

// A line of the file as long as the size limit allows is shown at once: the
// box is given lines it can lay out quickly (laying out one line costs time
// that grows with the square of its length).
void HelpWindowTest::longLineShownAtOnce() {
  QTemporaryDir dir;
  const QByteArray marker = tamrisk::EncodeCp932(Marker(0)).value();
  QFile f(dir.filePath(QStringLiteral("readme.txt")));
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(marker + "\r\n" + QByteArray(tamrisk::MaxHelpBytes - marker.size() - 4, 'x') + "\r\n");
  f.close();
  HelpWindow form(dir.path() + QLatin1Char('/'), nullptr);
  form.openHelp();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  auto* text1 = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  for (QTextBlock block = text1->document()->begin(); block.isValid(); block = block.next())
    QVERIFY2(block.length() <= tamrisk::MaxShownLineLength + 1, qPrintable(QString::number(block.length())));
  text1->verticalScrollBar()->setValue(text1->verticalScrollBar()->maximum());
  QVERIFY(!form.grab().isNull());
  QCOMPARE(Shown(form).remove(u'\n'), AsShown(form.helpSections()[0]).remove(u'\n'));
}

// The shown text breaks only lines that are too long, and keeps every
// character: a 5 MB line, a line exactly at the limit, a surrogate pair
// where a cut would fall.
void HelpWindowTest::shownTextKeepsEveryCharacter() {
  const qsizetype limit = tamrisk::MaxShownLineLength;
  const QString atLimit(limit, u'a');
  QCOMPARE(tamrisk::ShownHelpText(atLimit + QStringLiteral("\r\n b\r\n")),
           atLimit + QStringLiteral("\r\n b\r\n"));

  const QString huge = u' ' + QString(5 * 1000 * 1000, u'y');
  const QString shown = tamrisk::ShownHelpText(huge + QStringLiteral("\r\n"));
  const QStringList lines = shown.split(QStringLiteral("\r\n"));
  QCOMPARE(lines.size(), (huge.size() + limit - 1) / limit + 1);
  for (const QString& line : lines) QVERIFY(line.size() <= limit);
  QCOMPARE(lines.join(QString()), huge);

  const QString pair = QStringLiteral("\U0001F4D6");  // two UTF-16 units
  const QString split = QString(limit - 1, u'z') + pair + QStringLiteral("zz");
  const QStringList pieces = tamrisk::ShownHelpText(split).split(QStringLiteral("\r\n"));
  QCOMPARE(pieces.size(), 2);
  QCOMPARE(pieces[1], pair + QStringLiteral("zz"));
}

void HelpWindowTest::closeBoxHides() {
  QTemporaryDir dir;
  WriteHelp(dir.path(), TenTopics(QStringLiteral("本文")));
  QWidget main;
  auto* form = new HelpWindow(dir.path() + QLatin1Char('/'), &main);
  QPointer<HelpWindow> guard(form);
  form->openHelp();
  QVERIFY(form->close());
  QVERIFY(guard);
  QVERIFY(!form->isVisible());
  form->openHelp();
  form->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  QVERIFY(!form->isVisible());
  QVERIFY(guard);
}

void HelpWindowTest::layoutFollowsHeight() {
  QTemporaryDir dir;
  HelpWindow form(dir.path(), nullptr);
  form.openHelp();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  auto* text1 = form.findChild<QWidget*>(QStringLiteral("Text1"));
  auto* close = form.findChild<QWidget*>(QStringLiteral("Command1"));
  auto* topic = form.findChild<QWidget*>(QStringLiteral("Command13"));
  QCOMPARE(form.width(), 596);
  QCOMPARE(form.height(), 304);
  QCOMPARE(text1->height(), 250);
  QCOMPARE(close->y(), 273);
  const int topicTop = topic->y();

  form.resize(form.width(), 404);
  QTRY_COMPARE(text1->height(), 350);
  QCOMPARE(close->y(), 373);
  QCOMPARE(topic->y(), topicTop);  // the topic buttons stay

  form.resize(800, 50);
  QTRY_COMPARE(form.height(), 304);
  QCOMPARE(form.width(), 596);
}

void HelpWindowTest::shippedHelpTextHasAllTopics() {
  // The build writes readme.txt into the top of the build folder.
  const QString path =
      QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).filePath(
          QStringLiteral("readme.txt"));
  QVERIFY2(QFile::exists(path), qPrintable(path + " (target tamrisk_readme)"));
  QFile raw(path);
  QVERIFY(raw.open(QIODevice::ReadOnly));
  const QByteArray bytes = raw.readAll();
  QVERIFY(bytes.contains("\r\n"));
  QVERIFY(!bytes.contains("\n\n"));          // every line end is CR LF
  QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));  // no UTF-8 mark
  // The page's paragraphs, and the marker lines around either platform's,
  // are not in the window program's text.
  QVERIFY(!bytes.contains("\n#if ") && !bytes.contains("\n#endif"));

  const auto sections = tamrisk::ReadHelpSections(path);
  QVERIFY(sections);
  for (int t = 0; t < tamrisk::HelpTopicCount; ++t) {
    QVERIFY2((*sections)[t].startsWith(QLatin1Char(' ') + Marker(t)), qPrintable(Marker(t)));
    QVERIFY2((*sections)[t].count(QStringLiteral("\r\n")) > 1, qPrintable(Marker(t)));
    QVERIFY(!(*sections)[t].contains(QChar::ReplacementCharacter));
  }
}

QTEST_MAIN(HelpWindowTest)
#include "test_help_window.moc"
