// Keys typed at a fast typist's pace into the program's real windows (offscreen), stamped and
// sent through the window as the window system sends them: a box that asks to confirm a
// removal, a cancel, the saving of a change, the clearing of a selection or the replacing of a
// file takes none of the burst that opened it, Delete in a field deletes text, and the keys
// typed behind the key that opens a form go into that form.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <ostream>

#include "checks/blank_check_form_window.h"
#include "checks/blank_checks_window.h"
#include "checks/check_form_window.h"
#include "checks/check_procedures.h"
#include "checks/check_register_window.h"
#include "checks/checks_to_print_window.h"
#include "checks/draft_form_window.h"
#include "checks/draft_search_window.h"
#include "checks/monthly_drafts_window.h"
#include "checks/payee_form_window.h"
#include "checks/payee_list_window.h"
#include "contacts/contact_form_window.h"
#include "contacts/contact_procedures.h"
#include "contacts/contact_search_window.h"
#include "contacts/contacts_list_window.h"
#include "followups/add_contacts_list_window.h"
#include "followups/follow_up_form_window.h"
#include "followups/follow_ups_list_window.h"
#include "followups/followup_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/report_destination.h"
#include "frame/report_destination_window.h"
#include "frame/search_by_example_windows.h"
#include "frame/tagging.h"
#include "information/help_list_window.h"
#include "information/information_list_window.h"
#include "information/information_procedures.h"
#include "information/product_list_window.h"
#include "invoices/company_chooser_window.h"
#include "invoices/company_form_window.h"
#include "invoices/company_list_window.h"
#include "invoices/inventory_list_window.h"
#include "invoices/invoice_form_window.h"
#include "invoices/invoice_list_window.h"
#include "invoices/invoice_procedures.h"
#include "labels/business_card_list_window.h"
#include "labels/label_procedures.h"
#include "records/areacode.h"
#include "records/blank.h"
#include "records/cards.h"
#include "records/checks.h"
#include "records/company.h"
#include "records/help.h"
#include "records/informat.h"
#include "records/inventor.h"
#include "records/mail.h"
#include "records/orders.h"
#include "records/payee.h"
#include "records/plf.h"
#include "records/web.h"
#include "records/zip.h"
#include "reference/area_code_list_window.h"
#include "reference/reference_procedures.h"
#include "reference/web_list_window.h"
#include "reference/zip_list_window.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"
#include "tests/followups/follow_up_fixture.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/reference/zip_records.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace {

namespace List = windows::contacts_list::ContactsControl;
namespace Form = windows::contact_form::ContactFormControl;
using qttest::keyAt;
using qttest::typeAt;

void makeContacts(std::initializer_list<std::pair<const char*, const char*>> names) {
    MAIL.create();
    MAIL.open();
    for (const auto& [first, last] : names) {
        MAIL.clear();
        MAI::FIRSTNAME.setText(first);
        MAI::LASTNAME.setText(last);
        MAIL.add();
    }
    MAIL.close();
}

void makeZips() {
    reftest::makeZipFile("Portland", "OR", "97201");
}

void makeOneInvoice() {
    invoicetest::makeCompanies(
        {{"Acme Supply", "1 Main Street", "Springfield IL 62704", 2175550100, 0, "0.0825"}});
    invoicetest::makeInvoices({{"Ann", "Smith", 1, "", 3, "19.99", "0", "59.97", "Acme"}});
}

// A new `file` holding one record, its fields given by `fill`.
void makeOne(rt::RecordFile& file, const std::function<void()>& fill) {
    file.create();
    file.open();
    file.clear();
    fill();
    file.add();
    file.close();
}

std::int64_t recordsOf(rt::RecordFile& file) {
    file.open();
    const std::int64_t n = file.records();
    file.close();
    return n;
}

// The one message box showing; nullptr when none is.
QMessageBox* shownBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

class KeysTypedAheadQt : public testing::Test {
  protected:
    void SetUp() override {
        RegisterContactProcedures();
        RegisterReferenceProcedures();
        RegisterInvoiceProcedures();
        RegisterCheckProcedures();
        RegisterFollowUpProcedures();
        RegisterLabelProcedures();
        RegisterInformationProcedures();
    }

