#include <cmath>
#include <limits>
#include <string>
#include <vector>
#include <optional>

#include <gtest/gtest.h>

#include "engine/calc_input.h"
#include "engine/numtext.h"

namespace tamrisk {
namespace {

TEST(ParseNumberTest, LongestLeadingNumber) {
  struct C {
    const char* text;
    double value;
  };
  const C cases[] = {
      {"", 0},          {"abc", 0},        {"1,000", 1},      {"1 2 3", 123},
      {"&H10", 16},     {"&HFFFF", 65535}, {"&hff", 255},     {"&O17", 15},
      {"2.5e3", 2500},  {"2.5D3", 2500},   {"2.5d-3", 0.0025}, {" -4.70 ", -4.7},
      {"\t1\n2", 12},   {"1.2.3", 1.2},    {"5e", 5},         {"5e+", 5},
      {".5", 0.5},      {"-", 0},          {"+7", 7},         {"12abc", 12},
      {"1e-400", 0},    {"-0", 0},         {"$5", 0},
  };
  for (const C& c : cases) {
    const std::optional<double> v = ParseNumber(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
    EXPECT_FALSE(std::signbit(*v) && *v == 0) << "negative zero from " << c.text;
  }
}

// What a Japanese input method types: the full-width forms of the ASCII
// characters, the minus sign U+2212 and the ideographic space U+3000 are
// read as their ASCII characters; the reading is otherwise the same, and the
// rewritten entry is ASCII. Digits of other scripts are not digits here.
TEST(ParseNumberTest, FullWidthFormsReadAsAscii) {
  struct C {
    const char* text;
    double value;
    const char* rewritten;
  };
  const C cases[] = {
      {"１２３", 123, "123"},
      {"１．５", 1.5, "1.5"},
      {"−５", -5, "-5"},
      {"－１Ｅ３", -1000, "-1000"},
      {"＆Ｈ１０", 16, "16"},
      {"１，０００", 1, "1"},
      {"１２ａ", 12, "12"},
      {"１\u3000２", 12, "12"},  // an ideographic space is ignored like " "
      {"\u3000\u2212３", -3, "-3"},
      {"＋７ｅ－２", 0.07, "0.07"},
      {"＆ｈｆｆ", 255, "255"},
      {"＆Ｏ１７", 15, "15"},
      {"．５", 0.5, "0.5"},
      {"1２.５", 12.5, "12.5"},  // half- and full-width mixed
      {"٣", 0, "0"},               // ARABIC-INDIC DIGIT THREE
      {"\u2011５", 0, "0"},      // a NON-BREAKING HYPHEN is no minus
      {"１\xEF\xBC", 1, "1"},   // a cut full-width form ends the number
  };
  for (const C& c : cases) {
    const std::optional<double> v = ParseNumber(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
    RunInput in{c.text, " ", "V", "", " ", " ", " 指定なし", 2026};
    const std::optional<NormalizedInput> n = NormalizeInput(in);
    ASSERT_TRUE(n) << c.text;
    EXPECT_EQ(n->param1Text, c.rewritten) << c.text;
  }
  EXPECT_EQ(NarrowNumberText("Ａｚ～！\u3000\u2212\uFF5F\uFF00"), "Az~! -\uFF5F\uFF00");
  EXPECT_FALSE(ParseNumber("１ｅ９９９").has_value());
}

TEST(ParseNumberTest, BeyondTheDoubleRangeIsNoNumber) {
  EXPECT_FALSE(ParseNumber("1e309").has_value());
  EXPECT_FALSE(ParseNumber("-2E400").has_value());
  EXPECT_FALSE(ParseNumber("1.79769313486233E+308").has_value());
  EXPECT_FALSE(ParseNumber("1" + std::string(400, '0')).has_value());
  EXPECT_FALSE(ParseNumber("0.001e312").has_value());
  EXPECT_TRUE(ParseNumber("1.7976931348623157e308").has_value());
}

TEST(ParseNumberTest, TinyNumberWrittenInFullIsZero) {
  // However it is written, a magnitude that no double holds reads as 0.
  const std::string zeros(400, '0');
  for (const std::string& text : std::vector<std::string>{"0." + zeros + "1", "." + zeros + "1", "-0." + zeros + "1",
                                  "000." + zeros + "5e-3", "1e-401", "100e-402"}) {
    const std::optional<double> v = ParseNumber(text);
    ASSERT_TRUE(v.has_value()) << text;
    EXPECT_EQ(*v, 0) << text;
  }
}

TEST(ParseNumberTest, RewrittenLargestDoubleReadsBack) {
  // The entry of the largest double is rewritten with 15 digits, a little
  // above it; that text must read back as the largest double.
  const double max = std::numeric_limits<double>::max();
  EXPECT_EQ(FormatGeneral(max), "1.79769313486232E+308");
  // So does every number above the largest double that rounds to that text,
  // however it is written; 1.797693134862325e308 and above are beyond it.
  const std::string justBelow = "1797693134862324" + std::string(30, '9');
  for (const std::string& text :
       {std::string("1.79769313486232E+308"), std::string("1.797693134862324e308"),
        std::string("-1.79769313486232E+308"), "1." + justBelow.substr(1) + "e308",
        "0.0" + justBelow + "e310", justBelow + std::string(293 - 30, '0') + ".5"}) {
    const std::optional<double> v = ParseNumber(text);
    ASSERT_TRUE(v.has_value()) << text;
    EXPECT_EQ(std::fabs(*v), max) << text;
  }
  EXPECT_EQ(*ParseNumber("-1.79769313486232E+308"), -max);
  for (const std::string& text :
       {std::string("1.797693134862325e308"), std::string("1.7976931348623250000e308"),
        "1797693134862325" + std::string(293, '0'), std::string("0.1797693134862325000001e309")}) {
    EXPECT_FALSE(ParseNumber(text).has_value()) << text;
  }
}

TEST(FormatGeneralTest, FifteenDigits) {
  struct C {
    double x;
    const char* text;
  };
  const C cases[] = {{4.70, "4.7"},       {0, "0"},          {2500, "2500"},
                     {1e15, "1E+15"},     {1e14, "100000000000000"},
                     {0.0001, "0.0001"},  {0.00001, "1E-05"}, {-3, "-3"},
                     {1.0 / 3, "0.333333333333333"},          {123456789012345678.0, "1.23456789012346E+17"}};
  for (const C& c : cases) EXPECT_EQ(FormatGeneral(c.x), c.text) << c.x;
  EXPECT_EQ(FormatSignReserving(0.5), " 0.5");
  EXPECT_EQ(FormatSignReserving(-3), "-3");
}

TEST(LabelTest, PrefixUnitAndVswr) {
  EXPECT_EQ(MakeLabel(4.7, "k", "Ω"), " 4.7kΩ");
  EXPECT_EQ(MakeLabel(-3, " ", "V"), "-3V");
  EXPECT_EQ(MakeLabel(1.5, " ", "VSWR"), " 1.5");
  EXPECT_EQ(MakeLabel(1.5, "k", "VSWR"), " 1.5k");
  EXPECT_EQ(MakeLabel(0, " ", "m"), " 0m");
  EXPECT_EQ(MakeLabel(0.5, "k", "Ω"), " 0.5kΩ");
}

TEST(ScaleTest, DividesBelowOneMultipliesAbove) {
  EXPECT_EQ(*ScaleByPrefix(4.7, "k", "Ω"), 4700);
  EXPECT_EQ(*ScaleByPrefix(2, "k", "㎡"), 2000000);
  EXPECT_EQ(*ScaleByPrefix(470, "n", "F"), 470 / 1e9);
  EXPECT_EQ(*ScaleByPrefix(5, "μ", "㎡"), 5 / 1e12);
  EXPECT_EQ(*ScaleByPrefix(5, "", "V"), 5);
  EXPECT_EQ(*ScaleByPrefix(5, "x", "V"), 5);
  EXPECT_DOUBLE_EQ(*ScaleByPrefix(3, "M", "V") / *ScaleByPrefix(3, "m", "V"), 1e9);
  EXPECT_FALSE(ScaleByPrefix(1e300, "Y", "V").has_value());
  EXPECT_FALSE(ScaleByPrefix(1e270, "Y", "㎡").has_value());
  EXPECT_TRUE(ScaleByPrefix(1e270, "Y", "V").has_value());
}

TEST(NormalizeInputTest, RewritesEntriesAndLabelsTheTypedNumber) {
  RunInput in{"470", "n", "F", "", " ", " ", " 指定なし", 2026};
  const std::optional<NormalizedInput> n = NormalizeInput(in);
  ASSERT_TRUE(n);
  EXPECT_EQ(n->param1Text, "470");
  EXPECT_EQ(n->param2Text, "0");
  EXPECT_EQ(n->input.label1, " 470nF");
  EXPECT_EQ(n->input.label2, " 0 ");
  EXPECT_EQ(n->input.value1, 470 / 1e9);
  EXPECT_EQ(n->input.filter, " 指定なし");
  EXPECT_FALSE(NormalizeInput(RunInput{"1e300", "Y", "V", "1", " ", " ", " 指定なし", 2026}));
  EXPECT_FALSE(NormalizeInput(RunInput{"1", " ", "V", "9e999", " ", " ", " 指定なし", 2026}));
}

}  // namespace
}  // namespace tamrisk
