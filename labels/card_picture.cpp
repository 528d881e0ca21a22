#include "labels/card_picture.h"

#include <span>
#include <vector>

#include "runtime/system/picture.h"
#include "runtime/system/resource_lookup.h"
#include "runtime/text/file_names.h"

namespace labels {

bool readCardPicture(std::string_view path, std::string& bytes, std::string& error) {
    // A name is found as image controls find theirs: as given, else among the program's own
    // pictures.
    std::filesystem::path file = rt::userFilePath(path);
    std::error_code missing;
    if (!std::filesystem::is_regular_file(file, missing))
        file = rt::findResource(rt::storedFileName(path).text).value_or(file);
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
