#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "engine/catalogue.h"
#include "engine/history.h"
#include "engine/list_choices.h"
#include "formulas/catalogue_run.h"
#include "ui/calculator_path_dialog.h"
#include "ui/caption_fit.h"
#include "ui/captions.h"
#include "ui/customisation_dialog.h"
#include "ui/formula_list_viewer.h"
#include "ui/help_window.h"
#include "ui/history_window.h"
#include "ui/line_formula_panel.h"
#include "ui/list_type_ahead.h"
#include "ui/partner_controller.h"
#include "ui/pictures.h"
#include "ui/private_folders.h"
#include "ui/regular_file.h"
#include "ui/settings.h"
#include "ui/unit_explanation.h"
#include "ui/version_dialog.h"

namespace tamrisk {

namespace {

const QString& Blank() {
  static const QString blank = FromUtf8(NoUnit);
  return blank;
}

const QString& NoFilterText() {
  static const QString text = FromUtf8(NoFilter);
  return text;
}

// Window geometry in twips. The window's outer width is fixed at 9690, of
// which the borders take 120; the result box starts 1250 below the top of
// the client area, is 3765 high at start-up and never lower than 2050.
constexpr int ClientWidth = 9570;
constexpr int OutputTop = 1250;
constexpr int OutputStartHeight = 3765;
constexpr int OutputMinHeight = 2050;
// The outer size the window is centred with at start-up.
constexpr int CentringWidth = 9660;
constexpr int CentringHeight = 5715;

// Keeps the selection of a combo box on the entry with exactly this text.
void SelectText(QComboBox* box, const QString& text) {
  const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) box->setCurrentIndex(index);
}

bool IsMenuShortcut(const QKeyEvent* key) {
  if (key->modifiers() != Qt::ControlModifier) return false;
  switch (key->key()) {
    case Qt::Key_X:
    case Qt::Key_S:
    case Qt::Key_D:
    case Qt::Key_H:
    case Qt::Key_K:
    case Qt::Key_A:
    case Qt::Key_R:
      return true;
    default:
      return false;
  }
}

}  // namespace

QString ResultBoxText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

MainWindow::MainWindow()
    : settings_([this](const char* name, const QString& text) { showNote(name, text); }),
      history_(DefaultHistoryPath(),
               [this](const char* name, const QString& text) { showNote(name, text); }) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(FromUtf16(captions::MainWindowTitle));
  setWindowIcon(ProgramIcon());
  setFont(GothicFont(9));

  buildControls();
  buildMenus();

  // 1. The data folder: the working directory at start-up. Without one (it
  // was removed) the folder the installed launcher prepares stands in, made
  // here as the launcher makes it (private) when it is missing; never the
  // root folder.
  const QString workingDirectory = QDir::currentPath();
  state_.dataDir = DataDirAtStart(
      workingDirectory, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
  if (!state_.dataDir.isEmpty() && state_.dataDir != DataDirFrom(workingDirectory))
    MakePrivateFolders(QFile::encodeName(state_.dataDir).toStdString());
  // 2. The version text is written when the version dialog is made.
  // 3. Size, then centre on the screen.
  menuHeight_ = menuBar()->sizeHint().height();
  const int menuHeight = menuHeight_;
  setFixedWidth(Tw(ClientWidth));
  setMinimumHeight(menuHeight + Tw(OutputTop) + Tw(OutputMinHeight));
  resize(Tw(ClientWidth), menuHeight + Tw(OutputTop) + Tw(OutputStartHeight));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const float left = (static_cast<float>(area.width()) - Tw(CentringWidth)) / 2.0f;
    const float top = (static_cast<float>(area.height()) - Tw(CentringHeight)) / 2.0f;
    move(area.x() + static_cast<int>(left), area.y() + static_cast<int>(top));
  }
  // 4. Settings; 5. lists; 6. inputs. A window whose top-left corner (the
  // start of its title bar) is on no screen, centred on a screen smaller
  // than itself or saved on a screen since removed, is brought back; one
  // the user has left partly off the screen stays there.
  LoadSettings();
  if (!QGuiApplication::screenAt(pos())) KeepOnScreen(this);
  PopulateLists();
  param1_->setText(QStringLiteral("0"));
  param2_->setText(QStringLiteral("0"));
  for (QComboBox* box : {unit1_, unit2_, subUnit1_, subUnit2_}) SelectText(box, Blank());

  FitCaptions(this);
  applyResizeRule();
  param1_->setFocus();
  param1_->selectAll();
}