    // Starts `procedure`, makes ready what `prepare` does, and gives the window on top the
    // keyboard on control `control`.
    rt::Window* open(std::function<void()> procedure, int control,
                     const std::function<void(qttest::QtSession&, rt::Window*)>& prepare = {}) {
        session.start(std::move(procedure));
        rt::Window* w = session.shownTop();
        if (!w) return nullptr;
        if (prepare) {
            prepare(session, w);
            w = session.shownTop();  // the window `prepare` leaves on top
        }
        QWidget* frame = session.backend().windowWidget(w);
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame));
        // As the user's Tab moves it: the program hears of it.
        if (QWidget* target = session.widget(w, control)) target->setFocus(Qt::TabFocusReason);
        session.settle();
        return w;
    }

    // The box showing, answered with `button`, and the program's answer to it.
    void answerBox(QMessageBox::StandardButton button) {
        QPointer<QMessageBox> box = shownBox();
        ASSERT_NE(box, nullptr);
        box->button(button)->click();
        session.settle();
    }

    // The contacts list, highlighting its first contact, and the letter `letter` with Alt
    // there, `typing` right behind it: the form that opened.
    rt::Window* contactFormByLetter(Qt::Key letter, const std::function<void()>& typing) {
        list = open([] { BrowseMAIL(); }, List::List);
        if (!list) return nullptr;
        EXPECT_EQ(list->prop(List::List, PROP::SelectedRow), 1);
        keyAt(1000, letter, {}, Qt::AltModifier);
        typing();
        session.settle();
        rt::Window* form = qttest::topWindow();
        return form != list ? form : nullptr;
    }

    // OK in the contact form, back in the list, and the program ended.
    void saveContact(rt::Window* form) {
        session.click(form, Form::Ok);
        ASSERT_EQ(qttest::topWindow(), list);
        ASSERT_TRUE(session.finish());
    }

    QString fieldText(rt::Window* w, int control) {
        auto* field = qobject_cast<QLineEdit*>(session.widget(w, control));
        return field ? field->text() : QStringLiteral("(no field)");
    }

    testsupport::TempDir dir{/*enter=*/true};
    qttest::QtSession session;
    rt::Window* list = nullptr;
};

// A confirming box, the way to it, and the key that opens it.
struct ConfirmingBox {
    const char* name;
    std::function<void()> makeRecords;
    std::function<void()> procedure;
    std::function<void(qttest::QtSession&, rt::Window*)> prepare;  // may be empty
    std::function<std::string()> kept;  // what the box guards, read before and after
    int focus;                          // the control with the keyboard when the key is pressed
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;  // how the box's text begins
    // A form's box: the text of the field with the keyboard once `typed` is typed there (the
    // change the form asks about), and the answer that then leaves the form unsaved.
    const char* changed = nullptr;
    QMessageBox::StandardButton leave = QMessageBox::Yes;
    const char* typed = "x";
};

std::string contacts() {
    return std::to_string(recordsOf(MAIL)) + " contacts";
}

// What a row's box guards: the number of records in `file`.
std::function<std::string()> countOf(rt::RecordFile& file) {
    return [&file] { return std::to_string(recordsOf(file)) + " records"; };
}

// One contact with a follow-up and an appointment.
void makeDatedContact() {
    followuptest::makeContacts({{"Ann", "Smith", rt::today() + 2, rt::today() + 3, "09:00", "1"}});
}

// What a follow-up or appointment list's box guards: the contacts, with their follow-up day
// and appointment, as stored.
std::string datedContacts() {
    std::string kept;
    for (const followuptest::Stored& c : followuptest::storedContacts())
        kept += c.first + " " + std::to_string(c.followUp) + " " + c.appointmentDate + ";";
    return kept;
}

// One of the user's own companies.
void makeOneCompany() {
    invoicetest::makeCompanies({{"Acme Supply", "1 Main Street", "Springfield IL 62704"}});
}

