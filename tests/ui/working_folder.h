// For window tests that run in a folder of their own, and tests that change
// an environment variable: both are put back when the holder goes, also when
// a check fails and leaves the test early.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace tamrisk::testing {

// A new empty folder, made the current folder for as long as this lives;
// afterwards the folder that was current before is current again and the
// new one is removed.
class TemporaryWorkingFolder {
 public:
  TemporaryWorkingFolder() : entered_(dir_.isValid() && QDir::setCurrent(dir_.path())) {}
  ~TemporaryWorkingFolder() { QDir::setCurrent(previous_); }
  TemporaryWorkingFolder(const TemporaryWorkingFolder&) = delete;
  TemporaryWorkingFolder& operator=(const TemporaryWorkingFolder&) = delete;

  // Whether the folder was made and is the current folder.
  bool isValid() const { return entered_; }
  QString path() const { return dir_.path(); }
  QString filePath(const QString& name) const { return dir_.filePath(name); }

 private:
  // In this order: the current folder is read before it changes.
  const QString previous_ = QDir::currentPath();
  QTemporaryDir dir_;
  const bool entered_;
};

// An environment variable set to `value` for as long as this lives; then
// set again to what it was, or removed when it was not set.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~ScopedEnv() { restore(); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

  // Puts the variable back now rather than when this goes.
  void restore() {
    if (restored_) return;
    restored_ = true;
    if (wasSet_) qputenv(name_, old_);
    else qunsetenv(name_);
  }

 private:
  const char* name_;
  bool wasSet_;
  QByteArray old_;
  bool restored_ = false;
};

}  // namespace tamrisk::testing
