// Charge and field energy, power and voltage levels, attenuators, splitters,
// dividers, operational amplifiers, intermodulation, RC/RL transients,
// resonance, cut-off, the plate capacitor and wire resistance: whole lines per
// unit pair, both input orders, the value conditions on both sides of their
// bounds, filters that keep and drop lines, and failing lines that leave the
// others in place and raise the flag.
#include <string>
#include <vector>

#include "formulas/catalogue_run.h"
#include "formulas/circuits/circuit_tables.h"
#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

constexpr int kThisYear = 2026;
const char* const kNoFilter = " 指定なし";

// These tables alone, so that the lines of other circuit tables that share a
// unit pair do not enter the expectations.
const FormulaDomain& ChargeToWires() {
  static const FormulaDomain domain(
      "ChargeToWires", ElectronicsCategory,
      {ChargeEnergyTable, LevelsTable, AttenuatorsAmplifiersTable, TransientsWiresTable});
  return domain;
}

struct Param {
  const char* typed;
  const char* prefix;
  const char* unit;
};

struct CircuitCase {
  Param a;
  Param b;
  const char* filter;
  std::vector<std::string> lines;
  bool invalid;
};

RunInput Input(const CircuitCase& c) {
  return {c.a.typed, c.a.prefix, c.a.unit, c.b.typed, c.b.prefix, c.b.unit, c.filter, kThisYear};
}

// Two different units: the lines do not depend on which parameter holds which.
template <size_t N>
void ExpectBothOrders(const CircuitCase (&cases)[N]) {
  for (const CircuitCase& c : cases) ExpectBlock(ChargeToWires(), Input(c), c.lines, c.invalid, true);
}

// One unit twice: the parameters' roles are part of each case.
template <size_t N>
void ExpectAsGiven(const CircuitCase (&cases)[N]) {
  for (const CircuitCase& c : cases) ExpectBlock(ChargeToWires(), Input(c), c.lines, c.invalid);
}