// The list of the company chooser on `road`.
int chooser(windows::company_chooser::ChooserRoad road) {
    return windows::company_chooser::chooserControls(road).list;
}

// One check, to print and as a monthly draft with no draft day yet.
void makeOneCheck() {
    makeOne(CHECKS, [] {
        CHE::FIRSTNAME.setText("Ann");
        CHE::LASTNAME.setText("Smith");
        CHE::CHECKID.setInteger(1);
        CHE::ADDRESS.setText("1 Main Street");
        CHE::X2.setText("3");
    });
}

// The form `form` changing the first record of `file`.
std::function<void()> changing(rt::RecordFile& file, void (*form)()) {
    return [&file, form] {
        file.open();
        file.set();
        file.next();
        GLO::Request = REQ::Change;
        form();
        file.close();
    };
}

// What a form's box guards: `field` of the first record of `file`, as stored.
std::function<std::string()> storedOf(rt::RecordFile& file, const rt::Field& field) {
    return [&file, &field] {
        file.open();
        file.set();
        const std::string stored =
            file.next() == 0 ? std::string(rt::clip(field.text())) : "(none)";
        file.close();
        return stored;
    };
}

// The first contact in record order.
long firstContact() {
    MAIL.open();
    MAIL.set();
    const long pointer = MAIL.next() == 0 ? static_cast<long>(MAIL.pointer()) : 0;
    MAIL.close();
    return pointer;
}

// Ann Smith selected (tagged) by an earlier search, and Bob Jones not.
void makeAnOldSelection() {
    makeContacts({{"Ann", "Smith"}, {"Bob", "Jones"}});
    OpenTagFile_();
    SetTag_(TAG::Contacts, firstContact(), "x");
    CloseTagFile_();
}

// What "Clear old selections first?" guards: the old selection.
std::string oldSelection() {
    OpenTagFile_();
    const bool tagged = GetTag_(TAG::Contacts, firstContact()) != 0;
    CloseTagFile_();
    return tagged ? "Ann Smith selected" : "Ann Smith not selected";
}

// A search for the contacts named Jones, begun: the window that asks what to do with them.
void beginSearchForJones(qttest::QtSession& session, rt::Window* search) {
    namespace S = windows::contact_search::SearchControl;
    session.click(search, S::LastName);
    QTest::keyClicks(QApplication::focusWidget(), "Jones");
    session.click(search, S::BeginSearch);
    ASSERT_NE(qttest::topWindow(), search);
}

// A report to print into "old.pdf", which exists: printing into a file chosen in the options.
void printIntoAnExistingFile(qttest::QtSession& session, rt::Window* destination) {
    namespace O = windows::report_destination::PrintOptionsControl;
    session.click(destination, windows::report_destination::DestinationControl::Options);
    rt::Window* options = session.shownTop();
    ASSERT_NE(options, destination);
    session.click(options, O::PrintToFile);
    session.click(options, O::FileName);
    QTest::keyClicks(QApplication::focusWidget(), "old.pdf");
    session.click(options, O::Ok);
    ASSERT_EQ(qttest::topWindow(), destination);
}

void PrintTo(const ConfirmingBox& row, std::ostream* out) {
    *out << row.name;
}

