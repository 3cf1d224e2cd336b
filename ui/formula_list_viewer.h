// The formula list viewer: the whole formula list document in a read-only
// box, with a forward and a backward text search.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

#include "ui/formula_search.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tamrisk {

// The formula list document as shown by the viewer, built on the first call
// and kept for the rest of the run.
const QString& FormulaDocumentText();

class FormulaListViewer : public QWidget {
  Q_OBJECT

 public:
  explicit FormulaListViewer(QWidget* mainWindow);
  // The same window over another document (used with small documents).
  FormulaListViewer(QWidget* mainWindow, std::function<const QString&()> document);

  // Places the window beside the main window, shows the document from its
  // first line and starts the search again at the top.
  void openViewer();
  // Opens the window as openViewer does, with the `lineCount` lines from
  // line `documentLine` of the document (0: the empty line before the
  // header) selected and scrolled into view.
  void openViewerAt(int documentLine, int lineCount);

  const FormulaSearch& search() const { return search_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // One search step forward (`down`) or backward. The buttons move the
  // focus into the document, as the selection is to be seen there; Enter in
  // the search entry leaves it in the entry. A step that finds nothing
  // beeps and says so in a note under the entry.
  void search(bool down, bool focusDocument);
  void select(const FormulaSearch::Match& match);
  // Scrolls the found line to where the lines under it are in view.
  void showFoundLine();
  // Document position (0-based) to the position in the text box, where each
  // CR LF is a single line break.
  int boxPosition(int documentIndex) const;

  QWidget* mainWindow_;
  std::function<const QString&()> document_;
  FormulaSearch search_;
  bool loaded_ = false;
  std::vector<int> crlfAt_;  // 0-based positions of the CR of every CR LF

  QPlainTextEdit* text1_;
  QLabel* picture1_;
  QLabel* label1_;
  QLineEdit* keyword_;
  QPushButton* searchdown_;
  QPushButton* searchup_;
  QPushButton* command1_;
};

}  // namespace tamrisk
