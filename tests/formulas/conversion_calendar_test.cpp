// The calendar: a year as a Western year, as an era year and as elapsed
// years, around every era boundary, with the zodiac's half-to-even rounding,
// the 32-bit limit and this year injected by the run. (Whole blocks of the
// calendar are in cases/conversion.cases.)
#include <string>
#include <vector>

#include "formulas/catalogue_run.h"
#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

constexpr int kThisYear = 2026;

struct YearLineCase {
  const char* typed;
  std::string line;
};

struct EraYearCase {
  const char* typed;
  size_t era;  // the era-year line: 0 Meiji, 1 Taisho, 2 Showa, 3 Heisei, 4 Reiwa
  std::string line;
};

const YearLineCase kWesternYearLines[] = {
    {"1800", "● 西暦 1800yearは 今年の 226年前､さる年"},
    {"1801", "● 西暦 1801yearは 享和 1年､今年の 225年前､とり年"},
    {"1803", "● 西暦 1803yearは 享和 3年､今年の 223年前､いのしし年"},
    {"1804", "● 西暦 1804yearは 文化 1年､今年の 222年前､ねずみ年"},
    {"1860", "● 西暦 1860yearは 万延 1年､今年の 166年前､さる年"},
    {"1860.5", "● 西暦 1860.5yearは 今年の 165.5年前､さる年"},
    {"1864", "● 西暦 1864yearは 元治 1年､今年の 162年前､ねずみ年"},
    {"1867", "● 西暦 1867yearは 慶応 3年､今年の 159年前､うさぎ年"},
    {"1868", "● 西暦 1868yearは 明治 1年､今年の 158年前､たつ年"},
    {"1911", "● 西暦 1911yearは 明治 44年､今年の 115年前､いのしし年"},
    {"1912", "● 西暦 1912yearは 大正 1年､今年の 114年前､ねずみ年"},
    {"1925", "● 西暦 1925yearは 大正 14年､今年の 101年前､うし年"},
    {"1926", "● 西暦 1926yearは 昭和 1年､今年の 100年前､とら年"},
    {"1988", "● 西暦 1988yearは 昭和 63年､今年の 38年前､たつ年"},
    {"1989", "● 西暦 1989yearは 平成 1年､今年の 37年前､へび年"},
    {"2018", "● 西暦 2018yearは 平成 30年､今年の 8年前､いぬ年"},
    {"2019", "● 西暦 2019yearは 令和 1年､今年の 7年前､いのしし年"},
    {"2025", "● 西暦 2025yearは 令和 7年､今年の 1年前､へび年"},
    {"2026", "● 西暦 2026yearは 令和 8年､今年､うま年"},
    {"2027", "● 西暦 2027yearは 令和 9年､今年の 1年後､ひつじ年"},
    {"0", "● 西暦 0yearは 今年の 2026年前､さる年"},
    {"0.5", "● 西暦 0.5yearは 今年の 2025.5年前､さる年"},
    {"2.5", "● 西暦 2.5yearは 今年の 2023.5年前､いぬ年"},
    {"3.5", "● 西暦 3.5yearは 今年の 2022.5年前､ねずみ年"},
    {"11", "● 西暦 11yearは 今年の 2015年前､ひつじ年"},
};

const YearLineCase kElapsedYearLines[] = {
    {"0", "● 今年の 0year前は西暦 2026年､ 令和 8年､うま年"},
    {"0.5", "● 今年の 0.5year前は西暦 2025.5年､ 令和 7.5年､うま年"},
    {"7", "● 今年の 7year前は西暦 2019年､ 令和 1年､いのしし年"},
    {"8", "● 今年の 8year前は西暦 2018年､ 平成 30年､いぬ年"},
    {"37", "● 今年の 37year前は西暦 1989年､ 平成 1年､へび年"},
    {"38", "● 今年の 38year前は西暦 1988年､ 昭和 63年､たつ年"},
    {"100", "● 今年の 100year前は西暦 1926年､ 昭和 1年､とら年"},
    {"101", "● 今年の 101year前は西暦 1925年､ 大正 14年､うし年"},
    {"114", "● 今年の 114year前は西暦 1912年､ 大正 1年､ねずみ年"},
    {"115", "● 今年の 115year前は西暦 1911年､ 明治 44年､いのしし年"},
    {"158", "● 今年の 158year前は西暦 1868年､ 明治 1年､たつ年"},
    {"159", "● 今年の 159year前は西暦 1867年､ 慶応 3年､うさぎ年"},
    {"225", "● 今年の 225year前は西暦 1801年､ 享和 1年､とり年"},
    {"226", "● 今年の 226year前は西暦 1800年､ さる年"},
    {"2026", "● 今年の 2026year前は西暦 0年､ さる年"},
    {"2027", "● 今年の 2027year前は西暦-1年､ "},
    {"2038", "● 今年の 2038year前は西暦-12年､ さる年"},
};

