#pragma once
// Fixed-length text: a STRING(n) always holds n Windows-1252 bytes, blank padded.
// Positions are 1-based, as in the procedures.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace rt {

// Copies `value` into `field`, cutting it when too long and padding with blanks when short.
void assignFixed(std::span<char> field, std::string_view value);

// The text without its trailing blanks (CLIP).
std::string_view clip(std::string_view text);

// Upper and lower case of Windows-1252 letters, accented letters included (é <-> É,
// š <-> Š, ÿ <-> Ÿ). ß and µ have no single-byte capital and stay as they are.
std::string upper(std::string_view text);
std::string lower(std::string_view text);
char upperChar(char c);
char lowerChar(char c);

// `length` characters from 1-based position `start` (SUB). The part outside the text is
// left out: a start before 1 or past the end and a negative length give less or nothing.
std::string sub(std::string_view text, int start, int length);

// Leading blanks moved to the end; the length stays the same (LEFT).
std::string left(std::string_view text);

// The 1-based position of `needle` in `haystack`, trying positions start, start+step, ...
// (INSTRING); 0 when not found, for an empty needle and for a step below 1.
int instring(std::string_view needle, std::string_view haystack, int step = 1, int start = 1);

// Compares as if the shorter text were blank padded to the longer one, byte by byte
// unsigned: <0, 0 or >0.
int compareText(std::string_view a, std::string_view b);

// A STRING(N) value: always N bytes, assignment cuts or pads.
template <std::size_t N>
class FixedString {
  public:
    FixedString() { bytes_.fill(' '); }
    FixedString(std::string_view value) { assign(value); }    // NOLINT: converts like STRING
    FixedString(const char* value) { assign(value); }         // NOLINT
    FixedString(const std::string& value) { assign(value); }  // NOLINT
    void assign(std::string_view value) { assignFixed(std::span<char>(bytes_), value); }

    std::string_view view() const { return std::string_view(bytes_.data(), N); }
    std::string_view clipped() const { return clip(view()); }
    std::string str() const { return std::string(view()); }
    static constexpr std::size_t size() { return N; }
    char* data() { return bytes_.data(); }
    const char* data() const { return bytes_.data(); }

    friend bool operator==(const FixedString& a, std::string_view b) {
        return compareText(a.view(), b) == 0;
    }
    friend int compare(const FixedString& a, std::string_view b) {
        return compareText(a.view(), b);
    }

  private:
    std::array<char, N> bytes_{};
};

template <std::size_t N, std::size_t M>
bool operator==(const FixedString<N>& a, const FixedString<M>& b) {
    return compareText(a.view(), b.view()) == 0;
}

}  // namespace rt
