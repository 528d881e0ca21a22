#pragma once
// The bytes of one report page, in a binary format of our own (the page spool holds them).
//
// Layout (integers little-endian):
//   "TVKPAGE1", int32 width, int32 height, uint32 item count, the items, "TEND".
//   Each item starts with a kind byte:
//   'T' text:  int32 x y width height, uint8 align, uint8 style, uint8 wrap, int32 points,
//              uint32 colour, uint32 background, uint16 face length, face,
//              uint32 text length, text
//   'L' line:  int32 x1 y1 x2 y2 width, uint32 colour
//   'B' box:   int32 x y width height lineWidth, uint32 border, uint32 fill, uint8 rounded
//   'I' image: int32 x y width height, uint32 length, the picture file's bytes
// Texts stand in the bytes as their plain single-byte characters, so a text can be found and
// overwritten in place by another of the same length (the preview's page numbering).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "runtime/print/page.h"

namespace rt {

std::vector<std::uint8_t> encodePage(const Page& page);

struct PageReadResult {
    Page page;
    std::string error;  // empty when the page was read

    bool ok() const { return error.empty(); }
};

// Damaged or foreign bytes give an error, never a crash.
PageReadResult decodePage(std::span<const std::uint8_t> bytes);

}  // namespace rt
