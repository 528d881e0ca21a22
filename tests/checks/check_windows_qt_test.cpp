// The checks windows in real widgets (offscreen): each opens from its procedure and renders
// with more than a background; with TOVIK_PICTURES set, each picture is saved there.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <set>

#include "checks/check_procedures.h"
#include "checks/draft_client_selection_window.h"
#include "checks/draft_search_window.h"
#include "drivers/qt/qt_driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/blank.h"
#include "records/checks.h"
#include "records/mail.h"
#include "records/payee.h"
#include "runtime/qt/qt_control_widgets.h"
#include "runtime/qt/qt_list.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/account_number_typing.h"
#include "tests/support/temp_dir.h"

namespace {

rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

// The window's picture: more than a background; kept when pictures are asked for.
void expectRendered(QWidget* frame, const std::string& name) {
    const QImage image = frame->grab().toImage();
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 5)
        for (int x = 0; x < image.width(); x += 5)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3u) << name;
    if (const char* folder = std::getenv("TOVIK_PICTURES"))
        image.save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
}

struct Shown {
    const char* name;
    std::function<void()> procedure;
};

TEST(CheckWindowsQt, EveryChecksWindowOpensAndRenders) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterCheckProcedures();
    checktest::Check printed("Cy", "Brown", "Core", "30.00", "Y");
    printed.checkNumber = "1003";
    checktest::makeChecks({{"Ann", "Smith", "Acme Supply", "125.50"},
                           {"Bob", "Jones", "Bolt Works", "20.00"},
                           printed});
    const std::vector<Shown> windows = {
        {"Post Checks To Print", [] { PostChecksToPrint(); }},
        {"Check Register - Printed Checks", [] { BrowseCheckRegister(); }},
        {"Enter Check Information",
         [] {
             GLO::Request = REQ::Insert;
             CHECKS.clear();
             UpdateCheck();
         }},
        {"Enter Search Criteria",
         [] {
             GLO::Request = REQ::Search;
             SearchChecks();
         }},
        {"Select Check Style And Print Check", [] { SelectCheckStyleTagged(); }},
    };
    for (const Shown& shown : windows) {
        SCOPED_TRACE(shown.name);
        qttest::QtSession session;
        session.start(shown.procedure);
        session.settle();
        rt::Window* w = topWindow();
        ASSERT_NE(w, nullptr);
        QWidget* frame = session.shownWindow(w);
        ASSERT_NE(frame, nullptr);
        session.settle();
        expectRendered(frame, shown.name);
        EXPECT_TRUE(session.finish());
    }
}

// In real widgets the draft client list shows the caller's client highlighted, on screen,
// however far down the list it stands.
TEST(CheckWindowsQt, TheDraftClientListShowsTheCallersClientHighlighted) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterCheckProcedures();
    MAIL.create();
    MAIL.open();
    for (int i = 0; i < 40; ++i) {
        MAIL.clear();
        MAI::FIRSTNAME.setText("Fil");
        MAI::LASTNAME.setText("Ler" + std::to_string(100 + i));
        MAI::DRAFTDAY.setInteger(1 + i % 28);
        MAIL.add();
    }
    MAIL.clear();
    MAI::FIRSTNAME.setText("Cy");
    MAI::LASTNAME.setText("Cole");
    MAI::DRAFTDAY.setInteger(15);
    MAIL.add();
    MAIL.close();

    rt::qt::ensureApplication();
    rt::qt::QtDriver driver;
    driver.start([] {
        MAIL.open();
        MAIL.set(MAI::KEYLASTNAME);
        while (MAIL.next() == 0 && rt::clip(MAI::LASTNAME.text()) != "Cole") {
        }
        GLO::Request = REQ::Select;
        SelectMonthlyDraftClient();
        MAIL.close();
    });
    driver.waitWindow("Monthly Draft Information");
    namespace D = windows::draft_client_selection::DraftClientControl;
    const int row = static_cast<int>(driver.active()->prop(D::List, PROP::SelectedRow));
    ASSERT_GE(row, 1);
    driver.expectRow(rt::ControlName::parse(std::to_string(D::List)), row,
                     "15 | $0.00 | Cy | Cole |  |  |  |  |  | ");
    // The highlight is painted on that row and on no other.
    auto* list =
        dynamic_cast<rt::qt::ListView*>(driver.backend().controlWidget(driver.active(), D::List));
    ASSERT_NE(list, nullptr);
    const QImage shown = list->viewport()->grab().toImage();
    const QColor highlight = list->palette().highlight().color();
    for (int r = 1; r <= list->rowCount(); ++r) {
        const QRect at = list->rowRect(r);
        if (!shown.rect().contains(at.topLeft() + QPoint(2, 2))) continue;
        SCOPED_TRACE(r);
        EXPECT_EQ(shown.pixelColor(at.topLeft() + QPoint(2, 2)) == highlight, r == row);
    }
    driver.press(rt::ControlName::parse("\"Close\""));
    ASSERT_TRUE(driver.finish());
}