const CircuitCase kChargeCases[] = {
    {{"1", "μ", "C"}, {"10", " ", "V"}, kNoFilter,
     {"● 電荷 1μCをもつ導体の電位が 10Vであるとき,その導体の静電容量は 100.00nF",
      "● 電荷 1μCを有し,電位 10Vである導体のもつ電界のエネルギーは 5.0000μJ"},
     false},
    {{"1", "μ", "C"}, {"10", " ", "V"}, "J",
     {"● 電荷 1μCを有し,電位 10Vである導体のもつ電界のエネルギーは 5.0000μJ"},
     false},
    {{"1", "μ", "C"}, {"10", " ", "V"}, "C",
     {}, false},
    {{"10", " ", "V"}, {"100", "n", "F"}, kNoFilter,
     {"● 導体の電位が 10Vおよび静電容量が 100nFであれば,その導体のもつ電荷は 1.0000μC",
      "● 電位 10V,静電容量 100nFである導体のもつ電界のエネルギーは 5.0000μJ"},
     false},
    {{"2", " ", "A"}, {"3", " ", "sec"}, kNoFilter,
     {"● 電流 2Aが 3sec間流れた場合の電荷移動量は 6.0000C"},
     false},
    // 10^-6 * 10 is just below 10^-5: the raw value keeps the four-decimal row.
    {{"1", "μ", "A"}, {"10", " ", "sec"}, kNoFilter,
     {"● 電流 1μAが 10sec間流れた場合の電荷移動量は 10.0000μC"},
     false},
    {{"1", "μ", "C"}, {"2", "μ", "A"}, kNoFilter,
     {"● 電荷 1μCを 2μAの電流で移動させるのに必要な時間は 500.00msec"},
     false},
    {{"6", " ", "C"}, {"3", " ", "sec"}, kNoFilter,
     {"● 電荷 6Cを 3sec間で移動させるのに必要な電流は 2.0000A"},
     false},
    {{"1", "μ", "C"}, {"100", "n", "F"}, kNoFilter,
     {"● 電荷 1μCをもつ導体の静電容量が 100nFであるとき,その導体の電位は 10.000V",
      "● 電荷 1μCを有し,静電容量 100nFである導体のもつ電界のエネルギーは 5.0000μJ"},
     false},
    {{"5", "μ", "J"}, {"10", " ", "V"}, kNoFilter,
     {"● 電位 10Vである導体のもつ電界のエネルギーが 5μJであるとすると,有する電荷は 1.0000μC",
      "● 電位 10Vである導体のもつ電界のエネルギーが 5μJであるとすると,静電容量は 100.00nF"},
     false},
    {{"5", "μ", "J"}, {"1", "μ", "C"}, kNoFilter,
     {"● 電荷 1μCを有する導体のもつ電界のエネルギーが 5μJであるとすると,電位は 10.000V",
      "● 電荷 1μCを有する導体のもつ電界のエネルギーが 5μJであるとすると,静電容量は 100.00nF"},
     false},
    {{"5", "μ", "J"}, {"100", "n", "F"}, kNoFilter,
     {"● 静電容量 100nFである導体のもつ電界のエネルギーが 5μJであるとすると,電位は 10.000V",
      "● 静電容量 100nFである導体のもつ電界のエネルギーが 5μJであるとすると,有する電荷は 1.0000μC"},
     false},
    {{"5", "μ", "J"}, {"100", "n", "F"}, "C",
     {"● 静電容量 100nFである導体のもつ電界のエネルギーが 5μJであるとすると,有する電荷は 1.0000μC"},
     false},
    // The square root of 0 does not fail.
    {{"0", " ", "J"}, {"100", "n", "F"}, kNoFilter,
     {"● 静電容量 100nFである導体のもつ電界のエネルギーが 0Jであるとすると,電位は 0V",
      "● 静電容量 100nFである導体のもつ電界のエネルギーが 0Jであるとすると,有する電荷は 0C"},
     false},
    // The capacitance divides by zero; the field energy stays.
    {{"1", "μ", "C"}, {"0", " ", "V"}, kNoFilter,
     {"● 電荷 1μCを有し,電位 0Vである導体のもつ電界のエネルギーは 0J"},
     true},
    // The square roots of a negative product and quotient.
    {{"-5", "μ", "J"}, {"100", "n", "F"}, kNoFilter,
     {}, true},
    // A current of 0 divides.
    {{"0", " ", "A"}, {"1", "μ", "C"}, kNoFilter,
     {}, true},
};

