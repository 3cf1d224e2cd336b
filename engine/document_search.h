// Text search over the formula list document: the state kept between clicks
// of the two search buttons, and the stepping from match to match.
//
// Positions are 1-based and count the UTF-16 characters of the document,
// CR and LF each counting as one. The stepping is defined one position at a
// time (compare, then move one character); the scan itself uses a string
// search over the same range, so the result of every click is exactly that
// of the stepwise walk.
#pragma once

#include <optional>
#include <string_view>

namespace tamrisk {

class DocumentSearch {
 public:
  struct Match {
    int position;  // 1-based start of the match in the document
    int length;    // length of the search text (0 for an empty text)
  };

  // Back to the top: searchPos and lastMatchPos become 1.
  void reset();

  // One click of the forward button. Compares at searchPos, searchPos + 1,
  // ... up to the last but one position of the document (never at the last
  // position). Returns the match to select, or nothing when the selection is
  // to stay as it is.
  std::optional<Match> searchDown(std::u16string_view document, std::u16string_view keyword);

  // One click of the backward button. Compares at searchPos, searchPos - 1,
  // ... down to position 1.
  std::optional<Match> searchUp(std::u16string_view document, std::u16string_view keyword);

  int searchPos() const { return searchPos_; }
  int lastMatchPos() const { return lastMatchPos_; }

 private:
  // The end of a click: with a match (`found` > 0) the search goes on one
  // position past it in the click's direction (`step`); without one it
  // stands at the last match again.
  std::optional<Match> Conclude(int found, int length, int step);

  int searchPos_ = 1;
  int lastMatchPos_ = 1;
};

}  // namespace tamrisk
