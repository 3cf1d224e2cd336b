// Shared state of the main window that the other windows read and change:
// the working folder, the list masks and the calculator path.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

class QWidget;

namespace tamrisk {

struct AppState {
  QString dataDir;         // working directory at start-up, with a trailing separator
  QString prefixMask;      // 20 characters of "0"/"1"
  QString unitMask;        // 80 characters of "0"/"1"
  QString calculatorPath;  // the external calculator's command line
};

// The Japanese gothic face the windows ask for by name. Where it is missing,
// GothicFont uses IPAGothic (or another installed stand-in), whatever name
// the user's language gives it, and ArialFont Liberation Sans;
// InstallFontSubstitutions maps the names to the same stand-ins.
inline const QString GothicFamily = QStringLiteral("ＭＳ ゴシック");
inline const QString ArialFamily = QStringLiteral("Arial");

void InstallFontSubstitutions();
// The gothic face is drawn at least 13 pixels high on the screen, where its
// "m" has room for three stems, and at that size without grey levels.
QFont GothicFont(double pointSize, bool bold = false);
QFont ArialFont(double pointSize, bool bold = false);

// A tooltip that shows `text` as it is, line by line. A tooltip reads its
// text as markup when its first line looks like markup (a tag, "&lt;"): an
// image named in it would be read from disk, and text in tags is not shown.
// Every tooltip that repeats what the user typed, or a text from a file,
// goes through this.
QString LiteralToolTip(const QString& text);

// The engine's and the catalogue's UTF-8 texts, and the UTF-16 captions.
QString FromUtf8(std::string_view text);
inline QString FromUtf16(const char16_t* text) { return QString::fromUtf16(text); }

// The grey face of every window.
inline const QColor WindowGrey{192, 192, 192};

// Fills a window's background with one colour.
void PaintWindow(QWidget* w, const QColor& colour);
// Fills a widget's background and its text area with one colour.
void PaintWindowAndText(QWidget* w, const QColor& colour);

// Shows the busy pointer for the lifetime of the object, however a step ends.
class BusyPointer {
 public:
  BusyPointer();
  ~BusyPointer();
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

// Moves a window that would stand partly off its screen back onto the
// screen's free area: wholly where it fits; where it is larger than the
// area, with its top-left corner (and so its title bar) at the area's.
void KeepOnScreen(QWidget* window);

// Twips (1440 per inch) to pixels and back, at the screen's logical
// resolution: 15 twips a pixel at 96 dpi, so that the windows keep their
// proportions to the text when the fonts are drawn larger.
int Tw(int twips);
int PixelsToTwips(int pixels);

// The program's version, set once in CMakeLists.txt.
QString ProgramVersion();

// "Ver " and the program's version, as the version dialog shows it.
QString VersionCaption();

}  // namespace tamrisk
