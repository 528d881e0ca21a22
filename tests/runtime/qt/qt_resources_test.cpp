// Pictures, icons and cursors by name from the resources folder; fonts through fontconfig.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <fstream>

#include "runtime/qt/page_painter.h"
#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_resources.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class QtResourcesTest : public ::testing::Test {
  protected:
    void SetUp() override { rt::qt::ensureApplication(); }
};

TEST_F(QtResourcesTest, NamesFindTheirFileWithoutRegardToCaseOrFolder) {
    struct Case {
        const char* name;
        const char* file;  // expected file name; nullptr: not found
    };
    const Case cases[] = {
        {"C:\\ICO\\CRDFLE04.ICO", "CRDFLE04.ICO"},
        {"~PC04.ICO", "PC04.ICO"},
        {"c:\\icon4\\computer.ico", "Computer.ico"},
        {"3DSARRO.CUR", "3dsarro.cur"},
        {"C:\\Download\\globe5b.gif", "globe5b.gif"},
        {"tile_35.BMP", "Tile_35.bmp"},
        {"C:\\ICO\\NOSUCH99.ICO", nullptr},
        {"", nullptr},
        {"C:\\ICO\\", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto found = rt::qt::findResource(c.name);
        if (!c.file) {
            EXPECT_FALSE(found.has_value());
            continue;
        }
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->filename().string(), c.file);
        EXPECT_TRUE(fs::is_regular_file(*found));
    }
}

TEST_F(QtResourcesTest, PicturesIconsAndCursorsLoad) {
    QImage tile = rt::qt::loadPicture("Tile_35.bmp");
    EXPECT_EQ(tile.size(), QSize(96, 96));
    QImage gif = rt::qt::loadPicture("IMAGE1.GIF");
    EXPECT_EQ(gif.size(), QSize(64, 64));
    QIcon icon = rt::qt::loadIcon("C:\\ICO\\PHONE10.ICO");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().size(), 2);
    auto cursor = rt::qt::loadCursor("Glove.cur");
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), QPoint(12, 1));
    EXPECT_EQ(rt::qt::loadCursor("3dsarro.cur")->hotSpot(), QPoint(1, 1));
}

TEST_F(QtResourcesTest, AMissingOrDamagedPictureFallsBackQuietly) {
    EXPECT_TRUE(rt::qt::loadIcon("C:\\nowhere\\NOSUCH99.ICO").isNull());
    EXPECT_FALSE(rt::qt::loadCursor("nosuch.cur").has_value());
    EXPECT_TRUE(rt::qt::loadPicture("nosuch.gif").isNull());
    EXPECT_TRUE(rt::qt::builtinIcon("12345").isNull());
    EXPECT_FALSE(rt::qt::builtinIcon("32514").isNull());
    EXPECT_FALSE(rt::qt::loadIcon("~32531").isNull());
    // A file in the working directory comes first; a damaged one gives no picture.
    testsupport::TempDir dir(/*enter=*/true);
    std::ofstream("broken.gif") << "GIF89a not really";
    EXPECT_TRUE(rt::qt::loadPicture("broken.gif").isNull());
    EXPECT_TRUE(rt::qt::decodePictureBytes("\x89PNG broken").isNull());
}

TEST_F(QtResourcesTest, FaceNamesResolveToInstalledFonts) {
    struct Case {
        const char* face;
        const char* family;
    };
    const Case cases[] = {{"Arial", "Liberation Sans"},
                          {"Times New Roman", "Liberation Serif"},
                          {"Courier New", "Liberation Mono"},
                          {"MS Sans Serif", "Liberation Sans"},
                          {"", "Liberation Sans"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        rt::Font font;
        font.name = c.face;
        font.size = 10;
        EXPECT_EQ(QFontInfo(rt::qt::uiFont(font)).family(), c.family);
    }
    // Sizes are points at 96 dots per inch: 8 points are 11 pixels, 24 points 32.
    rt::Font big{"Times New Roman", 24, true, false, rt::kDefaultColor};
    EXPECT_EQ(rt::qt::uiFont(big).pixelSize(), 32);
    EXPECT_TRUE(rt::qt::uiFont(big).bold());
    EXPECT_EQ(rt::qt::uiFont({}).pixelSize(), 11);
    // A control without its own face takes the window's, boldness included.
    rt::Font window{"Arial", 10, true, false, rt::kDefaultColor};
    EXPECT_TRUE(rt::qt::uiFont({}, window).bold());
    EXPECT_EQ(rt::qt::uiFont({}, window).pixelSize(), 13);
}

TEST_F(QtResourcesTest, DialogUnitsRoundToTheNearestPixel) {
    rt::qt::DialogUnits du{6, 13};
    EXPECT_EQ(du.x(4), 6);
    EXPECT_EQ(du.x(1), 2);  // 1.5 rounds up
    EXPECT_EQ(du.y(8), 13);
    EXPECT_EQ(du.y(3), 5);  // 4.875
    EXPECT_EQ(du.x(-2), -3);
    EXPECT_EQ(du.duX(6), 4);
    EXPECT_EQ(du.rect({4, 8, 40, 16}), QRect(6, 13, 60, 26));
}

}  // namespace
