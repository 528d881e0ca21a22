// Decimal arithmetic against plain 128-bit integer arithmetic on random values small enough
// for the latter to be exact.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "runtime/text/decimal.h"

namespace {

using rt::Decimal;

__int128 pow10(int n) {
    __int128 v = 1;
    while (n-- > 0)
        v *= 10;
    return v;
}

// Integer division rounded half away from zero.
__int128 divideRounded(__int128 n, __int128 d) {
    const bool negative = (n < 0) != (d < 0);
    const __int128 an = n < 0 ? -n : n;
    const __int128 ad = d < 0 ? -d : d;
    __int128 q = an / ad;
    if ((an % ad) * 2 >= ad) ++q;
    return negative ? -q : q;
}

TEST(DecimalProperty, ArithmeticMatchesScaledIntegers) {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<long long> mantissa(-999999999999999999LL, 999999999999999999LL);
    std::uniform_int_distribution<int> placesOf(0, 6);
    for (int i = 0; i < 3000; ++i) {
        const long long ma = mantissa(rng) >> (rng() % 60);
        const long long mb = mantissa(rng) >> (rng() % 60);
        const int pa = placesOf(rng);
        const int pb = placesOf(rng);
        const Decimal a = Decimal::fromScaled(ma, pa);
        const Decimal b = Decimal::fromScaled(mb, pb);
        const int p = std::max(pa, pb);
        const __int128 aa = ma * pow10(p - pa);
        const __int128 bb = mb * pow10(p - pb);

        ASSERT_EQ(a + b, Decimal::fromScaled(aa + bb, p));
        ASSERT_EQ(a - b, Decimal::fromScaled(aa - bb, p));
        ASSERT_EQ(a * b, Decimal::fromScaled(static_cast<__int128>(ma) * mb, pa + pb));
        ASSERT_EQ(a < b, aa < bb);
        ASSERT_EQ(a == b, aa == bb);
        if (mb != 0) {
            const int places = placesOf(rng);
            // a/b to `places` = round(ma * 10^(pb + places) / (mb * 10^pa)).
            const __int128 expected =
                divideRounded(static_cast<__int128>(ma) * pow10(pb + places), mb * pow10(pa));
            ASSERT_EQ(Decimal::divide(a, b, places), Decimal::fromScaled(expected, places))
                << a.toString() << " / " << b.toString() << " to " << places;
        }
        const int keep = placesOf(rng);
        if (keep < pa) {
            ASSERT_EQ(a.rounded(keep),
                      Decimal::fromScaled(divideRounded(ma, pow10(pa - keep)), keep))
                << a.toString() << " to " << keep;
        }
        ASSERT_EQ(Decimal::parse(a.toString()), a);
    }
}

TEST(DecimalProperty, WideValuesKeepIdentitiesAndOrder) {
    std::mt19937_64 rng(11);
    auto randomDecimal = [&rng] {
        std::string digits = rng() % 2 ? "-" : "";
        const int count = 1 + static_cast<int>(rng() % 38);
        for (int i = 0; i < count; ++i)
            digits += static_cast<char>('0' + rng() % 10);
        const int places = static_cast<int>(rng() % std::min(count, 32));
        if (places > 0) digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
        return Decimal::parse(digits).value();
    };
    for (int i = 0; i < 3000; ++i) {
        const Decimal a = randomDecimal();
        const Decimal b = randomDecimal();
        ASSERT_TRUE((a - a).isZero());
        ASSERT_EQ(a + Decimal(0), a);
        ASSERT_EQ(a * 1, a);
        ASSERT_EQ(Decimal::divide(a, 1, a.places()), a);
        ASSERT_EQ(Decimal::parse(a.toString()), a);
        const Decimal difference = a - b;
        if (!difference.outOfRange() && !difference.isZero()) {
            ASSERT_EQ(difference.isNegative(), a < b) << a.toString() << " - " << b.toString();
        }
        const Decimal product = a * b;
        if (!product.outOfRange() && !b.isZero() && product.places() == a.places() + b.places()) {
            ASSERT_EQ(Decimal::divide(product, b, a.places()), a);  // exact product divides back
        }
    }
}

}  // namespace