const ConfirmingBox kConfirmingBoxes[] = {
    {"contacts_delete_by_its_letter",
     [] {
         makeContacts({{"Ann", "Smith"}});
     },
     [] { BrowseMAIL(); }, nullptr, &contacts, windows::contacts_list::ContactsControl::List,
     Qt::Key_D, Qt::AltModifier, "You've selected to delete"},
    {"zip_delete_key_in_the_list", &makeZips, [] { ZipCode2(); }, nullptr,
     [] { return std::to_string(recordsOf(ZIP)) + " zip codes"; },
     windows::zip_list::ZipListControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"invoice_delete_key_in_the_list", &makeOneInvoice, [] { BrowseInvoices(); }, nullptr,
     [] { return std::to_string(recordsOf(ORDERS)) + " invoices"; },
     windows::invoice_list::InvoiceListControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"company_delete_key_in_the_list", &makeOneCompany, [] { BrowseCompanies(); }, nullptr,
     countOf(COMPANY), windows::company_list::CompanyListControl::List, Qt::Key_Delete,
     Qt::NoModifier, "You've selected to delete"},
    {"invoice_company_chooser_delete_key_in_the_list", &makeOneCompany,
     [] { SelectInvoiceCompany(); }, nullptr, countOf(COMPANY),
     chooser(windows::company_chooser::ChooserRoad::Invoices), Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"envelope_company_chooser_delete_key_in_the_list", &makeOneCompany,
     [] { SelectEnvelopeCompany(); }, nullptr, countOf(COMPANY),
     chooser(windows::company_chooser::ChooserRoad::Envelopes), Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"shipping_label_company_chooser_delete_key_in_the_list", &makeOneCompany,
     [] { SelectShippingLabelCompany(); }, nullptr, countOf(COMPANY),
     chooser(windows::company_chooser::ChooserRoad::ShippingLabel), Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"inventory_delete_key_in_the_list",
     [] {
         invoicetest::makeItems({{"WIDGET", "A widget", "1.50"}});
     },
     [] { InventoryFileBrowse(); }, nullptr, countOf(INVENTOR),
     windows::inventory_list::InventoryListControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"area_code_delete_key_in_the_list",
     [] {
         makeOne(AREACODE, [] {
             ARE::AREACODE.setText("503");
             ARE::STATE.setText("OR");
             ARE::CITY.setText("Portland");
         });
     },
     [] { UpdateAreaCodes(); }, nullptr, countOf(AREACODE),
     windows::area_code_list::AreaListControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"bookmark_delete_key_in_the_list",
     [] {
         makeOne(WEB, [] {
             WEB::SITENAME.setText("Weather");
             WEB::URL.setText("http://weather.example");
         });
     },
     [] { WebBookMarks(); }, nullptr, countOf(WEB), windows::web_list::WebListControl::List,
     Qt::Key_Delete, Qt::NoModifier, "You've selected to delete"},
    {"payee_delete_key_in_the_list",
     [] { makeOne(PAYEE, [] { PAY::PAYTO.setText("Acme Supply"); }); }, [] { SelectPayTo(); },
     nullptr, countOf(PAYEE), windows::payee_list::PayeeListControl::List, Qt::Key_Delete,
     Qt::NoModifier, "You've selected to delete"},
    {"check_to_print_delete_key_in_the_list",
     [] {
         makeOne(CHECKS, [] {
             CHE::FIRSTNAME.setText("Ann");
             CHE::LASTNAME.setText("Smith");
             CHE::CHECKID.setInteger(1);
         });
     },
     [] { PostChecksToPrint(); }, nullptr, countOf(CHECKS),
     windows::checks_to_print::ChecksToPrintControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"check_register_delete_key_in_the_list",
     [] {
         makeOne(CHECKS, [] {
             CHE::FIRSTNAME.setText("Ann");
             CHE::LASTNAME.setText("Smith");
             CHE::CHECKID.setInteger(1);
             CHE::DONE.setText("Y");  // printed
         });
     },
     [] { BrowseCheckRegister(); }, nullptr, countOf(CHECKS),
     windows::check_register::RegisterControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"monthly_draft_delete_key_in_the_list",
     [] {
         makeOne(CHECKS, [] {
             CHE::FIRSTNAME.setText("Ann");
             CHE::LASTNAME.setText("Smith");
             CHE::CHECKID.setInteger(1);
             CHE::X2.setText("3");  // drafts still to run
         });
     },
     [] { BrowseMonthlyDrafts(); }, nullptr, countOf(CHECKS),
     windows::monthly_drafts::DraftsControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"blank_check_delete_key_in_the_list",
     [] {
         makeOne(BLANK, [] {
             CHE1::FIRSTNAME.setText("Ann");
             CHE1::LASTNAME.setText("Smith");
             CHE1::CHECKID.setInteger(1);
         });
     },
     [] { BrowseBlankChecks(); }, nullptr, countOf(BLANK),
     windows::blank_checks::BlankChecksControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"follow_up_delete_key_in_the_list", &makeDatedContact, [] { BrowseContacts(); }, nullptr,
     &datedContacts, windows::follow_ups_list::DatedListControl::List, Qt::Key_Delete,
     Qt::NoModifier, "You've selected to delete"},
    {"appointment_delete_key_in_the_list", &makeDatedContact, [] { BrowseAppointments(); }, nullptr,
     &datedContacts, windows::follow_ups_list::DatedListControl::List, Qt::Key_Delete,
     Qt::NoModifier, "You've selected to delete"},
    {"follow_up_chooser_delete_key_in_the_list", &makeDatedContact, [] { AddContacts(); }, nullptr,
     &datedContacts, windows::add_contacts_list::AddListControl::List, Qt::Key_Delete,
     Qt::NoModifier, "You've selected to delete"},
    {"appointment_chooser_delete_key_in_the_list", &makeDatedContact, [] { AddAppointments(); },
     nullptr, &datedContacts, windows::add_contacts_list::AddListControl::List, Qt::Key_Delete,
     Qt::NoModifier, "You've selected to delete"},
    {"business_card_delete_key_in_the_list",
     [] {
         makeOne(CARDS, [] {
             CAR::BUSINESSNAME.setText("Acme Supply");
             CAR::NAME.setText("Ann Smith");
         });
     },
     [] { BrowsePrintBusinessCards(); }, nullptr, countOf(CARDS),
     windows::business_card_list::CardListControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"help_topic_delete_key_in_the_list",
     [] { makeOne(HELP, [] { HEL::HELP.setText("Printing checks"); }); }, [] { HelpBrowse(); },
     nullptr, countOf(HELP), windows::help_list::HelpListControl::List, Qt::Key_Delete,
     Qt::NoModifier, "You've selected to delete"},
    {"information_delete_key_in_the_list",
     [] { makeOne(INFORMAT, [] { INF::INFORMATIONFILE.setText("Getting started"); }); },
     [] { Information(); }, nullptr, countOf(INFORMAT),
     windows::information_list::InformationListControl::List, Qt::Key_Delete, Qt::NoModifier,
     "You've selected to delete"},
    {"product_delete_key_in_the_list",
     [] { makeOne(PLF, [] { PLF::PRODUCTNAME.setText("Vitamins"); }); }, [] { AddProductName(); },
     nullptr, countOf(PLF), windows::product_list::ProductListControl::List, Qt::Key_Delete,
     Qt::NoModifier, "You've selected to delete"},
    {"contact_form_escape_after_a_change",
     [] {
         makeContacts({{"Ann", "Smith"}});
     },
     [] {
         MAIL.open();
         MAIL.set();
         MAIL.next();
         GLO::Request = REQ::Change;
         UpdateMAIL();
         MAIL.close();
     },
     nullptr, &contacts, windows::contact_form::ContactFormControl::FirstName, Qt::Key_Escape,
     Qt::NoModifier, "Are you sure you want to cancel?", "Annx"},
    {"follow_up_form_escape_after_a_change", &makeDatedContact, changing(MAIL, &UpdateContactInfo),
     nullptr, storedOf(MAIL, MAI::EMAIL1), windows::follow_up_form::FollowUpFormControl::EMail1,
     Qt::Key_Escape, Qt::NoModifier, "Are you sure you want to cancel?", "x"},
    {"payee_form_escape_after_a_change",
     [] {
         makeOne(PAYEE, [] {
             PAY::PAYTO.setText("Acme Supply");
             PAY::ADDRESS.setText("1 Main Street");
         });
     },
     changing(PAYEE, &UpdatePayee), nullptr, storedOf(PAYEE, PAY::ADDRESS),
     windows::payee_form::PayeeFormControl::Address, Qt::Key_Escape, Qt::NoModifier,
     "Do you want to save the changes", "x", QMessageBox::No},
    {"company_form_escape_after_a_change", &makeOneCompany, changing(COMPANY, &UpdateCompany),
     nullptr, storedOf(COMPANY, COM::ADDRESS), windows::company_form::CompanyFormControl::Address,
     Qt::Key_Escape, Qt::NoModifier, "Do you want to save the changes", "x", QMessageBox::No},
    {"check_form_escape_after_a_change", &makeOneCheck, changing(CHECKS, &UpdateCheck), nullptr,
     storedOf(CHECKS, CHE::ADDRESS), windows::check_form::CheckFormControl::Address, Qt::Key_Escape,
     Qt::NoModifier, "Do you want to save the changes", "x", QMessageBox::No},
    {"draft_form_escape_after_a_change", &makeOneCheck, changing(CHECKS, &UpdateMonthlyDraft),
     nullptr, storedOf(CHECKS, CHE::ADDRESS), windows::draft_form::DraftFormControl::Address,
     Qt::Key_Escape, Qt::NoModifier, "Do you want to save the changes", "x", QMessageBox::No},
    {"draft_day_form_escape_after_a_change", &makeOneCheck, changing(CHECKS, &SearchMonthlyDrafts),
     nullptr, storedOf(CHECKS, CHE::X1), windows::draft_search::DraftSearchControl::DraftDay,
     Qt::Key_Escape, Qt::NoModifier, "Do you want to save the changes", "2", QMessageBox::No, "2"},
    {"blank_check_form_escape_after_a_change",
     [] {
         makeOne(BLANK, [] {
             CHE1::FIRSTNAME.setText("Ann");
             CHE1::LASTNAME.setText("Smith");
             CHE1::CHECKID.setInteger(1);
             CHE1::ADDRESS.setText("1 Main Street");
         });
     },
     changing(BLANK, &UpdateBlankCheck), nullptr, storedOf(BLANK, CHE1::ADDRESS),
     windows::blank_check_form::BlankFormControl::Address, Qt::Key_Escape, Qt::NoModifier,
     "Do you want to save the changes", "x", QMessageBox::No},
    {"invoice_form_escape_after_a_change", &makeOneInvoice, changing(ORDERS, &UpdateInvoice),
     nullptr, storedOf(ORDERS, ORD::ADDRESS), windows::invoice_form::InvoiceFormControl::Address,
     Qt::Key_Escape, Qt::NoModifier, "Do you want to save the changes", "x", QMessageBox::No},
    {"search_select_over_an_old_selection", &makeAnOldSelection,
     [] {
         GLO::Request = REQ::Search;
         SearchMAIL();
     },
     &beginSearchForJones, &oldSelection, windows::search_by_example::BeginSearchControl::Select,
     Qt::Key_S, Qt::AltModifier, "Clear old selections first?"},
    {"report_into_a_file_that_exists", [] { testsupport::writeBytes("old.pdf", "old pages"); },
     [] { SelectReportDestination(); }, &printIntoAnExistingFile,
     [] { return testsupport::readBytes("old.pdf"); },
     windows::report_destination::DestinationControl::ViewReport, Qt::Key_Return, Qt::NoModifier,
     "The file old.pdf already exists"},
};

