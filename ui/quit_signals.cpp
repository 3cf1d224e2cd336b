#include "ui/quit_signals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace tamrisk {

namespace {

// The pipe the handler writes to. It is made once and never closed: the
// handler may run at any moment, also while the program ends, and must never
// write into a file that has taken the number of a closed end.
int wakePipe[2] = {-1, -1};

bool MakeWakePipe() {
  static const bool made = pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) == 0;
  return made;
}

void DrainWakePipe() {
  char bytes[64];
  while (read(wakePipe[0], bytes, sizeof bytes) > 0) {
  }
}

extern "C" void OnQuitSignal(int) {
  const int saved = errno;
  const char byte = 1;
  // When the pipe is full, a byte in it wakes the event loop already.
  [[maybe_unused]] const ssize_t written = write(wakePipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

QuitOnSignals::QuitOnSignals(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {
  if (!MakeWakePipe()) return;
  // A byte written for an earlier object is no signal for this one.
  DrainWakePipe();
  notifier_ = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    DrainWakePipe();
    quit_();
  });
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  // One handler at a time; system calls it interrupts go on.
  sigfillset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    struct sigaction old {};
    if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    sigaction(signal, &action, nullptr);
  }
}

}  // namespace tamrisk
