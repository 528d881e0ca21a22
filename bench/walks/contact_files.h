// The MAIL files of the walk benchmarks: one folder per size in the temporary folder, the
// file made once and kept for later runs.
#pragma once

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "records/mail.h"
#include "runtime/data/transaction.h"

namespace benchsupport {

inline std::filesystem::path folderFor(long contacts) {
    auto p =
        std::filesystem::temp_directory_path() / "tovik_bench_walks" / std::to_string(contacts);
    std::filesystem::create_directories(p);
    return p;
}

inline std::string syllables(unsigned long x, int count) {
    static const char* parts[] = {"Ba", "Co", "De", "Fi", "Ga", "Ho", "Ju", "Ke",
                                  "La", "Mo", "Ne", "Pi", "Ro", "Sa", "Tu", "Ve"};
    std::string s;
    for (int i = 0; i < count; ++i) {
        s += parts[x % 16];
        x /= 16;
    }
    return s;
}

// Creates MAIL.KVF once in the size's folder; later runs reuse it. One contact in a hundred
// has "HIT" in MAI:TAB1, the field the search looks at (no key starts a search there).
inline void ensureMail(long contacts) {
    std::filesystem::current_path(folderFor(contacts));
    rt::RecordFile& mail = records::mailFile();
    mail.setName("MAIL.KVF");
    if (std::filesystem::exists("MAIL.KVF") && mail.open() == 0) {
        const bool complete = mail.records() == contacts;
        mail.close();
        if (complete) return;
    }
    std::printf("making %ld contacts...\n", contacts);
    std::fflush(stdout);
    mail.remove();  // an incomplete file from an earlier run: CREATE never replaces one
    if (mail.create() != 0 || mail.open() != 0) throw std::runtime_error("cannot create MAIL");
    rt::logout(30, {&mail});
    for (long n = 1; n <= contacts; ++n) {
        const unsigned long x = static_cast<unsigned long>(n) * 2654435761UL;
        mail.clear();
        MAI::FIRSTNAME.setText(syllables(x, 3));
        MAI::LASTNAME.setText(syllables(x >> 12, 4));
        MAI::COMPANYNAME.setText(syllables(x >> 20, 5) + " Supplies");
        MAI::CITY.setText(syllables(x >> 8, 3) + "ville");
        MAI::STATE.setText(syllables(x >> 16, 1));
        MAI::ZIP.setText(std::to_string(10000 + (x >> 4) % 90000));
        MAI::HOMEPHONE.setText(std::to_string(2000000000 + n));
        MAI::TAB1.setText(n % 100 == 0 ? "HIT" : syllables(x >> 24, 2));
        if (mail.add() != 0) throw std::runtime_error("cannot add to MAIL");
        if (n % 100000 == 0) {
            rt::commit();
            rt::logout(30, {&mail});
        }
    }
    rt::commit();
    mail.close();
}

inline void removeTags() {
    std::error_code ec;
    std::filesystem::remove("TagFile_.KVF", ec);
}

}  // namespace benchsupport
