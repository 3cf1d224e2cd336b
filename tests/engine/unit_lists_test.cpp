#include <array>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/unit_lists.h"

namespace tamrisk {
namespace {

using Texts = std::vector<std::string_view>;

std::string Mask(size_t length, std::initializer_list<int> ones) {
  std::string mask(length, '0');
  for (int position : ones) mask[static_cast<size_t>(position - 1)] = '1';
  return mask;
}

TEST(ListContentsTest, ListsForMasks) {
  struct C {
    const char* name;
    std::string prefixMask;
    std::string unitMask;
    Texts prefixes;
    int blankPrefixIndex;
    Texts units;  // after the blank entry / the no-filter entry
  };
  const C cases[] = {
      {"defaults", std::string(DefaultPrefixMask), std::string(DefaultUnitMask),
       {"μ", "m", "c", " ", "k", "M", "G"}, 3,
       {"%", "℃", "A", "g", "Hz", "m", "m/h", "m/s", "㎡", "ppm", "sec", "V", "W", "Ω"}},
      {"nothing offered", Mask(20, {}), Mask(80, {}), {" "}, 0, {}},
      {"every prefix", std::string(20, '1'), Mask(80, {}),
       {"y", "z", "a", "f", "p", "n", "μ", "m", "c", "d", " ",
        "da", "h", "k", "M", "G", "T", "P", "E", "Z", "Y"}, 10, {}},
      {"short mask", "11111", "1", {"y", "z", "a", "f", "p", " "}, 5, {"m"}},
      {"other characters do not count", "2x1", "01 1", {"a", " "}, 1, {"in", "yd"}},
      // Case does not count: the are and the ampere keep the order in which
      // they were added, catalogue order.
      {"equal texts", Mask(20, {}), Mask(80, {25, 21, 28, 34, 64, 42, 60, 18}), {" "}, 0,
       {"%", "℃", "a", "A", "ﾟF", "尺", "λ", "Ω"}},
  };
  for (const C& c : cases) {
    SCOPED_TRACE(c.name);
    const ListContents lists = BuildListContents(c.prefixMask, c.unitMask);
    EXPECT_EQ(lists.prefixes, c.prefixes);
    EXPECT_EQ(lists.blankPrefixIndex, c.blankPrefixIndex);
    Texts units = {" "};
    Texts filters = {" 指定なし"};
    units.insert(units.end(), c.units.begin(), c.units.end());
    filters.insert(filters.end(), c.units.begin(), c.units.end());
    EXPECT_EQ(lists.units, units);
    EXPECT_EQ(lists.filters, filters);
  }
}

// A spare position adds an empty entry, which comes before the blank and
// the no-filter entries.
TEST(ListContentsTest, SparePositionsGiveEmptyEntriesFirst) {
  const ListContents lists = BuildListContents("", Mask(80, {24, 75, 80}));
  EXPECT_EQ(lists.units, (Texts{"", "", " ", "V"}));
  EXPECT_EQ(lists.filters, (Texts{"", "", " 指定なし", "V"}));
}

// Every unit offered: the whole order, which the window program's lists
// have always had, from "%" to "Ω".
TEST(ListContentsTest, WholeCatalogueOrder) {
  const ListContents lists = BuildListContents("", std::string(74, '1'));
  ASSERT_EQ(lists.units.size(), 75u);
  const Texts start = {" ", "%", "℃", "a", "A", "Å", "AU", "bit", "bps", "byte", "C", "cal"};
  EXPECT_EQ(Texts(lists.units.begin(), lists.units.begin() + 12), start);
  const Texts end = {"㎡", "mile", "mile/h", "min", "month", "N", "n_mile", "oz", "Pa", "ppb",
                     "ppm", "PS", "rad", "rpm", "rps", "sec", "V", "VA", "VSWR", "W", "yd", "year",
                     "貫", "間", "合", "尺", "升", "寸", "町", "坪", "斗", "匁", "里", "λ", "Ω"};
  EXPECT_EQ(Texts(lists.units.end() - static_cast<long>(end.size()), lists.units.end()), end);
  for (size_t i = 1; i < lists.units.size(); ++i) {
    EXPECT_FALSE(UnitListLess(lists.units[i], lists.units[i - 1])) << lists.units[i];
  }
}

TEST(ListContentsTest, MasksFromTicks) {
  std::array<bool, CheckBoxCount> ticked{};
  for (int n : {1, 11, 20, 21, 48, 94}) ticked[static_cast<size_t>(n - 1)] = true;
  const Masks masks = MasksFromTicks(ticked);
  EXPECT_EQ(masks.prefixMask, Mask(20, {1, 11, 20}));
  EXPECT_EQ(masks.unitMask, Mask(80, {1, 28, 74}));
  // The boxes of the unit grid are exactly the unit positions, once each.
  std::array<int, 81> seen{};
  for (const auto& row : UnitBoxGrid)
    for (int position : row) ++seen[static_cast<size_t>(position)];
  for (int position = 1; position <= 80; ++position) EXPECT_EQ(seen[static_cast<size_t>(position)], 1);
}

}  // namespace
}  // namespace tamrisk
