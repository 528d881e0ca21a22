#include "data_exchange/record_values.h"

#include <stdexcept>

#include "runtime/text/integer_fit.h"
#include "runtime/text/number_text.h"

namespace {

int memoIndex(rt::RecordFile& file, std::string_view name) {
    try {
        return file.buf().memo(name);
    } catch (const std::out_of_range&) {
        return -1;
    }
}

}  // namespace

rt::Value recordValue(rt::RecordFile& file, std::string_view name) {
    rt::RecordBuffer& buf = file.buf();
    int memo = memoIndex(file, name);
    if (memo >= 0) return rt::Value(buf.memoText(memo));
    return buf.value(buf.field(name));
}

std::optional<std::string> storeImportedText(rt::RecordFile& file, std::string_view name,
                                             std::string_view text) {
    rt::RecordBuffer& buf = file.buf();
    int memo = memoIndex(file, name);
    if (memo >= 0) {
        buf.setMemo(memo, text);
        return std::nullopt;
    }
    int field = buf.field(name);
    const rt::FieldDecl& decl = buf.decl().fields()[field];
    rt::Decimal number = rt::textToNumber(text);
    switch (decl.type) {
        case rt::FieldType::String:
            buf.setText(field, text);
            return std::nullopt;
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
            if (!buf.setNumber(field, number))
                return rt::numberToText(number) + " has more than " +
                       std::to_string(decl.digits - decl.places) + " digits before the point";
            return std::nullopt;
    }
}
