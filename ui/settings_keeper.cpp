#include "ui/settings_keeper.h"

#include <QDir>

#include <utility>

#include "ui/captions.h"
#include "ui/regular_file.h"

namespace tamrisk {

SettingsKeeper::SettingsKeeper(Note note) : note_(std::move(note)) {}

std::optional<SettingsRecord> SettingsKeeper::load(const QString& path) {
  std::optional<SettingsRecord> record = path.isEmpty() ? std::nullopt : ReadSettingsFile(path);
  if (record) MakeMasksUsable(*record);
  const QString fileLine = FromUtf16(captions::SettingsFileLabel) + QDir::toNativeSeparators(path);
  const QString backupLine = FromUtf16(captions::SettingsBackupLine2);
  if (!record) {
    // A file that is there but could not be read is kept as it was: the
    // first save copies it aside before writing over it.
    keepUnread_ = !path.isEmpty() && IsRegularFile(path);
    if (keepUnread_)
      note_("SettingsUnreadable",
            FromUtf16(captions::SettingsUnreadableLine1) + u'\n' + backupLine + u'\n' + fileLine);
    startupTop_.reset();
    startupLeft_.reset();
    pathLine_.clear();
    return std::nullopt;
  }
  // Bytes that are no code page 932 (a file saved by an editor in another
  // encoding) read as U+FFFD: the file as it stands is kept as well.
  keepUnread_ = record->undecodable;
  if (keepUnread_)
    note_("SettingsUndecodable",
          FromUtf16(captions::SettingsUndecodableLine1) + u'\n' + backupLine + u'\n' + fileLine);
  startupTop_ = record->top;
  startupLeft_ = record->left;
  pathLine_ = record->calculatorPathLine;
  return record;
}

bool SettingsKeeper::save(const QString& path, const std::optional<Place>& place,
                          const AppState& state) {
  SettingsRecord record;
  if (place) {
    record.top = place->top;
    record.left = place->left;
  } else {
    record.top = startupTop_;
    record.left = startupLeft_;
  }
  record.prefixMask = state.prefixMask;
  record.unitMask = state.unitMask;
  record.calculatorPath = state.calculatorPath;
  record.calculatorPathLine = pathLine_;
  bool written = false;
  if (!path.isEmpty()) {
    // A file that could not be read is only written over once it is kept.
    if (keepUnread_ && (!IsRegularFile(path) || KeepSettingsBackup(path))) keepUnread_ = false;
    written = !keepUnread_ && WriteSettingsFile(path, record);
  }
  if (written) {
    pathLine_ = SettingsPathLine(record.calculatorPath).value_or(pathLine_);
  } else if (!toldNotSaved_) {
    toldNotSaved_ = true;
    note_("SettingsNotSaved", FromUtf16(captions::SettingsNotSavedLine1) + u'\n' +
                                  FromUtf16(captions::SettingsFileLabel) +
                                  QDir::toNativeSeparators(path));
  }
  return written;
}

}  // namespace tamrisk
