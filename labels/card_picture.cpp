#include "labels/card_picture.h"

#include <span>
#include <vector>

#include "runtime/system/picture.h"

namespace labels {

bool readCardPicture(std::string_view path, std::string& bytes, std::string& error) {
    std::vector<std::uint8_t> data;
    if (!rt::readFileBytes(std::filesystem::path(std::string(path)), data)) {
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
