#include "engine/json_text.h"

#include <cstdint>

namespace tamrisk {

namespace {

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  // Overlong forms, surrogates and code points beyond U+10FFFF.
  if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
    return 0;
  if (code >= 0xD800 && code <= 0xDFFF) return 0;
  return length;
}

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
        const std::size_t length = Utf8SequenceLength(text_.substr(at_));
        if (length == 0) return false;
        out.append(text_.substr(at_, length));
        at_ += length;
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
  static constexpr char Hex[] = "0123456789abcdef";
  out += '"';
  while (!text.empty()) {
    const unsigned char c = static_cast<unsigned char>(text.front());
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\u00";
      out += Hex[c >> 4];
      out += Hex[c & 0xF];
    } else if (c >= 0x80) {
      const std::size_t length = Utf8SequenceLength(text);
      if (length == 0) {
        out += "\xEF\xBF\xBD";  // U+FFFD
        text.remove_prefix(1);
        continue;
      }
      out.append(text.substr(0, length));
      text.remove_prefix(length);
      continue;
    } else {
      out += static_cast<char>(c);
    }
    text.remove_prefix(1);
  }
  out += '"';
}

std::optional<JsonMembers> ReadFlatJsonObject(std::string_view text) {
  return Reader(text).object();
}

}  // namespace tamrisk
