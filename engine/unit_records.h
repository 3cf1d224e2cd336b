// Every prefix and every unit of the catalogue, one record each: all that
// the program knows of it. The catalogue's lists, the unit ids, the list
// order, the customisation's check boxes, the explanations and the command
// line's spellings are made from these tables while the program is
// compiled (engine/catalogue.h and the files that include it), and checked
// for consistency (engine/unit_records.cpp). A unit is added by filling a
// spare record.
#pragma once

#include <cstddef>
#include <string_view>

namespace tamrisk {

struct PrefixRecord {
  std::string_view text;     // UTF-8, exactly as the lists show it
  int powerOfTen;
  std::string_view reading;  // how it is read aloud, for its explanation
  std::string_view ascii;    // an ASCII spelling for the command line, or empty
  std::string_view lookAlike;  // a letter that looks the same and is taken for it, or empty
};

// The prefixes in catalogue order: positions 1..20 of prefixMask.
inline constexpr PrefixRecord PrefixRecords[] = {
    {"y", -24, "ヨクト", "", ""},
    {"z", -21, "ゼプト", "", ""},
    {"a", -18, "アト", "", ""},
    {"f", -15, "フェムト", "", ""},
    {"p", -12, "ピコ", "", ""},
    {"n", -9, "ナノ", "", ""},
    {"μ", -6, "マイクロ", "u", "\u00B5"},
    {"m", -3, "ミリ", "", ""},
    {"c", -2, "センチ", "", ""},
    {"d", -1, "デシ", "", ""},
    {"da", 1, "デカ", "", ""},
    {"h", 2, "ヘクト", "", ""},
    {"k", 3, "キロ", "", ""},
    {"M", 6, "メガ", "", ""},
    {"G", 9, "ギガ", "", ""},
    {"T", 12, "テラ", "", ""},
    {"P", 15, "ペタ", "", ""},
    {"E", 18, "エクサ", "", ""},
    {"Z", 21, "ゼタ", "", ""},
    {"Y", 24, "ヨタ", "", ""},
};

// Where a unit's check box stands in the customisation: row 0..9, column
// 0..7. The units of one quantity stand together in a column.
struct BoxPlace {
  int row;
  int column;
};

struct UnitRecord {
  int position;          // 1..80: its character in unitMask and its place in the catalogue
  std::string_view text;  // UTF-8, exactly as the lists show it; empty: a spare position
  // Its place in the order of the sorted unit lists: the Japanese collation,
  // letter case not counting ("a" and "A" share one); -1 for a spare position.
  int collation;
  BoxPlace box;
  std::string_view ascii;      // an ASCII spelling for the command line, or empty
  std::string_view lookAlike;  // a text that looks the same and is taken for it, or empty
  // What the "?" button shows for it: what it measures, how it is defined
  // and how it is read, continuation lines joined by CR LF.
  std::string_view explanation;
};

// The units in catalogue order. The order is that of the stored masks and
// must never change; positions 75..80 are spare.
inline constexpr UnitRecord UnitRecords[] = {
    {1, "m", 34, {0, 0}, "", "",
     "● 単位 m は長さの単位。光が真空中で 1/299792458秒の間に進む距離が 1m。読み方は｢メートル｣"},
    {2, "in", 27, {1, 0}, "", "",
     "● 単位 in は長さの単位。読み方は｢インチ｣"},
    {3, "ft", 19, {2, 0}, "", "",
     "● 単位 ft は長さの単位。1ft は 12in。読み方は｢フィート｣"},
    {4, "yd", 58, {3, 0}, "", "",
     "● 単位 yd は長さの単位。1yd は 3ft。読み方は｢ヤード｣"},
    {5, "mile", 39, {4, 0}, "", "",
     "● 単位 mile は長さの単位。1mile は 1760yd。読み方は｢マイル｣"},
    {6, "g", 20, {8, 0}, "", "",
     "● 単位 g は質量の単位。国際キログラム原器の質量 1kg の 1/1000。読み方は｢グラム｣"},
    {7, "oz", 45, {9, 0}, "", "",
     "● 単位 oz は質量の単位。読み方は｢オンス｣"},
    {8, "lbs", 33, {0, 1}, "", "",
     "● 単位 lbs は質量の単位。1lbs は 16oz。読み方は｢ポンド｣"},
    {9, "deg", 16, {1, 1}, "", "",
     "● 単位 deg は角度の単位。1周の 1/360 が 1deg。読み方は｢デグリー｣または｢度｣"},
    {10, "rad", 50, {2, 1}, "", "",
     "● 単位 rad は角度の単位。円の周上で,その半径の長さに等しい長さの弧を切り取る２本の" "\r\n"
     "   半径の間に含まれる平面角が 1rad。1周の 1/2π が 1rad。読み方は｢ラジアン｣"},
    {11, "sec", 53, {3, 1}, "", "",
     "● 単位 sec は時間の単位。セシウム133の原子の基底状態の２つの超微細準位の間の遷移に" "\r\n"
     "   対応する放射の 9192631770 周期の継続時間が 1sec。読み方は｢セコンド｣または｢秒｣"},
    {12, "min", 41, {4, 1}, "", "",
     "● 単位 min は時間の単位。1min は 60sec。読み方は｢ミニッツ｣または｢分｣"},
    {13, "hour", 24, {5, 1}, "", "",
     "● 単位 hour は時間の単位。1hour は 3600sec。読み方は｢アワー｣または｢時間｣"},
    {14, "m/s", 36, {9, 1}, "", "",
     "● 単位 m/s は速度(秒速)の単位"},
    {15, "m/h", 35, {0, 2}, "", "",
     "● 単位 m/h は速度(時速)の単位"},
    {16, "mile/h", 40, {1, 2}, "", "",
     "● 単位 mile/h は速度(時速)の単位"},
    {17, "knot", 31, {2, 2}, "", "",
     "● 単位 knot は速度(時速)の単位。n_mile/時の意味(1n_mile＝1.852km)。" "\r\n"
     "   読み方は｢ノット｣"},
    {18, "℃", 1, {6, 2}, "degC", "",
     "● 単位 ℃ は摂氏温度の単位。水の氷点を 0℃､沸点を 99.974℃とする。読み方は｢度｣"},
    {19, "cal", 9, {9, 2}, "", "",
     "● 単位 cal はエネルギーの単位。1g の水を1℃上げるのに必要な熱量が 1cal。" "\r\n"
     "   読み方は｢カロリー｣"},
    {20, "J", 29, {0, 3}, "", "",
     "● 単位 J はエネルギーの単位。読み方は｢ジュール｣"},
    {21, "a", 2, {6, 3}, "", "",
     "● 単位 a は面積の単位。100㎡ が 1a。読み方は｢アール｣"},
    {22, "l", 32, {7, 3}, "", "",
     "● 単位 l は容積の単位。0.001m3 が 1l。読み方は｢リットル｣"},
    {23, "Pa", 46, {0, 4}, "", "",
     "● 単位 Pa は圧力の単位。1㎡ につき 1N の力がつくる圧力が 1Pa。読み方は｢パスカル｣"},
    {24, "V", 54, {1, 4}, "", "",
     "● 単位 V は電圧の単位。1A の定常電流が流れている導体上の２点間で消費される電力が 1W " "\r\n"
     "   であるとき,その２点間の電位差は 1V。読み方は｢ボルト｣"},
    {25, "A", 2, {2, 4}, "", "",
     "● 単位 A は電流の単位。真空中に 1m 離して平行に置いた,断面積の無視できる2本の無限に" "\r\n"
     "   近い｢円形断面を有する｣直線導体に電流を流した時,導体間に 1m 当たり 2×10^-7 N の力" "\r\n"
     "   を生じるような定常電流の強さが 1A。読み方は｢アンペア｣"},
    {26, "W", 57, {3, 4}, "", "",
     "● 単位 W は電力の単位。1W は,1V の電圧において 1A の電流によって毎秒消費される電力。" "\r\n"
     "   読み方は｢ワット｣"},
    {27, "VA", 55, {4, 4}, "", "",
     "● 単位 VA は皮相電力の単位"},
    {28, "Ω", 72, {5, 4}, "ohm", "\u2126",
     "● 単位 Ω は抵抗の単位。1A の電流が流れる導体の２点間の電圧が 1V である時に,その２" "\r\n"
     "   点間の電気抵抗は 1Ω。読み方は｢オーム｣"},
    {29, "dB", 11, {6, 4}, "", "",
     "● 単位 dB は利得の単位。読み方は｢デシベル｣"},
    {30, "dBm", 14, {7, 4}, "", "",
     "● 単位 dBm は電力の単位。1mW が 0dBm"},
    {31, "dBμV", 15, {9, 4}, "dBuV", "dB\u00B5V",
     "● 単位 dBμV は電圧の単位。1μV が 0dBμV"},
    {32, "dBc", 12, {0, 5}, "", "",
     "● 単位 dBc は搬送波を基準とした側帯波や雑音の電力比の単位"},
    {33, "Hz", 26, {1, 5}, "", "",
     "● 単位 Hz は周波数の単位。1秒間あたりの振動数を示す。読み方は｢ヘルツ｣"},
    {34, "λ", 71, {2, 5}, "", "",
     "● 単位 λ は波長の単位。読み方は｢ラムダ｣"},
    {35, "VSWR", 56, {3, 5}, "", "",
     "● 単位 VSWR は電圧定在波比を示す。単位ではなく記号である。"},
    {36, "H", 23, {4, 5}, "", "",
     "● 単位 H はコイルのインダクタンスの単位。1A/sec の電流変化に対して生ずる誘導起電力が " "\r\n"
     "   1V となるインダクタンスを 1H とする。読み方は｢ヘンリー｣"},
    {37, "F", 17, {5, 5}, "", "",
     "● 単位 F はコンデンサの静電容量の単位。1C/V の静電容量を 1F とする。読み方は｢ファラド｣"},
    {38, "C", 8, {6, 5}, "", "",
     "● 単位 C は電荷の単位。1C は 1A の不変の電流によって１秒間に運ばれる電気量。" "\r\n"
     "   読み方は｢クーロン｣"},
    {39, "bit", 5, {7, 5}, "", "",
     "● 単位 bit は論理の最小単位。読み方は｢ビット｣"},
    {40, "byte", 7, {8, 5}, "", "",
     "● 単位 byte は論理の単位。8bit が 1byte。読み方は｢バイト｣"},
    {41, "bps", 6, {9, 5}, "", "",
     "● 単位 bps はデータ伝送速度の単位。読み方は｢ビット パー セコンド｣または｢ビーピーエス｣"},
    {42, "%", 0, {0, 6}, "", "",
     "● 単位 % は百分率の単位。読み方は｢パーセント｣"},
    {43, "ppm", 48, {1, 6}, "", "",
     "● 単位 ppm は百万分率の単位。読み方は｢ピーピーエム｣"},
    {44, "㎡", 38, {4, 3}, "m2", "",
     "● 単位 ㎡ は面積の単位。１辺を 1m とする正方形の面積。読み方は｢平方メートル｣"},
    {45, "n_mile", 44, {5, 0}, "", "",
     "● 単位 n_mile は長さの単位。1n_mile は 1852m。主に航海､航空に使用される(海里)。" "\r\n"
     "   読み方は｢ノーチカルマイル｣"},
    {46, "day", 10, {6, 1}, "", "",
     "● 単位 day は時間の単位。1day は 24hour。読み方は｢デイ｣または｢日｣"},
    {47, "month", 42, {7, 1}, "", "",
     "● 単位 month は時間の単位。Tamrisk では 1month は 30day として計算。" "\r\n"
     "   読み方は｢マンス｣または｢月｣"},
    {48, "year", 59, {8, 1}, "", "",
     "● 単位 year は時間の単位。1year は 365.2422day。" "\r\n"
     "　 読み方は｢イヤー｣または｢年｣"},
    {49, "AU", 4, {7, 0}, "", "",
     "● 単位 AU は長さの単位。地球と太陽の平均距離が 1AU(天文単位)。"},
    {50, "in2", 28, {5, 3}, "in^2", "",
     "● 単位 in2 は面積の単位。１辺を 1inch とする正方形の面積。読み方は｢平方インチ｣"},
    {51, "Å", 3, {6, 0}, "angstrom", "\u00C5",
     "● 単位 Å は長さの単位。1Åは 0.1nm。主に光の波長を表すのに用いられる。" "\r\n"
     "   読み方は｢オングストローム｣"},
    {52, "m/s2", 37, {3, 2}, "m/s^2", "",
     "● 単位 m/s2 は加速度の単位。"},
    {53, "N", 43, {1, 3}, "", "",
     "● 単位 N は力の単位。1kg 質量の物体に 1m/s2 の加速度を与える力が 1N。読み方は｢ニュートン｣"},
    {54, "ppb", 47, {2, 6}, "", "",
     "● 単位 ppb は10億分率の単位。読み方は｢ピーピービー｣"},
    {55, "dBf", 13, {8, 4}, "", "",
     "● 単位 dBf は電力の単位。1fW が 0dBf"},
    {56, "gal UK", 21, {8, 3}, "", "",
     "● 単位 gal UK は英国における容積の単位。読み方は｢英ガロン｣"},
    {57, "gal US", 22, {9, 3}, "", "",
     "● 単位 gal US は米国における容積の単位。読み方は｢米ガロン｣"},
    {58, "rps", 52, {4, 2}, "", "",
     "● 単位 rps は回転速度の単位。1秒間の回転数を示す。Round Per Second の略"},
    {59, "rpm", 51, {5, 2}, "", "",
     "● 単位 rpm は回転速度の単位。1分間の回転数を示す。Round Per Minute の略"},
    {60, "ﾟF", 18, {7, 2}, "degF", "",
     "● 単位 ﾟF は華氏温度の単位。水の氷点を 32ﾟF､沸点を 212ﾟFとする。"},
    {61, "K", 30, {8, 2}, "", "\u212A",
     "● 単位 K は絶対温度の単位。ヘリウムを液体水素で膨張させた限界温度を0Kとする。読み方は｢ケルビン｣"},
    {62, "PS", 49, {2, 3}, "", "",
     "● 単位 PS は仕事率の単位。仏馬力。1PS は 735.49875W。"},
    {63, "HP", 25, {3, 3}, "", "",
     "● 単位 HP は仕事率の単位。英馬力。1HP は 745.7W。"},
    {64, "尺", 63, {3, 6}, "", "",
     "● 単位 尺 は長さの単位。"},
    {65, "寸", 65, {4, 6}, "", "",
     "● 単位 寸 は長さの単位。"},
    {66, "間", 61, {5, 6}, "", "",
     "● 単位 間 は長さの単位。"},
    {67, "町", 66, {6, 6}, "", "",
     "● 単位 町 は長さの単位。"},
    {68, "里", 70, {7, 6}, "", "",
     "● 単位 里 は長さの単位。"},
    {69, "坪", 67, {8, 6}, "", "",
     "● 単位 坪 は面積の単位。"},
    {70, "升", 64, {9, 6}, "", "",
     "● 単位 升 は体積の単位。"},
    {71, "合", 62, {0, 7}, "", "",
     "● 単位 合 は体積の単位。"},
    {72, "斗", 68, {1, 7}, "", "",
     "● 単位 斗 は体積の単位。"},
    {73, "貫", 60, {2, 7}, "", "",
     "● 単位 貫 は質量の単位。"},
    {74, "匁", 69, {3, 7}, "", "",
     "● 単位 匁 は質量の単位。"},
    {75, "", -1, {4, 7}, "", "", ""},
    {76, "", -1, {5, 7}, "", "", ""},
    {77, "", -1, {6, 7}, "", "", ""},
    {78, "", -1, {7, 7}, "", "", ""},
    {79, "", -1, {8, 7}, "", "", ""},
    {80, "", -1, {9, 7}, "", "", ""},
};

inline constexpr std::size_t PrefixRecordCount = sizeof(PrefixRecords) / sizeof(PrefixRecords[0]);
inline constexpr std::size_t UnitRecordCount = sizeof(UnitRecords) / sizeof(UnitRecords[0]);

// engine/unit_records.cpp checks the records for consistency as it is
// compiled, once rather than in every file that includes them.

}  // namespace tamrisk
