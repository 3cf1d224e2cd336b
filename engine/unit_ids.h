// Small numbers for unit texts, so that rule tables can be indexed by unit
// pair and filtered by result unit while they are compiled. Id 1 is the
// blank unit " ", ids 2 and up are the catalogue's units in catalogue order,
// and every other text (the batch mode takes any text) is OtherUnit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/catalogue.h"

namespace tamrisk {

using UnitId = std::uint8_t;

// Any text that is neither " " nor a unit of the catalogue.
inline constexpr UnitId OtherUnit = 0;

namespace unit_ids {

constexpr std::size_t CountTexts() {
  std::size_t n = 2;  // OtherUnit and " "
  for (std::string_view u : UnitCatalogue) n += u.empty() ? 0 : 1;
  return n;
}

}  // namespace unit_ids

inline constexpr std::size_t UnitIdCount = unit_ids::CountTexts();

// The text of every id; OtherUnit's is empty.
inline constexpr std::array<std::string_view, UnitIdCount> UnitTexts = [] {
  std::array<std::string_view, UnitIdCount> texts{};
  std::size_t id = 1;
  texts[id++] = NoUnit;
  for (std::string_view u : UnitCatalogue) {
    if (!u.empty()) texts[id++] = u;
  }
  return texts;
}();

namespace unit_ids {

// FNV-1a over the bytes of a text.
constexpr std::uint32_t Hash(std::string_view text) {
  std::uint32_t h = 2166136261u;
  for (char c : text) {
    h ^= static_cast<unsigned char>(c);
    h *= 16777619u;
  }
  return h;
}

inline constexpr std::size_t SlotCount = 256;
static_assert(UnitIdCount < SlotCount / 2, "the id table must stay sparse");

// An open-addressing hash table of the ids: a text's slot is its hash, or
// the next free slot after it; an empty slot holds OtherUnit.
inline constexpr std::array<UnitId, SlotCount> Slots = [] {
  std::array<UnitId, SlotCount> table{};
  for (std::size_t id = 1; id < UnitIdCount; ++id) {
    std::size_t s = Hash(UnitTexts[id]) % SlotCount;
    while (table[s] != OtherUnit) s = (s + 1) % SlotCount;
    table[s] = static_cast<UnitId>(id);
  }
  return table;
}();

}  // namespace unit_ids

// The position (1..80) in the catalogue of every id's unit, as the unit mask
// and the customisation's boxes count them; 0 for OtherUnit and " ".
inline constexpr std::array<int, UnitIdCount> UnitPositions = [] {
  std::array<int, UnitIdCount> positions{};
  std::size_t id = 2;
  for (std::size_t i = 0; i < UnitCatalogue.size(); ++i) {
    if (!UnitCatalogue[i].empty()) positions[id++] = static_cast<int>(i) + 1;
  }
  return positions;
}();

// The id of a unit text; OtherUnit for a text outside the catalogue.
constexpr UnitId UnitIdOf(std::string_view text) {
  for (std::size_t s = unit_ids::Hash(text) % unit_ids::SlotCount;;
       s = (s + 1) % unit_ids::SlotCount) {
    const UnitId id = unit_ids::Slots[s];
    if (id == OtherUnit || UnitTexts[id] == text) return id;
  }
}

// Every catalogue text has its own id: no text is listed twice.
static_assert([] {
  for (std::size_t id = 1; id < UnitIdCount; ++id) {
    if (UnitIdOf(UnitTexts[id]) != id) return false;
  }
  return true;
}());

// The catalogue position of a unit text; 0 for " " and texts outside it.
constexpr int UnitPositionOf(std::string_view text) { return UnitPositions[UnitIdOf(text)]; }

// The unit ids of parameter 1 and parameter 2 as one small number, which
// sorts by the first, then by the second.
class UnitPair {
 public:
  constexpr UnitPair() = default;
  constexpr UnitPair(UnitId first, UnitId second)
      : code_(static_cast<std::uint16_t>(first << 8 | second)) {}

  constexpr UnitId First() const { return static_cast<UnitId>(code_ >> 8); }
  constexpr UnitId Second() const { return static_cast<UnitId>(code_ & 0xFF); }

  friend constexpr bool operator==(UnitPair a, UnitPair b) { return a.code_ == b.code_; }
  friend constexpr bool operator<(UnitPair a, UnitPair b) { return a.code_ < b.code_; }
  friend constexpr bool operator>(UnitPair a, UnitPair b) { return a.code_ > b.code_; }

 private:
  std::uint16_t code_ = 0;
};

// A set of unit ids.
class UnitSet {
 public:
  constexpr void Add(UnitId id) { bits_[id / 64] |= std::uint64_t{1} << (id % 64); }
  constexpr bool Has(UnitId id) const { return (bits_[id / 64] >> (id % 64)) & 1; }
  // Every id (and OtherUnit) not in this set.
  constexpr UnitSet Complement() const {
    UnitSet c;
    c.bits_[0] = ~bits_[0];
    c.bits_[1] = ~bits_[1];
    return c;
  }

 private:
  std::uint64_t bits_[2] = {0, 0};
};
static_assert(UnitIdCount <= 128, "a UnitSet holds 128 ids");

}  // namespace tamrisk
