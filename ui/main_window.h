// The main window: two input rows (number, prefix, unit), the calculate
// button, the result-unit filter, the result box, the copy and calculator
// buttons and the menu bar that opens every other window.
#pragma once

#include <QMainWindow>

#include <QList>
#include <QPointer>

#include <bitset>
#include <optional>

#include "engine/run.h"
#include "ui/app_state.h"
#include "ui/history_keeper.h"
#include "ui/settings_keeper.h"

class QComboBox;
class QLineEdit;
class QMessageBox;
class QPlainTextEdit;
class QPushButton;

namespace tamrisk {

class HelpWindow;
class VersionDialog;
class CustomisationDialog;
class CalculatorPathDialog;
class FormulaListViewer;
class HistoryWindow;
class LineFormulaPanel;
class PartnerController;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the start-up sequence: data folder from the working directory,
  // version text, size and centring, settings, lists and inputs.
  MainWindow();
  ~MainWindow() override;

  AppState& state() { return state_; }

  // Rebuilds the five lists from the masks, ticks the customisation
  // dialog's boxes and resets both entries to "0" and the lists to their
  // blank entries.
  void PopulateLists();

  // Reads tamrisk.ini from the data folder (SettingsKeeper::load); moves
  // the window and sets the masks and the path dialog's entry. On a missing
  // or unreadable file it sets the default masks and an empty entry and
  // returns false.
  bool LoadSettings();

  // Rewrites tamrisk.ini (SettingsKeeper::save).
  void SaveSettings();

  // One calculation over the seven input controls; the result replaces the
  // result box.
  void RunCalculation();

  // The explanation of a prefix and a unit in the result box.
  void ShowUnitExplanation(const QString& prefix, const QString& unit);

  // The exit menu item: saves the settings, closes every other window and
  // the main window, which ends the program.
  void EndProgram();
  // The program is ending: the exit menu item was chosen or the window was
  // closed, and the settings were saved.
  bool ending() const { return exiting_; }

  // The dialogs are made on first use, so that a start-up builds only what
  // the main window shows. Each is made exactly as it would stand had it
  // been made at start-up: the version text written, the customisation
  // boxes ticked by every PopulateLists so far, the path entry holding what
  // LoadSettings put there.
  VersionDialog* versionDialog();
  CustomisationDialog* customisationDialog();
  CalculatorPathDialog* calculatorPathDialog();

  // The calculations kept between runs, and their window (made on first
  // use, opened by the history menu's item, Ctrl+R).
  HistoryKeeper& history() { return history_; }
  HistoryWindow* historyWindow();
  // Puts a calculation's seven inputs into the controls. When a list does
  // not offer one of its texts (the customisation hides it) nothing changes
  // and the result box says which; returns false then.
  bool FillInputs(const RunInput& input);

  // The 組合せ候補 button's work.
  PartnerController* partnerHint() { return partnerHint_; }

  // The text the calculator button starts: the path dialog's entry.
  QString calculatorCommand() const;

  // The position values read at start-up, written back when the program
  // ends while the window is minimised.
  std::optional<float> startupTop() const { return settings_.startupTop(); }
  std::optional<float> startupLeft() const { return settings_.startupLeft(); }

 signals:
  // After every SaveSettings; `written` is false when the file could not be
  // written.
  void settingsSaved(bool written);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void applyResizeRule();
  void clearRow(QLineEdit* param, QComboBox* prefix, QComboBox* unit);
  void focusEntry(QLineEdit* param);
  void copyResult();
  void openHelp();
  void openFormulaList();
  // Alt+Up (`earlier`) or Alt+Down in an entry: the inputs of the next
  // earlier or later kept calculation; past the latest, what was there
  // before the first step.
  void stepHistory(bool earlier);
  void closeOtherWindows();
  void tick(int n);
  QString settingsPath() const;
  // A note in a small window of its own that does not block the main
  // window: it belongs to the main window, is raised above it and takes the
  // keyboard until the user closes it, so that a window manager shows it in
  // front. Notes raised before the main window has been seen (LoadSettings
  // runs before it is shown), or while the program ends, wait for
  // showPendingNotes; those shown at the end have no parent, so that the
  // program ends when the last of them is closed.
  void showNote(const char* name, const QString& text);
  void showPendingNotes();
  // The main window is shown and active (or has been shown for a while
  // without becoming active): the notes raised so far are shown.
  void mainWindowSeen();
  // The lists made anew from the masks, as after the customisation's OK,
  // but with what the user has entered kept; the settings saved.
  void relistKeepingInputs();

  AppState state_;
  // Customisation boxes (1..100 at 0..99) that PopulateLists has ticked.
  std::bitset<100> ticked_;
  SettingsKeeper settings_;
  HistoryKeeper history_;
  // Alt+Up/Alt+Down: how many calculations back the inputs are (0: the
  // user's own), and the user's own inputs from before the first step.
  std::size_t historyStep_ = 0;
  RunInput beforeSteps_;
  bool exiting_ = false;
  struct PendingNote {
    const char* name;
    QString text;
  };
  QList<PendingNote> pendingNotes_;
  bool seen_ = false;
  QList<QPointer<QMessageBox>> notes_;
  int menuHeight_ = 0;

  QWidget* picture2_ = nullptr;
  QLineEdit* param1_ = nullptr;
  QLineEdit* param2_ = nullptr;
  QComboBox* subUnit1_ = nullptr;
  QComboBox* subUnit2_ = nullptr;
  QComboBox* unit1_ = nullptr;
  QComboBox* unit2_ = nullptr;
  QComboBox* unit3_ = nullptr;
  QPlainTextEdit* output_ = nullptr;
  PartnerController* partnerHint_ = nullptr;
  // The entry that a mouse click has just given the focus, until it sees
  // that click's press.
  QLineEdit* clickFocused_ = nullptr;
  QMetaObject::Connection focusWatch_;

  // Every other window is created on first use.
  VersionDialog* versionDialog_ = nullptr;
  CustomisationDialog* customisationDialog_ = nullptr;
  CalculatorPathDialog* calculatorPathDialog_ = nullptr;
  HelpWindow* helpWindow_ = nullptr;
  FormulaListViewer* formulaListViewer_ = nullptr;
  HistoryWindow* historyWindow_ = nullptr;
  LineFormulaPanel* formulaPanel_ = nullptr;  // the formula of Output's current line
};

// The result box shows text with the platform's line ends: every CR LF of
// the engine's text becomes one line break.
QString ResultBoxText(const QString& text);

}  // namespace tamrisk
