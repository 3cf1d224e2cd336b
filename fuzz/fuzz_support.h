// Checks shared by the fuzz targets. A failed check aborts, which libFuzzer
// reports as a crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tamrisk::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "property violated: %s\n%.*s\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

inline void Check(bool condition, const char* what, std::string_view detail = {}) {
  if (!condition) Fail(what, detail);
}

// True when `s` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
inline bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t length = 0;
    if (c < 0x80) length = 1;
    else if (c >= 0xC2 && c <= 0xDF) length = 2;
    else if (c >= 0xE0 && c <= 0xEF) length = 3;
    else if (c >= 0xF0 && c <= 0xF4) length = 4;
    else return false;
    if (i + length > s.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      const unsigned char d = static_cast<unsigned char>(s[i + k]);
      unsigned char low = 0x80, high = 0xBF;
      if (k == 1 && c == 0xE0) low = 0xA0;
      if (k == 1 && c == 0xED) high = 0x9F;
      if (k == 1 && c == 0xF0) low = 0x90;
      if (k == 1 && c == 0xF4) high = 0x8F;
      if (d < low || d > high) return false;
    }
    i += length;
  }
  return true;
}

// A strict reader for the JSON the batch mode writes: one object whose
// values are strings. Returns true when `s` is exactly such an object.
class JsonObjectReader {
 public:
  explicit JsonObjectReader(std::string_view s) : s_(s) {}

  bool Read() {
    Blanks();
    if (!Take('{')) return false;
    Blanks();
    if (Take('}')) return Done();
    while (true) {
      Blanks();
      if (!String()) return false;
      Blanks();
      if (!Take(':')) return false;
      Blanks();
      if (!String()) return false;
      Blanks();
      if (Take('}')) return Done();
      if (!Take(',')) return false;
    }
  }

 private:
  bool Done() {
    Blanks();
    return i_ == s_.size();
  }
  void Blanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
  }
  bool Take(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  static bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  }
  bool String() {
    if (!Take('"')) return false;
    while (i_ < s_.size()) {
      const unsigned char c = static_cast<unsigned char>(s_[i_++]);
      if (c == '"') return true;
      if (c < 0x20) return false;  // control characters must be escaped
      if (c != '\\') continue;
      if (i_ >= s_.size()) return false;
      const char e = s_[i_++];
      if (e == 'u') {
        for (int k = 0; k < 4; ++k) {
          if (i_ >= s_.size() || !IsHex(s_[i_++])) return false;
        }
      } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
        return false;
      }
    }
    return false;
  }

  std::string_view s_;
  size_t i_ = 0;
};

}  // namespace tamrisk::fuzz
