#pragma once
// Damages a key of a record file on disk the way a failing disk would: garbage over the first
// page of the key's index, the page header left standing. The records stay whole, so reads
// in that key answer 46 and BUILD can mend it.

#include <sqlite3.h>

#include <fstream>
#include <stdexcept>
#include <string>

namespace testsupport {

// `index` is the key's index in the file: "rec_k0" for the first key, "rec_k1" for the next.
inline void damageKeyPages(const std::string& file, const std::string& index) {
    int root = 0;
    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) throw std::runtime_error("no " + file);
    sqlite3_stmt* s = nullptr;
    const std::string sql = "SELECT rootpage FROM sqlite_master WHERE name = '" + index + "'";
    sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr);
    if (sqlite3_step(s) == SQLITE_ROW) root = sqlite3_column_int(s, 0);
    sqlite3_finalize(s);
    sqlite3_close(db);
    if (root < 2) throw std::runtime_error("no index " + index + " in " + file);
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    out.seekp((root - 1) * 4096L + 8);
    const std::string garbage(4000, '\xA5');
    out.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
}

}  // namespace testsupport
