#pragma once
// A card's picture is kept in CAR:PHOTOGRAPH as the picture file's own bytes (GIF, BMP, JPEG
// or PCX); the form and the card reports both read and write that form.

#include <string>
#include <string_view>

namespace labels {

// Reads a picture file (a name not found as given is looked for among the program's own
// pictures) and checks that it decodes. On success `bytes` holds the file's
// contents; otherwise it is left as it was and `error` says why the file was refused.
bool readCardPicture(std::string_view path, std::string& bytes, std::string& error);

}  // namespace labels
