// The font configuration read ahead: the font database works whether the
// reading has ended or not, and no reading starts beside a start-up notice
// that the display connection takes out of the environment. The gothic face
// is found under the name of every language: CMake runs this test under a
// plain and under the Japanese locale.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QtTest>

#include <clocale>
#include <cstdlib>
#include <cstring>

#include "ui/app_state.h"
#include "ui/font_configuration.h"

namespace {

// IPAGothic's family name in English and in Japanese.
const QStringList IpaGothicNames = {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")};

}  // namespace

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
    QVERIFY(families.contains(IpaGothicNames[0]) || families.contains(IpaGothicNames[1]));
    QVERIFY(families.contains(QStringLiteral("Liberation Sans")));
    QVERIFY(IpaGothicNames.contains(tamrisk::GothicFont(9).family()));
  }

  // The windows' gothic face is the fixed-pitch IPAGothic, asked for by the
  // name the font database lists it under in the user's language, so that
  // the columns of the windows line up: every half-width character takes
  // one cell, every full-width character two.
  void gothicFaceInEveryLocale() {
    const char* lang = std::getenv("LANG");
    const bool japanese = lang != nullptr && std::strncmp(lang, "ja_JP", 5) == 0;
    const char* ctype = std::setlocale(LC_CTYPE, nullptr);
    if (japanese && (ctype == nullptr || std::strncmp(ctype, "ja_JP", 5) != 0))
      QSKIP("the locale ja_JP.UTF-8 is not installed (scripts/install-deps.sh generates it)");
    const QStringList families = QFontDatabase::families();
    const bool english = families.contains(IpaGothicNames[0]);
    if (!english && !families.contains(IpaGothicNames[1]))
      QSKIP("IPAGothic is not installed (fonts-ipafont-gothic)");
    if (japanese) QVERIFY2(!english, "the Japanese locale lists IPAGothic under its Japanese name");

    for (const QFont& font : {tamrisk::GothicFont(9), tamrisk::GothicFont(15.75, true)}) {
      const QFontInfo face(font);
      QVERIFY(families.contains(font.family()));
      QCOMPARE(face.family(), font.family());
      QVERIFY2(IpaGothicNames.contains(face.family()), qPrintable(face.family()));
      const QFontMetricsF metrics(font);
      const qreal cell = metrics.horizontalAdvance(QLatin1Char('M'));
      for (const QString& half : {QStringLiteral("i"), QStringLiteral(" "), QStringLiteral("1")})
        QCOMPARE(metrics.horizontalAdvance(half), cell);
      for (const QString& full : {QStringLiteral("\u3000"), QStringLiteral("\u6570"), QStringLiteral("\u30D1")})
        QCOMPARE(metrics.horizontalAdvance(full), 2 * cell);
    }
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
