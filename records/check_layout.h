#pragma once
// The layout shared by CHECKS and BLANK: the same 39 fields and 11 keys, each file under its
// own prefix. BLANK lists its check numbers from the highest down.

#include <string>

#include "runtime/data/declaration.h"

namespace records::detail {

rt::FileDecl checkLayout(std::string label, const std::string& prefix, bool checkNumberDescending);

}  // namespace records::detail
