#pragma once
// Value sources that bind a report's controls to record fields, globals and the texts a
// report composes.

#include <string>

#include "records/handles.h"
#include "runtime/print/report_structure.h"
#include "runtime/text/fixed_text.h"

namespace labels {

inline rt::ValueSource fieldSource(const rt::Field& f) {
    return [&f] { return f.value(); };
}

inline rt::ValueSource textSource(const std::string& s) {
    return [&s] { return rt::Value(s); };
}

template <std::size_t N>
rt::ValueSource globalSource(const rt::FixedString<N>& g) {
    return [&g] { return rt::Value(std::string(g.view())); };
}

}  // namespace labels