// The parameter without unit holds a number of its own, which must never
// enter a figure.
const CircuitCase kLevelCases[] = {
    {{"1", " ", "W"}, {"7", " ", " "}, kNoFilter,
     {"● 電力 1Wを dBm,dBf単位で表すと 30.000dBm,150.000dBf"},
     false},
    {{"1", " ", "W"}, {"7", " ", " "}, "dBf",
     {"● 電力 1Wを dBm,dBf単位で表すと 30.000dBm,150.000dBf"},
     false},
    {{"1", " ", "W"}, {"7", " ", " "}, "W",
     {}, false},
    {{"0", " ", "dBm"}, {"7", " ", " "}, kNoFilter,
     {"● 電力 0dBmを W,dBf単位で表すと 1.0000mW,120.000dBf"},
     false},
    // dBm = dBf - 120 by subtraction.
    {{"-30", " ", "dBf"}, {"7", " ", " "}, kNoFilter,
     {"● 電力-30dBfを W,dBm単位で表すと 1.0000aW,-150.000dBm"},
     false},
    {{"1", " ", "V"}, {"7", " ", " "}, kNoFilter,
     {"● 電圧 1Vrms を dBμV単位で表すと 120.000dBμV"},
     false},
    {{"0", " ", "dBμV"}, {"7", " ", " "}, kNoFilter,
     {"● 電圧 0dBμVを V単位で表すと 1.0000μVrms"},
     false},
    {{"3", " ", "dB"}, {"7", " ", " "}, kNoFilter,
     {"● 電圧比または電流比で,± 3dBの範囲は 70.79458%(-29.20542%)～141.25375%(+41.25375%)",
      "● 電力比で,± 3dBの範囲は 50.11872%(-49.88128%)～199.52623%(+99.52623%)"},
     false},
    // The ranges take the magnitude of the dB value.
    {{"-3", " ", "dB"}, {"7", " ", " "}, "%",
     {"● 電圧比または電流比で,±-3dBの範囲は 70.79458%(-29.20542%)～141.25375%(+41.25375%)",
      "● 電力比で,±-3dBの範囲は 50.11872%(-49.88128%)～199.52623%(+99.52623%)"},
     false},
    {{"50", " ", "%"}, {"7", " ", " "}, kNoFilter,
     {"● 電圧比または電流比とすると, 50%は -6.021dB",
      "● 電圧比または電流比とすると,± 50%の範囲は -6.021dB～3.522dB",
      "● 電力比とすると, 50%は -3.010dB",
      "● 電力比とすると,± 50%の範囲は -3.010dB～1.761dB"},
     false},
    // Each ± range takes the logarithm of 0 for its lower bound and is left out
    // whole; the ratio lines stay.
    {{"100", " ", "%"}, {"7", " ", " "}, kNoFilter,
     {"● 電圧比または電流比とすると, 100%は 0.000dB",
      "● 電力比とすると, 100%は 0.000dB"},
     true},
    {{"0", " ", "W"}, {"7", " ", " "}, kNoFilter,
     {}, true},
    {{"-1", " ", "V"}, {"7", " ", " "}, kNoFilter,
     {}, true},
    // 10^400 overflows.
    {{"4000", " ", "dBm"}, {"7", " ", " "}, kNoFilter,
     {}, true},
    // The ratio lines take the logarithm of 0; ±0 % is an empty range.
    {{"0", " ", "%"}, {"7", " ", " "}, kNoFilter,
     {"● 電圧比または電流比とすると,± 0%の範囲は 0.000dB～0.000dB",
      "● 電力比とすると,± 0%の範囲は 0.000dB～0.000dB"},
     true},
};

