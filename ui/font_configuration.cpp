#include "ui/font_configuration.h"

#include <fontconfig/fontconfig.h>
#include <locale.h>
#include <pthread.h>
#include <sched.h>

#include <cstdlib>
#include <system_error>
#include <thread>

namespace tamrisk {

bool ReadFontConfigurationAhead() {
  if (std::getenv("DESKTOP_STARTUP_ID") != nullptr || std::getenv("XDG_ACTIVATION_TOKEN") != nullptr)
    return false;
  try {
    // Nobody ever waits for the thread, not even to join it, so its low
    // priority can delay nothing else; it uses nothing but the font
    // library's own state, so it may outlive the program.
    std::thread([] {
      // Only on a processor that would otherwise be idle: while the
      // application connects, the display server answers its requests, and
      // on a machine with two processors it must not wait for this thread.
      sched_param idle{};
      pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
      // The application sets the process's locale while it starts; the
      // reading keeps a locale of its own meanwhile. Numbers in the
      // configuration files are read alike in every locale.
      const locale_t plain = newlocale(LC_ALL_MASK, "C", nullptr);
      if (plain != nullptr) uselocale(plain);
      // FcInit makes the configuration the process's current one; the font
      // database's own FcInit then returns at once.
      FcInit();
      if (plain != nullptr) {
        uselocale(LC_GLOBAL_LOCALE);
        freelocale(plain);
      }
    }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

}  // namespace tamrisk
