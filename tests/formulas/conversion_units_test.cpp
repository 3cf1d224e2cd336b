// Unit conversions and time spans: every rule in both input orders, the
// value conditions, filters that keep and drop lines, and failing lines.
#include <string>
#include <vector>

#include "formulas/catalogue_run.h"
#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

constexpr int kThisYear = 2026;

struct ConversionCase {
  const char* typed;
  const char* prefix;
  const char* unit;
  const char* filter;
  std::vector<std::string> lines;
};

const ConversionCase kLengthCases[] = {
      {"1", " ", "m", " 指定なし",
       {"● 長さ 1mは 39.370in, 3.2808ft, 1.0936yd, 621.39μmile, 539.96μn_mile",
        "● 長さ 1mは 3.3000尺, 33.000寸, 550.00m間, 9.1667m町, 254.63μ里"}},
      {"1", "m", "m", " 指定なし",
       {"● 長さ 1mmは 39.370min, 3.2808mft, 1.0936myd, 621.39nmile, 539.96nn_mile",
        "● 長さ 1mmは 10000000.00000Å",
        "● 長さ 1mmは 3.3000m尺, 33.000m寸, 550.00μ間, 9.1667μ町, 254.63n里"}},
      {"10", "m", "m", " 指定なし",
       {"● 長さ 10mmは 393.70min, 32.808mft, 10.936myd, 6.2139μmile, 5.3996μn_mile",
        "● 長さ 10mmは 33.000m尺, 330.00m寸, 5.5000m間, 91.667μ町, 2.5463μ里"}},
      {"100000000", " ", "m", " 指定なし",
       {"● 長さ 100000000mは 3.9370Gin, 328.08Mft, 109.36Myd, 62.139kmile, 53.996kn_mile",
        "● 長さ 100000000mは 330.00M尺, 3.3000G寸, 55.000M間, 916.67k町, 25.463k里"}},
      {"1.5", "G", "m", "AU",
       {"● 長さ 1.5Gmは 10.027mAU"}},
      {"1", " ", "Å", " 指定なし",
       {"● 長さ 1Åは 100.00pm"}},
      {"1", " ", "AU", " 指定なし",
       {"● 長さ 1AUは 149.60Gm"}},
      {"1", " ", "in", " 指定なし",
       {"● 長さ 1inは 25.400mm, 0.08333ft"}},
      {"1", " ", "ft", " 指定なし",
       {"● 長さ 1ftは 304.80mm, 12.00000in, 0.33333yd, 0.00019mile, 0.00016n_mile"}},
      {"1", " ", "yd", " 指定なし",
       {"● 長さ 1ydは 914.40mm, 3.00000ft, 0.00057mile, 0.00049n_mile"}},
      {"1", " ", "mile", " 指定なし",
       {"● 長さ 1mileは 1.6093km, 1760.00000yd, 5280.00000ft, 0.86895n_mile"}},
      {"1", " ", "n_mile", " 指定なし",
       {"● 長さ 1n_mileは 1.8520km, 6076.11549ft, 2025.37183yd, 1.15081mile"}},
      {"1", " ", "尺", " 指定なし",
       {"● 長さ 1尺は 303.03mm, 10.00000寸, 0.16667間, 0.00278町, 0.00008里"}},
      {"1", " ", "寸", " 指定なし",
       {"● 長さ 1寸は 30.303mm, 0.10000尺, 0.01667間, 0.00028町, 0.00001里"}},
      {"1", " ", "間", " 指定なし",
       {"● 長さ 1間は 1.8182m, 60.00000寸, 6.00000尺, 0.01667町, 0.00046里"}},
      {"1", " ", "町", " 指定なし",
       {"● 長さ 1町は 109.09m, 3600.00000寸, 360.00000尺, 60.00000間, 0.02778里"}},
      {"1", " ", "里", " 指定なし",
       {"● 長さ 1里は 3.9273km, 129600.00000寸, 12960.00000尺, 2160.00000間, 36.00000町"}},
};

