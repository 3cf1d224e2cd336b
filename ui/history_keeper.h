// The calculations kept between runs of the window program, in a file of
// their own in the user's state folder ($XDG_STATE_HOME/tamrisk/, by default
// ~/.local/state/tamrisk/): history.jsonl in the record format of
// engine/history.h. It is written with the care of the settings file
// (ui/regular_file.h): whole, beside the old one and renamed into place,
// never through a link to anything but a regular file, its folders made
// private. The file is read when the history is first needed.
#pragma once

#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

#include "engine/history.h"

namespace tamrisk {

// The history file's full path: $XDG_STATE_HOME (when it is an absolute
// path) or ~/.local/state, then tamrisk/history.jsonl.
QString DefaultHistoryPath();

// A history file larger than this is read only up to here.
inline constexpr qint64 MaxHistoryFileBytes = 64 * 1024 * 1024;

class HistoryKeeper {
 public:
  // Tells the user something about the file: a note's name and its text.
  using Note = std::function<void(const char* name, const QString& text)>;

  HistoryKeeper(QString path, Note note);

  // The entries, oldest first; the file is read on the first call. Lines
  // that cannot be read are kept in the file as it stood, as
  // history.jsonl.bak, by the first write; a note tells the user once.
  const std::vector<HistoryEntry>& entries();

  // Adds a calculation (AddToHistory) and writes the file. Returns false
  // when it repeated the latest entry and nothing changed.
  bool add(HistoryEntry entry);
  // Removes the entry at `index` (0 the oldest) and writes the file.
  void remove(std::size_t index);
  // Removes every entry and writes the file.
  void clear();

  QString path() const { return path_; }

 private:
  void load();
  // When the file cannot be written, the entries stay for this run and a
  // note says so, once.
  void write();

  QString path_;
  Note note_;
  bool loaded_ = false;
  // The file held lines that could not be read: it is kept as .bak before
  // it is first written over.
  bool keepUnread_ = false;
  bool toldNotSaved_ = false;
  std::vector<HistoryEntry> entries_;
};

}  // namespace tamrisk
