// For tests that open a modal window: the window is caught when it opens,
// checked, and closed, so that the step that opened it returns.
#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace tamrisk::testing {

// Calls `check` with the next modal window that opens, then closes it.
// Returns a flag that turns true once that happened. The watch ends with
// `owner`.
inline std::shared_ptr<bool> OnNextModal(QObject* owner, std::function<void(QWidget*)> check) {
  auto seen = std::make_shared<bool>(false);
  auto* timer = new QTimer(owner);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, seen, check] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    timer->stop();
    check(modal);
    *seen = true;
    modal->close();
  });
  timer->start();
  return seen;
}

}  // namespace tamrisk::testing