MainWindow::~MainWindow() {
  // The controls give up the focus as they are destroyed, after this
  // window's own part is gone: the application must not call back into it.
  disconnect(focusWatch_);
  // Notes shown as the program ended have no parent.
  for (const QPointer<QMessageBox>& note : notes_) delete note.data();
}

void MainWindow::buildControls() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("MainWindowClient"));
  PaintWindow(central, WindowGrey);
  setCentralWidget(central);

  picture2_ = new QWidget(central);
  picture2_->setObjectName(QStringLiteral("Picture2"));
  picture2_->setGeometry(0, 0, Tw(9550), Tw(1215));

  auto place = [](QWidget* w, const char* name, int x, int y, int width, int height) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(Tw(x), Tw(y), Tw(width), Tw(height));
  };
  // The headings are drawn from the top of their place, which ends where
  // the entries below them begin. They stand 30 twips higher than designed
  // (45): at 96 dpi a line of the gothic face, drawn 13 pixels high, takes
  // 14 pixels, and the entries begin 16 pixels below the top.
  auto label = [&](const char* name, const char16_t* caption, int x, int y, int w, int h) {
    auto* l = new QLabel(FromUtf16(caption), picture2_);
    l->setTextFormat(Qt::PlainText);
    place(l, name, x, y, w, h);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
  };
  label("Label6", captions::Label6Caption, 1320, 15, 615, 255);
  label("Label4", captions::Label4Caption, 2520, 15, 495, 255);
  label("Label2", captions::Label2Caption, 3120, 15, 495, 225);
  label("Label1_0", captions::Label1_0Caption, 120, 315, 1215, 255);
  label("Label1_1", captions::Label1_1Caption, 120, 810, 1215, 255);
  label("Label1_2", captions::Label1_2Caption, 6840, 495, 1215, 255);

  auto entry = [&](const char* name, const char16_t* tip, int y) {
    auto* e = new QLineEdit(QStringLiteral("0"), picture2_);
    place(e, name, 1320, y, 1200, 300);
    e->setToolTip(FromUtf16(tip));
    e->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(e, &QLineEdit::returnPressed, this, &MainWindow::RunCalculation);
    return e;
  };
  auto list = [&](const char* name, const char16_t* tip, int x, int y, int w) {
    auto* box = new TypeAheadList(picture2_);
    place(box, name, x, y, w, 300);
    box->setToolTip(FromUtf16(tip));
    box->setEditable(false);
    box->setMaxVisibleItems(16);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    return box;
  };
  auto button = [&](const char* name, const char16_t* caption, const char16_t* tip, int x, int y,
                    int w, int h) {
    auto* b = new QPushButton(FromUtf16(caption), picture2_);
    place(b, name, x, y, w, h);
    b->setToolTip(FromUtf16(tip));
    b->setFont(ArialFont(9));
    b->setAutoDefault(false);
    return b;
  };

  // The entry and the prefix list end one step (15 twips) short of their
  // designed widths, where the next control of their row begins, so that
  // none covers the edge of another.
  param1_ = entry("Param_1", captions::Param1Tip, 240);
  subUnit1_ = list("Sub_Unit_1", captions::SubUnit1Tip, 2520, 240, 600);
  unit1_ = list("Unit_1", captions::Unit1Tip, 3120, 240, 1035);
  auto* clear1 = button("Param_1_Clear", captions::Param1ClearCaption, captions::Param1ClearTip,
                        4200, 240, 570, 330);
  auto* help1 = button("Param_1_Help", captions::Param1HelpCaption, captions::Param1HelpTip, 4920,
                       240, 330, 330);
  param2_ = entry("Param_2", captions::Param2Tip, 720);
  subUnit2_ = list("Sub_Unit_2", captions::SubUnit2Tip, 2520, 720, 600);
  unit2_ = list("Unit_2", captions::Unit2Tip, 3120, 720, 1035);
  auto* clear2 = button("Param_2_Clear", captions::Param2ClearCaption, captions::Param2ClearTip,
                        4200, 720, 570, 330);
  auto* help2 = button("Param_2_Help", captions::Param2HelpCaption, captions::Param2HelpTip, 4920,
                       720, 330, 330);

  auto* go = button("Go_Calculate", captions::GoCalculateCaption, captions::GoCalculateTip, 5400,
                    240, 1200, 810);
  go->setFont(GothicFont(15.75, true));
  unit3_ = list("Unit_3", captions::Unit3Tip, 6840, 720, 1275);

  auto* logo = new QLabel(picture2_);
  place(logo, "Picture1", 8280, 120, 1215, 300);
  ShowLogo(logo);

  auto pictureButton = [&](const char* name, const QIcon& icon, const char16_t* tip, int x,
                           int w) {
    auto* b = new QPushButton(picture2_);
    place(b, name, x, 675, w, 375);
    b->setIcon(icon);
    b->setIconSize(QSize(20, 20));
    b->setToolTip(FromUtf16(tip));
    b->setAutoDefault(false);
    return b;
  };
  // The copy button, too, ends where the calculator button begins.
  auto* copyClip = pictureButton("CopyClip", CopyIcon(), captions::CopyClipTip, 8400, 480);
  auto* calcExe = pictureButton("CalcExe", CalculatorIcon(), captions::CalcExeTip, 8880, 495);

  // Which units go with the chosen ones: in the free room above the filter.
  auto* partnerHint = new QPushButton(FromUtf16(captions::PartnerHintCaption), picture2_);
  place(partnerHint, "Partner_Hint", 6840, 60, 1275, 330);
  partnerHint->setAutoDefault(false);

  output_ = new QPlainTextEdit(central);
  output_->setObjectName(QStringLiteral("Output"));
  output_->setReadOnly(true);
  output_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  output_->setTabChangesFocus(true);
  output_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette outputColours = output_->palette();
  outputColours.setColor(QPalette::Base, QColor(224, 224, 224));
  outputColours.setColor(QPalette::Text, QColor(0, 0, 192));
  output_->setPalette(outputColours);
  output_->setGeometry(0, Tw(OutputTop), Tw(9550), Tw(OutputStartHeight));
  formulaPanel_ = new LineFormulaPanel(output_, central);
  connect(formulaPanel_, &LineFormulaPanel::openEntry, this, [this](int line, int count) {
    if (!formulaListViewer_) formulaListViewer_ = new FormulaListViewer(this);
    formulaListViewer_->openViewerAt(line, count);
  });

  partnerHint_ = new PartnerController(
      this, {unit1_, unit2_, unit3_, output_, partnerHint}, state_,
      {[this] { relistKeepingInputs(); },
       [this](int parameter) {
         // The result answers the new units at once.
         RunCalculation();
         focusEntry(parameter == 1 ? param1_ : param2_);
       }});

  connect(go, &QPushButton::clicked, this, &MainWindow::RunCalculation);
  connect(clear1, &QPushButton::clicked, this, [this] { clearRow(param1_, subUnit1_, unit1_); });
  connect(clear2, &QPushButton::clicked, this, [this] { clearRow(param2_, subUnit2_, unit2_); });
  connect(help1, &QPushButton::clicked, this, [this] {
    ShowUnitExplanation(subUnit1_->currentText(), unit1_->currentText());
    focusEntry(param1_);
  });
  connect(help2, &QPushButton::clicked, this, [this] {
    ShowUnitExplanation(subUnit2_->currentText(), unit2_->currentText());
    focusEntry(param2_);
  });
  connect(copyClip, &QPushButton::clicked, this, &MainWindow::copyResult);
  connect(calcExe, &QPushButton::clicked, this,
          [this] { LaunchCalculator(calculatorCommand(), this); });

  // An entry that receives the focus shows its whole text selected.
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now == param1_ || now == param2_) static_cast<QLineEdit*>(now)->selectAll();
  });

  const std::array<QWidget*, 16> tabOrder = {param1_, subUnit1_, unit1_,   param2_, subUnit2_,
                                             unit2_,  go,        unit3_,   clear1,  help1,
                                             clear2,  help2,     output_,  calcExe, copyClip,
                                             partnerHint};
  for (size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

  for (QComboBox* box : {subUnit1_, subUnit2_, unit1_, unit2_, unit3_}) box->installEventFilter(this);
  for (QWidget* w : central->findChildren<QWidget*>()) w->installEventFilter(this);
}

