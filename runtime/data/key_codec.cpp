#include "runtime/data/key_codec.h"

#include <cstring>

#include "runtime/text/fixed_text.h"

namespace rt::keycodec {
namespace {

void appendBigEndian(std::string& out, unsigned __int128 value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A decimal as an integer scaled to the field's places (-12.5 at 2 places is -1250).
__int128 scaledDecimal(const Decimal& number, int places) {
    Decimal rounded = number.rounded(places);
    __int128 mantissa = rounded.mantissa();
    for (int p = rounded.places(); p < places; ++p)
        mantissa *= 10;
    return mantissa;
}

void appendComponent(std::string& out, const FieldDecl& field, const RecordBuffer& buffer,
                     int index, bool noCase) {
    switch (field.type) {
        case FieldType::String: {
            std::string_view raw = buffer.raw(index);
            if (noCase)
                out += upper(raw);
            else
                out += raw;
            return;
        }
        case FieldType::Byte:
        case FieldType::UShort:
        case FieldType::ULong:
            appendBigEndian(out, static_cast<unsigned long long>(buffer.integer(index)),
                            field.size);
            return;
        case FieldType::Short:
        case FieldType::Long:
        case FieldType::Date:
        case FieldType::Time: {
            long long v = buffer.integer(index);
            unsigned long long bits = static_cast<unsigned long long>(v);
            bits ^= 1ULL << (8 * field.size - 1);
            appendBigEndian(out, bits, field.size);
            return;
        }
        case FieldType::Real: {
            double v = buffer.real(index);
            if (v == 0) v = 0;  // -0 and +0 are equal
            std::uint64_t bits;
            std::memcpy(&bits, &v, 8);
            bits = (bits >> 63) ? ~bits : bits | (1ULL << 63);
            appendBigEndian(out, bits, 8);
            return;
        }
        case FieldType::Decimal:
        case FieldType::PDecimal: {
            __int128 v = scaledDecimal(buffer.number(index), field.places);
            unsigned __int128 bits = static_cast<unsigned __int128>(v);
            bits ^= static_cast<unsigned __int128>(1) << 127;
            appendBigEndian(out, bits, 16);
            return;
        }
    }
}

}  // namespace

std::string encodeComponents(const KeyDecl& key, const RecordBuffer& buffer) {
    std::string out;
    out.reserve(static_cast<std::size_t>(key.width) + 8);
    const auto& fields = buffer.decl().fields();
    for (const KeyComponent& c : key.components) {
        std::size_t start = out.size();
        appendComponent(out, fields[c.field], buffer, c.field, key.noCase());
        if (c.descending) {
            for (std::size_t i = start; i < out.size(); ++i)
                out[i] = static_cast<char>(~out[i]);
        }
    }
    return out;
}

std::string encodeId(std::int64_t id) {
    std::string out;
    appendBigEndian(out, static_cast<std::uint64_t>(id), 8);
    return out;
}

std::string encodeKey(const KeyDecl& key, const RecordBuffer& buffer, std::int64_t id) {
    std::string out = encodeComponents(key, buffer);
    if (!key.unique()) out += encodeId(id);
    return out;
}

std::string upperBound(const KeyDecl& key, const std::string& components) {
    if (key.unique()) return components;
    return components + std::string(8, '\xFF');
}

}  // namespace rt::keycodec
