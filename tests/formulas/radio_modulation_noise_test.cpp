// Modulation, receivers, noise and television ghosts: whole lines of the
// radio block for both input orders, value conditions on both sides of each
// bound, filters, lines with an inner line break, and failing lines.
#include <string>
#include <vector>

#include "tests/formulas/radio_support.h"

namespace tamrisk::testing {
namespace {

// Sideband level, modulation depth and AM power. A 100 % dip in dBm is the
// logarithm of 0: the peak-and-dip line goes whole, the modulated power stays.
const RadioCase kAmplitudeModulationCases[] = {
    {{"100", " ", "%", "0", " ", " "}, " 指定なし", false,
     {"● AM変調度 100%時の,搬送波に対する側帯波レベルは -6.021dBc"}},
    {{"0", " ", " ", "50", " ", "%"}, " 指定なし", false,
     {"● AM変調度 50%時の,搬送波に対する側帯波レベルは -12.041dBc"}},
    {{"0", " ", "%", "0", " ", " "}, " 指定なし", true,
     {}},
    {{"-6.0206", " ", "dBc", "0", " ", " "}, " 指定なし", false,
     {"● 搬送波に対する側帯波レベルが-6.0206dBcとすると､AM変調度は 100.000%"}},
    {{"0", " ", " ", "-6.0206", " ", "dBc"}, " 指定なし", false,
     {"● 搬送波に対する側帯波レベルが-6.0206dBcとすると､AM変調度は 100.000%"}},
    {{"-6.0206", " ", "dBc", "0", " ", " "}, "dB", false,
     {}},
    {{"1", " ", "W", "100", " ", "%"}, " 指定なし", false,
     {"● 搬送波電力 1W､AM変調度 100%のときの被変調波電力は 1.5000W",
      "● 搬送波電力 1W､AM変調度 100%のときのピーク電力は 4.0000W､ディップ電力は 0W"}},
    {{"100", " ", "%", "1", " ", "W"}, " 指定なし", false,
     {"● 搬送波電力 1W､AM変調度 100%のときの被変調波電力は 1.5000W",
      "● 搬送波電力 1W､AM変調度 100%のときのピーク電力は 4.0000W､ディップ電力は 0W"}},
    {{"2", " ", "W", "50", " ", "%"}, "W", false,
     {"● 搬送波電力 2W､AM変調度 50%のときの被変調波電力は 2.2500W",
      "● 搬送波電力 2W､AM変調度 50%のときのピーク電力は 4.5000W､ディップ電力は 500.00mW"}},
    {{"30", " ", "dBm", "100", " ", "%"}, " 指定なし", true,
     {"● 搬送波電力 30dBm､AM変調度 100%のときの被変調波電力は 31.761dBm"}},
    {{"30", " ", "dBm", "50", " ", "%"}, " 指定なし", false,
     {"● 搬送波電力 30dBm､AM変調度 50%のときの被変調波電力は 30.512dBm",
      "● 搬送波電力 30dBm､AM変調度 50%のときのピーク電力は 33.5218dBm､ディップ電力は 23.9794dBm"}},
    {{"50", " ", "%", "30", " ", "dBm"}, " 指定なし", false,
     {"● 搬送波電力 30dBm､AM変調度 50%のときの被変調波電力は 30.512dBm",
      "● 搬送波電力 30dBm､AM変調度 50%のときのピーク電力は 33.5218dBm､ディップ電力は 23.9794dBm"}},
    {{"30", " ", "dBm", "50", " ", "%"}, "W", false,
     {}},
    // Beyond 100 % (or below 0 %) the envelope's peak and dip have no such
    // form: that line goes, the modulated power stays.
    {{"1", " ", "W", "101", " ", "%"}, " 指定なし", true,
     {"● 搬送波電力 1W､AM変調度 101%のときの被変調波電力は 1.5101W"}},
    {{"-1", " ", "%", "1", " ", "W"}, " 指定なし", true,
     {"● 搬送波電力 1W､AM変調度-1%のときの被変調波電力は 1.0001W"}},
    {{"0", " ", "dBm", "101", " ", "%"}, " 指定なし", true,
     {"● 搬送波電力 0dBm､AM変調度 101%のときの被変調波電力は 1.790dBm"}},
    {{"0", " ", "dBm", "99", " ", "%"}, " 指定なし", false,
     {"● 搬送波電力 0dBm､AM変調度 99%のときの被変調波電力は 1.732dBm",
      "● 搬送波電力 0dBm､AM変調度 99%のときのピーク電力は 5.9771dBm､ディップ電力は -40.0000dBm"}},
};

// Two frequencies fire every reading, each frequency in each role; the
// modulation index comes only without a filter.
const RadioCase kFrequencyPairCases[] = {
    {{"1", "k", "Hz", "5", "k", "Hz"}, " 指定なし", false,
     {"● FM周波数偏移 1kHz,変調波の周波数 5kHzのときの変調指数は 0.20000",
      "● FM周波数偏移 5kHz,変調波の周波数 1kHzのときの変調指数は 5.00000",
      "● FM周波数偏移 1kHz,変調波が 5kHzの正弦波のときの位相偏移量は 0.20000rad",
      "● FM周波数偏移 5kHz,変調波が 1kHzの正弦波のときの位相偏移量は 5.00000rad",
      "● 受信周波数 1kHz,中間周波数 5kHzのスーパーへテロダイン受信機の\r\n"
       "　　局発周波数は -4.0000kHzまたは 6.0000kHz､イメージ周波数はそれぞれ -9.0000kHz または 11.000kHz",
      "● 受信周波数 5kHz,中間周波数 1kHzのスーパーへテロダイン受信機の\r\n"
       "　　局発周波数は 4.0000kHzまたは 6.0000kHz､イメージ周波数はそれぞれ 3.0000kHz または 7.0000kHz",
      "● ランダム雑音の帯域幅 1kHzと 5kHzあたりのトータル電力の比は 6.990dB"}},
    {{"1", "k", "Hz", "5", "k", "Hz"}, "rad", false,
     {"● FM周波数偏移 1kHz,変調波が 5kHzの正弦波のときの位相偏移量は 0.20000rad",
      "● FM周波数偏移 5kHz,変調波が 1kHzの正弦波のときの位相偏移量は 5.00000rad"}},
    {{"1", "k", "Hz", "5", "k", "Hz"}, "Hz", false,
     {"● 受信周波数 1kHz,中間周波数 5kHzのスーパーへテロダイン受信機の\r\n"
       "　　局発周波数は -4.0000kHzまたは 6.0000kHz､イメージ周波数はそれぞれ -9.0000kHz または 11.000kHz",
      "● 受信周波数 5kHz,中間周波数 1kHzのスーパーへテロダイン受信機の\r\n"
       "　　局発周波数は 4.0000kHzまたは 6.0000kHz､イメージ周波数はそれぞれ 3.0000kHz または 7.0000kHz"}},
    {{"1", "k", "Hz", "5", "k", "Hz"}, "dB", false,
     {"● ランダム雑音の帯域幅 1kHzと 5kHzあたりのトータル電力の比は 6.990dB"}},
    {{"0", " ", "Hz", "5", "k", "Hz"}, " 指定なし", true,
     {"● FM周波数偏移 0Hz,変調波の周波数 5kHzのときの変調指数は 0.00000",
      "● FM周波数偏移 0Hz,変調波が 5kHzの正弦波のときの位相偏移量は 0.00000rad",
      "● 受信周波数 0Hz,中間周波数 5kHzのスーパーへテロダイン受信機の\r\n"
       "　　局発周波数は -5.0000kHzまたは 5.0000kHz､イメージ周波数はそれぞれ -10.000kHz または 10.000kHz",
      "● 受信周波数 5kHz,中間周波数 0Hzのスーパーへテロダイン受信機の\r\n"
       "　　局発周波数は 5.0000kHzまたは 5.0000kHz､イメージ周波数はそれぞれ 5.0000kHz または 5.0000kHz"}},
    {{"0.5", " ", "rad", "1", "k", "Hz"}, " 指定なし", false,
     {"● 位相偏移 0.5rad,変調波が 1kHzの正弦波のときのFM周波数偏移量は 500.00Hz"}},
    {{"1", "k", "Hz", "0.5", " ", "rad"}, " 指定なし", false,
     {"● 位相偏移 0.5rad,変調波が 1kHzの正弦波のときのFM周波数偏移量は 500.00Hz"}},
};

// Thermal and receiver noise. 0 ℃ is 273.15 K: both give the same figures.
const RadioCase kNoiseCases[] = {
    {{"25", " ", "℃", "0", " ", " "}, " 指定なし", false,
     {"● 温度 25℃時の有能雑音電力は 4.1145zW/Hz または -173.857dBm/Hz"}},
    {{"0", " ", " ", "0", " ", "℃"}, " 指定なし", false,
     {"● 温度 0℃時の有能雑音電力は 3.7695zW/Hz または -174.237dBm/Hz"}},
    {{"273.15", " ", "K", "0", " ", " "}, " 指定なし", false,
     {"● 温度 273.15K時の有能雑音電力は 3.7695zW/Hz または -174.237dBm/Hz"}},
    {{"-273.15", " ", "℃", "0", " ", " "}, " 指定なし", true,
     {}},
    {{"-1", " ", "K", "0", " ", " "}, "W", true,
     {}},
    {{"25", " ", "℃", "1", "M", "Hz"}, " 指定なし", false,
     {"● 温度 25℃時の 1MHz帯域の雑音電力は 4.1145fW または -113.857dBm"}},
    {{"1", "M", "Hz", "25", " ", "℃"}, "dBm", false,
     {"● 温度 25℃時の 1MHz帯域の雑音電力は 4.1145fW または -113.857dBm"}},
    {{"290", " ", "K", "1", "M", "Hz"}, " 指定なし", false,
     {"● 温度 290K時の 1MHz帯域の雑音電力は 4.0020fW または -113.977dBm"}},
    {{"290", " ", "K", "0", " ", "Hz"}, " 指定なし", true,
     {}},
    {{"1", " ", "Hz", "0", " ", " "}, " 指定なし", false,
     {"● 帯域 1Hzの有能雑音電力は 3.9811zW または -174.000dBm"}},
    {{"0", " ", " ", "1", "M", "Hz"}, " 指定なし", false,
     {"● 帯域 1MHzの有能雑音電力は 3.9811fW または -114.000dBm"}},
    {{"0", " ", "Hz", "0", " ", " "}, " 指定なし", true,
     {}},
    {{"1", "M", "Hz", "10", " ", "dB"}, " 指定なし", false,
     {"● 帯域幅 1MHz､NF 10dBの受信機の入力換算雑音電力は 39.811fW または -104.000dBm"}},
    {{"10", " ", "dB", "1", "M", "Hz"}, "W", false,
     {"● 帯域幅 1MHz､NF 10dBの受信機の入力換算雑音電力は 39.811fW または -104.000dBm"}},
    {{"1", "M", "Hz", "-100", " ", "dBm"}, " 指定なし", false,
     {"● 帯域幅 1MHzにおける雑音電力が -100dBmとすると,帯域 1Hz あたりの雑音電力は -160.000dBm/Hz"}},
    {{"-100", " ", "dBm", "1", "M", "Hz"}, " 指定なし", false,
     {"● 帯域幅 1MHzにおける雑音電力が -100dBmとすると,帯域 1Hz あたりの雑音電力は -160.000dBm/Hz"}},
    {{"-100", " ", "dBm", "-100", " ", "dBm"}, " 指定なし", false,
     {"● 無相関の２つのランダム雑音電力が-100dBmと-100dBmとすると､雑音の合成電力は -96.990dBm"}},
    {{"-90", " ", "dBm", "-100", " ", "dBm"}, " 指定なし", false,
     {"● 無相関の２つのランダム雑音電力が-90dBmと-100dBmとすると､雑音の合成電力は -89.586dBm"}},
    {{"-170", " ", "dBm", "3", " ", "dB"}, " 指定なし", false,
     {"● NF 3dBの受信機に､雑音電力-170dBm/Hzをもつ信号を入力時の入力換算雑音電力は -167.461dBm/Hz"}},
    {{"3", " ", "dB", "-170", " ", "dBm"}, " 指定なし", false,
     {"● NF 3dBの受信機に､雑音電力-170dBm/Hzをもつ信号を入力時の入力換算雑音電力は -167.461dBm/Hz"}},
};

// Noise levels combined in a mixer: the larger level is the known output;
// equal levels leave nothing for the unknown one.
const RadioCase kMixerNoiseCases[] = {
    {{"-50", " ", "dBc", "-60", " ", "dBc"}, " 指定なし", false,
     {"● キャリアに対する雑音レベルが-50dBcと-60dBcの2信号を､\r\n"
       "　　ミキサで合成して得られる信号のキャリアに対する雑音レベルは -49.586dBc",
      "● キャリアに対する雑音レベルが-60dBcと未知の2信号を､ミキサで合成して得られた信号の雑音レベルが\r\n"
       "　　 -50dBcとすると､未知の信号のキャリアに対する雑音レベルは -50.458dBc"}},
    {{"-60", " ", "dBc", "-50", " ", "dBc"}, " 指定なし", false,
     {"● キャリアに対する雑音レベルが-60dBcと-50dBcの2信号を､\r\n"
       "　　ミキサで合成して得られる信号のキャリアに対する雑音レベルは -49.586dBc",
      "● キャリアに対する雑音レベルが-60dBcと未知の2信号を､ミキサで合成して得られた信号の雑音レベルが\r\n"
       "　　 -50dBcとすると､未知の信号のキャリアに対する雑音レベルは -50.458dBc"}},
    {{"-60", " ", "dBc", "-60", " ", "dBc"}, " 指定なし", true,
     {"● キャリアに対する雑音レベルが-60dBcと-60dBcの2信号を､\r\n"
       "　　ミキサで合成して得られる信号のキャリアに対する雑音レベルは -56.990dBc"}},
};

// Ghost width needs a screen below 100 in and a path difference strictly
// between 10 m and 15800 m; the path difference needs a ghost narrower than
// the screen.
const RadioCase kGhostCases[] = {
    {{"21", " ", "in", "100", " ", "m"}, " 指定なし", false,
     {"● 画面サイズ 21inの標準テレビにおいて､伝搬経路差 100mの反射電波により発生するゴースト幅は 2.7010mm"}},
    {{"100", " ", "m", "21", " ", "in"}, " 指定なし", false,
     {"● 画面サイズ 21inの標準テレビにおいて､伝搬経路差 100mの反射電波により発生するゴースト幅は 2.7010mm"}},
    {{"21", " ", "in", "10", " ", "m"}, " 指定なし", false,
     {}},
    {{"21", " ", "in", "10.001", " ", "m"}, " 指定なし", false,
     {"● 画面サイズ 21inの標準テレビにおいて､伝搬経路差 10.001mの反射電波により発生するゴースト幅は 270.13μm"}},
    {{"21", " ", "in", "15799.99", " ", "m"}, " 指定なし", false,
     {"● 画面サイズ 21inの標準テレビにおいて､伝搬経路差 15799.99mの反射電波により発生するゴースト幅は 426.76mm"}},
    {{"21", " ", "in", "15800", " ", "m"}, " 指定なし", false,
     {}},
    {{"100", " ", "in", "100", " ", "m"}, " 指定なし", false,
     {}},
    {{"99.99", " ", "in", "100", " ", "m"}, " 指定なし", false,
     {"● 画面サイズ 99.99inの標準テレビにおいて､伝搬経路差 100mの反射電波により発生するゴースト幅は 12.861mm"}},
    {{"21", " ", "in", "0.42", " ", "m"}, " 指定なし", false,
     {"● 画面サイズ 21inの標準テレビにおいて､幅 0.42mのゴースト発生時の反射電波の伝搬経路差は 15.550km"}},
    {{"0.43", " ", "m", "21", " ", "in"}, " 指定なし", false,
     {}},
    {{"21", " ", "in", "1", "c", "m"}, " 指定なし", false,
     {"● 画面サイズ 21inの標準テレビにおいて､幅 1cmのゴースト発生時の反射電波の伝搬経路差は 370.23m"}},
    {{"100", " ", "in", "1", "c", "m"}, " 指定なし", false,
     {}},
};

TEST(RadioModulationNoise, AmplitudeModulation) { ExpectCases(kAmplitudeModulationCases); }
TEST(RadioModulationNoise, FrequencyPairs) { ExpectCases(kFrequencyPairCases); }
TEST(RadioModulationNoise, Noise) { ExpectCases(kNoiseCases); }
TEST(RadioModulationNoise, MixerNoise) { ExpectCases(kMixerNoiseCases); }
TEST(RadioModulationNoise, TelevisionGhosts) { ExpectCases(kGhostCases); }

}  // namespace
}  // namespace tamrisk::testing
