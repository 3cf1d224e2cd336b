#include "ui/caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace tamrisk {

QSize CaptionSize(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    if (label->text().isEmpty()) return {};
    return label->sizeHint();
  }
  if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control)) {
    const auto* button = static_cast<const QAbstractButton*>(control);
    if (button->text().isEmpty()) return {};
    return button->sizeHint();
  }
  if (const auto* button = qobject_cast<const QPushButton*>(control)) {
    if (button->text().isEmpty()) return {};
    // The button's own hint, with the caption's room but without the text
    // in the option: some styles widen every captioned button to a least
    // width, which the designs here do not follow and the caption does not
    // need.
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = button->autoDefault() ? QStyleOptionButton::AutoDefaultButton
                                            : QStyleOptionButton::None;
    if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    if (!button->icon().isNull()) {
      option.icon = button->icon();
      option.iconSize = button->iconSize();
    }
    QSize contents = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull()) {
      contents.rwidth() += button->iconSize().width() + 4;
      contents.setHeight(std::max(contents.height(), button->iconSize().height()));
    }
    return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, button);
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
    if (frame->title().isEmpty()) return {};
    // Only the title's room; what the frame holds is placed by its window.
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title =
        frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    return {title.right() + 1 + title.left(), 0};
  }
  return {};
}

namespace {

// Grows `parent` until it holds `child` whole, keeping the margin of the
// parent's own top-left corner on the far side too; then its own parent.
void Hold(QWidget* child) {
  QWidget* parent = child->parentWidget();
  if (!parent || child->isWindow()) return;
  const QRect inside = child->geometry();
  const int width = std::max(parent->width(), inside.right() + 1);
  const int height = std::max(parent->height(), inside.bottom() + 1);
  if (width == parent->width() && height == parent->height()) return;
  if (parent->isWindow()) {
    const bool fixedWidth = parent->minimumWidth() == parent->maximumWidth();
    const bool fixedHeight = parent->minimumHeight() == parent->maximumHeight();
    if (fixedWidth) {
      parent->setFixedWidth(width);
    } else {
      parent->setMinimumWidth(std::max(parent->minimumWidth(), width));
    }
    if (fixedHeight) {
      parent->setFixedHeight(height);
    } else {
      parent->setMinimumHeight(std::max(parent->minimumHeight(), height));
    }
    parent->resize(width, height);
    return;
  }
  parent->resize(width, height);
  Hold(parent);
}

}  // namespace

void FitCaptions(QWidget* window) {
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->window() != window) continue;  // a window of its own fits itself
    const QSize needed = CaptionSize(control);
    if (!needed.isValid()) continue;
    QRect place = control->geometry();
    if (needed.width() > place.width()) place.setWidth(needed.width());
    if (needed.height() > place.height()) {
      const int grow = needed.height() - place.height();
      place.moveTop(std::max(0, place.top() - grow / 2));
      place.setHeight(needed.height());
    }
    if (place == control->geometry()) continue;
    control->setGeometry(place);
    Hold(control);
  }
}

}  // namespace tamrisk
