// What the program sets up once, after the application object exists and
// before its first window: the faces, Qt's own texts in Japanese, the
// program icon and the style.
#pragma once

#include <QString>

namespace tamrisk {

// Everything below, in the order the program needs it.
void PrepareApplication();

// The faces: the installed stand-ins for the faces the windows name, and the
// gothic face for every window and for Qt's own texts.
void InstallProgramFonts();

// Qt's own texts (standard buttons, the file dialog, the context menus of
// the entries) in Japanese, whatever the machine's language: the whole
// interface is Japanese. Returns false when Qt's Japanese translation is not
// installed; Qt's texts then stay English.
bool InstallQtJapanese();

// The folder Qt's translations are read from.
QString QtTranslationsFolder();

}  // namespace tamrisk