const CircuitCase kAttenuatorCases[] = {
    {{"50", " ", "Ω"}, {"6", " ", "dB"}, kNoFilter,
     {"● 特性インピーダンス 50Ωで 6dBのＴ型減衰器を構成すると 16.614Ω, 66.931Ω, 16.614Ω",
      "● 特性インピーダンス 50Ωで 6dBのπ型減衰器を構成すると 150.48Ω, 37.352Ω, 150.48Ω",
      "● 直列合成抵抗が 50Ωの分圧器で､電圧比 6dBとする場合の各々の抵抗値は 24.941Ω, 25.059Ω",
      "● 入力-[-In] 50Ω､電圧利得 6dBのオペアンプ反転増幅器の[Out]-[-In]の抵抗は 99.763Ω",
      "● [Out]-[-In] 50Ω､電圧利得 6dBのオペアンプ反転増幅器の入力-[-In]の抵抗は 25.059Ω",
      "● GND-[-In] 50Ω､電圧利得 6dBのオペアンプ非反転増幅器の[Out]-[-In]の抵抗は 49.763Ω",
      "● [Out]-[-In] 50Ω､電圧利得 6dBのオペアンプ非反転増幅器のGND-[-In]の抵抗は 50.238Ω"},
     false},
    {{"50", " ", "Ω"}, {"6", " ", "dB"}, "W",
     {}, false},
    // The attenuators and the divider take the magnitude; a non-inverting stage
    // needs a gain above 0 dB.
    {{"50", " ", "Ω"}, {"-6", " ", "dB"}, kNoFilter,
     {"● 特性インピーダンス 50Ωで-6dBのＴ型減衰器を構成すると 16.614Ω, 66.931Ω, 16.614Ω",
      "● 特性インピーダンス 50Ωで-6dBのπ型減衰器を構成すると 150.48Ω, 37.352Ω, 150.48Ω",
      "● 直列合成抵抗が 50Ωの分圧器で､電圧比-6dBとする場合の各々の抵抗値は 24.941Ω, 25.059Ω",
      "● 入力-[-In] 50Ω､電圧利得-6dBのオペアンプ反転増幅器の[Out]-[-In]の抵抗は 25.059Ω",
      "● [Out]-[-In] 50Ω､電圧利得-6dBのオペアンプ反転増幅器の入力-[-In]の抵抗は 99.763Ω"},
     false},
    // n = 1: both attenuators divide by zero and give no line at all.
    {{"50", " ", "Ω"}, {"0", " ", "dB"}, kNoFilter,
     {"● 直列合成抵抗が 50Ωの分圧器で､電圧比 0dBとする場合の各々の抵抗値は 0Ω, 50.000Ω",
      "● 入力-[-In] 50Ω､電圧利得 0dBのオペアンプ反転増幅器の[Out]-[-In]の抵抗は 50.000Ω",
      "● [Out]-[-In] 50Ω､電圧利得 0dBのオペアンプ反転増幅器の入力-[-In]の抵抗は 50.000Ω"},
     true},
    {{"50", " ", "Ω"}, {"7", " ", " "}, kNoFilter,
     {"● 特性インピーダンス 50Ωの､2信号T型分岐回路を構成する3つの抵抗値は 16.667Ω,挿入損失は -6.0206dB",
      "● 特性インピーダンス 50Ωの､3信号+型分岐回路を構成する4つの抵抗値は 25.000Ω,挿入損失は -9.5424dB"},
     false},
    {{"50", " ", "Ω"}, {"7", " ", " "}, "dB",
     {"● 特性インピーダンス 50Ωの､2信号T型分岐回路を構成する3つの抵抗値は 16.667Ω,挿入損失は -6.0206dB",
      "● 特性インピーダンス 50Ωの､3信号+型分岐回路を構成する4つの抵抗値は 25.000Ω,挿入損失は -9.5424dB"},
     false},
    {{"10", "k", "Ω"}, {"50", " ", "%"}, kNoFilter,
     {"● 直列合成抵抗が 10kΩの分圧器で､電圧比 50%とする場合の各々の抵抗値は 5.0000kΩ, 5.0000kΩ",
      "● 入力-[-In] 10kΩ､電圧利得 50%のオペアンプ反転増幅器の[Out]-[-In]の抵抗は 5.0000kΩ",
      "● [Out]-[-In] 10kΩ､電圧利得 50%のオペアンプ反転増幅器の入力-[-In]の抵抗は 20.000kΩ"},
     false},
    // The divider needs less than 100 %, the non-inverting stage more.
    {{"10", "k", "Ω"}, {"100", " ", "%"}, kNoFilter,
     {"● 入力-[-In] 10kΩ､電圧利得 100%のオペアンプ反転増幅器の[Out]-[-In]の抵抗は 10.000kΩ",
      "● [Out]-[-In] 10kΩ､電圧利得 100%のオペアンプ反転増幅器の入力-[-In]の抵抗は 10.000kΩ"},
     false},
    {{"10", "k", "Ω"}, {"200", " ", "%"}, kNoFilter,
     {"● 入力-[-In] 10kΩ､電圧利得 200%のオペアンプ反転増幅器の[Out]-[-In]の抵抗は 20.000kΩ",
      "● [Out]-[-In] 10kΩ､電圧利得 200%のオペアンプ反転増幅器の入力-[-In]の抵抗は 5.0000kΩ",
      "● GND-[-In] 10kΩ､電圧利得 200%のオペアンプ非反転増幅器の[Out]-[-In]の抵抗は 10.000kΩ",
      "● [Out]-[-In] 10kΩ､電圧利得 200%のオペアンプ非反転増幅器のGND-[-In]の抵抗は 10.000kΩ"},
     false},
    // The inverting input resistor divides by a gain of 0.
    {{"10", "k", "Ω"}, {"0", " ", "%"}, kNoFilter,
     {"● 直列合成抵抗が 10kΩの分圧器で､電圧比 0%とする場合の各々の抵抗値は 10.000kΩ, 0Ω",
      "● 入力-[-In] 10kΩ､電圧利得 0%のオペアンプ反転増幅器の[Out]-[-In]の抵抗は 0Ω"},
     true},
};

