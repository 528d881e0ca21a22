// Natural picture sizes: both backends answer in the window's dialog units, and a control
// given that size shows the picture pixel for pixel.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <string>

#include "drivers/headless_backend.h"
#include "runtime/qt/qt_fonts.h"
#include "runtime/ui/codes.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

std::string encoded(int width, int height, const char* format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes.toStdString();
}

rt::WindowStructure imageWindow(rt::Font font) {
    rt::WindowStructure structure;
    structure.title = "Picture";
    structure.at = {0, 0, 300, 200};
    structure.font = std::move(font);
    rt::ControlStructure image;
    image.number = 1;
    image.kind = rt::ControlKind::Image;
    image.at = {4, 4, 20, 20};
    structure.controls.push_back(image);
    return structure;
}

}  // namespace

TEST(QtPictureSize, HeadlessAndQtGiveTheSameDialogUnitsForTheSameCell) {
    rt::qt::ensureApplication();
    testsupport::TempDir dir;
    rt::qt::QtBackend qt;
    rt::HeadlessBackend headless;
    rt::Window window(imageWindow({}));
    rt::qt::DialogUnits standard = rt::qt::dialogUnitsOf(rt::qt::uiFont({}));
    headless.setCharacterCell(standard.charWidth, standard.charHeight);

    struct Case {
        int width, height;
        const char* format;
    };
    for (Case c : {Case{300, 120, "PNG"}, Case{37, 23, "BMP"}, Case{3, 250, "JPEG"}}) {
        SCOPED_TRACE(c.format);
        std::string bytes = encoded(c.width, c.height, c.format);
        std::string file = (dir.path() / (std::string("p.") + c.format)).string();
        {
            QFile out(QString::fromStdString(file));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
        auto fromQt = qt.pictureSize(window, "", bytes);
        ASSERT_TRUE(fromQt);
        EXPECT_EQ(fromQt, headless.pictureSize(window, "", bytes));
        EXPECT_EQ(fromQt, qt.pictureSize(window, file, ""));
        EXPECT_EQ(fromQt, headless.pictureSize(window, file, ""));
        // Dialog units, not pixels: a quarter character across, an eighth down.
        EXPECT_NEAR(fromQt->first * standard.charWidth / 4.0, c.width, standard.charWidth / 8.0);
        EXPECT_NEAR(fromQt->second * standard.charHeight / 8.0, c.height,
                    standard.charHeight / 16.0);
    }
    std::string missing = (dir.path() / "none.png").string();
    EXPECT_FALSE(qt.pictureSize(window, missing, ""));
    EXPECT_FALSE(headless.pictureSize(window, missing, ""));
    EXPECT_FALSE(qt.pictureSize(window, "", "not a picture"));
    EXPECT_FALSE(headless.pictureSize(window, "", "not a picture"));
}

TEST(QtPictureSize, AnImageGivenItsNaturalSizeShowsThePicturePixelForPixel) {
    testsupport::TempDir dir;
    std::string file = (dir.path() / "photo.png").string();
    {
        QFile out(QString::fromStdString(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        std::string bytes = encoded(150, 90, "PNG");
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::atomic<rt::Window*> window{nullptr};
    qttest::QtSession session;
    session.start([&] {
        // A window font larger than the standard one: its own units count.
        rt::Window w(imageWindow({"Arial", 10, true}));
        w.open();
        w.setProp(1, PROP::Text, file);
        w.setProp(1, PROP::Width, w.prop(1, PROP::ImageWidth));
        w.setProp(1, PROP::Height, w.prop(1, PROP::ImageHeight));
        window = &w;
        while (w.accept()) {
        }
    });
    ASSERT_NE(session.shownWindow(window), nullptr);
    session.settle();
    QWidget* image = session.backend().controlWidget(window, 1);
    ASSERT_NE(image, nullptr);
    rt::qt::DialogUnits units = rt::qt::dialogUnitsOf(rt::qt::uiFont({"Arial", 10, true}));
    // Rounding to whole units leaves at most half a unit either way.
    EXPECT_NEAR(image->width(), 150, units.charWidth / 8.0 + 1);
    EXPECT_NEAR(image->height(), 90, units.charHeight / 16.0 + 1);
}
