// Bits and bytes, transfer rate, transfer time and amount of data, the
// decimal and hexadecimal ranges of a bit width, the dynamic range of an AD
// converter, the voltage step of a DA converter, availability from MTBF and
// MTTR, the failure interval for a daily operating time, and operating time
// per hour, day, week, month and year.
#include "formulas/information/information_tables.h"
#include "formulas/unit_factors.h"

namespace tamrisk {

namespace {

// 2^bits - 1, the largest unsigned number of the width.
Num LargestUnsigned(const Ctx& c) { return Pow(2, c["bit"]) - 1; }

R<3> DecimalRange(const Ctx& c) {
  return R{SignReserving(LargestUnsigned(c)),
           SignReserving(-Floor(LargestUnsigned(c) / 2) - 1),
           SignReserving(Floor(LargestUnsigned(c) / 2))};
}

// Operating time h within a period of p hours, per hour, day, week, month
// and year.
R<5> RatesPerHourPeriod(Num p, Num h) {
  return R{Fmt("0.00", h / p), Fmt("0.00", h / p * 24), Fmt("0.00", h / p * 24 * 7),
           Fmt("0.00", h / p * 24 * 30), Fmt("0.00", h / p * 24 * DaysPerYear)};
}

// Two durations in hours: the larger is the period. Equal values take
// parameter 1 as the period.
bool FirstIsPeriod(const Ctx& c) { return c["hour#1"] >= c["hour#2"]; }
bool SecondIsPeriod(const Ctx& c) { return c["hour#1"] < c["hour#2"]; }
R<5> FirstPeriodRates(const Ctx& c) { return RatesPerHourPeriod(c["hour#1"], c["hour#2"]); }
R<5> SecondPeriodRates(const Ctx& c) { return RatesPerHourPeriod(c["hour#2"], c["hour#1"]); }

// A period in days, months or years must cover the operating time. A period
// exactly as long as the operating time counts only when the period is
// parameter 1.
bool DaysCoverFirst(const Ctx& c) { return c["day"] * 24 >= c["hour"]; }
bool DaysCoverSecond(const Ctx& c) { return c["day"] * 24 > c["hour"]; }
bool MonthsCoverFirst(const Ctx& c) { return c["month"] * 24 * 30 >= c["hour"]; }
bool MonthsCoverSecond(const Ctx& c) { return c["month"] * 24 * 30 > c["hour"]; }
bool YearsCoverFirst(const Ctx& c) { return c["year"] * 24 * DaysPerYear >= c["hour"]; }
bool YearsCoverSecond(const Ctx& c) { return c["year"] * 24 * DaysPerYear > c["hour"]; }

R<5> RatesPerDayPeriod(const Ctx& c) {
  const Num d = c["day"];
  const Num h = c["hour"];
  return R{Fmt("0.00", h / (d * 24)), Fmt("0.00", h / d), Fmt("0.00", h / d * 7),
           Fmt("0.00", h / d * 30), Fmt("0.00", h / d * DaysPerYear)};
}

R<5> RatesPerMonthPeriod(const Ctx& c) {
  const Num m = c["month"];
  const Num h = c["hour"];
  return R{Fmt("0.00", h / (m * 24 * 30)), Fmt("0.00", h / (m * 30)), Fmt("0.00", h / (m * 30 / 7)),
           Fmt("0.00", h / m), Fmt("0.00", h / (m * 30 / DaysPerYear))};
}

R<5> RatesPerYearPeriod(const Ctx& c) {
  const Num y = c["year"];
  const Num h = c["hour"];
  return R{Fmt("0.00", h / (y * 24 * DaysPerYear)), Fmt("0.00", h / (y * DaysPerYear)),
           Fmt("0.00", h / (y * DaysPerYear / 7)), Fmt("0.00", h / (y * DaysPerYear / 30)),
           Fmt("0.00", h / y)};
}

}  // namespace

constexpr auto InformationProcessingRows = TableRows{
    Doc({
        " ● ﾋﾞｯﾄをﾊﾞｲﾄで表す",
        "　　 ﾊﾞｲﾄ数(byte)=ﾋﾞｯﾄ数(bit)/8",
    }),
    Rule(Either("bit", " "), Filter{"byte"},
         [](const Ctx& c) { return R{Eng5(c["bit"] / 8)}; },
         "● {bit}を byte単位で表すと {r}byte"),
    Doc({
        " ● ﾊﾞｲﾄをﾋﾞｯﾄで表す",
        "　　 ﾋﾞｯﾄ数(bit)=ﾊﾞｲﾄ数(byte)x8",
    }),
    Rule(Either("byte", " "), Filter{"bit"},
         [](const Ctx& c) { return R{Eng5(c["byte"] * 8)}; },
         "● {byte}を bit単位で表すと {r}bit"),
    Doc({
        " ● ﾃﾞｰﾀ量と伝送時間から､伝送速度を求める",
        "　　 伝送速度(bps)=ﾃﾞｰﾀ量(bit)/時間(sec)",
        "　　 伝送速度(bps)=ﾃﾞｰﾀ量(byte)x8/時間(sec)",
    }),
    Rule(Either("bit", "sec"), Filter{"bps"},
         [](const Ctx& c) { return R{Eng5(c["bit"] / c["sec"])}; },
         "● {bit}を{sec}で伝送する速度は {r}bps"),
    Rule(Either("byte", "sec"), Filter{"bps"},
         [](const Ctx& c) { return R{Eng5(c["byte"] * 8 / c["sec"])}; },
         "● {byte}を{sec}で伝送する速度は {r}bps"),
    Doc({
        " ● 伝送速度とﾃﾞｰﾀ量から､要する時間を求める",
        "　　 時間(sec)=ﾃﾞｰﾀ量(bit)/伝送速度(bps)",
        "　　 時間(sec)=ﾃﾞｰﾀ量(byte)x8/伝送速度(bps)",
    }),
    Rule(Either("bps", "bit"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["bit"] / c["bps"])}; },
         "● {bps}の伝送速度で{bit}を伝送させるのに必要な時間は {r}sec"),
    Rule(Either("bps", "byte"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["byte"] * 8 / c["bps"])}; },
         "● {bps}の伝送速度で{byte}を伝送させるのに必要な時間は {r}sec"),
    Doc({
        " ● 伝送速度と時間から､伝送されるﾃﾞｰﾀ量を求める",
        "　　 ﾃﾞｰﾀ量(bit)=伝送速度(bps)x時間(sec)",
    }),
    Rule(Either("bps", "sec"), Filter{"bit"},
         [](const Ctx& c) { return R{Eng5(c["sec"] * c["bps"])}; },
         "● {bps}の伝送速度で{sec}間に伝送されるビット数は {r}bit"),
    Doc({
        " ● ﾃﾞｰﾀのﾋﾞｯﾄ数で表せる 10進数の範囲を求める",
        "　　 10進数の範囲(無単位)=[0] ～ [2^ﾋﾞｯﾄ数-1]",
        "　　 [-(2^ﾋﾞｯﾄ数-1)/2-1] ～ [(2^ﾋﾞｯﾄ数-1)/2]",
    }),
    Rule(Either("bit", " "), NoFilterOnly, DecimalRange,
         "● {bit}で表せる範囲を10進で表すと 0～{r1}または､{r2}～{r3}"),
    Doc({
        " ● ﾃﾞｰﾀのﾋﾞｯﾄ数で表せる 16進数の範囲を求める",
        "　　 16進数の範囲(無単位)=[0H]～[Hex(2^ﾋﾞｯﾄ数-1)]",
    }),
    Rule(Either("bit", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Hex(LargestUnsigned(c))}; },
         "● {bit}で表せる範囲を16進で表すと 0H～{r}H"),
    Doc({
        " ● ADｺﾝﾊﾞｰﾀの分解能から､ﾀﾞｲﾅﾐｯｸﾚﾝｼﾞを求める",
        "　　 ﾀﾞｲﾅﾐｯｸﾚﾝｼﾞ(dB)=6.02x分解能(bit)+1.76",
    }),
    Rule(Either("bit", " "), Filter{"dB"},
         [](const Ctx& c) { return R{Fmt("0.00dB", c["bit"] * 6.02 + 1.76)}; },
         "● {bit}のADコンバータのダイナミックレンジは {r}"),
    Doc({
        " ● DAｺﾝﾊﾞｰﾀの分解能と基準電圧から､出力電圧分解能を求める",
        "　　 電圧分解能(V)=基準電圧(V)/2^分解能(bit)",
    }),
    Rule(Either("bit", "V"), Filter{"V"},
         [](const Ctx& c) { return R{Eng5(c["V"] / Pow(2, c["bit"]))}; },
         "● {bit}のDAコンバータで､基準電圧を{V}としたときの出力電圧分解能は {r}V"),
    // Availability uses the mean time to repair (MTTR).
    Doc({
        " ● MTBFとMTTRから､可用性(ｱﾍﾞｲﾗﾋﾞﾘﾃｨ)を求める",
        "　　 ｱﾍﾞｲﾗﾋﾞﾘﾃｨ(無単位)=MTBF(hour)/(MTBF(hour)+MTTR(hour))",
    }),
    Rule(ThisOrder("hour", "hour"), NoFilterOnly,
         [](const Ctx& c) { return R{Fmt("0.00000", c["hour#1"] / (c["hour#1"] + c["hour#2"]))}; },
         "● MTBF{hour#1},MTTR{hour#2}のシステムの可用性(アベイラビリティ)は {r}"),
    Rule(ThisOrder("hour", "hour"), NoFilterOnly,
         [](const Ctx& c) { return R{Fmt("0.00000", c["hour#2"] / (c["hour#2"] + c["hour#1"]))}; },
         "● MTBF{hour#2},MTTR{hour#1}のシステムの可用性(アベイラビリティ)は {r}"),
    Doc({
        " ● MTBFと一日あたりの稼働時間から､平均故障間隔を求める",
        "　　 平均故障間隔(day)=MTBF(hour)/(一日あたりの稼働時間(hour)/24)/24",
    }),
    Rule(ThisOrder("hour", "hour"), Filter{"day"},
         [](const Ctx& c) { return R{Fmt("0.00000day", c["hour#1"] / (c["hour#2"] / 24) / 24)}; },
         "● MTBF{hour#1}のシステムを一日あたり{hour#2}稼働させた場合の平均故障間隔は {r}"),
    Rule(ThisOrder("hour", "hour"), Filter{"day"},
         [](const Ctx& c) { return R{Fmt("0.00000day", c["hour#2"] / (c["hour#1"] / 24) / 24)}; },
         "● MTBF{hour#2}のシステムを一日あたり{hour#1}稼働させた場合の平均故障間隔は {r}"),
    Doc({
        " ● 基準時間あたりの稼働時間から､単位時間あたりの稼働時間を求める",
        "　　 稼働時間(hour/hour) =稼働時間(hour)/基準期間(hour)",
        "　　 稼働時間(hour/hour) =稼働時間(hour)/(基準期間(day)x24)",
        "　　 稼働時間(hour/hour) =稼働時間(hour)/(基準期間(month)x24x30)",
        "　　 稼働時間(hour/hour) =稼働時間(hour)/(基準期間(year)x24x365.2422)",
        "　　 稼働時間(hour/day)　=稼働時間(hour)/基準期間(hour)x24",
        "　　 稼働時間(hour/day)　=稼働時間(hour)/基準期間(day)",
        "　　 稼働時間(hour/day)　=稼働時間(hour)/(基準期間(month)x30)",
        "　　 稼働時間(hour/day)　=稼働時間(hour)/(基準期間(year)x365.2422)",
        "　　 稼働時間(hour/week) =稼働時間(hour)/基準期間(hour)x24x7",
        "　　 稼働時間(hour/week) =稼働時間(hour)/基準期間(day)x7",
        "　　 稼働時間(hour/week) =稼働時間(hour)/(基準期間(month)x30)x7",
        "　　 稼働時間(hour/week) =稼働時間(hour)/(基準期間(year)x365.2422)x7",
        "　　 稼働時間(hour/month)=稼働時間(hour)/基準期間(hour)x24x30",
        "　　 稼働時間(hour/month)=稼働時間(hour)/基準期間(day)x30",
        "　　 稼働時間(hour/month)=稼働時間(hour)/基準期間(month)",
        "　　 稼働時間(hour/month)=稼働時間(hour)/(基準期間(year)x365.2422)x30",
        "　　 稼働時間(hour/year) =稼働時間(hour)/基準期間(hour)x24x365.2422",
        "　　 稼働時間(hour/year) =稼働時間(hour)/基準期間(day)x365.2422",
        "　　 稼働時間(hour/year) =稼働時間(hour)/(基準期間(month)x30)x365.2422",
        "　　 稼働時間(hour/year) =稼働時間(hour)/基準期間(year)",
    }),
    Rule(ThisOrder("hour", "hour"), Filter{"hour"}, FirstIsPeriod, FirstPeriodRates,
         "●{hour#1}あたりの稼働時間が {hour#2}のシステムの,単位時間あたりの稼働時間は{crlf}　　　　{r1}hour/hour､ {r2}hour/day､ {r3}hour/week､ {r4}hour/month､ {r5}hour/year"),
    Rule(ThisOrder("hour", "hour"), Filter{"hour"}, SecondIsPeriod, SecondPeriodRates,
         "●{hour#2}あたりの稼働時間が {hour#1}のシステムの,単位時間あたりの稼働時間は{crlf}　　　　{r1}hour/hour､ {r2}hour/day､ {r3}hour/week､ {r4}hour/month､ {r5}hour/year"),
    Rule(ThisOrder("day", "hour"), Filter{"hour"}, DaysCoverFirst, RatesPerDayPeriod,
         "●{day}あたりの稼働時間が {hour}のシステムの,単位時間あたりの稼働時間は{crlf}　　　　 {r1}hour/hour､ {r2}hour/day､ {r3}hour/week､ {r4}hour/month､ {r5}hour/year"),
    Rule(ThisOrder("hour", "day"), Filter{"hour"}, DaysCoverSecond, RatesPerDayPeriod,
         "●{day}あたりの稼働時間が {hour}のシステムの,単位時間あたりの稼働時間は{crlf}　　　　 {r1}hour/hour､ {r2}hour/day､ {r3}hour/week､ {r4}hour/month､ {r5}hour/year"),
    Rule(ThisOrder("month", "hour"), Filter{"hour"}, MonthsCoverFirst, RatesPerMonthPeriod,
         "●{month}あたりの稼働時間が {hour}のシステムの,単位時間あたりの稼働時間は{crlf}　　　　 {r1}hour/hour､ {r2}hour/day､ {r3}hour/week､ {r4}hour/month､ {r5}hour/year"),
    Rule(ThisOrder("hour", "month"), Filter{"hour"}, MonthsCoverSecond, RatesPerMonthPeriod,
         "●{month}あたりの稼働時間が {hour}のシステムの,単位時間あたりの稼働時間は{crlf}　　　　 {r1}hour/hour､ {r2}hour/day､ {r3}hour/week､ {r4}hour/month､ {r5}hour/year"),
    Rule(ThisOrder("year", "hour"), Filter{"hour"}, YearsCoverFirst, RatesPerYearPeriod,
         "●{year}あたりの稼働時間が {hour}のシステムの,単位時間あたりの稼働時間は{crlf}　　　　 {r1}hour/hour､ {r2}hour/day､ {r3}hour/week､ {r4}hour/month､ {r5}hour/year"),
    Rule(ThisOrder("hour", "year"), Filter{"hour"}, YearsCoverSecond, RatesPerYearPeriod,
         "●{year}あたりの稼働時間が {hour}のシステムの,単位時間あたりの稼働時間は{crlf}　　　　 {r1}hour/hour､ {r2}hour/day､ {r3}hour/week､ {r4}hour/month､ {r5}hour/year"),
};
constinit const RuleTable InformationProcessingTable{InformationProcessingRows};

}  // namespace tamrisk
