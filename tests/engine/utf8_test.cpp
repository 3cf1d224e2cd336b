#include "engine/utf8.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace tamrisk {
namespace {

// One character at a time: a valid one whole, an invalid one up to the byte
// where it fails (at least its first byte), never past the end of the text.
TEST(Utf8Test, OneCharacterAtATime) {
  struct C {
    std::string_view text;
    char32_t code;
    std::size_t size;
    bool valid;
  };
  const C cases[] = {
      {"A", U'A', 1, true},
      {"\x7f", 0x7F, 1, true},
      {"Ω", 0x3A9, 2, true},
      {"指定", 0x6307, 3, true},
      {"\U0001F600", 0x1F600, 4, true},
      {"\xf4\x8f\xbf\xbf", 0x10FFFF, 4, true},
      {"\xef\xbf\xbd", 0xFFFD, 3, true},
      {"\x80", 0x80, 1, false},              // a continuation byte alone
      {"\xc1\xbf", 0xC1, 1, false},          // an overlong form's lead byte
      {"\xe0\x9f\x80", 0xE0, 1, false},      // an overlong three-byte form
      {"\xed\xa0\x80", 0xED, 1, false},      // a surrogate
      {"\xf4\x90\x80\x80", 0xF4, 1, false},  // above U+10FFFF
      {"\xf5\x80", 0xF5, 1, false},
      {"\xe3\x81", 0xE3, 2, false},          // cut at the end of the text
      {"\xe3\x81" "A", 0xE3, 2, false},      // cut before another character
      {"\xf0\x9f\x98", 0xF0, 3, false},
  };
  for (const C& c : cases) {
    const Utf8Char got = Utf8At(c.text, 0);
    EXPECT_EQ(got.code, c.code) << c.text;
    EXPECT_EQ(got.size, c.size) << c.text;
    EXPECT_EQ(got.valid, c.valid) << c.text;
  }
  // In the middle of a text.
  const std::string_view text = "a\xe3\x81\x82z";
  EXPECT_EQ(Utf8At(text, 1).code, U'\u3042');
  EXPECT_EQ(Utf8At(text, 4).code, U'z');
}

}  // namespace
}  // namespace tamrisk
