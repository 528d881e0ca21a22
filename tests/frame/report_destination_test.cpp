// The destination question: its answers and what it sets on TARGET:Printer.
#include <gtest/gtest.h>

#include "drivers/driver.h"
#include "frame/report_destination.h"
#include "runtime/text/fixed_text.h"
#include "tests/frame/report_test_pages.h"

namespace {

int askDestination(const std::function<void(rt::Driver&)>& drive) {
    int answer = 0;
    rt::Driver d;
    d.start([&] { answer = SelectReportDestination(); });
    d.waitWindow("Report Destination");
    drive(d);
    d.finish();
    return answer;
}

void openOptions(rt::Driver& d) {
    d.press("Options");
    d.waitWindow("Print Options");
}

class DestinationTest : public testing::Test {
  protected:
    void SetUp() override { testsupport::resetRecordingPrinter(); }
};

TEST_F(DestinationTest, OkAtOnceViewsWithOneUncollatedCopy) {
    EXPECT_EQ(askDestination([](rt::Driver& d) {
                  EXPECT_EQ(rt::clip(d.text(rt::ControlName::parse("2"))), "Test Printer");
                  d.press("OK");
              }),
              DEST::View);
    auto state = testsupport::printerState();
    EXPECT_EQ(state.copies, 1);
    EXPECT_FALSE(state.collate);
    EXPECT_FALSE(state.printToFile);
}

TEST_F(DestinationTest, PrintReportAnswersPrint) {
    EXPECT_EQ(askDestination([](rt::Driver& d) {
                  d.press("Print Report");
                  d.press("OK");
              }),
              DEST::Print);
}

TEST_F(DestinationTest, OptionsCancelKeepsWhatWasEnteredAndOkSetsIt) {
    askDestination([](rt::Driver& d) {
        openOptions(d);
        d.type(3, "3");
        d.press("Collate");
        d.type(3, "16");  // refused: 1 to 15 only
        d.press("Cancel");
        d.waitWindow("Report Destination");
        d.press("OK");
    });
    auto state = testsupport::printerState();
    EXPECT_EQ(state.copies, 3);
    EXPECT_TRUE(state.collate);
}

TEST_F(DestinationTest, CancelSetsNothingEvenAfterOptionsWereChosen) {
    EXPECT_EQ(askDestination([](rt::Driver& d) {
                  openOptions(d);
                  d.type(3, "4");
                  d.press("Print To FIle");
                  d.type(7, "out.pdf");
                  d.press("OK");
                  d.waitWindow("Report Destination");
                  d.press("Cancel");
              }),
              DEST::Cancel);
    auto state = testsupport::printerState();
    EXPECT_EQ(state.copies, 1);
    EXPECT_FALSE(state.printToFile);
}

TEST_F(DestinationTest, PrintToFileFollowsItsCheckBoxEveryTime) {
    // A file chosen with the file button alone does not switch printing into a file on.
    askDestination([](rt::Driver& d) {
        openOptions(d);
        d.press(8);
        auto dialogs = d.backend().pendingDialogs();
        ASSERT_EQ(dialogs.size(), 1u);
        ASSERT_EQ(dialogs[0]->filters.size(), 1u);  // the format that is written
        EXPECT_EQ(dialogs[0]->filters[0].pattern, "*.pdf");
        d.answer("/tmp/chosen.pdf");
        EXPECT_EQ(rt::clip(d.text(rt::ControlName::parse("7"))), "/tmp/chosen.pdf");
        d.press("OK");
        d.waitWindow("Report Destination");
        d.press("OK");
    });
    EXPECT_FALSE(testsupport::printerState().printToFile);

    askDestination([](rt::Driver& d) {
        openOptions(d);
        d.press("Print To FIle");
        d.type(7, "report.pdf");
        d.press("OK");
        d.waitWindow("Report Destination");
        d.press("OK");
    });
    auto state = testsupport::printerState();
    EXPECT_TRUE(state.printToFile);
    EXPECT_EQ(state.fileName, "report.pdf");

    // The next report with the box clear goes to the device again.
    askDestination([](rt::Driver& d) { d.press("OK"); });
    EXPECT_FALSE(testsupport::printerState().printToFile);
}

// The file printed into is named as the file system names it: a file chosen in the dialog
// keeps its whole name while the entry shows it in the program's characters, and a name
// typed into the entry is taken from them.
TEST_F(DestinationTest, TheFilePrintedIntoKeepsTheFileSystemsName) {
    struct Case {
        const char* chosen;  // in the dialog; none: typed
        const char* entry;   // what the entry shows, or what is typed into it
        const char* file;    // the file printed into
    } cases[] = {
        {"/tmp/jos\xC3\xA9/Montr\xC3\xA9"
         "al.pdf",
         "/tmp/jos\xE9/Montr\xE9"
         "al.pdf",
         "/tmp/jos\xC3\xA9/Montr\xC3\xA9"
         "al.pdf"},
        {"/tmp/\xC5\x82ukasz/caf\xC3\xA9.pdf", "/tmp/?ukasz/caf\xE9.pdf",
         "/tmp/\xC5\x82ukasz/caf\xC3\xA9.pdf"},
        {nullptr, "caf\xE9.pdf", "caf\xC3\xA9.pdf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        askDestination([&](rt::Driver& d) {
            openOptions(d);
            d.press("Print To FIle");
            if (c.chosen) {
                d.press(8);
                d.answer(c.chosen);
                EXPECT_EQ(rt::clip(d.text(rt::ControlName::parse("7"))), c.entry);
            } else {
                d.type(7, c.entry);
            }
            d.press("OK");
            d.waitWindow("Report Destination");
            d.press("OK");
        });
        EXPECT_EQ(testsupport::printerState().fileName, c.file);
    }
}

TEST_F(DestinationTest, APrinterChosenWithSelectIsNamedInBothWindowsAtOnce) {
    std::string title, inOptions, inDestination;
    askDestination([&](rt::Driver& d) {
        openOptions(d);
        d.press("Select");
        auto dialog = d.backend().pendingDialogs().at(0);
        title = dialog->title;
        dialog->printer.device = "Other Printer";
        d.answer("OK");
        inOptions = rt::clip(d.text(rt::ControlName::parse("10")));
        d.press("OK");
        d.waitWindow("Report Destination");
        inDestination = rt::clip(d.text(rt::ControlName::parse("2")));
        d.press("OK");
    });
    EXPECT_EQ(title, "Select A Printer");
    EXPECT_EQ(inOptions, "Other Printer");
    EXPECT_EQ(inDestination, "Other Printer");
    EXPECT_EQ(testsupport::printerState().device, "Other Printer");
}

}  // namespace