class ConfirmingBoxesQt : public KeysTypedAheadQt,
                          public testing::WithParamInterface<ConfirmingBox> {};

// The key opens the box, and the typing goes on as meant for the window behind it: Tab to
// the box's other button, a blank, "y" and Enter. None of it answers; after a pause the user
// answers, and no record was removed.
TEST_P(ConfirmingBoxesQt, TakesNoneOfTheBurstThatOpenedIt) {
    const ConfirmingBox& row = GetParam();
    row.makeRecords();
    const std::string before = row.kept();
    rt::Window* w = open(row.procedure, row.focus, row.prepare);
    ASSERT_NE(w, nullptr);
    if (row.changed) typeAt(500, row.typed);
    keyAt(1000, row.key, {}, row.modifiers);
    ASSERT_TRUE(QTest::qWaitFor([] { return shownBox() != nullptr; }, 3000));
    keyAt(1040, Qt::Key_Tab);
    unsigned long at = typeAt(1080, " y");
    keyAt(at, Qt::Key_Tab);
    keyAt(at + 40, Qt::Key_Space, " ");
    keyAt(at + 80, Qt::Key_Return);
    session.settle();
    QMessageBox* box = shownBox();
    ASSERT_NE(box, nullptr) << "the box was answered by keys typed before it showed";
    EXPECT_TRUE(box->text().startsWith(row.text)) << box->text().toStdString();
    // Seen, it is answered with its own key: Escape is Cancel (or No).
    keyAt(at + 2000, Qt::Key_Escape);
    session.settle();
    EXPECT_EQ(shownBox(), nullptr);
    if (row.changed) {
        EXPECT_EQ(fieldText(w, row.focus).toStdString(), row.changed);
        session.backend().windowWidget(w)->close();
        session.settle();
        answerBox(row.leave);
    }
    ASSERT_TRUE(session.finish());
    EXPECT_EQ(row.kept(), before);
}

