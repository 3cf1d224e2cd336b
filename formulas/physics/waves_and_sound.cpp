// Light and radio waves in vacuum (distance, time, wavelength and frequency
// with the name of the band), lengths in wavelengths, the speed of sound and
// sound travel, and the Doppler effect for sound and for a radio source.
#include "formulas/physics/physics_tables.h"
#include "formulas/unit_factors.h"

namespace tamrisk {

std::string_view WaveBandName(double hz) {
  for (const WaveBand& band : WaveBandTable) {
    if (hz >= band.lower && hz < band.upper) return band.name;
  }
  return {};
}

namespace {

// The speed of sound in air: 331.5 m/s at 0 ℃, 0.6 m/s faster per degree,
// and 341 m/s where a rule takes it at room temperature.
constexpr double SoundSpeedAtZeroCelsius = 331.5;
constexpr double SoundSpeedPerCelsius = 0.6;
constexpr double SoundSpeed = 341;

// The band name follows a wave's figure only without a filter or with the
// filter "Hz"; a frequency of zero or below has none.
std::string BandOf(const Ctx& c, Num hz) {
  if (!c.Unfiltered() && c.FilterText() != "Hz") return {};
  if (!(hz > 0)) return {};
  return std::string(WaveBandName(hz.raw()));
}

}  // namespace

constexpr auto WavesAndSoundRows = TableRows{
    Doc({
        " ● 光､電磁波において､時間から､進む距離を求める",
        "　　 距離(m) =299792500x時間(sec)",
        "　　 距離(AU)=299792500x時間(sec)/149600000000",
    }),
    Rule(Either("sec", " "), Filter{"AU", "m"},
         [](const Ctx& c) {
           return R{Eng5(LightSpeed * c["sec"]),
                    Eng5(LightSpeed * c["sec"] / MetresPerAU)};
         },
         "● 時間{sec}間に真空中で光および電磁波の進む距離は {r1}m または {r2}AU"),
    Doc({
        " ● 光､電磁波の進む距離から､要する時間を求める",
        "　　 時間(sec)=距離(m)/299792500",
    }),
    Rule(Either("m", " "), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["m"] / LightSpeed)}; },
         "● 真空中で光および電磁波が､距離{m}を進むのに要する時間は {r}sec"),
    Doc({
        " ● 電磁波の周波数から､真空中での波長を求める",
        "　　 波長(m)=299792500/周波数(Hz)",
    }),
    Doc({
        " ● 電磁波の真空中での波長から､周波数を求める",
        "　　 周波数(Hz)=299792500/波長(m)",
        "　　 周波数(Hz)=299792500/(波長(Å)/10000000000)",
    }),
    Rule(Either("Hz", " "), Filter{"m"},
         [](const Ctx& c) {
           return R{Eng5(LightSpeed / c["Hz"]), BandOf(c, c["Hz"])};
         },
         "● 周波数{Hz}の電磁波の真空中での波長は {r}m{band}"),
    Rule(Either("m", " "), Filter{"Hz"},
         [](const Ctx& c) { return c["m"] > 0; },
         [](const Ctx& c) {
           const Num r = LightSpeed / c["m"];
           return R{Eng5(r), BandOf(c, r)};
         },
         "● 真空中での波長が{m}の電磁波の周波数は {r}Hz{band}"),
    Rule(Either("Å", " "), Filter{"Hz"},
         [](const Ctx& c) { return c["Å"] > 0; },
         [](const Ctx& c) {
           const Num r = LightSpeed / (c["Å"] / 10000000000);
           return R{Eng5(r), BandOf(c, r)};
         },
         "● 真空中での波長が{Å}の電磁波の周波数は {r}Hz{band}"),
    Doc({
        " ● 電磁波の周波数と長さから､波長に対する比を求める",
        "　　 波長に対する比(λ)=長さ(m)/(299792500/周波数(Hz))",
    }),
    Rule(Either("Hz", "m"), Filter{"λ"},
         [](const Ctx& c) { return R{Eng5(c["m"] / (LightSpeed / c["Hz"]))}; },
         "● 長さ{m}は電磁波の周波数{Hz}の{r}λ"),
    Doc({
        " ● 電磁波の周波数と波長に対する比から､長さを求める",
        "　　 長さ(m)=299792500/周波数(Hz)x波長に対する比(λ)",
    }),
    Rule(Either("Hz", "λ"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(LightSpeed / c["Hz"] * c["λ"])}; },
         "● 電磁波の周波数{Hz}の{λ}の物理長は {r}m"),
    Doc({
        " ● 電磁波の波長に対する比と長さから､周波数を求める",
        "　　 周波数(Hz)=299792500/(長さ(m)/波長に対する比(λ))",
    }),
    Rule(Either("m", "λ"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(LightSpeed / (c["m"] / c["λ"]))}; },
         "● 長さ{m}を{λ}とする電磁波の周波数は {r}Hz"),
    Doc({
        " ● 気温から､音速を求める",
        "　　 音速(m/s)=331.5+0.6x気温(℃)",
        "　　 音速(m/h)=(331.5+0.6x気温(℃))x3600",
    }),
    Rule(Either("℃", " "), Filter{"m/h", "m/s"},
         [](const Ctx& c) {
           return R{Eng5(c["℃"] * SoundSpeedPerCelsius + SoundSpeedAtZeroCelsius),
                    Eng5((c["℃"] * SoundSpeedPerCelsius + SoundSpeedAtZeroCelsius) * 3600)};
         },
         "● 気温{℃}での音速は {r1}m/s または {r2}m/h"),
    Doc({
        " ● 気温と音が伝わる時間から､音源までの距離を求める",
        "　　 距離(m)=(331.5+0.6x気温(℃))x時間(sec)",
    }),
    Rule(Either("sec", "℃"), Filter{"m"},
         [](const Ctx& c) { return R{Eng5((c["℃"] * SoundSpeedPerCelsius + SoundSpeedAtZeroCelsius) * c["sec"])}; },
         "● 気温{℃}で{sec}間に音が進む距離は {r}m"),
    Doc({
        " ● 常温において､音の伝わる時間から､音源までの距離を求める",
        "　　 距離(m)=341x時間(sec)",
    }),
    Rule(Either("sec", " "), Filter{"m"},
         [](const Ctx& c) { return R{Eng5(c["sec"] * SoundSpeed)}; },
         "● 音速を 341m/sとした場合の{sec}間に音が進む距離は {r}m"),
    Doc({
        " ● 気温と音の伝わる距離から､要する時間を求める",
        "　　 時間(sec)=距離(m)/(331.5+0.6x気温(℃))",
    }),
    Rule(Either("m", "℃"), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["m"] / (c["℃"] * SoundSpeedPerCelsius + SoundSpeedAtZeroCelsius))}; },
         "● 気温{℃}で音が{m}進むのに要する時間は {r}sec"),
    Doc({
        " ● 常温において､音の伝わる距離から､要する時間を求める",
        "　　 時間(sec)=距離(m)/341",
    }),
    Rule(Either("m", " "), Filter{"sec"},
         [](const Ctx& c) { return R{Eng5(c["m"] / SoundSpeed)}; },
         "● 音速を 341m/sとした場合の､音が{m}進むのに要する時間は {r}sec"),
    Doc({
        " ● 音源の周波数と音源が近づく速度から､観測点での周波数を求める",
        "　　 観測点周波数(Hz)=音源周波数(Hz)x341/(341-音源接近速度(m/s))",
        "　　 観測点周波数(Hz)=音源周波数(Hz)x341/(341-音源接近速度(m/h)/3600)",
    }),
    Doc({
        " ● 音源の周波数と音源が遠ざかる速度から､観測点での周波数を求める",
        "　　 観測点周波数(Hz)=音源周波数(Hz)x341/(341+音源離脱速度(m/s))",
        "　　 観測点周波数(Hz)=音源周波数(Hz)x341/(341+音源離脱速度(m/h)/3600)",
    }),
    Doc({
        " ● 音源の周波数と観測点が近づく速度から､観測点での周波数を求める",
        "　　 観測点周波数(Hz)=音源周波数(Hz)x(341+観測点接近速度(m/s))/341",
        "　　 観測点周波数(Hz)=音源周波数(Hz)x(341+観測点接近速度(m/h)/3600)/341",
    }),
    Doc({
        " ● 音源の周波数と観測点が遠ざかる速度から､観測点での周波数を求める",
        "　　 観測点周波数(Hz)=音源周波数(Hz)x(341-観測点離脱速度(m/s))/341",
        "　　 観測点周波数(Hz)=音源周波数(Hz)x(341-観測点離脱速度(m/h)/3600)/341",
    }),
    Rule(Either("Hz", "m/s"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(c["Hz"] * SoundSpeed / NotNegative(SoundSpeed - c["m/s"]))}; },
         "● 周波数{Hz}の音源が速度{m/s}で近づく時の､観測点における周波数は {r}Hz"),
    Rule(Either("Hz", "m/s"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(c["Hz"] * SoundSpeed / NotNegative(c["m/s"] + SoundSpeed))}; },
         "● 周波数{Hz}の音源が速度{m/s}で遠ざかる時の､観測点における周波数は {r}Hz"),
    Rule(Either("Hz", "m/s"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(NotNegative(c["m/s"] + SoundSpeed) * c["Hz"] / SoundSpeed)}; },
         "● 周波数{Hz}の音源に速度{m/s}で近づく時の､観測点における周波数は {r}Hz"),
    Rule(Either("Hz", "m/s"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(NotNegative(SoundSpeed - c["m/s"]) * c["Hz"] / SoundSpeed)}; },
         "● 周波数{Hz}の音源から速度{m/s}で遠ざかる時の､観測点における周波数は {r}Hz"),
    Rule(Either("Hz", "m/h"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(c["Hz"] * SoundSpeed / NotNegative(SoundSpeed - c["m/h"] / 3600))}; },
         "● 周波数{Hz}の音源が速度{m/h}で近づく時の､観測点における周波数は {r}Hz"),
    Rule(Either("Hz", "m/h"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(c["Hz"] * SoundSpeed / NotNegative(c["m/h"] / 3600 + SoundSpeed))}; },
         "● 周波数{Hz}の音源が速度{m/h}で遠ざかる時の､観測点における周波数は {r}Hz"),
    Rule(Either("Hz", "m/h"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(NotNegative(c["m/h"] / 3600 + SoundSpeed) * c["Hz"] / SoundSpeed)}; },
         "● 周波数{Hz}の音源に速度{m/h}で近づく時の､観測点における周波数は {r}Hz"),
    Rule(Either("Hz", "m/h"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(NotNegative(SoundSpeed - c["m/h"] / 3600) * c["Hz"] / SoundSpeed)}; },
         "● 周波数{Hz}の音源から速度{m/h}で遠ざかる時の､観測点における周波数は {r}Hz"),
    Doc({
        " ● 電磁波発信源の周波数と移動速度から､ﾄﾞｯﾌﾟﾗｼﾌﾄ量を求める",
        "　　 ﾄﾞｯﾌﾟﾗｼﾌﾄ(±Hz)=周波数(Hz)x速度(m/s)/299792500",
        "　　 ﾄﾞｯﾌﾟﾗｼﾌﾄ(±Hz)=周波数(Hz)x速度(m/h)/3600/299792500",
    }),
    Rule(Either("Hz", "m/s"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(Abs(c["Hz"] * c["m/s"] / LightSpeed))}; },
         "● 周波数{Hz}の電波発信源が速度{m/s}で移動する場合のドップラシフトは±{r}Hz"),
    Rule(Either("Hz", "m/h"), Filter{"Hz"},
         [](const Ctx& c) { return R{Eng5(Abs(c["Hz"] * c["m/h"] / 3600 / LightSpeed))}; },
         "● 周波数{Hz}の電波発信源が速度{m/h}で移動する場合のドップラシフトは±{r}Hz"),
};
constinit const RuleTable WavesAndSoundTable{WavesAndSoundRows};

}  // namespace tamrisk
