// Tamrisk: starts the main window in the working directory and runs the
// event loop until the main window closes, or a signal ends the program.
#include <QApplication>

#include "engine/version.h"
#include "ui/app_state.h"
#include "ui/application.h"
#include "ui/font_configuration.h"
#include "ui/main_window.h"
#include "ui/quit_signals.h"

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
  // kill, a closed terminal, a desktop's logout and Ctrl+C end the program
  // as its exit menu item does, saving the settings. A further signal once
  // the program ends (a note may still be open) ends it at once.
  tamrisk::QuitOnSignals quitOnSignals([&window] {
    if (window.ending()) QApplication::quit();
    else window.EndProgram();
  });
  window.show();
  return QApplication::exec();
}
