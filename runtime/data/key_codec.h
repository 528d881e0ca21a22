#pragma once
// Order-preserving encoding of keys: the bytes of a key compare (as unsigned bytes, shorter
// first) exactly as the key orders its records. Text components keep their full blank-padded
// width (upper-cased for NOCASE keys), numbers are big-endian with the sign bit flipped,
// descending components have every byte inverted. A key that allows duplicates is followed
// by the record id, so that equal values keep the order in which the records were added.

#include <cstdint>
#include <string>

#include "runtime/data/declaration.h"
#include "runtime/data/record_buffer.h"

namespace rt::keycodec {

// The key's components from the buffer, without the record id.
std::string encodeComponents(const KeyDecl& key, const RecordBuffer& buffer);

// The stored key: components, then the record id for keys with duplicates.
std::string encodeKey(const KeyDecl& key, const RecordBuffer& buffer, std::int64_t id);

// The 8-byte big-endian record id.
std::string encodeId(std::int64_t id);

// The highest key that starts with the given components (for reading backward from values).
std::string upperBound(const KeyDecl& key, const std::string& components);

}  // namespace rt::keycodec
