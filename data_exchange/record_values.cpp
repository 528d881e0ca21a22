#include "data_exchange/record_values.h"

#include <stdexcept>

#include "records/check_amount_rule.h"
#include "runtime/text/integer_fit.h"
#include "runtime/text/number_text.h"

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

std::optional<std::string> storeImportedText(rt::RecordFile& file, const FieldRef& ref,
                                             std::string_view text) {
    rt::RecordBuffer& buf = file.buf();
    if (ref.memo >= 0) {
        buf.setMemo(ref.memo, text);
        return std::nullopt;
    }
    const int field = ref.field;
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
            if (auto refused = records::checkAmountRefusal(decl.name, number)) return refused;
            if (!buf.setNumber(field, number))
                return rt::numberToText(number) + " has more than " +
                       std::to_string(decl.digits - decl.places) + " digits before the point";
            return std::nullopt;
    }
}
