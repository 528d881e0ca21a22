#pragma once
// The three small windows of query by example, each modal over the search form.

#include <string_view>

#include "frame/match_types.h"
#include "runtime/text/value.h"

// "Match Type for ...": the types `kind` offers, `current` chosen. Answers the type chosen
// on OK, -1 when the user cancelled.
int SelectMatchType(FieldKind kind, int current);

// "Enter Upper Limit": shows `lower` and lets the user enter `upper` (changed in place on
// OK) through the field's picture. The upper limit must be above the lower one. Answers 1
// for OK, 0 otherwise.
int EnterUpperLimit(const rt::Value& lower, rt::Value& upper, std::string_view picture);

// "Begin Search": 0 cancel, 1 Edit, 2 Select, 3 Unselect ("&Unselect" only when the table
// holds tags). Tag table 0 asks nothing and answers 1.
int BeginSearch(long tagTable, bool tableHasTags);
