// RF levels, standing waves and feed lines: whole lines of the radio block
// for both input orders, the value conditions on both sides, filters, and
// failing lines that leave the others in place and mark the input invalid.
#include <string>
#include <vector>

#include "tests/formulas/radio_support.h"

namespace tamrisk::testing {
namespace {

// Terminated and open-circuit voltage of a source given in dBm or dBf.
const RadioCase kSourceLevelCases[] = {
    {{"0", " ", "dBm", "50", " ", "Ω"}, " 指定なし", false,
     {"● 出力インピーダンス 50Ωの信号源のレベル 0dBm時の終端電圧は 223.61mV, 106.990dBμV",
      "● 出力インピーダンス 50Ωの信号源のレベル 0dBm時の開放電圧は 447.21mV, 113.010dBμV"}},
    {{"50", " ", "Ω", "0", " ", "dBm"}, " 指定なし", false,
     {"● 出力インピーダンス 50Ωの信号源のレベル 0dBm時の終端電圧は 223.61mV, 106.990dBμV",
      "● 出力インピーダンス 50Ωの信号源のレベル 0dBm時の開放電圧は 447.21mV, 113.010dBμV"}},
    {{"0", " ", "dBf", "50", " ", "Ω"}, " 指定なし", false,
     {"● 出力インピーダンス 50Ωの信号源のレベル 0dBf時の終端電圧は 223.61nV, -13.010dBμV",
      "● 出力インピーダンス 50Ωの信号源のレベル 0dBf時の開放電圧は 447.21nV, -6.990dBμV"}},
    {{"-30", " ", "dBm", "75", " ", "Ω"}, "dBμV", false,
     {"● 出力インピーダンス 75Ωの信号源のレベル-30dBm時の終端電圧は 8.6603mV, 78.751dBμV",
      "● 出力インピーダンス 75Ωの信号源のレベル-30dBm時の開放電圧は 17.321mV, 84.771dBμV"}},
    {{"-30", " ", "dBm", "75", " ", "Ω"}, "W", false,
     {}},
    {{"0", " ", "dBm", "-50", " ", "Ω"}, " 指定なし", true,
     {}},
};

// Source level of a terminated or open-circuit voltage; the square takes the
// sign off a negative voltage, and 0 V has no level.
const RadioCase kVoltageLevelCases[] = {
    {{"1", " ", "V", "50", " ", "Ω"}, " 指定なし", false,
     {"● 伝送インピーダンス 50Ωにおいて,終端電圧が 1Vとなる信号源レベルは 13.010dBm,133.010dBf",
      "● 伝送インピーダンス 50Ωにおいて,開放電圧が 1Vとなる信号源レベルは 6.990dBm,126.990dBf"}},
    {{"50", " ", "Ω", "-1", " ", "V"}, "dBf", false,
     {"● 伝送インピーダンス 50Ωにおいて,終端電圧が-1Vとなる信号源レベルは 13.010dBm,133.010dBf",
      "● 伝送インピーダンス 50Ωにおいて,開放電圧が-1Vとなる信号源レベルは 6.990dBm,126.990dBf"}},
    {{"100", " ", "dBμV", "75", " ", "Ω"}, " 指定なし", false,
     {"● 伝送インピーダンス 75Ωにおいて,終端電圧が 100dBμVとなる信号源レベルは -8.751dBm,111.249dBf",
      "● 伝送インピーダンス 75Ωにおいて,開放電圧が 100dBμVとなる信号源レベルは -14.771dBm,105.229dBf"}},
    {{"75", " ", "Ω", "100", " ", "dBμV"}, " 指定なし", false,
     {"● 伝送インピーダンス 75Ωにおいて,終端電圧が 100dBμVとなる信号源レベルは -8.751dBm,111.249dBf",
      "● 伝送インピーダンス 75Ωにおいて,開放電圧が 100dBμVとなる信号源レベルは -14.771dBm,105.229dBf"}},
    {{"0", " ", "V", "50", " ", "Ω"}, " 指定なし", true,
     {}},
    {{"1", " ", "V", "50", " ", "Ω"}, "V", false,
     {}},
};

// Mismatch loss and VSWR: a negative loss counts by its size, VSWR 1 is an
// infinite loss, and a VSWR below 1 is no standing wave at all.
const RadioCase kStandingWaveRatioCases[] = {
    {{"20", " ", "dB", "0", " ", " "}, " 指定なし", false,
     {"● 不整合減衰量 20dBをVSWRで表すと 1.222"}},
    {{"0", " ", " ", "-20", " ", "dB"}, " 指定なし", false,
     {"● 不整合減衰量-20dBをVSWRで表すと 1.222"}},
    {{"0", " ", "dB", "0", " ", " "}, " 指定なし", true,
     {}},
    {{"2", " ", "VSWR", "0", " ", " "}, " 指定なし", false,
     {"● VSWR  2を不整合減衰量で表すと 9.542dB"}},
    {{"0", " ", " ", "1", " ", "VSWR"}, " 指定なし", false,
     {"● VSWR  1を不整合減衰量で表すと 無限大 dB"}},
    {{"0.5", " ", "VSWR", "0", " ", " "}, " 指定なし", false,
     {}},
    {{"2", " ", "VSWR", "0", " ", " "}, "VSWR", false,
     {}},
    {{"1.5", " ", "VSWR", "0", " ", " "}, "dB", false,
     {"● VSWR  1.5を不整合減衰量で表すと 13.979dB"}},
};

// Two impedances: each input order keeps its own roles, so the two
// quarter-wave input impedances swap places; equal impedances have no
// mismatch loss.
const RadioCase kImpedancePairCases[] = {
    {{"50", " ", "Ω", "75", " ", "Ω"}, " 指定なし", false,
     {"●  50Ωおよび 75Ωを信号源および負荷のインピーダンスとすると､VSWRは 1.500",
      "●  50Ωおよび 75Ωを信号源および負荷のインピーダンスとすると､不整合減衰量は 13.979dB",
      "● インピーダンス 50Ωと 75Ωを 1/4波長線路で整合させるためのインピーダンスは 61.237Ω",
      "● インピーダンス 50Ωの1/4波長線路を 75Ωで終端した場合の入力から見たインピーダンスは 33.333Ω",
      "● インピーダンス 75Ωの1/4波長線路を 50Ωで終端した場合の入力から見たインピーダンスは 112.50Ω"}},
    {{"75", " ", "Ω", "50", " ", "Ω"}, " 指定なし", false,
     {"●  75Ωおよび 50Ωを信号源および負荷のインピーダンスとすると､VSWRは 1.500",
      "●  75Ωおよび 50Ωを信号源および負荷のインピーダンスとすると､不整合減衰量は 13.979dB",
      "● インピーダンス 75Ωと 50Ωを 1/4波長線路で整合させるためのインピーダンスは 61.237Ω",
      "● インピーダンス 75Ωの1/4波長線路を 50Ωで終端した場合の入力から見たインピーダンスは 112.50Ω",
      "● インピーダンス 50Ωの1/4波長線路を 75Ωで終端した場合の入力から見たインピーダンスは 33.333Ω"}},
    {{"50", " ", "Ω", "50", " ", "Ω"}, " 指定なし", true,
     {"●  50Ωおよび 50Ωを信号源および負荷のインピーダンスとすると､VSWRは 1.000",
      "● インピーダンス 50Ωと 50Ωを 1/4波長線路で整合させるためのインピーダンスは 50.000Ω",
      "● インピーダンス 50Ωの1/4波長線路を 50Ωで終端した場合の入力から見たインピーダンスは 50.000Ω",
      "● インピーダンス 50Ωの1/4波長線路を 50Ωで終端した場合の入力から見たインピーダンスは 50.000Ω"}},
    {{"50", " ", "Ω", "75", " ", "Ω"}, "dB", false,
     {"●  50Ωおよび 75Ωを信号源および負荷のインピーダンスとすると､不整合減衰量は 13.979dB"}},
    {{"50", " ", "Ω", "75", " ", "Ω"}, "Ω", false,
     {"● インピーダンス 50Ωと 75Ωを 1/4波長線路で整合させるためのインピーダンスは 61.237Ω",
      "● インピーダンス 50Ωの1/4波長線路を 75Ωで終端した場合の入力から見たインピーダンスは 33.333Ω",
      "● インピーダンス 75Ωの1/4波長線路を 50Ωで終端した場合の入力から見たインピーダンスは 112.50Ω"}},
};

// Two voltages, currents or powers: the larger is the maximum or the forward
// power whichever parameter holds it; equal values fire nothing. Two voltages
// also give the AM modulation depth of an envelope.
const RadioCase kMinimumMaximumCases[] = {
    {{"1", " ", "V", "3", " ", "V"}, " 指定なし", false,
     {"● 非同調給電線における電圧の最小値が 1V､最大値が 3VであるときのVSWRは 3.000",
      "● 包絡線電圧の最大値を 3V､最小値を 1VとするAM波の変調度は 50.000%"}},
    {{"3", " ", "V", "1", " ", "V"}, " 指定なし", false,
     {"● 非同調給電線における電圧の最小値が 1V､最大値が 3VであるときのVSWRは 3.000",
      "● 包絡線電圧の最大値を 3V､最小値を 1VとするAM波の変調度は 50.000%"}},
    {{"2", " ", "V", "2", " ", "V"}, " 指定なし", false,
     {}},
    {{"0", " ", "V", "3", " ", "V"}, " 指定なし", true,
     {"● 包絡線電圧の最大値を 3V､最小値を 0VとするAM波の変調度は 100.000%"}},
    {{"3", " ", "V", "1", " ", "V"}, "VSWR", false,
     {"● 非同調給電線における電圧の最小値が 1V､最大値が 3VであるときのVSWRは 3.000"}},
    {{"500", "m", "A", "2", " ", "A"}, " 指定なし", false,
     {"● 非同調給電線における電流の最小値が 500mA､最大値が 2AであるときのVSWRは 4.000"}},
    {{"2", " ", "A", "500", "m", "A"}, " 指定なし", false,
     {"● 非同調給電線における電流の最小値が 500mA､最大値が 2AであるときのVSWRは 4.000"}},
    {{"1", " ", "A", "1", " ", "A"}, " 指定なし", false,
     {}},
    {{"100", " ", "W", "4", " ", "W"}, " 指定なし", false,
     {"● 高周波信号の進行波電力が 100W､反射波電力が 4WであるときのVSWRは 1.500"}},
    {{"4", " ", "W", "100", " ", "W"}, " 指定なし", false,
     {"● 高周波信号の進行波電力が 100W､反射波電力が 4WであるときのVSWRは 1.500"}},
    {{"5", " ", "W", "5", " ", "W"}, " 指定なし", false,
     {}},
    {{"100", " ", "W", "0", " ", "W"}, " 指定なし", false,
     {"● 高周波信号の進行波電力が 100W､反射波電力が 0WであるときのVSWRは 1.000"}},
};

// Two-wire and coaxial lines: the smaller length is the conductor; the
// sizing rules need an impedance value larger than the length value.
const RadioCase kFeedLineCases[] = {
    {{"2", "m", "m", "10", "c", "m"}, " 指定なし", false,
     {"● 平行２線式給電線で､線の直径 2mm,２線の間隔 10cmとすれば､インピーダンスは 554.00Ω",
      "● 同軸給電線の外部導体の内径 10cm,内部導体の外径 2mmとすれば､インピーダンスは 234.46Ω"}},
    {{"10", "c", "m", "2", "m", "m"}, " 指定なし", false,
     {"● 平行２線式給電線で､線の直径 2mm,２線の間隔 10cmとすれば､インピーダンスは 554.00Ω",
      "● 同軸給電線の外部導体の内径 10cm,内部導体の外径 2mmとすれば､インピーダンスは 234.46Ω"}},
    {{"5", " ", "m", "5", " ", "m"}, " 指定なし", false,
     {}},
    {{"-0.002", " ", "m", "0.1", " ", "m"}, " 指定なし", true,
     {}},
    {{"0.1", " ", "m", "50", " ", "Ω"}, " 指定なし", false,
     {"● 平行２線式給電線で､インピーダンス 50Ω,線の直径 0.1mとすれば､２線の間隔は 75.766mm",
      "● 平行２線式給電線で､インピーダンス 50Ω,２線の間隔 0.1mとすれば､線の直径は 131.99mm",
      "● 同軸給電線で､インピーダンス 50Ω,内部導体の外径 0.1mとすれば､外部導体の内径は 230.31mm",
      "● 同軸給電線で､インピーダンス 50Ω,外部導体の内径 0.1mとすれば､内部導体の外径は 43.419mm"}},
    {{"50", " ", "Ω", "0.1", " ", "m"}, " 指定なし", false,
     {"● 平行２線式給電線で､インピーダンス 50Ω,線の直径 0.1mとすれば､２線の間隔は 75.766mm",
      "● 平行２線式給電線で､インピーダンス 50Ω,２線の間隔 0.1mとすれば､線の直径は 131.99mm",
      "● 同軸給電線で､インピーダンス 50Ω,内部導体の外径 0.1mとすれば､外部導体の内径は 230.31mm",
      "● 同軸給電線で､インピーダンス 50Ω,外部導体の内径 0.1mとすれば､内部導体の外径は 43.419mm"}},
    {{"100", " ", "m", "50", " ", "Ω"}, " 指定なし", false,
     {}},
    {{"50", " ", "m", "50", " ", "Ω"}, " 指定なし", false,
     {}},
    {{"0", " ", "m", "50", " ", "Ω"}, " 指定なし", true,
     {}},
    {{"0.1", " ", "m", "50", " ", "Ω"}, "Ω", false,
     {}},
};

TEST(RadioLevelsLines, SourceLevels) { ExpectCases(kSourceLevelCases); }
TEST(RadioLevelsLines, VoltageLevels) { ExpectCases(kVoltageLevelCases); }
TEST(RadioLevelsLines, StandingWaveRatio) { ExpectCases(kStandingWaveRatioCases); }
TEST(RadioLevelsLines, ImpedancePairs) { ExpectCases(kImpedancePairCases); }
TEST(RadioLevelsLines, MinimumAndMaximum) { ExpectCases(kMinimumMaximumCases); }
TEST(RadioLevelsLines, FeedLines) { ExpectCases(kFeedLineCases); }

}  // namespace
}  // namespace tamrisk::testing
