#include "data_exchange/record_values.h"

#include <stdexcept>

#include "records/bank_account.h"
#include "records/check_amount_rule.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/integer_fit.h"
#include "runtime/text/number_text.h"
#include "runtime/text/picture.h"

FieldRef resolveField(const rt::FileDecl& decl, std::string_view name) {
    FieldRef ref;
    ref.memo = decl.memoIndex(name);
    if (ref.memo < 0) ref.field = decl.fieldIndex(name);
    if (ref.memo < 0 && ref.field < 0)
        throw std::out_of_range("no field " + std::string(name) + " in " + decl.label());
    return ref;
}

rt::Value recordValue(rt::RecordFile& file, const FieldRef& ref) {
    rt::RecordBuffer& buf = file.buf();
    if (ref.memo >= 0) return rt::Value(buf.memoText(ref.memo));
    return buf.value(ref.field);
}

namespace {

// Places after the point that a number text gives, trailing zeros not counted.
int placesOf(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return 0;
    std::size_t end = point + 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    std::string_view fraction = text.substr(point + 1, end - point - 1);
    const std::size_t last = fraction.find_last_not_of('0');
    return last == std::string_view::npos ? 0 : static_cast<int>(last + 1);
}

constexpr std::string_view kControlCharacters(
    "\x01\x02\x03\x04\x05\x06\x07\x08\x0A\x0B\x0C\x0D\x0E\x0F"
    "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x7F\x00",
    32);

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::optional<std::string> storeImportedText(rt::RecordFile& file, const FieldRef& ref,
                                             std::string_view text) {
    rt::RecordBuffer& buf = file.buf();
    if (ref.memo >= 0) {
        const int size = buf.decl().memos()[ref.memo].size;
        if (static_cast<int>(text.size()) > size)
            return quoted(text.substr(0, 20)) + "... is " + std::to_string(text.size()) +
                   " characters, more than the " + std::to_string(size) + " the field holds";
        buf.setMemo(ref.memo, text);
        return std::nullopt;
    }
    const int field = ref.field;
    const rt::FieldDecl& decl = buf.decl().fields()[field];
    if (decl.type == rt::FieldType::String) {
        const std::string_view kept = rt::clip(text);
        if (static_cast<int>(kept.size()) > decl.size)
            return quoted(kept) + " is " + std::to_string(kept.size()) +
                   " characters, more than the " + std::to_string(decl.size) + " the field holds";
        if (auto refused = records::refusedAccountNumber(decl.name, text)) return refused;
        // A field of one line holds no line break or other control character (a tab is text).
        const std::size_t control = kept.find_first_of(kControlCharacters);
        if (control != std::string_view::npos)
            return quoted(kept.substr(0, control)) +
                   "... holds a line break or another control "
                   "character, which a field of one line "
                   "cannot hold";
        buf.setText(field, text);
        return std::nullopt;
    }
    // Numbers as the program's own pictures write them: blanks, a sign, "$", commas grouping
    // thousands, leading "*"; a blank text is 0. Anything else, and places the field would
    // round away, are refused rather than stored as another number.
    rt::Decimal number;
    if (!rt::clip(text).empty()) {
        rt::DeformatResult read = rt::deformat(text, "@n-30.9");
        if (!read.ok) return quoted(text) + " is not a number";
        number = read.value.asNumber();
    }
    const bool whole = decl.type == rt::FieldType::Short || decl.type == rt::FieldType::Long ||
                       decl.type == rt::FieldType::Date || decl.type == rt::FieldType::Byte;
    const int places = whole ? 0 : decl.places;
    if (placesOf(text) > places)
        return quoted(text) + " has more places after the point than the " +
               std::to_string(places) + " the field keeps";
    switch (decl.type) {
        case rt::FieldType::Short:
            if (!rt::fitShort(number.truncated()))
                return rt::numberToText(number) + " is outside the range of a SHORT";
            buf.setInteger(field, rt::fitShort(number.truncated()).value());
            return std::nullopt;
        case rt::FieldType::Long:
        case rt::FieldType::Date:
            if (!rt::fitLong(number.truncated()))
                return rt::numberToText(number) + " is outside the range of a LONG";
            buf.setInteger(field, rt::fitLong(number.truncated()).value());
            return std::nullopt;
        case rt::FieldType::Byte:
            if (!rt::fitByte(number.truncated()))
                return rt::numberToText(number) + " is outside the range of a BYTE";
            buf.setInteger(field, rt::fitByte(number.truncated()).value());
            return std::nullopt;
        default:
            if (auto refused = records::checkAmountRefusal(decl.name, number)) return refused;
            if (!buf.setNumber(field, number))
                return rt::numberToText(number) + " has more than " +
                       std::to_string(decl.digits - decl.places) + " digits before the point";
            return std::nullopt;
    }
}