void MainWindow::buildMenus() {
  menuBar()->setNativeMenuBar(false);
  menuBar()->setFont(GothicFont(9));
  auto menu = [this](const char* name, const char16_t* caption) {
    QMenu* m = menuBar()->addMenu(FromUtf16(caption));
    m->setObjectName(QString::fromLatin1(name));
    m->setFont(GothicFont(9));
    return m;
  };
  auto item = [this](QMenu* m, const char* name, const char16_t* caption, Qt::Key key,
                     auto&& action) {
    QAction* a = m->addAction(FromUtf16(caption));
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(QKeySequence(Qt::CTRL | key));
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, action);
    return a;
  };
  QMenu* end = menu("Tamrisk_End_Menu", captions::Tamrisk_End_MenuCaption);
  item(end, "Tamrisk_End", captions::Tamrisk_EndCaption, Qt::Key_X, [this] { EndProgram(); });
  QMenu* setting = menu("SettingMenu", captions::SettingMenuCaption);
  item(setting, "OpenCustom", captions::OpenCustomCaption, Qt::Key_S,
       [this] { customisationDialog()->openDialog(); });
  item(setting, "OpenCalcPass", captions::OpenCalcPassCaption, Qt::Key_D,
       [this] { calculatorPathDialog()->openDialog(); });
  QMenu* history = menu("HistoryMenu", captions::HistoryMenuCaption);
  item(history, "OpenHistory", captions::OpenHistoryCaption, Qt::Key_R,
       [this] { historyWindow()->openHistory(); });
  QMenu* help = menu("HelpMenu", captions::HelpMenuCaption);
  item(help, "OpenHelp", captions::OpenHelpCaption, Qt::Key_H, [this] { openHelp(); });
  item(help, "OpenFormula", captions::OpenFormulaCaption, Qt::Key_K, [this] { openFormulaList(); });
  item(help, "OpenVersion", captions::OpenVersionCaption, Qt::Key_A,
       [this] { versionDialog()->openDialog(); });
}

