// The import and export file: what the export writes and how the import reads the lines of
// files written by this program and by others.

#include "data_exchange/csv_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

#include "drivers/driver.h"
#include "frame/globals.h"
#include "runtime/text/decimal.h"
#include "tests/support/file_bytes.h"
#include "tests/support/run_timers.h"
#include "tests/support/temp_dir.h"

namespace {

// Every record of the file as its values.
std::vector<std::vector<std::string>> importAll(const std::string& name) {
    std::vector<std::vector<std::string>> out;
    EXPECT_GT(OpenImportFile(name), 0);
    while (ReadImportLine() != 0) {
        std::vector<std::string> values;
        while (ParseImportField() != 0)
            values.push_back(ImportValue());
        out.push_back(values);
    }
    CloseImportFile();
    return out;
}

class CsvFileTest : public ::testing::Test {
  protected:
    void TearDown() override {
        CloseImportFile();
        if (ImportExportFile().isOpen()) ImportExportFile().close();
    }
    testsupport::TempDir dir{true};
};

TEST_F(CsvFileTest, ExportWritesValuesByTheirPictures) {
    ASSERT_TRUE(OpenExportFile("out.csv"));
    ClearExportLine();
    AppendExportField(rt::Value("Smith          "), "@s15", false);
    AppendExportField(rt::Value(rt::Decimal("12.50")), "@n-10.2", false);
    AppendExportField(rt::Value(72686L), "@d1", false);  // 12/31/1999 as a day number
    AppendExportField(rt::Value("   "), "@s3", false);
    ASSERT_TRUE(WriteExportLine());
    ClearExportLine();
    AppendExportField(rt::Value(rt::Decimal("0.00")), "@n-10.2", false);
    AppendExportField(rt::Value(rt::Decimal("-3.10")), "@n-10.2", false);
    AppendExportField(rt::Value(rt::Decimal("1234.00")), "@n$-10.2", false);
    AppendExportField(rt::Value("  42  "), "@n4", false);
    ASSERT_TRUE(WriteExportLine());
    // A text given a number picture is quoted when it would split its line; blank fields
    // come out empty whatever their picture, never as the picture's zeros.
    ClearExportLine();
    AppendExportField(rt::Value("Ann"), "@s15", false);
    AppendExportField(rt::Value("5 Main St, Apt 3  "), "@n30", false);
    AppendExportField(rt::Value("say \"hi\""), "@n30", false);
    AppendExportField(rt::Value("   "), "@P###P", false);
    AppendExportField(rt::Value("     "), "@P##:##P", false);
    AppendExportField(rt::Value(0L), "@P###-###-####P", false);
    AppendExportField(rt::Value(0L), "@d1", false);
    AppendExportField(rt::Value("123"), "@P###P", false);
    ASSERT_TRUE(WriteExportLine());
    ClearExportLine();
    AppendExportField(rt::Value("MAI:FirstName"), "@s50", true);
    AppendExportField(rt::Value("X[1]"), "@s50", true);
    ASSERT_TRUE(WriteExportLine());
    CloseExportFile();
    EXPECT_EQ(testsupport::readBytes("out.csv"),
              "\"Smith\",12.5,\"12/31/99\",\"\"\r\n"
              "0,-3.1,1234,42\r\n"
              "\"Ann\",\"5 Main St, Apt 3\",\"say \"\"hi\"\"\",\"\",\"\",\"\",\"\",\"123\"\r\n"
              "\"MAI:FirstName\",\"X_1\"\r\n");
}

TEST_F(CsvFileTest, ImportReadsLinesEndedEitherWayAndSkipsNothing) {
    testsupport::writeBytes("in.csv", "\"a\",1\r\n\"b\",2\n\r\n\"c\r\nd\",3\nlast,4");
    EXPECT_EQ(importAll("in.csv"),
              (std::vector<std::vector<std::string>>{
                  {"a", "1"}, {"b", "2"}, {}, {"c\r\nd", "3"}, {"last", "4"}}));
}

TEST_F(CsvFileTest, ImportCountsTheBytesAndLinesOfEachRecord) {
    testsupport::writeBytes("in.csv", "\"x\"\r\n\"two\nlines\",1\r\nend");
    ASSERT_EQ(OpenImportFile("in.csv"), 23);
    EXPECT_EQ(ReadImportLine(), 5);
    EXPECT_EQ(ImportLineNumber(), 1);
    EXPECT_EQ(ReadImportLine(), 15);
    EXPECT_EQ(ImportLineNumber(), 2);
    EXPECT_EQ(ReadImportLine(), 3);
    EXPECT_EQ(ImportLineNumber(), 4);
    EXPECT_EQ(ReadImportLine(), 0);
    CloseImportFile();
}

// A tab is a character of its value, quoted or not, in a file of either encoding; a final
// byte 26 ends the data.
TEST_F(CsvFileTest, ATabStaysInItsValueWhateverTheQuotingAndTheEncoding) {
    const std::string value = "Jos\xE9\tA";  // as the records hold it
    for (const char* written : {"Jos\xE9\tA", "Jos\xC3\xA9\tA"}) {
        testsupport::writeBytes("in.csv", std::string(written) + ",\"" + written + "\"\r\nx\x1A");
        EXPECT_EQ(importAll("in.csv"),
                  (std::vector<std::vector<std::string>>{{value, value}, {"x"}}))
            << written;
    }
}

// Lines ended by CR LF, by LF or by a lone CR (files of older Mac programs) read alike.
TEST_F(CsvFileTest, LinesEndedByCrLfLfOrALoneCrReadAlike) {
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        testsupport::writeBytes("in.csv",
                                "\"Ann\",\"Lee\"" + end + "\"Bob\",\"Ray\"" + end + end + "Cy,Oz");
        EXPECT_EQ(importAll("in.csv"), (std::vector<std::vector<std::string>>{
                                           {"Ann", "Lee"}, {"Bob", "Ray"}, {}, {"Cy", "Oz"}}))
            << (end == "\r"   ? "CR"
                : end == "\n" ? "LF"
                              : "CR LF");
    }
}

