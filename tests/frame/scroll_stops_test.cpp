// Scroll stops: 100 values spread between a low and a high key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/scroll_stops.h"

namespace {

std::vector<std::string> textStops(std::string_view low, std::string_view high, long length,
                                   long classes = SCROLLSTOP::Letters, long lettersOnly = 0) {
    InitStringScrollStops(low, high, length, classes, lettersOnly);
    std::vector<std::string> stops;
    for (int i = 0; i < 100; ++i)
        stops.push_back(NextStringScrollStop());
    return stops;
}

std::vector<double> realStops(double low, double high) {
    InitRealScrollStops(low, high);
    std::vector<double> stops;
    for (int i = 0; i < 100; ++i)
        stops.push_back(NextRealScrollStop());
    return stops;
}

TEST(ScrollStops, BakerToZimmerInBase27) {
    std::vector<std::string> stops = textStops("BAKER          ", "ZIMMER         ", 15);
    EXPECT_EQ(stops[0], "BAKE");
    // 40 397 + 4 831 = 45 228 = digits 2, 8, 1, 3.
    EXPECT_EQ(stops[1], "BHAC");
    // 40 397 + 49 × 4 831 = 277 116 = digits 14, 2, 3, 15.
    EXPECT_EQ(stops[49], "NBCO");
    EXPECT_EQ(stops[99], "ZIMM");
    for (std::size_t i = 1; i < stops.size(); ++i)
        EXPECT_LT(stops[i - 1], stops[i]) << "stop " << i + 1;
}

TEST(ScrollStops, TextCases) {
    struct Case {
        const char* what;
        std::string low, high;
        long length;
        long classes;
        long lettersOnly;
        std::string first, second, fiftieth, last;
    };
    const long letters = SCROLLSTOP::Letters, digits = SCROLLSTOP::Digits;
    const Case cases[] = {
        // An empty file: both keys blank; the high key is filled with the last letter.
        {"empty file", "", "", 15, letters, 0, "    ", "AGIV", "MIUY", "ZZZZ"},
        // One record, or all keys equal: every stop starts with the key itself.
        {"all equal", "SMITH", "SMITH", 15, letters, 0, "SMITH    ", "SMITHAGIV", "SMITHMIUY",
         "SMITHZZZZ"},
        // A key that fills its field is not extended: the step is 0.
        {"full length", "ABCD", "ABCD", 4, letters, 0, "ABCD    ", "ABCDAAAA", "ABCDAAAA",
         "ABCD    "},
        {"common prefix", "SMITH, ANN", "SMITH, ZOE", 10, letters, 0, "SMITH, ANN ", "SMITH, AUIG",
         "SMITH, MXXS", "SMITH, ZOE "},
        // Lower case is folded into the upper-case alphabet.
        {"lower case", "baker", "zimmer", 15, letters, 0, "BAKE", "BHAC", "NBCO", "ZIMM"},
        // A blank inside a tail counts one above the last letter.
        {"inner blank", "DE LA", "ZZ", 6, letters, 0, "DE L", "DLFD", "OMIY", "ZZZZ"},
        {"digits", "100", "999", 5, digits, 0, "100 ", "1108", "5420", "9999"},
        {"letters and digits", "A1", "Z9", 4, letters | digits, 0, "A1  ", "AAF1", "MJ8N", "Z9ZZ"},
        // The flag drops the digits from the alphabet.
        {"letters only", "A1", "Z9", 4, letters | digits, 1, "A1  ", "AFVI", "MJNI", "Z9ZZ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> stops =
            textStops(c.low, c.high, c.length, c.classes, c.lettersOnly);
        EXPECT_EQ(stops[0], c.first);
        EXPECT_EQ(stops[1], c.second);
        EXPECT_EQ(stops[49], c.fiftieth);
        EXPECT_EQ(stops[99], c.last);
        std::string prefix = c.first.substr(0, c.first.size() - 4);
        for (const std::string& s : stops)
            EXPECT_EQ(s.substr(0, prefix.size()), prefix);
    }
}

TEST(ScrollStops, RealSeries) {
    std::vector<double> up = realStops(0, 99);
    for (int i = 0; i < 100; ++i)
        EXPECT_DOUBLE_EQ(up[i], i);

    std::vector<double> equal = realStops(42.5, 42.5);
    for (double v : equal)
        EXPECT_DOUBLE_EQ(v, 42.5);

    // A descending key: the step is negative and the stops fall.
    std::vector<double> down = realStops(1000, 10);
    EXPECT_DOUBLE_EQ(down[0], 1000);
    EXPECT_DOUBLE_EQ(down[99], 10);
    EXPECT_DOUBLE_EQ(GLO::ScrollStopStep, -10);
    for (int i = 1; i < 100; ++i)
        EXPECT_LT(down[i], down[i - 1]);

    // Stop 100 is exactly the high value, whatever the rounding of the step.
    std::vector<double> odd = realStops(0.1, 0.7);
    EXPECT_EQ(odd[99], 0.7);
}

}  // namespace
