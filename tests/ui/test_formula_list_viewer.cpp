// The formula list viewer: search stepping on a small document and on the
// real formula list, and the window's selection, focus and reopening.
#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <vector>

#include "ui/formula_list_viewer.h"
#include "tests/ui/shown_text.h"
#include "tests/ui/stepwise_search.h"
#include "ui/captions.h"
#include "ui/formula_search.h"

using tamrisk::FormulaListViewer;
using tamrisk::FormulaSearch;

using tamrisk::testing::ShownText;
using tamrisk::testing::StepwiseSearch;

namespace {


// Positions: 1 CR, 2 LF, 3 抵, 4 抗, 5 ' ', 6 d, 7 B, 8 CR, 9 LF,
// 10 D, 11 B, 12 ' ', 13 抵, 14 抗, 15 CR, 16 LF, 17 X. n = 17.
const QString Fixture = QStringLiteral("\r\n抵抗 dB\r\nDB 抵抗\r\nX");

std::optional<int> Pos(const std::optional<FormulaSearch::Match>& m) {
  return m ? std::optional<int>(m->position) : std::nullopt;
}

// Runs the same click sequence on the fast search and on the stepwise walk
// and requires the same selection and state after every click.
void CompareWithWalk(const QString& doc, const QStringList& keywords, int clicks, quint32 seed) {
  FormulaSearch fast(doc);
  StepwiseSearch walk{doc};
  QRandomGenerator rng(seed);
  for (int i = 0; i < clicks; ++i) {
    const QString& keyword = keywords[rng.bounded(static_cast<int>(keywords.size()))];
    const bool down = rng.bounded(3) != 0;
    const auto got = down ? fast.searchDown(keyword) : fast.searchUp(keyword);
    const auto want = down ? walk.down(keyword) : walk.up(keyword);
    const QString where = QStringLiteral("click %1 %2 \"%3\"")
                              .arg(i)
                              .arg(down ? QStringLiteral("down") : QStringLiteral("up"), keyword);
    QVERIFY2(Pos(got) == want, qPrintable(where));
    if (got) QCOMPARE(got->length, keyword.size());
    QVERIFY2(fast.searchPos() == walk.searchPos, qPrintable(where));
    QVERIFY2(fast.lastMatchPos() == walk.lastMatchPos, qPrintable(where));
  }
}

// 1-based line number (the empty first line is line 1) of a 1-based position.
int LineOf(const QString& doc, int position) {
  return static_cast<int>(doc.left(position - 1).count(QStringLiteral("\r\n"))) + 1;
}

// The viewer over the small document, opened, with its controls.
struct OpenedViewer {
  FormulaListViewer form{nullptr, [] () -> const QString& { return Fixture; }};
  QPlainTextEdit* text1 = nullptr;
  QLineEdit* keyword = nullptr;
  QPushButton* down = nullptr;
  QPushButton* up = nullptr;

  OpenedViewer() {
    form.openViewer();
    text1 = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    keyword = form.findChild<QLineEdit*>(QStringLiteral("keyword"));
    down = form.findChild<QPushButton*>(QStringLiteral("searchdown"));
    up = form.findChild<QPushButton*>(QStringLiteral("searchup"));
  }
};

QString LineAt(const QString& doc, int position) {
  return doc.split(QStringLiteral("\r\n")).at(LineOf(doc, position) - 1);
}

}  // namespace

class FormulaListViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void searchSequences_data();
  void searchSequences();
  void emptyTextStepsOneCharacter();
  void neverComparesAtTheLastPosition();
  void matchesTheStepwiseWalk();
  void realDocumentFirstAndSecondMatch();
  void realDocumentHeaderAndBanner();
  void realDocumentMatchesTheStepwiseWalk();
  void searchIsFast();
  void windowSelectsAndKeepsSelection();
  void windowReopensAtTheTop();
  void windowLayoutFollowsHeight();
  void windowShowsTheRealDocument();
  void searchEntryIsWhite();
  void enterInTheEntrySearches();
  void aSearchThatFindsNothingSaysSo_data();
  void aSearchThatFindsNothingSaysSo();
  void markupInTheSearchTextIsShownAsTyped();
  void foundLineShowsTheLinesUnderIt();
};

