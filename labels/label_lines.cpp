#include "labels/label_lines.h"

#include "runtime/text/fixed_text.h"

namespace labels {

namespace {

// City, separator, the state's two characters as stored, one blank, the zip.
std::string cityStateZip(std::string_view city, std::string_view separator, std::string_view state,
                         std::string_view zip) {
    std::string stateText(state.substr(0, 2));
    stateText.resize(2, ' ');
    return std::string(rt::clip(city)) + std::string(separator) + stateText + " " +
           std::string(rt::clip(zip));
}

}  // namespace

std::string nameLine(std::string_view first, std::string_view last) {
    return std::string(rt::clip(first)) + " " + std::string(rt::clip(last));
}

std::string mailingCityStateZipLine(std::string_view city, std::string_view state,
                                    std::string_view zip) {
    return cityStateZip(city, ",", state, zip);
}

std::string envelopeCityStateZipLine(std::string_view city, std::string_view state,
                                     std::string_view zip) {
    return cityStateZip(city, ", ", state, zip);
}

}  // namespace labels
