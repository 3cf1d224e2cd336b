// The engine's order of the sorted unit lists is the Japanese locale's
// case-insensitive collation, which the window program's lists always had:
// every pair of catalogue units compares the same both ways.
#include <QCollator>
#include <QLocale>
#include <QTest>

#include "engine/catalogue.h"
#include "engine/unit_lists.h"

using namespace tamrisk;

class UnitListOrderTest : public QObject {
  Q_OBJECT

 private slots:
  void sameAsJapaneseCollation() {
    QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int units = 0;
    for (std::string_view a : UnitCatalogue) {
      if (a.empty()) continue;  // spare positions
      ++units;
      for (std::string_view b : UnitCatalogue) {
        if (b.empty()) continue;
        const QString qa = QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()));
        const QString qb = QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
        QVERIFY2(UnitListLess(a, b) == (collator.compare(qa, qb) < 0),
                 qPrintable(qa + QStringLiteral(" / ") + qb));
      }
    }
    QCOMPARE(units, 74);
  }
};

QTEST_GUILESS_MAIN(UnitListOrderTest)
#include "test_unit_list_order.moc"
