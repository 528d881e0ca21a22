#include "frame/use_counts.h"

#include <map>

#include "frame/open_data_file.h"

long& UseCount(const rt::RecordFile& file) {
    thread_local std::map<const rt::RecordFile*, long> counts;
    return counts[&file];
}

void UseFile(rt::RecordFile& file, int access) {
    long& count = UseCount(file);
    if (count == 0) OpenDataFile(file, access);
    ++count;
}

void ReleaseFile(rt::RecordFile& file) {
    long& count = UseCount(file);
    if (count <= 0) return;
    if (--count == 0) file.close();
}
