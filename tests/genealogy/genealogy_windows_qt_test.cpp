// The genealogy's windows in real widgets (offscreen), reached through the panel's buttons:
// every control stands inside its window, every caption fits its control and no button
// covers another, so nothing is cut off or hidden. With TOVIK_SHOTS naming a folder, each
// window's picture is saved there.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "genealogy/downline_panel_window.h"
#include "genealogy/genealogy_procedures.h"
#include "genealogy/levels_list_window.h"
#include "genealogy/sponsor_list_window.h"
#include "genealogy/upline_list_window.h"
#include "records/mail.h"
#include "tests/genealogy/genealogy_fixture.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/qt_text_fits.h"
#include "tests/support/temp_dir.h"

namespace {

rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

// Every visible control lies inside the client area, no button overlaps another, every
// caption fits its widget and the window renders.
void expectNothingCutOff(qttest::QtSession& session, rt::Window* w,
                         const rt::WindowStructure& structure, const std::string& name) {
    SCOPED_TRACE(name);
    QWidget* frame = session.shownWindow(w);
    ASSERT_NE(frame, nullptr);
    session.settle();
    QWidget* client = session.backend().clientArea(w);
    ASSERT_NE(client, nullptr);
    int checked = 0;
    std::vector<std::pair<QRect, std::string>> buttons;
    for (const rt::ControlStructure& c : structure.controls) {
        QWidget* widget = session.backend().controlWidget(w, c.number);
        if (widget == nullptr || !widget->isVisible()) continue;
        SCOPED_TRACE("control " + std::to_string(c.number) + " \"" + c.text + "\"");
        const QRect inClient(widget->mapTo(client, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(client->rect().contains(inClient));
        if (c.kind == rt::ControlKind::Button) {
            for (const auto& [other, text] : buttons)
                EXPECT_FALSE(other.intersects(inClient)) << "overlaps \"" << text << "\"";
            buttons.emplace_back(inClient, c.text);
        }
        ++checked;
    }
    EXPECT_GT(checked, 3);
    testsupport::expectTextsFit(session.backend(), w);
    testsupport::expectRendered(frame);
    if (const char* folder = std::getenv("TOVIK_SHOTS"))
        frame->grab().toImage().save(
            QString::fromStdString(std::string(folder) + "/" + name + ".png"));
}

void press(qttest::QtSession& session, rt::Window* w, int control) {
    rt::Input in;
    in.kind = rt::Input::Kind::Press;
    in.control = control;
    session.backend().deliver(w, in);
    session.settle();
}

TEST(GenealogyWindowsQt, ThePanelAndItsListsShowEveryControlWhole) {
    testsupport::TempDir dir{/*enter=*/true};
    genealogytest::Member top{"Theodora", "ID-000000000001", "", 1};
    top.companyId = "NETWORK-ONE";
    genealogytest::makeMembers({top, {"Samuel", "ID-000000000002", "ID-000000000001", 2}});
    qttest::QtSession session;
    session.start([] { DownlinePanel(); });
    rt::Window* panel = topWindow();
    ASSERT_NE(panel, nullptr);
    expectNothingCutOff(session, panel, windows::downline_panel::panelWindow(), "downline_panel");

    namespace P = windows::downline_panel::PanelControl;
    const struct {
        int button;
        const rt::WindowStructure& structure;
        const char* name;
    } lists[] = {{P::Sponsor, windows::sponsor_list::sponsorWindow(), "sponsor_list"},
                 {P::DownlineOnScreen, windows::levels_list::levelsWindow(), "levels_list"},
                 {P::ViewUpline, windows::upline_list::uplineWindow(), "upline_list"}};
    for (const auto& list : lists) {
        press(session, panel, list.button);
        rt::Window* w = topWindow();
        ASSERT_NE(w, panel);
        expectNothingCutOff(session, w, list.structure, list.name);
        rt::Input close;
        close.kind = rt::Input::Kind::Close;
        session.backend().deliver(w, close);
        session.settle();
        ASSERT_EQ(topWindow(), panel);
    }
    EXPECT_TRUE(session.finish());
}

}  // namespace
