#include "ui/customisation_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <initializer_list>

#include "engine/catalogue.h"
#include "engine/unit_lists.h"
#include "ui/caption_fit.h"
#include "ui/captions.h"
#include "ui/pictures.h"

namespace tamrisk {

namespace {

// The design of the two frames, in twips: column lefts and widths inside the
// frame, the top of the first row and the step from row to row.
constexpr int PrefixColumnLeft[2] = {240, 840};
constexpr int PrefixColumnWidth[2] = {495, 495};
constexpr int UnitColumnLeft[8] = {240, 1080, 1920, 2760, 3600, 4440, 5280, 6120};
constexpr int UnitColumnWidth[8] = {735, 735, 735, 735, 735, 735, 735, 855};
constexpr int FirstRowTop = 360;
constexpr int RowStep = 240;
constexpr int BoxHeight = 255;
// The least room between a box's caption and the next column.
constexpr int ColumnGap = 30;

// Places a grid of check boxes (`columns[c][r]`, null where there is none)
// inside its frame at the designed columns and rows; a column widens, and
// those right of it move, where a caption needs more room, and the rows
// move apart where a box needs more height than the designed step. Returns
// the room the boxes take: their right and bottom edges.
template <size_t Columns>
QSize PlaceGrid(const std::array<std::array<QCheckBox*, 10>, Columns>& columns,
                const int (&designLeft)[Columns], const int (&designWidth)[Columns]) {
  int height = Tw(BoxHeight);
  for (const auto& column : columns)
    for (QCheckBox* box : column)
      if (box) height = std::max(height, CaptionSize(box).height());
  const int step = std::max(Tw(RowStep), height);

  int right = 0;
  int previousRight = 0;
  for (size_t c = 0; c < Columns; ++c) {
    int width = Tw(designWidth[c]);
    for (QCheckBox* box : columns[c])
      if (box && !box->isHidden()) width = std::max(width, CaptionSize(box).width());
    const int left = c == 0 ? Tw(designLeft[0])
                            : std::max(Tw(designLeft[c]), previousRight + Tw(ColumnGap));
    for (size_t r = 0; r < 10; ++r)
      if (QCheckBox* box = columns[c][r])
        box->setGeometry(left, Tw(FirstRowTop) + static_cast<int>(r) * step, width, height);
    previousRight = left + width;
    right = std::max(right, previousRight);
  }
  return {right, Tw(FirstRowTop) + 9 * step + height};
}

}  // namespace

CustomisationDialog::CustomisationDialog(AppState& state, QWidget* mainWindow, std::function<void()> onOk)
    : QDialog(mainWindow), state_(state), mainWindow_(mainWindow), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("CustomisationDialog"));
  setWindowTitle(FromUtf16(captions::CustomisationTitle));
  setFont(GothicFont(9));
  PaintWindow(this, WindowGrey);
  setFixedSize(Tw(9120), Tw(4260));
  setModal(true);

  auto* label1 = new QLabel(FromUtf16(captions::CustomisationLabel1Caption), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setTextFormat(Qt::PlainText);
  label1->setGeometry(Tw(240), Tw(120), Tw(6015), Tw(255));

  auto* frame1 = new QGroupBox(FromUtf16(captions::CustomisationFrame1Caption), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  frame1->setGeometry(Tw(240), Tw(480), Tw(1485), Tw(2895));

  auto* frame2 = new QGroupBox(FromUtf16(captions::CustomisationFrame2Caption), this);
  frame2->setObjectName(QStringLiteral("Frame2"));
  frame2->setGeometry(Tw(1800), Tw(480), Tw(7095), Tw(2895));

  auto makeBox = [this](int n, QWidget* frame, const QString& caption) {
    auto* box = new QCheckBox(caption, frame);
    box->setObjectName(QStringLiteral("Check%1").arg(n));
    boxes_[n - 1] = box;
    return box;
  };

  // Prefixes: y..d in the left column, da..Y in the right one.
  std::array<std::array<QCheckBox*, 10>, 2> prefixColumns{};
  for (int i = 0; i < 20; ++i)
    prefixColumns[i / 10][i % 10] = makeBox(i + 1, frame1, FromUtf8(PrefixCatalogue[i].text));

  std::array<std::array<QCheckBox*, 10>, 8> unitColumns{};
  for (int row = 0; row < UnitBoxRows; ++row) {
    for (int col = 0; col < UnitBoxColumns; ++col) {
      const int position = UnitBoxGrid[row][col];
      unitColumns[col][row] =
          makeBox(20 + position, frame2, FromUtf8(UnitCatalogue[position - 1]));
    }
  }
  // The spare positions have no unit and are not offered.
  for (int n = PrefixBoxCount + FirstSpareUnitPosition; n <= CheckBoxCount; ++n)
    boxes_[n - 1]->hide();

  // Tab order follows the box numbers.
  for (int n = 1; n < 100; ++n) QWidget::setTabOrder(boxes_[n - 1], boxes_[n]);

  auto* ok = new QPushButton(FromUtf16(captions::CustomisationCommand1Caption), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setFont(ArialFont(9));
  ok->setGeometry(Tw(3360), Tw(3720), Tw(1095), Tw(375));
  connect(ok, &QPushButton::clicked, this, &CustomisationDialog::acceptMasks);

  auto* cancel = new QPushButton(FromUtf16(captions::CustomisationCommand2Caption), this);
  cancel->setObjectName(QStringLiteral("Command2"));
  cancel->setFont(ArialFont(9));
  cancel->setGeometry(Tw(4680), Tw(3720), Tw(1095), Tw(375));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* picture1 = new QLabel(this);
  picture1->setObjectName(QStringLiteral("Picture1"));
  picture1->setGeometry(Tw(240), Tw(3840), Tw(1215), Tw(375));
  ShowLogo(picture1);

  // The frames hold their grids with the designed margins, growing where
  // the boxes need more room; what lies right of or below a frame moves
  // with it, and the dialog grows by as much.
  const QSize prefixRoom = PlaceGrid(prefixColumns, PrefixColumnLeft, PrefixColumnWidth);
  const QSize unitRoom = PlaceGrid(unitColumns, UnitColumnLeft, UnitColumnWidth);
  const int frameTop = Tw(480);
  const int frameHeight =
      std::max(Tw(2895), std::max(prefixRoom.height(), unitRoom.height()) + Tw(120));
  frame1->setGeometry(Tw(240), frameTop, std::max(Tw(1485), prefixRoom.width() + Tw(150)),
                      frameHeight);
  frame2->setGeometry(std::max(Tw(1800), frame1->geometry().right() + 1 + Tw(75)), frameTop,
                      std::max(Tw(7095), unitRoom.width() + Tw(120)), frameHeight);
  const int lower = frameHeight - Tw(2895);
  for (QWidget* below : std::initializer_list<QWidget*>{ok, cancel, picture1})
    below->move(below->x(), below->y() + lower);
  setFixedSize(std::max(Tw(9120), frame2->geometry().right() + 1 + Tw(225)), Tw(4260) + lower);

  FitCaptions(this);
}

void CustomisationDialog::tick(int n) {
  if (n >= 1 && n <= 100) boxes_[n - 1]->setChecked(true);
}

bool CustomisationDialog::isTicked(int n) const {
  return n >= 1 && n <= 100 && boxes_[n - 1]->isChecked();
}

void CustomisationDialog::openDialog() {
  if (mainWindow_) move(mainWindow_->x() + Tw(1200), mainWindow_->y() + Tw(600));
  KeepOnScreen(this);
  exec();
}

void CustomisationDialog::acceptMasks() {
  std::array<bool, CheckBoxCount> ticked{};
  for (int n = 1; n <= CheckBoxCount; ++n) ticked[static_cast<size_t>(n - 1)] = isTicked(n);
  const Masks masks = MasksFromTicks(ticked);
  state_.prefixMask = FromUtf8(masks.prefixMask);
  state_.unitMask = FromUtf8(masks.unitMask);
  accept();  // hides the dialog
  if (onOk_) onOk_();
}

void CustomisationDialog::closeEvent(QCloseEvent* event) {
  // The close box is Cancel: hide, and the boxes keep their states.
  reject();
  event->accept();
}

}  // namespace tamrisk