const EraYearCase kEraYearLines[] = {
    {"45", 0, "● 明治 45yearは､西暦 1912年"},
    {"46", 0, "● 明治 46yearは､西暦 1913年(ただし､明治は 45年7月30日まで)"},
    {"15", 1, "● 大正 15yearは､西暦 1926年"},
    {"16", 1, "● 大正 16yearは､西暦 1927年(ただし､大正は 15年12月25日まで)"},
    {"64", 2, "● 昭和 64yearは､西暦 1989年"},
    {"65", 2, "● 昭和 65yearは､西暦 1990年(ただし､昭和は 64年1月7日まで)"},
    {"31", 3, "● 平成 31yearは､西暦 2019年"},
    {"32", 3, "● 平成 32yearは､西暦 2020年(ただし､平成は 31年4月30日まで)"},
    {"1", 4, "● 令和 1yearは､西暦 2019年"},
    {"1000", 4, "● 令和 1000yearは､西暦 3018年"},
};

const std::vector<std::string> k1999Unfiltered = {"● 時間 1999yearは 730119.15780day または 17522859.78720hour または 63082295233.92000sec",
    "● 西暦 1999yearは 平成 11年､今年の 27年前､うさぎ年",
    "● 明治 1999yearは､西暦 3866年(ただし､明治は 45年7月30日まで)",
    "● 大正 1999yearは､西暦 3910年(ただし､大正は 15年12月25日まで)",
    "● 昭和 1999yearは､西暦 3924年(ただし､昭和は 64年1月7日まで)",
    "● 平成 1999yearは､西暦 3987年(ただし､平成は 31年4月30日まで)",
    "● 令和 1999yearは､西暦 4017年",
    "● 今年の 1999year前は西暦 27年､ いのしし年"};

const std::string k2026In2026 = "● 西暦 2026yearは 令和 8年､今年､うま年";
const std::string k2026In2030 = "● 西暦 2026yearは 令和 8年､今年の 4年前､うま年";

// The filter "year" keeps the calendar and drops the time line.
DomainBlock Year(const char* typed, int thisYear = kThisYear, const char* prefix = " ") {
  return ConvertOnly({typed, prefix, "year", "", " ", " ", "year", thisYear});
}

TEST(ConversionCalendar, WesternYearLineAroundEraBoundaries) {
  for (const YearLineCase& c : kWesternYearLines) {
    SCOPED_TRACE(c.typed);
    const std::vector<std::string> lines = SplitLines(Year(c.typed).text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines.front(), c.line);
  }
}

TEST(ConversionCalendar, ElapsedYearsLine) {
  for (const YearLineCase& c : kElapsedYearLines) {
    SCOPED_TRACE(c.typed);
    const std::vector<std::string> lines = SplitLines(Year(c.typed).text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines.back(), c.line);
  }
}

TEST(ConversionCalendar, EraYearNotesFromTheirThresholds) {
  for (const EraYearCase& c : kEraYearLines) {
    SCOPED_TRACE(c.typed);
    const std::vector<std::string> lines = SplitLines(Year(c.typed).text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1 + c.era], c.line);
  }
}

TEST(ConversionCalendar, ThisYearComesFromTheRun) {
  EXPECT_EQ(SplitLines(Year("2026", 2026).text).front(), k2026In2026);
  EXPECT_EQ(SplitLines(Year("2026", 2030).text).front(), k2026In2030);
}

TEST(ConversionCalendar, FollowsTheTimeLineWithoutFilterInEitherOrder) {
  const std::string expected = Lines(k1999Unfiltered);
  for (const RunInput& in : {
           RunInput{"1999", " ", "year", "", " ", " ", " 指定なし", kThisYear},
           RunInput{"7", " ", " ", "1999", " ", "year", " 指定なし", kThisYear},
       }) {
    const DomainBlock out = ConvertOnly(in);
    EXPECT_EQ(out.text, expected);
    EXPECT_FALSE(out.invalid);
  }
  const RunOutput run = Calculate({"1999", " ", "year", "", " ", " ", " 指定なし", kThisYear});
  EXPECT_EQ(run.output.substr(0, expected.size()), expected);
}

TEST(ConversionCalendar, OtherFiltersAndNegativeYearsLeaveOnlyTheTimeLine) {
  const std::vector<std::string> day = SplitLines(
      ConvertOnly({"1999", " ", "year", "", " ", " ", "day", kThisYear}).text);
  ASSERT_EQ(day.size(), 1u);
  EXPECT_EQ(day.front(), k1999Unfiltered.front());

  const DomainBlock negative = ConvertOnly({"-1", " ", "year", "", " ", " ", " 指定なし", kThisYear});
  EXPECT_EQ(SplitLines(negative.text).size(), 1u);
  EXPECT_FALSE(negative.invalid);
}

TEST(ConversionCalendar, YearBeyondThirtyTwoBitsFailsTheRunOnlyWhenNothingElseShows) {
  // The era-year lines still show, so the run shows them and no message.
  FormulaDomain::strictRules = true;
  const RunOutput run = Calculate({"2147483648", " ", "year", "", " ", " ", "year", kThisYear});
  EXPECT_TRUE(run.invalidInput);
  EXPECT_FALSE(run.failed);
}

}  // namespace
}  // namespace tamrisk::testing
