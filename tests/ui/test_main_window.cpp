// The main window driven as a user would: start-up, lists, calculation,
// keys, buttons, menus and shortcuts, saving as the program ends and the
// calculator launch (the settings file itself: test_settings.cpp). Every
// test runs in its own temporary working directory.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <functional>
#include <memory>

#include "engine/catalogue.h"
#include "engine/unit_lists.h"
#include "tests/ui/main_window_start.h"
#include "tests/ui/next_modal.h"
#include "tests/ui/working_folder.h"
#include "ui/application.h"
#include "ui/calculator_path_dialog.h"
#include "ui/captions.h"
#include "ui/customisation_dialog.h"
#include "ui/main_window.h"
#include "ui/settings.h"
#include "ui/unit_explanation.h"
#include "ui/version_dialog.h"

using namespace tamrisk;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString T(const char16_t* s) { return QString::fromUtf16(s); }
QString Unit(int position) { return Q(UnitCatalogue[static_cast<size_t>(position - 1)]); }
QString Prefix(int position) { return Q(PrefixCatalogue[static_cast<size_t>(position - 1)].text); }
const QString Blank = QStringLiteral(" ");
const QString NoFilterText = Q(NoFilter);

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

void Select(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  QVERIFY2(index >= 0, qPrintable(text));
  box->setCurrentIndex(index);
}

QString Mask(int length, std::initializer_list<int> ones) {
  QString mask(length, u'0');
  for (int position : ones) mask[position - 1] = u'1';
  return mask;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes an executable shell script.
void WriteScript(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("#!/bin/sh\n" + text);
  file.close();
  QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser));
}

