#include "ui/history_window.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/catalogue.h"
#include "ui/app_state.h"
#include "ui/captions.h"
#include "ui/history_keeper.h"

namespace tamrisk {

namespace {

// A number with its prefix and unit as the lists show them, blanks left out.
QString Quantity(const std::string& number, const std::string& prefix, const std::string& unit) {
  QString text = FromUtf8(number);
  const QString suffix = (FromUtf8(prefix) + FromUtf8(unit)).trimmed();
  if (!suffix.isEmpty()) text += u' ' + suffix;
  return text;
}

}  // namespace

QString HistoryItemText(const HistoryEntry& entry) {
  const QDateTime when = QDateTime::fromString(FromUtf8(entry.time), Qt::ISODate);
  QString text = when.isValid() ? when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                : FromUtf8(entry.time);
  const RunInput& in = entry.input;
  text += QStringLiteral("　") + Quantity(in.param1, in.subUnit1, in.unit1) + QStringLiteral("､ ") +
          Quantity(in.param2, in.subUnit2, in.unit2);
  if (in.unit3 != NoFilter) text += QStringLiteral(" → ") + FromUtf8(in.unit3).trimmed();
  text += QStringLiteral("　") + FromUtf8(entry.result);
  return text;
}

HistoryWindow::HistoryWindow(QWidget* mainWindow, HistoryKeeper& keeper,
                             std::function<void(const RunInput&)> recall)
    : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow), keeper_(keeper),
      recall_(std::move(recall)) {
  setObjectName(QStringLiteral("HistoryWindow"));
  setWindowTitle(FromUtf16(captions::HistoryTitle));
  if (mainWindow) setFont(mainWindow->font());

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("HistoryList"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setUniformItemSizes(true);  // 1,000 rows are laid out at once
  // A long result line ends in "…"; its tip shows it whole.
  list_->setTextElideMode(Qt::ElideRight);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->installEventFilter(this);
  connect(list_, &QListWidget::itemActivated, this, [this] { recallChosen(); });

  auto button = [this](const char* name, const char16_t* caption) {
    auto* b = new QPushButton(FromUtf16(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  recallButton_ = button("HistoryRecall", captions::HistoryRecallCaption);
  deleteButton_ = button("HistoryDelete", captions::HistoryDeleteCaption);
  clearButton_ = button("HistoryClear", captions::HistoryClearCaption);
  auto* close = button("HistoryClose", captions::HistoryCloseCaption);
  connect(recallButton_, &QPushButton::clicked, this, &HistoryWindow::recallChosen);
  connect(deleteButton_, &QPushButton::clicked, this, &HistoryWindow::deleteChosen);
  connect(clearButton_, &QPushButton::clicked, this, &HistoryWindow::clearAll);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(recallButton_);
  buttons->addWidget(deleteButton_);
  buttons->addStretch(1);
  buttons->addWidget(clearButton_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  resize(Tw(9570), Tw(3600));
}

std::size_t HistoryWindow::entryIndex(int row) const {
  return keeper_.entries().size() - 1 - static_cast<std::size_t>(row);
}

void HistoryWindow::refresh() {
  const int chosen = list_->currentRow();
  const std::vector<HistoryEntry>& entries = keeper_.entries();
  list_->setUpdatesEnabled(false);
  list_->clear();
  if (entries.empty()) {
    auto* empty = new QListWidgetItem(FromUtf16(captions::HistoryEmptyText), list_);
    empty->setFlags(Qt::NoItemFlags);
  } else {
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(entries.size()));
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) rows << HistoryItemText(*it);
    list_->addItems(rows);
    for (int row = 0; row < list_->count(); ++row) list_->item(row)->setToolTip(list_->item(row)->text());
    list_->setCurrentRow(std::clamp(chosen, 0, list_->count() - 1));
  }
  list_->setUpdatesEnabled(true);
  for (QPushButton* b : {recallButton_, deleteButton_, clearButton_}) b->setEnabled(!entries.empty());
}

void HistoryWindow::openHistory() {
  if (mainWindow_ && !isVisible()) move(mainWindow_->x() + Tw(500), mainWindow_->y() + Tw(1000));
  KeepOnScreen(this);
  list_->setCurrentRow(-1);
  refresh();
  if (list_->count() > 0 && !keeper_.entries().empty()) list_->setCurrentRow(0);
  show();
  raise();
  activateWindow();
  list_->setFocus();
}

void HistoryWindow::recallChosen() {
  const int row = list_->currentRow();
  if (row < 0 || keeper_.entries().empty()) return;
  const RunInput input = keeper_.entries()[entryIndex(row)].input;
  recall_(input);
}

void HistoryWindow::deleteChosen() {
  const int row = list_->currentRow();
  if (row < 0 || keeper_.entries().empty()) return;
  keeper_.remove(entryIndex(row));
  refresh();
}

void HistoryWindow::clearAll() {
  if (keeper_.entries().empty()) return;
  QMessageBox ask(QMessageBox::Question, FromUtf16(captions::MessageTitle),
                  FromUtf16(captions::HistoryClearQuestion), QMessageBox::Yes | QMessageBox::No, this);
  ask.setObjectName(QStringLiteral("HistoryClearQuestion"));
  ask.setDefaultButton(QMessageBox::No);
  if (ask.exec() != QMessageBox::Yes) return;
  keeper_.clear();
  refresh();
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete && !(key->modifiers() & ~Qt::KeypadModifier)) {
      deleteChosen();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tamrisk
