#include "tests/checks/check_test_support.h"

#include <memory>

#include "frame/tagging.h"
#include "records/checks.h"
#include "runtime/data/transaction.h"
#include "runtime/print/printer.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"
#include "tests/support/page_keeper.h"
#include "tests/support/print_endings.h"

namespace checktest {

namespace {

class KeepingBackend : public rt::PrintBackend {
  public:
    std::string defaultPrinterName() override { return "Test Printer"; }
    bool print(rt::PageSource& pages, const rt::PrintSettings&, std::string& error) override {
        return testsupport::takePages(pages, printed, error);
    }
    std::vector<rt::Page> printed;
};

std::shared_ptr<KeepingBackend>& keeper() {
    static std::shared_ptr<KeepingBackend> backend;
    return backend;
}

}  // namespace

std::vector<std::int64_t> makeChecks(const std::vector<Check>& checks) {
    std::vector<std::int64_t> pointers;
    CHECKS.remove();  // CREATE never replaces a file
    CHECKS.create();
    CHECKS.open();
    rt::logout(1, {&CHECKS});  // one commit for all of them
    long id = 0;
    for (const Check& c : checks) {
        CHECKS.clear();
        CHE::CHECKID.setInteger(++id);
        CHE::FIRSTNAME.setText(c.first);
        CHE::LASTNAME.setText(c.last);
        CHE::PAYTO.setText(c.payTo);
        CHE::AMOUNT.setNumber(rt::Decimal(c.amount));
        CHE::MONTHLYAMOUNT.setNumber(rt::Decimal(c.amount));
        CHE::CHECKDATE.setInteger(rt::date(3, 1, 2026));
        CHE::BANKNAME.setText("First Bank");
        CHE::DONE.setText(c.done);
        CHE::X2.setText(c.draftsLeft);
        CHE::X1.setText(c.draftDay);
        CHE::CHECKNUMBER.setText(c.checkNumber);
        CHE::TRANSIT.setText("123456789");
        CHE::ACCOUNTNUMBER.setText("987654");
        CHE::CKSIGN.setText("C");
        CHE::ANSIGN.setText("A");
        CHE::CITY.setText("Springfield");
        CHE::STATE.setText("IL");
        CHE::ZIP.setText("62701");
        CHECKS.add();
        pointers.push_back(CHECKS.pointer());
    }
    rt::commit();
    CHECKS.close();
    return pointers;
}

std::vector<StoredCheck> storedChecks() {
    std::vector<StoredCheck> all;
    CHECKS.open();
    CHECKS.set(CHE::KEYCHECKID);
    while (CHECKS.next() == 0)
        all.push_back(
            {std::string(rt::clip(CHE::LASTNAME.text())), std::string(rt::clip(CHE::DONE.text())),
             std::string(rt::clip(CHE::X2.text())), std::string(rt::clip(CHE::CHECKNUMBER.text())),
             std::string(rt::clip(CHE::CHECKMEMO.text())),
             static_cast<long>(CHE::CHECKDATE.integer())});
    CHECKS.close();
    return all;
}

std::vector<std::int64_t> makeThreeSmiths(long table) {
    const auto pointers = makeChecks({{"Ann", "Smith", "Acme", "10.00", "", "3"},
                                      {"Bob", "smith", "Bolt", "20.00", "", ""},
                                      {"Cy", "Smith", "Core", "30.00", "Y", "5"}});
    OpenTagFile_();
    NewTag_(TAG::ChecksToPrint);
    NewTag_(TAG::CheckRegister);
    CloseTagFile_();
    if (table) tagChecks(table, pointers);
    return pointers;
}

void tagChecks(long table, const std::vector<std::int64_t>& pointers) {
    OpenTagFile_();
    for (std::int64_t p : pointers)
        SetTag_(table, static_cast<long>(p), "");
    CloseTagFile_();
}

void recordPrintedPages() {
    rt::printer().reset();
    keeper() = std::make_shared<KeepingBackend>();
    rt::printer().setBackend(keeper());
}

const std::vector<rt::Page>& printedPages() {
    return keeper()->printed;
}

std::vector<std::string> textsOf(const rt::Page& page) {
    std::vector<std::string> out;
    for (const rt::PageItem& item : page.items)
        if (const auto* text = std::get_if<rt::PageText>(&item)) out.push_back(text->text);
    return out;
}

void runPassToEnd(rt::Driver& d) {
    testsupport::runTimersUntilAsked(d);
}

void printWithoutPreview(rt::Driver& d) {
    d.waitWindow("Report Destination");
    d.press("Print Report");
    d.press("OK");
    runPassToEnd(d);
}

}  // namespace checktest
