#include "frame/file_name_entry.h"

#include <algorithm>

#include "runtime/text/codepage.h"
#include "runtime/text/file_names.h"
#include "runtime/text/fixed_text.h"

std::string FileNameEntry::choose(std::string_view fileSystemName, std::span<char> entry) {
    chosen_ = std::string(rt::clip(fileSystemName));
    const rt::StoredFileName stored = rt::storedFileName(chosen_);
    shown_ = stored.text.substr(0, entry.size());
    shown_.resize(entry.size(), ' ');
    std::copy(shown_.begin(), shown_.end(), entry.begin());
    return stored.unstorable;
}

std::string FileNameEntry::named(std::string_view entry) const {
    // Compared blanks included: a chosen name whose last shown character is a blank still
    // matches what the entry shows of it.
    std::string held(entry.substr(0, shown_.size()));
    held.resize(shown_.size(), ' ');
    if (!chosen_.empty() && held == shown_) return chosen_;
    return rt::fileSystemNameOf(entry);
}

std::string unstorableNameMessage(std::string_view fileSystemName, std::string_view character,
                                  std::string_view entryName) {
    return "The name of the file " + rt::shownFileName(fileSystemName) + " holds the character " +
           rt::codePointName(character) + ", which the " + std::string(entryName) +
           " entry cannot hold: it shows a ? in its place. The file chosen is used all the same; "
           "a name typed into the entry must not hold that character.";
}
