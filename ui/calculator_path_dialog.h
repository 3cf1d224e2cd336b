// The external calculator: the dialog that names its program, and the launch
// from the main window's calculator button.
#pragma once

#include <QDialog>

#include <functional>

#include "ui/app_state.h"

class QLineEdit;

namespace tamrisk {

class CalculatorPathDialog : public QDialog {
  Q_OBJECT

 public:
  // `onOk` runs after OK has taken the entry's text over as the calculator
  // path; the main window saves the settings there.
  CalculatorPathDialog(AppState& state, QWidget* mainWindow, std::function<void()> onOk);

  // The entry's text: what the calculator button starts. It may hold a path
  // that was typed and left with Cancel.
  QString pathText() const;
  void setPathText(const QString& text);

  // Places the dialog 1200 twips right of and 600 below the main window's
  // corner and shows it modal.
  void openDialog();

  // The browse button: a file dialog; a chosen file's full path replaces the
  // entry's text, a cancelled dialog changes nothing.
  void browse();

 private:
  void accept() override;

  AppState& state_;
  QWidget* mainWindow_;
  std::function<void()> onOk_;
  QLineEdit* text1_;
};

// Starts the calculator named by `commandLine` without waiting for it and
// without a shell. The whole text is first taken as one program path (so a
// path with blanks works); only when no such file exists is it split into a
// program and its arguments. A program named without a slash is looked up in
// the folders of $PATH, as a shell does, never in the working folder.
// Returns false when nothing could be started.
bool StartCalculator(const QString& commandLine);

// StartCalculator, and on failure the error message box over `parent`.
void LaunchCalculator(const QString& commandLine, QWidget* parent);

}  // namespace tamrisk
