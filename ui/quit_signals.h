// SIGTERM, SIGHUP and SIGINT as the normal end of the program.
//
// kill, a terminal that is closed, a desktop that logs the user out and
// Ctrl+C end a program with one of these signals, by default at once: the
// settings changed since the start would be lost. Here the signal handler
// does nothing but write a byte to a pipe; the event loop sees the byte
// through a socket notifier and ends the program there, as the exit menu
// item does. A signal that arrives while the program saves only writes its
// byte: the save runs to its end, and the byte is read once it has.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tamrisk {

class QuitOnSignals : public QObject {
 public:
  // Handles the three signals from now on, for the rest of the process (a
  // signal the process was started ignoring, as nohup ignores SIGHUP, stays
  // ignored). While this object lives, `quit` is called on the event loop
  // after each signal, or once for signals that arrive together; afterwards
  // the signals are taken and dropped.
  explicit QuitOnSignals(std::function<void()> quit, QObject* parent = nullptr);

 private:
  std::function<void()> quit_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tamrisk
