#include "runtime/text/integer_fit.h"

namespace rt {
namespace {

std::optional<long long> fitRange(const Decimal& value, long long lowest, long long highest) {
    if (value.outOfRange()) return std::nullopt;
    const Decimal whole = value.rounded(0);
    if (whole < Decimal(lowest) || whole > Decimal(highest)) return std::nullopt;
    return whole.toInteger();
}

}  // namespace

std::optional<std::uint8_t> fitByte(const Decimal& value) {
    if (auto v = fitRange(value, 0, 255)) return static_cast<std::uint8_t>(*v);
    return std::nullopt;
}

std::optional<std::int16_t> fitShort(const Decimal& value) {
    if (auto v = fitRange(value, -32768, 32767)) return static_cast<std::int16_t>(*v);
    return std::nullopt;
}

std::optional<std::int32_t> fitLong(const Decimal& value) {
    if (auto v = fitRange(value, -2147483648LL, 2147483647LL)) return static_cast<std::int32_t>(*v);
    return std::nullopt;
}

}  // namespace rt
