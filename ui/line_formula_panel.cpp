#include "ui/line_formula_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

namespace tamrisk {

LineFormulaPanel::LineFormulaPanel(QPlainTextEdit* output, QWidget* parent)
    : QFrame(parent), output_(output) {
  setObjectName(QStringLiteral("Formula_Panel"));
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE8));
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("Formula_Text"));
  text_->setTextFormat(Qt::PlainText);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text_->setFont(output->font());
  open_ = new QPushButton(QStringLiteral("計算式一覧で見る"), this);
  open_->setObjectName(QStringLiteral("Formula_Open"));
  open_->setToolTip(QStringLiteral("Enter"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->addWidget(text_, 1);
  layout->addWidget(open_, 0, Qt::AlignTop);
  connect(open_, &QPushButton::clicked, this, &LineFormulaPanel::open);
  connect(output_, &QPlainTextEdit::cursorPositionChanged, this, &LineFormulaPanel::follow);
  output_->installEventFilter(this);
  output_->viewport()->installEventFilter(this);
  hide();
}

void LineFormulaPanel::setLines(std::vector<LineFormula> lines) {
  lines_ = std::move(lines);
  current_ = -1;
  hide();
}

QString LineFormulaPanel::shownText() const { return isVisible() ? text_->text() : QString(); }

bool LineFormulaPanel::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonRelease:
      if (watched == output_->viewport()) follow();
      break;
    case QEvent::FocusIn:
      if (watched == output_) follow();
      break;
    case QEvent::Resize:
      if (isVisible()) place();
      break;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (watched == output_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
          isVisible()) {
        open();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QFrame::eventFilter(watched, event);
}

void LineFormulaPanel::follow() {
  const int line = output_->textCursor().blockNumber();
  if (line < 0 || line >= static_cast<int>(lines_.size())) {
    current_ = -1;
    hide();
    return;
  }
  if (line != current_ || !isVisible()) {
    current_ = line;
    text_->setText(QString::fromStdString(LineFormulaText(lines_[line])));
  }
  place();
  show();
  raise();
}

void LineFormulaPanel::place() {
  const QRect box = output_->geometry();
  const int inner = output_->viewport()->width();
  const int width = std::max(100, inner - 8);
  const int height = std::min(heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height(),
                              box.height() / 2);
  const int caretTop = output_->cursorRect().top();
  const bool caretBelow = caretTop > output_->viewport()->height() / 2;
  const int y = caretBelow ? box.top() + 4 : box.bottom() - height - 4;
  setGeometry(box.left() + 4, y, width, height);
}

void LineFormulaPanel::open() {
  if (current_ < 0 || current_ >= static_cast<int>(lines_.size())) return;
  const LineFormula& f = lines_[current_];
  emit openEntry(static_cast<int>(f.documentLine), 1 + static_cast<int>(f.formulas.size()));
}

}  // namespace tamrisk
