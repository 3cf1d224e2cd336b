// The system's font configuration, read ahead on a thread of its own.
//
// Reading the font configuration is the largest single step of the start-up:
// the configuration files of the system and the user are parsed before the
// first text can be measured. Nothing of it needs the display, so it can be
// read while the application object connects to the display and loads the
// platform's libraries, which mostly waits for the display server. The
// reading takes only processor time that would otherwise be idle, so that
// it never delays the display server's answers, and nobody waits for it:
// when it has ended by the time the first face is asked for, the font
// database finds the configuration read; when it has not (a busy machine
// leaves no processor idle), the font database reads the configuration
// itself at once, as it does without the reading ahead, and the font library
// keeps one of the two readings.
#pragma once

namespace tamrisk {

// Starts reading the font configuration ahead; called before the
// application object is made. Does not start when the environment holds a
// desktop's start-up notice (DESKTOP_STARTUP_ID, XDG_ACTIVATION_TOKEN): the
// display connection takes that out of the environment while it connects,
// and the reading reads the environment, so the two must not run at once.
// Returns whether the reading was started; without it (also when no thread
// can be started) the font database reads the configuration when it is
// first used.
bool ReadFontConfigurationAhead();

}  // namespace tamrisk
