// The settings file, both ways. The first byte chooses:
//  - even: the rest is a file. Whatever bytes it holds, reading never fails
//    in a way other than "unreadable"; a record that was read is written so
//    that it reads back as it was read, or not at all (only a mask that code
//    page 932 cannot hold stops it).
//  - odd: the rest makes a record as the program holds one (positions in
//    whole pixels, masks, any calculator path, the path's line last written),
//    and any file the writer produces from it reads back as the same
//    settings: the path itself, or the earlier line where the file cannot
//    hold the path.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "fuzz/fuzz_support.h"
#include "ui/settings.h"

namespace {

using tamrisk::SettingsRecord;

// Takes bytes off the front of the input.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t Byte() { return size_ ? (--size_, *data_++) : 0; }
  // A piece of the input: its length comes first.
  QByteArray Piece() {
    const size_t length = std::min<size_t>(Byte(), size_);
    QByteArray piece(reinterpret_cast<const char*>(data_), static_cast<qsizetype>(length));
    data_ += length;
    size_ -= length;
    return piece;
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

bool SameRecord(const SettingsRecord& a, const SettingsRecord& b) {
  return a.top == b.top && a.left == b.left && a.prefixMask == b.prefixMask &&
         a.unitMask == b.unitMask && a.calculatorPath == b.calculatorPath;
}

std::string Show(const QByteArray& bytes) { return bytes.toHex().toStdString(); }

void ReadWrite(const QByteArray& bytes) {
  const std::optional<SettingsRecord> read = tamrisk::ParseSettings(bytes);
  if (!read) return;
  const std::optional<QByteArray> written = tamrisk::SerializeSettings(*read);
  if (!written) {
    tamrisk::fuzz::Check(!tamrisk::EncodeCp932(read->prefixMask) ||
                             !tamrisk::EncodeCp932(read->unitMask),
                         "only a mask code page 932 cannot hold stops writing", Show(bytes));
    return;
  }
  const std::optional<SettingsRecord> again = tamrisk::ParseSettings(*written);
  tamrisk::fuzz::Check(again.has_value(), "a written record reads back", Show(*written));
  // Positions are written with 7 significant digits: a file may hold more.
  tamrisk::fuzz::Check(again->prefixMask == read->prefixMask && again->unitMask == read->unitMask,
                       "the masks read back as they were read", Show(*written));
  tamrisk::fuzz::Check(again->calculatorPath == read->calculatorPath,
                       "the path reads back as it was read", Show(*written));
  const std::optional<QByteArray> twice = tamrisk::SerializeSettings(*again);
  tamrisk::fuzz::Check(twice && *twice == *written, "writing what was read back is stable",
                       Show(*written));
}

void WriteRead(Input& in) {
  SettingsRecord record;
  // Whole pixels, any 16-bit value, as the window gives them; no value when
  // the window was minimised and nothing was read.
  const uint8_t flags = in.Byte();
  auto pixels = [&in] { return static_cast<int16_t>(in.Byte() << 8 | in.Byte()); };
  if (flags & 1) record.top = static_cast<float>(pixels()) * 15.0f;
  if (flags & 2) record.left = static_cast<float>(pixels()) * 15.0f;
  // Masks of "0" and "1", as the customisation dialog makes them, or any
  // text of one line, as a file may give them.
  auto mask = [&in](bool digits) {
    QByteArray piece = in.Piece();
    if (!digits) return QString::fromUtf8(piece.replace('\r', ' ').replace('\n', ' '));
    QString text;
    for (char c : piece) text += (c & 1) ? u'1' : u'0';
    return text;
  };
  record.prefixMask = mask(flags & 4);
  record.unitMask = mask(flags & 8);
  // Any path, repeated up to past the longest line the file holds.
  const QString piece = QString::fromUtf8(in.Piece());
  const qsizetype repeat =
      (flags & 16) ? std::min<qsizetype>(1 + in.Byte() * 160, 70000 / std::max<qsizetype>(1, piece.size()))
                   : 1;
  record.calculatorPath = piece.repeated(repeat);
  // The line written before: a line of a file, without line ends.
  QByteArray previous = in.Piece();
  previous.replace('\r', ' ').replace('\n', ' ');
  record.calculatorPathLine = previous;

  const std::optional<QByteArray> written = tamrisk::SerializeSettings(record);
  if (!written) {
    tamrisk::fuzz::Check(!tamrisk::EncodeCp932(record.prefixMask) ||
                             !tamrisk::EncodeCp932(record.unitMask) ||
                             record.prefixMask.contains(u'"') || record.unitMask.contains(u'"'),
                         "only a mask the file cannot hold stops writing");
    return;
  }
  const std::optional<SettingsRecord> read = tamrisk::ParseSettings(*written);
  tamrisk::fuzz::Check(read.has_value(), "a written file reads back", Show(*written));
  const bool held = tamrisk::SettingsPathLine(record.calculatorPath).has_value();
  SettingsRecord expected = record;
  // Positions beyond the range of window coordinates (a pixel more than
  // 32767 away) are written as the nearest one within.
  auto clamped = [](std::optional<float> value) {
    return std::clamp(value.value_or(0.0f), -tamrisk::MaxPositionTwips, tamrisk::MaxPositionTwips);
  };
  expected.top = clamped(record.top);
  expected.left = clamped(record.left);
  if (!held) expected.calculatorPath = tamrisk::DecodeCp932(previous);
  tamrisk::fuzz::Check(SameRecord(*read, expected), "the file reads back as the same settings",
                       Show(*written));
  tamrisk::fuzz::Check(!written->contains('?') || record.calculatorPath.contains(u'?') ||
                           previous.contains('?') || record.prefixMask.contains(u'?') ||
                           record.unitMask.contains(u'?'),
                       "no character is written as \"?\"", Show(*written));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  if (data[0] % 2 == 0) {
    ReadWrite(QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
  } else {
    Input in(data + 1, size - 1);
    WriteRead(in);
  }
  return 0;
}
