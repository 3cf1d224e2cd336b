#include "engine/json_text.h"

#include <array>

#include <cstdint>

#include "engine/utf8.h"

namespace tamrisk {

namespace {

// How a byte of UTF-8 text goes into a JSON string: Plain bytes stand for
// themselves; Lead3 bytes begin a three-byte sequence whose second byte may
// be any continuation byte (all of Japanese); every other byte is looked at
// on its own.
enum ByteKind : unsigned char { Plain, Lead3, Other };
constexpr std::array<ByteKind, 256> kByteKinds = [] {
  std::array<ByteKind, 256> kinds{};
  for (int c = 0; c < 256; ++c) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') kinds[c] = Plain;
    else if (c >= 0xE1 && c <= 0xEF && c != 0xED) kinds[c] = Lead3;
    else kinds[c] = Other;
  }
  return kinds;
}();

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }


void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  std::optional<JsonMembers> object() {
    JsonMembers members;
    blanks();
    if (!take('{')) return std::nullopt;
    blanks();
    if (!take('}')) {
      do {
        blanks();
        std::string name;
        if (!string(name)) return std::nullopt;
        blanks();
        if (!take(':')) return std::nullopt;
        blanks();
        if (members.strings.count(name) || members.numbers.count(name)) return std::nullopt;
        if (peek() == '"') {
          std::string value;
          if (!string(value)) return std::nullopt;
          members.strings.emplace(std::move(name), std::move(value));
        } else if (std::optional<long long> number = wholeNumber()) {
          members.numbers.emplace(std::move(name), *number);
        } else if (!skipValue(0)) {
          return std::nullopt;
        }
        blanks();
      } while (take(','));
      if (!take('}')) return std::nullopt;
    }
    blanks();
    if (at_ != text_.size()) return std::nullopt;
    return members;
  }

 private:
  char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool take(char c) {
    if (peek() != c || at_ >= text_.size()) return false;
    ++at_;
    return true;
  }
  void blanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n'))
      ++at_;
  }

  bool hex4(std::uint32_t& code) {
    if (text_.size() - at_ < 4) return false;
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      code <<= 4;
      if (c >= '0' && c <= '9') code |= static_cast<std::uint32_t>(c - '0');
      else if (c >= 'a' && c <= 'f') code |= static_cast<std::uint32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') code |= static_cast<std::uint32_t>(c - 'A' + 10);
      else return false;
    }
    return true;
  }

  bool string(std::string& out) {
    if (!take('"')) return false;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '"') {
        ++at_;
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        const Utf8Char ch = Utf8At(text_, at_);
        if (!ch.valid) return false;
        out.append(text_.substr(at_, ch.size));
        at_ += ch.size;
        continue;
      }
      ++at_;
      const char escape = peek();
      ++at_;
      switch (escape) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          std::uint32_t code = 0;
          if (!hex4(code)) return false;
          if (code >= 0xDC00 && code <= 0xDFFF) return false;
          if (code >= 0xD800 && code <= 0xDBFF) {
            std::uint32_t low = 0;
            if (!take('\\') || !take('u') || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
              return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(out, code);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  // A number without fraction or exponent that fits a long long; anything
  // else leaves the reader where it was.
  std::optional<long long> wholeNumber() {
    std::size_t at = at_;
    const bool negative = at < text_.size() && text_[at] == '-';
    if (negative) ++at;
    const std::size_t digits = at;
    long long value = 0;
    while (at < text_.size() && text_[at] >= '0' && text_[at] <= '9') {
      if (value > (9'000'000'000'000'000'000LL - 9) / 10) return std::nullopt;
      value = value * 10 + (text_[at] - '0');
      ++at;
    }
    if (at == digits || (text_[digits] == '0' && at - digits > 1)) return std::nullopt;
    if (at < text_.size() && (text_[at] == '.' || text_[at] == 'e' || text_[at] == 'E'))
      return std::nullopt;
    at_ = at;
    return negative ? -value : value;
  }

  bool literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  bool number() {
    const std::size_t start = at_;
    take('-');
    if (take('0')) {
    } else {
      if (peek() < '1' || peek() > '9') return false;
      while (peek() >= '0' && peek() <= '9') ++at_;
    }
    if (take('.')) {
      if (peek() < '0' || peek() > '9') return false;
      while (peek() >= '0' && peek() <= '9') ++at_;
    }
    if (peek() == 'e' || peek() == 'E') {
      ++at_;
      if (peek() == '+' || peek() == '-') ++at_;
      if (peek() < '0' || peek() > '9') return false;
      while (peek() >= '0' && peek() <= '9') ++at_;
    }
    return at_ > start;
  }

  bool skipValue(int depth) {
    if (depth > 32) return false;
    blanks();
    const char c = peek();
    if (c == '"') {
      std::string ignored;
      return string(ignored);
    }
    if (c == '{' || c == '[') {
      const char close = c == '{' ? '}' : ']';
      ++at_;
      blanks();
      if (take(close)) return true;
      do {
        blanks();
        if (c == '{') {
          std::string ignored;
          if (!string(ignored)) return false;
          blanks();
          if (!take(':')) return false;
        }
        if (!skipValue(depth + 1)) return false;
        blanks();
      } while (take(','));
      return take(close);
    }
    if (c == 't') return literal("true");
    if (c == 'f') return literal("false");
    if (c == 'n') return literal("null");
    return number();
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  static const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
  out += '"';
  const char* p = text.data();
  const char* const end = p + text.size();
  // Bytes that stand for themselves are copied a run at a time: [run, p)
  // is such a run, not yet in `out`.
  const char* run = p;
  while (p != end) {
    const auto c = static_cast<unsigned char>(*p);
    const ByteKind kind = kByteKinds[c];
    if (kind == Plain) {
      ++p;
      continue;
    }
    if (kind == Lead3 && end - p >= 3 && IsContinuation(p[1]) && IsContinuation(p[2])) {
      p += 3;
      continue;
    }
    if (c >= 0x80) {
      // A multi-byte sequence; an invalid one is replaced up to the byte
      // where it fails.
      const std::size_t at = static_cast<std::size_t>(p - text.data());
      const Utf8Char ch = Utf8At(text, at);
      if (ch.valid) {
        p += ch.size;
        continue;
      }
      out.append(run, p);
      out += kReplacement;
      run = p += ch.size;
      continue;
    }
    out.append(run, p);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: {
        static const char* hex = "0123456789abcdef";
        out += "\\u00";
        out.push_back(hex[c >> 4]);
        out.push_back(hex[c & 15]);
      }
    }
    run = ++p;
  }
  out.append(run, p);
  out += '"';
}

std::optional<JsonMembers> ReadFlatJsonObject(std::string_view text) {
  return Reader(text).object();
}

}  // namespace tamrisk
