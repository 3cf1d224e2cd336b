#include "engine/explanations.h"

#include <iterator>
#include <string>
#include <string_view>
#include <tuple>

#include "engine/catalogue.h"

namespace tamrisk {

namespace {

struct Explanation {
  std::string_view key;   // prefix or unit text, compared exactly
  std::string_view text;  // UTF-8, continuation lines joined by CR LF
};

// How each prefix of the catalogue is read aloud, in catalogue order.
constexpr std::string_view PrefixReadings[] = {
    "ヨクト",  // y
    "ゼプト",  // z
    "アト",  // a
    "フェムト",  // f
    "ピコ",  // p
    "ナノ",  // n
    "マイクロ",  // μ
    "ミリ",  // m
    "センチ",  // c
    "デシ",  // d
    "デカ",  // da
    "ヘクト",  // h
    "キロ",  // k
    "メガ",  // M
    "ギガ",  // G
    "テラ",  // T
    "ペタ",  // P
    "エクサ",  // E
    "ゼタ",  // Z
    "ヨタ",  // Y
};
static_assert(std::size(PrefixReadings) == std::tuple_size_v<decltype(PrefixCatalogue)>);

// One line per prefix: its power of ten and how it is read aloud.
std::string PrefixLine(const PrefixEntry& prefix, std::string_view reading) {
  return "● 倍数 " + std::string(prefix.text) + " は 10の " +
         std::to_string(prefix.powerOfTen) + "乗、読み方は｢" + std::string(reading) + "｣";
}

// What each unit measures, how it is defined and how it is read.
constexpr Explanation UnitExplanations[] = {
    {"m",
     "● 単位 m は長さの単位。光が真空中で 1/299792458秒の間に進む距離が 1m。読み方は｢メートル｣"},
    {"in",
     "● 単位 in は長さの単位。読み方は｢インチ｣"},
    {"ft",
     "● 単位 ft は長さの単位。1ft は 12in。読み方は｢フィート｣"},
    {"yd",
     "● 単位 yd は長さの単位。1yd は 3ft。読み方は｢ヤード｣"},
    {"mile",
     "● 単位 mile は長さの単位。1mile は 1760yd。読み方は｢マイル｣"},
    {"n_mile",
     "● 単位 n_mile は長さの単位。1n_mile は 1852m。主に航海､航空に使用される(海里)。" "\r\n"
     "   読み方は｢ノーチカルマイル｣"},
    {"Å",
     "● 単位 Å は長さの単位。1Åは 0.1nm。主に光の波長を表すのに用いられる。" "\r\n"
     "   読み方は｢オングストローム｣"},
    {"AU",
     "● 単位 AU は長さの単位。地球と太陽の平均距離が 1AU(天文単位)。"},
    {"g",
     "● 単位 g は質量の単位。国際キログラム原器の質量 1kg の 1/1000。読み方は｢グラム｣"},
    {"oz",
     "● 単位 oz は質量の単位。読み方は｢オンス｣"},
    {"lbs",
     "● 単位 lbs は質量の単位。1lbs は 16oz。読み方は｢ポンド｣"},
    {"deg",
     "● 単位 deg は角度の単位。1周の 1/360 が 1deg。読み方は｢デグリー｣または｢度｣"},
    {"rad",
     "● 単位 rad は角度の単位。円の周上で,その半径の長さに等しい長さの弧を切り取る２本の" "\r\n"
     "   半径の間に含まれる平面角が 1rad。1周の 1/2π が 1rad。読み方は｢ラジアン｣"},
    {"sec",
     "● 単位 sec は時間の単位。セシウム133の原子の基底状態の２つの超微細準位の間の遷移に" "\r\n"
     "   対応する放射の 9192631770 周期の継続時間が 1sec。読み方は｢セコンド｣または｢秒｣"},
    {"min",
     "● 単位 min は時間の単位。1min は 60sec。読み方は｢ミニッツ｣または｢分｣"},
    {"hour",
     "● 単位 hour は時間の単位。1hour は 3600sec。読み方は｢アワー｣または｢時間｣"},
    {"day",
     "● 単位 day は時間の単位。1day は 24hour。読み方は｢デイ｣または｢日｣"},
    {"month",
     "● 単位 month は時間の単位。Tamrisk では 1month は 30day として計算。" "\r\n"
     "   読み方は｢マンス｣または｢月｣"},
    {"year",
     "● 単位 year は時間の単位。1year は 365.2422day。" "\r\n"
     "　 読み方は｢イヤー｣または｢年｣"},
    {"m/s",
     "● 単位 m/s は速度(秒速)の単位"},
    {"m/h",
     "● 単位 m/h は速度(時速)の単位"},
    {"mile/h",
     "● 単位 mile/h は速度(時速)の単位"},
    {"knot",
     "● 単位 knot は速度(時速)の単位。n_mile/時の意味(1n_mile＝1.852km)。" "\r\n"
     "   読み方は｢ノット｣"},
    {"m/s2",
     "● 単位 m/s2 は加速度の単位。"},
    {"rps",
     "● 単位 rps は回転速度の単位。1秒間の回転数を示す。Round Per Second の略"},
    {"rpm",
     "● 単位 rpm は回転速度の単位。1分間の回転数を示す。Round Per Minute の略"},
    {"℃",
     "● 単位 ℃ は摂氏温度の単位。水の氷点を 0℃､沸点を 99.974℃とする。読み方は｢度｣"},
    {"ﾟF",
     "● 単位 ﾟF は華氏温度の単位。水の氷点を 32ﾟF､沸点を 212ﾟFとする。"},
    {"K",
     "● 単位 K は絶対温度の単位。ヘリウムを液体水素で膨張させた限界温度を0Kとする。読み方は｢ケルビン｣"},
    {"cal",
     "● 単位 cal はエネルギーの単位。1g の水を1℃上げるのに必要な熱量が 1cal。" "\r\n"
     "   読み方は｢カロリー｣"},
    {"J",
     "● 単位 J はエネルギーの単位。読み方は｢ジュール｣"},
    {"N",
     "● 単位 N は力の単位。1kg 質量の物体に 1m/s2 の加速度を与える力が 1N。読み方は｢ニュートン｣"},
    {"PS",
     "● 単位 PS は仕事率の単位。仏馬力。1PS は 735.49875W。"},
    {"HP",
     "● 単位 HP は仕事率の単位。英馬力。1HP は 745.7W。"},
    {"㎡",
     "● 単位 ㎡ は面積の単位。１辺を 1m とする正方形の面積。読み方は｢平方メートル｣"},
    {"in2",
     "● 単位 in2 は面積の単位。１辺を 1inch とする正方形の面積。読み方は｢平方インチ｣"},
    {"a",
     "● 単位 a は面積の単位。100㎡ が 1a。読み方は｢アール｣"},
    {"l",
     "● 単位 l は容積の単位。0.001m3 が 1l。読み方は｢リットル｣"},
    {"gal UK",
     "● 単位 gal UK は英国における容積の単位。読み方は｢英ガロン｣"},
    {"gal US",
     "● 単位 gal US は米国における容積の単位。読み方は｢米ガロン｣"},
    {"Pa",
     "● 単位 Pa は圧力の単位。1㎡ につき 1N の力がつくる圧力が 1Pa。読み方は｢パスカル｣"},
    {"V",
     "● 単位 V は電圧の単位。1A の定常電流が流れている導体上の２点間で消費される電力が 1W " "\r\n"
     "   であるとき,その２点間の電位差は 1V。読み方は｢ボルト｣"},
    {"A",
     "● 単位 A は電流の単位。真空中に 1m 離して平行に置いた,断面積の無視できる2本の無限に" "\r\n"
     "   近い｢円形断面を有する｣直線導体に電流を流した時,導体間に 1m 当たり 2×10^-7 N の力" "\r\n"
     "   を生じるような定常電流の強さが 1A。読み方は｢アンペア｣"},
    {"W",
     "● 単位 W は電力の単位。1W は,1V の電圧において 1A の電流によって毎秒消費される電力。" "\r\n"
     "   読み方は｢ワット｣"},
    {"VA",
     "● 単位 VA は皮相電力の単位"},
    {"Ω",
     "● 単位 Ω は抵抗の単位。1A の電流が流れる導体の２点間の電圧が 1V である時に,その２" "\r\n"
     "   点間の電気抵抗は 1Ω。読み方は｢オーム｣"},
    {"dB",
     "● 単位 dB は利得の単位。読み方は｢デシベル｣"},
    {"dBm",
     "● 単位 dBm は電力の単位。1mW が 0dBm"},
    {"dBf",
     "● 単位 dBf は電力の単位。1fW が 0dBf"},
    {"dBμV",
     "● 単位 dBμV は電圧の単位。1μV が 0dBμV"},
    {"dBc",
     "● 単位 dBc は搬送波を基準とした側帯波や雑音の電力比の単位"},
    {"Hz",
     "● 単位 Hz は周波数の単位。1秒間あたりの振動数を示す。読み方は｢ヘルツ｣"},
    {"λ",
     "● 単位 λ は波長の単位。読み方は｢ラムダ｣"},
    {"VSWR",
     "● 単位 VSWR は電圧定在波比を示す。単位ではなく記号である。"},
    {"H",
     "● 単位 H はコイルのインダクタンスの単位。1A/sec の電流変化に対して生ずる誘導起電力が " "\r\n"
     "   1V となるインダクタンスを 1H とする。読み方は｢ヘンリー｣"},
    {"F",
     "● 単位 F はコンデンサの静電容量の単位。1C/V の静電容量を 1F とする。読み方は｢ファラド｣"},
    {"C",
     "● 単位 C は電荷の単位。1C は 1A の不変の電流によって１秒間に運ばれる電気量。" "\r\n"
     "   読み方は｢クーロン｣"},
    {"bit",
     "● 単位 bit は論理の最小単位。読み方は｢ビット｣"},
    {"byte",
     "● 単位 byte は論理の単位。8bit が 1byte。読み方は｢バイト｣"},
    {"bps",
     "● 単位 bps はデータ伝送速度の単位。読み方は｢ビット パー セコンド｣または｢ビーピーエス｣"},
    {"%",
     "● 単位 % は百分率の単位。読み方は｢パーセント｣"},
    {"ppm",
     "● 単位 ppm は百万分率の単位。読み方は｢ピーピーエム｣"},
    {"ppb",
     "● 単位 ppb は10億分率の単位。読み方は｢ピーピービー｣"},
    {"尺",
     "● 単位 尺 は長さの単位。"},
    {"寸",
     "● 単位 寸 は長さの単位。"},
    {"間",
     "● 単位 間 は長さの単位。"},
    {"町",
     "● 単位 町 は長さの単位。"},
    {"里",
     "● 単位 里 は長さの単位。"},
    {"坪",
     "● 単位 坪 は面積の単位。"},
    {"升",
     "● 単位 升 は体積の単位。"},
    {"合",
     "● 単位 合 は体積の単位。"},
    {"斗",
     "● 単位 斗 は体積の単位。"},
    {"貫",
     "● 単位 貫 は質量の単位。"},
    {"匁",
     "● 単位 匁 は質量の単位。"},
};

template <size_t N>
std::string_view Find(const Explanation (&table)[N], std::string_view key) {
  for (const Explanation& e : table) {
    if (e.key == key) return e.text;
  }
  return {};
}

}  // namespace

std::string PrefixExplanation(std::string_view prefix) {
  for (size_t i = 0; i < PrefixCatalogue.size(); ++i) {
    if (PrefixCatalogue[i].text == prefix) return PrefixLine(PrefixCatalogue[i], PrefixReadings[i]);
  }
  return {};
}

std::string_view UnitExplanation(std::string_view unit) { return Find(UnitExplanations, unit); }

std::string UnitExplanationText(std::string_view prefix, std::string_view unit) {
  const std::string p = PrefixExplanation(prefix);
  const std::string_view u = UnitExplanation(unit);
  if (p.empty() && u.empty()) return {};
  std::string text = "【単位解説】\r\n\r\n";
  text += p;
  text += "\r\n\r\n";
  text += u;
  return text;
}

}  // namespace tamrisk
