#include "ui/app_state.h"

#include <QApplication>
#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace tamrisk {

void InstallFontSubstitutions() {
  QStringList gothic;
  gothic << QStringLiteral("IPAGothic") << QStringLiteral("IPAexGothic")
         << QStringLiteral("Noto Sans CJK JP");
  QFont::insertSubstitutions(GothicFamily, gothic);
  QStringList arial;
  arial << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
  QFont::insertSubstitutions(ArialFamily, arial);
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
  QFont f(GothicFamily);
  f.setPointSizeF(pointSize);
  f.setBold(bold);
  return f;
}

QFont ArialFont(double pointSize, bool bold) {
  QFont f(ArialFamily);
  f.setPointSizeF(pointSize);
  f.setBold(bold);
  return f;
}

}  // namespace tamrisk
