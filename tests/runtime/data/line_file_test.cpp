#include "runtime/data/line_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "runtime/data/errors.h"
#include "tests/support/temp_dir.h"

namespace {

std::string clipped(const std::string& text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

void writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class LineFileTest : public ::testing::Test {
  protected:
    void SetUp() override { file.setName("lines.csv"); }
    testsupport::TempDir dir{true};
    rt::LineFile file;
};

TEST_F(LineFileTest, ExportWritesClippedLinesWithCrLf) {
    writeFile("lines.csv", "old contents\r\n");
    ASSERT_EQ(file.create(), 0);
    ASSERT_EQ(file.open(0x11), 0);
    EXPECT_EQ(file.create(), rt::FileError::FileAlreadyOpen);
    file.setRecord("\"Smith\",12.5,\"12/31/99\",\"\"   ");
    ASSERT_EQ(file.add(), 0);
    file.setRecord("");
    ASSERT_EQ(file.add(), 0);
    ASSERT_EQ(file.close(), 0);
    EXPECT_EQ(readFile("lines.csv"), "\"Smith\",12.5,\"12/31/99\",\"\"\r\n\r\n");
    EXPECT_EQ(file.open(0x20), 0);
    EXPECT_EQ(file.add(), rt::FileError::AccessDenied);  // opened for reading only
}

TEST_F(LineFileTest, ImportReadsLinesAsTheDriverDefinesThem) {
    std::string longLine(16005, 'x');
    writeFile("lines.csv",
              "a\tb\r\n"          // tab to column 8
              "lone\rcr\nlf\r\n"  // only CR LF ends a line
              "\r\n" +            // an empty line
                  longLine +
                  "\r\n" + "last\x1Ahidden\r\n");
    ASSERT_EQ(file.open(0x20), 0);
    const std::int64_t size = file.bytes();
    EXPECT_EQ(size, static_cast<std::int64_t>(readFile("lines.csv").size()));
    struct Expected {
        std::string text;
        std::int64_t bytes;
    };
    const Expected lines[] = {{"a       b", 5}, {"lone\rcr\nlf", 12},
                              {"", 2},          {std::string(16000, 'x'), 16000},
                              {"xxxxx", 7},     {"last", 4}};
    for (const Expected& line : lines) {
        ASSERT_EQ(file.next(), 0) << line.text;
        EXPECT_EQ(file.record().size(), 16000u);
        EXPECT_EQ(clipped(file.record()), line.text);
        EXPECT_EQ(file.bytes(), line.bytes);
    }
    EXPECT_EQ(file.next(), rt::FileError::RecordNotAvailable);
    ASSERT_EQ(file.set(), 0);
    ASSERT_EQ(file.next(), 0);
    EXPECT_EQ(clipped(file.record()), "a       b");
}

TEST_F(LineFileTest, OpenAndRemoveAnswerTheirErrors) {
    EXPECT_EQ(file.open(0x20), rt::FileError::FileNotFound);
    writeFile("lines.csv", "");
    ASSERT_EQ(file.open(0x20), 0);
    EXPECT_EQ(file.bytes(), 0);
    EXPECT_EQ(file.next(), rt::FileError::RecordNotAvailable);
    EXPECT_EQ(file.open(0x20), rt::FileError::FileAlreadyOpen);
    EXPECT_EQ(file.remove(), rt::FileError::FileAlreadyOpen);
    // Another instance that denies everything is refused while this one reads.
    rt::LineFile other;
    other.setName("lines.csv");
    EXPECT_EQ(other.open(0x11), rt::FileError::AccessDenied);
    EXPECT_EQ(other.create(), rt::FileError::AccessDenied);
    ASSERT_EQ(file.close(), 0);
    EXPECT_EQ(file.remove(), 0);
    EXPECT_EQ(file.remove(), rt::FileError::FileNotFound);
}

}  // namespace

namespace {

TEST_F(LineFileTest, WholeLinesEndAtCrLfLfOrALoneCrAndKeepTabsAndLength) {
    const std::string big(20000, 'y');
    writeFile("lines.csv",
              "\xEF\xBB\xBF"
              "a\r\nb\tc\nd\re\r\n" +
                  big + "\r\nlast\x1Atail");
    ASSERT_EQ(file.open(0x20), 0);
    struct Line {
        std::string text;
        std::string end;
        std::int64_t bytes;
    } expected[] = {{"a", "\r\n", 6},  // the byte-order mark counts with the first line
                    {"b\tc", "\n", 4},    {"d", "\r", 2}, {"e", "\r\n", 3},
                    {big, "\r\n", 20002}, {"last", "", 4}};
    std::string line;
    for (const Line& e : expected) {
        ASSERT_EQ(file.readLine(line), 0);
        EXPECT_EQ(line, e.text);
        EXPECT_EQ(file.lineEnd(), e.end);
        EXPECT_EQ(file.bytes(), e.bytes);
    }
    EXPECT_TRUE(file.utf8());
    EXPECT_EQ(file.readLine(line), rt::FileError::RecordNotAvailable);
    file.close();
}

TEST_F(LineFileTest, AppendLineWritesTheTextAsItStands) {
    ASSERT_EQ(file.create(), 0);
    ASSERT_EQ(file.open(0x11), 0);
    ASSERT_EQ(file.appendLine("\"a\"  "), 0);
    ASSERT_EQ(file.appendLine(std::string(17000, 'z')), 0);
    file.close();
    EXPECT_EQ(readFile("lines.csv"), "\"a\"  \r\n" + std::string(17000, 'z') + "\r\n");
}

}  // namespace
