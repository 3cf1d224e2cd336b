// The settings file as the main window keeps it over one run: what was read
// at start-up and must be written back, and what the user has been told.
// Reading and writing the file itself is ui/settings.h.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

#include "ui/app_state.h"
#include "ui/settings.h"

namespace tamrisk {

class SettingsKeeper {
 public:
  // Tells the user something about the file: a note's name (one of a kind
  // is shown at a time) and its text.
  using Note = std::function<void(const char* name, const QString& text)>;

  explicit SettingsKeeper(Note note);

  // Reads the file at `path` (an empty path: no data folder). Returns the
  // record, its masks made usable (MakeMasksUsable), or nothing when the
  // file is missing or unreadable; the caller then uses the default masks
  // and no calculator path. A file that is there but could not be read, or
  // only in part, is kept as tamrisk.ini.bak by the first save; a note
  // tells the user so.
  std::optional<SettingsRecord> load(const QString& path);

  // The window's top and left edges in twips.
  struct Place {
    float top;
    float left;
  };

  // Rewrites the file at `path` with the masks and the calculator path of
  // `state`, and the window's `place`; without one (the window is
  // minimised) the position read at start-up. When nothing could be written
  // (no data folder, the file or its folder is not writable, something other
  // than a regular file stands at its name, or an unreadable file could not
  // be kept first) the file is left as it was and a note tells the user,
  // once. Returns whether the file was written.
  bool save(const QString& path, const std::optional<Place>& place, const AppState& state);

  // The position values read at start-up, written back when the program
  // ends while the window is minimised.
  std::optional<float> startupTop() const { return startupTop_; }
  std::optional<float> startupLeft() const { return startupLeft_; }

 private:
  Note note_;
  std::optional<float> startupTop_;
  std::optional<float> startupLeft_;
  // The file was there at start-up but could not be read, or only in part:
  // the first save keeps it as tamrisk.ini.bak.
  bool keepUnread_ = false;
  // The calculator path's line as last read from or written to the file:
  // written again when the path cannot be written.
  QByteArray pathLine_;
  bool toldNotSaved_ = false;
};

}  // namespace tamrisk
