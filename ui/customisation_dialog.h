// The customisation dialog: one check box per prefix and unit of the
// catalogue; OK turns the boxes into the two list masks.
#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "ui/app_state.h"

class QCheckBox;

namespace tamrisk {

class CustomisationDialog : public QDialog {
  Q_OBJECT

 public:
  // `onOk` runs after OK has rebuilt the masks in `state` and hidden the
  // dialog; the main window refills its lists and saves the settings there.
  CustomisationDialog(AppState& state, QWidget* mainWindow, std::function<void()> onOk);

  // Ticks check box n (1..20 prefixes, 21..100 units). Never unticks.
  void tick(int n);
  bool isTicked(int n) const;

  // Places the dialog 1200 twips right of and 600 below the main window's
  // corner and shows it modal.
  void openDialog();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void acceptMasks();

  AppState& state_;
  QWidget* mainWindow_;
  std::function<void()> onOk_;
  std::array<QCheckBox*, 100> boxes_{};
};

}  // namespace tamrisk
