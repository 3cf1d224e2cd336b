// The main window's 組合せ候補: its button, the small window of units it
// opens, the note after a calculation that no formula answered, and a unit
// chosen there set (a hidden one shown in the lists first, if the user
// agrees). What is said is the engine's (engine/partner_choices.h).
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tamrisk {

struct AppState;
class PartnerPopup;
struct PartnerSituation;

class PartnerController : public QObject {
  Q_OBJECT

 public:
  // The main window's controls the hint reads and sets.
  struct Controls {
    QComboBox* unit1;
    QComboBox* unit2;
    QComboBox* unit3;
    QPlainTextEdit* output;  // the note after "no formula" is shown under its text
    QPushButton* button;     // 組合せ候補
  };
  // What the main window does for it.
  struct Actions {
    // The unit mask has changed: the lists are made anew, with what the user
    // entered kept, and the settings saved.
    std::function<void()> unitMaskChanged;
    // The unit of parameter `parameter` has been set: the calculation runs
    // again and the parameter's number takes the keyboard.
    std::function<void(int parameter)> unitChosen;
  };

  PartnerController(QWidget* window, const Controls& controls, AppState& state, Actions actions);

  // The small window, made on first use.
  PartnerPopup* popup();
  // Fills it for the chosen units and shows it below the button.
  void open();
  // Sets the unit of parameter `parameter` (1 or 2) to `unit` and runs the
  // calculation again. A unit the lists do not offer is offered to the user
  // first: shown in the lists (the unit mask changed, the inputs kept and the
  // settings saved), or nothing happens.
  void choose(int parameter, const QString& unit);
  // The button's tooltip: which units go with the chosen ones, and after a
  // calculation that no formula answered, that these would have answered.
  QString tip() const;

  // A calculation gave the "no formula" message: the button is marked and
  // the tip is shown under the result. It holds until a unit or the filter
  // changes or the next calculation runs.
  void showNotice();
  void clearNotice();
  bool notice() const { return notice_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  template <typename F>
  auto withSituation(F f) const;

  QWidget* window_;
  Controls controls_;
  AppState& state_;
  Actions actions_;
  PartnerPopup* popup_ = nullptr;
  bool notice_ = false;
};

}  // namespace tamrisk
