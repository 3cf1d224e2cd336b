// The formula list document: the header, then nine categories, each a banner
// and the sections of the domains that belong to it.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace tamrisk {

class FormulaDomain;

// Lines joined by CR LF, with one CR LF in front; no line break after the
// last line (a blank).
std::string BuildFormulaDocument(std::span<const FormulaDomain* const> domains);

// The line of that document, split at CR LF (line 0 is the empty one before
// the header), that holds the first line of section `section` of `domain`.
std::size_t FormulaDocumentLine(std::span<const FormulaDomain* const> domains,
                                const FormulaDomain& domain, std::size_t section);

}  // namespace tamrisk
