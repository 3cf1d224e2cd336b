// The system's font configuration, read ahead on a thread of its own.
//
// Reading the font configuration is the largest single step of the start-up:
// the configuration files of the system and the user are parsed before the
// first text can be measured. Nothing of it needs the display, so it can be
// read while the application object connects to the display and loads the
// platform's libraries, which mostly waits for the display server. The
// reading takes only processor time that would otherwise be idle, so that
// it never delays the display server's answers. The reader is made before
// the application object, and Finish() is called before the first face is
// asked for (PrepareApplication).
#pragma once

#include <thread>

namespace tamrisk {

class FontConfigurationReader {
 public:
  // Starts reading, unless the environment holds a desktop's start-up
  // notice (DESKTOP_STARTUP_ID, XDG_ACTIVATION_TOKEN): the display
  // connection takes that out of the environment while it connects, and the
  // reading reads the environment, so the two must not run at once. Without
  // a reader (also when no thread can be started) the font database reads
  // the configuration itself when it is first used.
  FontConfigurationReader();
  // Finishes, when Finish() has not been called.
  ~FontConfigurationReader();
  FontConfigurationReader(const FontConfigurationReader&) = delete;
  FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;

  // Ends the reader's part without ever waiting for it: the reading is
  // left to end on its own. When it has ended, the font database finds the
  // configuration read. When it has not (a busy machine leaves no processor
  // idle), the font database reads the configuration itself at once, as it
  // does without a reader, and the font library keeps one of the two
  // readings. May be called more than once.
  void Finish();

  // Whether the reading was started.
  bool Started() const { return started_; }

 private:
  std::thread thread_;
  bool started_ = false;
};

}  // namespace tamrisk