TEST_F(CsvFileTest, AUtf8FileWithOrWithoutItsMarkIsReadInTheProgramsCodePage) {
    for (const std::string mark : {"\xEF\xBB\xBF", ""}) {
        testsupport::writeBytes("in.csv",
                                mark + "\"Jos\xC3\xA9\",\"M\xC3\xBCller \xE2\x82\xAC\"\r\n");
        EXPECT_EQ(importAll("in.csv"),
                  (std::vector<std::vector<std::string>>{{"Jos\xE9", "M\xFCller \x80"}}))
            << (mark.empty() ? "without" : "with") << " the mark";
    }
    // A file without a single UTF-8 sequence is Windows-1252: its bytes pass unchanged.
    testsupport::writeBytes("plain.csv", "\"Jos\xE9\"\r\n\"M\xFCller \x80\"\r\n");
    EXPECT_EQ(importAll("plain.csv"),
              (std::vector<std::vector<std::string>>{{"Jos\xE9"}, {"M\xFCller \x80"}}));
}

// A quoted value that never closes is its line's alone: the next lines are records of their
// own, and the record says which line and column it refuses.
TEST_F(CsvFileTest, AnUnclosedQuoteIsRefusedAndTheLinesAfterItAreRead) {
    testsupport::writeBytes(
        "in.csv", "a,\"open\r\nb,c\r\n\"x\",\"y\"\r\n\"two\r\nlines\",z\r\nd,\"e\"\"f\r\n");
    ASSERT_GT(OpenImportFile("in.csv"), 0);
    const struct {
        long line;
        std::vector<std::string> values;
        std::string refusal;
    } expected[] = {
        {1,
         {"a", "open"},
         "Line 1, column Field_2: the quote that opens its value is never closed."},
        {2, {"b", "c"}, ""},
        {3, {"x", "y"}, ""},
        {4, {"two\r\nlines", "z"}, ""},
        {6,
         {"d", "e\"f"},
         "Line 6, column Field_2: the quote that opens its value is never closed."},
    };
    for (const auto& e : expected) {
        ASSERT_NE(ReadImportLine(), 0) << "line " << e.line;
        EXPECT_EQ(ImportLineNumber(), e.line);
        EXPECT_EQ(ImportRecordRefusal(), e.refusal);
        std::vector<std::string> values;
        while (ParseImportField() != 0)
            values.push_back(ImportValue());
        EXPECT_EQ(values, e.values) << "line " << e.line;
    }
    EXPECT_EQ(ReadImportLine(), 0);
    CloseImportFile();
}

