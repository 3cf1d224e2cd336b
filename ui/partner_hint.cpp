#include "ui/partner_hint.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/app_state.h"

namespace tamrisk {

namespace {

// Where each item keeps its unit text.
constexpr int UnitRole = Qt::UserRole;

// The size of each list and the room between them, in twips: about a dozen
// units at a time.
constexpr int ListWidth = 2700;
constexpr int ListHeight = 3000;
constexpr int ListGap = 120;

}  // namespace

PartnerPopup::PartnerPopup(QWidget* owner) : QFrame(owner, Qt::Popup) {
  setObjectName(QStringLiteral("PartnerPopup"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setFont(GothicFont(9));
  PaintWindow(this, WindowGrey);

  heading_ = new QLabel(this);
  heading_->setTextFormat(Qt::PlainText);
  heading_->setObjectName(QStringLiteral("Partner_Heading"));
  heading_->setWordWrap(true);
  auto column = [this](const char* titleName, const char* listName, QLabel*& title,
                       QListWidget*& list) {
    title = new QLabel(this);
    title->setTextFormat(Qt::PlainText);
    title->setObjectName(QString::fromLatin1(titleName));
    list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(listName));
    list->setFixedSize(Tw(ListWidth), Tw(ListHeight));
    list->setAttribute(Qt::WA_InputMethodEnabled, false);
    // A frame that shows which list has the focus (showFocus).
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setLineWidth(2);
    list->installEventFilter(this);
    connect(list, &QListWidget::itemClicked, this,
            [this, list](QListWidgetItem* item) { choose(list, item); });
    auto* box = new QVBoxLayout;
    box->addWidget(title);
    box->addWidget(list);
    return box;
  };
  // Parameter 1 on the left, as it stands above parameter 2 in the main
  // window.
  auto* columns = new QHBoxLayout;
  columns->setSpacing(Tw(ListGap));
  columns->addLayout(column("Partners_For_Unit_1_Title", "Partners_For_Unit_1", title1_, list1_));
  columns->addLayout(column("Partners_For_Unit_2_Title", "Partners_For_Unit_2", title2_, list2_));
  QWidget::setTabOrder(list1_, list2_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addLayout(columns);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // The heading wraps within the two lists' width.
  heading_->setFixedWidth(2 * Tw(ListWidth) + Tw(ListGap));
}

void PartnerPopup::fill(const PartnerPopupTexts& texts) {
  heading_->setText(FromUtf8(texts.heading));
  fillList(title1_, list1_, texts.column1);
  fillList(title2_, list2_, texts.column2);
  focusParameter_ = texts.focusParameter;
}

void PartnerPopup::fillList(QLabel* title, QListWidget* list, const PartnerColumn& column) {
  title->setText(FromUtf8(column.title));
  list->clear();
  for (const PartnerItem& entry : column.items) {
    auto* item = new QListWidgetItem(FromUtf8(entry.text), list);
    item->setData(UnitRole, FromUtf8(entry.unit));
    if (entry.hidden) item->setForeground(QColor(96, 96, 96));
  }
  if (column.items.empty()) {
    auto* item = new QListWidgetItem(FromUtf8(column.empty), list);
    item->setFlags(Qt::NoItemFlags);
  } else {
    list->setCurrentRow(0);
  }
  showFocus(list, list->hasFocus());
}

void PartnerPopup::showFocus(QListWidget* list, bool focused) {
  // The keys act on the list with the focus: only that one shows its
  // current unit highlighted, in a frame of the highlight's colour; the
  // other shows a grey frame and no highlight.
  if (focused) {
    if (QListWidgetItem* item = list->currentItem()) item->setSelected(true);
  } else {
    list->clearSelection();
  }
  QPalette colours = list->palette();
  colours.setColor(QPalette::WindowText,
                   focused ? colours.color(QPalette::Active, QPalette::Highlight) : QColor(160, 160, 160));
  list->setPalette(colours);
}

void PartnerPopup::openBelow(const QWidget* anchor) {
  adjustSize();
  move(anchor->mapToGlobal(QPoint(anchor->width(), anchor->height())) - QPoint(width(), 0));
  KeepOnScreen(this);
  show();
  raise();
  activateWindow();
  (focusParameter_ == 1 ? list1_ : list2_)->setFocus();
}

void PartnerPopup::choose(QListWidget* list, QListWidgetItem* item) {
  if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
  const QString unit = item->data(UnitRole).toString();
  const int parameter = list == list2_ ? 2 : 1;
  hide();
  emit chosen(parameter, unit);
}

bool PartnerPopup::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
      (watched == list1_ || watched == list2_)) {
    showFocus(static_cast<QListWidget*>(watched), event->type() == QEvent::FocusIn);
  }
  if (event->type() == QEvent::KeyPress && (watched == list1_ || watched == list2_)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      auto* list = static_cast<QListWidget*>(watched);
      choose(list, list->currentItem());
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace tamrisk
