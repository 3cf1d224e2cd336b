// Tamrisk: starts the main window in the working directory and runs the
// event loop until the main window closes.
#include <QApplication>
#include <QToolTip>

#include "ui/app_state.h"
#include "ui/main_window.h"
#include "ui/pictures.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tamrisk"));
  QApplication::setApplicationVersion(QStringLiteral("1.41"));
  tamrisk::InstallFontSubstitutions();
  QToolTip::setFont(tamrisk::GothicFont(9));
  QApplication::setWindowIcon(tamrisk::ProgramIcon());

  tamrisk::MainWindow window;
  window.show();
  return QApplication::exec();
}
