#pragma once
// Decimal: exact fixed-point numbers for DECIMAL(d,p) fields, never a double.
//
// A value is a scaled 128-bit integer: mantissa / 10^places, at most 38 significant digits
// and 31 places. + - and * are exact; a result with more than 38 digits drops fractional
// digits (rounding half away from zero), and one whose integer part alone needs more than 38
// digits is "out of range". Nothing ever wraps around: an out-of-range value stays out of
// range through further arithmetic, and fitTo() refuses it.
//
// Division: divide(a, b, places) rounds half away from zero to `places`. operator/ divides
// to kDivisionPlaces (15) places, which is more than any field keeps, so the later
// assignment (fitTo) does the final rounding. Division by zero gives 0 instead of stopping
// the program: a share of nothing is nothing.

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rt {

class Decimal {
  public:
    static constexpr int kMaxDigits = 31;       // widest DECIMAL field
    static constexpr int kMaxPlaces = 31;       // most places a value keeps
    static constexpr int kDivisionPlaces = 15;  // places of operator/

    Decimal() = default;
    Decimal(long long value);  // NOLINT: integers convert freely, as in the procedures
    Decimal(int value) : Decimal(static_cast<long long>(value)) {}                     // NOLINT
    Decimal(long value) : Decimal(static_cast<long long>(value)) {}                    // NOLINT
    Decimal(unsigned value) : Decimal(static_cast<long long>(value)) {}                // NOLINT
    Decimal(unsigned long value) : Decimal(static_cast<unsigned long long>(value)) {}  // NOLINT
    Decimal(unsigned long long value);                                                 // NOLINT
    // Reads text as a number, leniently, like textToNumber: "  -12.50abc" is -12.5, "abc" 0.
    explicit Decimal(std::string_view text);
    explicit Decimal(const char* text) : Decimal(std::string_view(text)) {}

    // Strict reading of a plain decimal ("-12.5", "+3", ".25", "7."): nullopt for anything
    // else, and for more than 38 digits.
    static std::optional<Decimal> parse(std::string_view text);
    // mantissa / 10^places, exactly (places 0..31).
    static Decimal fromScaled(__int128 mantissa, int places);
    // The value that is out of range (what an overflowing calculation gives).
    static Decimal outOfRangeValue();
    // The nearest value with `places` places (for values that arrive as doubles, such as a
    // slider position); nullopt for NaN, infinity and values beyond 38 digits.
    static std::optional<Decimal> fromDouble(double value, int places);

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    friend Decimal operator/(const Decimal& a, const Decimal& b);
    Decimal operator-() const;
    Decimal& operator+=(const Decimal& b) { return *this = *this + b; }
    Decimal& operator-=(const Decimal& b) { return *this = *this - b; }
    Decimal& operator*=(const Decimal& b) { return *this = *this * b; }
    Decimal& operator/=(const Decimal& b) { return *this = *this / b; }

    // a / b rounded half away from zero to `places` (0..31); 0 when b is 0.
    static Decimal divide(const Decimal& a, const Decimal& b, int places);

    // Equal values compare equal whatever their places (1.5 == 1.50). Out-of-range values
    // sort after every other value and equal each other.
    friend bool operator==(const Decimal& a, const Decimal& b);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

    // The value rounded half away from zero to `places`; nullopt when it is out of range
    // or its integer part needs more than digits - places digits. A value that does not
    // fit its field is refused, never cut or wrapped: the caller reports it.
    std::optional<Decimal> fitTo(int digits, int places) const;
    // The value rounded half away from zero to `places` (0..31), without a digit limit.
    Decimal rounded(int places) const;
    // The value with its fraction dropped (toward zero).
    Decimal truncated() const;

    bool isZero() const { return !outOfRange_ && mantissa_ == 0; }
    bool isNegative() const { return !outOfRange_ && mantissa_ < 0; }
    bool outOfRange() const { return outOfRange_; }
    int places() const { return places_; }
    __int128 mantissa() const { return mantissa_; }
    // Digits of the integer part (0 for a value below 1).
    int integerDigits() const;

    // Text with exactly places() places: "-12.50", "0.05", "7". An out-of-range value
    // gives "#".
    std::string toString() const;
    double toDouble() const;
    // The integer part (toward zero), clamped to the range of long long.
    long long toInteger() const;

    // Packed BCD record image of DECIMAL(digits, places): packedSize(digits) = digits/2 + 1
    // bytes holding one digit per nibble, most significant first, a leading 0 nibble when
    // digits is even, and the sign in the last nibble: 0xC for plus, 0xD for minus.
    static int packedSize(int digits);
    // Writes the value rounded to `places`. When it does not fit (see fitTo) the field is
    // left as it was and false is returned; callers check fitTo() before writing.
    bool toPacked(std::span<std::uint8_t> out, int digits, int places) const;
    // Reads an image written by toPacked. Bytes that are not a valid image (a digit nibble
    // above 9, an unknown sign) read as 0: a damaged field never stops a record from loading.
    static Decimal fromPacked(std::span<const std::uint8_t> in, int digits, int places);

  private:
    __int128 mantissa_ = 0;
    int places_ = 0;
    bool outOfRange_ = false;

    friend struct DecimalOps;
};

}  // namespace rt
