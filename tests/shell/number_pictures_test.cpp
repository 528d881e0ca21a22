// Every number picture of every window and report structure, list columns and number
// patterns included, is wide enough for the largest value of the field behind it (and for
// the lowest, where the picture lets negatives in): none of them writes "#" at that value. A
// running sum must show the sum over 10,000 records of the field's largest value.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "checks/check_layout.h"
#include "checks/check_register_report_layout.h"
#include "frame/report_job.h"
#include "genealogy/genealogy_report_layouts.h"
#include "invoices/invoice_document_report.h"
#include "invoices/invoice_summary_report.h"
#include "records/all_files.h"
#include "runtime/print/report_structure.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/picture.h"
#include "runtime/ui/list_format.h"
#include "tests/support/all_window_structures.h"

namespace {

constexpr int kSummedRecords = 10000;

struct Limits {
    rt::Decimal lowest, highest;
};

std::optional<Limits> limitsOf(const rt::FieldDecl& f) {
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

std::optional<Limits> limitsOf(const rt::FieldDecl& f, bool kept) {
    if (kept)
        if (std::optional<Limits> l = keptLimits(f.name)) return l;
    return limitsOf(f);
}

struct FoundField {
    rt::RecordFile* file = nullptr;
    int index = -1;
};

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

TEST(NumberPictures, EveryWindowShowsTheLargestValueOfEachField) {
    int checked = 0;
    for (const testsupport::NamedStructure& named : testsupport::allWindowStructures()) {
        for (const rt::ControlStructure& c : named.structure->controls) {
            if (!isNumberPicture(c.picture) || c.use.empty()) continue;
            const std::optional<Limits> limits = limitsOfUse(c.use);
            if (!limits) continue;
            ++checked;
            for (const std::string& m : misfits(c.picture, *limits))
                ADD_FAILURE() << named.name << ", " << c.use << ": " << m;
        }
    }
    EXPECT_GT(checked, 20);  // the walk reached the structures' number entries
}

// What each list column with a number or pattern picture shows: the field its list puts
// into that row field. Phones and times are text shown through a pattern.
struct ColumnSource {
    const char* structure;
    const char* header;
    const char* field;
};

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

const ColumnSource* columnSource(const std::string& structure, const std::string& header) {
    const std::size_t first = header.find_first_not_of(' ');
    const std::string_view trimmed =
        first == std::string::npos ? std::string_view() : rt::clip(header).substr(first);
    for (const ColumnSource& c : kColumnSources)
        if (structure == c.structure && trimmed == c.header) return &c;
    return nullptr;
}

TEST(NumberPictures, EveryListColumnShowsTheLargestValueOfItsField) {
    std::set<std::string> listsSeen;
    for (const testsupport::NamedStructure& named : testsupport::allWindowStructures()) {
        for (const rt::ControlStructure& c : named.structure->controls) {
            if (c.format.empty()) continue;
            const std::optional<rt::ListFormat> format = rt::parseListFormat(c.format);
            if (!format) continue;
            for (const rt::ListColumn& column : format->columns) {
                if (!isNumberPicture("@" + column.picture)) continue;
                const ColumnSource* source = columnSource(named.name, column.header);
                if (!source) {
                    ADD_FAILURE() << named.name << ", column \"" << column.header
                                  << "\": no field known behind its number picture";
                    continue;
                }
                const std::optional<Limits> limits = limitsOfUse(source->field);
                if (!limits) continue;  // text shown through a pattern
                listsSeen.insert(named.name);
                for (const std::string& m : misfits("@" + column.picture, *limits))
                    ADD_FAILURE() << named.name << ", column \"" << column.header << "\" ("
                                  << source->field << "): " << m;
            }
        }
    }
    for (const char* list : {"checks to print", "monthly drafts", "invoice list",
                             "company chooser (invoices)", "up-line list", "area-code list"})
        EXPECT_TRUE(listsSeen.count(list)) << "the walk missed the number columns of " << list;
}

// Every record field, and every amount kept as text, at its highest or at its lowest value;
// reports read them through their value sources.
void fillEveryField(bool highest) {
    for (const records::RecordFileEntry& e : records::allRecordFiles()) {
        rt::RecordBuffer& buf = e.file->buf();
        const auto& fields = buf.decl().fields();
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (std::optional<Limits> l = limitsOf(fields[i], true))
                buf.setNumber(static_cast<int>(i), highest ? l->highest : l->lowest);
    }
    for (const char* name : {"ORD:PAID", "ORD:BALANCE"}) {
        const FoundField f = findField(name);
        const std::optional<Limits> l = localLimits(name);
        f.file->buf().setText(f.index, (highest ? l->highest : l->lowest).toString());
    }
}

rt::ValueSource bindByName(const std::string& name) {
    const FoundField f = findField(name);
    if (!f.file) return [] { return rt::Value(std::string()); };
    return [f] { return f.file->buf().value(f.index); };
}

struct NamedReport {
    std::string name;
    std::function<ReportStructurePtr()> make;
};

std::vector<NamedReport> numberReports() {
    std::vector<NamedReport> all = {
        {"invoice summary", [] { return windows::invoice_summary::invoiceSummaryReport(); }},
        {"invoice document", [] { return windows::invoice_document::invoiceDocumentReport(true); }},
        {"check register", [] { return checks_layout::makeRegisterReport(bindByName); }},
        {"draft register", [] { return checks_layout::makeDraftRegisterReport(bindByName); }},
        {"genealogy", [] { return reports::genealogy::genealogyReport(); }},
        {"up-line", [] { return reports::genealogy::uplineReport(); }},
    };
    using checks_layout::CheckPage;
    for (CheckPage page : {CheckPage::Style1, CheckPage::Style1All, CheckPage::Style1Reprint,
                           CheckPage::Style2, CheckPage::Style2Reprint, CheckPage::ThreeUp,
                           CheckPage::Draft, CheckPage::BlankThreeUp, CheckPage::BlankOneUp})
        all.push_back({"check page " + std::to_string(static_cast<int>(page)),
                       [page] { return checks_layout::makeCheckPageReport(page, bindByName); }});
    return all;
}

void checkBand(const std::string& report, const rt::ReportBand& band, int& checked) {
    for (const rt::ReportControl& c : band.controls) {
        const bool sum = c.kind == rt::ReportControlKind::Sum;
        if ((c.kind != rt::ReportControlKind::String && !sum) || !c.value ||
            !isNumberPicture(c.picture))
            continue;
        const rt::Value v = c.value();
        if (!v.isNumber()) continue;
        ++checked;
        const rt::Decimal shown = sum ? v.asNumber() * kSummedRecords : v.asNumber();
        for (const std::string& m : misfits(c.picture, Limits{shown, shown}))
            ADD_FAILURE() << report << ", control " << c.id << (sum ? " (sum)" : "") << ": " << m;
    }
}

TEST(NumberPictures, EveryReportShowsTheLargestValueOfEachFieldAndSum) {
    int checked = 0;
    for (bool highest : {true, false}) {
        fillEveryField(highest);
        for (const NamedReport& r : numberReports()) {
            ReportStructurePtr s = r.make();
            ASSERT_NE(s, nullptr) << r.name;
            for (const std::optional<rt::ReportBand>* band :
                 {&s->pageHeader, &s->pageFooter, &s->form})
                if (*band) checkBand(r.name, **band, checked);
            for (const rt::ReportBand& band : s->details)
                checkBand(r.name, band, checked);
            for (const rt::BreakGroup& group : s->breaks) {
                if (group.header) checkBand(r.name, *group.header, checked);
                if (group.footer) checkBand(r.name, *group.footer, checked);
            }
        }
    }
    EXPECT_GT(checked, 10);
}

}  // namespace
