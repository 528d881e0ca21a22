// The contacts list and the contact form in real widgets (offscreen): every control stands
// where its dialog units put it, on its tab, and the window renders.

#include <gtest/gtest.h>

#include <QImage>
#include <QTabWidget>
#include <QWidget>
#include <set>

#include "contacts/contact_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "runtime/qt/qt_fonts.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"
#include "windows/tovik001.h"
#include "windows/tovik002.h"

namespace {

rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

// Every control of the structure with a widget of its own stands at its dialog units.
void expectPlaced(qttest::QtSession& session, rt::Window* w, const rt::WindowSpec& spec) {
    const rt::qt::DialogUnits du = rt::qt::dialogUnitsOf(rt::qt::uiFont(spec.font));
    QWidget* client = session.backend().clientArea(w);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(du.x(spec.at.width), du.y(spec.at.height)));
    int checked = 0;
    for (const rt::ControlSpec& c : spec.controls) {
        if (c.toolbar || c.kind == rt::ControlKind::Tab || c.kind == rt::ControlKind::Radio ||
            c.kind == rt::ControlKind::String || c.kind == rt::ControlKind::Prompt)
            continue;
        QWidget* widget = session.backend().controlWidget(w, c.number);
        if (widget == nullptr || widget->parentWidget() != client) continue;
        SCOPED_TRACE("control " + std::to_string(c.number));
        EXPECT_EQ(widget->geometry(), du.rect(c.at));
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

// The window's picture holds more than a background.
void expectRendered(QWidget* frame) {
    const QImage image = frame->grab().toImage();
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3u);
}

TEST(ContactWindowsQt, TheListAndTheFormStandWhereTheirDialogUnitsSay) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterContactProcedures();
    qttest::QtSession session;
    session.start([] { BrowseMAIL(); });
    rt::Window* list = topWindow();
    ASSERT_NE(list, nullptr);
    QWidget* listFrame = session.shownWindow(list);
    ASSERT_NE(listFrame, nullptr);
    session.settle();
    expectPlaced(session, list, windows::tovik001::contactsWindow());
    expectRendered(listFrame);

    // "&Add" opens the form over the list.
    rt::Input add;
    add.kind = rt::Input::Kind::Press;
    add.control = windows::tovik001::ContactsControl::Add;
    session.backend().deliver(list, add);
    session.settle();
    rt::Window* form = topWindow();
    ASSERT_NE(form, nullptr);
    ASSERT_NE(form, list);
    QWidget* formFrame = session.shownWindow(form);
    ASSERT_NE(formFrame, nullptr);
    session.settle();
    expectPlaced(session, form, windows::tovik002::contactFormWindow());
    expectRendered(formFrame);
    auto* tabs = qobject_cast<QTabWidget*>(
        session.backend().controlWidget(form, windows::tovik002::ContactFormControl::Sheet));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(1), "Contact Information");
    // Fields of the first tab show, those of the others wait behind their tabs.
    EXPECT_TRUE(session.backend()
                    .controlWidget(form, windows::tovik002::ContactFormControl::FirstName)
                    ->isVisible());
    EXPECT_FALSE(session.backend()
                     .controlWidget(form, windows::tovik002::ContactFormControl::AppointmentType)
                     ->isVisible());

    // OK adds the (blank) contact and the list closes with "Close".
    rt::Input ok;
    ok.kind = rt::Input::Kind::Press;
    ok.control = windows::tovik002::ContactFormControl::Ok;
    session.backend().deliver(form, ok);
    session.settle();
    ASSERT_EQ(topWindow(), list);
    rt::Input close;
    close.kind = rt::Input::Kind::Press;
    close.control = windows::tovik001::ContactsControl::Close;
    session.backend().deliver(list, close);
    EXPECT_TRUE(session.finish());
}

}  // namespace