const ConversionCase kLengthFiltersCases[] = {
      {"1", " ", "m", "Å",
       {}},
      {"1", "m", "m", "Å",
       {"● 長さ 1mmは 10000000.00000Å"}},
      {"1", " ", "mile", "n_mile",
       {}},
      {"1", " ", "m", "寸",
       {"● 長さ 1mは 3.3000尺, 33.000寸, 550.00m間, 9.1667m町, 254.63μ里"}},
      {"1", " ", "m", "ft",
       {"● 長さ 1mは 39.370in, 3.2808ft, 1.0936yd, 621.39μmile, 539.96μn_mile"}},
      {"1", " ", "in", "ft",
       {"● 長さ 1inは 25.400mm, 0.08333ft"}},
      {"1", " ", "in", "yd",
       {}},
};

const ConversionCase kMassCases[] = {
      {"1", "k", "g", " 指定なし",
       {"● 質量 1kgは 35.27399oz, 2.2046lbs",
        "● 質量 1kgは 266.67m貫, 266.67匁"}},
      {"1", " ", "oz", " 指定なし",
       {"● 質量 1ozは 28.350g, 0.0625lbs"}},
      {"1", " ", "lbs", " 指定なし",
       {"● 質量 1lbsは 453.60g, 16.0000oz"}},
      {"1", " ", "貫", " 指定なし",
       {"● 質量 1貫は 3.7500kg, 1000.0000匁"}},
      {"1", " ", "匁", " 指定なし",
       {"● 質量 1匁は 3.7500g, 0.0010貫"}},
      {"1", "k", "g", "貫",
       {"● 質量 1kgは 266.67m貫, 266.67匁"}},
      {"1", "k", "g", "oz",
       {"● 質量 1kgは 35.27399oz, 2.2046lbs"}},
};

const ConversionCase kVolumeCases[] = {
      {"1", " ", "l", " 指定なし",
       {"● 体積 1lは 219.97mgal UK, 264.20mgal US",
        "● 体積 1lは 554.35m升, 5.5435合, 55.435m斗"}},
      {"1", " ", "gal UK", " 指定なし",
       {"● 体積 1gal UK は 4.5460l, 1.2011gal US"}},
      {"1", " ", "gal US", " 指定なし",
       {"● 体積 1gal US は 3.7850l, 832.60mgal UK"}},
      {"1", " ", "升", " 指定なし",
       {"● 体積 1升は 1.8039l, 10.0000合, 0.1000斗"}},
      {"1", " ", "合", " 指定なし",
       {"● 体積 1合は 180.39ml, 0.1000升, 0.0100斗"}},
      {"1", " ", "斗", " 指定なし",
       {"● 体積 1斗は 18.039l, 10.0000升, 100.0000合"}},
      {"1", " ", "l", "升",
       {"● 体積 1lは 554.35m升, 5.5435合, 55.435m斗"}},
};

const ConversionCase kAngleCases[] = {
      {"180", " ", "deg", " 指定なし",
       {"● 角度 180degを rad単位で表すと 3.14159rad または 1.00000×π rad"}},
      {"1", " ", "rad", " 指定なし",
       {"● 角度 1radを deg単位で表すと 57.29578deg",
        "● 角度 1radは 0.31831×π rad"}},
      {"1", " ", "rad", "rad",
       {"● 角度 1radは 0.31831×π rad"}},
      {"1", " ", "rad", "deg",
       {"● 角度 1radを deg単位で表すと 57.29578deg"}},
};

