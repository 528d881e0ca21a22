// The report and process engine through small test procedures over a real record file:
// the destination question, the progress window's batches, the preview, printing into a
// PDF file, cancelling, and a process that stops on a failed write.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/record_process.h"
#include "frame/record_report.h"
#include "frame/tagging.h"
#include "frame/use_counts.h"
#include "records/tag_file.h"
#include "runtime/data/transaction.h"
#include "runtime/text/fixed_text.h"
#include "tests/frame/report_test_pages.h"
#include "tests/support/damaged_key.h"
#include "tests/support/short_wait_seconds.h"
#include "tests/support/temp_dir.h"

namespace {

using testing::Contains;
using testing::HasSubstr;

rt::RecordFile& labels() {
    static rt::RecordFile* file =
        new rt::RecordFile(rt::FileDecl("LABELS", "LAB:")
                               .attributes(rt::CREATE | rt::THREAD)
                               .STRING("LAB:NAME", 20)
                               .LONG("LAB:NUMBER")
                               .KEY("LAB:KEYNAME", rt::DUP | rt::NOCASE, {"LAB:NAME"})
                               .KEY("LAB:KEYNUMBER", 0, {"LAB:NUMBER"}));
    return *file;
}

// Fills LABELS with the given names, numbered as given; answers the records' pointers.
std::vector<std::int64_t> fillLabels(const std::vector<std::pair<std::string, long>>& rows) {
    rt::RecordFile& f = labels();
    std::vector<std::int64_t> pointers;
    f.remove();  // CREATE never replaces a file
    if (f.create() != 0 || f.open() != 0) return pointers;
    rt::Field name(f, "LAB:NAME"), number(f, "LAB:NUMBER");
    for (const auto& [text, n] : rows) {
        f.clear();
        name.setText(text);
        number.setInteger(n);
        if (f.add() == 0) pointers.push_back(f.pointer());
    }
    f.close();
    return pointers;
}

std::vector<std::pair<std::string, long>> numberedNames(int count) {
    std::vector<std::pair<std::string, long>> rows;
    for (int i = 1; i <= count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "NAME %02d", i);
        rows.emplace_back(name, i);
    }
    return rows;
}

PassSheet labelSheet(long expected = 0) {
    PassSheet s;
    s.file = &labels();
    s.key = "LAB:KEYNAME";
    s.displayName = "LABELS";
    s.expectedRecords = expected;
    return s;
}

// A read error for the pass: after this many records handled (0: never) the file is closed
// under the view, so the next read fails with an error other than 33.
int readFailureAfter = 0;
int handledRecords = 0;

// Whether QUICKSCAN was on at each record the pass handled, and after the procedure.
std::vector<bool> quickDuringPass;
bool quickAfterPass = true;

void readFailsAfter() {
    if (++handledRecords == readFailureAfter) labels().close();
}

// Labels of the records tagged in TAG::Contacts, in name order, one line each.
class PrintTestLabels : public ReportPass {
  public:
    explicit PrintTestLabels(PassSheet sheet = labelSheet(), ReportOptions o = options())
        : ReportPass("TestReport", {&records::tagFile(), &labels()}, std::move(sheet), o) {}

    static ReportOptions options() {
        ReportOptions o;
        o.labelLayout = true;
        return o;
    }

  protected:
    ReportStructurePtr makeReport() override {
        return testsupport::labelReport([this] { return line_; });
    }
    int recordVerdict() override {
        quickDuringPass.push_back(labels().quickScan());
        return GetTag_(TAG::Contacts, static_cast<long>(labels().pointer())) ? VERDICT::Take
                                                                             : VERDICT::Skip;
    }
    void beforeDetail() override { line_ = "LABEL " + std::string(rt::clip(name_.text())); }
    void afterDetail() override { readFailsAfter(); }

  private:
    rt::Field name_{labels(), "LAB:NAME"};
    std::string line_;
};

// Multiplies every number by ten with a plain PUT, in name order.
class MultiplyNumbers : public ProcessPass {
  public:
    explicit MultiplyNumbers(PassSheet sheet = labelSheet())
        : ProcessPass("TestProcess", {&labels()}, std::move(sheet), {}) {}

    // Records written so far (read between events).
    static inline int written = 0;

  protected:
    void assignFields() override {
        quickDuringPass.push_back(labels().quickScan());
        number_.setInteger(number_.integer() * 10);
    }
    void afterWrite() override {
        ++written;
        readFailsAfter();
    }

