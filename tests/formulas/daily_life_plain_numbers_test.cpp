// Daily life and the arithmetic on numbers without unit: whole lines per
// section, each range table on both sides of its bounds (categories chosen
// by the computed value, not by its rounded text), filters that keep and
// drop lines, and failing lines that leave the others in place.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

constexpr int kThisYear = 2026;

using Case = TypedCase;

// For rows that read the same in either input order.
void ExpectBothOrders(const FormulaDomain& domain, const Case& c) { ExpectTypedCase(domain, c, true); }

// The blank parameter holds a number of its own that must not enter a figure.
const Case kBodyCases[] = {
    {"1.7", " ", "m", "5", " ", " ", " 指定なし", {"● 身長 1.7mの人の標準体重は 63.580kg"}, false},
    {"0.5", " ", "m", "", " ", " ", "g", {"● 身長 0.5mの人の標準体重は 5.5000kg"}, false},
    {"2.999", " ", "m", "", " ", " ", " 指定なし", {"● 身長 2.999mの人の標準体重は 197.87kg"}, false},
    {"0.49", " ", "m", "", " ", " ", " 指定なし", {}, false},
    {"3", " ", "m", "", " ", " ", " 指定なし", {}, false},
    {"1.7", " ", "m", "", " ", " ", "%", {}, false},
    {"1.7", " ", "m", "70", "k", "g", "%",
     {"● 身長 1.7m､体重 70kgの人の肥満度は 10.10% (太りぎみ)"}, false},
    // 1.7 m squared is just below 2.89, so this weight lies just above 10 %.
    {"1.7", " ", "m", "69.938", "k", "g", " 指定なし",
     {"● 身長 1.7m､体重 69.938kgの人の肥満度は 10.00% (太りぎみ)"}, false},
    {"1", " ", "m", "17599", " ", "g", " 指定なし",
     {"● 身長 1m､体重 17599gの人の肥満度は -20.00% (痩せすぎ)"}, false},
    {"1", " ", "m", "17600", " ", "g", " 指定なし",
     {"● 身長 1m､体重 17600gの人の肥満度は -20.00% (適正)"}, false},
    {"1", " ", "m", "24199", " ", "g", " 指定なし",
     {"● 身長 1m､体重 24199gの人の肥満度は 10.00% (適正)"}, false},
    {"1", " ", "m", "24200", " ", "g", " 指定なし",
     {"● 身長 1m､体重 24200gの人の肥満度は 10.00% (太りぎみ)"}, false},
    {"1", " ", "m", "26399", " ", "g", " 指定なし",
     {"● 身長 1m､体重 26399gの人の肥満度は 20.00% (太りぎみ)"}, false},
    {"1", " ", "m", "26400", " ", "g", " 指定なし",
     {"● 身長 1m､体重 26400gの人の肥満度は 20.00% (太りすぎ)"}, false},
    {"3", " ", "m", "70", "k", "g", " 指定なし", {}, false},
    {"60", "k", "g", "200", "k", "cal", " 指定なし",
     {"● 体重 60kgの人が徒歩で 200kcalのエネルギーを消費するために必要な歩数は約 6667歩"}, false},
    {"10", "k", "g", "200", "k", "cal", " 指定なし",
     {"● 体重 10kgの人が徒歩で 200kcalのエネルギーを消費するために必要な歩数は約 40000歩"}, false},
    {"9.999", "k", "g", "200", "k", "cal", " 指定なし", {}, false},
    {"60", "k", "g", "200", "k", "cal", "g", {}, false},
};

TEST(DailyLifeDomainTest, StandardWeightObesityAndSteps) {
  for (const Case& c : kBodyCases) ExpectBothOrders(DailyLifeDomain, c);
}

