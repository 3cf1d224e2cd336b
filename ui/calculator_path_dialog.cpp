#include "ui/calculator_path_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>

#include "ui/caption_fit.h"
#include "ui/captions.h"
#include "ui/pictures.h"

namespace tamrisk {

namespace {

// Where the file chooser starts when no program is named yet: the
// programs' folder, not the data folder the program runs in.
const QString ProgramsFolder = QStringLiteral("/usr/bin");

QLabel* Label(QWidget* parent, const char* name, const char16_t* caption, int x, int y, int w,
              int h) {
  auto* label = new QLabel(FromUtf16(caption), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(Tw(x), Tw(y), Tw(w), Tw(h));
  return label;
}

#ifndef Q_OS_WIN
// Shows folders and the files the user may run; nothing else.
class ExecutableFilter : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files) return true;
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || info.isExecutable();
  }
};
#endif

}  // namespace

CalculatorPathDialog::CalculatorPathDialog(AppState& state, QWidget* mainWindow, std::function<void()> onOk)
    : QDialog(mainWindow), state_(state), mainWindow_(mainWindow), onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("CalculatorPathDialog"));
  setWindowTitle(FromUtf16(captions::CalculatorPathTitle));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setFont(GothicFont(9));
  PaintWindow(this, WindowGrey);
  setFixedSize(Tw(5265), Tw(2490));

  Label(this, "Label1", captions::CalculatorPathLabel1Caption, 360, 240, 4575, 255);
  Label(this, "Label6", captions::CalculatorPathLabel6Caption, 480, 600, 375, 255);
  Label(this, "Label3", captions::CalculatorPathLabel3Caption, 1080, 600, 3615, 255);
  Label(this, "Label5", captions::CalculatorPathLabel5Caption, 1080, 840, 3615, 255);

  text1_ = new QLineEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setFont(GothicFont(9.75));
  text1_->setAttribute(Qt::WA_InputMethodEnabled, false);
  text1_->setGeometry(Tw(360), Tw(1200), Tw(3975), Tw(375));

  auto* browseButton = new QPushButton(FromUtf16(captions::CalculatorPathCommand3Caption), this);
  browseButton->setObjectName(QStringLiteral("Command3"));
  browseButton->setAutoDefault(false);
  browseButton->setGeometry(Tw(4560), Tw(1200), Tw(375), Tw(375));
  connect(browseButton, &QPushButton::clicked, this, &CalculatorPathDialog::browse);

  auto* ok = new QPushButton(FromUtf16(captions::CalculatorPathCommand1Caption), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setFont(ArialFont(9));
  ok->setDefault(true);
  ok->setGeometry(Tw(1440), Tw(1920), Tw(1095), Tw(375));
  connect(ok, &QPushButton::clicked, this, &CalculatorPathDialog::accept);

  auto* cancel = new QPushButton(FromUtf16(captions::CalculatorPathCommand2Caption), this);
  cancel->setObjectName(QStringLiteral("Command2"));
  cancel->setFont(ArialFont(9));
  cancel->setAutoDefault(false);
  cancel->setGeometry(Tw(2760), Tw(1920), Tw(1095), Tw(375));
  // Cancel, Escape and the close box only hide the dialog: the entry keeps
  // what was typed, and the calculator button uses it.
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("Picture1"));
  logo->setGeometry(Tw(4080), Tw(2160), Tw(1095), Tw(255));
  ShowLogo(logo);

  FitCaptions(this);
}

QString CalculatorPathDialog::pathText() const { return text1_->text(); }

void CalculatorPathDialog::setPathText(const QString& text) { text1_->setText(text); }

void CalculatorPathDialog::openDialog() {
  move(mainWindow_->pos() + QPoint(Tw(1200), Tw(600)));
  KeepOnScreen(this);
  text1_->setFocus();
  exec();
}

void CalculatorPathDialog::browse() {
  QFileDialog dialog(this, FromUtf16(captions::FileDialogTitle));
  dialog.setObjectName(QStringLiteral("CommonDialog1"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilter(FromUtf16(captions::FileDialogFilter));
#ifndef Q_OS_WIN
  // Programs here carry no ".exe": the filter takes every name and shows
  // only the files the user may run.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setProxyModel(new ExecutableFilter(&dialog));
#endif
  // The folder of the program named, else the programs' folder.
  const QString named = text1_->text().trimmed();
  const QFileInfo current(named);
  if (!named.isEmpty() && current.isAbsolute() && current.absoluteDir().exists()) {
    dialog.setDirectory(current.absoluteDir());
  } else if (QDir(ProgramsFolder).exists()) {
    dialog.setDirectory(ProgramsFolder);
  }
  if (dialog.exec() != QDialog::Accepted) return;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.first().isEmpty()) return;
  text1_->setText(QDir::toNativeSeparators(files.first()));
}

void CalculatorPathDialog::accept() {
  state_.calculatorPath = text1_->text();
  if (onOk_) onOk_();
  QDialog::accept();
}

namespace {

// The program file a command names, as a shell finds it: a name with a slash
// is a path (relative to the working folder), a bare name is looked up in the
// folders of $PATH only, never in the working folder. Empty when there is
// no such program.
QString ProgramFile(const QString& command) {
  if (!command.contains(u'/')) return QStandardPaths::findExecutable(command);
  const QFileInfo file(command);
  return file.isFile() ? file.absoluteFilePath() : QString();
}

}  // namespace

bool StartCalculator(const QString& commandLine) {
  if (commandLine.trimmed().isEmpty()) return false;
  // The whole text first: a path with blanks needs no quotes.
  const QString whole = ProgramFile(commandLine);
  if (!whole.isEmpty()) return QProcess::startDetached(whole, {});
  // Something else of that name (a folder) is not taken apart.
  if (commandLine.contains(u'/') && QFileInfo::exists(commandLine)) return false;
  QStringList parts = QProcess::splitCommand(commandLine);
  if (parts.isEmpty() || parts.first().isEmpty()) return false;
  const QString program = ProgramFile(parts.takeFirst());
  return !program.isEmpty() && QProcess::startDetached(program, parts);
}

void LaunchCalculator(const QString& commandLine, QWidget* parent) {
  if (StartCalculator(commandLine)) return;
  QMessageBox box(QMessageBox::Critical, FromUtf16(captions::MessageTitle),
                  FromUtf16(captions::LaunchErrorLine1) + u'\n' + FromUtf16(captions::LaunchErrorLine2),
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("LaunchError"));
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace tamrisk
