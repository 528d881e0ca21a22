#include "runtime/text/decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "runtime/text/number_text.h"
#include "runtime/text/wide_integer.h"

namespace rt {

using detail::u128;
using detail::Wide;

namespace {

constexpr int kMaxSignificant = 38;  // digits a mantissa holds

u128 pow10u(int n) {
    return detail::powerOfTen(n).low128();
}
const Wide& mantissaLimit() {
    static const Wide limit = detail::powerOfTen(kMaxSignificant);
    return limit;
}

// Unsigned negation, so that even the lowest __int128 has a magnitude.
u128 magnitude(__int128 m) {
    return m < 0 ? u128{0} - static_cast<u128>(m) : static_cast<u128>(m);
}

int digitCount(u128 v) {
    int n = 0;
    while (v != 0) {
        v /= 10;
        ++n;
    }
    return n;
}

}  // namespace

// Builds values from a sign, a wide magnitude and a number of places, dropping places (with
// rounding half away from zero) until the magnitude fits 38 digits and the places 31.
struct DecimalOps {
    static Decimal outOfRange() {
        Decimal d;
        d.outOfRange_ = true;
        return d;
    }

    static Wide shiftedDown(Wide mag, int digits) {
        for (int i = 0; i < digits; ++i)
            detail::divideSmall(mag, 10);
        return mag;
    }

    static Decimal make(bool negative, Wide mag, int places) {
        while (places > 0 && (places > Decimal::kMaxPlaces || compare(mag, mantissaLimit()) >= 0)) {
            // Drop as many digits as needed at once: rounding twice would be wrong.
            int drop = std::max(places - Decimal::kMaxPlaces, 0);
            while (drop < places && compare(shiftedDown(mag, drop), mantissaLimit()) >= 0)
                ++drop;
            for (int i = 0; i < drop - 1; ++i)
                detail::divideSmall(mag, 10);
            const std::uint64_t last = detail::divideSmall(mag, 10);
            if (last >= 5) mag = detail::add(mag, Wide::from(1));
            places -= drop;
        }
        if (compare(mag, mantissaLimit()) >= 0) return outOfRange();
        Decimal d;
        const auto m = static_cast<__int128>(mag.low128());
        d.mantissa_ = negative ? -m : m;
        d.places_ = places;
        return d;
    }

    // The magnitude scaled up to `places` (>= the value's own places).
    static Wide aligned(const Decimal& v, int places) {
        return detail::multiply(Wide::from(magnitude(v.mantissa_)),
                                detail::powerOfTen(places - v.places_));
    }

    static Decimal addSigned(const Decimal& a, const Decimal& b, bool negateB) {
        if (a.outOfRange_ || b.outOfRange_) return outOfRange();
        const int places = std::max(a.places_, b.places_);
        const Wide ma = aligned(a, places);
        const Wide mb = aligned(b, places);
        const bool na = a.mantissa_ < 0;
        const bool nb = (b.mantissa_ < 0) != negateB && b.mantissa_ != 0;
        if (na == nb) return make(na, detail::add(ma, mb), places);
        if (compare(ma, mb) >= 0) return make(na, detail::subtract(ma, mb), places);
        return make(nb, detail::subtract(mb, ma), places);
    }
};

Decimal::Decimal(long long value) : mantissa_(value) {}

Decimal::Decimal(unsigned long long value) : mantissa_(static_cast<__int128>(value)) {}

Decimal::Decimal(std::string_view text) : Decimal(textToNumber(text)) {}

std::optional<Decimal> Decimal::parse(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
    Wide mag;
    int places = 0;
    int digits = 0;
    int significant = 0;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        ++digits;
        if (significant == 0 && c == '0' && !point) continue;
        if (significant == 0 && c == '0') {
            ++places;
            continue;
        }
        if (++significant > kMaxSignificant) return std::nullopt;
        mag =
            detail::add(detail::multiplySmall(mag, 10), Wide::from(static_cast<unsigned>(c - '0')));
        if (point) ++places;
    }
    if (digits == 0) return std::nullopt;
    Decimal d = DecimalOps::make(negative, mag, places);
    if (d.outOfRange_) return std::nullopt;
    return d;
}

