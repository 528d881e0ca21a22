#include "runtime/text/file_names.h"

#include "runtime/text/codepage.h"
#include "runtime/text/fixed_text.h"

namespace rt {

std::filesystem::path userFilePath(std::string_view fileSystemName) {
    // On this system a path is its bytes: the name is taken as it stands.
    return std::filesystem::path(std::string(clip(fileSystemName)));
}

std::string fileSystemNameOf(std::string_view recordText) {
    return cp1252ToUtf8(clip(recordText));
}

StoredFileName storedFileName(std::string_view fileSystemName) {
    StoredFileName stored;
    const Cp1252Conversion exact = utf8ToCp1252Exactly(fileSystemName);
    stored.unstorable = exact.refused;
    stored.text = exact.refused.empty() ? exact.text : utf8ToCp1252(fileSystemName);
    return stored;
}

std::string shownFileName(std::string_view fileSystemName) {
    return utf8ToCp1252(fileSystemName);
}

}  // namespace rt
