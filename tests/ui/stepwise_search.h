// The formula list search as the user sees it defined, one position at a
// time: the reference that the fast search must match click for click (used
// by the viewer's tests and by its fuzz target).
#pragma once

#include <QString>

#include <optional>

namespace tamrisk::testing {

// The search walk one position at a time, as the user sees it defined:
// forward compares at searchPos .. n - 1, backward at searchPos .. 1.
struct StepwiseSearch {
  QString doc;
  int searchPos = 1;
  int lastMatchPos = 1;

  bool matchesAt(const QString& keyword) const {
    return doc.mid(searchPos - 1, keyword.size()) == keyword;
  }
  std::optional<int> down(const QString& keyword) {
    const int n = static_cast<int>(doc.size());
    std::optional<int> selected;
    if (searchPos >= 1 && searchPos <= n) {
      bool found = false;
      while (searchPos < n) {
        if (matchesAt(keyword)) { found = true; break; }
        ++searchPos;
      }
      if (!found) {
        searchPos = lastMatchPos;
      } else {
        lastMatchPos = searchPos;
        selected = searchPos;
        ++searchPos;
      }
    }
    if (searchPos > n) searchPos = n;
    return selected;
  }
  std::optional<int> up(const QString& keyword) {
    const int n = static_cast<int>(doc.size());
    std::optional<int> selected;
    if (searchPos >= 1 && searchPos <= n) {
      bool found = false;
      while (searchPos >= 1) {
        if (matchesAt(keyword)) { found = true; break; }
        --searchPos;
      }
      if (!found) {
        searchPos = lastMatchPos;
      } else {
        lastMatchPos = searchPos;
        selected = searchPos;
        --searchPos;
      }
    }
    if (searchPos < 1) searchPos = 1;
    return selected;
  }
};

}  // namespace tamrisk::testing
