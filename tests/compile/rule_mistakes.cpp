// A table with one row written wrongly, chosen by MISTAKE: every case but 0
// must stop the compilation with its reason; case 0, the row written rightly,
// must compile.
#include "engine/rules.h"

namespace tamrisk {
namespace {

constexpr auto OneResult = [](const Ctx& c) { return R{Eng5(c["V"] / c["Ω"])}; };

constexpr TableRows MistakeRows{
#if MISTAKE != 7
    Doc({"section"}),
#endif
#if MISTAKE == 0
    Rule(Either("V", "Ω"), Filter{"A"}, OneResult, "{V} {Ω} {r}A"),
#elif MISTAKE == 1  // a unit outside the catalogue
    Rule(Either("V", "Ohm"), Filter{"A"}, OneResult, "{V} {r}A"),
#elif MISTAKE == 2  // two results in the line, one computed
    Rule(Either("V", "Ω"), Filter{"A"}, OneResult, "{V} {r1}A {r2}A"),
#elif MISTAKE == 3  // one unit twice, in either order
    Rule(Either("V", "V"), Filter{"A"}, OneResult, "{r}A"),
#elif MISTAKE == 4  // a placeholder left open
    Rule(Either("V", "Ω"), Filter{"A"}, OneResult, "{V} {r}A {Ω"),
#elif MISTAKE == 5  // more results than a line may have
    Rule(Either("V", "Ω"), Filter{"A"}, OneResult, "{a}{b}{c}{d}{e}{f}{g}{h}{i}{j}{k}{l}{m}"),
#elif MISTAKE == 6  // more placeholders than a line may have
    Rule(Either("V", "Ω"), Filter{"A"}, OneResult,
         "{r}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{V}{Ω}"),
#elif MISTAKE == 7  // a rule before any section, so without its formula
    Rule(Either("V", "Ω"), Filter{"A"}, OneResult, "{V} {Ω} {r}A"),
#endif
};

}  // namespace

extern const RuleTable MistakeTable;
constinit const RuleTable MistakeTable{MistakeRows};

}  // namespace tamrisk
