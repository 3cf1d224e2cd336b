#include "ui/settings.h"

#include "ui/regular_file.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>

#include <cerrno>
#include <cmath>
#include <iconv.h>

namespace tamrisk {

namespace {

// Lines 6 and 7: comments for a human reader; never read back.
const QString CommentLine1 = QStringLiteral("このファイルは Tamrisk の環境設定ファイルです。");
const QString CommentLine2 = QStringLiteral("変更または消去すると､正常に動作しなくなります。");

// Runs iconv over `in`. On an unconvertible sequence `onBad` appends a
// replacement and returns the number of input bytes to skip.
template <typename OnBad>
QByteArray Convert(const char* to, const char* from, const QByteArray& in, OnBad onBad) {
  QByteArray out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  char* src = const_cast<char*>(in.constData());
  size_t srcLeft = static_cast<size_t>(in.size());
  char buffer[256];
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, static_cast<qsizetype>(dst - buffer));
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: a sequence that cannot be converted, or a cut one at
    // the end of the input.
    const size_t skip = std::min(srcLeft, onBad(out, src, srcLeft));
    src += skip;
    srcLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  char* dst = buffer;
  size_t dstLeft = sizeof buffer;
  iconv(cd, nullptr, nullptr, &dst, &dstLeft);
  out.append(buffer, static_cast<qsizetype>(dst - buffer));
  iconv_close(cd);
  return out;
}

size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// The text of a file as lines without their ends; CR LF, LF and CR all end a
// line, and a final line end starts no further line.
QStringList SplitLines(const QString& text) {
  QStringList lines;
  QString current;
  bool open = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\r' || c == u'\n') {
      lines.append(current);
      current.clear();
      open = false;
      if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    } else {
      current.append(c);
      open = true;
    }
  }
  if (open) lines.append(current);
  return lines;
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Reads comma-delimited fields from a list of lines.
class FieldReader {
 public:
  explicit FieldReader(const QStringList& lines) : lines_(lines) {}

  // The next field, or nothing at the end of the file. `endedAtComma` tells
  // whether the field ended at a comma (more fields follow on its line).
  std::optional<QString> next() {
    if (line_ >= lines_.size()) return std::nullopt;
    const QString& text = lines_.at(line_);
    qsizetype pos = column_;
    while (pos < text.size() && IsBlank(text.at(pos))) ++pos;
    QString value;
    qsizetype end;
    if (pos < text.size() && text.at(pos) == u'"') {
      const qsizetype close = text.indexOf(u'"', pos + 1);
      if (close < 0) {
        value = text.mid(pos + 1);
        end = text.size();
      } else {
        value = text.mid(pos + 1, close - pos - 1);
        end = text.indexOf(u',', close + 1);
        if (end < 0) end = text.size();
      }
    } else {
      end = text.indexOf(u',', pos);
      if (end < 0) end = text.size();
      value = text.mid(pos, end - pos);
    }
    if (end < text.size()) {
      column_ = end + 1;
      endedAtComma_ = true;
    } else {
      ++line_;
      column_ = 0;
      endedAtComma_ = false;
    }
    return value;
  }

  // The index of the first line that no field has been read from.
  qsizetype nextWholeLine() const { return endedAtComma_ ? line_ + 1 : line_; }

 private:
  const QStringList& lines_;
  qsizetype line_ = 0;
  qsizetype column_ = 0;
  bool endedAtComma_ = false;
};

// A position field: blanks around it allowed, empty counts as 0.
std::optional<float> ParsePosition(const QString& field) {
  const QString text = field.trimmed();
  if (text.isEmpty()) return 0.0f;
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  const float single = static_cast<float>(value);
  if (!std::isfinite(single) || std::fabs(single) > MaxPositionTwips) return std::nullopt;
  return single;
}

}  // namespace

QString DataDirFrom(const QString& workingDirectory) {
#ifdef Q_OS_WIN
  QString dir = workingDirectory;
  dir.replace(u'/', u'\\');
  if (dir.endsWith(u'\\')) dir = dir.left(2);
  return dir + u'\\';
#else
  if (workingDirectory.endsWith(u'/')) return workingDirectory;
  return workingDirectory + u'/';
#endif
}

QByteArray EncodeCp932(const QString& text) {
  return Convert("CP932", "UTF-8", text.toUtf8(),
                 [](QByteArray& out, const char* src, size_t) {
                   out.append('?');
                   return Utf8SequenceLength(static_cast<unsigned char>(*src));
                 });
}

QString DecodeCp932(const QByteArray& bytes) {
  return QString::fromUtf8(Convert("UTF-8", "CP932", bytes,
                                   [](QByteArray& out, const char*, size_t) {
                                     out.append("\xEF\xBF\xBD");  // U+FFFD
                                     return size_t{1};
                                   }));
}

QString FormatPosition(float value) {
  if (value == 0.0f) value = 0.0f;  // no "-0"
  const QString digits = QString::number(static_cast<double>(value), 'G', 7);
  return (value < 0.0f ? QString() : QStringLiteral(" ")) + digits + u' ';
}

std::optional<SettingsRecord> ParseSettings(const QByteArray& bytes) {
  const QStringList lines = SplitLines(DecodeCp932(bytes));
  FieldReader reader(lines);
  const std::optional<QString> top = reader.next();
  const std::optional<QString> left = reader.next();
  const std::optional<QString> prefixMask = reader.next();
  const std::optional<QString> unitMask = reader.next();
  if (!unitMask) return std::nullopt;
  // The path is kept whole: blanks, commas and quotes are part of it.
  const qsizetype pathLine = reader.nextWholeLine();
  if (pathLine >= lines.size()) return std::nullopt;

  SettingsRecord record;
  record.top = ParsePosition(*top);
  record.left = ParsePosition(*left);
  if (!record.top || !record.left) return std::nullopt;
  record.prefixMask = *prefixMask;
  record.unitMask = *unitMask;
  record.calculatorPath = lines.at(pathLine);
  return record;
}

std::optional<SettingsRecord> ReadSettingsFile(const QString& filePath) {
  // The five fields stand in the first lines, a few hundred bytes; whatever a
  // file holds after them is never needed. Of a longer file only its whole
  // lines within the limit are read.
  constexpr qint64 kFieldsLimit = 64 * 1024;
  std::optional<FileBytes> file = ReadRegularFile(filePath, kFieldsLimit);
  if (!file) return std::nullopt;
  if (!file->complete) {
    const qsizetype lastBreak = std::max(file->bytes.lastIndexOf('\n'), file->bytes.lastIndexOf('\r'));
    file->bytes.truncate(lastBreak + 1);
  }
  return ParseSettings(file->bytes);
}

QByteArray SerializeSettings(const SettingsRecord& record) {
  QString path = record.calculatorPath;
  // A line break would split the path over two lines of the file.
  path.replace(u'\r', u' ').replace(u'\n', u' ');
  const QString lines[] = {
      record.top ? FormatPosition(*record.top) : QString(),
      record.left ? FormatPosition(*record.left) : QString(),
      record.prefixMask,
      record.unitMask,
      path,
      CommentLine1,
      CommentLine2,
  };
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes.append(EncodeCp932(line));
    bytes.append("\r\n");
  }
  return bytes;
}

bool WriteSettingsFile(const QString& filePath, const SettingsRecord& record) {
  QSaveFile file(filePath);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = SerializeSettings(record);
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool KeepSettingsBackup(const QString& filePath) {
  if (!IsRegularFile(filePath)) return false;
  const QString backup = filePath + QStringLiteral(".bak");
  QFile::remove(backup);
  return QFile::copy(filePath, backup);
}

}  // namespace tamrisk
