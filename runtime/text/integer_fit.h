#pragma once
// Assignment of a number to the integer field types: BYTE (0..255), SHORT (16-bit signed) and
// LONG (32-bit signed). The value is rounded half away from zero, as DECIMAL assignment is;
// a value outside the type's range is refused (nullopt), never wrapped.

#include <cstdint>
#include <optional>

#include "runtime/text/decimal.h"

namespace rt {

std::optional<std::uint8_t> fitByte(const Decimal& value);
std::optional<std::int16_t> fitShort(const Decimal& value);
std::optional<std::int32_t> fitLong(const Decimal& value);

}  // namespace rt
