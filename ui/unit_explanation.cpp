#include "ui/unit_explanation.h"

#include "engine/explanations.h"
#include "ui/app_state.h"

namespace tamrisk {

QString PrefixExplanation(const QString& prefix) {
  return FromUtf8(PrefixExplanation(std::string_view(prefix.toStdString())));
}

QString UnitExplanation(const QString& unit) {
  return FromUtf8(UnitExplanation(std::string_view(unit.toStdString())));
}

QString UnitExplanationText(const QString& prefix, const QString& unit) {
  return FromUtf8(UnitExplanationText(prefix.toStdString(), unit.toStdString()));
}

}  // namespace tamrisk
