// Every check, draft, blank-check and register report run through its procedure over checks whose
// every field holds the longest value it takes, in capitals and the widest letters: from the
// printed PDF, no word leaves the sheet and none stands over another, in the fonts the
// windows use.

#include <gtest/gtest.h>

#include <functional>

#include "checks/check_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/blank.h"
#include "records/checks.h"
#include "records/payee.h"
#include "tests/checks/check_test_support.h"
#include "tests/runtime/qt/rendered_page.h"
#include "tests/support/pdf_words.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace checktest;

const std::string kPayTo(30, 'W');

// The record in `file`'s buffer (a check, a draft or a blank check) with every field at its
// longest; the bank line's fields as long as the line takes them.
void fillWidest(rt::RecordFile& file, const std::string& prefix, const std::string& number) {
    rt::RecordBuffer& buf = file.buf();
    for (const rt::FieldDecl& f : file.decl().fields())
        if (f.type == rt::FieldType::String)
            buf.setText(buf.field(f.name), std::string(f.size, 'W'));
    auto set = [&](const char* field, const std::string& text) {
        buf.setText(buf.field(prefix + field), text);
    };
    set("DONE", "");
    set("CKSIGN", "C");
    set("ANSIGN", "A");
    set("TRANSIT", "123456789");
    set("ACCOUNTNUMBER", "123456789012345678");
    set("CHECKNUMBER", number);
    set("PHONE", "8005551212");
    set("PAYTO", kPayTo);
    set("X1", "31");
    set("X2", "999");
    buf.setNumber(buf.field(prefix + "AMOUNT"), rt::Decimal("99999.99"));
    buf.setNumber(buf.field(prefix + "MONTHLYAMOUNT"), rt::Decimal("99999.99"));
    buf.setInteger(buf.field(prefix + "CHECKDATE"), 80000);
}

// Three checks (and drafts) of one last name, printed or not, and three blank checks, every
// field at its longest; the payee they pay with its longest address; all tagged in every
// table the reports read.
void makeWidestChecks(const char* done) {
    const auto pointers = makeChecks(std::vector<Check>(3, Check{"", "", ""}));
    CHECKS.open();
    BLANK.remove();
    BLANK.create();
    BLANK.open();
    long number = 9999999997;
    for (std::int64_t pointer : pointers) {
        ASSERT_EQ(CHECKS.getPointer(pointer), 0);
        fillWidest(CHECKS, "CHE:", std::to_string(number));
        CHE::DONE.setText(done);
        ASSERT_EQ(CHECKS.put(), 0);
        BLANK.clear();
        fillWidest(BLANK, "CHE1:", std::to_string(number++));
        CHE1::CHECKID.setInteger(pointer);
        ASSERT_EQ(BLANK.add(), 0);
    }
    CHECKS.close();
    BLANK.close();
    PAYEE.remove();
    PAYEE.create();
    PAYEE.open();
    PAYEE.clear();
    PAY::PAYTO.setText(kPayTo);
    PAY::ADDRESS.setText(std::string(30, 'M'));
    PAY::CITYSTATEZIP.setText(std::string(30, 'W'));
    ASSERT_EQ(PAYEE.add(), 0);
    PAYEE.close();
    for (long table : {TAG::ChecksToPrint, TAG::CheckRegister, TAG::MonthlyDrafts})
        tagChecks(table, pointers);
}

struct CheckRun {
    const char* name;
    std::function<void()> report;
    const char* done = "";  // the register lists printed checks
};

TEST(CheckRunsPdf, LongestValuesStayInTheirBoxesAndApartInTheFontsOfTheWindows) {
    testsupport::TempDir dir{/*enter=*/true};
    const CheckRun runs[] = {
        {"style 1 tagged", &PrintCheckStyle1Tagged},  {"style 2 tagged", &PrintCheckStyle2Tagged},
        {"style 1, all", &PrintCheckStyle1All},       {"three-up", &PrintCheckStyle2ThreeUp},
        {"reprint style 1", &ReprintCheckStyle1},     {"reprint style 2", &ReprintCheckStyle2},
        {"check register", &PrintCheckRegister, "Y"}, {"draft run", &PrintMonthlyDrafts},
        {"draft register", &PrintDraftRegister},      {"blank three-up", &PrintBlankChecksThreeUp},
        {"blank one-up", &PrintBlankChecksOneUp},
    };
    for (const CheckRun& run : runs) {
        SCOPED_TRACE(run.name);
        makeWidestChecks(run.done);
        // The draft run's numbers go on from the largest that leaves room for three.
        GLO::LastCheckNumber = "9999999996";
        recordPrintedPages();
        rt::Driver d;
        d.start([&run] {
            CHECKS.clear();
            CHE::LASTNAME.setText(std::string(15, 'W'));  // the list's highlighted check
            run.report();
        });
        printWithoutPreview(d);
        ASSERT_TRUE(d.finish());
        ASSERT_FALSE(printedPages().empty());
        const std::filesystem::path pdf = dir / "run.pdf";
        std::string error;
        ASSERT_TRUE(rendered::printToPdf({printedPages().front()}, pdf, error)) << error;
        testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, {0, 0, 8500, 11000});
        testsupport::expectTheFontsOfTheWindows(pdf);
    }
}

}  // namespace
