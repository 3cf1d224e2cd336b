#include "ui/formula_list_viewer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolTip>

#include <algorithm>

#include "formulas/catalogue_run.h"
#include "ui/app_state.h"
#include "ui/caption_fit.h"
#include "ui/captions.h"
#include "ui/pictures.h"

namespace tamrisk {

namespace {

// Client area when first created, in twips.
constexpr int ClientWidth = 8940;
constexpr int ClientHeight = 4575;

// How long the note of a search that finds nothing stays.
constexpr int NoteMilliseconds = 4000;

}  // namespace

const QString& FormulaDocumentText() {
  static const QString text = QString::fromStdString(FormulaListDocument());
  return text;
}

FormulaListViewer::FormulaListViewer(QWidget* mainWindow) : FormulaListViewer(mainWindow, &FormulaDocumentText) {}

FormulaListViewer::FormulaListViewer(QWidget* mainWindow, std::function<const QString&()> document)
    : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow), document_(std::move(document)) {
  setObjectName(QStringLiteral("FormulaListViewer"));
  setWindowTitle(FromUtf16(captions::FormulaListTitle));
  setFont(GothicFont(9));
  // The grey face only: the search entry stays white like every entry, and
  // the document box has its own colour.
  PaintWindow(this, WindowGrey);

  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setReadOnly(true);
  // Keyboard selection too, so the found text can be copied.
  text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text1_->setFont(GothicFont(9));
  text1_->setGeometry(Tw(105), Tw(210), Tw(8745), Tw(3750));
  PaintWindowAndText(text1_->viewport(), QColor(224, 224, 224));
  PaintWindowAndText(text1_, QColor(224, 224, 224));

  picture1_ = new QLabel(this);
  picture1_->setObjectName(QStringLiteral("Picture1"));
  picture1_->setGeometry(Tw(120), Tw(4200), Tw(1215), Tw(375));
  ShowLogo(picture1_);

  label1_ = new QLabel(FromUtf16(captions::FormulaListLabel1Caption), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setTextFormat(Qt::PlainText);
  label1_->setGeometry(Tw(1440), Tw(4200), Tw(1095), Tw(255));

  keyword_ = new QLineEdit(this);
  keyword_->setObjectName(QStringLiteral("keyword"));
  keyword_->setGeometry(Tw(2520), Tw(4080), Tw(1455), Tw(345));
  // Enter searches forward and leaves the focus in the entry, so that the
  // next Enter finds the next match.
  connect(keyword_, &QLineEdit::returnPressed, this, [this] { search(true, false); });

  searchdown_ = new QPushButton(FromUtf16(captions::SearchDownCaption), this);
  searchdown_->setObjectName(QStringLiteral("searchdown"));
  searchdown_->setGeometry(Tw(4080), Tw(4080), Tw(1095), Tw(345));
  connect(searchdown_, &QPushButton::clicked, this, [this] { search(true, true); });

  searchup_ = new QPushButton(FromUtf16(captions::SearchUpCaption), this);
  searchup_->setObjectName(QStringLiteral("searchup"));
  searchup_->setGeometry(Tw(5280), Tw(4080), Tw(1095), Tw(345));
  connect(searchup_, &QPushButton::clicked, this, [this] { search(false, true); });

  command1_ = new QPushButton(FromUtf16(captions::FormulaListCommand1Caption), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(Tw(7440), Tw(4080), Tw(1335), Tw(345));
  connect(command1_, &QPushButton::clicked, this, &QWidget::hide);

  QWidget::setTabOrder(command1_, text1_);
  QWidget::setTabOrder(text1_, keyword_);
  QWidget::setTabOrder(keyword_, searchdown_);
  QWidget::setTabOrder(searchdown_, searchup_);
  picture1_->setFocusPolicy(Qt::NoFocus);

  // Sizable in height only.
  setFixedWidth(Tw(ClientWidth));
  setMinimumHeight(Tw(ClientHeight));
  resize(Tw(ClientWidth), Tw(ClientHeight));
  FitCaptions(this);
}

void FormulaListViewer::openViewer() {
  if (mainWindow_) move(mainWindow_->x() + Tw(500), mainWindow_->y() + Tw(1000));
  KeepOnScreen(this);
  {
    BusyPointer busy;
    search_.reset();
    if (!loaded_) {
      const QString& text = document_();  // built here on the first opening
      search_.setDocument(text);
      crlfAt_.clear();
      for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n'))
          crlfAt_.push_back(static_cast<int>(i));
      text1_->setPlainText(text);
      loaded_ = true;
    }
    // The box is read-only, so its text is still the document: show it from
    // its first line with nothing selected.
    QTextCursor top(text1_->document());
    text1_->setTextCursor(top);
    text1_->verticalScrollBar()->setValue(0);
  }
  show();
  raise();
  activateWindow();
  command1_->setFocus();
}

void FormulaListViewer::openViewerAt(int documentLine, int lineCount) {
  openViewer();
  const QTextBlock first = text1_->document()->findBlockByNumber(documentLine);
  if (!first.isValid()) return;
  QTextBlock last = text1_->document()->findBlockByNumber(documentLine + lineCount - 1);
  if (!last.isValid()) last = first;
  QTextCursor cursor(first);
  cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
  text1_->setTextCursor(cursor);
  text1_->setFocus();
  showFoundLine();
}

int FormulaListViewer::boxPosition(int documentIndex) const {
  // Every CR LF before the position counts once less; the LF of a CR LF
  // lands on the same box position as its CR.
  const auto before = std::lower_bound(crlfAt_.begin(), crlfAt_.end(), documentIndex);
  return documentIndex - static_cast<int>(before - crlfAt_.begin());
}

void FormulaListViewer::select(const FormulaSearch::Match& match) {
  const int start = match.position - 1;
  QTextCursor cursor(text1_->document());
  cursor.setPosition(boxPosition(start));
  cursor.setPosition(boxPosition(start + match.length), QTextCursor::KeepAnchor);
  text1_->setTextCursor(cursor);
  showFoundLine();
}

void FormulaListViewer::showFoundLine() {
  // A found line is a heading or a formula's name more often than not: the
  // lines under it are what the user looks for. A line in the upper half of
  // the box shows enough of them; any other becomes the second line of the
  // box, under one line of what comes before.
  QTextCursor start = text1_->textCursor();
  start.setPosition(start.selectionStart());
  const int top = text1_->cursorRect(start).top();
  if (top >= 0 && top < text1_->viewport()->height() / 2) return;
  QScrollBar* bar = text1_->verticalScrollBar();
  bar->setValue(bar->maximum());
  text1_->ensureCursorVisible();  // scrolls back until the found line is the top line
  bar->setValue(std::max(bar->minimum(), bar->value() - 1));
}

void FormulaListViewer::search(bool down, bool focusDocument) {
  BusyPointer busy;
  const QString keyword = keyword_->text();
  const auto match = down ? search_.searchDown(keyword) : search_.searchUp(keyword);
  if (focusDocument) text1_->setFocus();
  if (match) {
    QToolTip::hideText();
    select(*match);
    return;
  }
  // The selection stays as it was; the user hears and reads why.
  QApplication::beep();
  QToolTip::showText(keyword_->mapToGlobal(QPoint(0, keyword_->height())),
                     LiteralToolTip(search_.missNote(keyword, down)), keyword_, QRect(),
                     NoteMilliseconds);
}

void FormulaListViewer::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Maximised too: the document box grows with the window.
  if (windowState() & Qt::WindowMinimized) return;
  // The layout follows the client height; the fixed width and the minimum
  // height are kept by the window's size limits.
  const int h = PixelsToTwips(height());
  picture1_->move(picture1_->x(), Tw(h - 390));
  label1_->move(label1_->x(), Tw(h - 390));
  keyword_->move(keyword_->x(), Tw(h - 510));
  searchdown_->move(searchdown_->x(), Tw(h - 510));
  searchup_->move(searchup_->x(), Tw(h - 510));
  command1_->move(command1_->x(), Tw(h - 510));
  text1_->resize(text1_->width(), Tw(h - 825));
}

}  // namespace tamrisk
