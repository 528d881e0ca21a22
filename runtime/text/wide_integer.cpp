#include "runtime/text/wide_integer.h"

namespace rt::detail {

int compare(const Wide& a, const Wide& b) {
    for (int i = 3; i >= 0; --i) {
        if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
    }
    return 0;
}

Wide add(const Wide& a, const Wide& b) {
    Wide r;
    u128 carry = 0;
    for (int i = 0; i < 4; ++i) {
        const u128 s = static_cast<u128>(a.limb[i]) + b.limb[i] + carry;
        r.limb[i] = static_cast<std::uint64_t>(s);
        carry = s >> 64;
    }
    return r;
}

Wide subtract(const Wide& a, const Wide& b) {
    Wide r;
    std::uint64_t borrow = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint64_t bi = b.limb[i];
        const std::uint64_t d = a.limb[i] - bi - borrow;
        borrow = (a.limb[i] < bi || (a.limb[i] == bi && borrow)) ? 1 : 0;
        r.limb[i] = d;
    }
    return r;
}

Wide multiply(const Wide& a, const Wide& b) {
    Wide r;
    for (int i = 0; i < 4; ++i) {
        u128 carry = 0;
        for (int j = 0; i + j < 4; ++j) {
            const u128 p = static_cast<u128>(a.limb[i]) * b.limb[j] + r.limb[i + j] + carry;
            r.limb[i + j] = static_cast<std::uint64_t>(p);
            carry = p >> 64;
        }
    }
    return r;
}

Wide multiplySmall(const Wide& a, std::uint64_t m) {
    return multiply(a, Wide::from(m));
}

void divide(const Wide& n, const Wide& d, Wide& quotient, Wide& remainder) {
    if (n.fitsU128() && d.fitsU128()) {  // the common case, in native arithmetic
        const u128 nn = n.low128();
        const u128 dd = d.low128();
        quotient = Wide::from(nn / dd);
        remainder = Wide::from(nn % dd);
        return;
    }
    Wide q;
    Wide r;
    for (int bit = 255; bit >= 0; --bit) {
        // r = r * 2 + next bit of n
        for (int i = 3; i > 0; --i)
            r.limb[i] = (r.limb[i] << 1) | (r.limb[i - 1] >> 63);
        r.limb[0] = (r.limb[0] << 1) | ((n.limb[bit / 64] >> (bit % 64)) & 1);
        if (compare(r, d) >= 0) {
            r = subtract(r, d);
            q.limb[bit / 64] |= std::uint64_t{1} << (bit % 64);
        }
    }
    quotient = q;
    remainder = r;
}

std::uint64_t divideSmall(Wide& n, std::uint64_t d) {
    u128 rem = 0;
    for (int i = 3; i >= 0; --i) {
        const u128 cur = (rem << 64) | n.limb[i];
        n.limb[i] = static_cast<std::uint64_t>(cur / d);
        rem = cur % d;
    }
    return static_cast<std::uint64_t>(rem);
}

Wide powerOfTen(int n) {
    static const std::array<Wide, 77> table = [] {
        std::array<Wide, 77> t;
        t[0] = Wide::from(1);
        for (std::size_t i = 1; i < t.size(); ++i)
            t[i] = multiplySmall(t[i - 1], 10);
        return t;
    }();
    return table[static_cast<std::size_t>(n)];
}

}  // namespace rt::detail
