// Information processing and photography: whole lines per section, both
// input orders where the lines differ, value conditions on both sides of
// their bounds, filters that keep and drop lines, and failing lines that
// leave the others in place.
#include <string>
#include <vector>

#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

using Case = TypedCase;

// For rows that read the same in either input order: the case as written
// and with the two parameters swapped.
void ExpectBothOrders(const FormulaDomain& domain, const Case& c) { ExpectTypedCase(domain, c, true); }

// A bit width alone: bytes, decimal range, hexadecimal range, AD converter.
// The blank parameter holds a number of its own that must not enter a figure.
const Case kBitWidthCases[] = {
    {"8", " ", "bit", "5", " ", " ", " 指定なし",
     {"●  8bitを byte単位で表すと 1.0000byte",
      "●  8bitで表せる範囲を10進で表すと 0～ 255または､-128～ 127",
      "●  8bitで表せる範囲を16進で表すと 0H～FFH",
      "●  8bitのADコンバータのダイナミックレンジは 49.92dB"},
     false},
    {"16", " ", "bit", "", " ", " ", " 指定なし",
     {"●  16bitを byte単位で表すと 2.0000byte",
      "●  16bitで表せる範囲を10進で表すと 0～ 65535または､-32768～ 32767",
      "●  16bitで表せる範囲を16進で表すと 0H～FFFFH",
      "●  16bitのADコンバータのダイナミックレンジは 98.08dB"},
     false},
    {"31", " ", "bit", "", " ", " ", " 指定なし",
     {"●  31bitを byte単位で表すと 3.8750byte",
      "●  31bitで表せる範囲を10進で表すと 0～ 2147483647または､-1073741824～ 1073741823",
      "●  31bitで表せる範囲を16進で表すと 0H～7FFFFFFFH",
      "●  31bitのADコンバータのダイナミックレンジは 188.38dB"},
     false},
    // 2^32 - 1 leaves the 32-bit range of the hexadecimal figure only.
    {"32", " ", "bit", "", " ", " ", " 指定なし",
     {"●  32bitを byte単位で表すと 4.0000byte",
      "●  32bitで表せる範囲を10進で表すと 0～ 4294967295または､-2147483648～ 2147483647",
      "●  32bitのADコンバータのダイナミックレンジは 194.40dB"},
     true},
    // Beyond 15 digits the decimal range switches to exponent form.
    {"64", " ", "bit", "", " ", " ", " 指定なし",
     {"●  64bitを byte単位で表すと 8.0000byte",
      "●  64bitで表せる範囲を10進で表すと 0～ 1.84467440737096E+19または､-9.22337203685478E+18～ 9.22337203685478E+18",
      "●  64bitのADコンバータのダイナミックレンジは 387.04dB"},
     true},
    // 2^1024 overflows: both range lines go, the others stay.
    {"1024", " ", "bit", "", " ", " ", " 指定なし",
     {"●  1024bitを byte単位で表すと 128.00byte",
      "●  1024bitのADコンバータのダイナミックレンジは 6166.24dB"},
     true},
    // 2^-1 - 1 = -0.5 rounds to the even 0; 2^-2 - 1 = -0.75 to -1, whose
    // 32-bit digits are all F.
    {"-1", " ", "bit", "", " ", " ", " 指定なし",
     {"● -1bitを byte単位で表すと -125.00mbyte",
      "● -1bitで表せる範囲を10進で表すと 0～-0.5または､ 0～-1",
      "● -1bitで表せる範囲を16進で表すと 0H～0H",
      "● -1bitのADコンバータのダイナミックレンジは -4.26dB"},
     false},
    {"-2", " ", "bit", "", " ", " ", " 指定なし",
     {"● -2bitを byte単位で表すと -250.00mbyte",
      "● -2bitで表せる範囲を10進で表すと 0～-0.75または､ 0～-1",
      "● -2bitで表せる範囲を16進で表すと 0H～FFFFFFFFH",
      "● -2bitのADコンバータのダイナミックレンジは -10.28dB"},
     false},
    // The ranges have no result unit: any filter drops them.
    {"8", " ", "bit", "", " ", " ", "byte", {"●  8bitを byte単位で表すと 1.0000byte"}, false},
    {"8", " ", "bit", "", " ", " ", "dB", {"●  8bitのADコンバータのダイナミックレンジは 49.92dB"}, false},
    {"8", " ", "bit", "", " ", " ", "bit", {}, false},
    {"1", "k", "byte", "", " ", " ", " 指定なし", {"●  1kbyteを bit単位で表すと 8.0000kbit"}, false},
    {"1", "k", "byte", "", " ", " ", "bit", {"●  1kbyteを bit単位で表すと 8.0000kbit"}, false},
    {"1", "k", "byte", "", " ", " ", "byte", {}, false},
};