  private:
    rt::Field number_{labels(), "LAB:NUMBER"};
};

struct Outcome {
    long response = 0;
    long request = -1;
    long filesStillInUse = -1;
    std::vector<long> numbers;  // in name order, read after the procedure
};

std::vector<long> numbersInNameOrder() {
    std::vector<long> out;
    rt::RecordFile& f = labels();
    if (f.open() != 0) return out;
    f.set(f.key("LAB:KEYNAME"));
    rt::Field number(f, "LAB:NUMBER");
    while (f.next() == 0)
        out.push_back(static_cast<long>(number.integer()));
    f.close();
    return out;
}

class ReportPassTest : public testing::Test {
  protected:
    void SetUp() override {
        testsupport::resetRecordingPrinter();
        readFailureAfter = handledRecords = 0;
        quickDuringPass.clear();
        quickAfterPass = true;
    }

    // Runs `procedure` on an application thread over LABELS filled with `rows`, tagging
    // the first `tagged` records; `drive` plays the user.
    void runReport(const std::vector<std::pair<std::string, long>>& rows, int tagged,
                   const std::function<void(rt::Driver&)>& drive, long request = 0,
                   PassSheet sheet = labelSheet(),
                   ReportOptions options = PrintTestLabels::options()) {
        rt::Driver d;
        d.start([&] {
            std::vector<std::int64_t> pointers = fillLabels(rows);
            OpenTagFile_();
            NewTag_(TAG::Contacts);
            for (int i = 0; i < tagged && i < static_cast<int>(pointers.size()); ++i)
                SetTag_(TAG::Contacts, static_cast<long>(pointers[static_cast<std::size_t>(i)]),
                        "");
            CloseTagFile_();
            if (beforePass) beforePass();
            GLO::Request = request;
            PrintTestLabels(sheet, options).run();
            quickAfterPass = labels().quickScan();
            result.response = GLO::Response;
            result.request = GLO::Request;
            result.filesStillInUse = UseCount(labels()) + UseCount(records::tagFile());
        });
        drive(d);
        d.finish();
    }

    void runProcess(const std::vector<std::pair<std::string, long>>& rows,
                    const std::function<void(rt::Driver&)>& drive, PassSheet sheet = labelSheet()) {
        MultiplyNumbers::written = 0;
        rt::Driver d;
        d.start([&] {
            fillLabels(rows);
            MultiplyNumbers(sheet).run();
            quickAfterPass = labels().quickScan();
            result.response = GLO::Response;
            result.filesStillInUse = UseCount(labels());
            result.numbers = numbersInNameOrder();
        });
        drive(d);
        d.finish();
    }

    testsupport::TempDir dir{/*enter=*/true};
    Outcome result;
    std::function<void()> beforePass;  // runs after the file is filled, before the report
};

// Lets the progress window's timer run until the procedure has returned.
void runPassToEnd(rt::Driver& d) {
    for (int round = 0; round < 1000; ++round) {
        d.settle();
        if (d.ended() || !d.backend().pendingDialogs().empty() || !d.backend().fireNextTimer())
            return;
    }
}

bool isLabel(const std::string& text) {
    return text.rfind("LABEL ", 0) == 0;
}

std::string pdfText(const std::filesystem::path& pdf, const std::string& tool) {
    std::string output;
    std::string command =
        tool + " '" + pdf.string() + "' " + (tool == "pdftotext" ? "- " : "") + "2>/dev/null";
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 256> chunk;
        while (std::fgets(chunk.data(), chunk.size(), pipe))
            output += chunk.data();
        pclose(pipe);
    }
    return output;
}

// The names of the pages the preview shows now.
std::vector<std::string> shownPages(rt::Window& w) {
    std::vector<std::string> files;
    for (int n : w.controlNumbers())
        if (const rt::ControlState* c = w.control(n); c && !c->pageFile.empty() && w.isVisible(n))
            files.push_back(c->pageFile);
    return files;
}

