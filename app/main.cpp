// Tamrisk: starts the main window in the working directory and runs the
// event loop until the main window closes.
#include <QApplication>

#include "engine/version.h"
#include "ui/app_state.h"
#include "ui/application.h"
#include "ui/font_configuration.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  if (tamrisk::AnswerVersion(argc, argv)) return 0;
  // Read the font configuration while the application connects to the
  // display.
  tamrisk::ReadFontConfigurationAhead();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tamrisk"));
  QApplication::setApplicationVersion(tamrisk::ProgramVersion());
  tamrisk::PrepareApplication();

  tamrisk::MainWindow window;
  window.show();
  return QApplication::exec();
}
