// Draws the program's icons and logo into the picture files the program
// reads (see ui/pictures.cpp for the format), and the icon into the PNG files
// the installation puts in the desktop's icon theme, and the page's icons.
// Not part of the build; run it once when a picture changes:
//   g++ -std=c++20 -fPIC draw_icons.cpp $(pkg-config --cflags --libs Qt6Gui) -o draw_icons
//   QT_QPA_PLATFORM=offscreen ./draw_icons ui/icons web/icons
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

namespace {

QImage Canvas(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A pocket calculator filling the rectangle: body, display, 4 x 4 keys.
void DrawCalculator(QPainter& p, const QRectF& r) {
  const qreal u = r.width() / 16.0;
  p.setPen(QPen(QColor(40, 40, 48), u * 0.6));
  QLinearGradient body(r.topLeft(), r.bottomRight());
  body.setColorAt(0, QColor(96, 100, 112));
  body.setColorAt(1, QColor(52, 54, 64));
  p.setBrush(body);
  p.drawRoundedRect(r, u * 1.5, u * 1.5);
  const QRectF display(r.left() + u * 2, r.top() + u * 2, r.width() - u * 4, r.height() * 0.22);
  p.setPen(QPen(QColor(30, 40, 30), u * 0.4));
  p.setBrush(QColor(168, 214, 160));
  p.drawRect(display);
  p.setPen(QPen(QColor(30, 60, 30), u * 0.7));
  for (int i = 0; i < 3; ++i) {
    const qreal x = display.right() - u * (1.6 + i * 2.2);
    p.drawLine(QPointF(x, display.top() + u * 1.0), QPointF(x, display.bottom() - u * 1.0));
  }
  const qreal top = display.bottom() + u * 1.6;
  const qreal keyArea = r.bottom() - u * 1.6 - top;
  const qreal kw = (r.width() - u * 4 - u * 3 * 0.9) / 4;
  const qreal kh = (keyArea - u * 3 * 0.9) / 4;
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      const bool op = col == 3;
      p.setBrush(op ? QColor(236, 140, 60) : QColor(232, 232, 236));
      p.drawRoundedRect(QRectF(r.left() + u * 2 + col * (kw + u * 0.9),
                               top + row * (kh + u * 0.9), kw, kh),
                        u * 0.5, u * 0.5);
    }
  }
}

// A sheet of paper with a folded corner and a few text lines.
void DrawPage(QPainter& p, const QRectF& r, const QColor& fill) {
  const qreal fold = r.width() * 0.3;
  QPainterPath path;
  path.moveTo(r.topLeft());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.bottomRight());
  path.lineTo(r.bottomLeft());
  path.closeSubpath();
  p.setPen(QPen(QColor(40, 60, 110), r.width() / 14.0));
  p.setBrush(fill);
  p.drawPath(path);
  QPainterPath corner;
  corner.moveTo(r.right() - fold, r.top());
  corner.lineTo(r.right() - fold, r.top() + fold);
  corner.lineTo(r.right(), r.top() + fold);
  p.setBrush(QColor(200, 208, 224));
  p.drawPath(corner);
  p.setPen(QPen(QColor(90, 110, 160), r.width() / 18.0));
  for (int i = 0; i < 4; ++i) {
    const qreal y = r.top() + fold + r.height() * 0.12 * (i + 1);
    if (y > r.bottom() - r.height() * 0.08) break;
    p.drawLine(QPointF(r.left() + r.width() * 0.18, y),
               QPointF(r.right() - r.width() * 0.18, y));
  }
}

