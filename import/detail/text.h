#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/decimal.h"
#include "text/lines.h"

// What the format readers share beyond text/'s lines, words and numbers: the names a header
// row gives its columns, and the advice that names the --weight choices.
namespace mst {

// The advice where a measure may stand under other names: "--weight year takes the measures
// from it", or for several "--weight year or --weight strength takes the measures from one of
// them" (names in single quotes where quoted is true, as a shell wants names of columns).
[[nodiscard]] std::string WeightChoices(const std::vector<std::string>& names, bool quoted);
// The names joined as "'a'", "'a' and 'b'", "'a', 'b' and 'c'".
[[nodiscard]] std::string Listed(const std::vector<std::string>& names);
// What a header row's column name means: the source, the target or the measure of an edge, by
// the names spreadsheets, Gephi, pandas and graph tools give them (case aside); kNone else.
// Single letters (u, v, w, a, b) are not among them: they name nodes as often as columns.
enum class Role { kSource, kTarget, kWeight, kNone };
[[nodiscard]] Role RoleOfName(std::string_view name);
// The first names of a role, for messages: "source, from, src...".
[[nodiscard]] const char* RoleExamples(Role role);
// Whether the fields name a source and a target column (others may be anything: Gephi's Type
// and Id, pandas's unnamed index): a header row, not an edge.
[[nodiscard]] bool NamesColumns(const std::vector<std::string_view>& fields);

}  // namespace mst
