// The fixed prefix and unit catalogue: the texts the lists offer and the
// rules compare, in the order that gives every mask position its meaning,
// taken from the records of engine/unit_records.h.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/unit_records.h"

namespace tamrisk {

struct PrefixEntry {
  std::string_view text;  // UTF-8, exactly as the lists show it
  int powerOfTen;
};

// Positions 1..20 of prefixMask are indices 0..19.
inline constexpr std::array<PrefixEntry, PrefixRecordCount> PrefixCatalogue = [] {
  std::array<PrefixEntry, PrefixRecordCount> prefixes{};
  for (std::size_t i = 0; i < prefixes.size(); ++i) {
    prefixes[i] = {PrefixRecords[i].text, PrefixRecords[i].powerOfTen};
  }
  return prefixes;
}();

// Positions 1..80 of unitMask are indices 0..79; positions 75..80 are spare
// and have an empty text.
inline constexpr std::array<std::string_view, UnitRecordCount> UnitCatalogue = [] {
  std::array<std::string_view, UnitRecordCount> texts{};
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = UnitRecords[i].text;
  return texts;
}();

inline constexpr std::string_view NoPrefix = " ";
inline constexpr std::string_view NoUnit = " ";
inline constexpr std::string_view NoFilter = " 指定なし";

inline constexpr std::string_view DefaultPrefixMask = "00000011100011100000";
inline constexpr std::string_view DefaultUnitMask =
    "10000100001001100100000111010000100000000111000000000000000000000000000000000000";

// True when character `position` (counted from 1) of a mask is "1"; positions
// beyond the end of a shorter mask count as not offered.
bool MaskOffers(std::string_view mask, int position);

}  // namespace tamrisk
