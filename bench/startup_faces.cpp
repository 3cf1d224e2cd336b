// The main window's faces and nothing else: one label in each face the main
// window draws (the gothic face at 9 point, Arial at 9 point for the clear
// and help buttons, the gothic face at 15.75 point bold for 計算), set up as
// the program sets up its fonts. The start-up measurement runs it beside the
// minimal window to show what those faces alone cost, before any control.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include "ui/app_state.h"
#include "ui/application.h"
#include "ui/captions.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tamrisk::InstallProgramFonts();

  QWidget window;
  auto label = [&window](const char16_t* caption, const QFont& font, int top) {
    auto* l = new QLabel(tamrisk::FromUtf16(caption), &window);
    l->setFont(font);
    l->move(0, top);
  };
  label(tamrisk::captions::Label1_0Caption, tamrisk::GothicFont(9), 0);
  label(tamrisk::captions::Param1HelpCaption, tamrisk::ArialFont(9), 20);
  label(tamrisk::captions::GoCalculateCaption, tamrisk::GothicFont(15.75, true), 40);
  window.show();
  return QApplication::exec();
}