const CircuitCase kGainCases[] = {
    {{"10", "k", "Ω"}, {"100", "k", "Ω"}, kNoFilter,
     {"● 入力-[-In] 10kΩ､[Out]-[-In] 100kΩのオペアンプ反転増幅器の電圧利得は -10.00000 (20.000dB)",
      "● 入力-[-In] 100kΩ､[Out]-[-In] 10kΩのオペアンプ反転増幅器の電圧利得は -0.10000 (-20.000dB)",
      "● GND-[-In] 10kΩ､[Out]-[-In] 100kΩのオペアンプ非反転増幅器の電圧利得は 11.00000 (20.828dB)",
      "● GND-[-In] 100kΩ､[Out]-[-In] 10kΩのオペアンプ非反転増幅器の電圧利得は 1.10000 (0.828dB)"},
     false},
    {{"100", "k", "Ω"}, {"10", "k", "Ω"}, "dB",
     {"● 入力-[-In] 100kΩ､[Out]-[-In] 10kΩのオペアンプ反転増幅器の電圧利得は -0.10000 (-20.000dB)",
      "● 入力-[-In] 10kΩ､[Out]-[-In] 100kΩのオペアンプ反転増幅器の電圧利得は -10.00000 (20.000dB)",
      "● GND-[-In] 100kΩ､[Out]-[-In] 10kΩのオペアンプ非反転増幅器の電圧利得は 1.10000 (0.828dB)",
      "● GND-[-In] 10kΩ､[Out]-[-In] 100kΩのオペアンプ非反転増幅器の電圧利得は 11.00000 (20.828dB)"},
     false},
    // Equal resistors give no swapped lines.
    {{"10", "k", "Ω"}, {"10", "k", "Ω"}, kNoFilter,
     {"● 入力-[-In] 10kΩ､[Out]-[-In] 10kΩのオペアンプ反転増幅器の電圧利得は -1.00000 (0.000dB)",
      "● GND-[-In] 10kΩ､[Out]-[-In] 10kΩのオペアンプ非反転増幅器の電圧利得は 2.00000 (6.021dB)"},
     false},
    // An input or shunt resistor of 0 divides by zero; so does the logarithm
    // of a gain of 0.
    {{"0", " ", "Ω"}, {"10", "k", "Ω"}, kNoFilter,
     {"● GND-[-In] 10kΩ､[Out]-[-In] 0Ωのオペアンプ非反転増幅器の電圧利得は 1.00000 (0.000dB)"},
     true},
    {{"-10", " ", "dBm"}, {"20", " ", "dBm"}, kNoFilter,
     {"● IP3 20dBmのデバイスを-10dBmで動作させた場合の三次相互変調歪(IM3)は -60.000dBc"},
     false},
    {{"20", " ", "dBm"}, {"-10", " ", "dBm"}, kNoFilter,
     {"● IP3 20dBmのデバイスを-10dBmで動作させた場合の三次相互変調歪(IM3)は -60.000dBc"},
     false},
    // Equal levels give no intercept point.
    {{"20", " ", "dBm"}, {"20", " ", "dBm"}, kNoFilter,
     {}, false},
    {{"20", " ", "dBm"}, {"-10", " ", "dBm"}, "dB",
     {}, false},
};

