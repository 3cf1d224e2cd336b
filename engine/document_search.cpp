#include "engine/document_search.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace tamrisk {

namespace {

// The occurrence of [first, last) in [begin, end): by Boyer-Moore-Horspool
// where the standard library has it, else by the plain search.
template <typename It, typename NeedleIt>
It Search(It begin, It end, NeedleIt first, NeedleIt last) {
#if defined(__cpp_lib_boyer_moore_searcher)
  return std::search(begin, end, std::boyer_moore_horspool_searcher(first, last));
#else
  return std::search(begin, end, first, last);
#endif
}

// First 0-based index i in [from, last] at which `needle` occurs whole in
// `hay`, or -1. `needle` is not empty.
int FindForward(std::u16string_view hay, std::u16string_view needle, int from, int last) {
  if (from > last) return -1;
  // A match starting at `last` may run up to last + needle.size().
  const size_t end = std::min(hay.size(), static_cast<size_t>(last) + needle.size());
  if (end < static_cast<size_t>(from) + needle.size()) return -1;
  const auto first = hay.begin() + from;
  const auto stop = hay.begin() + static_cast<std::ptrdiff_t>(end);
  const auto it = Search(first, stop, needle.begin(), needle.end());
  if (it == stop) return -1;
  return static_cast<int>(it - hay.begin());
}

// Last 0-based index i in [0, from] at which `needle` occurs whole in `hay`,
// or -1. `needle` is not empty.
int FindBackward(std::u16string_view hay, std::u16string_view needle, int from) {
  if (from < 0) return -1;
  const size_t end = std::min(hay.size(), static_cast<size_t>(from) + needle.size());
  if (end < needle.size()) return -1;
  // Search the reversed range for the reversed text: the first hit there is
  // the last occurrence here.
  const auto rfirst = hay.rbegin() + static_cast<std::ptrdiff_t>(hay.size() - end);
  const auto rstop = hay.rend();
  const auto it = Search(rfirst, rstop, needle.rbegin(), needle.rend());
  if (it == rstop) return -1;
  // `it` points at the last character of the occurrence.
  const auto lastChar = static_cast<int>(hay.rend() - it) - 1;
  return lastChar - static_cast<int>(needle.size()) + 1;
}

}  // namespace

void DocumentSearch::reset() {
  searchPos_ = 1;
  lastMatchPos_ = 1;
}

std::optional<DocumentSearch::Match> DocumentSearch::Conclude(int found, int length, int step) {
  if (found < 0) {
    searchPos_ = lastMatchPos_;
    return std::nullopt;
  }
  lastMatchPos_ = found;
  searchPos_ = found + step;
  return Match{found, length};
}

std::optional<DocumentSearch::Match> DocumentSearch::searchDown(std::u16string_view document,
                                                               std::u16string_view keyword) {
  const int n = static_cast<int>(document.size());
  const int k = static_cast<int>(keyword.size());
  std::optional<Match> result;
  if (searchPos_ >= 1 && searchPos_ <= n) {
    // The walk compares at searchPos .. n - 1 and stops at the first match;
    // without a match searchPos ends at n.
    int found = -1;
    if (searchPos_ < n) {
      if (k == 0) {
        found = searchPos_;  // an empty text matches at every position
      } else {
        const int i = FindForward(document, keyword, searchPos_ - 1, n - 2);
        if (i >= 0) found = i + 1;
      }
    }
    result = Conclude(found, k, +1);
  }
  if (searchPos_ > n) searchPos_ = n;
  return result;
}

std::optional<DocumentSearch::Match> DocumentSearch::searchUp(std::u16string_view document,
                                                             std::u16string_view keyword) {
  const int n = static_cast<int>(document.size());
  const int k = static_cast<int>(keyword.size());
  std::optional<Match> result;
  if (searchPos_ >= 1 && searchPos_ <= n) {
    // The walk compares at searchPos .. 1, going down, and stops at the
    // first match; without a match searchPos falls to 0.
    int found = -1;
    if (k == 0) {
      found = searchPos_;
    } else {
      const int i = FindBackward(document, keyword, searchPos_ - 1);
      if (i >= 0) found = i + 1;
    }
    result = Conclude(found, k, -1);
  }
  if (searchPos_ < 1) searchPos_ = 1;
  return result;
}

}  // namespace tamrisk
