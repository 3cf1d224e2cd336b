// The drop-down lists the user picks prefixes and units from. Typing selects
// an entry with the case as typed: the lists hold entries that differ only
// in case ("m" milli and "M" mega, "a" are and "A" ampere), so a letter must
// select the entry of exactly that letter, never the one of its other case.
#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace tamrisk {

// The row of `entries` that the text `typed` selects, or -1 for none. The
// rows are tried in turn from the one after `current` (`fromNext`) or from
// `current` itself, round to the one before; the first of these wins:
//  1. an entry that is the typed text itself, unless the current one is,
//     or begins with it and the search starts from the next: typing "d"
//     again moves on from "d" to "da", and "V" again and again goes from
//     "V" to "VA", "VSWR" and round to "V";
//  2. an entry that begins with the typed text, case as typed;
//  3. an entry that begins with it in either case.
int TypeAheadRow(const QStringList& entries, int current, const QString& typed, bool fromNext);

// A drop-down list whose typed letters, closed or open, select with
// TypeAheadRow in place of the list's own search, which ignores case.
// Letters typed in quick succession (within the application's keyboard
// input interval) add up to one text that is searched from the current
// entry on; a letter after a pause starts a new search at the next entry;
// the same letter again and again steps through the entries it begins.
// The blank key is not a letter here: it is left to the list's owner and
// to the list itself.
class TypeAheadList : public QComboBox {
  Q_OBJECT

 public:
  explicit TypeAheadList(QWidget* parent = nullptr);

  void showPopup() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Selects by a typed key; false when the key is no letter to search by.
  bool type(const QKeyEvent* key, bool open);

  QString typed_;
  QElapsedTimer sinceLastKey_;
  bool viewWatched_ = false;
};

}  // namespace tamrisk
