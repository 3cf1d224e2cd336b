// The history window: the kept calculations, the latest first. Choosing one
// (Enter, a double click or 呼び出し) puts its inputs back and runs it;
// Delete or 削除 removes the chosen one, すべて削除 every one (after a
// question).
#pragma once

#include <QString>
#include <QWidget>

#include <cstddef>
#include <functional>

#include "engine/history.h"

class QListWidget;
class QPushButton;

namespace tamrisk {

class HistoryKeeper;

// One line of the list: when, the two inputs, the filter and the result.
QString HistoryItemText(const HistoryEntry& entry);

class HistoryWindow : public QWidget {
  Q_OBJECT

 public:
  // `recall` gets the chosen entry's inputs.
  HistoryWindow(QWidget* mainWindow, HistoryKeeper& keeper,
                std::function<void(const RunInput&)> recall);

  // Shows the window beside the main window with the list made anew and
  // the latest entry chosen.
  void openHistory();
  // Makes the list anew from the kept entries, keeping the chosen row where
  // it can.
  void refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The entry of a row (0 the latest), as its index in the keeper.
  std::size_t entryIndex(int row) const;
  void recallChosen();
  void deleteChosen();
  void clearAll();

  QWidget* mainWindow_;
  HistoryKeeper& keeper_;
  std::function<void(const RunInput&)> recall_;
  QListWidget* list_;
  QPushButton* recallButton_;
  QPushButton* deleteButton_;
  QPushButton* clearButton_;
};

}  // namespace tamrisk
