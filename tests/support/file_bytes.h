#pragma once
// A file's bytes, written and read whole.

#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

inline void writeBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace testsupport