INSTANTIATE_TEST_SUITE_P(EveryBox, ConfirmingBoxesQt, testing::ValuesIn(kConfirmingBoxes),
                         [](const auto& info) { return std::string(info.param.name); });

// Delete pressed to correct the text of the invoice list's locator deletes a character there;
// the list's "&Delete" stays unpressed.
TEST_F(KeysTypedAheadQt, DeleteInALocatorDeletesText) {
    namespace C = windows::invoice_list::InvoiceListControl;
    makeOneInvoice();
    rt::Window* list = open([] { BrowseInvoices(); }, C::FirstName);
    ASSERT_NE(list, nullptr);
    unsigned long at = typeAt(1000, "Anx");
    keyAt(at, Qt::Key_Left);
    keyAt(at + 40, Qt::Key_Delete);
    session.settle();
    EXPECT_EQ(shownBox(), nullptr);
    EXPECT_EQ(fieldText(list, C::FirstName), "An");
    EXPECT_EQ(qttest::topWindow(), list);
    ASSERT_TRUE(session.finish());
    EXPECT_EQ(recordsOf(ORDERS), 1);
}

// "&Add" and "Tag &All" share their letter: Alt+A adds, and the new contact typed right behind
// it goes into the form's first field.
TEST_F(KeysTypedAheadQt, TheSharedLetterOfAddOpensTheFormForTheTypingBehindIt) {
    makeContacts({{"Ann", "Smith"}});
    rt::Window* form = contactFormByLetter(Qt::Key_A, [] {
        const unsigned long at = typeAt(1040, "Zed");
        keyAt(at, Qt::Key_Tab);
        typeAt(at + 40, "Young");
    });
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(shownBox(), nullptr);
    EXPECT_EQ(fieldText(form, Form::FirstName), "Zed");
    EXPECT_EQ(fieldText(form, Form::LastName), "Young");
    saveContact(form);
    EXPECT_EQ(recordsOf(MAIL), 2);
}

// Alt+O with the typing right behind it: the form opens on the highlighted contact, and the
// typing replaces its first name instead of moving the list's highlight.
TEST_F(KeysTypedAheadQt, TheFormOpenedByItsLetterTakesTheTypingBehindIt) {
    makeContacts({{"Ann", "Smith"}, {"Tia", "Today"}});
    rt::Window* form = contactFormByLetter(Qt::Key_O, [] { typeAt(1040, "Tia"); });
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(fieldText(form, Form::LastName), "Smith");
    EXPECT_EQ(fieldText(form, Form::FirstName), "Tia");
    saveContact(form);
    MAIL.open();
    MAIL.set();
    ASSERT_EQ(MAIL.next(), 0);
    EXPECT_EQ(rt::clip(MAI::LASTNAME.text()), "Smith");
    EXPECT_EQ(rt::clip(MAI::FIRSTNAME.text()), "Tia");
    ASSERT_EQ(MAIL.next(), 0);
    EXPECT_EQ(rt::clip(MAI::LASTNAME.text()), "Today");
    EXPECT_EQ(rt::clip(MAI::FIRSTNAME.text()), "Tia");
    MAIL.close();
}

}  // namespace