// The system cuts a write at the file's size limit as a full disk would: the line cut part-way
// is taken back, and Retry, once there is room, writes it whole and once.
TEST_F(CsvFileTest, AWriteThatFailsPartWayLeavesWholeLinesAndRetryWritesTheLineOnce) {
    const auto line = [](char c) { return "\"" + std::string(36, c) + "\"\r\n"; };  // 40 bytes
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = unlimited;
    limited.rlim_cur = 100;  // the third line stops after 20 of its bytes
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    rt::Driver driver;
    std::vector<bool> written;
    driver.start([&] {  // comes back when the program asks
        ASSERT_TRUE(OpenExportFile("out.csv"));
        for (char c : {'a', 'b', 'c'}) {
            ClearExportLine();
            AppendExportField(rt::Value(std::string(36, c)), "@s40", false);
            written.push_back(WriteExportLine());
        }
        CloseExportFile();
    });
    const std::vector<rt::DialogPtr> dialogs = driver.backend().pendingDialogs();
    const std::string bytesAtFailure = testsupport::readBytes("out.csv");
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
    std::signal(SIGXFSZ, ignored);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0]->caption, "Cannot ADD to out.csv");
    EXPECT_EQ(bytesAtFailure, line('a') + line('b'));
    driver.answer("Retry");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(written, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(testsupport::readBytes("out.csv"), line('a') + line('b') + line('c'));
}

TEST_F(CsvFileTest, ALongLineIsOneRecord) {
    std::string big(20000, 'x');
    testsupport::writeBytes("in.csv", "\"" + big + "\",1\r\n");
    EXPECT_EQ(importAll("in.csv"), (std::vector<std::vector<std::string>>{{big, "1"}}));
}

TEST_F(CsvFileTest, FormattedValuesAreConvertedOncePerValue) {
    testsupport::writeBytes("in.csv", "\"12/31/99\",\"not a date\"\r\n");
    ASSERT_GT(OpenImportFile("in.csv"), 0);
    ASSERT_NE(ReadImportLine(), 0);
    ASSERT_EQ(ParseImportField(), 1);
    EXPECT_TRUE(DeformatImportField("@d1"));
    EXPECT_EQ(ImportValue(), "72686");
    EXPECT_TRUE(DeformatImportField("@d1"));  // a second target: no second conversion
    EXPECT_EQ(ImportValue(), "72686");
    ASSERT_EQ(ParseImportField(), 1);
    EXPECT_FALSE(DeformatImportField("@d1"));
    ASSERT_EQ(ParseImportField(), 0);
    CloseImportFile();
}

// The open dialog suggests the whole name the export last used (longer than the global's 80
// characters), unless the program's start cleared the global since.
TEST_F(CsvFileTest, TheImportSuggestsTheLastNameUnlessTheProgramStartedAgain) {
    const std::string longName = (dir.path() / (std::string(90, 'x') + ".csv")).string();
    for (const bool startedAgain : {false, true}) {
        SCOPED_TRACE(startedAgain ? "started again" : "same run");
        rt::Driver driver;
        driver.start([&] {
            ASSERT_TRUE(OpenExportFile(longName));
            CloseExportFile();
            if (startedAgain) GLO::ImportExportFileName = "";  // as the program's start does
            EXPECT_EQ(OpenImportFile(""), 0);
        });
        const std::vector<rt::DialogPtr> dialogs = driver.backend().pendingDialogs();
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0]->fileName, startedAgain ? "" : longName);
        driver.cancel();
        ASSERT_TRUE(driver.finish());
    }
}

}  // namespace
