// A body accelerating uniformly from rest (any two of acceleration, time,
// final speed and distance give the other two), revolutions per second and
// per minute, and the speed and rotation of a wheel.
#include "formulas/physics/physics_tables.h"

namespace tamrisk {

constexpr auto AccelerationRows = TableRows{
    Doc({
        " ● 初速度0の物体の､加速度と時間から､移動距離と最終速度を求める",
        "　　 移動距離(m)=加速度(m/s2)x時間(sec)^2/2",
        "　　 速度(m/s)　=加速度(m/s2)x時間(sec)",
        "　　 速度(m/h)　=加速度(m/s2)x時間(sec)x3600",
    }),
    Rule(Either("m/s2", "sec"), Filter{"m", "m/h", "m/s"},
         [](const Ctx& c) {
           return R{Eng5(Sq(c["sec"]) * c["m/s2"] / 2),
                    Eng5(c["m/s2"] * c["sec"]),
                    Eng5(c["m/s2"] * c["sec"] * 3600)};
         },
         "● 初速度 0m/s､加速度{m/s2}の物体の､{sec}後の移動距離は {r1}m､速度は {r2}m/s または {r3}m/h"),
    Doc({
        " ● 初速度0の物体の､加速度と最終速度から､要する時間と距離を求める",
        "　　 時間(sec)=最終速度(m/s)/加速度(m/s2)",
        "　　 時間(sec)=(最終速度(m/h)/3600)/加速度(m/s2)",
        "　　 距離(m)　=最終速度(m/s)^2/(2x加速度(m/s2))",
        "　　 距離(m)　=(最終速度(m/h)/3600)^2/(2x加速度(m/s2))",
    }),
    Rule(Either("m/s2", "m/s"), Filter{"m", "sec"},
         [](const Ctx& c) {
           return R{Eng5(c["m/s"] / c["m/s2"]),
                    Eng5(Sq(c["m/s"]) / (c["m/s2"] * 2))};
         },
         "● 初速度 0m/s､加速度{m/s2}の物体が､速度{m/s}になる時間は {r1}sec､距離は {r2}m"),
    Rule(Either("m/s2", "m/h"), Filter{"m", "sec"},
         [](const Ctx& c) {
           return R{Eng5(c["m/h"] / 3600 / c["m/s2"]),
                    Eng5(Sq(c["m/h"] / 3600) / (c["m/s2"] * 2))};
         },
         "● 初速度 0m/h､加速度{m/s2}の物体が､速度{m/h}になる時間は {r1}sec､距離は {r2}m"),
    Doc({
        " ● 初速度0の物体の､加速度と移動距離から､最終速度と要する時間を求める",
        "　　 最終速度(m/s)=√(2x加速度(m/s2)x移動距離(m))",
        "　　 最終速度(m/h)=√(2x加速度(m/s2)x移動距離(m))x3600",
        "　　 時間(sec)　　=√(2x移動距離(m)/加速度(m/s2))",
    }),
    Rule(Either("m/s2", "m"), Filter{"m/h", "m/s", "sec"},
         [](const Ctx& c) {
           return R{Eng5(Sqr(c["m/s2"] * 2 * c["m"])),
                    Eng5(Sqr(c["m/s2"] * 2 * c["m"]) * 3600),
                    Eng5(Sqr(c["m"] * 2 / c["m/s2"]))};
         },
         "● 初速度 0m/s､加速度{m/s2}の物体の､{m}移動後の速度は {r1}m/s または {r2}m/h､時間は {r3}sec"),
    Doc({
        " ● 初速度0の物体の､経過時間と最終速度から､加速度と移動距離を求める",
        "　　 加速度(m/s2)=最終速度(m/s)/時間(sec)",
        "　　 加速度(m/s2)=(最終速度(m/h)/3600)/時間(sec)",
        "　　 移動距離(m) =最終速度(m/s)x時間(sec)/2",
        "　　 移動距離(m) =(最終速度(m/h)/3600)x時間(sec)/2",
    }),
    Rule(Either("sec", "m/s"), Filter{"m", "m/s2"},
         [](const Ctx& c) {
           return R{Eng5(c["m/s"] / c["sec"]),
                    Eng5(c["m/s"] * c["sec"] / 2)};
         },
         "● 静止した物体が､{sec}間に速度{m/s}になるのに必要な加速度は {r1}m/s2､距離は {r2}m"),
    Rule(Either("sec", "m/h"), Filter{"m", "m/s2"},
         [](const Ctx& c) {
           return R{Eng5(c["m/h"] / 3600 / c["sec"]),
                    Eng5(c["m/h"] / 3600 * c["sec"] / 2)};
         },
         "● 静止した物体が､{sec}間に速度{m/h}になるのに必要な加速度は {r1}m/s2､距離は {r2}m"),
    Doc({
        " ● 初速度0の物体の､経過時間と移動距離から､加速度と最終速度を求める",
        "　　 加速度(m/s2) =2x移動距離(m)/(時間(sec)^2)",
        "　　 最終速度(m/s)=2x移動距離(m)/時間(sec)",
        "　　 最終速度(m/h)=2x移動距離(m)/時間(sec)x3600",
    }),
    Rule(Either("sec", "m"), Filter{"m/h", "m/s", "m/s2"},
         [](const Ctx& c) {
           return R{Eng5(c["m"] * 2 / Sq(c["sec"])),
                    Eng5(c["m"] * 2 / c["sec"]),
                    Eng5(c["m"] * 2 / c["sec"] * 3600)};
         },
         "● 静止した物体が､{sec}間に距離{m}を移動するのに必要な加速度は {r1}m/s2､到達時の速度は {r2}m/s または {r3}m/h"),
    Doc({
        " ● 初速度0の物体の､最終速度と移動距離から､必要な加速度と時間を求める",
        "　　 加速度(m/s2)=速度(m/s)^2/(2x移動距離(m))",
        "　　 加速度(m/s2)=(速度(m/h)/3600)^2/(2x移動距離(m))",
        "　　 時間(sec) 　=2x移動距離(m)/速度(m/s)",
        "　　 時間(sec) 　=2x移動距離(m)/(速度(m/h)/3600)",
    }),
    Rule(Either("m/s", "m"), Filter{"m/s2", "sec"},
         [](const Ctx& c) {
           return R{Eng5(Sq(c["m/s"]) / (c["m"] * 2)),
                    Eng5(c["m"] * 2 / c["m/s"])};
         },
         "● 静止した物体が､距離{m}で速度{m/s}に達するのに必要な加速度は {r1}m/s2､時間 {r2}sec"),
    Rule(Either("m/h", "m"), Filter{"m/s2", "sec"},
         [](const Ctx& c) {
           return R{Eng5(Sq(c["m/h"] / 3600) / (c["m"] * 2)),
                    Eng5(c["m"] * 2 / (c["m/h"] / 3600))};
         },
         "● 静止した物体が､距離{m}で速度{m/h}に達するのに必要な加速度は {r1}m/s2､時間 {r2}sec"),
    Doc({
        " ● 回転速度の単位変換",
        "　　 回転速度(rpm)=回転速度(rps)x60",
        "　　 回転速度(rps)=回転速度(rpm)/60",
    }),
    Rule(Either("rps", " "), Filter{"rpm"},
         [](const Ctx& c) { return R{Eng5(c["rps"] * 60)}; },
         "● 回転速度{rps}は {r}rpm"),
    Rule(Either("rpm", " "), Filter{"rps"},
         [](const Ctx& c) { return R{Eng5(c["rpm"] / 60)}; },
         "● 回転速度{rpm}は {r}rps"),
    Doc({
        " ● 車輪の直径と回転速度から､速度を求める",
        "　　 速度(m/s)=直径(m)xπx回転速度(rps)",
        "　　 速度(m/s)=直径(m)xπx回転速度(rpm)/60",
        "　　 速度(m/h)=直径(m)xπx回転速度(rps)x3600",
        "　　 速度(m/h)=直径(m)xπx回転速度(rpm)x60",
    }),
    Rule(Either("m", "rps"), Filter{"m/h", "m/s"},
         [](const Ctx& c) {
           return R{Eng5(c["m"] * Pi * c["rps"]),
                    Eng5(c["m"] * Pi * c["rps"] * 3600)};
         },
         "● 直径{m}の車輪が{rps}で回転するときの速度は {r1}m/s または {r2}m/h"),
    Rule(Either("m", "rpm"), Filter{"m/h", "m/s"},
         [](const Ctx& c) {
           return R{Eng5(c["m"] * Pi * c["rpm"] / 60),
                    Eng5(c["m"] * Pi * c["rpm"] * 60)};
         },
         "● 直径{m}の車輪が{rpm}で回転するときの速度は {r1}m/s または {r2}m/h"),
    Doc({
        " ● 速度と車輪の直径から､車輪の回転速度を求める",
        "　　 回転速度(rps)=速度(m/s)/(直径(m)xπ)",
        "　　 回転速度(rps)=(速度(m/h)/3600)/(直径(m)xπ)",
        "　　 回転速度(rpm)=速度(m/s)/(直径(m)xπ)x60",
        "　　 回転速度(rpm)=(速度(m/h)/3600)/(直径(m)xπ)x60",
    }),
    Rule(Either("m/s", "m"), Filter{"rpm", "rps"},
         [](const Ctx& c) {
           return R{Eng5(c["m/s"] / (c["m"] * Pi)),
                    Eng5(c["m/s"] / (c["m"] * Pi) * 60)};
         },
         "● 直径{m}の車輪で速度{m/s}にするための車輪の回転速度は {r1}rps または {r2}rpm"),
    Rule(Either("m/h", "m"), Filter{"rpm", "rps"},
         [](const Ctx& c) {
           return R{Eng5(c["m/h"] / 3600 / (c["m"] * Pi)),
                    Eng5(c["m/h"] / 3600 / (c["m"] * Pi) * 60)};
         },
         "● 直径{m}の車輪で速度{m/h}にするための車輪の回転速度は {r1}rps または {r2}rpm"),
};
constinit const RuleTable AccelerationTable{AccelerationRows};

}  // namespace tamrisk
