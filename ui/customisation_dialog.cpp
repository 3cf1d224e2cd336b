#include "ui/customisation_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "engine/catalogue.h"
#include "ui/pictures.h"

namespace tamrisk {

namespace {

// Unit positions (1..80) of the unit frame, row by row, columns left to
// right. Positions 75..80 are the spare boxes of the last column.
constexpr int UnitGrid[10][8] = {
    { 1,  8, 15, 20, 23, 32, 42, 71},
    { 2,  9, 16, 53, 24, 33, 43, 72},
    { 3, 10, 17, 62, 25, 34, 54, 73},
    { 4, 11, 52, 63, 26, 35, 64, 74},
    { 5, 12, 58, 44, 27, 36, 65, 75},
    {45, 13, 59, 50, 28, 37, 66, 76},
    {51, 46, 18, 21, 29, 38, 67, 77},
    {49, 47, 60, 22, 30, 39, 68, 78},
    { 6, 48, 61, 56, 55, 40, 69, 79},
    { 7, 14, 19, 57, 31, 41, 70, 80},
};
constexpr int UnitColumnLeft[8] = {240, 1080, 1920, 2760, 3600, 4440, 5280, 6120};
constexpr int UnitColumnWidth[8] = {735, 735, 735, 735, 735, 735, 735, 855};

constexpr int RowTop(int row) { return 360 + 240 * row; }  // row counted from 0

constexpr int FirstSpareBox = 95;  // check boxes 95..100: unit positions 75..80

}  // namespace

CustomisationDialog::CustomisationDialog(AppState& state, QWidget* mainWindow, std::function<void()> onOk)
    : QDialog(mainWindow), state_(state), mainWindow_(mainWindow), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("CustomisationDialog"));
  setWindowTitle(QStringLiteral("Tamriskカスタマイズ"));
  setFont(GothicFont(9));
  PaintWindow(this, WindowGrey);
  setFixedSize(Tw(9120), Tw(4260));
  setModal(true);

  auto* label1 = new QLabel(QStringLiteral("チェックした倍数および単位が使用可能となります。"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setGeometry(Tw(240), Tw(120), Tw(6015), Tw(255));

  auto* frame1 = new QGroupBox(QStringLiteral("倍数"), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  frame1->setGeometry(Tw(240), Tw(480), Tw(1485), Tw(2895));

  auto* frame2 = new QGroupBox(QStringLiteral("単位"), this);
  frame2->setObjectName(QStringLiteral("Frame2"));
  frame2->setGeometry(Tw(1800), Tw(480), Tw(7095), Tw(2895));

  auto makeBox = [this](int n, QWidget* frame, const QString& caption, int left, int top,
                        int width) {
    auto* box = new QCheckBox(caption, frame);
    box->setObjectName(QStringLiteral("Check%1").arg(n));
    box->setGeometry(Tw(left), Tw(top), Tw(width), Tw(255));
    boxes_[n - 1] = box;
  };

  // Prefixes: y..d in the left column, da..Y in the right one.
  for (int i = 0; i < 20; ++i)
    makeBox(i + 1, frame1, FromUtf8(PrefixCatalogue[i].text), i < 10 ? 240 : 840, RowTop(i % 10), 495);

  for (int row = 0; row < 10; ++row) {
    for (int col = 0; col < 8; ++col) {
      const int position = UnitGrid[row][col];
      makeBox(20 + position, frame2, FromUtf8(UnitCatalogue[position - 1]), UnitColumnLeft[col],
              RowTop(row), UnitColumnWidth[col]);
    }
  }
  // The spare positions have no unit and are not offered.
  for (int n = FirstSpareBox; n <= 100; ++n) boxes_[n - 1]->hide();

  // Tab order follows the box numbers.
  for (int n = 1; n < 100; ++n) QWidget::setTabOrder(boxes_[n - 1], boxes_[n]);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setFont(ArialFont(9));
  ok->setGeometry(Tw(3360), Tw(3720), Tw(1095), Tw(375));
  connect(ok, &QPushButton::clicked, this, &CustomisationDialog::acceptMasks);

  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Command2"));
  cancel->setFont(ArialFont(9));
  cancel->setGeometry(Tw(4680), Tw(3720), Tw(1095), Tw(375));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* picture1 = new QLabel(this);
  picture1->setObjectName(QStringLiteral("Picture1"));
  picture1->setGeometry(Tw(240), Tw(3840), Tw(1215), Tw(375));
  ShowLogo(picture1);
}

void CustomisationDialog::tick(int n) {
  if (n >= 1 && n <= 100) boxes_[n - 1]->setChecked(true);
}

bool CustomisationDialog::isTicked(int n) const {
  return n >= 1 && n <= 100 && boxes_[n - 1]->isChecked();
}

void CustomisationDialog::openDialog() {
  if (mainWindow_) move(mainWindow_->x() + Tw(1200), mainWindow_->y() + Tw(600));
  exec();
}

void CustomisationDialog::acceptMasks() {
  QString prefixMask;
  QString unitMask;
  for (int n = 1; n <= 20; ++n) prefixMask += isTicked(n) ? QLatin1Char('1') : QLatin1Char('0');
  for (int n = 21; n <= 100; ++n) unitMask += isTicked(n) ? QLatin1Char('1') : QLatin1Char('0');
  state_.prefixMask = prefixMask;
  state_.unitMask = unitMask;
  accept();  // hides the dialog
  if (onOk_) onOk_();
}

void CustomisationDialog::closeEvent(QCloseEvent* event) {
  // The close box is Cancel: hide, and the boxes keep their states.
  reject();
  event->accept();
}

}  // namespace tamrisk
