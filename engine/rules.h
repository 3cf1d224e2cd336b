// Formula rules and domains, for the files that write rule tables: this
// header brings in everything a table needs.
//
// A domain is constant data, fixed when the program is compiled: its
// tables, each an ordered list of entries, each entry either a section of
// the formula list document (its title and formula lines) or a rule row (two
// input units, the result units that let it fire under a filter, an optional
// value condition, the computation and the line template). One generic
// matcher evaluates every domain. The parts live in:
//
//   engine/constants.h       the constants that rules of several domains share
//   engine/rule_row.h        what a table author writes (Rule, Either,
//                            ThisOrder, AnyOf, Filter, R, Doc, Ctx, Eng5 ...)
//   engine/line_template.h   a row's line, compiled when the row is made
//   engine/rule_table.h      TableRows and RuleTable: a table and its index
//   engine/formula_domain.h  FormulaDomain: the tables of a domain, the matcher
//
// A rule row reads like a line of the formula tables:
//
//   Rule(Either("V", "Ω"), Filter{"A"},
//        [](const Ctx& c) { return R{Eng5(c["V"] / c["Ω"])}; },
//        "●{Ω}の抵抗に電圧{V}を印加した場合に流れる電流は {r}A"),
//
// and a table is a list of such rows and sections, each section before the
// rows whose formulas it prints:
//
//   constexpr auto OhmsLawRows = TableRows{
//       Doc({"title", "formula"}),
//       Rule(...),
//   };
//   constinit const RuleTable OhmsLawTable{OhmsLawRows};
//
// (g++ keeps rows made as `constexpr TableRows OhmsLawRows{...}` in writable
// memory; made as above, they are read-only like every other constant.) A
// domain lists its tables in rule order (formulas/<folder>/*_domain.cpp).
//
// A value condition whose own arithmetic fails does not hold; it raises no
// flag. Square a value with Sq (the product x*x), not with Pow. A factor
// that converts between units is written once, in formulas/unit_factors.h
// (MetresPerMile ...), and a figure that several rows of one file share is
// named at the top of that file.
//
// Values and labels are looked up by the name of the parameter's unit ("V"),
// or "V#1"/"V#2" where both parameters share a unit. In the line template,
// {name} is that parameter's label, {U} the unit text of the first-named
// parameter, {crlf} a CR LF inside the line, and every other placeholder
// ({r}, {r1}, {r2}, {s}, ...) a result: the computation returns the result
// texts in the order in which their placeholders first appear in the line.
// A line has at most MaxResults (12) results and LineTemplate::MaxPlaceholders
// (20) placeholders. *Either order* rows give two rules, the first-named
// unit in parameter 1 first; both write the same line.
//
// A row written wrongly (a unit outside the catalogue, a line whose results
// do not match the computation's, one unit twice in either order, an open
// placeholder, a line beyond its limits) stops the compilation at that row
// with its reason; made at run time, it throws RuleDefinitionError.
#pragma once

#include "engine/constants.h"
#include "engine/formula_domain.h"
#include "engine/rule_row.h"
#include "engine/rule_table.h"
