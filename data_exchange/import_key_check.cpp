#include "data_exchange/import_key_check.h"

#include <algorithm>

#include "runtime/data/key_codec.h"
#include "runtime/text/fixed_text.h"

ImportKeyCheck::ImportKeyCheck(rt::RecordFile& file, const std::vector<ImportColumn>& columns,
                               const std::string& numberField)
    : file_(file) {
    const rt::FileDecl& decl = file.decl();
    const int numbered = numberField.empty() ? -1 : resolveField(decl, numberField).field;
    for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k) {
        const rt::KeyDecl& key = decl.keys()[k];
        if (!key.unique() || key.components.empty()) continue;
        if (std::any_of(key.components.begin(), key.components.end(),
                        [&](const rt::KeyComponent& c) { return c.field == numbered; }))
            continue;
        UniqueKey unique;
        unique.key = k;
        unique.field = key.components.front().field;
        for (std::size_t n = 0; n < columns.size() && unique.where.empty(); ++n) {
            for (std::size_t t = 0; t < columns[n].refs.size(); ++t) {
                const int field = columns[n].refs[t].field;
                const bool component =
                    std::any_of(key.components.begin(), key.components.end(),
                                [&](const rt::KeyComponent& c) { return c.field == field; });
                if (field < 0 || !component) continue;
                unique.field = field;
                unique.where =
                    ", column Field_" + std::to_string(n + 1) + " (" + columns[n].targets[t] + ")";
                break;
            }
        }
        keys_.push_back(std::move(unique));
    }
}

std::optional<std::string> ImportKeyCheck::refusal(long line) {
    for (UniqueKey& unique : keys_) {
        const rt::KeyDecl& key = file_.decl().keys()[unique.key];
        const std::string values = rt::keycodec::encodeComponents(key, file_.buf());
        const std::string shown =
            unique.where.empty() ? " (" + key.name + ")"
                                 : unique.where + ": \"" +
                                       std::string(rt::clip(file_.buf().text(unique.field))) + "\"";
        const std::string where = "Line " + std::to_string(line) + shown;
        const auto [earlier, first] = unique.lines.emplace(values, line);
        if (!first) return where + " repeats line " + std::to_string(earlier->second) + ".";
        // GET by the key finds the record with these values; the built record is kept aside.
        const rt::RecordBuffer built = file_.buf();
        const bool inFile = file_.get(unique.key) == 0;
        file_.buf() = built;
        if (inFile) return where + " is already in the file.";
    }
    return std::nullopt;
}
