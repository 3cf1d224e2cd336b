// Reading the program's own small files (the settings file and the help
// text) safely: only a regular file is read, opening never waits (a FIFO in
// the file's place would wait for a writer forever), and every read is
// bounded by the bytes actually read, not by the size the file claims (a
// device reports 0 and never ends).
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tamrisk {

// A regular file opened for reading without waiting, read block by block.
// Anything else in its place (a FIFO, a device, a folder) is not opened.
class RegularFile {
 public:
  explicit RegularFile(const QString& path);
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  // Up to `size` bytes into `data`: the count read, 0 at the end, -1 on an
  // error.
  qint64 read(char* data, qint64 size);

 private:
  int fd_ = -1;
};

struct FileBytes {
  QByteArray bytes;
  bool complete = true;  // false when the file holds more than the bytes read
};

// The first `maxBytes` bytes of the regular file at `path`. Nothing when it
// is missing, not a regular file, or cannot be read.
std::optional<FileBytes> ReadRegularFile(const QString& path, qint64 maxBytes);

// True when `path` names a regular file (after following links).
bool IsRegularFile(const QString& path);

// Writes `bytes` as the file at `path`, only onto a regular file (also one
// reached through a link, which stays) or where nothing is; a FIFO, a
// device, a folder, or a link to one of them or to nothing is left alone.
// The new file is written beside the old one and renamed into place, so
// that the old file stays whole when writing fails; where the folder takes
// no new file, a file the user may write is rewritten in place. Returns
// false when nothing was written.
bool WriteRegularFile(const QString& path, const QByteArray& bytes);

// Keeps a copy of the regular file at `path` as `path` + ".bak" (replacing
// an older copy). Returns false when nothing was kept.
bool KeepBackup(const QString& path);

}  // namespace tamrisk
