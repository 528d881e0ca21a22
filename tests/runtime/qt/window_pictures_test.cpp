// The pictures of one run are named by the titles their windows show; a title that several
// window structures show names each of them apart, whatever the order they came in.
#include "runtime/qt/window_pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <filesystem>
#include <set>

#include "runtime/qt/page_painter.h"
#include "runtime/ui/window_structure.h"
#include "tests/support/temp_dir.h"

namespace {

struct Met {
    const char* module;
    const char* label;
    const char* title;
    int width;  // tells the pictures apart
};

std::set<std::string> picturesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

int widthOf(const std::filesystem::path& file) {
    return QImage(QString::fromStdString(file.string())).width();
}

std::set<std::string> saveAll(const std::filesystem::path& folder, const std::vector<Met>& met) {
    rt::qt::WindowPictures pictures(folder.string());
    for (const Met& m : met) {
        rt::WindowStructure structure;
        structure.module = m.module;
        structure.label = m.label;
        QWidget frame;
        frame.setFixedSize(m.width, 20);
        pictures.save(frame, structure, m.title);
    }
    return picturesIn(folder);
}

TEST(WindowPictures, ASharedTitleNamesEveryWindowApartInAnyOrder) {
    rt::qt::ensureApplication();
    const std::vector<Met> met = {
        {"Tovik023", "P1$FORMWINDOW", "Enter Search Criteria", 101},
        {"Tovik001", "BrowseMAIL", "Names And Information", 102},
        {"Tovik165", "P1$FORMWINDOW", "Enter Search Criteria", 103},
        {"Tovik030", "Reprint", "Select Style", 104},
        {"Tovik030", "Tagged", "Select Style", 105},
        {"Tovik_SF", "Calendar", "Contact Date", 106},
        {"Tovik_SF", "Calendar", "Appointment Date", 107},
        {"Tovik004", "Form", "", 108},
        {"Tovik036", "Menu", "Ridar Uzad  Version 5.55", 109},
        {"Tovik160", "Panel", "Close Panel->", 110},
        {"Tovik001", "BrowseMAIL", "Names And Information", 111},  // met again
    };
    const std::set<std::string> expected = {"Enter Search Criteria - Tovik023.png",
                                            "Enter Search Criteria - Tovik165.png",
                                            "Names And Information.png",
                                            "Select Style - Reprint.png",
                                            "Select Style - Tagged.png",
                                            "Contact Date.png",
                                            "Appointment Date.png",
                                            "(untitled) Tovik004.png",
                                            "Ridar Uzad Version 5.55.png",
                                            "Close Panel-_.png"};
    testsupport::TempDir inOrder, reversed;
    EXPECT_EQ(saveAll(inOrder.path(), met), expected);
    EXPECT_EQ(saveAll(reversed.path(), std::vector<Met>(met.rbegin(), met.rend())), expected);
    // Each file holds its own window's picture, the earlier one renamed, not overwritten.
    EXPECT_EQ(widthOf(inOrder / "Enter Search Criteria - Tovik023.png"), 101);
    EXPECT_EQ(widthOf(inOrder / "Enter Search Criteria - Tovik165.png"), 103);
    EXPECT_EQ(widthOf(inOrder / "Names And Information.png"), 111);
    EXPECT_EQ(widthOf(reversed / "Names And Information.png"), 102);
}

TEST(WindowPictures, AModuleSharedInsideATitleNamesItsWindowsByLabel) {
    rt::qt::WindowPictures pictures("/nonexistent");
    EXPECT_EQ(pictures.nameFor("Tovik030", "Reprint", "Print"), "Print");
    EXPECT_EQ(pictures.nameFor("Tovik031", "Window", "Print"), "Print - Tovik031");
    EXPECT_EQ(pictures.nameFor("Tovik030", "Reprint", "Print"), "Print - Tovik030");
    EXPECT_EQ(pictures.nameFor("Tovik030", "Tagged", "Print"), "Print - Tagged");
    EXPECT_EQ(pictures.nameFor("Tovik030", "Reprint", "Print"), "Print - Reprint");
    EXPECT_EQ(pictures.nameFor("Tovik031", "Window", "Print"), "Print - Tovik031");
    EXPECT_EQ(pictures.count(), 3);
}

}  // namespace