const ConversionCase kAreaCases[] = {
      {"1", " ", "a", " 指定なし",
       {"● 面積 1aを ㎡ 単位で表すと 100.00000㎡"}},
      {"1", " ", "㎡", " 指定なし",
       {"● 面積 1㎡ は 1550.0031in2, 0.01000a",
        "● 面積 1㎡ は 302.50m坪"}},
      {"2", "k", "㎡", " 指定なし",
       {"● 面積 2k㎡ は 3100.0062kin2, 20000.00000a",
        "● 面積 2k㎡ は 605.00k坪"}},
      {"0", " ", "㎡", " 指定なし",
       {"● 面積 0㎡ は 0in2, 0.00000a",
        "● 面積 0㎡ は 0坪"}},
      {"-1", " ", "㎡", " 指定なし",
       {}},
      {"-1", " ", "a", " 指定なし",
       {}},
      {"-1", " ", "in2", " 指定なし",
       {}},
      {"-1", " ", "坪", " 指定なし",
       {}},
      {"1", " ", "in2", " 指定なし",
       {"● 面積 1in2は 645.16000m㎡"}},
      // A prefix before in2 scales the inch, as before ㎡: 1 kin2 is (1000 in)².
      {"1", "k", "in2", " 指定なし",
       {"● 面積 1kin2は 645.16000㎡"}},
      {"1000", " ", "坪", " 指定なし",
       {"● 面積 1000坪 は 3305.8000㎡"}},
      {"50", " ", "坪", " 指定なし",
       {"● 面積 50坪 は 165.29000㎡"}},
      {"1", " ", "㎡", "坪",
       {"● 面積 1㎡ は 302.50m坪"}},
};

const ConversionCase kTemperatureCases[] = {
      {"-40", " ", "℃", " 指定なし",
       {"● 温度-40℃を華氏で表すと -40.00000ﾟF",
        "● 温度-40℃を絶対温度で表すと 233.15000K"}},
      {"0", " ", "K", " 指定なし",
       {"● 温度 0Kを摂氏温度で表すと -273.15000℃",
        "● 温度 0Kを華氏温度で表すと -459.67000ﾟF"}},
      {"212", " ", "ﾟF", " 指定なし",
       {"● 温度 212ﾟFを摂氏温度で表すと 100.00000℃",
        "● 温度 212ﾟFを絶対温度で表すと 373.15000K"}},
      {"-40", " ", "℃", "K",
       {"● 温度-40℃を絶対温度で表すと 233.15000K"}},
};

const ConversionCase kPowerCases[] = {
      {"1", "k", "W", " 指定なし",
       {"● 仕事率 1kWを仏馬力で表すと 1.3596PS､英馬力で表すと 1.3410HP"}},
      {"1", " ", "PS", " 指定なし",
       {"● 仏馬力 1PSを英馬力で表すと 986.32mHP､Wattで表すと 735.50W"}},
      {"1", " ", "HP", " 指定なし",
       {"● 英馬力 1HPを仏馬力で表すと 1.0139PS､Wattで表すと 745.70W"}},
};

const ConversionCase kTimeCases[] = {
      {"90", " ", "sec", " 指定なし",
       {"● 時間 90secを時分秒で表すと 00:01:30",
        "● 時間 90secは 0.00104day または 0.02500hour または 1.50000min"}},
      {"90", " ", "sec", "min",
       {"● 時間 90secは 0.00104day または 0.02500hour または 1.50000min"}},
      {"3725.9", " ", "sec", " 指定なし",
       {"● 時間 3725.9secを時分秒で表すと 01:02:05",
        "● 時間 3725.9secは 0.04312day または 1.03497hour または 62.09833min"}},
      {"-30", " ", "sec", " 指定なし",
       {"● 時間-30secを時分秒で表すと -00:00:30",
        "● 時間-30secは -0.00035day または -0.00833hour または -0.50000min"}},
      {"1.5", " ", "min", " 指定なし",
       {"● 時間 1.5minを時分秒で表すと 00:01:30",
        "● 時間 1.5minは 0.00104day または 0.02500hour または 90.00000sec"}},
      {"100", " ", "hour", " 指定なし",
       {"● 時間 100hourを時分秒で表すと 100:00:00",
        "● 時間 100hourは 4.16667day または 6000.00000min または 360000.00000sec"}},
      {"1", " ", "day", " 指定なし",
       {"● 時間 1dayは 24.00000hour または 1440.00000min または 86400.00000sec"}},
      {"2", " ", "month", " 指定なし",
       {"● 時間 2monthは 1440.00000hour または 5184000.00000sec"}},
      {"1", " ", "year", "day",
       {"● 時間 1yearは 365.24220day または 8765.81280hour または 31556926.08000sec"}},
};