// Each row: clicks as "d" (down) / "u" (up) with one keyword; the expected
// selected position after every click (0 = selection unchanged) and the
// expected searchPos after every click.
void FormulaListViewerTest::searchSequences_data() {
  QTest::addColumn<QString>("keyword");
  QTest::addColumn<QString>("clicks");
  QTest::addColumn<std::vector<int>>("selected");
  QTest::addColumn<std::vector<int>>("searchPos");

  QTest::newRow("first and second match, then past the last")
      << QStringLiteral("抵抗") << QStringLiteral("dddd")
      << std::vector<int>{3, 13, 0, 13} << std::vector<int>{4, 14, 13, 14};
  QTest::newRow("backward at the start compares only position 1")
      << QStringLiteral("抵抗") << QStringLiteral("uu")
      << std::vector<int>{0, 0} << std::vector<int>{1, 1};
  QTest::newRow("backward after forward finds the same match first")
      << QStringLiteral("抵抗") << QStringLiteral("dduuuu")
      << std::vector<int>{3, 13, 13, 3, 0, 3} << std::vector<int>{4, 14, 12, 2, 3, 2};
  QTest::newRow("not found")
      << QStringLiteral("抵抗値") << QStringLiteral("dud")
      << std::vector<int>{0, 0, 0} << std::vector<int>{1, 1, 1};
  QTest::newRow("upper case differs from lower case")
      << QStringLiteral("DB") << QStringLiteral("dd")
      << std::vector<int>{10, 0} << std::vector<int>{11, 10};
  QTest::newRow("lower case") << QStringLiteral("dB") << QStringLiteral("dd")
                              << std::vector<int>{6, 0} << std::vector<int>{7, 6};
  QTest::newRow("mixed case found nowhere")
      << QStringLiteral("db") << QStringLiteral("d") << std::vector<int>{0}
      << std::vector<int>{1};
  QTest::newRow("full-width letters differ from half-width")
      << QStringLiteral("ＤＢ") << QStringLiteral("d") << std::vector<int>{0}
      << std::vector<int>{1};
}

void FormulaListViewerTest::searchSequences() {
  QFETCH(QString, keyword);
  QFETCH(QString, clicks);
  QFETCH(std::vector<int>, selected);
  QFETCH(std::vector<int>, searchPos);

  FormulaSearch search(Fixture);
  for (int i = 0; i < clicks.size(); ++i) {
    const auto m = clicks[i] == QLatin1Char('d') ? search.searchDown(keyword)
                                                 : search.searchUp(keyword);
    QCOMPARE(m ? m->position : 0, selected[i]);
    QCOMPARE(search.searchPos(), searchPos[i]);
  }
}

void FormulaListViewerTest::emptyTextStepsOneCharacter() {
  FormulaSearch search(Fixture);
  for (int expected = 1; expected <= 16; ++expected) {
    const auto m = search.searchDown(QString());
    QVERIFY(m);
    QCOMPARE(m->position, expected);
    QCOMPARE(m->length, 0);
  }
  // At the last position nothing is compared; the caret stays at the end.
  QCOMPARE(search.searchPos(), 17);
  QVERIFY(!search.searchDown(QString()));
  QCOMPARE(search.searchPos(), 16);
  QCOMPARE(Pos(search.searchDown(QString())), std::optional<int>(16));

  // Backward it steps down to position 1 and stays there.
  for (int expected = 17; expected >= 1; --expected)
    QCOMPARE(Pos(search.searchUp(QString())), std::optional<int>(expected));
  QCOMPARE(search.searchPos(), 1);
  QCOMPARE(Pos(search.searchUp(QString())), std::optional<int>(1));
}