Decimal Decimal::outOfRangeValue() {
    return DecimalOps::outOfRange();
}

Decimal Decimal::fromScaled(__int128 mantissa, int places) {
    places = std::clamp(places, 0, kMaxPlaces);
    return DecimalOps::make(mantissa < 0, Wide::from(magnitude(mantissa)), places);
}

std::optional<Decimal> Decimal::fromDouble(double value, int places) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e38) return std::nullopt;
    places = std::clamp(places, 0, kMaxPlaces);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    return parse(buffer);
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    return DecimalOps::addSigned(a, b, false);
}
Decimal operator-(const Decimal& a, const Decimal& b) {
    return DecimalOps::addSigned(a, b, true);
}

Decimal operator*(const Decimal& a, const Decimal& b) {
    if (a.outOfRange_ || b.outOfRange_) return DecimalOps::outOfRange();
    const Wide product =
        detail::multiply(Wide::from(magnitude(a.mantissa_)), Wide::from(magnitude(b.mantissa_)));
    const bool negative = (a.mantissa_ < 0) != (b.mantissa_ < 0) && !product.isZero();
    return DecimalOps::make(negative, product, a.places_ + b.places_);
}

Decimal operator/(const Decimal& a, const Decimal& b) {
    return Decimal::divide(a, b, Decimal::kDivisionPlaces);
}

Decimal Decimal::operator-() const {
    Decimal d = *this;
    d.mantissa_ = -d.mantissa_;
    return d;
}

Decimal Decimal::divide(const Decimal& a, const Decimal& b, int places) {
    if (a.outOfRange_ || b.outOfRange_) return DecimalOps::outOfRange();
    if (b.mantissa_ == 0) return Decimal();
    places = std::clamp(places, 0, kMaxPlaces);
    // a / b = (|ma| * 10^pb) / (|mb| * 10^pa), then long division for the places.
    const Wide n = DecimalOps::aligned(Decimal::fromScaled(a.mantissa_, 0), b.places_);
    const Wide d = DecimalOps::aligned(Decimal::fromScaled(b.mantissa_, 0), a.places_);
    Wide q;
    Wide r;
    detail::divide(n, d, q, r);
    if (compare(q, mantissaLimit()) >= 0) return DecimalOps::outOfRange();
    const Wide tenthOfLimit = detail::powerOfTen(kMaxSignificant - 1);
    int done = 0;
    while (done < places && compare(q, tenthOfLimit) < 0) {
        Wide digit;
        detail::divide(detail::multiplySmall(r, 10), d, digit, r);
        q = detail::add(detail::multiplySmall(q, 10), digit);
        ++done;
    }
    Wide next;
    Wide unused;
    detail::divide(detail::multiplySmall(r, 10), d, next, unused);
    if (next.limb[0] >= 5) q = detail::add(q, Wide::from(1));
    const bool negative = (a.mantissa_ < 0) != (b.mantissa_ < 0) && !q.isZero();
    return DecimalOps::make(negative, q, done);
}

bool operator==(const Decimal& a, const Decimal& b) {
    return (a <=> b) == 0;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    if (a.outOfRange_ || b.outOfRange_) return a.outOfRange_ <=> b.outOfRange_;
    const bool na = a.mantissa_ < 0;
    const bool nb = b.mantissa_ < 0;
    if (na != nb) return na ? std::strong_ordering::less : std::strong_ordering::greater;
    const int places = std::max(a.places_, b.places_);
    const int c = compare(DecimalOps::aligned(a, places), DecimalOps::aligned(b, places));
    const int signedC = na ? -c : c;
    return signedC <=> 0;
}

Decimal Decimal::rounded(int places) const {
    if (outOfRange_) return *this;
    places = std::clamp(places, 0, kMaxPlaces);
    if (places >= places_) {
        Decimal d = DecimalOps::make(mantissa_ < 0, DecimalOps::aligned(*this, places), places);
        return d.outOfRange_ ? *this : d;
    }
    const int drop = places_ - places;
    u128 mag = magnitude(mantissa_) / pow10u(drop - 1);
    const unsigned last = static_cast<unsigned>(mag % 10);
    mag /= 10;
    if (last >= 5) ++mag;
    return fromScaled(mantissa_ < 0 ? -static_cast<__int128>(mag) : static_cast<__int128>(mag),
                      places);
}

