#include "ui/help_text.h"

#include <QStringList>

#include "ui/regular_file.h"
#include "ui/settings.h"  // DecodeCp932

namespace tamrisk {

const std::array<HelpTopic, HelpTopicCount> HelpTopics = {{
    {"■ 概要", "Command2", "概要"},
    {"■ 使用", "Command3", "使用方法"},
    {"■ カス", "Command4", "ｶｽﾀﾏｲｽﾞ"},
    {"■ イン", "Command5", "ｲﾝｽﾄｰﾙ"},
    {"■ アン", "Command6", "ｱﾝｲﾝｽﾄｰﾙ"},
    {"■ 免責", "Command9", "免責事項"},
    {"■ 著作", "Command10", "著作権"},
    {"■ 作者", "Command11", "作者連絡先"},
    {"■ その", "Command12", "その他"},
    {"■ 履歴", "Command13", "履歴"},
}};

HelpSections CutHelpSections(const QStringList& lines) {
  std::array<int, HelpTopicCount> start{};  // 1-based line numbers, 0 = missing
  std::array<QString, HelpTopicCount> markers;
  for (int t = 0; t < HelpTopicCount; ++t) markers[t] = QString::fromUtf8(HelpTopics[t].marker);

  const int count = static_cast<int>(lines.size());
  for (int i = 0; i < count; ++i) {
    const QString head = lines[i].left(4);
    for (int t = 0; t < HelpTopicCount; ++t)
      if (head == markers[t]) start[t] = i + 1;
  }

  HelpSections sections;
  for (int t = 0; t < HelpTopicCount; ++t) {
    if (start[t] == 0) continue;
    // The topic ends before the next marker line that follows it.
    int end = count + 1;
    for (int u = 0; u < HelpTopicCount; ++u)
      if (start[u] > start[t] && start[u] < end) end = start[u];
    QString text;
    for (int line = start[t]; line < end; ++line) {
      text += QLatin1Char(' ');
      text += lines[line - 1];
      text += QLatin1String("\r\n");
    }
    sections[t] = text;
  }
  return sections;
}

bool HelpTextLines::Add(const char* data, qsizetype size) {
  if (tooMany_ || tooLarge_) return false;
  bytes_ += size;
  if (bytes_ > MaxHelpBytes) {
    tooLarge_ = true;
    return false;
  }
  const char* p = data;
  const char* const end = data + size;
  while (p < end && !tooMany_) {
    if (pendingCr_) {
      pendingCr_ = false;
      if (*p == '\n') {  // the LF of a CR LF
        ++p;
        continue;
      }
    }
    const char* stop = p;
    while (stop < end && *stop != '\r' && *stop != '\n') ++stop;
    line_.append(p, stop - p);
    if (stop == end) break;
    EndLine();
    pendingCr_ = *stop == '\r';
    p = stop + 1;
  }
  return !tooMany_;
}

void HelpTextLines::EndLine() {
  if (lines_.size() >= MaxHelpLines) {
    tooMany_ = true;
    return;
  }
  lines_.append(DecodeCp932(line_));
  line_.clear();
}

std::optional<QStringList> HelpTextLines::Finish() {
  if (tooLarge_) return std::nullopt;
  if (!tooMany_ && !line_.isEmpty()) EndLine();
  if (tooMany_) return std::nullopt;
  return lines_;
}

std::optional<HelpSections> ReadHelpSections(const QString& filePath, HelpFailure* failure) {
  // Only a regular file is read, in blocks; the line and size limits end the
  // reading as soon as one is passed, so a file of any size costs at most
  // that much.
  auto fail = [failure](HelpFailure why) {
    if (failure) *failure = why;
    return std::nullopt;
  };
  RegularFile file(filePath);
  if (!file.isOpen()) return fail(HelpFailure::NotFound);
  HelpTextLines lines;
  char block[64 * 1024];
  for (;;) {
    const qint64 n = file.read(block, sizeof block);
    if (n < 0) return fail(HelpFailure::NotFound);
    if (n == 0) break;
    if (!lines.Add(block, n)) return fail(lines.failure());
  }
  const std::optional<QStringList> all = lines.Finish();
  if (!all) return fail(lines.failure());
  return CutHelpSections(*all);
}

QString ShownHelpText(const QString& topic) {
  QString shown;
  shown.reserve(topic.size() + topic.size() / MaxShownLineLength * 2);
  qsizetype start = 0;
  while (start < topic.size()) {
    const qsizetype next = topic.indexOf(u'\n', start);
    const qsizetype after = next < 0 ? topic.size() : next + 1;
    qsizetype lineEnd = next < 0 ? topic.size() : next;
    if (lineEnd > start && topic.at(lineEnd - 1) == u'\r') --lineEnd;
    // Every piece but the last has the full length; a cut falls between two
    // characters, never inside a surrogate pair.
    qsizetype piece = start;
    while (lineEnd - piece > MaxShownLineLength) {
      qsizetype cut = piece + MaxShownLineLength;
      if (topic.at(cut - 1).isHighSurrogate()) --cut;
      shown += QStringView(topic).mid(piece, cut - piece);
      shown += QLatin1String("\r\n");
      piece = cut;
    }
    shown += QStringView(topic).mid(piece, after - piece);
    start = after;
  }
  return shown;
}

}  // namespace tamrisk
