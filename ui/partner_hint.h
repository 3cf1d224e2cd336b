// Which units go with the chosen ones: the 組合せ候補 button of the main
// window opens a small list for each parameter of the units that give
// formulas beside the other parameter's unit (under the chosen result unit,
// if any). Choosing one sets that parameter's unit; a unit the lists do not
// offer is shown too, marked, and the main window offers to show it.
#pragma once

#include <QFrame>
#include <QString>

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace tamrisk {

// A unit that parameter `parameter` may take, and how many formulas answer
// with it.
struct PartnerEntry {
  QString unit;  // the unit text as the lists show it, " " for none
  int formulas = 0;
  bool hidden = false;  // the user's lists do not offer it
};

// The units that parameter `parameter` (1 or 2) may take while the other
// parameter has the unit `otherUnit`, in catalogue order: those for which
// some formula fires with the units in that order, under the result unit
// `filter` unless it is " 指定なし". `unitMask` tells the hidden ones.
std::vector<PartnerEntry> PartnerEntries(int parameter, const QString& otherUnit,
                                         const QString& filter, const QString& unitMask);

// How a unit is named in the hint: the blank unit as 単位なし.
QString PartnerUnitName(const QString& unit);

// One line of the tooltip: the units by name, separated by commas, at most
// `limit` of them and then how many more.
QString PartnerSummary(const std::vector<PartnerEntry>& entries, std::size_t limit);

// The small window of the two lists, parameter 1's on the left. It closes
// when a unit is chosen, on Escape and on a click elsewhere.
class PartnerPopup : public QFrame {
  Q_OBJECT

 public:
  explicit PartnerPopup(QWidget* owner);

  // Fills the window: its heading, and for each parameter the unit of the
  // other one and the units it may take.
  void fill(const QString& heading, const QString& unit1, const std::vector<PartnerEntry>& forUnit2,
            const QString& unit2, const std::vector<PartnerEntry>& forUnit1);

  // Shows the window below `anchor`, on the screen, with the focus in the
  // first list.
  void openBelow(const QWidget* anchor);

 signals:
  // The user chose `unit` for parameter `parameter`.
  void chosen(int parameter, const QString& unit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fillList(QLabel* title, QListWidget* list, int parameter, const QString& otherUnit,
                const std::vector<PartnerEntry>& entries);
  void choose(QListWidget* list, QListWidgetItem* item);
  // Marks `list` as the one the keys act on, or not.
  void showFocus(QListWidget* list, bool focused);

  QLabel* heading_ = nullptr;
  QLabel* title1_ = nullptr;
  QListWidget* list1_ = nullptr;
  QLabel* title2_ = nullptr;
  QListWidget* list2_ = nullptr;
};

}  // namespace tamrisk
