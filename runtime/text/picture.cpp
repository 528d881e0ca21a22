#include "runtime/text/picture.h"

namespace rt {

PictureInfo describePicture(std::string_view) {
    return {};
}

std::string format(const Value& value, std::string_view) {
    return value.asText();
}

DeformatResult deformat(std::string_view input, std::string_view) {
    return {true, Value(std::string(input))};
}

long expandTwoDigitYear(long twoDigitYear, long currentYear) {
    long year = currentYear - currentYear % 100 + twoDigitYear;
    if (year > currentYear + 20) year -= 100;
    if (year < currentYear - 79) year += 100;
    return year;
}

}  // namespace rt
