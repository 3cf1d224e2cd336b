// The formula list document: the header, then nine categories, each a banner
// and the sections of the domains that belong to it.
#pragma once

#include <span>
#include <string>

namespace tamrisk {

class FormulaDomain;

// Lines joined by CR LF, with one CR LF in front; no line break after the
// last line (a blank).
std::string BuildFormulaDocument(std::span<const FormulaDomain* const> domains);

}  // namespace tamrisk
