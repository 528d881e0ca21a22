#include "runtime/data/record_buffer.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"

namespace rt {
namespace {

bool isInteger(FieldType type) {
    switch (type) {
        case FieldType::Byte:
        case FieldType::Short:
        case FieldType::UShort:
        case FieldType::Long:
        case FieldType::ULong:
        case FieldType::Date:
        case FieldType::Time:
            return true;
        default:
            return false;
    }
}

bool isPacked(FieldType type) {
    return type == FieldType::Decimal || type == FieldType::PDecimal;
}

void integerRange(FieldType type, long long& low, long long& high) {
    switch (type) {
        case FieldType::Byte:
            low = 0, high = 255;
            break;
        case FieldType::Short:
            low = -32768, high = 32767;
            break;
        case FieldType::UShort:
            low = 0, high = 65535;
            break;
        case FieldType::ULong:
            low = 0, high = 4294967295LL;
            break;
        default:
            low = std::numeric_limits<std::int32_t>::min(),
            high = std::numeric_limits<std::int32_t>::max();
    }
}

// Whole part of a decimal text ("-12.5" -> -12), rounding half away from zero first.
long long roundToInteger(const Decimal& number, bool& ok) {
    std::optional<Decimal> whole = number.fitTo(18, 0);
    ok = whole.has_value();
    return ok ? whole->toInteger() : 0;
}

}  // namespace

RecordBuffer::RecordBuffer(const FileDecl& decl)
    : decl_(&decl),
      image_(static_cast<std::size_t>(decl.recordSize())),
      memos_(decl.memos().size()),
      blobs_(decl.blobs().size()) {
    clear();
}

int RecordBuffer::field(std::string_view name) const {
    int index = decl_->fieldIndex(name);
    if (index < 0) throw std::out_of_range("no field " + std::string(name));
    return index;
}

int RecordBuffer::memo(std::string_view name) const {
    int index = decl_->memoIndex(name);
    if (index < 0) throw std::out_of_range("no memo " + std::string(name));
    return index;
}

int RecordBuffer::blob(std::string_view name) const {
    int index = decl_->blobIndex(name);
    if (index < 0) throw std::out_of_range("no BLOB " + std::string(name));
    return index;
}

std::string_view RecordBuffer::raw(int field) const {
    const FieldDecl& f = fieldDecl(field);
    return {image_.data() + f.offset, static_cast<std::size_t>(f.size)};
}

std::string RecordBuffer::text(int field) const {
    const FieldDecl& f = fieldDecl(field);
    if (f.type == FieldType::String) return std::string(raw(field));
    if (f.type == FieldType::Real) {
        char text[64];
        std::snprintf(text, sizeof text, "%.15g", real(field));
        return text;
    }
    return numberToText(number(field));
}

Decimal RecordBuffer::number(int field) const {
    const FieldDecl& f = fieldDecl(field);
    if (f.type == FieldType::String) return textToNumber(raw(field));
    if (isPacked(f.type)) {
        auto bytes = reinterpret_cast<const std::uint8_t*>(at(field));
        return Decimal::fromPacked({bytes, static_cast<std::size_t>(f.size)}, f.digits, f.places);
    }
    if (f.type == FieldType::Real) return Decimal::fromDouble(real(field), 15).value_or(Decimal());
    return Decimal(integer(field));
}

long long RecordBuffer::integer(int field) const {
    const FieldDecl& f = fieldDecl(field);
    const char* p = at(field);
    switch (f.type) {
        case FieldType::Byte:
            return static_cast<unsigned char>(*p);
        case FieldType::Short: {
            std::int16_t v;
            std::memcpy(&v, p, 2);
            return v;
        }
        case FieldType::UShort: {
            std::uint16_t v;
            std::memcpy(&v, p, 2);
            return v;
        }
        case FieldType::Long:
        case FieldType::Date:
        case FieldType::Time: {
            std::int32_t v;
            std::memcpy(&v, p, 4);
            return v;
        }
        case FieldType::ULong: {
            std::uint32_t v;
            std::memcpy(&v, p, 4);
            return v;
        }
        case FieldType::Real:
            return std::llround(real(field));
        default: {
            bool ok = false;
            long long v = roundToInteger(number(field), ok);
            return ok ? v : 0;
        }
    }
}

double RecordBuffer::real(int field) const {
    const FieldDecl& f = fieldDecl(field);
    if (f.type == FieldType::Real) {
        double v;
        std::memcpy(&v, at(field), 8);
        return v;
    }
    if (isInteger(f.type)) return static_cast<double>(integer(field));
    return number(field).toDouble();
}

Value RecordBuffer::value(int field) const {
    if (fieldDecl(field).type == FieldType::String) return Value(text(field));
    return Value(number(field));
}

bool RecordBuffer::setText(int field, std::string_view text) {
    const FieldDecl& f = fieldDecl(field);
    if (f.type == FieldType::String) {
        assignFixed(std::span<char>(at(field), static_cast<std::size_t>(f.size)), text);
        return true;
    }
    return setNumber(field, textToNumber(text));
}

bool RecordBuffer::setNumber(int field, const Decimal& number) {
    const FieldDecl& f = fieldDecl(field);
    if (f.type == FieldType::String) return setText(field, numberToText(number));
    if (isPacked(f.type)) {
        std::optional<Decimal> fitted = number.fitTo(f.digits, f.places);
        if (!fitted) return false;
        auto bytes = reinterpret_cast<std::uint8_t*>(at(field));
        fitted->toPacked({bytes, static_cast<std::size_t>(f.size)}, f.digits, f.places);
        return true;
    }
    if (f.type == FieldType::Real) return setReal(field, number.toDouble());
    bool ok = false;
    long long whole = roundToInteger(number, ok);
    return ok && setInteger(field, whole);
}

bool RecordBuffer::setInteger(int field, long long number) {
    const FieldDecl& f = fieldDecl(field);
    if (!isInteger(f.type)) {
        if (f.type == FieldType::Real) return setReal(field, static_cast<double>(number));
        return setNumber(field, Decimal(number));
    }
    long long low, high;
    integerRange(f.type, low, high);
    if (number < low || number > high) return false;
    char* p = at(field);
    switch (f.type) {
        case FieldType::Byte:
            *p = static_cast<char>(number);
            break;
        case FieldType::Short:
        case FieldType::UShort: {
            std::uint16_t v = static_cast<std::uint16_t>(number);
            std::memcpy(p, &v, 2);
            break;
        }
        default: {
            std::uint32_t v = static_cast<std::uint32_t>(number);
            std::memcpy(p, &v, 4);
        }
    }
    return true;
}

bool RecordBuffer::setReal(int field, double number) {
    const FieldDecl& f = fieldDecl(field);
    if (f.type == FieldType::Real) {
        std::memcpy(at(field), &number, 8);
        return true;
    }
    std::optional<Decimal> exact = Decimal::fromDouble(number, f.places);
    return exact && setNumber(field, *exact);
}

bool RecordBuffer::setValue(int field, const Value& value) {
    if (value.isText()) return setText(field, value.text());
    return setNumber(field, value.number());
}

void RecordBuffer::setMemo(int memo, std::string_view text) {
    std::size_t size = static_cast<std::size_t>(decl_->memos().at(memo).size);
    memos_.at(memo).assign(text.substr(0, size));
}

void RecordBuffer::clear() {
    for (int i = 0; i < static_cast<int>(decl_->fields().size()); ++i) {
        const FieldDecl& f = fieldDecl(i);
        if (f.type == FieldType::String) {
            std::memset(at(i), ' ', static_cast<std::size_t>(f.size));
        } else if (isPacked(f.type)) {
            auto bytes = reinterpret_cast<std::uint8_t*>(at(i));
            Decimal(0).toPacked({bytes, static_cast<std::size_t>(f.size)}, f.digits, f.places);
        } else {
            std::memset(at(i), 0, static_cast<std::size_t>(f.size));
        }
    }
    for (std::string& m : memos_)
        m.clear();
    for (std::string& b : blobs_)
        b.clear();
}

}  // namespace rt
