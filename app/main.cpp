// Tamrisk: starts the main window in the working directory and runs the
// event loop until the main window closes.
#include <QApplication>

#include <cstdio>
#include <cstring>

#include "engine/version.h"
#include "ui/application.h"
#include "ui/font_configuration.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("tamrisk %.*s\n", static_cast<int>(tamrisk::TamriskVersion.size()),
                tamrisk::TamriskVersion.data());
    return 0;
  }
  // Read the font configuration while the application connects to the
  // display.
  tamrisk::ReadFontConfigurationAhead();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tamrisk"));
  QApplication::setApplicationVersion(QString::fromUtf8(
      tamrisk::TamriskVersion.data(), static_cast<qsizetype>(tamrisk::TamriskVersion.size())));
  tamrisk::PrepareApplication();

  tamrisk::MainWindow window;
  window.show();
  return QApplication::exec();
}