TEST_F(ReportPassTest, ThirtyOneLabelsGoThroughDestinationPreviewAndPrintIntoAPdfFile) {
    testsupport::installPdfPrinting();
    const std::string pdf = (dir / "labels.pdf").string();
    std::string firstPage;
    std::vector<std::string> firstPageTexts;
    std::string zone5;
    runReport(numberedNames(40), 31, [&](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Options");
        d.waitWindow("Print Options");
        d.press("Print To FIle");
        d.type(7, pdf);
        d.press("OK");
        d.waitWindow("Report Destination");
        d.press("OK");
        d.waitWindow("Report Preview");
        zone5 = d.active()->status(5);
        auto shown = shownPages(*d.active());
        ASSERT_EQ(shown.size(), 1u);
        firstPageTexts = testsupport::pageTexts(shown.front());
        d.press(1);  // "Print The Report"
        d.waitWindow("Print Options");
        d.press("OK");
    });
    EXPECT_EQ(result.response, RESP::Completed);
    EXPECT_EQ(result.filesStillInUse, 0);
    EXPECT_EQ(zone5, "Page 1 of 2");
    // Numbered in place, centred in the placeholder's 19 characters.
    EXPECT_THAT(firstPageTexts, Contains("    Page 1 of 2    "));
    EXPECT_EQ(rt::clip(firstPageTexts.front()), "LABEL NAME 01");
    EXPECT_EQ(std::count_if(firstPageTexts.begin(), firstPageTexts.end(), isLabel), 30);
    EXPECT_THAT(pdfText(pdf, "pdfinfo"), testing::ContainsRegex("Pages: +2\n"));
    std::string text = pdfText(pdf, "pdftotext");
    EXPECT_THAT(text, HasSubstr("LABEL NAME 31"));
    EXPECT_THAT(text, HasSubstr("Page 2 of 2"));
    EXPECT_THAT(text, testing::Not(HasSubstr("LABEL NAME 32")));
    EXPECT_EQ(testsupport::printerState().printToFile, true);
}

TEST_F(ReportPassTest, APrintThatFailsIsReportedAndAnswersNotCompleted) {
    testsupport::installPdfPrinting();
    const std::string pdf = (dir / "no such folder" / "labels.pdf").string();
    std::string errorBox;
    runReport(numberedNames(12), 12, [&](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Options");
        d.waitWindow("Print Options");
        d.press("Print To FIle");
        d.type(7, pdf);
        d.press("OK");
        d.waitWindow("Report Destination");
        d.press("Print Report");
        d.press("OK");
        runPassToEnd(d);
        auto dialogs = d.backend().pendingDialogs();
        ASSERT_EQ(dialogs.size(), 1u);
        errorBox = dialogs[0]->caption;
        d.answer("OK");
        d.settle();
    });
    EXPECT_EQ(errorBox, "Report Error");
    EXPECT_EQ(result.response, RESP::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportPassTest, PrintedWithoutPreviewEveryPageGoesToThePrinter) {
    runReport(numberedNames(40), 31, [](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Print Report");
        d.press("OK");
        runPassToEnd(d);
    });
    EXPECT_EQ(result.response, RESP::Completed);
    auto pages = testsupport::printedPages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(rt::clip(pages[1].front()), "LABEL NAME 31");
    EXPECT_EQ(std::count_if(pages[0].begin(), pages[0].end(), isLabel), 30);
    // Printed without the preview, the page text keeps its placeholder.
    EXPECT_THAT(pages[1], Contains("Page xxxxx of xxxxx"));
}

TEST_F(ReportPassTest, ViewedAndNotPrintedTheReportIsStillCompletedAndItsPagesAreGone) {
    std::string shownPage;
    runReport(numberedNames(12), 12, [&](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("OK");
        d.waitWindow("Report Preview");
        shownPage = shownPages(*d.active()).front();
        EXPECT_FALSE(testsupport::pageTexts(shownPage).empty());
        d.press(2);  // "Exit Without Printing Report"
    });
    EXPECT_EQ(result.response, RESP::Completed);
    EXPECT_TRUE(testsupport::printedPages().empty());
    const std::optional<rt::SpooledPage> page = rt::parsePageName(shownPage);
    ASSERT_TRUE(page) << shownPage;
    EXPECT_FALSE(std::filesystem::exists(page->spool));
}

TEST_F(ReportPassTest, ThePlainPreviewAsksNothingAndPrintsEveryPage) {
    ReportOptions plain = PrintTestLabels::options();
    plain.destination = ReportOptions::Destination::PlainPreview;
    runReport(
        numberedNames(35), 35,
        [](rt::Driver& d) {
            d.waitWindow("Report Preview");
            EXPECT_EQ(d.active()->status(2), "Page 1 of 2");
            d.press("&Print");
        },
        0, labelSheet(), plain);
    EXPECT_EQ(result.response, RESP::Completed);
    EXPECT_EQ(testsupport::printedPages().size(), 2u);
}

TEST_F(ReportPassTest, CancelledAtTheDestinationOpensNothingAndLeavesNoRequest) {
    runReport(
        numberedNames(5), 5,
        [](rt::Driver& d) {
            d.waitWindow("Report Destination");
            d.press("Cancel");
        },
        REQ::Change);
    EXPECT_EQ(result.response, RESP::Cancelled);
    EXPECT_EQ(result.request, 0);
    EXPECT_EQ(result.filesStillInUse, 0);
    EXPECT_TRUE(testsupport::printedPages().empty());
}

TEST_F(ReportPassTest, NothingTaggedMakesNoPageAndAnswersCancelled) {
    runReport(numberedNames(10), 0, [](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Print Report");
        d.press("OK");
        runPassToEnd(d);
    });
    EXPECT_EQ(result.response, RESP::Cancelled);
    EXPECT_EQ(result.filesStillInUse, 0);
    EXPECT_TRUE(testsupport::printedPages().empty());
}

// The report's spools in a folder.
std::vector<std::filesystem::path> spoolsIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().rfind("tovik-pages-", 0) == 0)
            found.push_back(entry.path());
    return found;
}

