// The preview over pages in a real spool: marks and print ranges, the page grid, page numbering,
// deleting pages, and the plain preview.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/report_preview.h"
#include "frame/report_preview_window.h"
#include "runtime/print/printer.h"
#include "tests/frame/report_test_pages.h"

namespace {

namespace F = windows::report_preview::PreviewControl;
namespace B = windows::report_preview::BasicPreviewControl;
namespace R = windows::report_preview::RangeControl;
using testing::Contains;
using testing::ElementsAre;

class PreviewTest : public testing::Test {
  protected:
    void runPreview(int count, bool placeholder, const std::function<void(rt::Driver&)>& drive,
                    bool basic = false) {
        // Each run writes its pages into a spool of its own.
        std::string error;
        ASSERT_TRUE(spool.create(error)) << error;
        pages.names.clear();
        testsupport::writeTestPages(spool, count, pages, placeholder);
        ASSERT_EQ(pages.names.size(), static_cast<std::size_t>(count));
        files = pages.names;
        rt::Driver d;
        d.start([&] {
            if (basic) {
                PreviewReportBasic(pages);
            } else {
                answer = PreviewReport(pages, "", false);
            }
            response = GLO::Response;
        });
        d.waitWindow("Report Preview");
        drive(d);
        d.finish();
    }

    // The page numbers still listed in the queue.
    std::vector<int> listedPages() const {
        std::vector<int> out;
        for (const std::string& name : pages.names)
            for (std::size_t i = 0; i < files.size(); ++i)
                if (files[i] == name) out.push_back(static_cast<int>(i) + 1);
        return out;
    }
    // The page numbers that print when the report closes: what is still listed, read back
    // from the spool in queue order.
    std::vector<int> printedPages() const {
        testsupport::resetRecordingPrinter();
        std::string error;
        EXPECT_TRUE(rt::printer().printPages(pages.names, error)) << error;
        std::vector<int> out;
        for (const std::vector<std::string>& texts : testsupport::printedPages())
            out.push_back(texts.empty() ? 0 : std::stoi(texts.front().substr(5)));
        rt::printer().reset();
        return out;
    }