VersionDialog* MainWindow::versionDialog() {
  if (!versionDialog_) {
    versionDialog_ = new VersionDialog(this);
    versionDialog_->setVersionText(VersionCaption());
  }
  return versionDialog_;
}

CustomisationDialog* MainWindow::customisationDialog() {
  if (!customisationDialog_) {
    customisationDialog_ = new CustomisationDialog(state_, this, [this] {
      PopulateLists();
      SaveSettings();
    });
    for (int n = 1; n <= 100; ++n)
      if (ticked_[static_cast<size_t>(n - 1)]) customisationDialog_->tick(n);
  }
  return customisationDialog_;
}

CalculatorPathDialog* MainWindow::calculatorPathDialog() {
  if (!calculatorPathDialog_) {
    calculatorPathDialog_ = new CalculatorPathDialog(state_, this, [this] {
      // The path stays in use until the program ends; the file keeps the
      // line it had.
      if (!SettingsPathLine(state_.calculatorPath))
        showNote("PathNotHeld",
                 FromUtf16(captions::PathNotHeldLine1) + u'\n' + FromUtf16(captions::PathNotHeldLine2));
      SaveSettings();
    });
    // Until the dialog exists only LoadSettings sets its entry, to the
    // calculator path.
    calculatorPathDialog_->setPathText(state_.calculatorPath);
  }
  return calculatorPathDialog_;
}

