#include "engine/line_template.h"

namespace tamrisk {

std::string_view LineTemplate::Text() const { return {text_, size_}; }

void LineTemplate::AppendTo(std::string& out, const Values& values) const {
  const char* p = text_;
  for (std::size_t k = 0; k < count_; ++k) {
    const Part part = PartAt(k);
    out.append(p, part.literal);
    p += part.literal + part.braces;
    switch (part.code) {
      case Label0: out += values.labels[0]; break;
      case Label1: out += values.labels[1]; break;
      case UnitText: out += values.unit; break;
      case CrLf: out += "\r\n"; break;
      default: out += values.results[part.code]; break;
    }
  }
  out.append(p, static_cast<std::size_t>(text_ + size_ - p));
}

}  // namespace tamrisk