// A search window the user dragged aside: "&Edit This" opens the draft's change form where the
// search window stood, not back in the middle of the screen.
TEST(CheckWindowsQt, TheDraftChangeOpensWhereTheUserLeftTheSearchWindow) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterCheckProcedures();
    GLO::KeptEditX = GLO::KeptEditY = 0;
    GLO::ChangeFormPlaced = false;
    checktest::Check cole("Al", "Cole", "Acme", "10.00", "", "3");
    cole.draftDay = "15";
    checktest::makeChecks({cole});

    rt::qt::ensureApplication();
    rt::qt::QtDriver driver;
    driver.start(&BrowseMonthlyDrafts);
    driver.waitWindow("Print Monthly Drafts");
    driver.press(rt::ControlName::parse("\"&Search\""));
    driver.waitWindow("Enter Search Criteria");
    const QPoint dragged = driver.activeFrame()->pos() + QPoint(-90, 70);
    driver.activeFrame()->move(dragged);
    driver.type(rt::ControlName::parse("CHE:X1"), "15");
    driver.press(rt::ControlName::parse("\"&Begin Search\""));
    driver.waitWindow("Begin Search");
    driver.press(rt::ControlName::parse("\"&Edit\""));
    driver.waitWindow("Enter Search Criteria");
    driver.press(rt::ControlName::parse("\"&Edit This\""));
    driver.waitWindow("Enter Search Criteria");
    EXPECT_FALSE(
        driver.active()->isVisible(windows::draft_search::DraftSearchControl::BeginSearch));
    // Within a pixel: the place goes through dialog units.
    EXPECT_LE((driver.activeFrame()->pos() - dragged).manhattanLength(), 2);
    driver.press(rt::ControlName::parse("\"Cancel\""));
    driver.waitWindow("Print Monthly Drafts");
    driver.press(rt::ControlName::parse("\"Close\""));
    ASSERT_TRUE(driver.finish());
}

