#include "ui/pictures.h"

#include <QImage>
#include <QResource>
#include <QtEndian>
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

// The pictures are kept as their pixels: the width and the height as 32-bit
// little-endian numbers, then the rows of premultiplied red, green, blue and
// alpha bytes. The image uses the resource's bytes in place: nothing is
// decoded at start-up, and no image format plugin is looked for.
QImage Picture(const QString& name) {
  EnsureRegistered();
  const QResource resource(QStringLiteral(":/tamrisk/icons/") + name);
  const auto* bytes = resource.data();
  if (!bytes || resource.compressionAlgorithm() != QResource::NoCompression ||
      resource.size() < 8) {
    return {};
  }
  const quint32 width = qFromLittleEndian<quint32>(bytes);
  const quint32 height = qFromLittleEndian<quint32>(bytes + 4);
  if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
      resource.size() != 8 + qint64(width) * height * 4) {
    return {};
  }
  return QImage(bytes + 8, static_cast<int>(width), static_cast<int>(height),
                static_cast<qsizetype>(width) * 4, QImage::Format_RGBA8888_Premultiplied);
}

}  // namespace

QIcon ProgramIcon() {
  // Decoded once; images, unlike pixmaps, may outlive the application
  // object. A window hands every size of its icon to the window system when
  // it is shown, so the icon carries just the sizes a title bar and a task
  // bar use, at single and at double scale.
  static const QImage small = Picture(QStringLiteral("tamrisk32.rgba"));
  static const QImage large = Picture(QStringLiteral("tamrisk64.rgba"));
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(small));
  icon.addPixmap(QPixmap::fromImage(large));
  return icon;
}

QIcon CopyIcon() {
  static const QImage image = Picture(QStringLiteral("copy.rgba"));
  return QIcon(QPixmap::fromImage(image));
}

QIcon CalculatorIcon() {
  static const QImage image = Picture(QStringLiteral("calculator.rgba"));
  return QIcon(QPixmap::fromImage(image));
}

QPixmap LogoPixmap() {
  static const QImage logo = Picture(QStringLiteral("logo.rgba"));
  return QPixmap::fromImage(logo);
}

void ShowLogo(QLabel* label) {
  label->setPixmap(LogoPixmap());
  label->setScaledContents(true);
}

}  // namespace tamrisk
