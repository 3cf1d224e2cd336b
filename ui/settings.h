// The settings file tamrisk.ini: window position, the two list masks and the
// calculator path, kept between runs. Seven lines in code page 932 with
// CR LF line ends.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tamrisk {

struct SettingsRecord {
  // Top and left edge of the main window in twips. When writing, no value
  // gives an empty line; a record read from a file always has both.
  std::optional<float> top;
  std::optional<float> left;
  QString prefixMask;
  QString unitMask;
  QString calculatorPath;
  // The calculator path's line as bytes, as it stood in the file read (the
  // main window keeps the line it last read or wrote here). A path that the
  // file cannot hold exactly is never written with stand-ins for its
  // characters: this line is written in its place.
  QByteArray calculatorPathLine;
  // Set by reading: some bytes of the fields were no valid code page 932 and
  // read as U+FFFD, so the record is not what the file says.
  bool undecodable = false;
};

// The file name inside the data folder.
inline const QString SettingsFileName = QStringLiteral("tamrisk.ini");

// The data folder: the working directory with one trailing separator. On
// Windows a drive root ("C:\") keeps only its drive letter and colon before
// the separator is added again; on Linux "/" stays "/".
QString DataDirFrom(const QString& workingDirectory);

// The data folder at start-up: the working directory's, or, when there is no
// working directory (it was removed before the start) or it is the root
// folder, `dataHome` + "/tamrisk/", the folder the installed launcher
// prepares. Never "/": the program would read and write the system's root.
// Empty when neither is known.
QString DataDirAtStart(const QString& workingDirectory, const QString& dataHome);

// A window position in twips is at most this far from the screen origin
// (32767 pixels, the range of window coordinates).
inline constexpr float MaxPositionTwips = 32767.0f * 15.0f;

// A line of the file that holds a field has at most this many bytes, its
// line end not counted. Everything the writer produces keeps to it: a
// calculator path of 32,767 characters (the most a text entry takes), each of
// two bytes, fits.
inline constexpr qsizetype MaxSettingsLineBytes = 64 * 1024;

// Reads the file. Fields 1 to 4 (top, left, prefix mask, unit mask) follow the
// comma-delimited field rules: leading blanks skipped, a field ends at a comma
// or at the end of its line, a field in double quotes runs to the next quote.
// The calculator path is the whole line after the unit mask's line, exactly as
// written. Returns nothing when the file is missing or is not a regular
// file, ends before the path's line, a line of the fields is longer than
// MaxSettingsLineBytes, or a position is not a number (an empty one counts
// as 0) or lies beyond MaxPositionTwips. Only the first lines, which hold
// the fields, are read: anything after them is ignored.
std::optional<SettingsRecord> ReadSettingsFile(const QString& filePath);

// Parses the file's bytes as ReadSettingsFile does.
std::optional<SettingsRecord> ParseSettings(const QByteArray& bytes);

// The masks of a record read from the file as the program uses them: a mask
// that is not "0"s and "1"s of its catalogue's length is the default mask,
// and the spare unit positions are "0" (UsablePrefixMask, UsableUnitMask).
// Such a mask does not make the file unreadable: the position and the
// calculator path stay as read.
void MakeMasksUsable(SettingsRecord& record);

// The calculator path as its line of the file, or nothing when the file
// cannot hold it exactly (a line break, a character code page 932 lacks, a
// line longer than MaxSettingsLineBytes).
std::optional<QByteArray> SettingsPathLine(const QString& path);

// The file's bytes: seven CR LF lines in code page 932, which read back as
// the record. A calculator path that the file cannot hold is written as
// `calculatorPathLine`. A mask is written as it is; one that would read back
// otherwise (a comma, leading blanks or a leading quote: only a mask read from
// a damaged or hand-made file is like that) is written in quotes. Nothing when
// a mask cannot be written so that it reads back unchanged: no character is
// ever written as a stand-in.
std::optional<QByteArray> SerializeSettings(const SettingsRecord& record);

// Writes the file, only onto a regular file (also one reached through a
// link, which stays) or where nothing is; a FIFO, a device, a folder, or a
// link to one of them or to nothing is left alone. The new file is written
// beside the old one and renamed into place, so that the old file stays whole
// when writing fails; where the folder takes no new file, a file the user may
// write is rewritten in place. Returns false when nothing was written.
bool WriteSettingsFile(const QString& filePath, const SettingsRecord& record);

// Keeps a copy of the settings file as `filePath` + ".bak" (replacing an
// older copy), before a file that could not be read is written over. Only a
// regular file is copied. Returns false when nothing was kept.
bool KeepSettingsBackup(const QString& filePath);

// A position as written to the file: a blank (or "-" for a negative value),
// the number with up to 7 significant digits, a blank. 2895 gives " 2895 ".
QString FormatPosition(float value);

// Code page 932 conversion. Encoding gives nothing when a character cannot
// be written so that it reads back as itself. Bytes that are no valid code
// page 932 read as U+FFFD, and set `undecodable` when given.
std::optional<QByteArray> EncodeCp932(const QString& text);
QString DecodeCp932(const QByteArray& bytes, bool* undecodable = nullptr);

}  // namespace tamrisk
