// A time span written as hours:minutes:seconds and converted between
// seconds, minutes, hours, days, months and years.
#include "formulas/conversion/conversion_tables.h"
#include "formulas/unit_factors.h"

namespace tamrisk {

constexpr auto TimeRows = TableRows{
    Doc({
        " ● 時間の'秒'を､'時：分：秒'で表す",
        "　　 時(hour)=時間(sec)/3600 の整数部分",
        "　　 分(min) =((時間(sec)/3600 の余り)x3600)/60 の整数部分",
        "　　 秒(sec) =(((時間(sec)/3600 の余り)x3600)/60 の余り)x60",
    }),
    Doc({
        " ● 時間の'分'を､'時：分：秒'で表す",
        "　　 時(hour)=(時間(min)x60)/3600 の整数部分",
        "　　 分(min) =(((時間(min)x60)/3600 の余り)x3600)/60 の整数部分",
        "　　 秒(sec) =((((時間(min)x60)/3600 の余り)x3600)/60 の余り)x60",
    }),
    Doc({
        " ● 時間の'時'を､'時：分：秒'で表す",
        "　　 時(hour)=(時間(hour)x3600)/3600 の整数部分",
        "　　 分(min) =(((時間(hour)x3600)/3600 の余り)x3600)/60 の整数部分",
        "　　 秒(sec) =((((時間(hour)x3600)/3600 の余り)x3600)/60 の余り)x60",
    }),
    Rule(Either("sec", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Hms(c["sec"])}; },
         "● 時間{sec}を時分秒で表すと {r}"),
    Rule(Either("min", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Hms(c["min"] * 60)}; },
         "● 時間{min}を時分秒で表すと {r}"),
    Rule(Either("hour", " "), NoFilterOnly,
         [](const Ctx& c) { return R{Hms(c["hour"] * 3600)}; },
         "● 時間{hour}を時分秒で表すと {r}"),
    Doc({
        " ● 時間の単位変換",
        "　　 時間(sec) =時間(min)x60",
        "　　 時間(sec) =時間(hour)x3600",
        "　　 時間(sec) =時間(day)x24x3600",
        "　　 時間(sec) =時間(month)x30x24x3600",
        "　　 時間(sec) =時間(year)x365.2422x24x3600",
        "　　 時間(min) =時間(sec)/60",
        "　　 時間(min) =時間(hour)x60",
        "　　 時間(min) =時間(day)x24x60",
        "　　 時間(hour)=時間(sec)/3600",
        "　　 時間(hour)=時間(min)/60",
        "　　 時間(hour)=時間(day)x24",
        "　　 時間(hour)=時間(month)x30x24",
        "　　 時間(hour)=時間(year)x365.2422x24",
        "　　 時間(day) =時間(year)x365.2422",
        "　　 時間(day) =時間(hour)/24",
        "　　 時間(day) =時間(min)/(24x60)",
        "　　 時間(day) =時間(sec)/(24x3600)",
    }),
    Rule(Either("sec", " "), Filter{"day", "hour", "min"},
         [](const Ctx& c) {
           return R{Fmt("0.00000", c["sec"] / 24 / 60 / 60),
                    Fmt("0.00000", c["sec"] / 3600),
                    Fmt("0.00000", c["sec"] / 60)};
         },
         "● 時間{sec}は {r1}day または {r2}hour または {r3}min"),
    Rule(Either("min", " "), Filter{"day", "hour", "sec"},
         [](const Ctx& c) {
           return R{Fmt("0.00000", c["min"] / 24 / 60),
                    Fmt("0.00000", c["min"] / 60),
                    Fmt("0.00000", c["min"] * 60)};
         },
         "● 時間{min}は {r1}day または {r2}hour または {r3}sec"),
    Rule(Either("hour", " "), Filter{"day", "min", "sec"},
         [](const Ctx& c) {
           return R{Fmt("0.00000", c["hour"] / 24),
                    Fmt("0.00000", c["hour"] * 60),
                    Fmt("0.00000", c["hour"] * 3600)};
         },
         "● 時間{hour}は {r1}day または {r2}min または {r3}sec"),
    Rule(Either("day", " "), Filter{"hour", "min", "sec"},
         [](const Ctx& c) {
           return R{Fmt("0.00000", c["day"] * 24),
                    Fmt("0.00000", c["day"] * 24 * 60),
                    Fmt("0.00000", c["day"] * 3600 * 24)};
         },
         "● 時間{day}は {r1}hour または {r2}min または {r3}sec"),
    Rule(Either("month", " "), Filter{"hour", "sec"},
         [](const Ctx& c) {
           return R{Fmt("0.00000", c["month"] * 24 * 30),
                    Fmt("0.00000", c["month"] * 3600 * 24 * 30)};
         },
         "● 時間{month}は {r1}hour または {r2}sec"),
    Rule(Either("year", " "), Filter{"day", "hour", "sec"},
         [](const Ctx& c) {
           return R{Fmt("0.00000", c["year"] * DaysPerYear),
                    Fmt("0.00000", c["year"] * 24 * DaysPerYear),
                    Fmt("0.00000", c["year"] * 3600 * 24 * DaysPerYear)};
         },
         "● 時間{year}は {r1}day または {r2}hour または {r3}sec"),
};
constinit const RuleTable TimeTable{TimeRows};

}  // namespace tamrisk
