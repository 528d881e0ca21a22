// Export and import through the real file dialog (offscreen) into folders and files whose
// names hold accents, or a character Windows-1252 lacks: the file on disk carries the name
// chosen, as other programs show it, and the import opens it again.

#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "data_exchange/data_exchange_procedures.h"
#include "drivers/qt/qt_driver.h"
#include "records/mail.h"
#include "runtime/qt/page_painter.h"
#include "runtime/text/fixed_text.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

void waitUntilEnded(rt::qt::QtDriver& driver) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!driver.ended() && std::chrono::steady_clock::now() < limit) {
        driver.settle();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(driver.ended()) << driver.dump();
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(FolderNamesQt, ExportAndImportKeepTheFileSystemsNames) {
    struct Case {
        const char* folder;
        const char* file;
    } cases[] = {
        {"jos\xC3\xA9",
         "Montr\xC3\xA9"
         "al.csv"},                            // josé/Montréal.csv
        {"\xC5\x82ukasz", "caf\xC3\xA9.csv"},  // łukasz/café.csv
    };
    rt::qt::ensureApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        testsupport::TempDir dir{/*enter=*/true};
        const fs::path folder = dir.path() / c.folder;
        fs::create_directory(folder);
        const fs::path file = folder / c.file;
        MAIL.create();
        MAIL.open();
        MAIL.clear();
        MAI::FIRSTNAME.setText("Ann");
        MAI::LASTNAME.setText("Lee");
        ASSERT_EQ(MAIL.add(), 0);
        MAIL.close();

        rt::qt::QtDriver exporter;
        exporter.start(&ExportMAIL);
        exporter.waitWindow("Choose Fields for Export...");
        exporter.click(rt::ControlName::parse("1"), 1, "LeftClick");  // MAI:FirstName
        exporter.press(rt::ControlName::parse("\"&Add ->\""));
        exporter.press(rt::ControlName::parse("\"&OK\""));
        exporter.answer(file.string());
        waitUntilEnded(exporter);
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{c.file});
        EXPECT_EQ(testsupport::readBytes(file.string()), "\"Ann\"\r\n");

        rt::qt::QtDriver importer;
        importer.start(&ImportMAIL);
        importer.answer(file.string());
        importer.waitWindow("Assign fields for Import...");
        importer.choose(rt::ControlName::parse("1"), 1);
        importer.choose(rt::ControlName::parse("2"), 1);  // MAI:FirstName
        importer.press(rt::ControlName::parse("\"&Assign\""));
        importer.press(rt::ControlName::parse("\"&OK\""));
        waitUntilEnded(importer);
        MAIL.open();
        EXPECT_EQ(MAIL.records(), 2);
        MAIL.close();
    }
}

}  // namespace