void FormulaListViewerTest::neverComparesAtTheLastPosition() {
  // "X" stands only at the last position, n.
  FormulaSearch search(Fixture);
  QVERIFY(!search.searchDown(QStringLiteral("X")));
  QCOMPARE(search.searchPos(), 1);

  // A backward search does compare there, once searchPos is at n.
  for (int i = 0; i < 16; ++i) search.searchDown(QString());
  QCOMPARE(search.searchPos(), 17);
  QCOMPARE(Pos(search.searchUp(QStringLiteral("X"))), std::optional<int>(17));

  // An empty document: nothing is found and searchPos is clamped to 0.
  FormulaSearch empty{QString()};
  QVERIFY(!empty.searchDown(QStringLiteral("a")));
  QCOMPARE(empty.searchPos(), 0);
  QVERIFY(!empty.searchUp(QStringLiteral("a")));
}

void FormulaListViewerTest::matchesTheStepwiseWalk() {
  const QStringList keywords = {QStringLiteral("抵抗"), QStringLiteral("B"), QString(),
                                QStringLiteral("\r\n"), QStringLiteral("X"),
                                QStringLiteral("\r\nX"), QStringLiteral("B\r\nD"),
                                QStringLiteral("抵抗 dB\r\nDB 抵抗\r\nXY")};
  for (quint32 seed = 1; seed <= 20; ++seed) {
    CompareWithWalk(Fixture, keywords, 60, seed);
    if (QTest::currentTestFailed()) return;
  }
}

void FormulaListViewerTest::realDocumentFirstAndSecondMatch() {
  const QString& doc = tamrisk::FormulaDocumentText();
  QVERIFY(doc.startsWith(QStringLiteral("\r\n")));
  StepwiseSearch walk{doc};
  FormulaSearch search(doc);
  const auto first = search.searchDown(QStringLiteral("抵抗"));
  const auto second = search.searchDown(QStringLiteral("抵抗"));
  QVERIFY(first && second);
  QCOMPARE(first->position, *walk.down(QStringLiteral("抵抗")));
  QCOMPARE(second->position, *walk.down(QStringLiteral("抵抗")));
  QVERIFY(second->position > first->position);
  QCOMPARE(doc.mid(second->position - 1, 2), QStringLiteral("抵抗"));
}

void FormulaListViewerTest::realDocumentHeaderAndBanner() {
  const QString& doc = tamrisk::FormulaDocumentText();

  // "単位なし" is first found in the header's count line.
  FormulaSearch search(doc);
  const auto count = search.searchDown(QStringLiteral("単位なし"));
  QVERIFY(count);
  QVERIFY2(LineAt(doc, count->position).contains(QStringLiteral("： 11")),
           qPrintable(LineAt(doc, count->position)));
  QVERIFY(LineOf(doc, count->position) < 34);

  // "単位なし編" is found only in the last banner; further clicks keep it.
  search.reset();
  const auto banner = search.searchDown(QStringLiteral("単位なし編"));
  QVERIFY(banner);
  QVERIFY(LineAt(doc, banner->position).startsWith(QStringLiteral("■■■")));
  for (int i = 0; i < 3; ++i) {
    const auto again = search.searchDown(QStringLiteral("単位なし編"));
    QVERIFY(!again || again->position == banner->position);
    QCOMPARE(search.lastMatchPos(), banner->position);
  }
}

void FormulaListViewerTest::realDocumentMatchesTheStepwiseWalk() {
  const QString& doc = tamrisk::FormulaDocumentText();
  const QStringList keywords = {QStringLiteral("抵抗"), QStringLiteral("dB"),
                                QStringLiteral("DB"),   QStringLiteral("単位なし編"),
                                QStringLiteral("●"),    QStringLiteral("Tamrisk"),
                                QStringLiteral("存在しない語")};
  CompareWithWalk(doc, keywords, 120, 7);
}

