// A calculation as the fragment of the page's address, so that a link opens
// the page with the same seven inputs and runs them:
//
//   index.html#p1=10&u1=V&p2=5&u2=%CE%A9
//
// Names: p1 and p2 the entries (as typed), m1 and m2 the prefixes, u1 and
// u2 the units, f the result-unit filter; values are percent-encoded UTF-8
// of the texts the lists show. A prefix or unit that is blank (" ") and the
// no-filter entry are left out; an entry left out reads as "0".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/run.h"

namespace tamrisk {

// The longest value a link may carry, in characters.
inline constexpr std::size_t MaxLinkValueLength = 100;

// The fragment for the inputs, without "#". Every byte but the letters,
// digits and "-._~" is written as %XX.
std::string EncodeLink(const RunInput& input);

struct LinkRead {
  // The seven inputs (thisYear 0), when the link carries a calculation that
  // can be filled in.
  std::optional<RunInput> input;
  // Why nothing is filled, in one line of Japanese; empty when the fragment
  // is empty (no link at all) or the link was read.
  std::string reason;
};

// Reads a fragment (with or without its leading "#"). The values must be
// texts of the catalogue: an unknown prefix, unit or filter, a name that is
// not one of the seven, a name given twice, a value longer than
// MaxLinkValueLength characters, a control character or a malformed %XX or
// UTF-8 fill nothing.
LinkRead DecodeLink(std::string_view fragment);

}  // namespace tamrisk
