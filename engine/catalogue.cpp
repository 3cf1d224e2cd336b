#include "engine/catalogue.h"

namespace tamrisk {

const std::array<PrefixEntry, 20> PrefixCatalogue = {{
    {"y", -24}, {"z", -21}, {"a", -18}, {"f", -15}, {"p", -12},
    {"n", -9}, {"μ", -6}, {"m", -3}, {"c", -2}, {"d", -1},
    {"da", 1}, {"h", 2}, {"k", 3}, {"M", 6}, {"G", 9},
    {"T", 12}, {"P", 15}, {"E", 18}, {"Z", 21}, {"Y", 24},
}};

const std::array<std::string_view, 80> UnitCatalogue = {
    "m", "in", "ft", "yd", "mile", "g", "oz", "lbs", "deg", "rad",
    "sec", "min", "hour", "m/s", "m/h", "mile/h", "knot", "℃", "cal", "J",
    "a", "l", "Pa", "V", "A", "W", "VA", "Ω", "dB", "dBm",
    "dBμV", "dBc", "Hz", "λ", "VSWR", "H", "F", "C", "bit", "byte",
    "bps", "%", "ppm", "㎡", "n_mile", "day", "month", "year", "AU", "in2",
    "Å", "m/s2", "N", "ppb", "dBf", "gal UK", "gal US", "rps", "rpm", "ﾟF",
    "K", "PS", "HP", "尺", "寸", "間", "町", "里", "坪", "升",
    "合", "斗", "貫", "匁", "", "", "", "", "", "",
};

bool MaskOffers(std::string_view mask, int position) {
  return position >= 1 && static_cast<size_t>(position) <= mask.size() &&
         mask[static_cast<size_t>(position) - 1] == '1';
}

}  // namespace tamrisk
