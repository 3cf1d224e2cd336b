// The note a search of the formula list shows when it finds nothing.
#pragma once

#include <string>
#include <string_view>

namespace tamrisk {

// %1 is the search text.
namespace search_texts {
inline constexpr std::string_view NotFound = "｢%1｣は見つかりません";
inline constexpr std::string_view NoneBelow = "｢%1｣はこれより下にはありません";
inline constexpr std::string_view NoneAbove = "｢%1｣はこれより上にはありません";
}  // namespace search_texts

// Why a search step forward (`down`) or backward found nothing: the search
// text occurs nowhere in the document, or only before (after) the last
// match. UTF-8; a lone surrogate of the search text reads as U+FFFD.
std::string SearchMissNote(std::u16string_view document, std::u16string_view keyword, bool down);

}  // namespace tamrisk
