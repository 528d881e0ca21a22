#pragma once
// A 256-bit unsigned integer, just enough for exact decimal arithmetic on 128-bit mantissas:
// products and aligned sums of two mantissas fit without loss. Internal to rt_text.

#include <array>
#include <cstdint>

namespace rt::detail {

using u128 = unsigned __int128;

struct Wide {
    std::array<std::uint64_t, 4> limb{};  // little-endian

    static Wide from(u128 v) {
        Wide w;
        w.limb[0] = static_cast<std::uint64_t>(v);
        w.limb[1] = static_cast<std::uint64_t>(v >> 64);
        return w;
    }
    bool fitsU128() const { return limb[2] == 0 && limb[3] == 0; }
    u128 low128() const { return (static_cast<u128>(limb[1]) << 64) | limb[0]; }
    bool isZero() const { return (limb[0] | limb[1] | limb[2] | limb[3]) == 0; }
};

int compare(const Wide& a, const Wide& b);
Wide add(const Wide& a, const Wide& b);
Wide subtract(const Wide& a, const Wide& b);  // requires a >= b
Wide multiply(const Wide& a, const Wide& b);  // low 256 bits of the product
Wide multiplySmall(const Wide& a, std::uint64_t m);
// Quotient and remainder; the divisor must not be zero.
void divide(const Wide& n, const Wide& d, Wide& quotient, Wide& remainder);
std::uint64_t divideSmall(Wide& n, std::uint64_t d);  // n /= d, returns the remainder
Wide powerOfTen(int n);                               // n in 0..76

}  // namespace rt::detail
