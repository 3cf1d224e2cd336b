// The small window of 組合せ候補 (ui/partner_controller.h): a list for each
// parameter of the units that give formulas beside the other parameter's
// unit (under the chosen result unit, if any), as the engine words them.
// Choosing one sets that parameter's unit; a unit the lists do not offer is
// shown too, marked.
#pragma once

#include <QFrame>
#include <QString>

#include "engine/partner_choices.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace tamrisk {

// The small window of the two lists, parameter 1's on the left. It closes
// when a unit is chosen, on Escape and on a click elsewhere.
class PartnerPopup : public QFrame {
  Q_OBJECT

 public:
  explicit PartnerPopup(QWidget* owner);

  // Fills the window: its heading, and for each parameter its title and
  // the units it may take.
  void fill(const PartnerPopupTexts& texts);

  // Shows the window below `anchor`, on the screen, with the focus in the
  // list the engine names.
  void openBelow(const QWidget* anchor);

 signals:
  // The user chose `unit` for parameter `parameter`.
  void chosen(int parameter, const QString& unit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fillList(QLabel* title, QListWidget* list, const PartnerColumn& column);
  void choose(QListWidget* list, QListWidgetItem* item);
  // Marks `list` as the one the keys act on, or not.
  void showFocus(QListWidget* list, bool focused);

  QLabel* heading_ = nullptr;
  QLabel* title1_ = nullptr;
  QListWidget* list1_ = nullptr;
  QLabel* title2_ = nullptr;
  QListWidget* list2_ = nullptr;
  int focusParameter_ = 2;
};

}  // namespace tamrisk
