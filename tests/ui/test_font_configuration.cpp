// The font configuration read ahead: the font database works whether the
// reading has ended or not, and no reading starts beside a start-up notice
// that the display connection takes out of the environment.
#include <QFontDatabase>
#include <QtTest>

#include <cstdlib>

#include "ui/app_state.h"
#include "ui/font_configuration.h"

class FontConfigurationTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Started from a desktop, the test itself may carry a start-up notice.
    qunsetenv("DESKTOP_STARTUP_ID");
    qunsetenv("XDG_ACTIVATION_TOKEN");
  }

  void fontDatabaseIsCompleteWhileTheReadingRuns() {
    QVERIFY(tamrisk::ReadFontConfigurationAhead());
    // Asked for at once: the font database reads the configuration beside
    // the reading ahead, and the font library keeps one of the two readings.
    const QStringList families = QFontDatabase::families();
    QVERIFY(families.contains(QStringLiteral("IPAGothic")));
    QVERIFY(families.contains(QStringLiteral("Liberation Sans")));
    QCOMPARE(tamrisk::GothicFont(9).family(), QStringLiteral("IPAGothic"));
  }

  void noReadingBesideAStartUpNotice_data() {
    QTest::addColumn<QByteArray>("variable");
    QTest::newRow("X11") << QByteArray("DESKTOP_STARTUP_ID");
    QTest::newRow("Wayland") << QByteArray("XDG_ACTIVATION_TOKEN");
  }

  void noReadingBesideAStartUpNotice() {
    QFETCH(QByteArray, variable);
    qputenv(variable.constData(), "tamrisk-test_TIME0");
    QVERIFY(!tamrisk::ReadFontConfigurationAhead());
    qunsetenv(variable.constData());
    QVERIFY(tamrisk::ReadFontConfigurationAhead());
  }
};

QTEST_MAIN(FontConfigurationTest)
#include "test_font_configuration.moc"
