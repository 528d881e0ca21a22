// The import assigner of contacts and of checks in real widgets (offscreen), reached through
// the open dialog as a user reaches it: it renders, shows every text whole, and the target
// list shows its three columns without scrolling sideways.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <functional>

#include "data_exchange/data_exchange_procedures.h"
#include "data_exchange/import_assigner_window.h"
#include "drivers/qt/qt_driver.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/qt_list.h"
#include "tests/support/file_bytes.h"
#include "tests/support/qt_text_fits.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(ImportAssignerQt, BothEditionsShowTheirTextsAndTargetsWhole) {
    testsupport::TempDir dir{/*enter=*/true};
    testsupport::writeBytes("in.csv", "\"First\",\"Last\",12.5\r\n\"Ann\",\"Lee\",7\r\n");
    rt::qt::ensureApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    const std::function<void()> editions[] = {&ImportMAIL, &ImportCHECKS};
    for (const auto& edition : editions) {
        rt::qt::QtDriver driver;
        driver.start(edition);
        driver.answer("in.csv");
        driver.waitWindow("Assign fields for Import...");
        rt::Window* w = driver.active();
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(w->structure().module);
        testsupport::expectRendered(driver.activeFrame());
        testsupport::expectTextsFit(driver.backend(), w);
        const int targets =
            windows::import_assigner::importAssignerControls(w->structure().module).targets;
        auto* list = dynamic_cast<rt::qt::ListView*>(driver.backend().controlWidget(w, targets));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0)
            << "the target list's columns are wider than the list";
        // Every target's name shows whole in its column (padding and indent aside).
        const int room = list->columnSpans().at(0).second - 6;
        for (int row = 1; row <= list->rowCount(); ++row) {
            const QString name = QString::fromStdString(list->rowTexts(row).at(0)).trimmed();
            EXPECT_LE(list->fontMetrics().horizontalAdvance(name), room) << name.toStdString();
        }
        driver.press(rt::ControlName::parse("\"&Cancel\""));
        EXPECT_TRUE(driver.finish());
    }
}

}  // namespace
