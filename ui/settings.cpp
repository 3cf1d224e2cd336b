#include "ui/settings.h"

#include "engine/unit_lists.h"
#include "ui/regular_file.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <iconv.h>
#include <sys/stat.h>

namespace tamrisk {

namespace {

// Lines 6 and 7: comments for a human reader; never read back.
const QString CommentLine1 = QStringLiteral("このファイルは Tamrisk の環境設定ファイルです。");
const QString CommentLine2 = QStringLiteral("変更または消去すると､正常に動作しなくなります。");

// Runs iconv over `in`. On an unconvertible sequence `onBad` appends a
// replacement and returns the number of input bytes to skip; 0 stops the
// conversion there.
template <typename OnBad>
QByteArray Convert(const char* to, const char* from, const QByteArray& in, OnBad onBad) {
  QByteArray out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  char* src = const_cast<char*>(in.constData());
  size_t srcLeft = static_cast<size_t>(in.size());
  // Room for the whole text at once (a byte of code page 932 becomes at most
  // three of UTF-8), so that iconv is called once per bad sequence only.
  qsizetype used = 0;
  auto room = [&](size_t more) {
    out.resize(used + static_cast<qsizetype>(more));
    return out.data() + used;
  };
  char* dst = room(srcLeft * 3 + 16);
  size_t dstLeft = static_cast<size_t>(out.size() - used);
  while (srcLeft > 0) {
    const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    used = dst - out.data();
    if (rc != static_cast<size_t>(-1)) break;
    if (errno != E2BIG) {
      // EILSEQ or EINVAL: a sequence that cannot be converted, or a cut one
      // at the end of the input.
      out.truncate(used);
      const size_t skip = std::min(srcLeft, onBad(out, src, srcLeft));
      used = out.size();
      if (skip == 0) break;
      src += skip;
      srcLeft -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    dst = room(srcLeft * 3 + 16);
    dstLeft = static_cast<size_t>(out.size() - used);
  }
  dst = room(16);
  dstLeft = 16;
  iconv(cd, nullptr, nullptr, &dst, &dstLeft);
  out.truncate(dst - out.data());
  iconv_close(cd);
  return out;
}

// The bytes of a file as lines without their ends, at most `maxLines`; CR LF,
// LF and CR all end a line, and a final line end starts no further line. In
// code page 932 the bytes CR and LF never occur inside a double-byte
// character, so the bytes can be cut before they are decoded.
QList<QByteArray> SplitLines(const QByteArray& bytes, qsizetype maxLines) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  const qsizetype size = bytes.size();
  while (start < size && lines.size() < maxLines) {
    qsizetype end = start;
    while (end < size && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    lines.append(bytes.mid(start, end - start));
    if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n') ++end;
    start = end + 1;
  }
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

QString DataDirAtStart(const QString& workingDirectory, const QString& dataHome) {
  const QString dir = DataDirFrom(workingDirectory);
  if (!workingDirectory.isEmpty() && dir != QStringLiteral("/")) return dir;
  if (!QDir::isAbsolutePath(dataHome)) return QString();
  return DataDirFrom(QDir::cleanPath(dataHome + QStringLiteral("/tamrisk")));
}

std::optional<QByteArray> EncodeCp932(const QString& text) {
  bool failed = false;
  QByteArray bytes = Convert("CP932", "UTF-8", text.toUtf8(),
                             [&failed](QByteArray&, const char*, size_t) {
                               failed = true;
                               return size_t{0};
                             });
  if (failed) return std::nullopt;
  // A few characters are written with the code of a look-alike and would
  // read back as that one: the text must come back unchanged.
  bool undecodable = false;
  if (DecodeCp932(bytes, &undecodable) != text || undecodable) return std::nullopt;
  return bytes;
}

QString DecodeCp932(const QByteArray& bytes, bool* undecodable) {
  bool bad = false;
  const QString text = QString::fromUtf8(Convert("UTF-8", "CP932", bytes,
                                                 [&bad](QByteArray& out, const char*, size_t) {
                                                   bad = true;
                                                   out.append("\xEF\xBF\xBD");  // U+FFFD
                                                   return size_t{1};
                                                 }));
  if (undecodable) *undecodable = bad;
  return text;
}

QString FormatPosition(float value) {
  if (value == 0.0f) value = 0.0f;  // no "-0"
  const QString digits = QString::number(static_cast<double>(value), 'G', 7);
  return (value < 0.0f ? QString() : QStringLiteral(" ")) + digits + u' ';
}

std::optional<SettingsRecord> ParseSettings(const QByteArray& bytes) {
  // The five fields take at most five lines.
  const QList<QByteArray> raw = SplitLines(bytes, 5);
  QStringList lines;
  bool undecodable = false;
  for (const QByteArray& line : raw) {
    bool bad = false;
    lines.append(DecodeCp932(line, &bad));
    undecodable = undecodable || bad;
  }
  FieldReader reader(lines);
  const std::optional<QString> top = reader.next();
  const std::optional<QString> left = reader.next();
  const std::optional<QString> prefixMask = reader.next();
  const std::optional<QString> unitMask = reader.next();
  if (!unitMask) return std::nullopt;
  // The path is kept whole: blanks, commas and quotes are part of it.
  const qsizetype pathLine = reader.nextWholeLine();
  if (pathLine >= lines.size()) return std::nullopt;
  for (qsizetype i = 0; i <= pathLine; ++i)
    if (raw.at(i).size() > MaxSettingsLineBytes) return std::nullopt;

  SettingsRecord record;
  record.top = ParsePosition(*top);
  record.left = ParsePosition(*left);
  if (!record.top || !record.left) return std::nullopt;
  record.prefixMask = *prefixMask;
  record.unitMask = *unitMask;
  record.calculatorPath = lines.at(pathLine);
  record.calculatorPathLine = raw.at(pathLine);
  record.undecodable = undecodable;
  return record;
}

void MakeMasksUsable(SettingsRecord& record) {
  record.prefixMask = QString::fromStdString(UsablePrefixMask(record.prefixMask.toStdString()));
  record.unitMask = QString::fromStdString(UsableUnitMask(record.unitMask.toStdString()));
}

std::optional<SettingsRecord> ReadSettingsFile(const QString& filePath) {
  // The five fields stand in the first five lines; whatever a file holds
  // after them is never needed. Of a longer file only its whole lines within
  // the limit are read.
  constexpr qint64 kFieldsLimit = 5 * (MaxSettingsLineBytes + 2);
  std::optional<FileBytes> file = ReadRegularFile(filePath, kFieldsLimit);
  if (!file) return std::nullopt;
  if (!file->complete) {
    const qsizetype lastBreak = std::max(file->bytes.lastIndexOf('\n'), file->bytes.lastIndexOf('\r'));
    file->bytes.truncate(lastBreak + 1);
  }
  return ParseSettings(file->bytes);
}

std::optional<QByteArray> SettingsPathLine(const QString& path) {
  // A line break would split the path over two lines of the file.
  if (path.contains(u'\r') || path.contains(u'\n')) return std::nullopt;
  std::optional<QByteArray> line = EncodeCp932(path);
  if (!line || line->size() > MaxSettingsLineBytes) return std::nullopt;
  return line;
}

std::optional<QByteArray> SerializeSettings(const SettingsRecord& record) {
  QByteArray bytes;
  auto add = [&bytes](const QByteArray& line) {
    bytes.append(line);
    bytes.append("\r\n");
  };
  // A mask of "0" and "1" is written as it is. A mask read from a damaged or
  // hand-made file may hold anything: one that would read back otherwise
  // (a comma, leading blanks, a leading quote) is written in quotes, which
  // reading removes; one that code page 932 cannot hold is not written.
  auto encoded = [](const QString& text) -> std::optional<QByteArray> {
    std::optional<QByteArray> line = EncodeCp932(text);
    if (!line || text.contains(u'\r') || text.contains(u'\n')) return std::nullopt;
    const bool plain = !text.contains(u',') &&
                       (text.isEmpty() || (!IsBlank(text.front()) && text.front() != u'"'));
    if (!plain) {
      if (text.contains(u'"')) return std::nullopt;
      *line = '"' + *line + '"';
    }
    if (line->size() > MaxSettingsLineBytes) return std::nullopt;
    return line;
  };
  const std::optional<QByteArray> prefixMask = encoded(record.prefixMask);
  const std::optional<QByteArray> unitMask = encoded(record.unitMask);
  if (!prefixMask || !unitMask) return std::nullopt;
  // A position beyond the range of window coordinates would make the file
  // unreadable: it is written as the nearest one within.
  auto position = [](const std::optional<float>& value) {
    if (!value) return QByteArray();
    return FormatPosition(std::clamp(*value, -MaxPositionTwips, MaxPositionTwips)).toLatin1();
  };
  add(position(record.top));
  add(position(record.left));
  add(*prefixMask);
  add(*unitMask);
  add(SettingsPathLine(record.calculatorPath).value_or(record.calculatorPathLine));
  add(*EncodeCp932(CommentLine1));
  add(*EncodeCp932(CommentLine2));
  return bytes;
}

bool WriteSettingsFile(const QString& filePath, const SettingsRecord& record) {
  const std::optional<QByteArray> bytes = SerializeSettings(record);
  return bytes && WriteRegularFile(filePath, *bytes);
}

bool KeepSettingsBackup(const QString& filePath) { return KeepBackup(filePath); }

}  // namespace tamrisk