// The bank line's entries of the check, draft and blank check forms, each holding as many
// characters as its picture admits, show the last of them in real widgets.
TEST(CheckWindowsQt, TheBankLineEntriesShowEveryCharacterTheyHold) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterCheckProcedures();
    const char* transit = "123456789";
    const char* account = "12345678901234567890";
    checktest::makeChecks({{"Ann", "Smith", "Acme Supply", "125.50", "", "3"}});
    CHECKS.open();
    CHECKS.set(CHE::KEYCHECKID);
    CHECKS.next();
    CHE::TRANSIT.setText(transit);
    CHE::ACCOUNTNUMBER.setText(account);
    CHECKS.put();
    CHECKS.close();
    BLANK.create();
    BLANK.open();
    BLANK.clear();
    CHE1::CHECKID.setInteger(1);
    CHE1::TRANSIT.setText(transit);
    CHE1::ACCOUNTNUMBER.setText(account);
    BLANK.add();
    BLANK.close();
    MAIL.create();

    // Each form changes the first record of its file.
    auto change = [](rt::RecordFile& file, int key, void (*form)()) {
        return [&file, key, form] {
            file.open();
            file.set(key);
            file.next();
            GLO::Request = REQ::Change;
            form();
            file.close();
        };
    };
    const std::vector<Shown> forms = {
        {"check form", change(CHECKS, CHE::KEYCHECKID, &UpdateCheck)},
        {"draft form", change(CHECKS, CHE::KEYCHECKID, &UpdateMonthlyDraft)},
        {"blank check form", change(BLANK, CHE1::KEYCHECKID, &UpdateBlankCheck)},
    };
    for (const Shown& shown : forms) {
        SCOPED_TRACE(shown.name);
        qttest::QtSession session;
        session.start(shown.procedure);
        rt::Window* w = topWindow();
        ASSERT_NE(w, nullptr);
        ASSERT_NE(session.shownWindow(w), nullptr);
        session.settle();
        int bankEntries = 0;
        for (const rt::ControlStructure& c : w->structure().controls) {
            auto* entry =
                dynamic_cast<rt::qt::EntryWidget*>(session.backend().controlWidget(w, c.number));
            if (!entry || !entry->isMicr() || entry->text().trimmed().isEmpty()) continue;
            ++bankEntries;
            SCOPED_TRACE(c.use);
            const int last = static_cast<int>(entry->text().size()) - 1;
            ASSERT_EQ(entry->text().size(), entry->maxLength());
            // Ink in the last character's cell, and that cell inside the entry's frame.
            EXPECT_LE(entry->micrX(last + 1), entry->width() - 1);
            const QImage drawn = entry->grab().toImage();
            int ink = 0;
            for (int x = entry->micrX(last); x < std::min(entry->micrX(last + 1), drawn.width());
                 ++x)
                for (int y = 1; y < drawn.height() - 1; ++y)
                    ink += drawn.pixelColor(x, y).lightness() < 100;
            EXPECT_GT(ink, 3);
        }
        EXPECT_EQ(bankEntries, 4);  // the two symbols, the transit and the account number
        expectRendered(session.shownWindow(w), std::string("Bank line of the ") + shown.name);
        EXPECT_TRUE(session.finish());
    }
}

// Typed on the real widgets of each form that holds a bank account, an account number longer
// than the bank line's on-us field is refused where it is typed; the longest it holds is
// stored through OK.
TEST(CheckWindowsQt, EachFormRefusesAnAccountNumberTooLongForTheBankLine) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterCheckProcedures();
    checktest::makeChecks({{"Ann", "Smith", "Acme Supply", "125.50", "", "3"}});
    BLANK.create();
    BLANK.open();
    BLANK.clear();
    CHE1::CHECKID.setInteger(1);
    // The entries the form requires.
    CHE1::CHECKNAME.setText("Ann Smith");
    CHE1::BANKNAME.setText("First Bank");
    CHE1::TRANSIT.setText("123456789");
    BLANK.add();
    BLANK.close();
    MAIL.create();
    PAYEE.create();
    struct Form {
        const char* name;
        rt::RecordFile& file;
        int key;
        void (*procedure)();
        const char* field;
    };
    const Form forms[] = {
        {"check form", CHECKS, CHE::KEYCHECKID, &UpdateCheck, "CHE:ACCOUNTNUMBER"},
        {"draft form", CHECKS, CHE::KEYCHECKID, &UpdateMonthlyDraft, "CHE:ACCOUNTNUMBER"},
        {"blank check form", BLANK, CHE1::KEYCHECKID, &UpdateBlankCheck, "CHE1:ACCOUNTNUMBER"},
    };
    rt::qt::ensureApplication();
    for (const Form& form : forms) {
        SCOPED_TRACE(form.name);
        // The first record of the file holds 987654 before each form.
        form.file.open();
        form.file.set(form.key);
        ASSERT_EQ(form.file.next(), 0);
        form.file.buf().setText(form.file.buf().field(form.field), "987654");
        ASSERT_EQ(form.file.put(), 0);
        form.file.close();
        rt::qt::QtDriver driver;
        driver.start([&form] {
            form.file.open();
            form.file.set(form.key);
            form.file.next();
            GLO::Request = REQ::Change;
            form.procedure();
            form.file.close();
        });
        driver.waitWindow("Enter Check Information");
        testsupport::expectTooLongAccountRefusedAndLongestTaken(driver, form.field, "987654");
        driver.press(rt::ControlName::parse("\"OK\""));
        ASSERT_TRUE(driver.finish());
        form.file.open();
        form.file.set(form.key);
        ASSERT_EQ(form.file.next(), 0);
        EXPECT_EQ(rt::clip(form.file.buf().text(form.file.buf().field(form.field))),
                  testsupport::kLongestAccount);
        form.file.close();
    }
}

}  // namespace