void FormulaListViewerTest::searchIsFast() {
  // The worst cases: a text found only near the end, and one found nowhere,
  // each scanned from the top. Over the real document, and over one at
  // least 150 000 characters long made of copies of it, so that the figure
  // holds for the whole catalogue.
  const QString& doc = tamrisk::FormulaDocumentText();
  QString big = doc;
  while (big.size() < 150'000) big += doc;
  big += QStringLiteral("\r\n終端の語\r\n ");
  const struct {
    const QString* text;
    QStringList keywords;
  } runs[] = {{&doc, {QStringLiteral("単位なし編"), QStringLiteral("存在しない語")}},
              {&big, {QStringLiteral("終端の語"), QStringLiteral("存在しない語")}}};
  for (const auto& run : runs) {
    for (const QString& keyword : run.keywords) {
      FormulaSearch search(*run.text);
      QElapsedTimer timer;
      timer.start();
      search.searchDown(keyword);
      const qint64 ns = timer.nsecsElapsed();
      qInfo("forward search for \"%s\" over %lld characters: %.3f ms", qPrintable(keyword),
            static_cast<long long>(run.text->size()), ns / 1e6);
      QVERIFY(ns < 50'000'000);
    }
  }
}

void FormulaListViewerTest::windowSelectsAndKeepsSelection() {
  OpenedViewer viewer;
  QVERIFY(QTest::qWaitForWindowExposed(&viewer.form));
  auto* text1 = viewer.text1;
  auto* keyword = viewer.keyword;
  auto* down = viewer.down;
  auto* up = viewer.up;
  auto* close = viewer.form.findChild<QPushButton*>(QStringLiteral("Command1"));
  QVERIFY(text1 && keyword && down && up && close);
  QVERIFY(text1->isReadOnly());
  QCOMPARE(QApplication::focusWidget(), close);

  // Each CR LF is one line break in the box: "DB" at document position 10
  // is at box position 7.
  keyword->setText(QStringLiteral("DB"));
  down->click();
  QCOMPARE(QApplication::focusWidget(), text1);
  QCOMPARE(text1->textCursor().selectedText(), QStringLiteral("DB"));
  QCOMPARE(text1->textCursor().selectionStart(), 7);

  // Past the last match, and a text found nowhere: the selection stays.
  down->click();
  QCOMPARE(text1->textCursor().selectionStart(), 7);
  keyword->setText(QStringLiteral("抵抗値"));
  keyword->setFocus();
  up->click();
  QCOMPARE(QApplication::focusWidget(), text1);
  QCOMPARE(text1->textCursor().selectedText(), QStringLiteral("DB"));

  // Changing the text does not reset the position: backward from 10 finds
  // the first "抵抗" (box position 1).
  keyword->setText(QStringLiteral("抵抗"));
  up->click();
  QCOMPARE(text1->textCursor().selectedText(), QStringLiteral("抵抗"));
  QCOMPARE(text1->textCursor().selectionStart(), 1);

  // An empty text puts the caret at a position with nothing selected.
  keyword->clear();
  down->click();
  QVERIFY(!text1->textCursor().hasSelection());
}

void FormulaListViewerTest::windowReopensAtTheTop() {
  int built = 0;
  const QString doc = Fixture;
  FormulaListViewer form(nullptr, [&]() -> const QString& { ++built; return doc; });
  form.openViewer();
  auto* keyword = form.findChild<QLineEdit*>(QStringLiteral("keyword"));
  auto* down = form.findChild<QPushButton*>(QStringLiteral("searchdown"));
  auto* text1 = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  keyword->setText(QStringLiteral("抵抗"));
  down->click();
  down->click();
  QCOMPARE(form.search().searchPos(), 14);

  form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  QVERIFY(!form.isVisible());
  form.openViewer();
  QVERIFY(form.isVisible());
  QCOMPARE(built, 1);  // the document is taken once
  QCOMPARE(text1->toPlainText(), QString(Fixture).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  QCOMPARE(keyword->text(), QStringLiteral("抵抗"));  // the search text stays
  QCOMPARE(form.search().searchPos(), 1);
  QCOMPARE(form.search().lastMatchPos(), 1);
  QVERIFY(!text1->textCursor().hasSelection());
  down->click();
  QCOMPARE(text1->textCursor().selectionStart(), 1);  // the first match again
}

void FormulaListViewerTest::windowLayoutFollowsHeight() {
  FormulaListViewer form(nullptr, [] () -> const QString& { return Fixture; });
  form.openViewer();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  auto* text1 = form.findChild<QWidget*>(QStringLiteral("Text1"));
  auto* close = form.findChild<QWidget*>(QStringLiteral("Command1"));
  QCOMPARE(form.width(), 596);
  QCOMPARE(text1->height(), 250);

  form.resize(form.width(), 405);  // 100 pixels higher
  QTRY_COMPARE(text1->height(), 350);
  QCOMPARE(close->y() + close->height(), 405 - 11);

  form.resize(700, 100);  // below the minimum height, wider than fixed
  QTRY_COMPARE(form.height(), 305);
  QCOMPARE(form.width(), 596);
  QCOMPARE(text1->height(), 250);
}

void FormulaListViewerTest::windowShowsTheRealDocument() {
  QWidget main;
  main.move(120, 90);
  auto* form = new FormulaListViewer(&main);
  QElapsedTimer timer;
  timer.start();
  form->openViewer();
  qInfo("first opening: %.1f ms", timer.nsecsElapsed() / 1e6);
  QCOMPARE(form->pos(), QPoint(120 + 500 / 15, 90 + 1000 / 15));
  QCOMPARE(form->windowTitle(), QStringLiteral("Tamrisk計算式一覧"));

  const QString& doc = tamrisk::FormulaDocumentText();
  auto* text1 = form->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  QCOMPARE(text1->toPlainText(), QString(doc).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  QCOMPARE(text1->textCursor().position(), 0);

  // The box's selection is the document's characters at the found position.
  auto* keyword = form->findChild<QLineEdit*>(QStringLiteral("keyword"));
  auto* down = form->findChild<QPushButton*>(QStringLiteral("searchdown"));
  keyword->setText(QStringLiteral("単位なし編"));
  down->click();
  const int found = form->search().lastMatchPos();
  QCOMPARE(text1->textCursor().selectedText(), QStringLiteral("単位なし編"));
  QCOMPARE(text1->textCursor().selectionStart(),
           found - 1 - static_cast<int>(doc.left(found - 1).count(QStringLiteral("\r\n"))));
}

// The search entry is white like every entry of the program, not the
// window's grey; the document box keeps its own light grey.
void FormulaListViewerTest::searchEntryIsWhite() {
  FormulaListViewer form(nullptr, [] () -> const QString& { return Fixture; });
  form.openViewer();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  auto* keyword = form.findChild<QLineEdit*>(QStringLiteral("keyword"));
  const QImage entry = keyword->grab().toImage();
  QCOMPARE(QColor(entry.pixel(entry.width() / 2, entry.height() / 2)), QColor(Qt::white));
  auto* text1 = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  const QImage box = text1->viewport()->grab().toImage();
  QCOMPARE(QColor(box.pixel(box.width() / 2, box.height() - 3)), QColor(224, 224, 224));
}

// Enter in the search entry steps forward and leaves the focus there, so
// that Enter again finds the next match.
void FormulaListViewerTest::enterInTheEntrySearches() {
  OpenedViewer viewer;
  QVERIFY(QTest::qWaitForWindowExposed(&viewer.form));
  auto* text1 = viewer.text1;
  auto* keyword = viewer.keyword;
  keyword->setFocus();
  keyword->setText(QStringLiteral("抵抗"));
  QTest::keyClick(keyword, Qt::Key_Return);
  QCOMPARE(text1->textCursor().selectionStart(), 1);
  QCOMPARE(QApplication::focusWidget(), keyword);
  QTest::keyClick(keyword, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(text1->textCursor().selectionStart(), 10);
  QCOMPARE(text1->textCursor().selectedText(), QStringLiteral("抵抗"));
  QCOMPARE(QApplication::focusWidget(), keyword);
}

// Each row: the search text, the clicks ("d" down, "u" up) and the note the
// last click shows, having found nothing; the selection stays as it was.
void FormulaListViewerTest::aSearchThatFindsNothingSaysSo_data() {
  QTest::addColumn<QString>("keyword");
  QTest::addColumn<QString>("clicks");
  QTest::addColumn<QString>("note");
  QTest::newRow("found nowhere") << QStringLiteral("DBX") << QStringLiteral("d")
                                 << QStringLiteral("｢DBX｣は見つかりません");
  QTest::newRow("none after the last") << QStringLiteral("DB") << QStringLiteral("dd")
                                       << QStringLiteral("｢DB｣はこれより下にはありません");
  QTest::newRow("none before the first") << QStringLiteral("抵抗") << QStringLiteral("ud uu")
                                         << QStringLiteral("｢抵抗｣はこれより上にはありません");
}

void FormulaListViewerTest::aSearchThatFindsNothingSaysSo() {
  QFETCH(QString, keyword);
  QFETCH(QString, clicks);
  QFETCH(QString, note);
  OpenedViewer viewer;
  QVERIFY(QTest::qWaitForWindowExposed(&viewer.form));
  viewer.keyword->setText(keyword);
  int selected = -1;
  for (const QChar click : clicks) {
    if (click == u' ') {  // a found match takes the note away
      QTRY_VERIFY(!QToolTip::isVisible());
      continue;
    }
    selected = viewer.text1->textCursor().selectionStart();
    (click == u'd' ? viewer.down : viewer.up)->click();
  }
  QVERIFY(QToolTip::isVisible());
  QCOMPARE(ShownText(QToolTip::text()), note);
  QCOMPARE(viewer.text1->textCursor().selectionStart(), selected);
  QToolTip::hideText();
}

// The note repeats the search text as typed, markup and all: a tag in it is
// no markup, so its text is shown whole and no picture it names is read
// (read from a FIFO or a device, a picture blocked the window or filled the
// memory).
void FormulaListViewerTest::markupInTheSearchTextIsShownAsTyped() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString picture = dir.filePath(QStringLiteral("picture.png"));
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  QVERIFY(image.save(picture));
  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  QVERIFY(watch >= 0);
  QVERIFY(inotify_add_watch(watch, QFile::encodeName(picture).constData(), IN_OPEN | IN_ACCESS) >= 0);

  OpenedViewer viewer;
  QVERIFY(QTest::qWaitForWindowExposed(&viewer.form));
  const QStringList typed = {QStringLiteral("<img src=\"%1\">").arg(picture),
                             QStringLiteral("<img src=\"file://%1\" width=\"200\">").arg(picture),
                             QStringLiteral("<b>x</b>"), QStringLiteral("&lt;b&gt;"),
                             QStringLiteral("a  b & c&amp;")};
  for (const QString& keyword : typed) {
    viewer.keyword->setText(keyword);
    viewer.down->click();
    QVERIFY2(QToolTip::isVisible(), qPrintable(keyword));
    // Drawn as the user sees it.
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->inherits("QTipLabel") && w->isVisible()) w->grab();
    char events[4096];
    QVERIFY2(read(watch, events, sizeof events) == -1 && errno == EAGAIN, "the picture was read");
    QCOMPARE(ShownText(QToolTip::text()), QStringLiteral("｢%1｣は見つかりません").arg(keyword));
    QToolTip::hideText();
  }
  close(watch);
}

// A match far down the real document: its line is shown near the top of
// the box with the lines under it, not on the last line of the box.
void FormulaListViewerTest::foundLineShowsTheLinesUnderIt() {
  FormulaListViewer form(nullptr);
  form.openViewer();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  auto* text1 = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  auto* keyword = form.findChild<QLineEdit*>(QStringLiteral("keyword"));
  auto* down = form.findChild<QPushButton*>(QStringLiteral("searchdown"));
  const int room = text1->viewport()->height();
  const int line = text1->fontMetrics().lineSpacing();
  for (const QString& text : {QStringLiteral("抵抗"), QStringLiteral("抵抗"), QStringLiteral("Hz")}) {
    keyword->setText(text);
    for (int i = 0; i < 3; ++i) {
      down->click();
      QTextCursor start = text1->textCursor();
      QVERIFY(start.hasSelection());
      start.setPosition(start.selectionStart());
      const int top = text1->cursorRect(start).top();
      QVERIFY2(top >= 0 && top + 4 * line <= room, qPrintable(QStringLiteral("%1 at %2 of %3").arg(text).arg(top).arg(room)));
    }
  }
  keyword->setText(QStringLiteral("単位なし編"));
  down->click();
  QTextCursor start = text1->textCursor();
  start.setPosition(start.selectionStart());
  const int top = text1->cursorRect(start).top();
  QVERIFY2(top >= 0 && top < room / 2, qPrintable(QString::number(top)));
}

QTEST_MAIN(FormulaListViewerTest)
#include "test_formula_list_viewer.moc"