TEST_F(ReportPassTest, ProgressCountsRecordsReadAndCancelPrintsNothingAndLeavesNoSpool) {
    // The report's spool goes into this test's own folder, where no other test writes.
    const char* tmp = std::getenv("TMPDIR");
    const std::string savedTmp = tmp ? tmp : "";
    setenv("TMPDIR", dir.path().c_str(), 1);
    std::size_t spoolsWhileRunning = 0;
    std::string afterFirstBatch, before;
    runReport(numberedNames(40), 40, [&](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Print Report");
        d.press("OK");
        d.waitWindow("Generating Report");
        before = d.text(rt::ControlName::parse("3"));
        d.timer();
        // The first record and 25 more were read: 26 of 40.
        afterFirstBatch = d.text(rt::ControlName::parse("3"));
        spoolsWhileRunning = spoolsIn(dir.path()).size();
        d.press("Cancel");
    });
    tmp ? setenv("TMPDIR", savedTmp.c_str(), 1) : unsetenv("TMPDIR");
    EXPECT_EQ(before, "  2% Completed");
    EXPECT_EQ(afterFirstBatch, " 65% Completed");
    EXPECT_EQ(result.response, RESP::Cancelled);
    EXPECT_TRUE(testsupport::printedPages().empty());
    EXPECT_EQ(spoolsWhileRunning, 1u);
    EXPECT_TRUE(spoolsIn(dir.path()).empty());
}

TEST_F(ReportPassTest, AnExpectedCountBelowTheRecordsReadStaysAtAHundredPercent) {
    std::string afterFirstBatch;
    runReport(
        numberedNames(40), 40,
        [&](rt::Driver& d) {
            d.waitWindow("Report Destination");
            d.press("Print Report");
            d.press("OK");
            d.waitWindow("Generating Report");
            d.timer();
            afterFirstBatch = d.text(rt::ControlName::parse("3"));
            runPassToEnd(d);
        },
        0, labelSheet(/*expected=*/10));
    EXPECT_EQ(afterFirstBatch, "100% Completed");
    EXPECT_EQ(result.response, RESP::Completed);
    EXPECT_EQ(testsupport::printedPages().size(), 2u);
}

TEST_F(ReportPassTest, TheViewFilterChoosesTheRecordsAndABadOneIsIgnoredAfterItsWarning) {
    struct Case {
        const char* filter;
        std::size_t labels;
        bool warned;
    };
    for (const Case& c : {Case{"LAB:NUMBER > 35", 5, false}, Case{"LAB:NUMBER >", 40, true}}) {
        SCOPED_TRACE(c.filter);
        testsupport::resetRecordingPrinter();
        PassSheet sheet = labelSheet();
        sheet.filter = c.filter;
        bool warned = false;
        runReport(
            numberedNames(40), 40,
            [&](rt::Driver& d) {
                d.waitWindow("Report Destination");
                d.press("Print Report");
                d.press("OK");
                runPassToEnd(d);
                if (!d.backend().pendingDialogs().empty()) {
                    warned = d.backend().pendingDialogs().front()->caption == "View Open Error";
                    d.answer("OK");
                    runPassToEnd(d);
                }
            },
            0, sheet);
        EXPECT_EQ(warned, c.warned);
        EXPECT_EQ(result.response, RESP::Completed);
        std::size_t printed = 0;
        for (const auto& page : testsupport::printedPages())
            printed += static_cast<std::size_t>(std::count_if(page.begin(), page.end(), isLabel));
        EXPECT_EQ(printed, c.labels);
    }
}

