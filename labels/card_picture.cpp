#include "labels/card_picture.h"

#include <span>
#include <vector>

#include "runtime/system/picture.h"
#include "runtime/system/resource_lookup.h"

namespace labels {

bool readCardPicture(std::string_view path, std::string& bytes, std::string& error) {
    // A name is found as image controls find theirs: as given, else among the program's own
    // pictures.
    const std::filesystem::path file =
        rt::findResource(path).value_or(std::filesystem::path(std::string(path)));
    std::vector<std::uint8_t> data;
    if (!rt::readFileBytes(file, data)) {
        error = "the file cannot be read";
        return false;
    }
    const rt::PictureResult decoded = rt::decodePicture(data);
    if (!decoded.ok()) {
        error = decoded.error;
        return false;
    }
    bytes.assign(data.begin(), data.end());
    return true;
}

}  // namespace labels
