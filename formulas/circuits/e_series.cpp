// The nearest pairs of standard resistors to a wanted resistance. Every pair
// of E24 values (and, among them, every pair of E12 values) is tried in
// series and in parallel, and the pair whose combined value has the smallest
// relative error is kept for each of the four kinds. Each combined value and
// each error is computed in double precision from the single-precision table
// values and kept in single precision. Among equally good pairs the first
// one tried stays.
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>

#include "formulas/circuits/circuit_tables.h"

namespace tamrisk {

namespace {

// The 24 E24 values of a decade, times ten; every other one is an E12 value.
constexpr int E24TimesTen[24] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

constexpr std::array<float, 168> MakeE24Table() {
  std::array<float, 168> table{};
  double decade = 1;
  for (size_t d = 0; d < 7; ++d) {
    // The product is a whole number, so the quotient is the double nearest
    // to the decimal value; it then rounds to the nearest float.
    for (size_t k = 0; k < 24; ++k) {
      table[24 * d + k] = static_cast<float>(E24TimesTen[k] * decade / 10);
    }
    decade *= 10;
  }
  return table;
}

}  // namespace

constexpr std::array<float, 168> E24Table = MakeE24Table();

namespace {

constexpr float Unreached = std::numeric_limits<float>::infinity();

// The best pair so far for one kind of combination. It starts with an
// infinite error, so the first pair whose error is finite replaces it and
// every written record names a real pair of table values.
struct PairRecord {
  float value = 0;
  float r1 = 0;
  float r2 = 0;
  float error = Unreached;
};

// |(x - target) / target|, computed in double precision and kept in single
// precision, for a positive target.
inline float RelativeError(float x, float target) {
  return static_cast<float>(std::abs(static_cast<double>(x) - target) / target);
}

// The reciprocals of the table values in double precision, for the parallel
// values.
constexpr std::array<double, E24Table.size()> MakeReciprocals() {
  std::array<double, E24Table.size()> r{};
  for (size_t j = 0; j < E24Table.size(); ++j) r[j] = 1.0 / E24Table[j];
  return r;
}
constexpr std::array<double, E24Table.size()> Reciprocal = MakeReciprocals();

// Offers one pair to a record: only a strictly smaller error replaces it, so
// of equally near pairs the first one offered stays.
inline void Offer(PairRecord& best, float value, float r1, float r2, float target) {
  const float error = RelativeError(value, target);
  if (error < best.error) best = PairRecord{value, r1, r2, error};
}

// Offers to a record the pairs of one row, R1 = E24Table[i] and
// R2 = E24Table[j] for j = i, i + step, i + 2 * step ... (step 2 keeps to
// E12 values), with the same outcome as offering each of them in turn.
//
// Along a row the combined value `combine(j)` never falls, since every
// rounding keeps the order of its operands; so the error never rises up to
// the last pair at or below the target and never falls from the first pair
// above it. The first pair of the row with the row's smallest error, the
// one that offering every pair in turn would keep, is therefore either the
// first pair above the target or, among the pairs at or below it, the first
// whose error equals that of the last. Offering just these two, in row
// order, gives the same record.
template <class Combine>
void SearchRow(size_t i, size_t step, Combine combine, PairRecord& best, float target) {
  const size_t count = (E24Table.size() - i + step - 1) / step;
  const auto at = [&](size_t k) { return i + k * step; };
  size_t above = 0;  // the first pair above the target, by bisection
  size_t end = count;
  while (above < end) {
    const size_t mid = above + (end - above) / 2;
    if (combine(at(mid)) > target) end = mid;
    else above = mid + 1;
  }
  if (above > 0) {
    size_t k = above - 1;
    const float error = RelativeError(combine(at(k)), target);
    while (k > 0 && RelativeError(combine(at(k - 1)), target) == error) --k;
    Offer(best, combine(at(k)), E24Table[i], E24Table[at(k)], target);
  }
  if (above < count) {
    Offer(best, combine(at(above)), E24Table[i], E24Table[at(above)], target);
  }
}

}  // namespace

std::optional<std::array<ResistorPair, 4>> NearestResistorPairs(float target) {
  if (!(target > 0) || std::isinf(target)) return std::nullopt;

  PairRecord e12Series, e12Parallel, e24Series, e24Parallel;
  // Every pair (R1, R2) in both orders, R1 in the outer loop. The pair
  // (R2, R1) gives the same sum and the same parallel value as (R1, R2),
  // which came first, so it can never be strictly better: each row starts
  // at R1 itself. E12 values are the entries with an even index.
  for (size_t i = 0; i < E24Table.size(); ++i) {
    const float r1 = E24Table[i];
    const auto series = [&](size_t j) {
      return static_cast<float>(static_cast<double>(r1) + E24Table[j]);
    };
    const auto parallel = [&](size_t j) {
      return static_cast<float>(1.0 / (Reciprocal[i] + Reciprocal[j]));
    };
    SearchRow(i, 1, series, e24Series, target);
    SearchRow(i, 1, parallel, e24Parallel, target);
    if (i % 2 == 0) {
      SearchRow(i, 2, series, e12Series, target);
      SearchRow(i, 2, parallel, e12Parallel, target);
    }
  }

  std::array<ResistorPair, 4> pairs;
  const PairRecord* records[4] = {&e12Series, &e12Parallel, &e24Series, &e24Parallel};
  for (size_t k = 0; k < 4; ++k) {
    // A target so small that every error this record would compare
    // overflows leaves it unreached: there is no answer.
    if (records[k]->error == Unreached) return std::nullopt;
    pairs[k] = ResistorPair{records[k]->r1, records[k]->r2, records[k]->value};
  }
  return pairs;
}

namespace {

// Doubles from here on round to an infinite float.
constexpr double FloatOverflow = 0x1.ffffffp127;

// The wanted resistance in single precision. One beyond the single-precision
// range would be an infinite target, which has no nearest pair.
float SearchTarget(Num ohms) {
  if (!(std::abs(ohms.raw()) < FloatOverflow)) FailCalculation();
  return static_cast<float>(ohms.raw());
}

// The four lines of the search, written together: E12 series, E12 parallel,
// E24 series, E24 parallel, each as the two resistors and their combined
// value.
R<12> NearestPairLines(const Ctx& c) {
  // A target of zero or below (also one that rounds to zero) has none.
  const auto pairs = NearestResistorPairs(SearchTarget(c["Ω"]));
  if (!pairs) FailCalculation();
  R<12> results;
  for (std::size_t k = 0; k < pairs->size(); ++k) {
    results[3 * k] = FormatEng5((*pairs)[k].r1);
    results[3 * k + 1] = FormatEng5((*pairs)[k].r2);
    results[3 * k + 2] = FormatEng5((*pairs)[k].value);
  }
  return results;
}

}  // namespace

constexpr auto ESeriesRows = TableRows{
    Doc({
        " ● 所望の抵抗値から､E12､E24系列抵抗器の直列接続による最も近い組合せを求める",
        "　　 直列抵抗(Ω)=抵抗値1(Ω)+抵抗値2(Ω)",
        "　　 　　　　　　　　抵抗値1､2について全組合せの計算を行い､最適値を求める",
        "　　 　　　　　　　　(抵抗値1(Ω)および抵抗値2(Ω)は､E12､E24系列の値)",
    }),
    Doc({
        " ● 所望の抵抗値から､E12､E24系列抵抗器の並列接続による最も近い組合せを求める",
        "　　 並列抵抗(Ω)=1/(1/抵抗値1(Ω)+1/抵抗値2(Ω))",
        "　　 　　　　　　　　抵抗値1､2について全組合せの計算を行､最適値を求める",
        "　　 　　　　　　　　(抵抗値1(Ω)および抵抗値2(Ω)は､E12､E24系列の値)",
    }),
    // Either input order picks the target and its label from the Ω
    // parameter. The four lines are one line with inner line breaks, so the
    // search runs once and its lines stand or fall together.
    Rule(Either("Ω", " "), Filter{"Ω"}, NearestPairLines,
         "● E12系列抵抗器の直列接続で{Ω}に最も近い組合せは {r1}Ω＋{r2}Ω={r3}Ω{crlf}"
         "● E12系列抵抗器の並列接続で{Ω}に最も近い組合せは {r4}Ω//{r5}Ω={r6}Ω{crlf}"
         "● E24系列抵抗器の直列接続で{Ω}に最も近い組合せは {r7}Ω＋{r8}Ω={r9}Ω{crlf}"
         "● E24系列抵抗器の並列接続で{Ω}に最も近い組合せは {r10}Ω//{r11}Ω={r12}Ω"),
};
constinit const RuleTable ESeriesTable{ESeriesRows};

}  // namespace tamrisk
