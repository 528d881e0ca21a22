#pragma once
// The match types of query by example: how a record's field must relate to the search
// criterion the user gave for it, and the tests that decide it for text, numbers, dates
// and memos. The tests work on copies and never change a record buffer.

#include <string>
#include <string_view>
#include <vector>

namespace MATCH {
inline constexpr int Ignore = 0;
inline constexpr int Equals = 1;
inline constexpr int NotEqual = 2;
inline constexpr int MoreThan = 3;
inline constexpr int LessThan = 4;
inline constexpr int MoreOrEqual = 5;
inline constexpr int LessOrEqual = 6;
inline constexpr int InsideRange = 7;
inline constexpr int OutsideRange = 8;
inline constexpr int BeginsWith = 9;
inline constexpr int EndsWith = 10;
inline constexpr int Contains = 11;
inline constexpr int NotContains = 12;
inline constexpr int SameMonth = 13;
inline constexpr int SameDay = 14;
inline constexpr int SameYear = 15;
inline constexpr int SameMonthDay = 16;
inline constexpr int SameYearMonth = 17;
inline constexpr int Count = 18;
}  // namespace MATCH

// What a search field holds; it decides the match types offered and the test used.
enum class FieldKind {
    None = 0,
    Text = 1,
    Number = 2,
    NumberPicture = 3,  // entered through a picture, compared as the number it reads as
    Date = 4,
    Memo = 5,
    Check = 6,
    Choice = 7,
};

// The radio button's text of a match type, without its "&" ("Equals this").
std::string MatchTypeText(int type);
// The glyph beside a field with this match type (Symbol font for 1-12, a letter for 13-17);
// empty for 0 and for unknown types.
std::string GetMatchSymbol(int type);
// Whether the glyph of `type` is a plain letter shown in the "System" font.
bool MatchSymbolIsLetter(int type);

struct FieldKindInfo {
    std::string title;         // "Match Type for STRING Field"
    std::vector<int> offered;  // match types the kind offers, in order
    int typeOnFirstEntry = 0;  // 0: the entry is blanked until a type is chosen (dates)
};
FieldKindInfo DescribeFieldKind(FieldKind kind);

// Text fields: the field (cut to 255 characters) against the criterion and the upper limit
// of the range types. Case is ignored: all three are compared upper-cased.
bool TestStringMatch(int type, std::string_view field, std::string_view criterion,
                     std::string_view upperLimit);

// The same test with the criterion and upper limit prepared once, for a scan that tests
// many records against them: test() upper-cases the field on the stack, not on the heap.
class StringMatch {
  public:
    StringMatch(int type, std::string_view criterion, std::string_view upperLimit);
    bool test(std::string_view field) const;

  private:
    int type_;
    std::string criterion_;   // cut and upper-cased
    std::string upperLimit_;  // cut and upper-cased
};
// Numbers and dates (day numbers): `third` is the upper limit of the range types and the
// divisor of "Begins with this".
bool TestNumberMatch(int type, double value, double criterion, double third);
// Memos: the memo text against a criterion of up to 1000 characters, ignoring case.
bool TestMemoMatch(int type, std::string_view memo, std::string_view criterion);

// Two numbers count as equal when they agree in their 50 leading bits.
bool NumbersAgree(double a, double b);
// A number as "Ends with this" writes it: at most 14 significant digits, no exponent, no
// trailing zeros after the point and no trailing point.
std::string NumberAsMatchText(double value);
