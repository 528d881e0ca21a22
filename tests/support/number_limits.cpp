#include "tests/support/number_limits.h"

#include "records/all_files.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/picture.h"

namespace testsupport {

namespace {

// The range of a field's type.
std::optional<Limits> typeLimits(const rt::FieldDecl& f) {
    auto whole = [](long long low, long long high) { return Limits{low, high}; };
    switch (f.type) {
        case rt::FieldType::Byte:
            return whole(0, 255);
        case rt::FieldType::Short:
            return whole(-32768, 32767);
        case rt::FieldType::Long:
            return whole(-2147483648LL, 2147483647LL);
        case rt::FieldType::Decimal:
        case rt::FieldType::PDecimal: {
            std::string nines(static_cast<std::size_t>(f.digits - f.places), '9');
            if (f.places > 0) nines += "." + std::string(static_cast<std::size_t>(f.places), '9');
            const rt::Decimal largest(nines.empty() ? "0" : nines);
            return Limits{-largest, largest};
        }
        default:
            return std::nullopt;
    }
}

// Fields the program keeps far inside their type's range: the level of a distributor (the
// level walk counts ten levels), the draft day (a day of the month), the company's
// telephone numbers (their entries take ten digits) and its tax rate (below 1).
std::optional<Limits> keptLimits(std::string_view field) {
    if (field == "MAI:LEVEL") return Limits{0, 99};
    if (field == "MAI:DRAFTDAY") return Limits{0, 31};
    if (field == "COM:PHONE" || field == "COM:FAX") return Limits{0, 9999999999LL};
    if (field == "COM:SALESTAX") return Limits{0, rt::Decimal("0.9999")};  // a rate below 1
    return std::nullopt;
}

}  // namespace

std::optional<Limits> limitsOf(const rt::FieldDecl& f, bool kept) {
    if (kept)
        if (std::optional<Limits> l = keptLimits(f.name)) return l;
    return typeLimits(f);
}

FoundField findField(std::string_view name) {
    for (const records::RecordFileEntry& e : records::allRecordFiles())
        if (int i = e.file->decl().fieldIndex(name); i >= 0) return {e.file, i};
    return {};
}

// Variables of the windows that are no record field, and amounts kept as text, with what
// they can hold.
std::optional<Limits> localLimits(std::string_view use) {
    // The totals under the checks lists: sums of CHE:AMOUNT.
    if (use == "LOC:Total") return Limits{0, rt::Decimal("99999.99") * kSummedRecords};
    // The company's rate with its five places.
    if (use == "COM:X5") return Limits{0, rt::Decimal("0.99999")};
    // The draft day, typed as two characters.
    if (use == "CHE:X1") return Limits{0, 99};
    // Paid takes what its entry (-99,999.99 to 999,999.99) shows; the balance is a total
    // (-99,999.99 to 99,999.99) less what was paid.
    if (use == "ORD:PAID") return Limits{rt::Decimal("-99999.99"), rt::Decimal("999999.99")};
    if (use == "ORD:BALANCE") return Limits{rt::Decimal("-1099999.98"), rt::Decimal("199999.98")};
    return std::nullopt;
}

// What a variable or field can hold: local limits first, then the field's (kept) limits;
// nullopt for text.
std::optional<Limits> limitsOfUse(std::string_view use) {
    if (std::optional<Limits> local = localLimits(use)) return local;
    if (const FoundField f = findField(use); f.file)
        return limitsOf(f.file->decl().fields()[static_cast<std::size_t>(f.index)], true);
    return std::nullopt;
}

// What a number picture writes at each limit that it cannot show ("#"), as a message.
std::vector<std::string> misfits(const std::string& picture, const Limits& limits) {
    std::vector<std::string> out;
    // A pattern shows digits only; its "-" is a separator.
    const bool negativesIn = rt::describePicture(picture).kind == rt::PictureKind::Number &&
                             picture.find('-') != std::string::npos;
    std::vector<rt::Decimal> values = {limits.highest};
    if (limits.lowest != limits.highest) values.push_back(limits.lowest);
    for (const rt::Decimal& v : values) {
        if (v.isNegative() && !negativesIn) continue;
        const std::string text = rt::format(rt::Value(v), picture);
        if (text.find('#') != std::string::npos)
            out.push_back(picture + " writes \"" + text + "\" for " + v.toString());
    }
    return out;
}

bool isNumberPicture(const std::string& picture) {
    if (picture.empty()) return false;
    const rt::PictureKind kind = rt::describePicture(picture).kind;
    return kind == rt::PictureKind::Number || kind == rt::PictureKind::Pattern;
}

namespace {

const ColumnSource kColumnSources[] = {
    {"contacts list", "Home Phone", "MAI:HOMEPHONE"},
    {"contacts list", "Work Phone", "MAI:WORKPHONE"},
    {"select client", "Home Phone", "MAI:HOMEPHONE"},
    {"select client", "Work Phone", "MAI:WORKPHONE"},
    {"appointments list", "Time", "MAI:APPOINTMENTTIME"},
    {"sponsor list", "Level", "MAI:LEVEL"},
    {"levels list", "Level", "MAI:LEVEL"},
    {"levels list", "Home Phone", "MAI:HOMEPHONE"},
    {"levels list", "Work Phone", "MAI:WORKPHONE"},
    {"up-line list", "Level", "MAI:LEVEL"},
    {"up-line list", "Level 1", "MAI:L1"},
    {"invoice list", "Balance", "ORD:BALANCE"},
    {"item selector", "PRICE", "INV:PRICE"},
    {"inventory list", "Price", "INV:PRICE"},
    {"company chooser (invoices)", "PHONE", "COM:PHONE"},
    {"company chooser (invoices)", "FAX", "COM:FAX"},
    {"company chooser (invoices)", "SALESTAX", "COM:X5"},
    {"company chooser (envelopes)", "PHONE", "COM:PHONE"},
    {"company chooser (envelopes)", "FAX", "COM:FAX"},
    {"company chooser (envelopes)", "SALESTAX", "COM:X5"},
    {"company chooser (shipping label)", "PHONE", "COM:PHONE"},
    {"company chooser (shipping label)", "FAX", "COM:FAX"},
    {"company chooser (shipping label)", "SALESTAX", "COM:X5"},
    {"checks to print", "Amount", "CHE:AMOUNT"},
    {"check register", "Amount", "CHE:AMOUNT"},
    {"monthly drafts", "Draft Day", "CHE:X1"},
    {"monthly drafts", "Amount", "CHE:AMOUNT"},
    {"draft client selection", "Draft Day", "MAI:DRAFTDAY"},
    {"draft client selection", "Monthly Amount", "MAI:MONTHLYAMOUNT"},
    {"draft client selection", "Home Phone", "MAI:HOMEPHONE"},
    {"draft client selection", "Work Phone", "MAI:WORKPHONE"},
    {"area-code look-up", "Area Code", "ARE:AREACODE"},
    {"area-code list", "Area Code", "ARE:AREACODE"},
};

}  // namespace

const ColumnSource* columnSource(const std::string& structure, const std::string& header) {
    const std::size_t first = header.find_first_not_of(' ');
    const std::string_view trimmed =
        first == std::string::npos ? std::string_view() : rt::clip(header).substr(first);
    for (const ColumnSource& c : kColumnSources)
        if (structure == c.structure && trimmed == c.header) return &c;
    return nullptr;
}

}  // namespace testsupport
