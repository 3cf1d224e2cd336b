// What a user may type for a unit or a prefix on the command line: the
// catalogue's texts, ASCII spellings and letters that look the same, and the
// known spellings nearest to a mistyped one.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tamrisk {

struct UnitAlias {
  std::string_view spelling;  // what a user can type
  std::string_view unit;      // the catalogue's text (of a unit or a prefix)
};
// The ASCII spellings of catalogue units, in catalogue order.
std::span<const UnitAlias> UnitAliases();

// How --partners and --produces name the blank unit " ".
inline constexpr std::string_view NoneSpelling = "none";

// A catalogue unit, or an ASCII spelling or a look-alike of one, without a
// prefix: the catalogue's text.
std::optional<std::string_view> UnitOf(std::string_view text);

// Splits a UNIT argument into a catalogue prefix and a catalogue unit. A text
// that is itself a unit is never split ("min", "Pa", "dBm"). ASCII spellings
// are accepted beside the catalogue's texts: "ohm" for Ω, the prefix "u" for
// μ, "degC" for ℃, "m2" for ㎡ and the others of UnitAliases().
bool SplitUnit(const std::string& text, std::string& prefix, std::string& unit);

// Every unit spelling, one per line (catalogue texts, then ASCII spellings),
// and every prefix spelling: for shell completion.
std::string UnitList();
std::string PrefixList();

// The spellings of units alone, and of units with and without a prefix.
const std::vector<std::string>& UnitSpellings();
const std::vector<std::string>& PrefixedUnitSpellings();

// The lines of the usage text that say which prefixes and other spellings
// are accepted.
std::string SpellingsHelp();

// The known spellings nearest to `text` (at most three, within two edits and
// fewer edits than the text is long; letter case alone costs nothing), as
// " (closest: a, b)", or nothing.
std::string Closest(std::string_view text, const std::vector<std::string>& known);

}  // namespace tamrisk
