// The calendar: a year value read as a Western year (its Japanese era year,
// its distance from this year and its zodiac animal), as a year within one of
// the modern eras (the Western year it falls in), and as a number of years
// elapsed until this year. The lines are built from pieces; this year is the
// run's current year.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "formulas/conversion/conversion_tables.h"

namespace tamrisk {

namespace {

constexpr double Unbounded = std::numeric_limits<double>::infinity();

// One era of the Western-to-Japanese table: a Western year Y in
// [first, last] belongs to the era and is its year Y - subtract. A year in
// which the era changed belongs to the new era.
struct EraRow {
  const char* name;
  double first;
  double last;
  double subtract;
};

constexpr EraRow EraTable[] = {
    {"享和", 1801, 1803, 1800},
    {"文化", 1804, 1817, 1803},
    {"文政", 1818, 1829, 1817},
    {"天保", 1830, 1843, 1829},
    {"弘化", 1844, 1847, 1843},
    {"嘉永", 1848, 1853, 1847},
    {"安政", 1854, 1859, 1853},
    {"万延", 1860, 1860, 1859},
    {"文久", 1861, 1863, 1860},
    {"元治", 1864, 1864, 1863},
    {"慶応", 1865, 1867, 1864},
    {"明治", 1868, 1911, 1867},
    {"大正", 1912, 1925, 1911},
    {"昭和", 1926, 1988, 1925},
    {"平成", 1989, 2018, 1988},
    {"令和", 2019, Unbounded, 2018},
};

// Indexed by the remainder of the Western year divided by 12.
constexpr const char* ZodiacNames[12] = {
    "さる年",
    "とり年",
    "いぬ年",
    "いのしし年",
    "ねずみ年",
    "うし年",
    "とら年",
    "うさぎ年",
    "たつ年",
    "へび年",
    "うま年",
    "ひつじ年",
};

// One modern era of the era-to-Western table: era year + add is the Western
// year; from the era year `threshold` on, the note reminds that the era ended
// within its last year.
struct EraToWesternRow {
  const char* name;
  double add;
  double threshold;
  const char* note;
};

constexpr EraToWesternRow EraToWesternTable[] = {
    {"明治", 1867, 46, "(ただし､明治は 45年7月30日まで)"},
    {"大正", 1911, 16, "(ただし､大正は 15年12月25日まで)"},
    {"昭和", 1925, 65, "(ただし､昭和は 64年1月7日まで)"},
    {"平成", 1988, 32, "(ただし､平成は 31年4月30日まで)"},
    {"令和", 2018, Unbounded, nullptr},
};

// The era name and era year of a Western year, or nothing before 1801 and
// between the rows (a fractional year such as 1860.5).
std::string EraPiece(Num year) {
  for (const EraRow& era : EraTable) {
    if (era.first <= year.raw() && year.raw() <= era.last) {
      return era.name + SignReserving(year - era.subtract) + "年､";
    }
  }
  return {};
}

// The zodiac animal of a Western year rounded half to even. A negative year
// leaves a negative remainder and names no animal unless it is a multiple of
// 12. A year beyond the 32-bit range cannot be reduced and fails the line.
std::string ZodiacPiece(Num year) {
  const std::int32_t remainder = RoundToInt32(year) % 12;
  return remainder >= 0 ? ZodiacNames[remainder] : std::string();
}

bool NonNegativeYear(const Ctx& c) { return c["year"] >= 0; }

// The Western-year line: the era piece, the distance from this year, the
// zodiac animal.
R<1> WesternYearLine(const Ctx& c) {
  const Num year = c["year"];
  const Num thisYear = c.ThisYear();
  std::string line = EraPiece(year);
  if (thisYear > year) {
    line += "今年の" + SignReserving(thisYear - year) + "年前､";
  } else if (thisYear == year) {
    line += "今年､";
  } else {
    line += "今年の" + SignReserving(year - thisYear) + "年後､";
  }
  line += ZodiacPiece(year);
  return R{line};
}

// One era-year line: the era year given, the Western year it falls in, and
// the era's note from its threshold on.
template <std::size_t Era>
R<1> EraToWesternLine(const Ctx& c) {
  const EraToWesternRow& era = EraToWesternTable[Era];
  const Num year = c["year"];
  std::string line = "● " + std::string(era.name) + SignReserving(year) + "yearは､西暦" +
                     SignReserving(year + era.add) + "年";
  if (era.note != nullptr && year >= era.threshold) line += era.note;
  return R{line};
}

// The elapsed-years line: the Western year that many years before this
// year, its era piece and its zodiac animal.
R<1> ElapsedYearsLine(const Ctx& c) {
  const Num year = Num(c.ThisYear()) - c["year"];
  return R{SignReserving(year) + "年､ " + EraPiece(year) + ZodiacPiece(year)};
}

}  // namespace

constexpr auto CalendarRows = TableRows{
    Doc({
        " ● 西暦から和暦を求める",
        "　　 享和=西暦(year)-1800　(西暦：1801～1803)",
        "　　 文化=西暦(year)-1803　(西暦：1804～1817)",
        "　　 文政=西暦(year)-1817　(西暦：1818～1829)",
        "　　 天保=西暦(year)-1829　(西暦：1830～1843)",
        "　　 弘化=西暦(year)-1843　(西暦：1844～1847)",
        "　　 嘉永=西暦(year)-1847　(西暦：1848～1853)",
        "　　 安政=西暦(year)-1853　(西暦：1854～1859)",
        "　　 万延=西暦(year)-1859　(西暦：1860)",
        "　　 文久=西暦(year)-1860　(西暦：1861～1863)",
        "　　 元治=西暦(year)-1863　(西暦：1864)",
        "　　 慶応=西暦(year)-1864　(西暦：1865～1867)",
        "　　 明治=西暦(year)-1867　(西暦：1868～1911)",
        "　　 大正=西暦(year)-1911　(西暦：1912～1925)",
        "　　 昭和=西暦(year)-1925　(西暦：1926～1988)",
        "　　 平成=西暦(year)-1988　(西暦：1989～2018)",
        "　　 令和=西暦(year)-2018　(西暦：2019～)",
    }),
    Doc({
        " ● 西暦から､今年を基準とした年数を求める",
        "　　 年数=PC内蔵ｶﾚﾝﾀﾞｰの年-西暦(year)",
    }),
    Doc({
        " ● 西暦から､干支を求める",
        "　　 干支=(西暦(year)/12) の余り",
        "　　 　　　0：さる年､　 1：とり年､ 2：いぬ年､ 3：いのしし年",
        "　　 　　　4：ねずみ年､ 5：うし年､ 6：とら年､ 7：うさぎ年",
        "　　 　　　8：たつ年､   9：へび年､10：うま年､11：ひつじ年",
    }),
    Rule(Either("year", " "), Filter{"year"}, NonNegativeYear, WesternYearLine,
         "● 西暦{year}は {r}"),
    Doc({
        " ● 和暦から西暦を求める",
        "　　 西暦=明治(year)+1867",
        "　　 西暦=大正(year)+1911",
        "　　 西暦=昭和(year)+1925",
        "　　 西暦=平成(year)+1988",
        "　　 西暦=令和(year)+2018",
    }),
    Rule(Either("year", " "), Filter{"year"}, NonNegativeYear, EraToWesternLine<0>, "{r}"),
    Rule(Either("year", " "), Filter{"year"}, NonNegativeYear, EraToWesternLine<1>, "{r}"),
    Rule(Either("year", " "), Filter{"year"}, NonNegativeYear, EraToWesternLine<2>, "{r}"),
    Rule(Either("year", " "), Filter{"year"}, NonNegativeYear, EraToWesternLine<3>, "{r}"),
    Rule(Either("year", " "), Filter{"year"}, NonNegativeYear, EraToWesternLine<4>, "{r}"),
    Doc({
        " ● 経過年数から､西暦を求める",
        "　　 西暦=PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year)",
    }),
    Doc({
        " ● 経過年数から､和暦を求める",
        "　　 享和=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1800　(西暦：1801～1803)",
        "　　 文化=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1803　(西暦：1804～1817)",
        "　　 文政=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1817　(西暦：1818～1829)",
        "　　 天保=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1829　(西暦：1830～1843)",
        "　　 弘化=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1843　(西暦：1844～1847)",
        "　　 嘉永=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1847　(西暦：1848～1853)",
        "　　 安政=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1853　(西暦：1854～1859)",
        "　　 万延=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1859　(西暦：1860)",
        "　　 文久=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1860　(西暦：1861～1863)",
        "　　 元治=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1863　(西暦：1864)",
        "　　 慶応=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1864　(西暦：1865～1867)",
        "　　 明治=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1867　(西暦：1868～1911)",
        "　　 大正=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1911　(西暦：1912～1925)",
        "　　 昭和=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1925　(西暦：1926～1988)",
        "　　 平成=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-1988　(西暦：1989～2018)",
        "　　 令和=(PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))-2018　(西暦：2019～)",
    }),
    Doc({
        " ● 経過年数から､干支を求める",
        "　　 干支=((PC内蔵ｶﾚﾝﾀﾞｰの年-経過年数(year))/12) の余り",
        "　　 　　　0：さる年､　 1：とり年､ 2：いぬ年､ 3：いのしし年",
        "　　 　　　4：ねずみ年､ 5：うし年､ 6：とら年､ 7：うさぎ年",
        "　　 　　　8：たつ年､   9：へび年､10：うま年､11：ひつじ年",
    }),
    Rule(Either("year", " "), Filter{"year"}, NonNegativeYear, ElapsedYearsLine,
         "● 今年の{year}前は西暦{r}"),
};
constinit const RuleTable CalendarTable{CalendarRows};

}  // namespace tamrisk
