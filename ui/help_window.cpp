#include "ui/help_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

#include <algorithm>

#include "ui/app_state.h"
#include "ui/caption_fit.h"
#include "ui/captions.h"
#include "ui/pictures.h"

namespace tamrisk {

namespace {

// The limits the error texts name: 1000 lines and 1MB.
static_assert(MaxHelpLines == 1000, "HelpTooManyLinesText names 1000 lines");
static_assert(MaxHelpBytes == 1024 * 1024, "HelpTooLargeText names 1MB");

// Client area when first created, in twips.
constexpr int ClientWidth = 8940;
constexpr int ClientHeight = 4560;

}  // namespace

HelpWindow::HelpWindow(const QString& dataDir, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), dataDir_(dataDir), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Tamriskヘルプ"));
  setFont(GothicFont(9));
  PaintWindowAndText(this, WindowGrey);

  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setReadOnly(true);
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text1_->setGeometry(Tw(105), Tw(210), Tw(7365), Tw(3750));
  PaintWindowAndText(text1_->viewport(), QColor(224, 224, 224));
  PaintWindowAndText(text1_, QColor(224, 224, 224));

  for (int t = 0; t < HelpTopicCount; ++t) {
    auto* button = new QPushButton(QString::fromUtf8(HelpTopics[t].caption), this);
    button->setObjectName(QString::fromLatin1(HelpTopics[t].buttonName));
    connect(button, &QPushButton::clicked, this, [this, t] { showTopic(t); });
    topicButtons_[t] = button;
  }
  // One below the other, 300 high at steps of 315 twips; buttons that need
  // more height for their captions keep the designed gap between them.
  int buttonHeight = Tw(300);
  for (QPushButton* button : topicButtons_)
    buttonHeight = std::max(buttonHeight, CaptionSize(button).height());
  const int gap = std::max(1, Tw(315 - 300));
  const int step = buttonHeight + gap;
  for (int t = 0; t < HelpTopicCount; ++t)
    topicButtons_[t]->setGeometry(Tw(7560), Tw(210) + t * step, Tw(1275), buttonHeight);

  command1_ = new QPushButton(QStringLiteral("閉じる"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(Tw(7560), Tw(4095), Tw(1275), Tw(300));
  connect(command1_, &QPushButton::clicked, this, &QWidget::hide);

  picture1_ = new QLabel(this);
  picture1_->setObjectName(QStringLiteral("Picture1"));
  picture1_->setGeometry(Tw(120), Tw(4140), Tw(1215), Tw(375));
  ShowLogo(picture1_);

  // Sizable in height only.
  setFixedWidth(Tw(ClientWidth));
  resize(Tw(ClientWidth), Tw(ClientHeight));
  FitCaptions(this);

  // The close button, the logo and the foot of the text keep their
  // distances from the window's foot as the height changes. The close
  // button keeps the topic buttons' gap below the last of them, and room
  // for its own height: where the captions need taller buttons than
  // designed, the window's least height grows instead.
  command1_->setGeometry(command1_->x(), command1_->y(), command1_->width(),
                         std::max(command1_->height(), buttonHeight));
  const int designHeight = Tw(ClientHeight);
  closeFromFoot_ = std::max(designHeight - Tw(4095), command1_->height());
  logoFromFoot_ = designHeight - Tw(4140);
  textFromFoot_ = designHeight - (Tw(210) + Tw(3750));
  const int lastTopicFoot = topicButtons_.back()->geometry().bottom() + 1;
  setMinimumHeight(std::max(designHeight, lastTopicFoot + gap + closeFromFoot_));
  resize(width(), minimumHeight());
  placeByHeight();
}

QString HelpWindow::helpFilePath() const {
  if (dataDir_.isEmpty()) return QString();  // no data folder: no help text
  QString dir = dataDir_;
  if (!dir.endsWith(QLatin1Char('/')) && !dir.endsWith(QLatin1Char('\\')))
    dir += QLatin1Char('/');
  return dir + QStringLiteral("readme.txt");
}

bool HelpWindow::LoadHelpSections() {
  auto sections = ReadHelpSections(helpFilePath(), &failure_);
  if (!sections) return false;
  helpSections_ = std::move(*sections);
  return true;
}

void HelpWindow::openHelp() {
  if (mainWindow_) move(mainWindow_->x() + Tw(500), mainWindow_->y() + Tw(1000));
  KeepOnScreen(this);
  if (LoadHelpSections()) {
    showTopic(0);
    showAs(Qt::NonModal);
  } else {
    switch (failure_) {
      case HelpFailure::NotFound: text1_->setPlainText(FromUtf16(captions::HelpNotFoundText)); break;
      case HelpFailure::TooManyLines: text1_->setPlainText(FromUtf16(captions::HelpTooManyLinesText)); break;
      case HelpFailure::TooLarge: text1_->setPlainText(FromUtf16(captions::HelpTooLargeText)); break;
    }
    showAs(Qt::ApplicationModal);
  }
}

void HelpWindow::showTopic(int topic) { text1_->setPlainText(ShownHelpText(helpSections_[topic])); }

void HelpWindow::showAs(Qt::WindowModality modality) {
  // The modality of a window takes effect when it is shown, so a window
  // already open without it is shown again.
  if (windowModality() != modality) {
    if (isVisible()) hide();
    setWindowModality(modality);
  }
  show();
  raise();
  activateWindow();
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Maximised too: the text grows with the window.
  if (windowState() & Qt::WindowMinimized) return;
  placeByHeight();
}

void HelpWindow::placeByHeight() {
  // The fixed width and the least height are kept by the window's limits.
  const int h = height();
  picture1_->move(picture1_->x(), h - logoFromFoot_);
  command1_->move(command1_->x(), h - closeFromFoot_);
  text1_->resize(text1_->width(), h - textFromFoot_ - text1_->y());
}

}  // namespace tamrisk