const CircuitCase kTransientCases[] = {
    {{"1", "k", "Ω"}, {"1", "μ", "F"}, kNoFilter,
     {"● 抵抗値 1kΩの抵抗と容量 1μFのコンデンサによるRC直列回路の時定数τは 1.0000msec",
      "● 抵抗値 1kΩの抵抗と容量 1μFのコンデンサによるRC直列回路の遮断周波数は 159.15Hz"},
     false},
    {{"1", "k", "Ω"}, {"1", "μ", "F"}, "Hz",
     {"● 抵抗値 1kΩの抵抗と容量 1μFのコンデンサによるRC直列回路の遮断周波数は 159.15Hz"},
     false},
    {{"1", "k", "Ω"}, {"1", "m", "sec"}, kNoFilter,
     {"● 時定数τを 1msecとするRC直列回路の構成要素は,抵抗 1kΩとコンデンサ 1.0000μF",
      "● 時定数τを 1msecとするRL直列回路の構成要素は,抵抗 1kΩとコイル 1.0000H"},
     false},
    {{"1", "μ", "F"}, {"1", "m", "sec"}, kNoFilter,
     {"● 時定数τを 1msecとするRC直列回路の構成要素は,コンデンサ 1μFと抵抗 1.0000kΩ"},
     false},
    {{"1", "m", "H"}, {"1", "k", "Ω"}, kNoFilter,
     {"● 抵抗値 1kΩの抵抗とインダクタンス 1mHのコイルによるRL直列回路の時定数τは 1.0000μsec",
      "● 抵抗値 1kΩの抵抗とインダクタンス 1mHのコイルによるRL直列回路の遮断周波数は 159.15kHz"},
     false},
    {{"1", "m", "H"}, {"1", "μ", "sec"}, kNoFilter,
     {"● 時定数τを 1μsecとするRL直列回路の構成要素は,コイル 1mHと抵抗 1.0000kΩ"},
     false},
    {{"1", "m", "sec"}, {"50", " ", "%"}, kNoFilter,
     {"● RC直列回路に定電圧を印加した 1msec後における抵抗の両端の電圧が､\r\n           印加電圧の 50%となるための､RC直列回路の時定数は 1.4427msec",
      "● RC直列回路に定電圧を印加した 1msec後におけるコンデンサの両端の電圧が､\r\n           印加電圧の 50%となるための､RC直列回路の時定数は 1.4427msec",
      "● RL直列回路に定電圧を印加した 1msec後における抵抗の両端の電圧が､\r\n           印加電圧の 50%となるための､RL直列回路の時定数は 1.4427msec",
      "● RL直列回路に定電圧を印加した 1msec後におけるコイルの両端の電圧が､\r\n           印加電圧の 50%となるための､RL直列回路の時定数は 1.4427msec"},
     false},
    {{"1", "m", "sec"}, {"25", " ", "%"}, kNoFilter,
     {"● RC直列回路に定電圧を印加した 1msec後における抵抗の両端の電圧が､\r\n           印加電圧の 25%となるための､RC直列回路の時定数は 721.35μsec",
      "● RC直列回路に定電圧を印加した 1msec後におけるコンデンサの両端の電圧が､\r\n           印加電圧の 25%となるための､RC直列回路の時定数は 3.4761msec",
      "● RL直列回路に定電圧を印加した 1msec後における抵抗の両端の電圧が､\r\n           印加電圧の 25%となるための､RL直列回路の時定数は 3.4761msec",
      "● RL直列回路に定電圧を印加した 1msec後におけるコイルの両端の電圧が､\r\n           印加電圧の 25%となるための､RL直列回路の時定数は 721.35μsec"},
     false},
    // Log(1) = 0 divides, and Log(1 - 1) fails.
    {{"1", "m", "sec"}, {"100", " ", "%"}, kNoFilter,
     {}, true},
    // A share beyond 100 % or below 0 % is never reached: no time constant.
    {{"1", "m", "sec"}, {"150", " ", "%"}, kNoFilter,
     {}, true},
    {{"1", "m", "sec"}, {"-1", " ", "%"}, kNoFilter,
     {}, true},
    {{"1", "m", "sec"}, {"99.9", " ", "%"}, kNoFilter,
     {"● RC直列回路に定電圧を印加した 1msec後における抵抗の両端の電圧が､\r\n           印加電圧の 99.9%となるための､RC直列回路の時定数は 999.50msec",
      "● RC直列回路に定電圧を印加した 1msec後におけるコンデンサの両端の電圧が､\r\n           印加電圧の 99.9%となるための､RC直列回路の時定数は 144.76μsec",
      "● RL直列回路に定電圧を印加した 1msec後における抵抗の両端の電圧が､\r\n           印加電圧の 99.9%となるための､RL直列回路の時定数は 144.76μsec",
      "● RL直列回路に定電圧を印加した 1msec後におけるコイルの両端の電圧が､\r\n           印加電圧の 99.9%となるための､RL直列回路の時定数は 999.50msec"},
     false},
    {{"1", "μ", "F"}, {"1", "m", "H"}, kNoFilter,
     {"● 容量 1μFのコンデンサとインダクタンス 1mHのコイルによるLC回路の共振周波数は 5.0329kHz"},
     false},
    {{"-1", "μ", "F"}, {"1", "m", "H"}, kNoFilter,
     {}, true},
    {{"1", "k", "Hz"}, {"1", "m", "H"}, kNoFilter,
     {"● 共振周波数を 1kHzとするLC回路の構成要素は,コイル 1mHとコンデンサ25.330μF",
      "● 遮断周波数を 1kHzとするRL直列回路の構成要素は,コイル 1mHと抵抗6.2832Ω"},
     false},
    {{"1", "k", "Hz"}, {"1", "μ", "F"}, kNoFilter,
     {"● 共振周波数を 1kHzとするLC回路の構成要素は,コンデンサ 1μFとコイル25.330mH",
      "● 遮断周波数を 1kHzとするRC直列回路の構成要素は,コンデンサ 1μFと抵抗159.15Ω"},
     false},
    {{"1", "k", "Hz"}, {"1", "k", "Ω"}, kNoFilter,
     {"● 遮断周波数を 1kHzとするRC直列回路の構成要素は,抵抗 1kΩとコンデンサ159.15nF",
      "● 遮断周波数を 1kHzとするRL直列回路の構成要素は,抵抗 1kΩとコイル159.15mH"},
     false},
    {{"0", " ", "Hz"}, {"1", "k", "Ω"}, kNoFilter,
     {}, true},
    {{"1", " ", "㎡"}, {"1", "m", "m"}, kNoFilter,
     {"● 導体面積を 1㎡､導体間距離を 1mmとするコンデンサの､真空中における静電容量は 8.8540nF",
      "● 断面積 1㎡､長さ 1mmの電線の抵抗は,\r\n　 アルミ:25.000pΩ,金:20.500pΩ,銀:14.700pΩ,黄銅:63.000pΩ,純鉄:89.000pΩ,銅:15.500pΩ"},
     false},
    // 2 mm² is 2 with the prefix m on ㎡; aluminium at 2.5 × 10^-8 Ω·m.
    {{"2", "m", "㎡"}, {"100", " ", "m"}, kNoFilter,
     {"● 導体面積を 2m㎡､導体間距離を 100mとするコンデンサの､真空中における静電容量は 177.08zF",
      "● 断面積 2m㎡､長さ 100mの電線の抵抗は,\r\n　 アルミ:1.2500Ω,金:1.0250Ω,銀:735.00mΩ,黄銅:3.1500Ω,純鉄:4.4500Ω,銅:775.00mΩ"},
     false},
    {{"2", "m", "㎡"}, {"100", " ", "m"}, "Ω",
     {"● 断面積 2m㎡､長さ 100mの電線の抵抗は,\r\n　 アルミ:1.2500Ω,金:1.0250Ω,銀:735.00mΩ,黄銅:3.1500Ω,純鉄:4.4500Ω,銅:775.00mΩ"},
     false},
    // The six wire figures go together; the plate capacitor stays.
    {{"0", " ", "㎡"}, {"100", " ", "m"}, kNoFilter,
     {"● 導体面積を 0㎡､導体間距離を 100mとするコンデンサの､真空中における静電容量は 0F"},
     true},
};

