// The windows of the information and help texts, the product record, the web bookmarks and
// the import and export menu and chooser in real widgets (offscreen): each renders and shows
// every text whole.

#include <gtest/gtest.h>

#include <functional>

#include "data_exchange/data_exchange_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "information/information_procedures.h"
#include "reference/reference_procedures.h"
#include "runtime/ui/scheduler.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/qt_text_fits.h"
#include "tests/support/temp_dir.h"

namespace {

rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

void insert(void (*form)()) {
    GLO::Request = REQ::Insert;
    form();
}

TEST(ExchangeAndInformationWindowsQt, EachWindowRendersWithItsTextsWhole) {
    testsupport::TempDir dir{/*enter=*/true};
    const std::function<void()> procedures[] = {
        &ImportExportMenu, &ExportMAIL, &ExportCHECKS, &Information, &HelpBrowse, &PrivateLabelMenu,
        &AddProductName, &ShowWhatElseNeeded, &WebBookMarks, &UpdateWhatElseNeeded,
        [] { EnterPicture("@d1"); },
        // The forms, opened for an insert.
        [] { insert(&UpdateWeb); }, [] { insert(&UpdateInformation); }, [] { insert(&UpdateHelp); },
        [] { insert(&UpdatePLF); }};
    for (const auto& procedure : procedures) {
        qttest::QtSession session;
        session.start(procedure);
        rt::Window* w = topWindow();
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(w->structure().module + " " + w->structure().title);
        QWidget* frame = session.shownWindow(w);
        session.settle();
        testsupport::expectRendered(frame);
        testsupport::expectTextsFit(session.backend(), w);
        // Lists are not hidden behind a sheet.
        for (const rt::ControlStructure& c : w->structure().controls) {
            if (c.kind != rt::ControlKind::List) continue;
            QWidget* list = session.backend().controlWidget(w, c.number);
            ASSERT_NE(list, nullptr);
            EXPECT_TRUE(list->isVisible()) << "list " << c.number;
            const QPoint centre = list->mapTo(frame, list->rect().center());
            QWidget* top = frame->childAt(centre);
            EXPECT_TRUE(top == list || list->isAncestorOf(top))
                << "list " << c.number << " is covered";
        }
        EXPECT_TRUE(session.finish());
    }
}

}  // namespace
