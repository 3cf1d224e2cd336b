#include "ui/app_state.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>

#include "engine/version.h"
#include "ui/captions.h"

namespace tamrisk {

namespace {

// Fixed-pitch faces first: the windows line text up in columns.
const QStringList& GothicStandIns() {
  static const QStringList names = {QStringLiteral("IPAGothic"),
                                    QStringLiteral("Noto Sans Mono CJK JP"),
                                    QStringLiteral("IPAexGothic"),
                                    QStringLiteral("Noto Sans CJK JP")};
  return names;
}

const QStringList& ArialStandIns() {
  static const QStringList names = {QStringLiteral("Liberation Sans"),
                                    QStringLiteral("DejaVu Sans")};
  return names;
}

// The name under which the font database lists the face called `name`, or
// an empty text when no such face is installed. A face may have a family
// name for each of several languages (IPAGothic is IPAゴシック in Japanese),
// and the database lists each face under the one of the user's language;
// fontconfig knows the face under all of them. (Out of line, so that a
// profile of the start-up shows its cost: bench/startup.sh.)
[[gnu::noinline]] QString ListedName(const QString& name, const QStringList& listed) {
  if (listed.contains(name)) return name;
  QString found;
  FcPattern* pattern = FcPatternCreate();
  FcObjectSet* names = FcObjectSetBuild(FC_FAMILY, nullptr);
  if (pattern && names) {
    const QByteArray utf8 = name.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.constData()));
    if (FcFontSet* faces = FcFontList(nullptr, pattern, names)) {
      for (int f = 0; f < faces->nfont && found.isEmpty(); ++f) {
        FcChar8* family = nullptr;
        for (int k = 0; FcPatternGetString(faces->fonts[f], FC_FAMILY, k, &family) == FcResultMatch; ++k) {
          const QString candidate = QString::fromUtf8(reinterpret_cast<const char*>(family));
          if (listed.contains(candidate)) {
            found = candidate;
            break;
          }
        }
      }
      FcFontSetDestroy(faces);
    }
  }
  if (names) FcObjectSetDestroy(names);
  if (pattern) FcPatternDestroy(pattern);
  return found;
}

// The face itself where it is installed, else its first installed stand-in,
// each under the name the font database lists it by. A font asked for by a
// listed name is found at once; a missing name costs the font matcher a
// failed search and a list of fallbacks for every size and weight the
// windows use.
QString InstalledFamily(const QString& family, const QStringList& standIns) {
  // The list of names is at hand once the font database is read.
  const QStringList listed = QFontDatabase::families();
  for (const QString& name : QStringList{family} + standIns) {
    const QString found = ListedName(name, listed);
    if (!found.isEmpty()) return found;
  }
  return family;
}

}  // namespace

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(GothicFamily, GothicStandIns());
  QFont::insertSubstitutions(ArialFamily, ArialStandIns());
}

QString LiteralToolTip(const QString& text) {
  // As markup that shows the escaped text with its blanks and line breaks,
  // each line unbroken.
  return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PaintWindow(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void PaintWindowAndText(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, colour);
  p.setColor(QPalette::Base, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

namespace {

// Logical dots per inch of the primary screen, read once; 96 without one.
double ScreenDpi() {
  static const double dpi = [] {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double d = screen ? screen->logicalDotsPerInchY() : 96.0;
    return d > 0 ? d : 96.0;
  }();
  return dpi;
}

// Device pixels per logical pixel of the primary screen, read once.
double ScreenPixelRatio() {
  static const double ratio = [] {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double r = screen ? screen->devicePixelRatio() : 1.0;
    return r > 0 ? r : 1.0;
  }();
  return ratio;
}

// The gothic face (IPAGothic) smoothed at 12 pixels (9 points at 96 dpi)
// draws the thin stems of its Latin letters between the pixels: the three
// stems of an "m" run together into a grey block. From 13 pixels on there is
// room for them, and drawn without grey levels, as the face's own table of
// sizes asks for at these sizes, they stand apart sharply. Its glyphs are not
// hinted: hinting would round the half-width cell of 6.5 pixels to 7, and
// the columns of half- and full-width text would no longer line up.
constexpr double GothicLeastPixels = 13.0;
constexpr double GothicSharpPixels = 13.5;

}  // namespace

// Whole pixels, as a window system places controls: the part of a pixel is
// dropped. At 96 dpi a multiple of 15 twips is an exact number of pixels.
int Tw(int twips) { return static_cast<int>(std::floor(twips * ScreenDpi() / 1440.0)); }

int PixelsToTwips(int pixels) {
  return static_cast<int>(std::lround(pixels * 1440.0 / ScreenDpi()));
}

void KeepOnScreen(QWidget* window) {
  // A window's place is that of its frame. Before it is first shown its
  // frame is not known yet: it is taken to be that of the window it
  // belongs to.
  QSize frameSize = window->frameGeometry().size();
  if (frameSize == window->size()) {
    if (const QWidget* owner = window->parentWidget()) {
      const QWidget* shown = owner->window();
      frameSize += shown->frameGeometry().size() - shown->size();
    }
  }
  const QRect frame(window->pos(), frameSize);
  const QScreen* screen = QGuiApplication::screenAt(frame.center());
  if (!screen) screen = window->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  auto keep = [](int at, int size, int start, int room) {
    return size >= room ? start : std::clamp(at, start, start + room - size);
  };
  const QPoint place(keep(frame.x(), frame.width(), area.x(), area.width()),
                     keep(frame.y(), frame.height(), area.y(), area.height()));
  if (place != frame.topLeft()) window->move(place);
}

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyPointer::~BusyPointer() { QApplication::restoreOverrideCursor(); }

QFont GothicFont(double pointSize, bool bold) {
  static const QString family = InstalledFamily(GothicFamily, GothicStandIns());
  QFont f(family);
  f.setBold(bold);
  // Japanese text needs no shaping, and the glyphs of this face look the
  // same hinted or not at these sizes; skipping both halves the cost of
  // laying out and drawing the first texts of every window.
  QFont::StyleStrategy strategy = QFont::PreferNoShaping;
  const double pixels = pointSize * ScreenDpi() / 72.0 * ScreenPixelRatio();
  if (pixels < GothicSharpPixels) {
    // 9 points are drawn as 9.75 at 96 dpi.
    f.setPointSizeF(std::max(pixels, GothicLeastPixels) * 72.0 / (ScreenDpi() * ScreenPixelRatio()));
    strategy = QFont::StyleStrategy(strategy | QFont::NoAntialias);
  } else {
    f.setPointSizeF(pointSize);
  }
  f.setStyleStrategy(strategy);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QFont ArialFont(double pointSize, bool bold) {
  static const QString family = InstalledFamily(ArialFamily, ArialStandIns());
  QFont f(family);
  f.setPointSizeF(pointSize);
  f.setBold(bold);
  return f;
}

QString ProgramVersion() {
  return QString::fromUtf8(TamriskVersion.data(), static_cast<qsizetype>(TamriskVersion.size()));
}

QString VersionCaption() { return FromUtf16(captions::VersionPrefix) + ProgramVersion(); }

}  // namespace tamrisk
