// The fixed prefix and unit catalogue: the texts the lists offer and the
// rules compare, in the order that gives every mask position its meaning.
#pragma once

#include <array>
#include <string_view>

namespace tamrisk {

struct PrefixEntry {
  std::string_view text;  // UTF-8, exactly as the lists show it
  int powerOfTen;
};

// Positions 1..20 of prefixMask are indices 0..19.
extern const std::array<PrefixEntry, 20> PrefixCatalogue;

// Positions 1..80 of unitMask are indices 0..79; positions 75..80 are spare
// and have an empty text.
inline constexpr std::array<std::string_view, 80> UnitCatalogue = {
    "m", "in", "ft", "yd", "mile", "g", "oz", "lbs", "deg", "rad",
    "sec", "min", "hour", "m/s", "m/h", "mile/h", "knot", "℃", "cal", "J",
    "a", "l", "Pa", "V", "A", "W", "VA", "Ω", "dB", "dBm",
    "dBμV", "dBc", "Hz", "λ", "VSWR", "H", "F", "C", "bit", "byte",
    "bps", "%", "ppm", "㎡", "n_mile", "day", "month", "year", "AU", "in2",
    "Å", "m/s2", "N", "ppb", "dBf", "gal UK", "gal US", "rps", "rpm", "ﾟF",
    "K", "PS", "HP", "尺", "寸", "間", "町", "里", "坪", "升",
    "合", "斗", "貫", "匁", "", "", "", "", "", "",
};

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
