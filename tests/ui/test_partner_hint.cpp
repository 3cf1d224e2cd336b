// The 組合せ候補 hint of the main window, used as a user would: the units
// that go with the chosen ones, one of them chosen, a unit the lists hide
// shown on request, and the hint after a calculation without formula. Every
// test runs in its own temporary working directory.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QtTest>

#include <memory>

#include "engine/catalogue.h"
#include "engine/partner_choices.h"
#include "engine/run.h"
#include "tests/ui/next_modal.h"
#include "tests/ui/shown_text.h"
#include "tests/ui/working_folder.h"
#include "ui/application.h"
#include "ui/customisation_dialog.h"
#include "ui/main_window.h"
#include "ui/partner_controller.h"
#include "ui/partner_hint.h"
#include "ui/settings.h"

using namespace tamrisk;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// An item of the hint as the user reads it.
QString Item(const QString& unit, int formulas, bool hidden = false) {
  return Q(partner_texts::Item).arg(unit).arg(formulas) +
         (hidden ? Q(partner_texts::HiddenMark) : QString());
}

QStringList Texts(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// A widget's place on the screen.
QRect OnScreen(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// The tooltip shown now, or nothing.
QWidget* ShownTip() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->inherits("QTipLabel") && w->isVisible()) return w;
  return nullptr;
}

// How many pixels of a list are drawn in the highlight's colour: its
// current unit and its frame, where it has the focus.
int HighlightPixels(QListWidget* list) {
  const QColor highlight = list->palette().color(QPalette::Active, QPalette::Highlight);
  const QImage image = list->grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == highlight ? 1 : 0;
  return count;
}

// The item of a unit, by the unit text it keeps.
QListWidgetItem* Find(QListWidget* list, const QString& unit) {
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->data(Qt::UserRole).toString() == unit) return list->item(i);
  }
  qFatal("no item %s", qPrintable(unit));
}

}  // namespace

class PartnerHintTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporaryWorkingFolder> dir_;
  std::unique_ptr<QObject> watchers_;
  std::unique_ptr<MainWindow> w_;

  template <typename W>
  W* get(const char* name) const {
    W* w = w_->findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no control %s", name);
    return w;
  }
  QListWidget* list(const char* name) const {
    auto* l = w_->partnerHint()->popup()->findChild<QListWidget*>(QString::fromLatin1(name));
    if (!l) qFatal("no list %s", name);
    return l;
  }

  // Enters a number and a unit for each parameter, and a filter.
  void enter(const QString& value1, const QString& unit1, const QString& value2,
             const QString& unit2, const QString& filter = Q(NoFilter)) {
    get<QLineEdit>("Param_1")->setText(value1);
    get<QLineEdit>("Param_2")->setText(value2);
    for (auto [name, text] : {std::pair{"Unit_1", unit1}, {"Unit_2", unit2}, {"Unit_3", filter}}) {
      auto* box = get<QComboBox>(name);
      const int index = box->findText(text);
      QVERIFY2(index >= 0, qPrintable(text));
      box->setCurrentIndex(index);
    }
  }

  void openHint() {
    QTest::mouseClick(get<QPushButton>("Partner_Hint"), Qt::LeftButton);
    QTRY_VERIFY(w_->partnerHint()->popup()->isVisible());
  }

  // The hint's tooltip, as the button shows it when the pointer rests on it.
  QString tip() {
    auto* button = get<QPushButton>("Partner_Hint");
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &help);
    return testing::ShownText(button->toolTip());
  }

 private slots:
  void initTestCase() {
    PrepareApplication();
  }

  void init() {
    dir_ = std::make_unique<testing::TemporaryWorkingFolder>();
    QVERIFY(dir_->isValid());
    watchers_ = std::make_unique<QObject>();
    w_ = std::make_unique<MainWindow>();
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
  }

  void cleanup() {
    w_.reset();
    watchers_.reset();
    dir_.reset();
  }

  // The hint lists, for each parameter, the units that give formulas with
  // the other parameter's unit, hidden ones marked; it changes neither the
  // result text nor the lists.
  void listsThePartnersOfBothUnits() {
    enter(QStringLiteral("10"), QStringLiteral("V"), QStringLiteral("1"), QStringLiteral("Hz"));
    w_->RunCalculation();
    const QString result = get<QPlainTextEdit>("Output")->toPlainText();
    const QStringList units = Items(get<QComboBox>("Unit_1"));
    openHint();

    const QStringList forUnit2 = Texts(list("Partners_For_Unit_2"));
    QCOMPARE(forUnit2.first(), Item(Q(partner_texts::NoUnitName), 5));
    QVERIFY2(forUnit2.contains(Item(QStringLiteral("Ω"), 6)), qPrintable(forUnit2.join(u'|')));
    QVERIFY2(forUnit2.contains(Item(QStringLiteral("F"), 2, true)), qPrintable(forUnit2.join(u'|')));
    QVERIFY(!forUnit2.contains(Item(QStringLiteral("Hz"), 1)));
    // In catalogue order: V, A, W before Ω.
    QVERIFY(forUnit2.indexOf(Item(QStringLiteral("A"), 2)) < forUnit2.indexOf(Item(QStringLiteral("Ω"), 6)));
    const QStringList forUnit1 = Texts(list("Partners_For_Unit_1"));
    QVERIFY2(forUnit1.contains(Item(QStringLiteral("H"), 3, true)), qPrintable(forUnit1.join(u'|')));
    QVERIFY2(forUnit1.contains(Item(QStringLiteral("m/s"), 5)), qPrintable(forUnit1.join(u'|')));
    auto* title2 = w_->partnerHint()->popup()->findChild<QLabel*>(QStringLiteral("Partners_For_Unit_2_Title"));
    QVERIFY(title2->text().startsWith(Q(partner_texts::ColumnTitle).arg(QStringLiteral("V"))));
    // Parameter 1 on the left, parameter 2 on the right, as in the window.
    auto* title1 = w_->partnerHint()->popup()->findChild<QLabel*>(QStringLiteral("Partners_For_Unit_1_Title"));
    QVERIFY(OnScreen(title1).right() < OnScreen(title2).left());
    QVERIFY(OnScreen(list("Partners_For_Unit_1")).right() < OnScreen(list("Partners_For_Unit_2")).left());

    QCOMPARE(get<QPlainTextEdit>("Output")->toPlainText(), result);
    QCOMPARE(Items(get<QComboBox>("Unit_1")), units);
    // Escape closes it and changes nothing.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!w_->partnerHint()->popup()->isVisible());
    QCOMPARE(get<QComboBox>("Unit_2")->currentText(), QStringLiteral("Hz"));
  }

  // The keys act on the list with the focus, and the user sees which: only
  // that list shows its current unit highlighted, in a highlighted frame.
  // Tab moves the focus, and the highlight with it.
  void theFocusedListIsMarked() {
    enter(QStringLiteral("10"), QStringLiteral("V"), QStringLiteral("1"), QStringLiteral("Hz"));
    openHint();
    QListWidget* forUnit1 = list("Partners_For_Unit_1");
    QListWidget* forUnit2 = list("Partners_For_Unit_2");
    QTRY_COMPARE(QApplication::focusWidget(), forUnit2);
    for (int turn = 0; turn < 2; ++turn) {
      QListWidget* focused = turn == 0 ? forUnit2 : forUnit1;
      QListWidget* other = turn == 0 ? forUnit1 : forUnit2;
      QCOMPARE(focused->selectedItems(), QList<QListWidgetItem*>{focused->currentItem()});
      QVERIFY(other->selectedItems().isEmpty());
      QVERIFY2(HighlightPixels(focused) > 0, focused->objectName().toLatin1());
      QCOMPARE(HighlightPixels(other), 0);
      QTest::keyClick(focused, Qt::Key_Tab);
      QTRY_COMPARE(QApplication::focusWidget(), other);
    }
    // Enter chooses from the list that shows the focus.
    const QString current = forUnit2->currentItem()->data(Qt::UserRole).toString();
    QCOMPARE(current, QStringLiteral(" "));
    QTest::keyClick(forUnit2, Qt::Key_Return);
    QTRY_VERIFY(!w_->partnerHint()->popup()->isVisible());
    QCOMPARE(get<QComboBox>("Unit_2")->currentText(), current);
  }

  // Choosing a unit the lists offer sets the other parameter's unit, runs
  // the calculation again, so that the result answers the new units, and
  // moves to the number; the keyboard chooses too.
  void choosingAPartnerSetsTheOtherUnit() {
    enter(QStringLiteral("10"), QStringLiteral("V"), QStringLiteral("5"), QStringLiteral(" "));
    w_->RunCalculation();
    QVERIFY(!get<QPlainTextEdit>("Output")->toPlainText().contains(QStringLiteral("2.0000A")));
    openHint();
    QListWidget* forUnit2 = list("Partners_For_Unit_2");
    QListWidgetItem* ohm = Find(forUnit2, QStringLiteral("Ω"));
    QTest::mouseClick(forUnit2->viewport(), Qt::LeftButton, {}, forUnit2->visualItemRect(ohm).center());
    QTRY_VERIFY(!w_->partnerHint()->popup()->isVisible());
    QCOMPARE(get<QComboBox>("Unit_2")->currentText(), QStringLiteral("Ω"));
    QCOMPARE(get<QComboBox>("Unit_1")->currentText(), QStringLiteral("V"));
    QCOMPARE(QApplication::focusWidget(), get<QLineEdit>("Param_2"));
    const QString answered = get<QPlainTextEdit>("Output")->toPlainText();
    QVERIFY(answered.contains(QStringLiteral("2.0000A")));
    w_->RunCalculation();
    QCOMPARE(get<QPlainTextEdit>("Output")->toPlainText(), answered);

    // For parameter 1, with Enter: the units that go with Ω.
    openHint();
    QListWidget* forUnit1 = list("Partners_For_Unit_1");
    forUnit1->setFocus();
    forUnit1->setCurrentItem(Find(forUnit1, QStringLiteral("A")));
    QTest::keyClick(forUnit1, Qt::Key_Return);
    QTRY_VERIFY(!w_->partnerHint()->popup()->isVisible());
    QCOMPARE(get<QComboBox>("Unit_1")->currentText(), QStringLiteral("A"));
    QCOMPARE(QApplication::focusWidget(), get<QLineEdit>("Param_1"));
    QVERIFY(get<QPlainTextEdit>("Output")->toPlainText().contains(QStringLiteral("50.000V")));
  }

  // A unit the lists hide: 10 mH at 1 kHz. Choosing it asks; yes shows it
  // in the three lists, keeps what was entered, selects it and saves the
  // settings; no changes nothing.
  void choosingAHiddenPartnerOffersToShowIt() {
    enter(QStringLiteral("1"), QStringLiteral("Hz"), QStringLiteral("10"), QStringLiteral(" "));
    get<QComboBox>("Sub_Unit_1")->setCurrentText(QStringLiteral("k"));
    get<QComboBox>("Sub_Unit_2")->setCurrentText(QStringLiteral("m"));
    QVERIFY(get<QComboBox>("Unit_2")->findText(QStringLiteral("H")) < 0);

    // Declined first.
    openHint();
    QListWidget* forUnit2 = list("Partners_For_Unit_2");
    QListWidgetItem* henry = Find(forUnit2, QStringLiteral("H"));
    QCOMPARE(henry->text(), Item(QStringLiteral("H"), 3, true));
    QString asked;
    auto seen = testing::OnNextModal(watchers_.get(), [&](QWidget* modal) {
      asked = static_cast<QMessageBox*>(modal)->text();
      for (QPushButton* b : modal->findChildren<QPushButton*>())
        if (b->text() == Q(partner_texts::ShowNo)) b->click();
    });
    QTest::mouseClick(forUnit2->viewport(), Qt::LeftButton, {}, forUnit2->visualItemRect(henry).center());
    QTRY_VERIFY(*seen);
    QCOMPARE(asked, Q(partner_texts::ShowQuestion).arg(QStringLiteral("H"), QStringLiteral("２")));
    QCOMPARE(get<QComboBox>("Unit_2")->currentText(), QStringLiteral(" "));
    QCOMPARE(get<QPlainTextEdit>("Output")->toPlainText(), QString());  // nothing was run
    QVERIFY(get<QComboBox>("Unit_2")->findText(QStringLiteral("H")) < 0);
    QCOMPARE(w_->state().unitMask, Q(DefaultUnitMask));
    QVERIFY(!QFile::exists(dir_->filePath(SettingsFileName)));

    // Then shown.
    openHint();
    forUnit2 = list("Partners_For_Unit_2");
    henry = Find(forUnit2, QStringLiteral("H"));
    seen = testing::OnNextModal(watchers_.get(), [&](QWidget* modal) {
      for (QPushButton* b : modal->findChildren<QPushButton*>())
        if (b->text() == Q(partner_texts::ShowYes)) b->click();
    });
    QTest::mouseClick(forUnit2->viewport(), Qt::LeftButton, {}, forUnit2->visualItemRect(henry).center());
    QTRY_VERIFY(*seen);
    constexpr int henryPosition = 36;
    QString mask = Q(DefaultUnitMask);
    mask[henryPosition - 1] = u'1';
    QCOMPARE(w_->state().unitMask, mask);
    for (const char* name : {"Unit_1", "Unit_2", "Unit_3"})
      QVERIFY2(get<QComboBox>(name)->findText(QStringLiteral("H")) >= 0, name);
    QCOMPARE(get<QComboBox>("Unit_2")->currentText(), QStringLiteral("H"));
    QCOMPARE(get<QComboBox>("Unit_1")->currentText(), QStringLiteral("Hz"));
    QCOMPARE(get<QComboBox>("Sub_Unit_1")->currentText(), QStringLiteral("k"));
    QCOMPARE(get<QComboBox>("Sub_Unit_2")->currentText(), QStringLiteral("m"));
    QCOMPARE(get<QLineEdit>("Param_1")->text(), QStringLiteral("1"));
    QCOMPARE(get<QLineEdit>("Param_2")->text(), QStringLiteral("10"));
    QVERIFY(w_->customisationDialog()->isTicked(20 + henryPosition));
    QFile ini(dir_->filePath(SettingsFileName));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(DecodeCp932(ini.readAll()).split(QStringLiteral("\r\n")).value(3), mask);
    // The calculation has answered, and the unit is no longer marked.
    QVERIFY(!w_->partnerHint()->notice());
    QVERIFY(get<QPlainTextEdit>("Output")->toPlainText().contains(QStringLiteral("62.832")));
    openHint();
    QVERIFY(Texts(list("Partners_For_Unit_2")).contains(Item(QStringLiteral("H"), 3)));
  }

  // After the "no formula" message, unchanged, the hint says which units
  // would have answered, under the filter too, hidden ones marked as in the
  // lists; another unit ends that. The note is shown at once, in the result
  // box under the message, where it covers no control.
  void afterNoFormulaTheHintSaysWhatWouldAnswer() {
    const QString normal = tip();
    QVERIFY(normal.startsWith(Q(partner_texts::HintTip)));
    enter(QStringLiteral("230"), QStringLiteral("V"), QStringLiteral("50"), QStringLiteral("Hz"),
          QStringLiteral("W"));
    QTest::mouseClick(get<QPushButton>("Go_Calculate"), Qt::LeftButton);
    QCOMPARE(get<QPlainTextEdit>("Output")->toPlainText(), ResultBoxText(Q(NoFormulaMessage)));
    QVERIFY(w_->partnerHint()->notice());
    QWidget* shown = ShownTip();
    QVERIFY(shown);
    auto* output = get<QPlainTextEdit>("Output");
    QTextCursor end(output->document());
    end.movePosition(QTextCursor::End);
    QVERIFY2(shown->geometry().top() > output->viewport()->mapToGlobal(output->cursorRect(end).bottomLeft()).y(),
             "under the message");
    for (QWidget* control : get<QWidget>("Picture2")->findChildren<QWidget*>()) {
      if (control->isVisible() && !control->isWindow() && !control->objectName().isEmpty())
        QVERIFY2(!shown->geometry().intersects(OnScreen(control)), control->objectName().toLatin1());
    }
    const QStringList lines = tip().split(u'\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], Q(partner_texts::NoFormula) + Q(partner_texts::WouldAnswer) +
                           Q(partner_texts::FilterNote).arg(QStringLiteral("W")));
    const QString hidden = Q(partner_texts::HiddenTipMark);
    QCOMPARE(lines[1], Q(partner_texts::ForUnit1Line) + Q(partner_texts::NoUnitName) +
                           QStringLiteral("、℃、dB") + hidden + QStringLiteral("、K") + hidden);
    QCOMPARE(lines[2], Q(partner_texts::ForUnit2Line) + QStringLiteral("A、Ω"));
    openHint();
    auto* heading = w_->partnerHint()->popup()->findChild<QLabel*>(QStringLiteral("Partner_Heading"));
    QVERIFY(heading->text().startsWith(Q(partner_texts::NoFormula)));
    QCOMPARE(Texts(list("Partners_For_Unit_2")),
             (QStringList{Item(QStringLiteral("A"), 1), Item(QStringLiteral("Ω"), 3)}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!w_->partnerHint()->popup()->isVisible());
    QCOMPARE(get<QPlainTextEdit>("Output")->toPlainText(), ResultBoxText(Q(NoFormulaMessage)));

    get<QComboBox>("Unit_2")->setCurrentText(QStringLiteral("A"));
    QVERIFY(!w_->partnerHint()->notice());
    QVERIFY(tip().startsWith(Q(partner_texts::HintTip)));

    // A calculation whose formulas fail on the numbers had formulas: no notice.
    enter(QStringLiteral("10"), QStringLiteral("V"), QStringLiteral("0"), QStringLiteral("Ω"),
          QStringLiteral("A"));
    w_->RunCalculation();
    QCOMPARE(get<QPlainTextEdit>("Output")->toPlainText(), ResultBoxText(Q(InvalidInputMessage)));
    QVERIFY(!w_->partnerHint()->notice());
  }
};

QTEST_MAIN(PartnerHintTest)
#include "test_partner_hint.moc"
