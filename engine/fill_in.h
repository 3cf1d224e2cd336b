// Texts with numbered places: %1, %2 … filled in.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tamrisk {

// `text` with %1, %2 … replaced by `values` in one pass: a value is put in
// as it is, even one that holds "%2". A place without a value stays.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace tamrisk
