// The help window: the topics of "readme.txt" in the data folder, one at a
// time, chosen with a column of topic buttons.
#pragma once

#include <QString>
#include <QWidget>

#include <array>

#include "ui/help_text.h"

class QPlainTextEdit;
class QPushButton;
class QLabel;

namespace tamrisk {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  HelpWindow(const QString& dataDir, QWidget* mainWindow);

  // Places the window beside the main window, reads the help file afresh
  // and shows the first topic; when the file cannot be read, shows an error
  // text that says why (not found, too many lines, too large) in a modal
  // window instead.
  void openHelp();

  // Reads "readme.txt" from the data folder into the topics. On failure
  // the topics of the last good reading stay and false is returned;
  // lastFailure() tells what went wrong.
  bool LoadHelpSections();
  HelpFailure lastFailure() const { return failure_; }

  const HelpSections& helpSections() const { return helpSections_; }
  QString helpFilePath() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showTopic(int topic);
  // Places the close button and the logo, and sizes the text, by the
  // window's height.
  void placeByHeight();
  void showAs(Qt::WindowModality modality);

  QString dataDir_;
  QWidget* mainWindow_;
  HelpSections helpSections_;
  HelpFailure failure_ = HelpFailure::NotFound;
  QPlainTextEdit* text1_;
  std::array<QPushButton*, HelpTopicCount> topicButtons_{};
  QPushButton* command1_;
  QLabel* picture1_;
  // Distances from the window's foot, in pixels: of the close button's top,
  // the logo's top and the text box's foot.
  int closeFromFoot_ = 0;
  int logoFromFoot_ = 0;
  int textFromFoot_ = 0;
};

}  // namespace tamrisk
