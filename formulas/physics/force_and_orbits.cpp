// Force, acceleration and mass; free fall from rest; vertical, horizontal
// and oblique launches without air resistance; satellites on a circular orbit.
#include "formulas/physics/physics_tables.h"

namespace tamrisk {

namespace {

// The radius of the earth in metres, as the satellite rules take it.
constexpr double EarthRadius = 6378000;

}  // namespace

constexpr auto ForceAndOrbitsRows = TableRows{
    Doc({
        " ● 物体の質量と加速度から､与えられる力を求める",
        "　　 力(N)=(質量(g)/1000)x加速度(m/s2)",
    }),
    Rule(Either("g", "m/s2"), Filter{"N"},
         [](const Ctx& c) { return R{Eng5(c["g"] / 1000 * c["m/s2"])}; },
         "● 質量{g}の物体に{m/s2}の加速度を与える力は {r}N"),
    Doc({
        " ● 物体の質量と与える力から､加速度を求める",
        "　　 加速度(m/s2)=力(N)/(質量(g)/1000)",
    }),
    Rule(Either("g", "N"), Filter{"m/s2"},
         [](const Ctx& c) { return R{Eng5(c["N"] / (c["g"] / 1000))}; },
         "● 質量{g}の物体に{N}の力が加わると､与えられる加速度は {r}m/s2"),
    Doc({
        " ● 物体の加速度と与えられる力から､質量を求める",
        "　　 質量(g)=力(N)/加速度(m/s2)x1000",
    }),
    Rule(Either("m/s2", "N"), Filter{"g"},
         [](const Ctx& c) { return R{Eng5(c["N"] * 1000 / c["m/s2"])}; },
         "● {N}の力で{m/s2}の加速度を与えられる物体の質量は {r}g"),
    Doc({
        " ● 高度から､自由落下に要する時間を求める",
        "　　 時間(sec)=√(2x高度(m)/9.80665)",
    }),
    Rule(Either("m", " "), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(Sqr(c["m"] * 2 / Gravity))}; },
         "● 高度{m}からの自由落下に要する時間は {r}sec"),
    Doc({
        " ● 自由落下に要した時間から､高度を求める",
        "　　 高度(m)=時間(sec)^2x9.80665/2",
    }),
    Rule(Either("sec", " "), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(Sq(c["sec"]) * Gravity / 2)}; },
         "● 自由落下に{sec}の時間を要したとすると,高度は {r}m"),
    Doc({
        " ● 高度から､自由落下時の最終速度を求める",
        "　　 速度(m/s)=√(2x高度(m)x9.80665)",
        "　　 速度(m/h)=√(2x高度(m)x9.80665)x3600",
    }),
    Rule(Either("m", " "), Filter{"m/h", "m/s"},
         [](const Ctx& c) {
           return R{Eng5(Sqr(c["m"] * 2 * Gravity)),
                    Eng5(Sqr(c["m"] * 2 * Gravity) * 3600)};
         },
         "● 高度{m}からの自由落下時の最終速度は {r1}m/s または {r2}m/h"),
    Doc({
        " ● 自由落下に要した時間から､最終速度を求める",
        "　　 速度(m/s)=時間(sec)x9.80665",
        "　　 速度(m/h)=時間(sec)x9.80665x3600",
    }),
    Rule(Either("sec", " "), Filter{"m/h", "m/s"},
         [](const Ctx& c) {
           return R{Eng5(c["sec"] * Gravity),
                    Eng5(c["sec"] * Gravity * 3600)};
         },
         "● 自由落下に{sec}の時間を要したとすると,最終速度は {r1}m/s または {r2}m/h"),
    Doc({
        " ● 垂直方向に打ち上げた物体の､初速度から､到達高度を求める",
        "　　 高度(m)=初速度(m/s)^2/(2x9.80665)",
        "　　 高度(m)=(初速度(m/h)/3600)^2/(2x9.80665)",
    }),
    Rule(Either("m/s", " "), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(Sq(c["m/s"]) / (Gravity * 2))}; },
         "● 垂直に{m/s}の速度で打ち上げた物体の到達高度は {r}m"),
    Rule(Either("m/h", " "), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(Sq(c["m/h"] / 3600) / (Gravity * 2))}; },
         "● 垂直に{m/h}の速度で打ち上げた物体の到達高度は {r}m"),
    Doc({
        " ● 水平方向に打ち出した物体の､高度と初速度から､到達距離を求める",
        "　　 距離(m)=速度(m/s)x√(2x高度(m)/9.80665)",
        "　　 距離(m)=速度(m/h)/3600x√(2x高度(m)/9.80665)",
    }),
    Rule(Either("m", "m/s"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(c["m/s"] * Sqr(c["m"] * 2 / Gravity))}; },
         "● 高度{m}から水平方向に速度{m/s}で打ち出した物体の到達距離は {r}m"),
    Rule(Either("m", "m/h"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(c["m/h"] / 3600 * Sqr(c["m"] * 2 / Gravity))}; },
         "● 高度{m}から水平方向に速度{m/h}で打ち出した物体の到達距離は {r}m"),
    Doc({
        " ● 斜め情報に打ち上げた物体の､仰角と速度から､到達高度と飛距離を求める",
        "　　 高度(m)=(速度(m/s)xsin(仰角(deg)))^2/(2x9.80665)",
        "　　 高度(m)=(速度(m/h)/3600xsin(仰角(deg)))^2/(2x9.80665)",
        "　　 距離(m)=2x速度(m/s)^2xsin(仰角(deg))xcos(仰角(deg))/9.80665",
        "　　 距離(m)=2x(速度(m/h)/3600)^2xsin(仰角(deg))xcos(仰角(deg))/9.80665",
    }),
    Rule(Either("m/s", "deg"), Filter{"m"},
         [](const Ctx& c) {
           return R{Eng5(Sq(c["m/s"] * Sin(c["deg"] / 180 * Pi)) / (Gravity * 2)),
                    Eng5(Sq(c["m/s"]) * 2 * Sin(c["deg"] / 180 * Pi) * Cos(c["deg"] / 180 * Pi) / Gravity)};
         },
         "● 仰角{deg}方向に速度{m/s}で打ち出した物体の最高高度は {r1}m､到達距離は {r2}m"),
    Rule(Either("m/h", "deg"), Filter{"m"},
         [](const Ctx& c) {
           return R{Eng5(Sq(c["m/h"] / 3600 * Sin(c["deg"] / 180 * Pi)) / (Gravity * 2)),
                    Eng5(Sq(c["m/h"] / 3600) * 2 * Sin(c["deg"] / 180 * Pi) * Cos(c["deg"] / 180 * Pi) / Gravity)};
         },
         "● 仰角{deg}方向に速度{m/h}で打ち出した物体の最高高度は {r1}m､到達距離は {r2}m"),
    Doc({
        " ● 円軌道の人工衛星の高度から､周期と速度を求める",
        "　　 速度(m/s) =√(6378000^2x9.80665/(6378000+高度(m)))",
        "　　 周期(hour)=2xπx(6378000+高度(m))^1.5/(6378000x√(9.80665))/3600",
    }),
    Rule(Either("m", " "), Filter{"hour", "m/s"},
         [](const Ctx& c) {
           return R{Eng5(Sqr(Sq(EarthRadius) * Gravity / (c["m"] + EarthRadius))),
                    Fmt("0.000", Pow(c["m"] + EarthRadius, 1.5) * Pi * 2 / (Sqr(Gravity) * EarthRadius) / 3600)};
         },
         "● 高度{m}で円軌道を描いて飛んでいる人工衛星の速度は {r1}m/s､周期は {r2}hour"),
    Doc({
        " ● 円軌道の人工衛星の周期から､高度と速度を求める",
        "　　 高度(m)=(周期(hour)x6378000x√(9.80665)x3600/(2xπ))^(2/3)-6378000",
        "　　 速度(m/s)=(2xπx9.80665x6378000^2/(3600x周期(hour)))^(1/3)",
    }),
    Rule(Either("hour", " "), Filter{"m"},
         [](const Ctx& c) {
           // A period shorter than an orbit at the ground's level has none.
           return R{Eng5(NotNegative(Pow(c["hour"] * EarthRadius * Sqr(Gravity) * 3600 / (Pi * 2), 2.0 / 3) - EarthRadius)),
                    Eng5(Pow(Sq(EarthRadius) * Pi * 2 * Gravity / (c["hour"] * 3600), 1.0 / 3))};
         },
         "● 周期{hour}で円軌道を描いて飛んでいる人工衛星の高度は {r1}m,速度は {r2}m/s"),
};
constinit const RuleTable ForceAndOrbitsTable{ForceAndOrbitsRows};

}  // namespace tamrisk
