#include "ui/pictures.h"

#include <QLabel>

// Resources of a static library must be registered by hand.
static void RegisterPictures() { Q_INIT_RESOURCE(resources); }

namespace tamrisk {

namespace {

void EnsureRegistered() {
  static const bool done = [] {
    RegisterPictures();
    return true;
  }();
  (void)done;
}

}  // namespace

QIcon ProgramIcon() {
  EnsureRegistered();
  QIcon icon;
  icon.addFile(QStringLiteral(":/tamrisk/icons/tamrisk32.png"));
  icon.addFile(QStringLiteral(":/tamrisk/icons/tamrisk64.png"));
  icon.addFile(QStringLiteral(":/tamrisk/icons/tamrisk256.png"));
  return icon;
}

QIcon CopyIcon() {
  EnsureRegistered();
  return QIcon(QStringLiteral(":/tamrisk/icons/copy.png"));
}

QIcon CalculatorIcon() {
  EnsureRegistered();
  return QIcon(QStringLiteral(":/tamrisk/icons/calculator.png"));
}

QPixmap LogoPixmap() {
  EnsureRegistered();
  return QPixmap(QStringLiteral(":/tamrisk/icons/logo.png"));
}

void ShowLogo(QLabel* label) {
  label->setPixmap(LogoPixmap());
  label->setScaledContents(true);
}

}  // namespace tamrisk
