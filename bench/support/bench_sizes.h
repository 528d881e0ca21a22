// The file sizes a benchmark runs at: 10,000 records unless TOVIK_BENCH_SIZES names others
// ("10000,100000,1000000"; `make bench-all` runs all three).
#pragma once

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace benchsupport {

inline std::vector<long> benchSizes() {
    std::vector<long> sizes;
    const char* text = std::getenv("TOVIK_BENCH_SIZES");
    std::stringstream list(text && *text ? text : "10000");
    for (std::string item; std::getline(list, item, ',');)
        if (long n = std::atol(item.c_str()); n > 0) sizes.push_back(n);
    if (sizes.empty()) sizes.push_back(10000);
    return sizes;
}

}  // namespace benchsupport
