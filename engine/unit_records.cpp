// The unit and prefix records checked for consistency while they are
// compiled: a mistake in a record stops the build, naming it.
#include "engine/unit_records.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/unit_lists.h"

namespace tamrisk {

namespace {

constexpr bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// Every text that a user may type for a unit or a prefix, to be told apart.
constexpr bool SpellingsAreUnique() {
  std::array<std::string_view, UnitRecordCount * 3 + PrefixRecordCount * 3> unitTexts{};
  std::size_t n = 0;
  for (const UnitRecord& u : UnitRecords) {
    for (std::string_view t : {u.text, u.ascii, u.lookAlike}) {
      if (!t.empty()) unitTexts[n++] = t;
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (unitTexts[i] == unitTexts[j]) return false;
    }
  }
  n = 0;
  for (const PrefixRecord& p : PrefixRecords) {
    for (std::string_view t : {p.text, p.ascii, p.lookAlike}) {
      if (!t.empty()) unitTexts[n++] = t;
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (unitTexts[i] == unitTexts[j]) return false;
    }
  }
  return true;
}

constexpr bool PositionsInOrder() {
  for (std::size_t i = 0; i < UnitRecordCount; ++i) {
    if (UnitRecords[i].position != static_cast<int>(i) + 1) return false;
  }
  return true;
}

// A spare position has nothing but its check box place; a unit has an
// explanation, and its spellings only with its text.
constexpr bool SparePositionsAreEmpty() {
  for (const UnitRecord& u : UnitRecords) {
    if (u.text.empty() && (u.collation != -1 || !u.ascii.empty() || !u.lookAlike.empty() ||
                           !u.explanation.empty())) {
      return false;
    }
    if (!u.text.empty() && u.explanation.empty()) return false;
  }
  return true;
}

constexpr bool BoxPlacesAreUnique() {
  bool used[UnitBoxRows][UnitBoxColumns] = {};
  for (const UnitRecord& u : UnitRecords) {
    if (u.box.row < 0 || u.box.row >= UnitBoxRows || u.box.column < 0 || u.box.column >= UnitBoxColumns) return false;
    if (used[u.box.row][u.box.column]) return false;
    used[u.box.row][u.box.column] = true;
  }
  return true;
}

// The collation places run from 0 without a gap; two units share one only
// when their texts differ in letter case alone.
constexpr bool CollationIsAnOrder() {
  int highest = -1;
  for (const UnitRecord& u : UnitRecords) {
    if (u.text.empty()) continue;
    if (u.collation < 0) return false;
    highest = u.collation > highest ? u.collation : highest;
    for (const UnitRecord& v : UnitRecords) {
      if (&u != &v && !v.text.empty() && u.collation == v.collation &&
          !SameIgnoringAsciiCase(u.text, v.text)) {
        return false;
      }
    }
  }
  for (int rank = 0; rank <= highest; ++rank) {
    bool found = false;
    for (const UnitRecord& u : UnitRecords) found = found || (!u.text.empty() && u.collation == rank);
    if (!found) return false;
  }
  return true;
}

}  // namespace

static_assert(PrefixRecordCount == 20, "prefixMask has 20 positions");
static_assert(UnitRecordCount == 80, "unitMask has 80 positions");
static_assert(PositionsInOrder(), "a unit record out of catalogue order");
static_assert(SpellingsAreUnique(), "one text for two units or two prefixes");
static_assert(SparePositionsAreEmpty(), "a spare position with a unit's facts, or a unit without explanation");
static_assert(BoxPlacesAreUnique(), "two check boxes in one place, or one outside the grid");
static_assert(CollationIsAnOrder(), "collation places with a gap, or shared by different texts");

static_assert(UnitRecordCount == UnitBoxRows * UnitBoxColumns, "a check box for every position");
static_assert([] {
  for (const UnitRecord& u : UnitRecords) {
    if (u.text.empty() != (u.position >= FirstSpareUnitPosition)) return false;
  }
  return true;
}(), "the spare positions are the last ones");

}  // namespace tamrisk