const CircuitCase kTimeCases[] = {
    {{"1", "m", "sec"}, {"1", "m", "sec"}, kNoFilter,
     {"● 時定数τ= 1msecの RC直列回路に定電圧を印加した 1msec後における､\r\n　　　　　　抵抗およびコンデンサの両端の電圧は､印加電圧のそれぞれ 36.788%､ 63.212%",
      "● 時定数τ= 1msecの RL直列回路に定電圧を印加した 1msec後における､\r\n　　　　　　抵抗およびコイルの両端の電圧は､印加電圧のそれぞれ 63.212%､ 36.788%"},
     false},
    {{"1", "m", "sec"}, {"2", "m", "sec"}, kNoFilter,
     {"● 時定数τ= 1msecの RC直列回路に定電圧を印加した 2msec後における､\r\n　　　　　　抵抗およびコンデンサの両端の電圧は､印加電圧のそれぞれ 13.534%､ 86.466%",
      "● 時定数τ= 2msecの RC直列回路に定電圧を印加した 1msec後における､\r\n　　　　　　抵抗およびコンデンサの両端の電圧は､印加電圧のそれぞれ 60.653%､ 39.347%",
      "● 時定数τ= 1msecの RL直列回路に定電圧を印加した 2msec後における､\r\n　　　　　　抵抗およびコイルの両端の電圧は､印加電圧のそれぞれ 86.466%､ 13.534%",
      "● 時定数τ= 2msecの RL直列回路に定電圧を印加した 1msec後における､\r\n　　　　　　抵抗およびコイルの両端の電圧は､印加電圧のそれぞれ 39.347%､ 60.653%"},
     false},
    {{"2", "m", "sec"}, {"1", "m", "sec"}, "%",
     {"● 時定数τ= 2msecの RC直列回路に定電圧を印加した 1msec後における､\r\n　　　　　　抵抗およびコンデンサの両端の電圧は､印加電圧のそれぞれ 60.653%､ 39.347%",
      "● 時定数τ= 1msecの RC直列回路に定電圧を印加した 2msec後における､\r\n　　　　　　抵抗およびコンデンサの両端の電圧は､印加電圧のそれぞれ 13.534%､ 86.466%",
      "● 時定数τ= 2msecの RL直列回路に定電圧を印加した 1msec後における､\r\n　　　　　　抵抗およびコイルの両端の電圧は､印加電圧のそれぞれ 39.347%､ 60.653%",
      "● 時定数τ= 1msecの RL直列回路に定電圧を印加した 2msec後における､\r\n　　　　　　抵抗およびコイルの両端の電圧は､印加電圧のそれぞれ 86.466%､ 13.534%"},
     false},
    // A time constant of 0 divides by zero; the swapped reading still answers.
    {{"0", " ", "sec"}, {"1", "m", "sec"}, kNoFilter,
     {"● 時定数τ= 1msecの RC直列回路に定電圧を印加した 0sec後における､\r\n　　　　　　抵抗およびコンデンサの両端の電圧は､印加電圧のそれぞれ 100.000%､ 0.000%",
      "● 時定数τ= 1msecの RL直列回路に定電圧を印加した 0sec後における､\r\n　　　　　　抵抗およびコイルの両端の電圧は､印加電圧のそれぞれ 0.000%､ 100.000%"},
     true},
};

