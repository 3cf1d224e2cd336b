#include "ui/app_state.h"

#include <QStringList>

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
