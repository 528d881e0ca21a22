#pragma once
// The record-file layouts, written out independently of the declarations so that the test
// can hold one against the other. Each row names the C++ handle too, so a missing or
// misnamed handle fails to compile.

#include <string_view>
#include <vector>

#include "records/all_files.h"

namespace expected {

enum Kind { S, D, L, SH, B };  // STRING(n), DECIMAL(d,p), LONG, SHORT, BYTE

struct Field {
    std::string_view name;
    const rt::Field* handle;
    Kind kind;
    int width = 0;  // STRING length or DECIMAL digits
    int places = 0;
};

struct Key {
    std::string_view name;
    const int* handle;
    unsigned flags;
    std::vector<std::string_view> components;  // "-" before a name: descending
};

struct Memo {
    std::string_view name;
    const records::Memo* handle;
    int size;
};

struct Blob {
    std::string_view name;
    const records::Blob* handle;
};

struct File {
    rt::RecordFile* file;
    std::string_view label;
    std::string_view prefix;
    std::string_view diskName;
    unsigned attributes;
    std::string_view displayName;
    std::vector<Field> fields = {};
    std::vector<Key> keys = {};
    std::vector<Memo> memos = {};
    std::vector<Blob> blobs = {};
};

// The seventeen files, in the order of the file list.
const std::vector<File>& files();

}  // namespace expected