// Each case is run with the quantity in parameter 1 and in parameter 2. The
// blank parameter holds a number of its own, which must never enter a figure.
template <size_t N>
void ExpectBothOrders(const ConversionCase (&cases)[N]) {
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " " + c.prefix + c.unit + " filter" + c.filter);
    const std::string expected = Lines(c.lines);
    const DomainBlock first =
        ConvertOnly({c.typed, c.prefix, c.unit, "", " ", " ", c.filter, kThisYear});
    EXPECT_EQ(first.text, expected);
    EXPECT_FALSE(first.invalid);
    const DomainBlock second =
        ConvertOnly({"5", " ", " ", c.typed, c.prefix, c.unit, c.filter, kThisYear});
    EXPECT_EQ(second.text, expected);
    EXPECT_FALSE(second.invalid);
  }
}

TEST(ConversionUnits, Length) { ExpectBothOrders(kLengthCases); }
TEST(ConversionUnits, LengthFilters) { ExpectBothOrders(kLengthFiltersCases); }
TEST(ConversionUnits, Mass) { ExpectBothOrders(kMassCases); }
TEST(ConversionUnits, Volume) { ExpectBothOrders(kVolumeCases); }
TEST(ConversionUnits, Angle) { ExpectBothOrders(kAngleCases); }
TEST(ConversionUnits, Area) { ExpectBothOrders(kAreaCases); }
TEST(ConversionUnits, Temperature) { ExpectBothOrders(kTemperatureCases); }
TEST(ConversionUnits, Power) { ExpectBothOrders(kPowerCases); }
TEST(ConversionUnits, TimeSpans) { ExpectBothOrders(kTimeCases); }

TEST(ConversionUnits, NeedsTheOtherParameterWithoutUnit) {
  for (const RunInput& in : {
           RunInput{"1", " ", "m", "1", " ", "m", " 指定なし", kThisYear},
           RunInput{"1", " ", "m", "1", " ", "g", " 指定なし", kThisYear},
           RunInput{"1", " ", "sec", "1", " ", "sec", " 指定なし", kThisYear},
       }) {
    const DomainBlock out = ConvertOnly(in);
    EXPECT_EQ(out.text, "");
    EXPECT_FALSE(out.invalid);
  }
}

TEST(ConversionUnits, OverflowDropsTheLineAndMarksTheInputInvalid) {
  const DomainBlock out = ConvertOnly({"1E308", " ", "mile", "", " ", " ", " 指定なし", kThisYear});
  EXPECT_EQ(out.text, "");
  EXPECT_TRUE(out.invalid);

  // A failing line drops only itself: for 1E308 l the sho figures overflow
  // while the gallon line of the same input stays.
  const DomainBlock all = ConvertOnly({"1E308", " ", "l", "", " ", " ", " 指定なし", kThisYear});
  const DomainBlock gallons = ConvertOnly({"1E308", " ", "l", "", " ", " ", "gal UK", kThisYear});
  EXPECT_TRUE(all.invalid);
  EXPECT_FALSE(gallons.invalid);
  EXPECT_EQ(SplitLines(gallons.text).size(), 1u);
  EXPECT_EQ(all.text, gallons.text);
}

TEST(ConversionUnits, OpensTheResultText) {
  const DomainBlock block = ConvertOnly({"1", "m", "m", "", " ", " ", " 指定なし", kThisYear});
  const RunOutput out = Calculate({"1", "m", "m", "", " ", " ", " 指定なし", kThisYear});
  ASSERT_FALSE(block.text.empty());
  EXPECT_EQ(out.output.substr(0, block.text.size()), block.text);
  EXPECT_FALSE(out.failed);
}

}  // namespace
}  // namespace tamrisk::testing