QImage WindowIcon(int size) {
  QImage image = Canvas(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size / 64.0;
  // An open book: two pages meeting at the spine.
  for (int side = 0; side < 2; ++side) {
    QPainterPath page;
    const qreal dir = side == 0 ? -1 : 1;
    const qreal spine = 30 * s;
    page.moveTo(spine, 14 * s);
    page.cubicTo(spine + dir * 8 * s, 8 * s, spine + dir * 20 * s, 8 * s, spine + dir * 27 * s, 10 * s);
    page.lineTo(spine + dir * 27 * s, 48 * s);
    page.cubicTo(spine + dir * 20 * s, 46 * s, spine + dir * 8 * s, 46 * s, spine, 52 * s);
    page.closeSubpath();
    p.setPen(QPen(QColor(30, 50, 120), 2 * s));
    p.setBrush(QColor(250, 250, 240));
    p.drawPath(page);
    p.setPen(QPen(QColor(110, 130, 180), 1.6 * s));
    for (int i = 0; i < 5; ++i) {
      const qreal y = 18 * s + i * 6 * s;
      p.drawLine(QPointF(spine + dir * 5 * s, y), QPointF(spine + dir * 22 * s, y - 1.5 * s));
    }
  }
  // A calculator in front of the right page.
  DrawCalculator(p, QRectF(36 * s, 26 * s, 25 * s, 35 * s));
  return image;
}

QImage CopyIcon(int size) {
  QImage image = Canvas(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size / 20.0;
  DrawPage(p, QRectF(2 * s, 1.5 * s, 10 * s, 13 * s), QColor(236, 240, 250));
  DrawPage(p, QRectF(8 * s, 5.5 * s, 10 * s, 13 * s), QColor(255, 255, 255));
  return image;
}

QImage CalculatorIcon(int size) {
  QImage image = Canvas(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size / 20.0;
  DrawCalculator(p, QRectF(3.5 * s, 1 * s, 13 * s, 18 * s));
  return image;
}

// The name in a slanted bold face on a band that fades from blue.
QImage Logo(int width, int height) {
  QImage image = Canvas(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient band(0, 0, width, 0);
  band.setColorAt(0, QColor(0, 0, 160));
  band.setColorAt(1, QColor(0, 0, 160, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  p.drawRect(QRectF(0, height * 0.78, width, height * 0.12));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(static_cast<int>(height * 0.72));
  font.setBold(true);
  font.setItalic(true);
  p.setFont(font);
  p.setPen(QColor(160, 0, 0));
  p.drawText(QRectF(height * 0.08, height * 0.06, width, height * 0.72), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("T"));
  const qreal tWidth = QFontMetricsF(font).horizontalAdvance(QStringLiteral("T"));
  p.setPen(QColor(0, 0, 128));
  p.drawText(QRectF(height * 0.08 + tWidth, height * 0.06, width, height * 0.72),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("amrisk"));
  return image;
}

// The icon on an opaque square of the window's grey, inside the middle 70 %,
// for platforms that cut an app icon to their own shape.
QImage MaskableIcon(int size) {
  QImage image = Canvas(size, size);
  image.fill(QColor(192, 192, 192));
  QPainter p(&image);
  const int inner = size * 7 / 10;
  p.drawImage(QPoint((size - inner) / 2, (size - inner) / 2), WindowIcon(inner));
  return image;
}

// The program's picture format: width and height as 32-bit little-endian
// numbers, then the rows as premultiplied R, G, B, A bytes.
void Save(const QImage& picture, const QDir& out, const QString& name) {
  const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
  QFile file(out.filePath(name + QStringLiteral(".rgba")));
  if (!file.open(QIODevice::WriteOnly)) return;
  uchar head[8];
  qToLittleEndian<quint32>(static_cast<quint32>(rgba.width()), head);
  qToLittleEndian<quint32>(static_cast<quint32>(rgba.height()), head + 4);
  file.write(reinterpret_cast<const char*>(head), sizeof head);
  for (int y = 0; y < rgba.height(); ++y)
    file.write(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  // The desktop menu takes the icon in every usual size, as PNG files.
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    WindowIcon(size).save(out.filePath(QStringLiteral("tamrisk%1.png").arg(size)));
  }
  // The program's own pictures; its windows use the icon at 32 and 64.
  Save(WindowIcon(32), out, QStringLiteral("tamrisk32"));
  Save(WindowIcon(64), out, QStringLiteral("tamrisk64"));
  Save(CopyIcon(40), out, QStringLiteral("copy"));
  Save(CalculatorIcon(40), out, QStringLiteral("calculator"));
  Save(Logo(162, 40), out, QStringLiteral("logo"));
  // The page: its own icon sizes and the installed app's icons.
  if (argc > 2) {
    const QDir page(QString::fromLocal8Bit(argv[2]));
    for (int size : {32, 64, 192, 512}) {
      WindowIcon(size).save(page.filePath(QStringLiteral("tamrisk%1.png").arg(size)));
    }
    MaskableIcon(512).save(page.filePath(QStringLiteral("tamrisk-maskable512.png")));
  }
  return 0;
}
