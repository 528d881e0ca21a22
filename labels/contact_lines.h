#pragma once
// The composed lines of the contact that prints next, kept by the label and envelope
// reports and read by their report structures.

#include <string>

namespace labels {

struct ContactLines {
    std::string name;
    std::string cityStateZip;
};

}  // namespace labels
