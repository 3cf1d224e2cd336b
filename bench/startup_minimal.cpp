// The smallest Qt window program: one label. The start-up measurement runs
// it beside Tamrisk as the yardstick of what any Qt window costs here.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Tamrisk"));
  label.show();
  return QApplication::exec();
}
