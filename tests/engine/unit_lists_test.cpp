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

// A spare position never makes an entry: an empty one would sort first and
// become the selected filter, so that no formula could answer.
TEST(ListContentsTest, SparePositionsNeverMakeAnEntry) {
  for (const std::string& unitMask : {Mask(80, {24, 75, 80}), std::string(80, '1')}) {
    SCOPED_TRACE(unitMask);
    const ListContents lists = BuildListContents("", unitMask);
    EXPECT_EQ(lists.units.front(), " ");
    EXPECT_EQ(lists.filters.front(), " 指定なし");
    for (std::string_view text : lists.units) EXPECT_FALSE(text.empty());
    for (std::string_view text : lists.filters) EXPECT_FALSE(text.empty());
  }
  EXPECT_EQ(BuildListContents("", Mask(80, {24, 75, 80})).units, (Texts{" ", "V"}));
}

// A stored mask is used as it is only when it is "0"s and "1"s of its
// catalogue's length; its spare unit positions are always "0".
TEST(ListContentsTest, UsableMasks) {
  const std::string prefixDefault(DefaultPrefixMask);
  const std::string unitDefault(DefaultUnitMask);
  struct C {
    std::string stored;
    std::string prefixMask;
    std::string unitMask;
  };
  const std::string allUnits = std::string(74, '1') + "000000";
  const C cases[] = {
      {Mask(20, {13}), Mask(20, {13}), unitDefault},
      {Mask(80, {1, 74}), prefixDefault, Mask(80, {1, 74})},
      {std::string(80, '1'), prefixDefault, allUnits},        // spare positions cleared
      {Mask(80, {24, 75, 76, 77, 78, 79, 80}), prefixDefault, Mask(80, {24})},
      {"", prefixDefault, unitDefault},
      {"xyz", prefixDefault, unitDefault},
      {"11111", prefixDefault, unitDefault},                  // too short
      {std::string(21, '1'), prefixDefault, unitDefault},     // too long for either
      {std::string(81, '1'), prefixDefault, unitDefault},
      {std::string(79, '0') + "2", prefixDefault, unitDefault},
      {" " + std::string(19, '1'), prefixDefault, unitDefault},  // a blank is no "0"
      {std::string(19, '1') + '\0', prefixDefault, unitDefault},
  };
  for (const C& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(UsablePrefixMask(c.stored), c.prefixMask);
    EXPECT_EQ(UsableUnitMask(c.stored), c.unitMask);
  }
  EXPECT_EQ(UsablePrefixMask(std::string(20, '1')), std::string(20, '1'));
  EXPECT_EQ(UsableUnitMask(unitDefault), unitDefault);
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
  // Boxes 95..100, the spare unit positions, are never written as "1".
  for (int n : {1, 11, 20, 21, 48, 94, 95, 100}) ticked[static_cast<size_t>(n - 1)] = true;
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
