// The label choice, the "Printing Menu" and the card form in real widgets (offscreen): each
// control with a widget of its own stands where its dialog units put it, inside the window,
// texts fit their buttons, and the window renders. With TOVIK_SNAPSHOTS set to a folder, each
// window's picture is saved there.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <set>
#include <string>

#include "frame/codes.h"
#include "frame/globals.h"
#include "labels/business_card_form_window.h"
#include "labels/business_card_list_window.h"
#include "labels/label_procedures.h"
#include "labels/label_type_choice_window.h"
#include "runtime/qt/qt_fonts.h"
#include "tests/labels/label_fixture.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/runtime/system/picture_samples.h"
#include "tests/support/temp_dir.h"

namespace {

struct Screen {
    const char* name;
    std::function<void()> open;
    const rt::WindowStructure& (*structure)();
};

void PrintTo(const Screen& screen, std::ostream* out) {
    *out << screen.name;
}

rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

// The card form changing the first card, which has a picture.
void changeFirstCard() {
    CARDS.open();
    CARDS.set(CAR::KEYBUSINESSNAME);
    CARDS.next();
    GLO::Request = REQ::Change;
    UpdatePrintCards();
    CARDS.close();
}

const Screen kScreens[] = {
    {"label_type_choice", &SelectLabelType, &windows::label_type_choice::labelTypeChoiceWindow},
    {"business_card_list", &BrowsePrintBusinessCards,
     &windows::business_card_list::businessCardListWindow},
    {"business_card_form", &changeFirstCard, &windows::business_card_form::businessCardFormWindow},
};

class LabelWindowsQt : public ::testing::TestWithParam<Screen> {};

TEST_P(LabelWindowsQt, StandsWhereItsDialogUnitsSayAndRenders) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterLabelProcedures();
    const samples::Bytes gif = samples::gif();
    labeltest::makeCards(
        {{"Globe Travel", "Dee Globe", "Owner", "1 Road", "Town ST 00001", "555-0100", "555-0101",
          "dee@globe.example", "globe.example", std::string(gif.begin(), gif.end())}});
    const Screen& screen = GetParam();
    qttest::QtSession session;
    session.start(screen.open);
    rt::Window* w = topWindow();
    ASSERT_NE(w, nullptr);
    QWidget* frame = session.shownWindow(w);
    ASSERT_NE(frame, nullptr);
    session.settle();
    const rt::WindowStructure& s = screen.structure();
    const rt::qt::DialogUnits du = rt::qt::dialogUnitsOf(rt::qt::uiFont(s.font));
    QWidget* client = session.backend().clientArea(w);
    ASSERT_NE(client, nullptr);
    const QRect inside(QPoint(0, 0), client->size());
    int checked = 0;
    for (const rt::ControlStructure& c : s.controls) {
        if (c.kind == rt::ControlKind::Tab || c.kind == rt::ControlKind::Prompt) continue;
        QWidget* widget = session.backend().controlWidget(w, c.number);
        if (widget == nullptr || widget->parentWidget() != client) continue;
        SCOPED_TRACE("control " + std::to_string(c.number));
        EXPECT_EQ(widget->geometry(), du.rect(c.at));
        EXPECT_TRUE(inside.contains(widget->geometry())) << "outside the window";
        // A button's text is not cut off.
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button && widget->isVisible()) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text().remove('&')),
                      button->width());
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
    const QImage image = frame->grab().toImage();
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 5)
        for (int x = 0; x < image.width(); x += 5)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3u);
    if (const char* folder = std::getenv("TOVIK_SNAPSHOTS"))
        image.save(QString::fromStdString(std::string(folder) + "/" + screen.name + ".png"));
    EXPECT_TRUE(session.finish());
}

INSTANTIATE_TEST_SUITE_P(Screens, LabelWindowsQt, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
