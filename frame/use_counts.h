#pragma once
// Use counters: how many running procedures of this thread have a record file open. A file
// is open exactly while its counter is above 0. Every thread has its own counters, as it
// has its own instance of every file.

#include "runtime/data/record_file.h"

long& UseCount(const rt::RecordFile& file);

// Counts the file in: opens it through OpenDataFile when the counter goes from 0 to 1.
void UseFile(rt::RecordFile& file, int access = rt::ACCESS::ReadWriteDenyNone);
// Counts the file out: closes it when the counter comes back to 0.
void ReleaseFile(rt::RecordFile& file);
