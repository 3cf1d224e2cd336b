#include "cli/json.h"

#include <array>
#include <cstddef>
#include <vector>

#include "engine/utf8.h"
#include "formulas/catalogue_run.h"

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

std::string JsonEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  AppendJsonString(out, text);
  return out;
}

std::string OutputJson(const RunOutput& out) {
  std::string json;
  json.reserve(out.param1.size() + out.param2.size() + out.output.size() + out.output.size() / 8 + 48);
  json += "{\"param1\": ";
  AppendJsonString(json, out.param1);
  json += ", \"param2\": ";
  AppendJsonString(json, out.param2);
  json += ", \"output\": ";
  AppendJsonString(json, out.output);
  json += '}';
  return json;
}

std::string ExplainedJson(const ExplainedRun& run) {
  std::string json = OutputJson(run.output);
  json.pop_back();
  json += ", \"lines\": [";
  const std::vector<LineFormula> formulas = CatalogueFormulasOfLines(run);
  const std::vector<std::string_view> lines = ResultLines(run.output.output);
  for (std::size_t i = 0; i < formulas.size() && i < lines.size(); ++i) {
    const LineFormula& f = formulas[i];
    json += i ? ", {\"text\": " : "{\"text\": ";
    AppendJsonString(json, lines[i]);
    json += ", \"title\": ";
    AppendJsonString(json, f.title);
    json += ", \"formulas\": [";
    bool first = true;
    for (std::string_view formula : FormulasInOrder(f)) {
      if (!first) json += ", ";
      first = false;
      AppendJsonString(json, formula);
    }
    json += "], \"own\": ";
    json += f.ownFormula >= 0 ? "true" : "false";
    json += ", \"bindings\": [";
    for (std::size_t b = 0; b < f.bindings.size(); ++b) {
      if (b) json += ", ";
      AppendJsonString(json, f.bindings[b]);
    }
    json += ']';
    if (!f.substitution.empty()) {
      json += ", \"substitution\": ";
      AppendJsonString(json, f.substitution);
    }
    json += '}';
  }
  json += "]}";
  return json;
}

}  // namespace tamrisk
