// The version dialog: the program's icon, its name line and the version text.
#pragma once

#include <QDialog>

class QLineEdit;

namespace tamrisk {

class VersionDialog : public QDialog {
  Q_OBJECT

 public:
  explicit VersionDialog(QWidget* parent);

  // The version text is written once, by the main window at start-up; the
  // dialog is hidden, never rebuilt, so it keeps the text.
  void setVersionText(const QString& text);
  QString versionText() const;

  // Shows the dialog modal; OK and the close box hide it.
  void openDialog();
};

}  // namespace tamrisk
