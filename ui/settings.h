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
};

// The file name inside the data folder.
inline const QString SettingsFileName = QStringLiteral("tamrisk.ini");

// The data folder: the working directory with one trailing separator. On
// Windows a drive root ("C:\") keeps only its drive letter and colon before
// the separator is added again; on Linux "/" stays "/".
QString DataDirFrom(const QString& workingDirectory);

// A window position in twips is at most this far from the screen origin
// (32767 pixels, the range of window coordinates).
inline constexpr float MaxPositionTwips = 32767.0f * 15.0f;

// Reads the file. Fields 1 to 4 (top, left, prefix mask, unit mask) follow the
// comma-delimited field rules: leading blanks skipped, a field ends at a comma
// or at the end of its line, a field in double quotes runs to the next quote.
// The calculator path is the whole line after the unit mask's line, exactly as
// written. Returns nothing when the file is missing or is not a regular
// file, ends before the path's line, or a position is not a number (an empty
// one counts as 0) or lies beyond MaxPositionTwips. Only the first lines,
// which hold the fields, are read: anything after them is ignored.
std::optional<SettingsRecord> ReadSettingsFile(const QString& filePath);

// Parses the file's bytes as ReadSettingsFile does.
std::optional<SettingsRecord> ParseSettings(const QByteArray& bytes);

// The file's bytes: seven CR LF lines in code page 932.
QByteArray SerializeSettings(const SettingsRecord& record);

// Writes the file through a temporary file renamed into place, so the old
// file stays whole when writing fails. Returns false when it could not be
// written.
bool WriteSettingsFile(const QString& filePath, const SettingsRecord& record);

// Keeps a copy of the settings file as `filePath` + ".bak" (replacing an
// older copy), before a file that could not be read is written over. Only a
// regular file is copied. Returns false when nothing was kept.
bool KeepSettingsBackup(const QString& filePath);

// A position as written to the file: a blank (or "-" for a negative value),
// the number with up to 7 significant digits, a blank. 2895 gives " 2895 ".
QString FormatPosition(float value);

// Code page 932 conversion. Characters that code page 932 lacks are written
// as "?"; bytes that are no valid code page 932 read as U+FFFD.
QByteArray EncodeCp932(const QString& text);
QString DecodeCp932(const QByteArray& bytes);

}  // namespace tamrisk
