// Properties by number, positions, controls made and removed at run time, images.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "drivers/driver.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/window.h"
#include "tests/runtime/ui/ui_test_support.h"
#include "tests/support/temp_dir.h"

using rt::ControlKind;
using uitest::control;

namespace {

// A 3 x 2 pixel PNG header (enough for the natural size).
std::string pngBytes(int width, int height) {
    std::string b = "\x89PNG\r\n\x1a\n";
    b += std::string("\0\0\0\x0dIHDR", 8);
    for (int v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            b += static_cast<char>((v >> shift) & 0xFF);
    b += std::string(5, '\0');
    return b;
}

// Runs `check` on the program's thread once the window is open.
void withWindow(rt::WindowStructure structure, std::function<void(rt::Window&)> check) {
    rt::Driver d;
    d.start([&] {
        rt::Window w(structure);
        w.open();
        check(w);
    });
    ASSERT_TRUE(d.finish());
}

}  // namespace

TEST(Properties, ControlFlagsTextsAndPositions) {
    withWindow(uitest::window("Props", {control(1, ControlKind::Button, "&OK"),
                                        control(2, ControlKind::Entry, "",
                                                [](auto& c) { c.picture = "@s10"; }),
                                        control(3, ControlKind::String, "Notice")}),
               [](rt::Window& w) {
                   w.setProp(1, PROP::Hide, 1);
                   w.setProp(1, PROP::Disable, "1");
                   EXPECT_EQ(w.prop(1, PROP::Hide), 1);
                   EXPECT_EQ(w.prop(1, PROP::Disable), 1);
                   EXPECT_FALSE(w.isVisible(1));
                   w.setProp(1, PROP::Text, "&Go");
                   EXPECT_EQ(w.propText(1, PROP::Text), "&Go");
                   w.setProp(3, PROP::Text, "Changed");
                   EXPECT_EQ(w.propText(3, PROP::Text), "Changed");
                   w.setPosition(2, {4, 5, 60, 11});
                   EXPECT_EQ(w.prop(2, PROP::Xpos), 4);
                   w.setProp(2, PROP::Width, 80);
                   EXPECT_EQ(w.position(2).width, 80);
                   // Control types by their codes, as the window resizer reads them.
                   EXPECT_EQ(w.prop(2, PROP::ControlType), 8);
                   EXPECT_EQ(w.prop(1, PROP::ControlType), 9);
                   EXPECT_EQ(w.prop(3, PROP::ControlType), 1);
                   EXPECT_EQ(w.prop(42, PROP::ControlType), 0);
                   w.setProp(0, PROP::Text, "New Title");
                   EXPECT_EQ(w.title(), "New Title");
                   w.setProp(0, PROP::MinWidth, 200);
                   w.setProp(0, PROP::MinHeight, 100);
                   EXPECT_EQ(w.prop(0, PROP::MinWidth), 200);
                   w.setProp(0, PROP::Wallpaper, "image11.gif");
                   w.setProp(0, PROP::Tiled, 1);
                   w.setProp(0, PROP::WallpaperUntiled, 0);
                   w.setProp(0, PROP::DeferRepaint, -1);
                   EXPECT_EQ(w.propText(0, PROP::Wallpaper), "image11.gif");
                   EXPECT_EQ(w.prop(0, PROP::Tiled), 1);
                   EXPECT_EQ(w.prop(0, PROP::DeferRepaint), -1);
                   w.setProp(0, PROP::StatusText, "Adding a MAIL Record");
                   EXPECT_EQ(w.status(1), "Adding a MAIL Record");  // also without a status bar
                   w.setProp(0, PROP::AcceptAllActive, 1);          // read only
                   EXPECT_EQ(w.prop(0, PROP::AcceptAllActive), 0);
                   EXPECT_EQ(w.prop(0, PROP::Filter), 0);  // a view's property, not a window's
                   // Properties of a control that does not exist read as nothing.
                   EXPECT_EQ(w.prop(99, PROP::Hide), 0);
                   EXPECT_EQ(w.propText(99, PROP::Text), "");
               });
}

TEST(Properties, ControlsMadeAndRemovedAtRunTimeAreEnumerated) {
    withWindow(uitest::window("Props", {control(1, ControlKind::Button, "OK"),
                                        control(5, ControlKind::Image)}),
               [](rt::Window& w) {
                   int made = w.create(ControlKind::Button);
                   EXPECT_EQ(made, 6);
                   EXPECT_EQ(w.create(ControlKind::String, 0, 1), 0);  // number taken
                   EXPECT_EQ(w.create(ControlKind::Progress, 0, 20), 20);
                   EXPECT_EQ(w.controlNumbers(), (std::vector<int>{1, 5, 6, 20}));
                   EXPECT_EQ(w.kind(20), ControlKind::Progress);
                   w.destroy(6);
                   EXPECT_FALSE(w.hasControl(6));
                   EXPECT_EQ(w.controlNumbers(), (std::vector<int>{1, 5, 20}));
               });
}

TEST(Properties, ImagesFromFilesAndBlobsKnowTheirNaturalSize) {
    testsupport::TempDir dir(true);
    { std::ofstream("logo.png", std::ios::binary) << pngBytes(300, 120); }
    withWindow(uitest::window("Props", {control(1, ControlKind::Image)}), [](rt::Window& w) {
        w.setProp(1, PROP::Text, "logo.png");
        // Dialog units of the headless character cell, 6 x 13 pixels.
        EXPECT_EQ(w.prop(1, PROP::ImageWidth), 200);
        EXPECT_EQ(w.prop(1, PROP::ImageHeight), 74);
        // Reading the picture back gives the file's bytes, ready for a BLOB.
        std::string blob = w.propText(1, PROP::ImageFromBlob);
        EXPECT_EQ(blob, pngBytes(300, 120));
        w.setProp(1, PROP::ImageFromBlob, pngBytes(7, 9));
        EXPECT_EQ(w.prop(1, PROP::ImageWidth), 5);
        EXPECT_EQ(w.prop(1, PROP::ImageHeight), 6);
        EXPECT_EQ(w.propText(1, PROP::ImageFromBlob), pngBytes(7, 9));
        EXPECT_EQ(w.propText(1, PROP::Text), "");
        w.setProp(1, PROP::VerticalScroll, 40);
        EXPECT_EQ(w.prop(1, PROP::VerticalScroll), 40);
        // Bytes that are no picture leave the size at 0.
        w.setProp(1, PROP::ImageFromBlob, std::string("not a picture"));
        EXPECT_EQ(w.prop(1, PROP::ImageWidth), 0);
        w.setProp(1, PROP::PageFile, "page0001.tpf");
        EXPECT_EQ(w.propText(1, PROP::PageFile), "page0001.tpf");
    });
}

TEST(Properties, ListSelectionAndThumbStayInRange) {
    std::vector<std::vector<rt::Value>> rows = {{rt::Value("a")}, {rt::Value("b")}};
    withWindow(uitest::window("Props", {control(1, ControlKind::List, "",
                                                [](auto& c) {
                                                    c.format = "20L@s5@";
                                                    c.at = {0, 0, 100, 35};
                                                })}),
               [&](rt::Window& w) {
                   w.setRows(1, rt::rowsFrom(rows));
                   EXPECT_EQ(w.prop(1, PROP::VisibleRows), 3);  // no header: 35 / 10
                   EXPECT_EQ(w.prop(1, PROP::SelectedRow), 0);
                   w.setProp(1, PROP::SelectedRow, 2);
                   EXPECT_EQ(w.prop(1, PROP::SelectedRow), 2);
                   w.setProp(1, PROP::SelectedRow, 3);  // beyond the rows: none
                   EXPECT_EQ(w.prop(1, PROP::SelectedRow), 0);
                   w.setProp(1, PROP::VerticalThumb, 140);
                   EXPECT_EQ(w.prop(1, PROP::VerticalThumb), 100);
                   EXPECT_EQ(w.rowTexts(1, 2), (std::vector<std::string>{"b    "}));
                   EXPECT_TRUE(w.rowTexts(1, 3).empty());
                   rt::WindowSnapshot shot = w.snapshot();
                   ASSERT_EQ(shot.rows.at(1).size(), 2u);
                   EXPECT_EQ(shot.rows.at(1)[0], (std::vector<std::string>{"a    "}));
                   EXPECT_EQ(shot.controls.at(0).binding, nullptr);
                   EXPECT_TRUE(shot.visible.at(1));
                   w.setListIcon(1, 1, "~Check.ico");
                   EXPECT_EQ(w.listIcon(1, 1), "~Check.ico");
                   EXPECT_EQ(w.listIcon(1, 2), "");
               });
}

TEST(Properties, AGarbledListFormatIsRefused) {
    rt::WindowStructure structure = uitest::window(
        "Bad", {control(1, ControlKind::List, "", [](auto& c) { c.format = "20L~Name"; })});
    EXPECT_THROW(rt::Window w(structure), std::invalid_argument);
    structure.controls[0].format = "20L~Name~";
    withWindow(structure, [](rt::Window& w) {
        w.setProp(1, PROP::Format, "30R@n5");  // refused: the list keeps its columns
        ASSERT_EQ(w.control(1)->listFormat.columns.size(), 1u);
        EXPECT_EQ(w.control(1)->listFormat.columns[0].header, "Name");
        EXPECT_EQ(w.propText(1, PROP::Format), "20L~Name~");
    });
}
