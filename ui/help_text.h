// The help text file "readme.txt": reading it in code page 932 and cutting
// it into the ten topics that the help window shows one at a time.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tamrisk {

inline constexpr int HelpTopicCount = 10;
inline constexpr int MaxHelpLines = 1000;
// The most bytes of help text that are read: the shipped text is about
// 11 KB; a larger file is not read on.
inline constexpr qsizetype MaxHelpBytes = 1024 * 1024;
// The longest line the help box is given to lay out: laying out a line costs
// time that grows with the square of its length, so a longer line of the
// file is shown in pieces of this length.
inline constexpr qsizetype MaxShownLineLength = 1000;

// Why a help text was not read.
enum class HelpFailure {
  NotFound,      // missing, not a regular file, or not readable
  TooManyLines,  // more than MaxHelpLines lines
  TooLarge,      // more than MaxHelpBytes bytes
};

struct HelpTopic {
  const char* marker;      // UTF-8; a topic starts at a line beginning with it
  const char* buttonName;  // object name of the topic's button
  const char* caption;     // UTF-8 caption of the button
};

// The topics in file order and button order.
extern const std::array<HelpTopic, HelpTopicCount> HelpTopics;

using HelpSections = std::array<QString, HelpTopicCount>;

// Cuts lines (without their line ends) into the ten topics. Each topic is
// the run of lines from its marker line up to the line before the next
// marker line in the file; a later marker line of the same topic replaces an
// earlier one; lines before the first marker belong to no topic; a topic
// whose marker is missing is empty. Each line is stored as one blank, the
// line and CR LF.
HelpSections CutHelpSections(const QStringList& lines);

// Cuts the bytes of a help text (code page 932; CR LF, LF or CR line ends)
// into lines as they arrive, block by block. In code page 932 the bytes CR
// and LF never occur inside a double-byte character, so the bytes are cut
// first and each line is decoded on its own.
class HelpTextLines {
 public:
  // Takes the next bytes; false once the text has more than MaxHelpLines
  // lines or MaxHelpBytes bytes (the rest need not be read).
  bool Add(const char* data, qsizetype size);
  // The lines after the last bytes; nothing when there are too many or too
  // many bytes.
  std::optional<QStringList> Finish();
  // What stopped the reading, after Add returned false.
  HelpFailure failure() const { return tooLarge_ ? HelpFailure::TooLarge : HelpFailure::TooManyLines; }

 private:
  void EndLine();

  QStringList lines_;
  QByteArray line_;
  qsizetype bytes_ = 0;
  bool pendingCr_ = false;
  bool tooMany_ = false;
  bool tooLarge_ = false;
};

// Reads `filePath` (code page 932; CR LF, LF or CR line ends) and cuts it
// into topics. Nothing when the file cannot be read, has more than
// MaxHelpLines lines or more than MaxHelpBytes bytes; `failure` (when given)
// tells which.
std::optional<HelpSections> ReadHelpSections(const QString& filePath,
                                             HelpFailure* failure = nullptr);

// A topic's text as the help box shows it: every line longer than
// MaxShownLineLength characters is broken into lines of that length.
QString ShownHelpText(const QString& topic);

}  // namespace tamrisk