QStringList FileLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = DecodeCp932(file.readAll()).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporaryWorkingFolder> dir_;
  std::unique_ptr<QObject> watchers_;

  QString iniPath() const { return dir_->filePath(SettingsFileName); }

  // Calls `check` with the next modal window that opens, then closes it.
  // Returns a flag that turns true once that happened.
  std::shared_ptr<bool> onNextModal(std::function<void(QWidget*)> check) {
    return testing::OnNextModal(watchers_.get(), std::move(check));
  }

  // The platform need not give the focus back to the main window when a
  // dialog closes; a user would click on it.
  static void activate(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) qWarning("window not active");
  }

  std::unique_ptr<MainWindow> start() { return testing::StartMainWindow(); }

  template <typename W>
  static W* get(const QWidget* window, const char* name) {
    return testing::Control<W>(window, name);
  }

  static QPoint centred() { return testing::CentredMainWindow(); }

 private slots:
  void initTestCase() {
    PrepareApplication();  // as the program starts
  }

  void init() {
    dir_ = std::make_unique<testing::TemporaryWorkingFolder>();
    QVERIFY(dir_->isValid());
    watchers_ = std::make_unique<QObject>();
  }

  void cleanup() {
    watchers_.reset();
    dir_.reset();
  }

  // First start: default lists, focus, selection, size and place; the
  // settings file is not touched before the first save.
  void startWithoutSettings() {
    auto w = start();
    QCOMPARE(w->state().dataDir, dir_->path() + u'/');

    const QStringList prefixes = {Prefix(7), Prefix(8), Prefix(9), Blank,
                                  Prefix(13), Prefix(14), Prefix(15)};
    for (const char* name : {"Sub_Unit_1", "Sub_Unit_2"}) {
      auto* box = get<QComboBox>(w.get(), name);
      QCOMPARE(Items(box), prefixes);
      QCOMPARE(box->currentText(), Blank);
    }

    QStringList defaults;
    for (int p : {1, 6, 11, 14, 15, 18, 24, 25, 26, 28, 33, 42, 43, 44}) defaults << Unit(p);
    for (const char* name : {"Unit_1", "Unit_2"}) {
      auto* box = get<QComboBox>(w.get(), name);
      const QStringList units = Items(box);
      QCOMPARE(units.first(), Blank);
      QCOMPARE(box->currentText(), Blank);
      QStringList rest = units.mid(1);
      for (int i = 1; i < rest.size(); ++i)
        QVERIFY(!UnitListLess(rest[i].toStdString(), rest[i - 1].toStdString()));
      // Case does not count: "g" < "Hz" < "m", "sec" < "V".
      QVERIFY(rest.indexOf(QStringLiteral("g")) < rest.indexOf(QStringLiteral("Hz")));
      QVERIFY(rest.indexOf(QStringLiteral("Hz")) < rest.indexOf(QStringLiteral("m")));
      QVERIFY(rest.indexOf(QStringLiteral("sec")) < rest.indexOf(QStringLiteral("V")));
      rest.sort();
      QStringList expected = defaults;
      expected.sort();
      QCOMPARE(rest, expected);
    }
    auto* unit3 = get<QComboBox>(w.get(), "Unit_3");
    QCOMPARE(Items(unit3), QStringList{NoFilterText} + Items(get<QComboBox>(w.get(), "Unit_1")).mid(1));
    QCOMPARE(unit3->currentText(), NoFilterText);

    auto* param1 = get<QLineEdit>(w.get(), "Param_1");
    QCOMPARE(param1->text(), QStringLiteral("0"));
    QCOMPARE(get<QLineEdit>(w.get(), "Param_2")->text(), QStringLiteral("0"));
    QCOMPARE(QApplication::focusWidget(), param1);
    QCOMPARE(param1->selectedText(), QStringLiteral("0"));

    QCOMPARE(w->width(), Tw(9570));
    QCOMPARE(get<QPlainTextEdit>(w.get(), "Output")->height(), Tw(3765));
    QCOMPARE(w->pos(), centred());

    CustomisationDialog* custom = w->customisationDialog();
    for (int n : {7, 8, 9, 13, 14, 15, 21, 26, 48, 64}) QVERIFY2(custom->isTicked(n), qPrintable(QString::number(n)));
    for (int n : {1, 6, 10, 16, 22, 95}) QVERIFY2(!custom->isTicked(n), qPrintable(QString::number(n)));
    QCOMPARE(w->calculatorPathDialog()->pathText(), QString());
    QVERIFY(!QFile::exists(iniPath()));
  }

  // Fixed width, a lowest height, and the result box growing with the window.
  void resizeRule() {
    auto w = start();
    auto* output = get<QPlainTextEdit>(w.get(), "Output");
    const int startHeight = w->height();
    w->resize(w->width() + 100, startHeight + 60);
    QCOMPARE(w->width(), Tw(9570));
    QTRY_COMPARE(output->height(), Tw(3765) + 60);
    w->resize(w->width(), 50);
    QTRY_COMPARE(output->height(), Tw(2050));
    QCOMPARE(w->height(), startHeight - (Tw(3765) - Tw(2050)));
    QCOMPARE(output->width(), Tw(9550));
  }

  void populateLists_data() {
    QTest::addColumn<QString>("prefixMask");
    QTest::addColumn<QString>("unitMask");
    QTest::addColumn<QStringList>("prefixes");
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QStringList>("filters");

    const QString noUnits = Mask(80, {});
    QTest::newRow("no prefixes, no units") << Mask(20, {}) << noUnits << QStringList{Blank}
                                           << QStringList{Blank} << QStringList{NoFilterText};
    QStringList all;
    for (int p = 1; p <= 20; ++p) all << Prefix(p);
    all.insert(10, Blank);
    QTest::newRow("every prefix") << QString(20, u'1') << noUnits << all << QStringList{Blank}
                                  << QStringList{NoFilterText};
    QTest::newRow("five-character mask")
        << QStringLiteral("11111") << noUnits
        << QStringList{Prefix(1), Prefix(2), Prefix(3), Prefix(4), Prefix(5), Blank}
        << QStringList{Blank} << QStringList{NoFilterText};
    QTest::newRow("spare unit position")
        << Mask(20, {}) << Mask(80, {24, 75}) << QStringList{Blank}
        << QStringList{Blank, Unit(24)} << QStringList{NoFilterText, Unit(24)};
  }
  // Rebuilding the lists from the masks; twice in a row gives the same.
  void populateLists() {
    QFETCH(QString, prefixMask);
    QFETCH(QString, unitMask);
    QFETCH(QStringList, prefixes);
    QFETCH(QStringList, units);
    QFETCH(QStringList, filters);
    auto w = start();
    w->state().prefixMask = prefixMask;
    w->state().unitMask = unitMask;
    get<QLineEdit>(w.get(), "Param_1")->setText(QStringLiteral("12"));
    for (int round = 0; round < 2; ++round) {
      w->PopulateLists();
      for (const char* name : {"Sub_Unit_1", "Sub_Unit_2"}) {
        QCOMPARE(Items(get<QComboBox>(w.get(), name)), prefixes);
        QCOMPARE(get<QComboBox>(w.get(), name)->currentText(), Blank);
      }
      for (const char* name : {"Unit_1", "Unit_2"}) {
        QCOMPARE(Items(get<QComboBox>(w.get(), name)), units);
        QCOMPARE(get<QComboBox>(w.get(), name)->currentText(), Blank);
      }
      QCOMPARE(Items(get<QComboBox>(w.get(), "Unit_3")), filters);
      // Never the empty spare entry, which would filter every result away.
      QCOMPARE(get<QComboBox>(w.get(), "Unit_3")->currentText(), NoFilterText);
      QCOMPARE(get<QLineEdit>(w.get(), "Param_1")->text(), QStringLiteral("0"));
    }
  }

  // 10 V and 5 Ω by Enter, then with the filter "W" by the button, then by
  // Enter in the filter list.
  void calculation() {
    auto w = start();
    auto* param1 = get<QLineEdit>(w.get(), "Param_1");
    auto* param2 = get<QLineEdit>(w.get(), "Param_2");
    auto* output = get<QPlainTextEdit>(w.get(), "Output");
    auto* unit3 = get<QComboBox>(w.get(), "Unit_3");
    QTest::keyClicks(param1, QStringLiteral("10"));  // replaces the selected "0"
    Select(get<QComboBox>(w.get(), "Unit_1"), Unit(24));
    param2->setFocus();
    QTest::keyClicks(param2, QStringLiteral("5"));
    Select(get<QComboBox>(w.get(), "Unit_2"), Unit(28));
    QCOMPARE(param2->text(), QStringLiteral("5"));

    param1->setFocus();
    QTest::keyClick(param1, Qt::Key_Return);
    const QString current = QStringLiteral("● 5") + Unit(28) + QStringLiteral("の抵抗に電圧 10") +
                            Unit(24) + QStringLiteral("を印加した場合に流れる電流は 2.0000A");
    QString text = output->toPlainText();
    QCOMPARE(text.split(u'\n').first(), current);
    QVERIFY(!text.contains(u'\r'));
    QCOMPARE(param1->text(), QStringLiteral("10"));
    QCOMPARE(param1->selectedText(), param1->text());
    QCOMPARE(param2->selectedText(), param2->text());
    QVERIFY(!QApplication::overrideCursor());

    Select(unit3, Unit(26));
    QTest::mouseClick(get<QPushButton>(w.get(), "Go_Calculate"), Qt::LeftButton);
    text = output->toPlainText();
    QVERIFY(!text.trimmed().isEmpty());
    QVERIFY(!text.contains(current));
    QVERIFY(text.contains(Unit(26)));
    QVERIFY(!QApplication::overrideCursor());

    unit3->setFocus();
    QTest::keyClick(unit3, Qt::Key_Backspace);
    QCOMPARE(unit3->currentText(), NoFilterText);
    output->clear();
    QTest::keyClick(unit3, Qt::Key_Return);
    QCOMPARE(output->toPlainText().split(u'\n').first(), current);

    // Full-width digits, as a Japanese input method types them, are the
    // same numbers; the entries are rewritten in ASCII.
    param1->setText(QStringLiteral("１０"));
    param2->setText(QStringLiteral("\u3000５"));
    output->clear();
    QTest::keyClick(param1, Qt::Key_Return);
    QCOMPARE(output->toPlainText().split(u'\n').first(), current);
    QCOMPARE(param1->text(), QStringLiteral("10"));
    QCOMPARE(param2->text(), QStringLiteral("5"));
  }

  // Space and Backspace choose the blank entry without opening the list;
  // Enter runs without changing the selection.
  void listKeys() {
    auto w = start();
    struct Case {
      const char* list;
      QString from;
      Qt::Key key;
      QString to;
    };
    const Case cases[] = {
        {"Unit_1", Unit(24), Qt::Key_Space, Blank},
        {"Unit_2", Unit(28), Qt::Key_Backspace, Blank},
        {"Sub_Unit_1", Prefix(13), Qt::Key_Space, Blank},
        {"Sub_Unit_2", Prefix(7), Qt::Key_Backspace, Blank},
        {"Unit_3", Unit(26), Qt::Key_Space, NoFilterText},
    };
    for (const Case& c : cases) {
      auto* box = get<QComboBox>(w.get(), c.list);
      Select(box, c.from);
      box->setFocus();
      QTest::keyClick(box, c.key);
      QCOMPARE(box->currentText(), c.to);
      QVERIFY(!box->view()->isVisible());
    }
    auto* unit2 = get<QComboBox>(w.get(), "Unit_2");
    Select(unit2, Unit(24));
    unit2->setFocus();
    QTest::keyClick(unit2, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(unit2->currentText(), Unit(24));
    QVERIFY(!get<QPlainTextEdit>(w.get(), "Output")->toPlainText().isEmpty());
  }

  // A click into an entry selects its whole text, as Tab does, so that the
  // number typed next replaces it; a further click places the caret.
  void clickIntoEntrySelectsItsText() {
    auto w = start();
    auto* param1 = get<QLineEdit>(w.get(), "Param_1");
    auto* param2 = get<QLineEdit>(w.get(), "Param_2");
    param2->setText(QStringLiteral("25"));
    const QPoint inside(param2->width() - 4, param2->height() / 2);
    QCOMPARE(QApplication::focusWidget(), param1);
    QTest::mouseClick(param2, Qt::LeftButton, {}, inside);
    QCOMPARE(QApplication::focusWidget(), param2);
    QCOMPARE(param2->selectedText(), QStringLiteral("25"));
    QTest::keyClicks(param2, QStringLiteral("10"));
    QCOMPARE(param2->text(), QStringLiteral("10"));

    QTest::mouseClick(param2, Qt::LeftButton, {}, QPoint(2, param2->height() / 2));
    QVERIFY(!param2->hasSelectedText());
    QCOMPARE(param2->cursorPosition(), 0);

    QTest::mouseClick(param1, Qt::LeftButton, {}, inside);
    QTest::keyClicks(param1, QStringLiteral("10"));
    QCOMPARE(param1->text(), QStringLiteral("10"));  // not "010"
  }

  // Qt's own texts read in Japanese: the standard buttons, the file dialog
  // and the context menu of an entry.
  void qtTextsInJapanese() {
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    QLineEdit entry(QStringLiteral("1"));
    std::unique_ptr<QMenu> menu(entry.createStandardContextMenu());
    QStringList actions;
    for (const QAction* action : menu->actions()) actions << action->text().section(u'\t', 0, 0);
    QVERIFY2(actions.contains(QStringLiteral("元に戻す(&U)")), qPrintable(actions.join(u',')));
    QVERIFY2(actions.contains(QStringLiteral("貼り付け(&P)")), qPrintable(actions.join(u',')));
  }

  void clearAndExplain() {
    auto w = start();
    auto* param1 = get<QLineEdit>(w.get(), "Param_1");
    auto* param2 = get<QLineEdit>(w.get(), "Param_2");
    auto* subUnit1 = get<QComboBox>(w.get(), "Sub_Unit_1");
    auto* unit1 = get<QComboBox>(w.get(), "Unit_1");
    auto* unit3 = get<QComboBox>(w.get(), "Unit_3");
    auto* output = get<QPlainTextEdit>(w.get(), "Output");
    param1->setText(QStringLiteral("12"));
    Select(subUnit1, Prefix(13));
    Select(unit1, Unit(24));
    Select(unit3, Unit(26));
    output->setPlainText(QStringLiteral("previous"));

    QTest::mouseClick(get<QPushButton>(w.get(), "Param_1_Help"), Qt::LeftButton);
    const QStringList lines = output->toPlainText().split(u'\n');
    const QStringList volt = UnitExplanation(Unit(24)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines, QStringList({QStringLiteral("【単位解説】"), QString(),
                                 PrefixExplanation(Prefix(13)), QString()}) + volt);
    QCOMPARE(volt.size(), 2);
    QCOMPARE(QApplication::focusWidget(), param1);

    // Nothing to explain: the result box keeps its text, the focus still moves.
    output->setPlainText(QStringLiteral("previous"));
    QTest::mouseClick(get<QPushButton>(w.get(), "Param_2_Help"), Qt::LeftButton);
    QCOMPARE(output->toPlainText(), QStringLiteral("previous"));
    QCOMPARE(QApplication::focusWidget(), param2);

    QTest::mouseClick(get<QPushButton>(w.get(), "Param_1_Clear"), Qt::LeftButton);
    QCOMPARE(param1->text(), QStringLiteral("0"));
    QCOMPARE(param1->selectedText(), QStringLiteral("0"));
    QCOMPARE(QApplication::focusWidget(), param1);
    QCOMPARE(subUnit1->currentText(), Blank);
    QCOMPARE(unit1->currentText(), Blank);
    QCOMPARE(unit3->currentText(), Unit(26));
    QCOMPARE(output->toPlainText(), QStringLiteral("previous"));
  }

  // Every catalogue entry has its explanation under its own text.
  void explanationTexts() {
    QCOMPARE(PrefixExplanation(QStringLiteral("k")),
             QStringLiteral("● 倍数 k は 10の 3乗、読み方は｢キロ｣"));
    for (int p = 1; p <= 20; ++p) {
      const QString line = PrefixExplanation(Prefix(p));
      const QString power = QString::number(PrefixCatalogue[static_cast<size_t>(p - 1)].powerOfTen);
      QVERIFY2(line.startsWith(QStringLiteral("● 倍数 ") + Prefix(p) + QStringLiteral(" は 10の ") +
                               power + QStringLiteral("乗")),
               qPrintable(Prefix(p)));
    }
    for (int u = 1; u <= 80; ++u) {
      const QString text = UnitExplanation(Unit(u));
      if (u >= 75) {
        QVERIFY(text.isEmpty());
      } else {
        QVERIFY2(text.startsWith(QStringLiteral("● 単位 ") + Unit(u) + u' '), qPrintable(Unit(u)));
      }
    }
    QVERIFY(UnitExplanation(Blank).isEmpty());
    QVERIFY(PrefixExplanation(Blank).isEmpty());
    QVERIFY(UnitExplanationText(Blank, Blank).isEmpty());
    QCOMPARE(UnitExplanationText(Blank, Unit(28)),
             QStringLiteral("【単位解説】\r\n\r\n\r\n\r\n") + UnitExplanation(Unit(28)));
    QCOMPARE(UnitExplanationText(Prefix(14), Blank),
             QStringLiteral("【単位解説】\r\n\r\n") + PrefixExplanation(Prefix(14)) +
                 QStringLiteral("\r\n\r\n"));
  }

  void copyResult() {
    auto w = start();
    auto* copy = get<QPushButton>(w.get(), "CopyClip");
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());

    Select(get<QComboBox>(w.get(), "Unit_1"), Unit(24));
    Select(get<QComboBox>(w.get(), "Unit_2"), Unit(28));
    get<QLineEdit>(w.get(), "Param_2")->setText(QStringLiteral("5"));
    w->RunCalculation();
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             get<QPlainTextEdit>(w.get(), "Output")->toPlainText());
  }

  // Ctrl+X in a text entry ends the program: it saves once and cuts nothing.
  void ctrlXEndsProgram() {
    auto w = start();
    QSignalSpy saved(w.get(), &MainWindow::settingsSaved);
    auto* param1 = get<QLineEdit>(w.get(), "Param_1");
    param1->setText(QStringLiteral("123"));
    param1->setFocus();
    param1->selectAll();
    QTest::keyClick(param1, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(!w->isVisible());
    QCOMPARE(param1->text(), QStringLiteral("123"));
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.first().first().toBool(), true);
    const QStringList lines = FileLines(iniPath());
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], FormatPosition(static_cast<float>(centred().y() * 15)));
    QCOMPARE(lines[1], FormatPosition(static_cast<float>(centred().x() * 15)));
    QCOMPARE(lines[2], Q(DefaultPrefixMask));
    QCOMPARE(lines[3], Q(DefaultUnitMask));
    QCOMPARE(lines[4], QString());
    w->close();
    QCOMPARE(saved.count(), 1);
  }

  void closeBoxSavesOnce() {
    auto w = start();
    QSignalSpy saved(w.get(), &MainWindow::settingsSaved);
    w->close();
    w->close();
    QCOMPARE(saved.count(), 1);
    QVERIFY(ParseSettings([&] {
      QFile f(iniPath());
      f.open(QIODevice::ReadOnly);
      return f.readAll();
    }()));
  }

  // Ctrl+A in a text entry opens the version dialog, every time with the
  // version text.
  void ctrlAOpensVersion() {
    auto w = start();
    auto* param1 = get<QLineEdit>(w.get(), "Param_1");
    for (int round = 0; round < 2; ++round) {
      activate(w.get());
      param1->setFocus();
      QString version;
      auto seen = onNextModal([&version](QWidget* modal) {
        if (auto* dialog = qobject_cast<VersionDialog*>(modal)) version = dialog->versionText();
      });
      QTest::keyClick(param1, Qt::Key_A, Qt::ControlModifier);
      QVERIFY(*seen);
      QCOMPARE(version, QStringLiteral("Ver 1.41"));
    }
  }

  // Without its working folder (removed before the start) the program keeps
  // its files in the folder the installed launcher prepares, never in the
  // root folder. It makes that folder, and the missing ones above it, as the
  // launcher does: the user's alone (0700), whatever the umask lets others
  // have; a folder that was there keeps its mode.
  // The caret on a result line shows that line's formula with the numbers
  // in it; Up and Down move it on, a click picks a line, Enter or the
  // button opens the formula list at that formula. Output keeps its text.
  void formulaOfLine() {
    auto w = start();
    auto* param1 = get<QLineEdit>(w.get(), "Param_1");
    auto* param2 = get<QLineEdit>(w.get(), "Param_2");
    auto* output = get<QPlainTextEdit>(w.get(), "Output");
    auto* panel = get<QWidget>(w.get(), "Formula_Panel");
    auto* panelText = get<QLabel>(w.get(), "Formula_Text");
    QTest::keyClicks(param1, QStringLiteral("10"));
    Select(get<QComboBox>(w.get(), "Unit_1"), Unit(24));
    param2->setFocus();
    QTest::keyClicks(param2, QStringLiteral("5"));
    Select(get<QComboBox>(w.get(), "Unit_2"), Unit(28));
    param1->setFocus();
    QTest::keyClick(param1, Qt::Key_Return);
    const QString result = output->toPlainText();
    QVERIFY(!panel->isVisible());

    output->setFocus();
    QTRY_VERIFY(panel->isVisible());
    const QStringList first = panelText->text().split(u'\n');
    QCOMPARE(first.value(0), QStringLiteral("● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める"));
    QCOMPARE(first.value(1), QStringLiteral("電流(A)=電圧(V)/抵抗値(Ω)"));
    QCOMPARE(first.value(2), QStringLiteral("電圧(V) = 10V､抵抗値(Ω) = 5Ω"));
    QCOMPARE(first.value(3), QStringLiteral("電流(A) = 10V / 5Ω = 2.0000A"));

    QTest::keyClick(output, Qt::Key_Down);
    QVERIFY(panelText->text().endsWith(QStringLiteral("電力(W) = 10V^2 / 5Ω = 20.000W")));
    QTest::keyClick(output, Qt::Key_Up);
    QCOMPARE(panelText->text().split(u'\n').value(3), first.value(3));

    // A click on the third line.
    const QTextBlock third = output->document()->findBlockByNumber(2);
    QTextCursor at(third);
    const QPoint point = output->cursorRect(at).center() + QPoint(20, 0);
    QTest::mouseClick(output->viewport(), Qt::LeftButton, {}, point);
    QVERIFY(panelText->text().startsWith(
        QStringLiteral("● 抵抗器の抵抗値と印加する正弦波のﾋﾟｰｸ電圧から､消費される電力を求める")));
    QCOMPARE(output->toPlainText(), result);
    QVERIFY(!output->textCursor().hasSelection());

    // Enter opens the list at the formula, its lines selected.
    QTest::keyClick(output, Qt::Key_Up);
    QTest::keyClick(output, Qt::Key_Up);
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Return);
    auto* viewer = w->findChild<QWidget*>(QStringLiteral("FormulaListViewer"));
    QVERIFY(viewer);
    QTRY_VERIFY(viewer->isVisible());
    auto* list = get<QPlainTextEdit>(viewer, "Text1");
    const QStringList selected = list->textCursor().selectedText().split(QChar::ParagraphSeparator);
    QCOMPARE(selected.value(0), QStringLiteral(" ● 抵抗器の両端の電圧と抵抗値から､抵抗を流れる電流を求める"));
    QCOMPARE(selected.value(1), QStringLiteral("　　 電流(A)=電圧(V)/抵抗値(Ω)"));
    QCOMPARE(selected.size(), 2);
    const QRect shown = list->cursorRect();
    QVERIFY(shown.top() >= 0 && shown.bottom() <= list->viewport()->height());
    viewer->close();

    // The button does the same.
    activate(w.get());
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Down);
    QTest::mouseClick(get<QPushButton>(w.get(), "Formula_Open"), Qt::LeftButton);
    QTRY_VERIFY(viewer->isVisible());
    QVERIFY(list->textCursor().selectedText().contains(QStringLiteral("電力(W)=電圧(V)^2/抵抗値(Ω)")));
    viewer->close();

    // A message has no formula.
    param1->setText(QStringLiteral("1e999"));
    param1->setFocus();
    QTest::keyClick(param1, Qt::Key_Return);
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Down);
    QVERIFY(output->toPlainText() != result);
    QVERIFY(!panel->isVisible());
  }

  void vanishedWorkingFolder() {
    QTemporaryDir home;
    QVERIFY(QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                   QFile::ReadGroup | QFile::ExeGroup));
    const QString share = home.path() + QStringLiteral("/local/share");
    testing::ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(share));
    QVERIFY(QDir(dir_->path()).removeRecursively());
    const mode_t umaskBefore = umask(022);
    auto w = start();
    umask(umaskBefore);
    dataHome.restore();
    const QString dataDir = share + QStringLiteral("/tamrisk/");
    QCOMPARE(w->state().dataDir, dataDir);
    QVERIFY(QFileInfo(dataDir).isDir());
    auto mode = [](const QString& path) {
      struct stat st {};
      return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    };
    for (const QString& made : {home.path() + QStringLiteral("/local"), share, dataDir})
      QCOMPARE(mode(made), mode_t{0700});
    QCOMPARE(mode(home.path()), mode_t{0750});
    QSignalSpy saved(w.get(), &MainWindow::settingsSaved);
    w->SaveSettings();
    QCOMPARE(saved.first().first().toBool(), true);
    QVERIFY(ReadSettingsFile(dataDir + SettingsFileName));
  }

  // OK takes the path over and saves it; Cancel leaves the saved path but
  // keeps the typed text for the calculator button.
  void calculatorPathDialog() {
    auto w = start();
    CalculatorPathDialog* dialog = w->calculatorPathDialog();
    auto typeAndPress = [this](const QString& text, const char* button) {
      return this->onNextModal([text, button](QWidget* modal) {
        QCOMPARE(modal->windowTitle(), T(captions::CalculatorPathTitle));
        modal->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(text);
        QTest::mouseClick(modal->findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
      });
    };
    const QString confirmed = QStringLiteral("/opt/calc,v2/電卓");
    auto seen = typeAndPress(confirmed, "Command1");
    QTest::keyClick(get<QLineEdit>(w.get(), "Param_1"), Qt::Key_D, Qt::ControlModifier);
    QVERIFY(*seen);
    QCOMPARE(w->state().calculatorPath, confirmed);
    QCOMPARE(FileLines(iniPath()).value(4), confirmed);

    activate(w.get());
    seen = typeAndPress(QStringLiteral("/other/calc"), "Command2");
    dialog->openDialog();
    QVERIFY(*seen);
    QCOMPARE(w->state().calculatorPath, confirmed);
    QCOMPARE(dialog->pathText(), QStringLiteral("/other/calc"));
    QCOMPARE(FileLines(iniPath()).value(4), confirmed);
    QCOMPARE(dialog->pos(), w->pos() + QPoint(Tw(1200), Tw(600)));

    // Browsing and cancelling the file dialog changes nothing. The file
    // dialog is Qt's own, in Japanese, and starts in the programs' folder
    // while the entry names no program in an existing one.
    seen = onNextModal([](QWidget* modal) {
      auto* files = qobject_cast<QFileDialog*>(modal);
      QVERIFY(files);
      QCOMPARE(files->windowTitle(), T(captions::FileDialogTitle));
      QCOMPARE(files->nameFilters(), QStringList{T(captions::FileDialogFilter)});
      QCOMPARE(files->directory().absolutePath(), QStringLiteral("/usr/bin"));
      auto* buttons = files->findChild<QDialogButtonBox*>();
      QVERIFY(buttons);
      QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
      QCOMPARE(buttons->button(QDialogButtonBox::Open)->text(), QStringLiteral("開く(&O)"));
    });
    dialog->browse();
    QVERIFY(*seen);
    QCOMPARE(dialog->pathText(), QStringLiteral("/other/calc"));
    // A program named in an existing folder: the chooser starts there, and
    // shows its folders and the files that can be run, not the others.
    const QString named = dir_->filePath(QStringLiteral("calc --mode 2"));
    dialog->setPathText(named);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("tools")));
    for (const char* name : {"calc", "notes.txt"}) {
      QFile file(dir_->filePath(QString::fromLatin1(name)));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::setPermissions(dir_->filePath(QStringLiteral("calc")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    seen = onNextModal([this](QWidget* modal) {
      auto* files = qobject_cast<QFileDialog*>(modal);
      QCOMPARE(files->directory().absolutePath(), dir_->path());
      auto* view = files->findChild<QAbstractItemView*>(QStringLiteral("listView"));
      QVERIFY(view);
      auto shown = [view] {
        QStringList names;
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
          names << view->model()->index(row, 0, view->rootIndex()).data().toString();
        names.sort();
        return names;
      };
      QTRY_COMPARE(shown(), (QStringList{QStringLiteral("calc"), QStringLiteral("tools")}));
    });
    dialog->browse();
    QVERIFY(*seen);
    QCOMPARE(dialog->pathText(), named);

    // A restart restores the confirmed path.
    w.reset();
    auto again = start();
    QCOMPARE(again->calculatorPathDialog()->pathText(), confirmed);
  }

  void launchFailure_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
    QTest::newRow("no such file") << QStringLiteral("/nonexistent/calc --flag");
    QTest::newRow("not a program") << QStringLiteral("@notes.txt");
    QTest::newRow("a folder") << QStringLiteral("@");
  }
  void launchFailure() {
    QFETCH(QString, path);
    QFile notes(dir_->filePath(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("1 + 1\n");
    notes.close();
    path.replace(u'@', dir_->path() + u'/');

    auto w = start();
    w->calculatorPathDialog()->setPathText(path);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    auto seen = onNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      icon = box->icon();
      title = box->windowTitle();
      text = box->text();
      QCOMPARE(box->buttons().size(), 1);
    });
    QTest::mouseClick(get<QPushButton>(w.get(), "CalcExe"), Qt::LeftButton);
    QVERIFY(*seen);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(title, T(captions::MessageTitle));
    QCOMPARE(text, T(captions::LaunchErrorLine1) + u'\n' + T(captions::LaunchErrorLine2));
  }

  // A program path with a blank starts as it stands; otherwise the text is
  // split into program and arguments, and nothing in it runs as shell code.
  void launchProgram() {
    const QString marker = dir_->filePath(QStringLiteral("started"));
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("my calc")));
    const QString script = dir_->filePath(QStringLiteral("my calc/calc"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("#!/bin/sh\nfor a in \"$@\"; do printf '%s|' \"$a\"; done > '" + marker +
                ".tmp' && mv '" + marker + ".tmp' '" + marker + "'\n")
                   .toUtf8());
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser));
    const QString link = dir_->filePath(QStringLiteral("calc"));
    QVERIFY(QFile::link(script, link));
    const QString pwned = dir_->filePath(QStringLiteral("pwned"));

    auto w = start();
    auto* calcExe = get<QPushButton>(w.get(), "CalcExe");
    struct Case {
      QString path;
      QString arguments;
    };
    const Case cases[] = {
        {script, QString()},
        {link + QStringLiteral(" first \"two words\""), QStringLiteral("first|two words|")},
        {link + QStringLiteral(" ; touch ") + pwned, QStringLiteral(";|touch|") + pwned + u'|'},
        {u'"' + script + QStringLiteral("\" $(touch ") + pwned + u')',
         QStringLiteral("$(touch|") + pwned + QStringLiteral(")|")},
    };
    for (const Case& c : cases) {
      QFile::remove(marker);
      w->calculatorPathDialog()->setPathText(c.path);
      QTest::mouseClick(calcExe, Qt::LeftButton);
      QVERIFY(!QApplication::activeModalWidget());
      QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
      QFile started(marker);
      QVERIFY(started.open(QIODevice::ReadOnly));
      QCOMPARE(QString::fromUtf8(started.readAll()), c.arguments);
    }
    QVERIFY(!QFile::exists(pwned));
  }

  // A bare program name is looked up in the folders of $PATH only, as a
  // shell does: a file of that name in the working folder never runs.
  void bareCalculatorName() {
    const QString marker = dir_->filePath(QStringLiteral("started"));
    const QString name = QStringLiteral("tamrisk-test-calc");
    auto script = [&marker](const char* who) {
      return QByteArray("printf ") + who + " > '" + QFile::encodeName(marker) + ".tmp' && mv '" +
             QFile::encodeName(marker) + ".tmp' '" + QFile::encodeName(marker) + "'\n";
    };
    WriteScript(dir_->filePath(name), script("working-folder"));
    QTemporaryDir bin;
    WriteScript(bin.filePath(name), script("path"));
    testing::ScopedEnv path("PATH", QFile::encodeName(bin.path()) + ":/usr/bin:/bin");
    auto w = start();
    auto* calcExe = get<QPushButton>(w.get(), "CalcExe");
    for (const QString& command : {name, name + QStringLiteral(" --flag")}) {
      QFile::remove(marker);
      w->calculatorPathDialog()->setPathText(command);
      QTest::mouseClick(calcExe, Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
      QCOMPARE(FileBytes(marker), QByteArray("path"));
    }
    // Not in $PATH: the launch fails; the working folder's file is not run.
    QFile::remove(marker);
    QVERIFY(QFile::remove(bin.filePath(name)));
    auto seen = onNextModal([](QWidget* modal) { QVERIFY(qobject_cast<QMessageBox*>(modal)); });
    w->calculatorPathDialog()->setPathText(name);
    QTest::mouseClick(calcExe, Qt::LeftButton);
    path.restore();
    QVERIFY(*seen);
    QTest::qWait(200);
    QVERIFY(!QFile::exists(marker));
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
