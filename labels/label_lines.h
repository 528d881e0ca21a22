#pragma once
// The lines the label and envelope reports compose from a contact before each one prints.

#include <string>
#include <string_view>

namespace labels {

// "First Last": the first name without its trailing blanks, one blank, the last name without
// them. Two names of 15 characters give 31, which the label and envelope lines both hold.
std::string nameLine(std::string_view first, std::string_view last);

// Mailing labels: "City,ST Zip" without a blank after the comma. Like the envelope's, the
// line keeps every character of its fields (31 at most); the label draws it smaller where it
// is wider than the label.
std::string mailingCityStateZipLine(std::string_view city, std::string_view state,
                                    std::string_view zip);

// Envelopes: "City, ST Zip". The envelope has room for every character the fields hold, so
// the line is not cut and the zip's trailing blanks are dropped.
std::string envelopeCityStateZipLine(std::string_view city, std::string_view state,
                                     std::string_view zip);

}  // namespace labels