// Each bound of the discomfort table from both sides: the figure rounds to
// the bound either way, the category follows the computed value.
const Case kHumidityCases[] = {
    {"30", " ", "℃", "60", " ", "%", " 指定なし",
     {"● 気温 30℃､相対湿度 60%時の不快指数は 79.840% (やや暑い)"}, false},
    {"25", " ", "℃", "50", " ", "%", "%", {"● 気温 25℃､相対湿度 50%時の不快指数は 71.775%"}, false},
    {"29.4", " ", "℃", "33", " ", "%", " 指定なし",
     {"● 気温 29.4℃､相対湿度 33%時の不快指数は 75.000%"}, false},
    {"27.9", " ", "℃", "45.8", " ", "%", " 指定なし",
     {"● 気温 27.9℃､相対湿度 45.8%時の不快指数は 75.000% (やや暑い)"}, false},
    {"33.1", " ", "℃", "37.3", " ", "%", " 指定なし",
     {"● 気温 33.1℃､相対湿度 37.3%時の不快指数は 80.000% (やや暑い)"}, false},
    {"33.5", " ", "℃", "34.8", " ", "%", " 指定なし",
     {"● 気温 33.5℃､相対湿度 34.8%時の不快指数は 80.000% (暑くて汗が出る)"}, false},
    {"38.9", " ", "℃", "29.7", " ", "%", " 指定なし",
     {"● 気温 38.9℃､相対湿度 29.7%時の不快指数は 85.000% (暑くて汗が出る)"}, false},
    {"36.4", " ", "℃", "42.4", " ", "%", " 指定なし",
     {"● 気温 36.4℃､相対湿度 42.4%時の不快指数は 85.000% (暑くてたまらない)"}, false},
    {"30", " ", "℃", "60", " ", "%", "℃", {}, false},
    // An overflowing index drops the whole line.
    {"1E200", " ", "℃", "1E200", " ", "%", " 指定なし", {}, true},
};

TEST(DailyLifeDomainTest, DiscomfortFromHumidity) {
  for (const Case& c : kHumidityCases) ExpectBothOrders(DailyLifeDomain, c);
}

TEST(DailyLifeDomainTest, DiscomfortFromDewPointTakesTheHigherAsAirTemperature) {
  const Case cases[] = {
      {"30", " ", "℃", "25", " ", "℃", " 指定なし",
       {"● 気温 30℃､露点温度 25℃時の不快指数は 80.200% (暑くて汗が出る)"}, false},
      {"25", " ", "℃", "30", " ", "℃", "%",
       {"● 気温 30℃､露点温度 25℃時の不快指数は 80.200% (暑くて汗が出る)"}, false},
      {"20", " ", "℃", "20", " ", "℃", " 指定なし",
       {"● 気温 20℃､露点温度 20℃時の不快指数は 68.500%"}, false},
      {"1.5E308", " ", "℃", "1.5E308", " ", "℃", " 指定なし", {}, true},
  };
  for (const Case& c : cases) ExpectTypedCase(DailyLifeDomain, c);
}

