// The font configuration read ahead: the font database works whether the
// reading has ended or not, and no reading starts beside a start-up notice
// that the display connection takes out of the environment. The gothic face
// is found under the name of every language: CMake runs this test under a
// plain and under the Japanese locale. Its letters are readable at the
// screen's resolution (96 dpi here).
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QtTest>

#include <clocale>
#include <cstdlib>
#include <cstring>

#include "ui/app_state.h"
#include "ui/application.h"
#include "ui/font_configuration.h"

namespace {

// IPAGothic's family name in English and in Japanese.
const QStringList IpaGothicNames = {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")};

// The dark runs in the middle row of what `label` shows, black on white: a
// pixel is dark when it is nearer black than white. The middle row is that
// of the rows with ink. Together with the row as text, for messages.
std::pair<int, QString> StemsInMiddleRow(QLabel& label) {
  QPalette colours = label.palette();
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::WindowText, Qt::black);
  label.setPalette(colours);
  label.setAutoFillBackground(true);
  label.adjustSize();
  const QImage image = label.grab().toImage();
  int top = image.height();
  int bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 255) {
        top = std::min(top, y);
        bottom = y;
      }
    }
  }
  if (bottom < 0) return {0, QStringLiteral("no ink")};
  const int y = (top + bottom) / 2;
  int stems = 0;
  bool inStem = false;
  QString row;
  for (int x = 0; x < image.width(); ++x) {
    const int grey = qGray(image.pixel(x, y));
    const bool dark = grey < 128;
    row += dark ? u'#' : grey < 255 ? u'+' : u'.';
    if (dark && !inStem) ++stems;
    inStem = dark;
  }
  return {stems, row};
}

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

  // An "m" in the face and size of the windows shows its three stems apart,
  // and "mm" six, the second "m" half a pixel further on: smoothed at 12
  // pixels each was a grey block, in every list and result ("mm", "ms",
  // "dBm").
  void letterMHasItsStemsApart_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stems");
    QTest::newRow("m") << QStringLiteral("m") << 3;
    QTest::newRow("mm") << QStringLiteral("mm") << 6;
  }

  void letterMHasItsStemsApart() {
    QFETCH(QString, text);
    QFETCH(int, stems);
    tamrisk::PrepareApplication();
    QLabel label(text);
    QCOMPARE(label.font(), QApplication::font());
    QVERIFY(IpaGothicNames.contains(QFontInfo(label.font()).family()));
    const auto [found, row] = StemsInMiddleRow(label);
    QVERIFY2(found == stems, qPrintable(row));
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