TEST_F(ReportPassTest, TheByteCountingVariantEndsABatchOnceItsBytesAreRead) {
    PassSheet sheet = labelSheet();
    sheet.countBytes = true;
    sheet.batchSize = 2 * 24 + 1;  // a record of LABELS is 24 bytes: three records a batch
    std::vector<int> writtenAfterEvents;
    runProcess(
        numberedNames(7),
        [&](rt::Driver& d) {
            for (int event = 0; event < 3; ++event) {
                d.timer();
                writtenAfterEvents.push_back(MultiplyNumbers::written);
            }
        },
        sheet);
    EXPECT_EQ(writtenAfterEvents, (std::vector<int>{3, 6, 7}));
    EXPECT_EQ(result.response, RESP::Completed);
}

TEST_F(ReportPassTest, ProcessWritesEveryRecordAndAnswersCompleted) {
    runProcess({{"A", 1}, {"B", 2}, {"C", 3}}, runPassToEnd);
    EXPECT_EQ(result.response, RESP::Completed);
    EXPECT_EQ(result.filesStillInUse, 0);
    EXPECT_EQ(result.numbers, (std::vector<long>{10, 20, 30}));
}

TEST_F(ReportPassTest, ProcessWhoseThirdWriteFailsKeepsTheFirstTwoAndAnswersCancelled) {
    // C's new number 30 is D's: the unique key refuses the third write.
    std::string caption;
    runProcess({{"A", 1}, {"B", 2}, {"C", 3}, {"D", 30}, {"E", 5}}, [&](rt::Driver& d) {
        d.expectMessage(
            "An error was experienced when making changes to the Process:View file.  Error: "
            "Creates Duplicate Key (40)");
        caption = d.backend().pendingDialogs().front()->caption;
        d.answer("OK");
    });
    EXPECT_EQ(caption, "Process PUT Error");
    EXPECT_EQ(result.response, RESP::Cancelled);
    EXPECT_EQ(result.filesStillInUse, 0);
    EXPECT_EQ(result.numbers, (std::vector<long>{10, 20, 3, 30, 5}));
}

TEST_F(ReportPassTest, AProcessWhoseWriteWaitsInVainQuotesTheLockInItsWarning) {
    testsupport::ShortWaitSeconds seconds(100);  // the write's wait for the lock runs out
    std::string caption;
    runProcess({{"A", 1}, {"B", 2}}, [&](rt::Driver& d) {
        d.waitWindow("Processing Records");
        // Another station holds the file in a transaction for as long as the pass waits.
        rt::RecordFile& other = labels();
        ASSERT_EQ(other.open(), 0);
        ASSERT_EQ(rt::logout(1, {&other}), 0);
        runPassToEnd(d);
        d.expectMessage(
            "An error was experienced when making changes to the Process:View file.  Error: File "
            "Is Already Locked (32)");
        caption = d.backend().pendingDialogs().front()->caption;
        d.answer("OK");
        rt::rollback();
        other.close();
        runPassToEnd(d);
    });
    EXPECT_EQ(caption, "Process PUT Error");
    EXPECT_EQ(result.response, RESP::Cancelled);
    EXPECT_EQ(result.numbers, (std::vector<long>{1, 2}));
}

// The read-error warning of a pass: its caption and whether it names the file.
std::string answerReadError(rt::Driver& d) {
    runPassToEnd(d);
    auto dialogs = d.backend().pendingDialogs();
    if (dialogs.empty()) return "no warning";
    std::string seen = dialogs.front()->caption;
    if (dialogs.front()->text.find("from the LABELS file") == std::string::npos)
        seen += " without the file's name";
    d.answer("OK");
    runPassToEnd(d);
    return seen;
}

