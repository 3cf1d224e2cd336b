// Reading UTF-8 one character at a time, strictly: no overlong forms, no
// surrogates, nothing above U+10FFFF. Every front end that takes a text
// apart by characters goes through Utf8At, so that they all agree on what
// is a character and what is a broken one.
#pragma once

#include <cstddef>
#include <string_view>

namespace tamrisk {

struct Utf8Char {
  char32_t code = 0;     // the code point; for an invalid sequence, its first byte
  std::size_t size = 1;  // bytes taken: the whole character, or the invalid part
  bool valid = true;     // false: `size` bytes are the longest start of a
                         // sequence that no character completes (at least one)
};

// The character that begins at s[i] (i < s.size()). An invalid sequence is
// taken up to the byte where it fails, as the Unicode standard's "maximal
// subpart", so that a cut character is one replacement and the character
// after it survives.
constexpr Utf8Char Utf8At(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return {c, 1, true};
  std::size_t length = 0;
  if (c >= 0xC2 && c <= 0xDF) length = 2;
  else if (c >= 0xE0 && c <= 0xEF) length = 3;
  else if (c >= 0xF0 && c <= 0xF4) length = 4;
  else return {c, 1, false};
  char32_t code = c & (0xFFu >> (length + 1));
  std::size_t k = 1;
  for (; k < length && i + k < s.size(); ++k) {
    const auto d = static_cast<unsigned char>(s[i + k]);
    unsigned char low = 0x80, high = 0xBF;
    if (k == 1) {
      if (c == 0xE0) low = 0xA0;
      else if (c == 0xED) high = 0x9F;
      else if (c == 0xF0) low = 0x90;
      else if (c == 0xF4) high = 0x8F;
    }
    if (d < low || d > high) break;
    code = (code << 6) | (d & 0x3Fu);
  }
  if (k == length) return {code, length, true};
  return {c, k, false};
}

}  // namespace tamrisk
