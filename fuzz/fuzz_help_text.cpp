// The help text cutter. The first byte chooses how the bytes arrive, in
// blocks of which size; the rest is the file. However the file is cut into
// blocks, its lines and topics are the same, and every topic line is one of
// the file's lines.
#include <cstddef>
#include <cstdint>

#include <QStringList>

#include "fuzz/fuzz_support.h"
#include "ui/help_text.h"

namespace {

std::optional<QStringList> LinesInBlocks(const char* data, qsizetype size, qsizetype block) {
  tamrisk::HelpTextLines lines;
  for (qsizetype at = 0; at < size; at += block) {
    if (!lines.Add(data + at, std::min(block, size - at))) break;
  }
  return lines.Finish();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const qsizetype block = 1 + data[0] % 17;
  const char* text = reinterpret_cast<const char*>(data + 1);
  const qsizetype length = static_cast<qsizetype>(size - 1);
  const std::optional<QStringList> whole = LinesInBlocks(text, length, length + 1);
  const std::optional<QStringList> pieces = LinesInBlocks(text, length, block);
  tamrisk::fuzz::Check(whole.has_value() == pieces.has_value() && (!whole || *whole == *pieces),
                       "the blocks a file arrives in change nothing");
  if (!whole) return 0;
  tamrisk::fuzz::Check(whole->size() <= tamrisk::MaxHelpLines, "at most the line limit");
  const tamrisk::HelpSections sections = tamrisk::CutHelpSections(*whole);
  for (const QString& topic : sections) {
    if (topic.isEmpty()) continue;
    tamrisk::fuzz::Check(topic.endsWith(QStringLiteral("\r\n")), "a topic ends with CR LF");
    QStringList topicLines = topic.split(QStringLiteral("\r\n"));
    topicLines.removeLast();
    for (const QString& line : topicLines) {
      tamrisk::fuzz::Check(line.startsWith(u' ') && whole->contains(line.mid(1)),
                           "every topic line is a line of the file", line.toStdString());
    }
  }
  return 0;
}
