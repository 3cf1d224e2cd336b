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

}  // namespace tamrisk
