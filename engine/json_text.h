// The little JSON that the kept history needs: a text written as a JSON
// string, and one line read as an object of names with texts and whole
// numbers.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tamrisk {

// Appends `text` as a JSON string (quotes included). Bytes that are no valid
// UTF-8 are written as U+FFFD; control characters are escaped.
void AppendJsonString(std::string& out, std::string_view text);

// The members of a JSON object whose values are texts or whole numbers.
// Members of other kinds (fractions, true, false, null, arrays, objects)
// are passed over: a later layout may add them.
struct JsonMembers {
  std::map<std::string, std::string, std::less<>> strings;
  std::map<std::string, long long, std::less<>> numbers;
};

// Reads `text` as exactly one JSON object (blanks around it allowed).
// Nothing when it is not valid JSON, not an object, names a member twice,
// holds a text that is no valid UTF-8 or nests deeper than 32 levels.
std::optional<JsonMembers> ReadFlatJsonObject(std::string_view text);

}  // namespace tamrisk