TEST(InformationDomainTest, BitWidthAndBytes) {
  for (const Case& c : kBitWidthCases) ExpectBothOrders(InformationDomain, c);
}

const Case kTransferCases[] = {
    {"1", "M", "bit", "2", " ", "sec", " 指定なし", {"●  1Mbitを 2secで伝送する速度は 500.00kbps"}, false},
    {"1", "M", "byte", "2", " ", "sec", " 指定なし", {"●  1Mbyteを 2secで伝送する速度は 4.0000Mbps"}, false},
    {"1", "M", "bit", "0", " ", "sec", " 指定なし", {}, true},
    {"1", "M", "bit", "2", " ", "sec", "sec", {}, false},
    {"9600", " ", "bps", "4800", " ", "bit", " 指定なし",
     {"●  9600bpsの伝送速度で 4800bitを伝送させるのに必要な時間は 500.00msec"}, false},
    {"9600", " ", "bps", "1", "k", "byte", "sec",
     {"●  9600bpsの伝送速度で 1kbyteを伝送させるのに必要な時間は 833.33msec"}, false},
    {"0", " ", "bps", "1", "k", "byte", " 指定なし", {}, true},
    {"9600", " ", "bps", "10", " ", "sec", "bit",
     {"●  9600bpsの伝送速度で 10sec間に伝送されるビット数は 96.000kbit"}, false},
    {"9600", " ", "bps", "10", " ", "sec", "sec", {}, false},
    {"12", " ", "bit", "10", " ", "V", "V", {"●  12bitのDAコンバータで､基準電圧を 10Vとしたときの出力電圧分解能は 2.4414mV"}, false},
};

TEST(InformationDomainTest, TransferRateTimeAmountAndConverterStep) {
  for (const Case& c : kTransferCases) ExpectBothOrders(InformationDomain, c);
}

// Two durations in hours: each value once as the MTBF and once as the MTTR
// or daily operating time, then the operating time within the longer one.
const Case kHourPairCases[] = {
    {"1000", " ", "hour", "10", " ", "hour", " 指定なし",
     {"● MTBF 1000hour,MTTR 10hourのシステムの可用性(アベイラビリティ)は 0.99010",
      "● MTBF 10hour,MTTR 1000hourのシステムの可用性(アベイラビリティ)は 0.00990",
      "● MTBF 1000hourのシステムを一日あたり 10hour稼働させた場合の平均故障間隔は 100.00000day",
      "● MTBF 10hourのシステムを一日あたり 1000hour稼働させた場合の平均故障間隔は 0.01000day",
      "● 1000hourあたりの稼働時間が  10hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　0.01hour/hour､ 0.24hour/day､ 1.68hour/week､ 7.20hour/month､ 87.66hour/year"},
     false},
    {"10", " ", "hour", "1000", " ", "hour", " 指定なし",
     {"● MTBF 10hour,MTTR 1000hourのシステムの可用性(アベイラビリティ)は 0.00990",
      "● MTBF 1000hour,MTTR 10hourのシステムの可用性(アベイラビリティ)は 0.99010",
      "● MTBF 10hourのシステムを一日あたり 1000hour稼働させた場合の平均故障間隔は 0.01000day",
      "● MTBF 1000hourのシステムを一日あたり 10hour稼働させた場合の平均故障間隔は 100.00000day",
      "● 1000hourあたりの稼働時間が  10hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　0.01hour/hour､ 0.24hour/day､ 1.68hour/week､ 7.20hour/month､ 87.66hour/year"},
     false},
    // Equal durations: availability one half, and parameter 1 as the period.
    {"1000", " ", "hour", "1000", " ", "hour", " 指定なし",
     {"● MTBF 1000hour,MTTR 1000hourのシステムの可用性(アベイラビリティ)は 0.50000",
      "● MTBF 1000hour,MTTR 1000hourのシステムの可用性(アベイラビリティ)は 0.50000",
      "● MTBF 1000hourのシステムを一日あたり 1000hour稼働させた場合の平均故障間隔は 1.00000day",
      "● MTBF 1000hourのシステムを一日あたり 1000hour稼働させた場合の平均故障間隔は 1.00000day",
      "● 1000hourあたりの稼働時間が  1000hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　1.00hour/hour､ 24.00hour/day､ 168.00hour/week､ 720.00hour/month､ 8765.81hour/year"},
     false},
    {"1000", " ", "hour", "10", " ", "hour", "day",
     {"● MTBF 1000hourのシステムを一日あたり 10hour稼働させた場合の平均故障間隔は 100.00000day",
      "● MTBF 10hourのシステムを一日あたり 1000hour稼働させた場合の平均故障間隔は 0.01000day"},
     false},
    {"1000", " ", "hour", "10", " ", "hour", "hour",
     {"● 1000hourあたりの稼働時間が  10hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　0.01hour/hour､ 0.24hour/day､ 1.68hour/week､ 7.20hour/month､ 87.66hour/year"},
     false},
    // A daily operating time of 0 fails its failure interval alone.
    {"10", " ", "hour", "0", " ", "hour", " 指定なし",
     {"● MTBF 10hour,MTTR 0hourのシステムの可用性(アベイラビリティ)は 1.00000",
      "● MTBF 0hour,MTTR 10hourのシステムの可用性(アベイラビリティ)は 0.00000",
      "● MTBF 0hourのシステムを一日あたり 10hour稼働させた場合の平均故障間隔は 0.00000day",
      "● 10hourあたりの稼働時間が  0hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　0.00hour/hour､ 0.00hour/day､ 0.00hour/week､ 0.00hour/month､ 0.00hour/year"},
     true},
    {"0", " ", "hour", "0", " ", "hour", " 指定なし", {}, true},
};

