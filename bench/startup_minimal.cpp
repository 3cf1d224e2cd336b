// The smallest Qt window program: one label. The start-up measurement runs
// it beside Tamrisk as the yardstick of what any Qt window costs here. Given
// a size (WIDTHxHEIGHT in pixels), the label is shown at that size, which
// tells what a window of the main window's area costs with nothing in it.
#include <QApplication>
#include <QLabel>
#include <QStringList>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Tamrisk"));
  if (argc == 2) {
    const QStringList size = QString::fromLocal8Bit(argv[1]).split(u'x');
    // Laid out first, as when shown at its own size: the fonts are read
    // before the window is mapped, in both cases.
    label.adjustSize();
    if (size.size() == 2) label.resize(size[0].toInt(), size[1].toInt());
  }
  label.show();
  return QApplication::exec();
}
