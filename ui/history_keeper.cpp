#include "ui/history_keeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

#include "ui/app_state.h"
#include "ui/captions.h"
#include "ui/private_folders.h"
#include "ui/regular_file.h"

namespace tamrisk {

QString DefaultHistoryPath() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty() || !QDir::isAbsolutePath(state))
    state = QDir::homePath() + QStringLiteral("/.local/state");
  return QDir::cleanPath(state + QStringLiteral("/tamrisk/history.jsonl"));
}

HistoryKeeper::HistoryKeeper(QString path, Note note) : path_(std::move(path)), note_(std::move(note)) {}

const std::vector<HistoryEntry>& HistoryKeeper::entries() {
  load();
  return entries_;
}

void HistoryKeeper::load() {
  if (loaded_) return;
  loaded_ = true;
  if (path_.isEmpty()) return;
  const std::optional<FileBytes> file = ReadRegularFile(path_, MaxHistoryFileBytes);
  if (!file) return;
  HistoryRead read = ParseHistory(std::string_view(file->bytes.constData(),
                                                   static_cast<std::size_t>(file->bytes.size())));
  entries_ = std::move(read.entries);
  if (!read.damaged.empty() || !file->complete) {
    keepUnread_ = true;
    note_("HistoryDamaged", FromUtf16(captions::HistoryDamagedLine1) + u'\n' +
                                FromUtf16(captions::HistoryBackupLine2) + u'\n' +
                                FromUtf16(captions::HistoryFileLabel) + QDir::toNativeSeparators(path_));
  }
}

bool HistoryKeeper::add(HistoryEntry entry) {
  load();
  if (!AddToHistory(entries_, std::move(entry))) return false;
  write();
  return true;
}

void HistoryKeeper::remove(std::size_t index) {
  load();
  if (RemoveFromHistory(entries_, index)) write();
}

void HistoryKeeper::clear() {
  load();
  entries_.clear();
  write();
}

void HistoryKeeper::write() {
  bool written = false;
  if (!path_.isEmpty()) {
    const QString folder = QFileInfo(path_).path();
    MakePrivateFolders(QFile::encodeName(folder).toStdString());
    // A file with lines that could not be read is only written over once
    // it is kept.
    if (keepUnread_ && (!IsRegularFile(path_) || KeepBackup(path_))) keepUnread_ = false;
    if (!keepUnread_) {
      const std::string text = SerializeHistory(entries_);
      written = WriteRegularFile(path_, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    }
  }
  if (!written && !toldNotSaved_) {
    toldNotSaved_ = true;
    note_("HistoryNotSaved", FromUtf16(captions::HistoryNotSavedLine1) + u'\n' +
                                 FromUtf16(captions::HistoryFileLabel) + QDir::toNativeSeparators(path_));
  }
}

}  // namespace tamrisk
