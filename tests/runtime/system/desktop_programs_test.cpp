// Starting desktop programs and finding the program's own resources.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "runtime/system/desktop_programs.h"
#include "runtime/system/resource_lookup.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(Desktop, ResourcesAreFoundWithoutRegardToCaseOrFolder) {
    std::filesystem::path chime = rt::findResource("C:\\WINDOWS\\MEDIA\\Chimes.wav").value_or("");
    ASSERT_FALSE(chime.empty());
    EXPECT_EQ(chime.filename(), "Chimes.wav");
    EXPECT_EQ(chime.parent_path().filename(), "sounds");
    EXPECT_EQ(rt::findResource("~pc04.ico").value_or("").filename(), "PC04.ICO");
    EXPECT_FALSE(rt::findResource("NoSuchPicture.gif"));
}

TEST(Desktop, StartDetachedRunsTheCommandInItsFolderAndReportsWhatCannotStart) {
    testsupport::TempDir dir;
    ASSERT_TRUE(desktop::StartDetached({"sh", "-c", "pwd > here.txt"}, dir.path()));
    std::filesystem::path out = dir / "here.txt";
    auto written = [&] {
        std::error_code ec;
        return std::filesystem::exists(out, ec) && std::filesystem::file_size(out, ec) > 0;
    };
    for (int i = 0; i < 300 && !written(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(std::filesystem::path(line), std::filesystem::canonical(dir.path()));
    EXPECT_FALSE(desktop::StartDetached({"no-such-program-here"}, dir.path()));
    EXPECT_FALSE(desktop::StartDetached({}, dir.path()));
}

}  // namespace