TEST(InformationDomainTest, AvailabilityFailureIntervalAndOperatingTimeInHours) {
  for (const Case& c : kHourPairCases) ExpectTypedCase(InformationDomain, c);
}

// A period in days, months or years that covers the operating time.
const Case kPeriodCases[] = {
    {"1", " ", "day", "12", " ", "hour", "hour",
     {"● 1dayあたりの稼働時間が  12hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　 0.50hour/hour､ 12.00hour/day､ 84.00hour/week､ 360.00hour/month､ 4382.91hour/year"},
     false},
    {"1", " ", "day", "25", " ", "hour", " 指定なし", {}, false},
    {"2", " ", "month", "100", " ", "hour", " 指定なし",
     {"● 2monthあたりの稼働時間が  100hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　 0.07hour/hour､ 1.67hour/day､ 11.67hour/week､ 50.00hour/month､ 608.74hour/year"},
     false},
    {"1", " ", "month", "721", " ", "hour", " 指定なし", {}, false},
    {"1", " ", "year", "1000", " ", "hour", " 指定なし",
     {"● 1yearあたりの稼働時間が  1000hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　 0.11hour/hour､ 2.74hour/day､ 19.17hour/week､ 82.14hour/month､ 1000.00hour/year"},
     false},
    {"1", " ", "year", "1000", " ", "hour", "day", {}, false},
};

TEST(InformationDomainTest, OperatingTimeInLongerPeriods) {
  for (const Case& c : kPeriodCases) ExpectBothOrders(InformationDomain, c);
}

TEST(InformationDomainTest, PeriodEqualToTheOperatingTimeCountsOnlyAsParameter1) {
  const Case cases[] = {
      {"1", " ", "day", "24", " ", "hour", " 指定なし",
       {"● 1dayあたりの稼働時間が  24hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　 1.00hour/hour､ 24.00hour/day､ 168.00hour/week､ 720.00hour/month､ 8765.81hour/year"},
       false},
      {"24", " ", "hour", "1", " ", "day", " 指定なし", {}, false},
      {"1", " ", "month", "720", " ", "hour", " 指定なし",
       {"● 1monthあたりの稼働時間が  720hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　 1.00hour/hour､ 24.00hour/day､ 168.00hour/week､ 720.00hour/month､ 8765.81hour/year"},
       false},
      {"720", " ", "hour", "1", " ", "month", " 指定なし", {}, false},
      {"1", " ", "year", "8765.8128", " ", "hour", " 指定なし",
       {"● 1yearあたりの稼働時間が  8765.8128hourのシステムの,単位時間あたりの稼働時間は\r\n　　　　 1.00hour/hour､ 24.00hour/day､ 168.00hour/week､ 720.00hour/month､ 8765.81hour/year"},
       false},
      {"8765.8128", " ", "hour", "1", " ", "year", " 指定なし", {}, false},
      // A period of 0 fails only where the condition lets it through.
      {"0", " ", "day", "0", " ", "hour", " 指定なし", {}, true},
      {"0", " ", "hour", "0", " ", "day", " 指定なし", {}, false},
  };
  for (const Case& c : cases) ExpectTypedCase(InformationDomain, c);
}

