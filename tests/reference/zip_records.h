#pragma once
// A new ZIP file holding one zip code, for tests that need a known one.

#include "records/zip.h"

namespace reftest {

inline void makeZipFile(const char* city, const char* state, const char* zip) {
    ZIP.create();
    ZIP.open();
    ZIP.clear();
    ZIP::CITY.setText(city);
    ZIP::STATE.setText(state);
    ZIP::ZIP_.setText(zip);
    ZIP.add();
    ZIP.close();
}

}  // namespace reftest