TEST(CircuitChargeToWires, ChargePotentialAndFieldEnergy) { ExpectBothOrders(kChargeCases); }
TEST(CircuitChargeToWires, PowerAndVoltageLevelsDecibelsAndPercentages) {
  ExpectBothOrders(kLevelCases);
}
TEST(CircuitChargeToWires, AttenuatorsSplittersDividersAndAmplifierResistors) {
  ExpectBothOrders(kAttenuatorCases);
}
TEST(CircuitChargeToWires, AmplifierGainsAndIntermodulation) { ExpectAsGiven(kGainCases); }
TEST(CircuitChargeToWires, TimeConstantsResonanceCutOffPlateAndWire) {
  ExpectBothOrders(kTransientCases);
}
TEST(CircuitChargeToWires, TransientVoltagesFromTwoTimes) { ExpectAsGiven(kTimeCases); }

// The tables are part of the circuit domain of the whole catalogue.
TEST(CircuitChargeToWires, AnswerInTheCatalogueRun) {
  const RunOutput out = Calculate({"1", "μ", "C", "10", " ", "V", kNoFilter, kThisYear});
  EXPECT_NE(out.output.find(Lines(kChargeCases[0].lines)), std::string::npos) << out.output;
}

}  // namespace
}  // namespace tamrisk::testing
