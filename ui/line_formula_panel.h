// The formula of the result line under the caret: a small panel over the
// result box that shows the line's formula, the user's numbers in it and a
// button that opens the formula list at that formula. The result box keeps
// its text, its selection and what Copy copies.
#pragma once

#include <QFrame>

#include <vector>

#include "engine/line_formulas.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tamrisk {

class LineFormulaPanel : public QFrame {
  Q_OBJECT

 public:
  // A panel over `output`, a child of the result box's parent.
  LineFormulaPanel(QPlainTextEdit* output, QWidget* parent);

  // The formulas of the lines just put into the result box, one per line;
  // none for a message. Hides the panel until the caret moves.
  void setLines(std::vector<LineFormula> lines);

  // The result line whose formula is shown, or -1.
  int shownLine() const { return isVisible() ? current_ : -1; }
  QString shownText() const;

 signals:
  // Open the formula list at the document line `documentLine`, the entry
  // being `lineCount` lines long.
  void openEntry(int documentLine, int lineCount);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows the formula of the line under the caret, or hides the panel.
  void follow();
  // Over the lower part of the result box, or over its upper part while the
  // caret's line is down there.
  void place();
  void open();

  QPlainTextEdit* output_;
  QLabel* text_;
  QPushButton* open_;
  std::vector<LineFormula> lines_;
  int current_ = -1;
};

}  // namespace tamrisk
