// The unit records against what does not come from them: the positions
// that stored masks rely on, and the Japanese collation (ICU's, which the
// window program's lists also follow) for the order of the sorted lists.
#include "engine/unit_records.h"

#include <unicode/ucol.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/unit_lists.h"

namespace tamrisk {
namespace {

// A stored mask means the same units for ever: position n is this text.
TEST(UnitRecordsTest, CatalogueOrderOfTheStoredMasks) {
  const std::vector<std::string_view> positions = {
      "m", "in", "ft", "yd", "mile", "g", "oz", "lbs", "deg", "rad",
      "sec", "min", "hour", "m/s", "m/h", "mile/h", "knot", "℃", "cal", "J",
      "a", "l", "Pa", "V", "A", "W", "VA", "Ω", "dB", "dBm",
      "dBμV", "dBc", "Hz", "λ", "VSWR", "H", "F", "C", "bit", "byte",
      "bps", "%", "ppm", "㎡", "n_mile", "day", "month", "year", "AU", "in2",
      "Å", "m/s2", "N", "ppb", "dBf", "gal UK", "gal US", "rps", "rpm", "ﾟF",
      "K", "PS", "HP", "尺", "寸", "間", "町", "里", "坪", "升",
      "合", "斗", "貫", "匁", "", "", "", "", "", "",
  };
  EXPECT_EQ(std::vector<std::string_view>(UnitCatalogue.begin(), UnitCatalogue.end()), positions);
  const std::vector<std::string_view> prefixes = {
      "y", "z", "a", "f", "p", "n", "μ", "m", "c", "d",
      "da", "h", "k", "M", "G", "T", "P", "E", "Z", "Y"};
  std::vector<std::string_view> catalogue;
  for (const PrefixEntry& p : PrefixCatalogue) catalogue.push_back(p.text);
  EXPECT_EQ(catalogue, prefixes);
}

// Every pair of units compares by the records' collation places as the
// Japanese collation compares them, letter case not counting.
TEST(UnitRecordsTest, CollationPlacesFollowTheJapaneseCollation) {
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<UCollator, decltype(&ucol_close)> collator(ucol_open("ja", &status),
                                                                   &ucol_close);
  ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  ucol_setStrength(collator.get(), UCOL_SECONDARY);  // case does not count
  int units = 0;
  for (const UnitRecord& a : UnitRecords) {
    if (a.text.empty()) continue;
    ++units;
    for (const UnitRecord& b : UnitRecords) {
      if (b.text.empty()) continue;
      const UCollationResult order =
          ucol_strcollUTF8(collator.get(), a.text.data(), static_cast<int32_t>(a.text.size()),
                           b.text.data(), static_cast<int32_t>(b.text.size()), &status);
      ASSERT_TRUE(U_SUCCESS(status));
      const UCollationResult byRecords = a.collation < b.collation   ? UCOL_LESS
                                         : a.collation > b.collation ? UCOL_GREATER
                                                                     : UCOL_EQUAL;
      EXPECT_EQ(byRecords, order) << a.text << " / " << b.text;
      EXPECT_EQ(UnitListLess(a.text, b.text), order == UCOL_LESS) << a.text << " / " << b.text;
    }
  }
  EXPECT_EQ(units, FirstSpareUnitPosition - 1);
}

}  // namespace
}  // namespace tamrisk