    rt::PageSpool spool;
    rt::PageList pages;
    std::vector<std::string> files;
    int answer = 0;
    long response = 0;
};

// Marks pages 2 and 4 of five in the one-page view.
void markPagesTwoAndFour(rt::Driver& d) {
    d.press(F::Next);
    d.press(F::Mark);
    EXPECT_EQ(d.active()->status(4), "Marked");
    d.press(F::Next);
    d.press(F::Next);
    d.press(F::Mark);
}

TEST_F(PreviewTest, PrintRangesKeepOnlyThePagesToPrintAndTheyPrintInOrder) {
    struct Case {
        const char* range;
        std::function<void(rt::Driver&)> options;
        std::vector<int> printed;
    };
    const Case cases[] = {
        {"Marked Pages Only", [](rt::Driver& d) { d.press("Marked Pages Only"); }, {2, 4}},
        {"Unmarked Pages Only", [](rt::Driver& d) { d.press("Unmarked Pages Only"); }, {1, 3, 5}},
        {"Range of Pages 2 to 3",
         [](rt::Driver& d) {
             d.press("Range of Pages");
             d.type(R::From, "2");
             d.type(R::To, "3");
         },
         {2, 3}},
        {"Range of Pages 4 to 2",
         [](rt::Driver& d) {
             d.press("Range of Pages");
             d.type(R::From, "4");
             d.type(R::To, "2");
         },
         {}},
        {"All Pages", [](rt::Driver&) {}, {1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        runPreview(5, false, [&](rt::Driver& d) {
            markPagesTwoAndFour(d);
            d.press(F::Print);
            d.waitWindow("Print Options");
            c.options(d);
            d.press("OK");
        });
        EXPECT_EQ(answer, RESP::Completed);
        EXPECT_EQ(response, RESP::Completed);
        EXPECT_EQ(listedPages(), c.printed);
        EXPECT_EQ(printedPages(), c.printed);
    }
}

// A page number typed past the last page is pulled back to it, and the user is told what
// prints then.
TEST_F(PreviewTest, ARangePastTheLastPageSaysWhatPrints) {
    struct Case {
        const char* from;
        const char* to;
        std::string told;  // empty: no message
        std::vector<int> printed;
    };
    const Case cases[] = {
        {"2", "9", "The report has 3 pages: pages 2 to 3 are printed.", {2, 3}},
        {"5", "9", "The report has 3 pages: page 3 is printed.", {3}},
        {"1", "2", "", {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " to " + c.to);
        std::vector<std::string> told;
        runPreview(3, false, [&](rt::Driver& d) {
            d.press(F::Print);
            d.waitWindow("Print Options");
            d.press("Range of Pages");
            d.type(R::From, c.from);
            d.type(R::To, c.to);
            d.press("OK");
            for (const auto& dialog : d.backend().pendingDialogs()) {
                told.push_back(dialog->text);
                d.answer("OK");
            }
        });
        EXPECT_EQ(told,
                  c.told.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.told});
        EXPECT_EQ(printedPages(), c.printed);
    }
}

TEST_F(PreviewTest, OptionsCancelledAndExitLeaveEveryPageListed) {
    runPreview(3, false, [](rt::Driver& d) {
        d.press(F::Print);
        d.waitWindow("Print Options");
        // No page is marked: the mark ranges stay disabled; From and To follow the range.
        EXPECT_FALSE(d.active()->isEnabled(R::MarkedOnly));
        EXPECT_FALSE(d.active()->isEnabled(R::From));
        d.press("Range of Pages");
        EXPECT_TRUE(d.active()->isEnabled(R::From));
        d.press("Cancel");
        d.waitWindow("Report Preview");
        d.press(F::Exit);
    });
    EXPECT_EQ(answer, RESP::Cancelled);
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(listedPages(), (std::vector<int>{1, 2, 3}));
}

TEST_F(PreviewTest, GridOfThreeByTwoPagesThroughTenPages) {
    std::string first, second, last;
    bool nextEnabled = true;
    std::size_t shownOnSecond = 0;
    runPreview(10, false, [&](rt::Driver& d) {
        d.type(F::Across, "3");
        d.type(F::Down, "2");
        first = d.active()->status(5);
        d.press(F::Next);
        second = d.active()->status(5);
        nextEnabled = d.active()->isEnabled(F::Next);
        for (int n : d.active()->controlNumbers())
            if (d.active()->kind(n) == rt::ControlKind::Image && d.active()->isVisible(n))
                ++shownOnSecond;
        d.press(F::Mark);  // nothing in a grid of several pages
        EXPECT_EQ(d.active()->status(4), "");
        d.press(F::Last);
        last = d.active()->status(5);
        d.type(F::Across, "15");  // pulled to 10
        EXPECT_EQ(rt::clip(d.text(rt::ControlName::parse("14"))), "10");
        d.press(F::Exit);
    });
    EXPECT_EQ(first, "Pages 1-6 of 10");
    EXPECT_EQ(second, "Pages 7-10 of 10");
    EXPECT_FALSE(nextEnabled);
    EXPECT_EQ(shownOnSecond, 4u);
    EXPECT_EQ(last, "Page 10 of 10");
}

TEST_F(PreviewTest, PageNumbersReplaceTheFirstPlaceholderOfEveryPage) {
    runPreview(12, true, [](rt::Driver& d) { d.press(F::Exit); });
    EXPECT_THAT(testsupport::pageTexts(files[2]),
                ElementsAre("PAGE 3", "   Page 3 of 12    ", "Page xxxxx of xxxxx"));
    EXPECT_THAT(testsupport::pageTexts(files[11]), Contains("   Page 12 of 12   "));
    EXPECT_EQ(listedPages().size(), 12u);
}

// The plain preview fills in the footer's page numbers too, so they never print as "xxxxx".
TEST_F(PreviewTest, ThePlainPreviewNumbersThePagesToo) {
    runPreview(
        3, true, [](rt::Driver& d) { d.press(B::Print); }, /*basic=*/true);
    EXPECT_THAT(testsupport::pageTexts(files[0]), Contains("    Page 1 of 3    "));
    EXPECT_THAT(testsupport::pageTexts(files[2]),
                ElementsAre("PAGE 3", "    Page 3 of 3    ", "Page xxxxx of xxxxx"));
}

TEST_F(PreviewTest, ADeletedMarkedPageIsNeverPrintedAndLeavesNoMark) {
    bool markedRangeEnabled = true;
    runPreview(4, false, [&](rt::Driver& d) {
        d.press(F::Next);
        d.press(F::Mark);
        d.press(F::Delete);
        EXPECT_EQ(d.active()->status(5), "Page 1 of 3");
        d.press(F::Print);
        d.waitWindow("Print Options");
        markedRangeEnabled = d.active()->isEnabled(R::MarkedOnly);
        d.press("Range of Pages");
        d.type(R::From, "2");
        d.type(R::To, "3");
        d.press("OK");
    });
    EXPECT_FALSE(markedRangeEnabled);
    // Page 2 was deleted; the range counts the pages as they stand after it.
    EXPECT_EQ(listedPages(), (std::vector<int>{3, 4}));
    EXPECT_EQ(printedPages(), (std::vector<int>{3, 4}));
}

TEST_F(PreviewTest, ZoomedPagesStepOneAtATime) {
    std::string zone2, zone5;
    bool previousEnabled = true;
    std::string menu;
    runPreview(3, false, [&](rt::Driver& d) {
        d.press(F::Zoom);
        menu = d.backend().pendingDialogs().front()->menu;
        d.answer("Page Width");
        zone2 = d.active()->status(2);
        previousEnabled = d.active()->isEnabled(F::Previous);
        d.press(F::Last);
        zone5 = d.active()->status(5);
        EXPECT_FALSE(d.active()->isEnabled(F::Next));
        d.press(F::Exit);
    });
    EXPECT_EQ(menu, "+No Zoom|-|-Page Width|-50%%|-75%%|-100%%|-200%%|-300%%");
    EXPECT_EQ(zone2, "Page Width");
    EXPECT_FALSE(previousEnabled);
    EXPECT_EQ(zone5, "Page 3 of 3");
}

TEST_F(PreviewTest, JumpToAPageAndClickASlotToZoomOnIt) {
    std::string afterJump, afterClick;
    runPreview(10, false, [&](rt::Driver& d) {
        d.type(F::Across, "3");
        d.press(F::Jump);
        d.waitWindow("Jump to a Report Page");
        d.type(windows::report_preview::JumpControl::Page, "7");
        d.press("OK");
        d.waitWindow("Report Preview");
        afterJump = d.active()->status(5);
        // The third slot of the grid that starts at page 7.
        std::vector<int> regions;
        for (int n : d.active()->controlNumbers())
            if (d.active()->kind(n) == rt::ControlKind::Region) regions.push_back(n);
        ASSERT_GE(regions.size(), 3u);
        d.press(regions[2]);
        afterClick = d.active()->status(5) + " / " + d.active()->status(2);
        d.press(F::Exit);
    });
    EXPECT_EQ(afterJump, "Pages 7-9 of 10");
    EXPECT_EQ(afterClick, "Page 9 of 10 / Page Width");
}

TEST_F(PreviewTest, PlainPreviewPrintsAllOrNothing) {
    runPreview(
        1, false,
        [](rt::Driver& d) {
            EXPECT_FALSE(d.active()->isEnabled(B::Page));
            d.press(B::Print);
        },
        /*basic=*/true);
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_EQ(listedPages(), (std::vector<int>{1}));
}

TEST_F(PreviewTest, PlainPreviewExitPrintsNothing) {
    std::string zone2;
    runPreview(
        3, false,
        [&](rt::Driver& d) {
            d.press("&Next Page(s)");
            zone2 = d.active()->status(2);
            d.press(B::Exit);
        },
        /*basic=*/true);
    EXPECT_EQ(zone2, "Page 2 of 3");
    EXPECT_EQ(response, RESP::Cancelled);
}

}  // namespace
