#include "ui/regular_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tamrisk {

RegularFile::RegularFile(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) return;
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
  }
}

RegularFile::~RegularFile() {
  if (fd_ >= 0) ::close(fd_);
}

qint64 RegularFile::read(char* data, qint64 size) {
  if (fd_ < 0) return -1;
  for (;;) {
    const ssize_t n = ::read(fd_, data, static_cast<size_t>(size));
    if (n < 0 && errno == EINTR) continue;
    return n;
  }
}

std::optional<FileBytes> ReadRegularFile(const QString& path, qint64 maxBytes) {
  RegularFile file(path);
  if (!file.isOpen()) return std::nullopt;
  FileBytes result;
  constexpr qint64 kBlock = 64 * 1024;
  for (;;) {
    // One byte beyond the limit tells whether the file goes on.
    const qint64 want = std::min(kBlock, maxBytes + 1 - result.bytes.size());
    if (want <= 0) break;
    const qsizetype before = result.bytes.size();
    result.bytes.resize(before + want);
    const qint64 n = file.read(result.bytes.data() + before, want);
    if (n < 0) return std::nullopt;
    result.bytes.resize(before + n);
    if (n == 0) break;
  }
  if (result.bytes.size() > maxBytes) {
    result.bytes.resize(maxBytes);
    result.complete = false;
  }
  return result;
}

bool IsRegularFile(const QString& path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool WriteRegularFile(const QString& filePath, const QByteArray& bytes) {
  // Whatever stands at the name decides: a regular file (also behind a
  // link) or nothing is written; anything else is the system's or the
  // user's own and is left as it is. Writing through a link to a device
  // would replace the device with a regular file.
  const QByteArray name = QFile::encodeName(filePath);
  struct stat st {};
  if (::lstat(name.constData(), &st) == 0) {
    if (S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) != 0) return false;
    if (!S_ISREG(st.st_mode)) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  QSaveFile file(filePath);
  // A file the user may write in a folder that takes no new file (no
  // temporary file beside it) is rewritten in place.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool KeepBackup(const QString& filePath) {
  if (!IsRegularFile(filePath)) return false;
  const QString backup = filePath + QStringLiteral(".bak");
  QFile::remove(backup);
  return QFile::copy(filePath, backup);
}

}  // namespace tamrisk
