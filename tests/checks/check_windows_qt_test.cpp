// The checks windows in real widgets (offscreen): each opens from its procedure and renders
// with more than a background; with TOVIK_PICTURES set, each picture is saved there.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <set>

#include "checks/check_procedures.h"
#include "checks/draft_client_selection_window.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/checks.h"
#include "records/mail.h"
#include "runtime/qt/qt_driver.h"
#include "runtime/qt/qt_list.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/runtime/qt/qt_test_support.h"
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
                     "15 | $0.00 | Cy | Cole |  |  |  |  | (000)-000-0000 | (000)-000-0000");
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

}  // namespace
