// Every number picture of every window and report structure is wide enough for the largest
// value of the field behind it (and for the lowest, where the picture lets negatives in):
// none of them writes "#" at that value. A running sum must show the sum over 10,000
// records of the field's largest value.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
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
#include "runtime/text/picture.h"
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
// level walk counts ten levels) and the draft day (a day of the month).
std::optional<Limits> keptLimits(std::string_view field) {
    if (field == "MAI:LEVEL") return Limits{0, 99};
    if (field == "MAI:DRAFTDAY") return Limits{0, 31};
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

// Variables of the windows that are no record field, with what they can hold.
std::optional<Limits> localLimits(std::string_view use) {
    // The totals under the checks lists: sums of CHE:AMOUNT.
    if (use == "LOC:Total") return Limits{0, rt::Decimal("99999.99") * kSummedRecords};
    return std::nullopt;
}

// What a number picture writes at each limit that it cannot show ("#"), as a message.
std::vector<std::string> misfits(const std::string& picture, const Limits& limits) {
    std::vector<std::string> out;
    const bool negativesIn = picture.find('-') != std::string::npos;
    for (const rt::Decimal& v : {limits.highest, limits.lowest}) {
        if (v.isNegative() && !negativesIn) continue;
        const std::string text = rt::format(rt::Value(v), picture);
        if (text.find('#') != std::string::npos)
            out.push_back(picture + " writes \"" + text + "\" for " + v.toString());
    }
    return out;
}

bool isNumberPicture(const std::string& picture) {
    return !picture.empty() && rt::describePicture(picture).kind == rt::PictureKind::Number;
}

TEST(NumberPictures, EveryWindowShowsTheLargestValueOfEachField) {
    int checked = 0;
    for (const testsupport::NamedStructure& named : testsupport::allWindowStructures()) {
        for (const rt::ControlStructure& c : named.structure->controls) {
            if (!isNumberPicture(c.picture) || c.use.empty()) continue;
            std::optional<Limits> limits = localLimits(c.use);
            if (const FoundField f = findField(c.use); f.file)
                limits = limitsOf(f.file->decl().fields()[static_cast<std::size_t>(f.index)], true);
            if (!limits) continue;
            ++checked;
            for (const std::string& m : misfits(c.picture, *limits))
                ADD_FAILURE() << named.name << ", " << c.use << ": " << m;
        }
    }
    EXPECT_GT(checked, 20);  // the walk reached the structures' number entries
}

// Every record field at its largest value; reports read them through their value sources.
void fillEveryFieldWithItsLargest() {
    for (const records::RecordFileEntry& e : records::allRecordFiles()) {
        rt::RecordBuffer& buf = e.file->buf();
        const auto& fields = buf.decl().fields();
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (std::optional<Limits> l = limitsOf(fields[i], true))
                buf.setNumber(static_cast<int>(i), l->highest);
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
        const rt::Decimal largest = sum ? v.asNumber() * kSummedRecords : v.asNumber();
        for (const std::string& m : misfits(c.picture, Limits{-largest, largest}))
            ADD_FAILURE() << report << ", control " << c.id << (sum ? " (sum)" : "") << ": " << m;
    }
}

TEST(NumberPictures, EveryReportShowsTheLargestValueOfEachFieldAndSum) {
    fillEveryFieldWithItsLargest();
    int checked = 0;
    for (const NamedReport& r : numberReports()) {
        ReportStructurePtr s = r.make();
        ASSERT_NE(s, nullptr) << r.name;
        for (const std::optional<rt::ReportBand>* band : {&s->pageHeader, &s->pageFooter, &s->form})
            if (*band) checkBand(r.name, **band, checked);
        for (const rt::ReportBand& band : s->details)
            checkBand(r.name, band, checked);
        for (const rt::BreakGroup& group : s->breaks) {
            if (group.header) checkBand(r.name, *group.header, checked);
            if (group.footer) checkBand(r.name, *group.footer, checked);
        }
    }
    EXPECT_GT(checked, 10);
}

}  // namespace
