#include "ui/app_state.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QStringList>
#include <QWidget>

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

}  // namespace tamrisk