TEST_F(ReportPassTest, AReportStoppedByAReadErrorPrintsWhatItMadeAndAnswersCancelled) {
    readFailureAfter = 12;
    std::string warning;
    runReport(numberedNames(40), 40, [&](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Print Report");
        d.press("OK");
        warning = answerReadError(d);
    });
    EXPECT_EQ(warning, "Record Retrieval Error");
    EXPECT_EQ(result.response, RESP::Cancelled);
    EXPECT_EQ(result.filesStillInUse, 0);
    auto pages = testsupport::printedPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(std::count_if(pages[0].begin(), pages[0].end(), isLabel), 12);
}

TEST_F(ReportPassTest, AReportMeetingDamagedKeysQuotes46AndOffersTheRebuild) {
    beforePass = [] { testsupport::damageKeyPages("LABELS.KVF", "rec_k0"); };
    std::vector<std::string> boxes;
    runReport(numberedNames(200), 200, [&](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Print Report");
        d.press("OK");
        runPassToEnd(d);
        for (int i = 0; i < 3; ++i) {
            auto dialogs = d.backend().pendingDialogs();
            if (dialogs.empty()) break;
            boxes.push_back(dialogs.front()->caption + ": " + dialogs.front()->text);
            d.answer(dialogs.front()->caption == "Invalid Key" ? "Yes" : "OK");
            runPassToEnd(d);
        }
    });
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0],
              "Record Retrieval Error: Error: (Key File Must Be Rebuilt (46)) attempting to access "
              "a record from the LABELS file.  Returning to previous window.");
    EXPECT_EQ(boxes[1],
              "Invalid Key: LABELS.KVF key file is invalid.  Do you want to rebuild the key?");
    EXPECT_EQ(result.response, RESP::Cancelled);
    labels().open();
    labels().set(labels().key("LAB:KEYNAME"));
    int read = 0;
    while (labels().next() == 0)
        ++read;
    EXPECT_EQ(read, 200);
    labels().close();
}

TEST_F(ReportPassTest, AProcessStoppedByAReadErrorKeepsWhatItWroteAndAnswersCancelled) {
    readFailureAfter = 2;
    std::string warning;
    runProcess({{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}},
               [&](rt::Driver& d) { warning = answerReadError(d); });
    EXPECT_EQ(warning, "Record Retrieval Error");
    EXPECT_EQ(result.response, RESP::Cancelled);
    EXPECT_EQ(result.filesStillInUse, 0);
    EXPECT_EQ(result.numbers, (std::vector<long>{10, 20, 3, 4}));
}

// Every record of a pass is read under QUICKSCAN, and the pass sends it off however it
// ends: completed, cancelled, or stopped by a read or write error.
TEST_F(ReportPassTest, APassReadsUnderQuickScanAndLeavesItOffHoweverItEnds) {
    struct Case {
        const char* name;
        std::function<void()> run;
    };
    auto printAll = [](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Print Report");
        d.press("OK");
        runPassToEnd(d);
    };
    auto cancelEarly = [](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Print Report");
        d.press("OK");
        d.waitWindow("Generating Report");
        d.timer();
        d.press("Cancel");
    };
    auto failingWrite = [](rt::Driver& d) {
        d.expectMessage(
            "An error was experienced when making changes to the Process:View file.  Error: "
            "Creates Duplicate Key (40)");
        d.answer("OK");
    };
    const std::vector<Case> cases = {
        {"report completed", [&] { runReport(numberedNames(30), 30, printAll); }},
        {"report cancelled", [&] { runReport(numberedNames(40), 40, cancelEarly); }},
        {"report read error",
         [&] {
             readFailureAfter = 12;
             runReport(numberedNames(40), 40, [](rt::Driver& d) { answerReadError(d); });
         }},
        {"process completed", [&] { runProcess(numberedNames(30), runPassToEnd); }},
        {"process write error",
         [&] {
             runProcess({{"A", 1}, {"B", 2}, {"C", 3}, {"D", 30}, {"E", 5}}, failingWrite);
         }},
        {"process read error",
         [&] {
             readFailureAfter = 2;
             runProcess({{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}},
                        [](rt::Driver& d) { answerReadError(d); });
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.run();
        EXPECT_FALSE(quickDuringPass.empty());
        EXPECT_THAT(quickDuringPass, testing::Each(true));
        EXPECT_FALSE(quickAfterPass);
    }
}

}  // namespace