// Every bound of the postal table from both sides (lower < w <= upper).
const Case kPostalCases[] = {
    {"0", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 0gの定形郵便物の料金は 80円､定形外郵便物の料金は 130円 (H9,8,1現在)"}, false},
    {"25", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 25gの定形郵便物の料金は 80円､定形外郵便物の料金は 130円 (H9,8,1現在)"}, false},
    {"25.001", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 25.001gの定形郵便物の料金は 90円､定形外郵便物の料金は 130円 (H9,8,1現在)"}, false},
    {"50", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 50gの定形郵便物の料金は 90円､定形外郵便物の料金は 130円 (H9,8,1現在)"}, false},
    {"50.001", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 50.001gの定形外郵便物の料金は 190円 (H9,8,1現在)"}, false},
    {"100", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 100gの定形外郵便物の料金は 190円 (H9,8,1現在)"}, false},
    {"100.001", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 100.001gの定形外郵便物の料金は 270円 (H9,8,1現在)"}, false},
    {"250", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 250gの定形外郵便物の料金は 270円 (H9,8,1現在)"}, false},
    {"250.001", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 250.001gの定形外郵便物の料金は 390円 (H9,8,1現在)"}, false},
    {"500", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 500gの定形外郵便物の料金は 390円 (H9,8,1現在)"}, false},
    {"500.001", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 500.001gの定形外郵便物の料金は 700円 (H9,8,1現在)"}, false},
    {"1000", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 1000gの定形外郵便物の料金は 700円 (H9,8,1現在)"}, false},
    {"1000.001", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 1000.001gの定形外郵便物の料金は 950円 (H9,8,1現在)"}, false},
    {"1.5", "k", "g", "", " ", " ", " 指定なし", {"● 重さ 1.5kgの定形外郵便物の料金は 950円 (H9,8,1現在)"}, false},
    {"2000", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 2000gの定形外郵便物の料金は 950円 (H9,8,1現在)"}, false},
    {"2000.001", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 2000.001gの定形外郵便物の料金は 1150円 (H9,8,1現在)"}, false},
    {"3000", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 3000gの定形外郵便物の料金は 1150円 (H9,8,1現在)"}, false},
    {"3000.001", " ", "g", "", " ", " ", " 指定なし", {"● 重さ 3000.001gの定形外郵便物の料金は 1350円 (H9,8,1現在)"}, false},
    {"4", "k", "g", "", " ", " ", " 指定なし", {"● 重さ 4kgの定形外郵便物の料金は 1350円 (H9,8,1現在)"}, false},
    {"4000.001", " ", "g", "", " ", " ", " 指定なし", {}, false},
    {"4.1", "k", "g", "", " ", " ", " 指定なし", {}, false},
    {"-0.001", " ", "g", "", " ", " ", " 指定なし", {}, false},
    {"25", " ", "g", "", " ", " ", "g", {}, false},
};

TEST(DailyLifeDomainTest, PostalFees) {
  for (const Case& c : kPostalCases) ExpectBothOrders(DailyLifeDomain, c);
}

const Case kScreenCases[] = {
    {"21", " ", "in", "", " ", " ", " 指定なし",
     {"● 標準テレビのサイズ 21inの画面の大きさは､縦：320.04mm×横：426.72mm",
      "● ワイドテレビのサイズ 21inの画面の大きさは､縦：261.51mm×横：464.90mm"},
     false},
    {"21", " ", "in", "", " ", " ", "m",
     {"● 標準テレビのサイズ 21inの画面の大きさは､縦：320.04mm×横：426.72mm",
      "● ワイドテレビのサイズ 21inの画面の大きさは､縦：261.51mm×横：464.90mm"},
     false},
    {"21", " ", "in", "", " ", " ", "g", {}, false},
};

TEST(DailyLifeDomainTest, TelevisionScreens) {
  for (const Case& c : kScreenCases) ExpectBothOrders(DailyLifeDomain, c);
}

// Every bound of the speeding table from both sides (lower <= s < upper),
// typed in km/h.
const Case kSpeedingCases[] = {
    {"14.999", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 14.999km/hの速度超過違反の点数は 1点､反則金は 9000円 (H11,4,1現在)"}, false},
    {"15", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 15km/hの速度超過違反の点数は 1点､反則金は 12000円 (H11,4,1現在)"}, false},
    {"19.999", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 19.999km/hの速度超過違反の点数は 1点､反則金は 12000円 (H11,4,1現在)"}, false},
    {"20", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 20km/hの速度超過違反の点数は 2点､反則金は 15000円 (H11,4,1現在)"}, false},
    {"24.999", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 24.999km/hの速度超過違反の点数は 2点､反則金は 15000円 (H11,4,1現在)"}, false},
    {"25", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 25km/hの速度超過違反の点数は 3点､反則金は 18000円 (H11,4,1現在)"}, false},
    {"29.999", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 29.999km/hの速度超過違反の点数は 3点､反則金は 18000円 (H11,4,1現在)"}, false},
    {"30", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 30km/hの速度超過違反の点数は 6点で免許停止(高速道路は 3点､反則金 25000円) (H11,4,1現在)"}, false},
    {"34.999", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 34.999km/hの速度超過違反の点数は 6点で免許停止(高速道路は 3点､反則金 25000円) (H11,4,1現在)"}, false},
    {"35", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 35km/hの速度超過違反の点数は 6点で免許停止(高速道路は 3点､反則金 35000円) (H11,4,1現在)"}, false},
    {"39.999", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 39.999km/hの速度超過違反の点数は 6点で免許停止(高速道路は 3点､反則金 35000円) (H11,4,1現在)"}, false},
    {"40", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 40km/hの速度超過違反の点数は 6点で免許停止 (H11,4,1現在)"}, false},
    {"49.999", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 49.999km/hの速度超過違反の点数は 6点で免許停止 (H11,4,1現在)"}, false},
    {"50", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 50km/hの速度超過違反の点数は 12点で免許停止 (H11,4,1現在)"}, false},
    {"200", "k", "m/h", "", " ", " ", " 指定なし", {"● 普通車で 200km/hの速度超過違反の点数は 12点で免許停止 (H11,4,1現在)"}, false},
    {"200.001", "k", "m/h", "", " ", " ", " 指定なし", {}, false},
    // No excess is no offence.
    {"0", "k", "m/h", "", " ", " ", " 指定なし", {}, false},
    {"-10", "k", "m/h", "", " ", " ", " 指定なし", {}, false},
    {"30", "k", "m/h", "", " ", " ", "m", {}, false},
};

TEST(DailyLifeDomainTest, SpeedingPointsAndFines) {
  for (const Case& c : kSpeedingCases) ExpectBothOrders(DailyLifeDomain, c);
}

// Two numbers without unit; labels end with the blank unit text.
const Case kPlainCases[] = {
    // One number: its logarithms, no powers of 10 and e for an exponent
    // of 100, and the quotient by the empty entry fails alone.
    {"100", " ", " ", "", " ", " ", " 指定なし",
     {"● log10( 100 )＝  2",
      "● log( 100 )＝  4.60517018598809",
      "●  100 ＋ 0 ＝  100＝ 100.00",
      "●  100 － 0 ＝  100＝ 100.00",
      "●  0 － 100 ＝ -100＝ -100.00",
      "●  100 × 0 ＝  0＝ 0",
      "●  0 ／ 100 ＝  0＝ 0",
      "●  100 ＾ 0 ＝  1＝ 1.0000",
      "● ( 100 ＋ 0 )／2 ＝  50＝ 50.000",
      "● √( 100 ^2＋ 0 ^2) ＝  100＝ 100.00"},
     true},
    {"0", " ", " ", "2", " ", " ", " 指定なし",
     {"● log10( 2 )＝  0.301029995663981",
      "● log( 2 )＝  0.693147180559945",
      "● 10^ 2 ＝ 100.00",
      "● e^ 2 ＝ 7.3891",
      "●  0 ＋ 2 ＝  2＝ 2.0000",
      "●  0 － 2 ＝ -2＝ -2.0000",
      "●  2 － 0 ＝  2＝ 2.0000",
      "●  0 × 2 ＝  0＝ 0",
      "●  0 ／ 2 ＝  0＝ 0",
      "●  0 ＾ 2 ＝  0＝ 0",
      "●  2 ＾ 0 ＝  1＝ 1.0000",
      "● ( 0 ＋ 2 )／2 ＝  1＝ 1.0000",
      "● √( 0 ^2＋ 2 ^2) ＝  2＝ 2.0000"},
     true},
    {"2", " ", " ", "3", " ", " ", " 指定なし",
     {"●  2 ＋ 3 ＝  5＝ 5.0000",
      "●  2 － 3 ＝ -1＝ -1.0000",
      "●  3 － 2 ＝  1＝ 1.0000",
      "●  2 × 3 ＝  6＝ 6.0000",
      "●  2 ／ 3 ＝  0.666666666666667＝ 666.67m",
      "●  3 ／ 2 ＝  1.5＝ 1.5000",
      "●  2 ＾ 3 ＝  8＝ 8.0000",
      "●  3 ＾ 2 ＝  9＝ 9.0000",
      "● ( 2 ＋ 3 )／2 ＝  2.5＝ 2.5000",
      "● √( 2 ^2＋ 3 ^2) ＝  3.60555127546399＝ 3.6056"},
     false},
    // A negative base to a non-integer power fails; the reverse power stays.
    {"-8", " ", " ", "0.5", " ", " ", " 指定なし",
     {"● -8 ＋ 0.5 ＝ -7.5＝ -7.5000",
      "● -8 － 0.5 ＝ -8.5＝ -8.5000",
      "●  0.5 －-8 ＝  8.5＝ 8.5000",
      "● -8 × 0.5 ＝ -4＝ -4.0000",
      "● -8 ／ 0.5 ＝ -16＝ -16.000",
      "●  0.5 ／-8 ＝ -0.0625＝ -62.500m",
      "●  0.5 ＾-8 ＝  256＝ 256.00",
      "● (-8 ＋ 0.5 )／2 ＝ -3.75＝ -3.7500",
      "● √(-8 ^2＋ 0.5 ^2) ＝  8.0156097709407＝ 8.0156"},
     true},
    // Both entries empty: 0^0 is 1; logarithms and quotients fail.
    {"", " ", " ", "", " ", " ", " 指定なし",
     {"● 10^ 0 ＝ 1.0000",
      "● 10^ 0 ＝ 1.0000",
      "● e^ 0 ＝ 1.0000",
      "● e^ 0 ＝ 1.0000",
      "●  0 ＋ 0 ＝  0＝ 0",
      "●  0 － 0 ＝  0＝ 0",
      "●  0 － 0 ＝  0＝ 0",
      "●  0 × 0 ＝  0＝ 0",
      "●  0 ＾ 0 ＝  1＝ 1.0000",
      "●  0 ＾ 0 ＝  1＝ 1.0000",
      "● ( 0 ＋ 0 )／2 ＝  0＝ 0",
      "● √( 0 ^2＋ 0 ^2) ＝  0＝ 0"},
     true},
    // Silent under any filter, and when either parameter has a unit.
    {"2", " ", " ", "3", " ", " ", "m", {}, false},
    {"2", " ", "m", "3", " ", " ", " 指定なし", {}, false},
};

TEST(PlainNumberDomainTest, OneAndTwoNumbers) {
  for (const Case& c : kPlainCases) ExpectTypedCase(PlainNumberDomain, c);
}

// log(1000)/log(10) is 2.9999999999999996, written with 15 digits as 3.
TEST(PlainNumberDomainTest, CommonLogarithmIsWrittenWithFifteenDigits) {
  const DomainBlock out =
      EvaluateOnly(PlainNumberDomain, {"1000", " ", " ", "", " ", " ", " 指定なし", kThisYear});
  const std::vector<std::string> lines = SplitLines(out.text);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "● log10( 1000 )＝  3");
  EXPECT_EQ(lines[1], "● log( 1000 )＝  6.90775527898214");
}

// Overflow drops only its own lines: the quotient by 1E-300 and the root of
// the squares overflow, 1E-300 / 1E+300 underflows to 0 and is written.
TEST(PlainNumberDomainTest, OverflowingLinesAreLeftOutAlone) {
  const DomainBlock out =
      EvaluateOnly(PlainNumberDomain, {"1E300", " ", " ", "1E-300", " ", " ", " 指定なし", kThisYear});
  EXPECT_TRUE(out.invalid);
  const std::vector<std::string> lines = SplitLines(out.text);
  EXPECT_EQ(lines.size(), 7u);
  const std::vector<std::string> expected = {
      "●  1E+300 × 1E-300 ＝  1＝ 1.0000",
      "●  1E-300 ／ 1E+300 ＝  0＝ 0",
      "●  1E+300 ＾ 1E-300 ＝  1＝ 1.0000",
  };
  for (const std::string& line : expected) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  }
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find("／ 1E-300"), std::string::npos) << line;
    EXPECT_EQ(line.find("√"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace tamrisk::testing
