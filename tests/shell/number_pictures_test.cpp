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
#include "tests/support/number_limits.h"

namespace {

using namespace testsupport;

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
