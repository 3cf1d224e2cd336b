#include "engine/link.h"

#include <array>

#include "engine/catalogue.h"

namespace tamrisk {

namespace {

struct LinkField {
  std::string_view name;
  std::string RunInput::*member;
  std::string_view what;  // the control's name in the reasons
  enum Kind { Number, Prefix, Unit, Filter } kind;
};
constexpr std::array<LinkField, 7> LinkFields = {{
    {"p1", &RunInput::param1, "パラメータ１の数値", LinkField::Number},
    {"m1", &RunInput::subUnit1, "パラメータ１の倍数", LinkField::Prefix},
    {"u1", &RunInput::unit1, "パラメータ１の単位", LinkField::Unit},
    {"p2", &RunInput::param2, "パラメータ２の数値", LinkField::Number},
    {"m2", &RunInput::subUnit2, "パラメータ２の倍数", LinkField::Prefix},
    {"u2", &RunInput::unit2, "パラメータ２の単位", LinkField::Unit},
    {"f", &RunInput::unit3, "結果単位指定", LinkField::Filter},
}};

std::string_view BlankOf(LinkField::Kind kind) {
  switch (kind) {
    case LinkField::Number: return "0";
    case LinkField::Prefix: return NoPrefix;
    case LinkField::Unit: return NoUnit;
    case LinkField::Filter: return NoFilter;
  }
  return {};
}

bool KnownPrefix(std::string_view text) {
  for (const PrefixEntry& prefix : PrefixCatalogue)
    if (prefix.text == text) return true;
  return false;
}

bool KnownUnit(std::string_view text) {
  if (text.empty()) return false;
  for (std::string_view unit : UnitCatalogue)
    if (unit == text) return true;
  return false;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The number of characters of valid UTF-8 text without control
// characters, or nothing.
std::optional<std::size_t> CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    unsigned code = lead;
    if (lead < 0x20 || lead == 0x7F) return std::nullopt;
    if (lead >= 0x80) {
      if (lead >= 0xC2 && lead <= 0xDF) { length = 2; code = lead & 0x1Fu; }
      else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; code = lead & 0x0Fu; }
      else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; code = lead & 0x07u; }
      else return std::nullopt;
      if (text.size() - i < length) return std::nullopt;
      for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0u) != 0x80u) return std::nullopt;
        code = (code << 6) | (next & 0x3Fu);
      }
      if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
          (code >= 0xD800 && code <= 0xDFFF) || (code >= 0x80 && code < 0xA0))
        return std::nullopt;
    }
    i += length;
  }
  return count;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (text.size() - i < 3) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

const std::string Unfilled = "入力しませんでした。";

LinkRead Refused(std::string reason) {
  LinkRead read;
  read.reason = std::move(reason) + Unfilled;
  return read;
}

}  // namespace

std::string EncodeLink(const RunInput& input) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string out;
  for (const LinkField& field : LinkFields) {
    const std::string& value = input.*field.member;
    if (field.kind != LinkField::Number && value == BlankOf(field.kind)) continue;
    if (!out.empty()) out += '&';
    out += field.name;
    out += '=';
    for (const char c : value) {
      const auto byte = static_cast<unsigned char>(c);
      if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
          byte == '-' || byte == '.' || byte == '_' || byte == '~') {
        out += c;
      } else {
        out += '%';
        out += Hex[byte >> 4];
        out += Hex[byte & 0xF];
      }
    }
  }
  return out;
}

LinkRead DecodeLink(std::string_view fragment) {
  if (!fragment.empty() && fragment.front() == '#') fragment.remove_prefix(1);
  if (fragment.empty()) return {};
  const std::string malformed = "リンクの書き方が正しくないため､";
  std::array<std::optional<std::string>, LinkFields.size()> values;
  while (!fragment.empty()) {
    const std::size_t end = fragment.find('&');
    const std::string_view part = fragment.substr(0, end);
    fragment.remove_prefix(end == std::string_view::npos ? fragment.size() : end + 1);
    if (part.empty()) continue;
    const std::size_t equals = part.find('=');
    if (equals == std::string_view::npos) return Refused(malformed);
    const std::string_view name = part.substr(0, equals);
    std::size_t index = 0;
    while (index < LinkFields.size() && LinkFields[index].name != name) ++index;
    if (index == LinkFields.size())
      return Refused("リンクに Tamrisk の入力でない項目があるため､");
    if (values[index]) return Refused(malformed);
    // Before decoding: a value far too long is refused as it stands.
    const std::string_view raw = part.substr(equals + 1);
    if (raw.size() > 12 * MaxLinkValueLength)
      return Refused("リンクの" + std::string(LinkFields[index].what) + "が長すぎるため（100 文字まで）､");
    std::optional<std::string> value = PercentDecoded(raw);
    if (!value) return Refused(malformed);
    const std::optional<std::size_t> length = CharacterCount(*value);
    if (!length) return Refused(malformed);
    if (*length > MaxLinkValueLength)
      return Refused("リンクの" + std::string(LinkFields[index].what) + "が長すぎるため（100 文字まで）､");
    values[index] = std::move(value);
  }
  RunInput input;
  for (std::size_t i = 0; i < LinkFields.size(); ++i) {
    const LinkField& field = LinkFields[i];
    std::string value = values[i] ? *values[i] : std::string(BlankOf(field.kind));
    const bool known = field.kind == LinkField::Number || value == BlankOf(field.kind) ||
                       (field.kind == LinkField::Prefix ? KnownPrefix(value) : KnownUnit(value));
    if (!known) {
      const char* kind = field.kind == LinkField::Prefix ? "倍数" : "単位";
      return Refused("リンクの" + std::string(field.what) + "「" + value + "」は Tamrisk の" + kind +
                     "にないため､");
    }
    input.*field.member = std::move(value);
  }
  LinkRead read;
  read.input = std::move(input);
  return read;
}

}  // namespace tamrisk