HistoryWindow* MainWindow::historyWindow() {
  if (!historyWindow_) {
    historyWindow_ = new HistoryWindow(this, history_, [this](const RunInput& input) {
      if (FillInputs(input)) RunCalculation();
    });
  }
  return historyWindow_;
}

bool MainWindow::FillInputs(const RunInput& input) {
  const std::pair<QComboBox*, const std::string*> lists[] = {
      {subUnit1_, &input.subUnit1}, {unit1_, &input.unit1},   {subUnit2_, &input.subUnit2},
      {unit2_, &input.unit2},       {unit3_, &input.unit3}};
  for (const auto& [box, text] : lists) {
    if (box->findText(FromUtf8(*text), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
      output_->setPlainText(FromUtf16(captions::HistoryNotOfferedText).arg(FromUtf8(*text).trimmed()));
      return false;
    }
  }
  param1_->setText(FromUtf8(input.param1));
  param2_->setText(FromUtf8(input.param2));
  for (const auto& [box, text] : lists) SelectText(box, FromUtf8(*text));
  return true;
}

void MainWindow::stepHistory(bool earlier) {
  const std::vector<HistoryEntry>& entries = history_.entries();
  auto* entry = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (earlier) {
    if (historyStep_ >= entries.size()) return;
    if (historyStep_ == 0) {
      beforeSteps_.param1 = param1_->text().toStdString();
      beforeSteps_.subUnit1 = subUnit1_->currentText().toStdString();
      beforeSteps_.unit1 = unit1_->currentText().toStdString();
      beforeSteps_.param2 = param2_->text().toStdString();
      beforeSteps_.subUnit2 = subUnit2_->currentText().toStdString();
      beforeSteps_.unit2 = unit2_->currentText().toStdString();
      beforeSteps_.unit3 = unit3_->currentText().toStdString();
    }
    ++historyStep_;
  } else {
    if (historyStep_ == 0) return;
    --historyStep_;
  }
  FillInputs(historyStep_ == 0 ? beforeSteps_ : entries[entries.size() - historyStep_].input);
  if (entry) entry->selectAll();
}

QString MainWindow::calculatorCommand() const {
  return calculatorPathDialog_ ? calculatorPathDialog_->pathText() : state_.calculatorPath;
}

void MainWindow::tick(int n) {
  ticked_.set(static_cast<size_t>(n - 1));
  if (customisationDialog_) customisationDialog_->tick(n);
}

void MainWindow::PopulateLists() {
  const std::string prefixMask = state_.prefixMask.toStdString();
  const std::string unitMask = state_.unitMask.toStdString();

  for (int i = 1; i <= static_cast<int>(PrefixCatalogue.size()); ++i)
    if (MaskOffers(prefixMask, i)) tick(i);
  for (int i = 1; i <= static_cast<int>(UnitCatalogue.size()); ++i)
    if (MaskOffers(unitMask, i)) tick(20 + i);

  const ListChoices choices = ListChoicesFor(prefixMask, unitMask);
  auto fill = [](QComboBox* box, const std::vector<std::string_view>& entries, int selected) {
    box->clear();
    for (std::string_view text : entries) box->addItem(FromUtf8(text));
    box->setCurrentIndex(selected);
  };
  fill(subUnit1_, choices.lists.prefixes, choices.prefixIndex);
  fill(subUnit2_, choices.lists.prefixes, choices.prefixIndex);
  fill(unit1_, choices.lists.units, choices.unitIndex);
  fill(unit2_, choices.lists.units, choices.unitIndex);
  fill(unit3_, choices.lists.filters, choices.filterIndex);
  param1_->setText(QStringLiteral("0"));
  param2_->setText(QStringLiteral("0"));
}

QString MainWindow::settingsPath() const {
  return state_.dataDir.isEmpty() ? QString() : state_.dataDir + SettingsFileName;
}

bool MainWindow::LoadSettings() {
  const std::optional<SettingsRecord> record = settings_.load(settingsPath());
  if (!record) {
    state_.prefixMask = FromUtf8(DefaultPrefixMask);
    state_.unitMask = FromUtf8(DefaultUnitMask);
    state_.calculatorPath.clear();
    if (calculatorPathDialog_) calculatorPathDialog_->setPathText(QString());
    return false;
  }
  move(qRound(*record->left / 15.0f), qRound(*record->top / 15.0f));
  state_.prefixMask = record->prefixMask;
  state_.unitMask = record->unitMask;
  state_.calculatorPath = record->calculatorPath;
  if (calculatorPathDialog_) calculatorPathDialog_->setPathText(record->calculatorPath);
  return true;
}

void MainWindow::SaveSettings() {
  std::optional<SettingsKeeper::Place> place;
  if (!isMinimized())
    place = SettingsKeeper::Place{static_cast<float>(pos().y()) * 15.0f, static_cast<float>(pos().x()) * 15.0f};
  emit settingsSaved(settings_.save(settingsPath(), place, state_));
}

void MainWindow::showNote(const char* name, const QString& text) {
  pendingNotes_.append({name, text});
  if (!exiting_ && seen_ && isVisible()) showPendingNotes();
}

void MainWindow::showPendingNotes() {
  for (const PendingNote& note : std::exchange(pendingNotes_, {})) {
    // A note of the same kind still open gives way to the new one.
    for (const QPointer<QMessageBox>& open : notes_)
      if (open && open->objectName() == QLatin1String(note.name)) open->close();
    notes_.removeAll(nullptr);
    auto* box = new QMessageBox(QMessageBox::Warning, FromUtf16(captions::MessageTitle),
                                note.text, QMessageBox::Ok, exiting_ ? nullptr : this);
    box->setObjectName(QString::fromLatin1(note.name));
    // A note names the settings file, whose folder the user named.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    notes_.append(box);
    box->show();
    box->raise();
    box->activateWindow();
  }
}

void MainWindow::mainWindowSeen() {
  if (seen_ || !isVisible()) return;
  seen_ = true;
  if (!exiting_) showPendingNotes();
}

void MainWindow::RunCalculation() {
  partnerHint_->clearNotice();
  param1_->selectAll();
  param2_->selectAll();
  RunOutput result;
  ExplainedRun run;
  {
    BusyPointer busy;
    RunInput input;
    input.param1 = param1_->text().toStdString();
    input.subUnit1 = subUnit1_->currentText().toStdString();
    input.unit1 = unit1_->currentText().toStdString();
    input.param2 = param2_->text().toStdString();
    input.subUnit2 = subUnit2_->currentText().toStdString();
    input.unit2 = unit2_->currentText().toStdString();
    input.unit3 = unit3_->currentText().toStdString();
    input.thisYear = QDate::currentDate().year();
    run = CalculateExplained(input);
    result = run.output;
    // Kept as typed, with the first line of what it answered.
    HistoryEntry entry;
    entry.input = std::move(input);
    entry.time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    entry.result = FirstResultLine(result.output);
    if (history_.add(std::move(entry)) && historyWindow_ && historyWindow_->isVisible())
      historyWindow_->refresh();
    historyStep_ = 0;
  }
  param1_->setText(QString::fromStdString(result.param1));
  param2_->setText(QString::fromStdString(result.param2));
  // Rewriting an entry clears its selection: select again, so the next
  // number typed replaces the old one.
  param1_->selectAll();
  param2_->selectAll();
  output_->setPlainText(ResultBoxText(QString::fromStdString(result.output)));
  formulaPanel_->setLines(CatalogueFormulasOfLines(run));
  if (result.failed && !result.invalidInput) partnerHint_->showNotice();
}

void MainWindow::relistKeepingInputs() {
  const QString texts[] = {param1_->text(),        param2_->text(),        subUnit1_->currentText(),
                           subUnit2_->currentText(), unit1_->currentText(), unit2_->currentText(),
                           unit3_->currentText()};
  PopulateLists();
  param1_->setText(texts[0]);
  param2_->setText(texts[1]);
  SelectText(subUnit1_, texts[2]);
  SelectText(subUnit2_, texts[3]);
  SelectText(unit1_, texts[4]);
  SelectText(unit2_, texts[5]);
  SelectText(unit3_, texts[6]);
  SaveSettings();
}

void MainWindow::ShowUnitExplanation(const QString& prefix, const QString& unit) {
  const QString text = UnitExplanationText(prefix, unit);
  if (text.isEmpty()) return;
  output_->setPlainText(ResultBoxText(text));
  formulaPanel_->setLines({});
}

void MainWindow::clearRow(QLineEdit* param, QComboBox* prefix, QComboBox* unit) {
  param->setText(QStringLiteral("0"));
  SelectText(prefix, Blank());
  SelectText(unit, Blank());
  focusEntry(param);
}

void MainWindow::focusEntry(QLineEdit* param) {
  param->setFocus(Qt::OtherFocusReason);
  param->selectAll();
}

void MainWindow::copyResult() {
  QGuiApplication::clipboard()->setText(output_->toPlainText());
}

void MainWindow::openHelp() {
  if (!helpWindow_) helpWindow_ = new HelpWindow(state_.dataDir, this);
  helpWindow_->openHelp();
}

void MainWindow::openFormulaList() {
  if (!formulaListViewer_) formulaListViewer_ = new FormulaListViewer(this);
  formulaListViewer_->openViewer();
}

void MainWindow::EndProgram() {
  if (exiting_) return;
  exiting_ = true;
  SaveSettings();
  closeOtherWindows();
  close();
  showPendingNotes();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (exiting_) return;
  exiting_ = true;
  SaveSettings();
  closeOtherWindows();
  showPendingNotes();
}

void MainWindow::closeOtherWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible()) window->close();
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // The menu shortcuts act in every control; a text entry would otherwise
    // take Ctrl+X and Ctrl+A for cut and select-all.
    if (IsMenuShortcut(static_cast<QKeyEvent*>(event))) {
      event->ignore();
      return true;
    }
    return false;
  }
  if ((watched == param1_ || watched == param2_) && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
      stepHistory(key->key() == Qt::Key_Up);
      return true;
    }
  }
  if (watched == param1_ || watched == param2_) {
    // A click into an entry that has not the focus selects its whole text,
    // as Tab does, so that the next number typed replaces it. The click
    // gives the focus before the entry sees the press, which would place
    // the caret: the press that brought the focus is taken here.
    switch (event->type()) {
      case QEvent::FocusIn:
        clickFocused_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason
                            ? static_cast<QLineEdit*>(watched)
                            : nullptr;
        return false;
      case QEvent::FocusOut:
        clickFocused_ = nullptr;
        return false;
      case QEvent::MouseButtonPress:
        if (watched != clickFocused_) return false;
        clickFocused_ = nullptr;
        static_cast<QLineEdit*>(watched)->selectAll();
        return true;
      default:
        return false;
    }
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* box = qobject_cast<QComboBox*>(watched);
  if (!box || !(box == subUnit1_ || box == subUnit2_ || box == unit1_ || box == unit2_ ||
                box == unit3_)) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & ~Qt::KeypadModifier) return false;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      RunCalculation();
      return true;
    case Qt::Key_Space:
    case Qt::Key_Backspace:
      SelectText(box, box == unit3_ ? NoFilterText() : Blank());
      return true;
    default:
      return false;
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // A note shown with the main window, before the window manager has made
  // the main window active, would be put behind it. A window manager that
  // does not make a new window active leaves the notes for a second.
  if (seen_) {
    if (!exiting_) showPendingNotes();
  } else {
    QTimer::singleShot(1000, this, &MainWindow::mainWindowSeen);
  }
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) mainWindowSeen();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  applyResizeRule();
}

void MainWindow::applyResizeRule() {
  // Maximised too: the result box grows with the window.
  if (isMinimized() || !output_) return;
  const int height = this->height() - menuHeight_ - Tw(OutputTop);
  output_->setGeometry(0, Tw(OutputTop), Tw(9550), std::max(height, Tw(OutputMinHeight)));
}

}  // namespace tamrisk
