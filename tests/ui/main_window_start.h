// For tests of the main window: start it shown and active, find its
// controls by name, and where it stands when nothing placed it.
#pragma once

#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QTest>
#include <QWidget>

#include <memory>

#include "ui/main_window.h"
#include "ui/app_state.h"

namespace tamrisk::testing {

// A main window, shown and (when the platform allows it) active.
inline std::unique_ptr<MainWindow> StartMainWindow() {
  auto window = std::make_unique<MainWindow>();
  window->show();
  if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
  return window;
}

// The control of the window named `name`; a test without it cannot go on.
template <typename W>
W* Control(const QWidget* window, const char* name) {
  W* w = window->findChild<W*>(QString::fromLatin1(name));
  if (!w) qFatal("no control %s", name);
  return w;
}

// Where the main window stands when no settings place it: centred on the
// primary screen.
inline QPoint CentredMainWindow() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {static_cast<int>((static_cast<float>(screen.width()) - Tw(9660)) / 2.0f),
          static_cast<int>((static_cast<float>(screen.height()) - Tw(5715)) / 2.0f)};
}

}  // namespace tamrisk::testing
