#include "ui/app_state.h"

namespace tamrisk {

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(GothicFamily, {QStringLiteral("IPAGothic"),
                                            QStringLiteral("IPAexGothic"),
                                            QStringLiteral("Noto Sans CJK JP")});
  QFont::insertSubstitutions(ArialFamily, {QStringLiteral("Liberation Sans"),
                                           QStringLiteral("DejaVu Sans")});
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
