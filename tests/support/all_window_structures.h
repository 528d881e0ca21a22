#pragma once
// Every window structure of the program, by a readable name, for tests that look at all
// windows at once.

#include <string>
#include <vector>

#include "runtime/ui/window_structure.h"

namespace testsupport {

struct NamedStructure {
    std::string name;  // "module label" ("Tovik002 contact form")
    const rt::WindowStructure* structure;
};

std::vector<NamedStructure> allWindowStructures();

}  // namespace testsupport
