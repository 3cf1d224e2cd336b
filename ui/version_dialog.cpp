#include "ui/version_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/app_state.h"
#include "ui/caption_fit.h"
#include "ui/captions.h"
#include "ui/pictures.h"

namespace tamrisk {

namespace {

QFrame* HorizontalLine(QWidget* parent, const QString& name, int x1, int y, int x2) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(Tw(x1), Tw(y) - 1, Tw(x2) - Tw(x1), 2);
  return line;
}

}  // namespace

VersionDialog::VersionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("VersionDialog"));
  setWindowTitle(QString::fromUtf16(captions::VersionTitle));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setFont(GothicFont(9));
  PaintWindow(this, WindowGrey);
  setFixedSize(Tw(5310), Tw(2730));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("Picture1"));
  icon->setGeometry(Tw(315), Tw(210), Tw(645), Tw(540));
  icon->setAlignment(Qt::AlignCenter);
  icon->setPixmap(ProgramIcon().pixmap(QSize(32, 32)));

  auto* name = new QLabel(QString::fromUtf16(captions::VersionLabel1Caption), this);
  name->setObjectName(QStringLiteral("Label1"));
  name->setTextFormat(Qt::PlainText);
  name->setFont(ArialFont(9.75));
  name->setGeometry(Tw(1155), Tw(315), Tw(2580), Tw(225));

  auto* version = new QLineEdit(this);
  version->setObjectName(QStringLiteral("Text2"));
  version->setReadOnly(true);
  version->setFrame(false);
  version->setFont(ArialFont(9.75));
  version->setFocusPolicy(Qt::ClickFocus);  // selectable, but no Tab stop
  QPalette textPal = version->palette();
  textPal.setColor(QPalette::Base, QColor(192, 192, 192));
  textPal.setColor(QPalette::Text, Qt::black);
  version->setPalette(textPal);
  version->setGeometry(Tw(3780), Tw(315), Tw(1275), Tw(330));

  HorizontalLine(this, QStringLiteral("Line1"), 240, 840, 5160);
  HorizontalLine(this, QStringLiteral("Line2"), 240, 1890, 5160);

  auto* ok = new QPushButton(QString::fromUtf16(captions::VersionCommand1Caption), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setFont(ArialFont(9));
  ok->setGeometry(Tw(3840), Tw(2100), Tw(1155), Tw(330));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("Picture2"));
  logo->setGeometry(Tw(2520), Tw(2235), Tw(1215), Tw(255));
  ShowLogo(logo);

  FitCaptions(this);
}

void VersionDialog::setVersionText(const QString& text) {
  findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(text);
}

QString VersionDialog::versionText() const {
  return findChild<QLineEdit*>(QStringLiteral("Text2"))->text();
}

void VersionDialog::openDialog() {
  findChild<QPushButton*>(QStringLiteral("Command1"))->setFocus();
  exec();
}

}  // namespace tamrisk
