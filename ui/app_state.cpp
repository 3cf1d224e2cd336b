#include "ui/app_state.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include <cmath>

#include "engine/version.h"
#include "ui/captions.h"

namespace tamrisk {

namespace {

const QStringList& GothicStandIns() {
  static const QStringList names = {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                    QStringLiteral("Noto Sans CJK JP")};
  return names;
}

const QStringList& ArialStandIns() {
  static const QStringList names = {QStringLiteral("Liberation Sans"),
                                    QStringLiteral("DejaVu Sans")};
  return names;
}

// The face itself where it is installed, else its first installed stand-in.
// A font asked for by an installed name is found at once; a missing name
// costs the font matcher a failed search and a list of fallbacks for every
// size and weight the windows use.
QString InstalledFamily(const QString& family, const QStringList& standIns) {
  // The list of names is at hand once the font database is read; asking
  // for one name that is not installed would search the system for it.
  const QStringList installed = QFontDatabase::families();
  if (installed.contains(family)) return family;
  for (const QString& name : standIns)
    if (installed.contains(name)) return name;
  return family;
}

}  // namespace

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(GothicFamily, GothicStandIns());
  QFont::insertSubstitutions(ArialFamily, ArialStandIns());
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

}  // namespace

// Whole pixels, as a window system places controls: the part of a pixel is
// dropped. At 96 dpi a multiple of 15 twips is an exact number of pixels.
int Tw(int twips) { return static_cast<int>(std::floor(twips * ScreenDpi() / 1440.0)); }

int PixelsToTwips(int pixels) {
  return static_cast<int>(std::lround(pixels * 1440.0 / ScreenDpi()));
}

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyPointer::~BusyPointer() { QApplication::restoreOverrideCursor(); }

QFont GothicFont(double pointSize, bool bold) {
  static const QString family = InstalledFamily(GothicFamily, GothicStandIns());
  QFont f(family);
  f.setPointSizeF(pointSize);
  f.setBold(bold);
  // Japanese text needs no shaping, and the glyphs of this face look the
  // same hinted or not at these sizes; skipping both halves the cost of
  // laying out and drawing the first texts of every window.
  f.setStyleStrategy(QFont::PreferNoShaping);
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
