#include "ui/list_type_ahead.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>

namespace tamrisk {

int TypeAheadRow(const QStringList& entries, int current, const QString& typed, bool fromNext) {
  const int count = static_cast<int>(entries.size());
  if (count == 0 || typed.isEmpty()) return -1;
  const bool valid = current >= 0 && current < count;
  const int start = !valid ? 0 : fromNext ? (current + 1) % count : current;
  auto first = [&](auto&& fits) {
    for (int i = 0; i < count; ++i) {
      const int row = (start + i) % count;
      if (fits(entries[row])) return row;
    }
    return -1;
  };
  // Stepping on through the entries a letter begins goes past the one that
  // is the letter itself; otherwise that one is the first to choose.
  const bool stepping = valid && (entries[current] == typed ||
                                  (fromNext && entries[current].startsWith(typed, Qt::CaseSensitive)));
  if (!stepping) {
    const int row = first([&](const QString& entry) { return entry == typed; });
    if (row >= 0) return row;
  }
  const int row =
      first([&](const QString& entry) { return entry.startsWith(typed, Qt::CaseSensitive); });
  if (row >= 0) return row;
  return first([&](const QString& entry) { return entry.startsWith(typed, Qt::CaseInsensitive); });
}

TypeAheadList::TypeAheadList(QWidget* parent) : QComboBox(parent) {}

void TypeAheadList::showPopup() {
  // While the list is open its keys go to the view. The view is made on
  // first use, so it is watched from its first showing; a filter installed
  // later than the list's own sees the keys first.
  if (!viewWatched_) {
    view()->installEventFilter(this);
    viewWatched_ = true;
  }
  QComboBox::showPopup();
}

void TypeAheadList::keyPressEvent(QKeyEvent* event) {
  if (!isEditable() && type(event, false)) return;
  QComboBox::keyPressEvent(event);
}

bool TypeAheadList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view() && event->type() == QEvent::KeyPress &&
      type(static_cast<QKeyEvent*>(event), true)) {
    return true;
  }
  return QComboBox::eventFilter(watched, event);
}

bool TypeAheadList::type(const QKeyEvent* key, bool open) {
  if (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return false;
  const QString text = key->text();
  if (text.isEmpty() || text.at(0) == u' ' || !text.at(0).isPrint()) return false;

  const bool goesOn = sinceLastKey_.isValid() &&
                      sinceLastKey_.elapsed() <= QApplication::keyboardInputInterval();
  sinceLastKey_.start();
  typed_ = goesOn ? typed_ + text : text;
  QString search = typed_;
  bool fromNext = !goesOn;
  if (typed_.size() > 1 && typed_.count(typed_.at(0)) == typed_.size()) {
    search = typed_.left(1);
    fromNext = true;
  }

  QAbstractItemView* list = open ? view() : nullptr;
  const int current = list ? list->currentIndex().row() : currentIndex();
  QStringList entries;
  for (int i = 0; i < count(); ++i) entries << itemText(i);
  const int row = TypeAheadRow(entries, current, search, fromNext);
  if (row >= 0 && row != current) {
    if (list) {
      list->setCurrentIndex(model()->index(row, modelColumn(), rootModelIndex()));
    } else {
      setCurrentIndex(row);
    }
  }
  return true;
}

}  // namespace tamrisk