TEST(InformationDomainTest, HexRoundsHalfToEvenWithin32Bits) {
  struct HexCase {
    double x;
    const char* text;
  };
  const HexCase cases[] = {{0, "0"},           {255.4, "FF"},          {2.5, "2"},
                           {3.5, "4"},         {-0.5, "0"},            {-1, "FFFFFFFF"},
                           {2147483647, "7FFFFFFF"}, {-2147483648.0, "80000000"}};
  for (const HexCase& c : cases) EXPECT_EQ(Hex(c.x), c.text) << c.x;
  EXPECT_THROW(Hex(2147483647.5), CalcFailure);
  EXPECT_THROW(Hex(-2147483649.0), CalcFailure);
}

// Two lengths: the shorter below 2 m is the focal length. The field-size
// lines of the two orders differ in their blanks after the line break.
const Case kPhotographyCases[] = {
    {"50", "m", "m", "5", " ", "m", " 指定なし",
     {"● 35mmフィルムカメラに焦点距離 50mmレンズで､距離 5mにあるものを撮影すると､\r\n             　　　　　　　　　　　　　　　   撮影される被写体のサイズは 3.5640m×2.3760m"},
     false},
    {"5", " ", "m", "50", "m", "m", " 指定なし",
     {"● 35mmフィルムカメラに焦点距離 50mmレンズで､距離 5mにあるものを撮影すると､\r\n              　　　　　　　　　　　　　　　  撮影される被写体のサイズは 3.5640m×2.3760m"},
     false},
    {"50", "m", "m", "25", "m", "m", " 指定なし",
     {"● 35mmフィルムカメラに焦点距離 25mmレンズで､距離 50mmにあるものを撮影すると､\r\n              　　　　　　　　　　　　　　　  撮影される被写体のサイズは 36.000mm×24.000mm",
      "● 焦点距離 50mm､有効口径 25mmのレンズの明るさ F値は 2.000",
      "● 焦点距離 25mm､有効口径 50mmのレンズの明るさ F値は 0.500"},
     false},
    {"50", "m", "m", "25", "m", "m", "m",
     {"● 35mmフィルムカメラに焦点距離 25mmレンズで､距離 50mmにあるものを撮影すると､\r\n              　　　　　　　　　　　　　　　  撮影される被写体のサイズは 36.000mm×24.000mm"},
     false},
    {"50", "m", "m", "50", "m", "m", " 指定なし",
     {"● 焦点距離 50mm､有効口径 50mmのレンズの明るさ F値は 1.000"},
     false},
    {"3", " ", "m", "5", " ", "m", " 指定なし", {}, false},
    {"2", " ", "m", "5", " ", "m", " 指定なし", {}, false},
    {"-50", "m", "m", "5", " ", "m", " 指定なし",
     {"● 35mmフィルムカメラに焦点距離-50mmレンズで､距離 5mにあるものを撮影すると､\r\n             　　　　　　　　　　　　　　　   撮影される被写体のサイズは -3.6360m×-2.4240m"},
     false},
    // A focal length of 0 fails the field size; an aperture of 0 fails the
    // f-number that divides by it and leaves the other reading.
    {"0", " ", "m", "5", " ", "m", " 指定なし", {}, true},
    {"50", "m", "m", "0", " ", "m", " 指定なし",
     {"● 焦点距離 0m､有効口径 50mmのレンズの明るさ F値は 0.000"},
     true},
};

TEST(PhotographyDomainTest, FieldSizeAndFNumber) {
  for (const Case& c : kPhotographyCases) ExpectTypedCase(PhotographyDomain, c);
}

}  // namespace
}  // namespace tamrisk::testing
