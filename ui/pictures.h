// The program's own pictures: the window icon (an open book and a
// calculator), the tool button icons and the small logo.
#pragma once

#include <QIcon>
#include <QPixmap>

class QLabel;

namespace tamrisk {

QIcon ProgramIcon();     // open book and calculator
QIcon CopyIcon();        // two overlapping pages
QIcon CalculatorIcon();  // a pocket calculator
QPixmap LogoPixmap();    // the name "Tamrisk" on a fading band

// A picture label showing the logo scaled into `label`'s size.
void ShowLogo(QLabel* label);

}  // namespace tamrisk
