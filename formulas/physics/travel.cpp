// Distance covered at a constant speed in a given time, and the time a
// distance takes at a constant speed.
#include "formulas/physics/physics_tables.h"
#include "formulas/unit_factors.h"

namespace tamrisk {

constexpr auto TravelRows = TableRows{
    Doc({
        " ● 速度と時間から､移動距離を求める",
        "　　 移動距離(m) 　　=速度(m/s)x時間(hour)x3600",
        "　　 移動距離(m) 　　=速度(m/s)x時間(min)x60",
        "　　 移動距離(m) 　　=速度(m/s)x時間(sec)",
        "　　 移動距離(m) 　　=速度(m/h)x時間(hour)",
        "　　 移動距離(m) 　　=速度(m/h)x時間(min)/60",
        "　　 移動距離(m) 　　=速度(m/h)x時間(sec)/3600",
        "　　 移動距離(m) 　　=速度(mile/h)x時間(hour)x1609.3",
        "　　 移動距離(m) 　　=速度(mile/h)x時間(min)x1609.3/60",
        "　　 移動距離(m) 　　=速度(mile/h)x時間(sec)x1609.3/3600",
        "　　 移動距離(m) 　　=速度(knot)x時間(hour)x1852",
        "　　 移動距離(m) 　　=速度(knot)x時間(min)x1852/60",
        "　　 移動距離(m) 　　=速度(knot)x時間(sec)x1852/3600",
        "　　 移動距離(mile)　=速度(mile/h)x時間(hour)",
        "　　 移動距離(mile)　=速度(mile/h)x時間(min)/60",
        "　　 移動距離(mile)　=速度(mile/h)x時間(sec)/3600",
        "　　 移動距離(n_mile)=速度(knot)x時間(hour)",
        "　　 移動距離(n_mile)=速度(knot)x時間(min)/60",
        "　　 移動距離(n_mile)=速度(knot)x時間(sec)/3600",
    }),
    Rule(Either("m/s", "hour"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(c["m/s"] * c["hour"] * 3600)}; },
         "● 速度{m/s}で時間{hour}間に移動する距離は {r}m"),
    Rule(Either("m/s", "min"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(c["m/s"] * c["min"] * 60)}; },
         "● 速度{m/s}で時間{min}間に移動する距離は {r}m"),
    Rule(Either("m/s", "sec"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(c["m/s"] * c["sec"])}; },
         "● 速度{m/s}で時間{sec}間に移動する距離は {r}m"),
    Rule(Either("m/h", "hour"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(c["m/h"] * c["hour"])}; },
         "● 速度{m/h}で時間{hour}間に移動する距離は {r}m"),
    Rule(Either("m/h", "min"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(c["m/h"] * c["min"] / 60)}; },
         "● 速度{m/h}で時間{min}間に移動する距離は {r}m"),
    Rule(Either("m/h", "sec"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(c["m/h"] * c["sec"] / 3600)}; },
         "● 速度{m/h}で時間{sec}間に移動する距離は {r}m"),
    Rule(Either("mile/h", "hour"), Filter{"m", "mile"},
         [](const Ctx& c) {
           return R{Eng5(c["mile/h"] * c["hour"]),
                    Eng5(c["mile/h"] * MetresPerMile * c["hour"])};
         },
         "● 速度{mile/h}で時間{hour}間に移動する距離は {r1}mile または {r2}m"),
    Rule(Either("mile/h", "min"), Filter{"m", "mile"},
         [](const Ctx& c) {
           return R{Eng5(c["mile/h"] * c["min"] / 60),
                    Eng5(c["mile/h"] * MetresPerMile * c["min"] / 60)};
         },
         "● 速度{mile/h}で時間{min}間に移動する距離は {r1}mile または {r2}m"),
    Rule(Either("mile/h", "sec"), Filter{"m", "mile"},
         [](const Ctx& c) {
           return R{Eng5(c["mile/h"] * c["sec"] / 3600),
                    Eng5(c["mile/h"] * MetresPerMile * c["sec"] / 3600)};
         },
         "● 速度{mile/h}で時間{sec}間に移動する距離は {r1}mile または {r2}m"),
    Rule(Either("knot", "hour"), Filter{"m", "n_mile"},
         [](const Ctx& c) {
           return R{Eng5(c["knot"] * c["hour"]),
                    Eng5(c["knot"] * MetresPerNauticalMile * c["hour"])};
         },
         "● 速度{knot}で時間{hour}間に移動する距離は {r1}n_mile または {r2}m"),
    Rule(Either("knot", "min"), Filter{"m", "n_mile"},
         [](const Ctx& c) {
           return R{Eng5(c["knot"] * c["min"] / 60),
                    Eng5(c["knot"] * MetresPerNauticalMile * c["min"] / 60)};
         },
         "● 速度{knot}で時間{min}間に移動する距離は {r1}n_mile または {r2}m"),
    Rule(Either("knot", "sec"), Filter{"m", "n_mile"},
         [](const Ctx& c) {
           return R{Eng5(c["knot"] * c["sec"] / 3600),
                    Eng5(c["knot"] * MetresPerNauticalMile * c["sec"] / 3600)};
         },
         "● 速度{knot}で時間{sec}間に移動する距離は {r1}n_mile または {r2}m"),
    Doc({
        " ● 速度と移動距離から､移動に要する時間を求める",
        "　　 時間(sec) =移動距離(m)/速度(m/h)x3600",
        "　　 時間(sec) =移動距離(m)/速度(m/s)",
        "　　 時間(sec) =移動距離(m)/(速度(knot)x1852)x3600",
        "　　 時間(sec) =移動距離(mile)/速度(mile/h)x3600",
        "　　 時間(hour)=移動距離(m)/速度(m/h)",
        "　　 時間(hour)=移動距離(m)/(速度(knot)x1852)",
        "　　 時間(hour)=移動距離(mile)/速度(mile/h)",
    }),
    Rule(Either("m/h", "m"), Filter{"hour", "sec"},
         [](const Ctx& c) {
           return R{Eng5(c["m"] / c["m/h"] * 3600),
                    Fmt("0.00000", c["m"] / c["m/h"])};
         },
         "● 速度{m/h}で距離{m}を移動するために要する時間は {r1}sec または {r2}hour"),
    Rule(Either("mile/h", "mile"), Filter{"hour", "sec"},
         [](const Ctx& c) {
           return R{Eng5(c["mile"] / c["mile/h"] * 3600),
                    Fmt("0.00000", c["mile"] / c["mile/h"])};
         },
         "● 速度{mile/h}で距離{mile}を移動するために要する時間は {r1}sec または {r2}hour"),
    Rule(Either("m/s", "m"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["m"] / c["m/s"])}; },
         "● 速度{m/s}で距離{m}を移動するために要する時間は {r}sec"),
    Rule(Either("knot", "m"), Filter{"hour", "sec"},
         [](const Ctx& c) {
           return R{Eng5(c["m"] / (c["knot"] * MetresPerNauticalMile) * 3600),
                    Fmt("0.00000", c["m"] / (c["knot"] * MetresPerNauticalMile))};
         },
         "● 速度{knot}で距離{m}を移動するために要する時間は {r1}sec または {r2}hour"),
};
constinit const RuleTable TravelTable{TravelRows};

}  // namespace tamrisk