Decimal Decimal::truncated() const {
    if (outOfRange_) return *this;
    const u128 mag = magnitude(mantissa_) / pow10u(places_);
    return fromScaled(mantissa_ < 0 ? -static_cast<__int128>(mag) : static_cast<__int128>(mag), 0);
}

int Decimal::integerDigits() const {
    if (outOfRange_) return std::numeric_limits<int>::max();
    return digitCount(magnitude(mantissa_) / pow10u(places_));
}

std::optional<Decimal> Decimal::fitTo(int digits, int places) const {
    if (outOfRange_ || digits < 1 || digits > kMaxDigits || places < 0 || places > digits) {
        return std::nullopt;
    }
    const Decimal r = rounded(places);
    if (r.places_ != places || r.integerDigits() > digits - places) return std::nullopt;
    return r;
}

std::string Decimal::toString() const {
    if (outOfRange_) return "#";
    // Digits from the least significant, at least places_ + 1 of them.
    char reversed[48];
    int count = 0;
    u128 mag = magnitude(mantissa_);
    while (mag != 0 || count <= places_) {
        reversed[count++] = static_cast<char>('0' + static_cast<int>(mag % 10));
        mag /= 10;
    }
    std::string text;
    if (mantissa_ < 0) text += '-';
    for (int i = count - 1; i >= 0; --i) {
        text += reversed[i];
        if (i == places_ && i > 0) text += '.';
    }
    return text;
}

double Decimal::toDouble() const {
    if (outOfRange_) return std::numeric_limits<double>::quiet_NaN();
    return std::strtod(toString().c_str(), nullptr);
}

long long Decimal::toInteger() const {
    if (outOfRange_) return std::numeric_limits<long long>::max();
    const u128 whole = magnitude(mantissa_) / pow10u(places_);
    const u128 cap = static_cast<u128>(std::numeric_limits<long long>::max());
    const long long v = static_cast<long long>(std::min(whole, cap));
    return mantissa_ < 0 ? -v : v;
}

int Decimal::packedSize(int digits) {
    return std::clamp(digits, 1, kMaxDigits) / 2 + 1;
}

bool Decimal::toPacked(std::span<std::uint8_t> out, int digits, int places) const {
    const std::optional<Decimal> fitted = fitTo(digits, places);
    const auto size = static_cast<std::size_t>(packedSize(digits));
    if (!fitted || out.size() < size) return false;
    u128 mag = magnitude(fitted->mantissa_);
    // Nibbles from the right: sign, then digits from the least significant.
    for (std::size_t nibble = 2 * size; nibble-- > 0;) {
        unsigned value;
        if (nibble == 2 * size - 1) {
            value = fitted->mantissa_ < 0 ? 0xD : 0xC;
        } else {
            value = static_cast<unsigned>(mag % 10);
            mag /= 10;
        }
        std::uint8_t& byte = out[nibble / 2];
        if (nibble % 2 == 1) {
            byte = static_cast<std::uint8_t>((byte & 0xF0) | value);
        } else {
            byte = static_cast<std::uint8_t>((byte & 0x0F) | (value << 4));
        }
    }
    return true;
}

Decimal Decimal::fromPacked(std::span<const std::uint8_t> in, int digits, int places) {
    const auto size = static_cast<std::size_t>(packedSize(digits));
    if (in.size() < size || places < 0 || places > kMaxPlaces) return Decimal();
    u128 mag = 0;
    for (std::size_t nibble = 0; nibble + 1 < 2 * size; ++nibble) {
        const unsigned value = nibble % 2 == 0 ? in[nibble / 2] >> 4 : in[nibble / 2] & 0x0F;
        if (value > 9) return Decimal();
        mag = mag * 10 + value;
    }
    const unsigned sign = in[size - 1] & 0x0F;
    if (sign < 0xA) return Decimal();
    const bool negative = sign == 0xD || sign == 0xB;
    return fromScaled(negative ? -static_cast<__int128>(mag) : static_cast<__int128>(mag), places);
}

}  // namespace rt
