#pragma once
// What the numbers the windows and reports show can hold: each field's largest and lowest
// value (or the range the program keeps it within), amounts kept as text, the window
// variables that are no field, and the field behind each list column that shows a number.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/data/record_file.h"
#include "runtime/text/decimal.h"

namespace testsupport {

// Running sums are checked over this many records at the field's largest value.
inline constexpr int kSummedRecords = 10000;

struct Limits {
    rt::Decimal lowest, highest;
};

struct FoundField {
    rt::RecordFile* file = nullptr;
    int index = -1;
};

// The record file and index of a field named "PRE:NAME"; no file when there is none.
FoundField findField(std::string_view name);

// Window variables that are no field, and amounts kept as text.
std::optional<Limits> localLimits(std::string_view use);

// What a field (at the limits the program keeps it within) or a variable can hold; nullopt
// for text.
std::optional<Limits> limitsOfUse(std::string_view use);

// The limits of a declared field: kept limits first, then its type's.
std::optional<Limits> limitsOf(const rt::FieldDecl& f, bool kept);

// Number and pattern pictures.
bool isNumberPicture(const std::string& picture);

// What a number picture writes at each limit that it cannot show ("#"), as a message.
std::vector<std::string> misfits(const std::string& picture, const Limits& limits);

// What each list column with a number or pattern picture shows.
struct ColumnSource {
    const char* structure;
    const char* header;
    const char* field;
};

// The source of a column, by the name of its window structure and its header; nullptr when
// unknown.
const ColumnSource* columnSource(const std::string& structure, const std::string& header);

}  // namespace testsupport
