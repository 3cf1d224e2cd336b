// Tamrisk: starts the main window in the working directory and runs the
// event loop until the main window closes.
#include <QApplication>

#include "ui/application.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tamrisk"));
  QApplication::setApplicationVersion(QStringLiteral("1.41"));
  tamrisk::PrepareApplication();

  tamrisk::MainWindow window;
  window.show();
  return QApplication::exec();
}
