// Random pictures, values and typed input: nothing may crash (this also runs under the
// sanitizers), and what is written keeps to the picture's width.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "runtime/text/number_text.h"
#include "runtime/text/picture.h"

namespace {

class Fuzz {
  public:
    explicit Fuzz(unsigned seed) : rng_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::string anyBytes(int maxLength) {
        std::string s(static_cast<std::size_t>(pick(maxLength + 1)), ' ');
        for (char& c : s)
            c = static_cast<char>(pick(256));
        return s;
    }

    std::string fromAlphabet(const std::string& alphabet, int maxLength) {
        std::string s(static_cast<std::size_t>(pick(maxLength + 1)), ' ');
        for (char& c : s)
            c = alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
        return s;
    }

    // Pictures near the real ones, with random damage now and then.
    std::string picture() {
        std::string p = pick(2) ? "@" : "";
        switch (pick(6)) {
            case 0:
                p += pick(2) ? "s" : "S";
                p += std::to_string(pick(300));
                break;
            case 1:
                p += pick(2) ? "n" : "N";
                p += fromAlphabet("$-_*", 3);
                p += std::to_string(pick(40));
                if (pick(2)) p += "." + std::to_string(pick(12));
                if (pick(3) == 0) p += pick(2) ? "b" : "B";
                break;
            case 2:
                p += pick(2) ? "d" : "D";
                p += std::to_string(pick(6));
                break;
            case 3:
                p += pick(2) ? "P" : "p";
                p += fromAlphabet("#<.-:()/ ", 20);
                p += pick(2) ? "P" : "p";
                if (pick(3) == 0) p += "b";
                break;
            case 4:
                p += fromAlphabet("@sSnNdDpP#<.-$*_0123456789bB", 12);
                break;
            default:
                p += anyBytes(12);
                break;
        }
        return p;
    }

    rt::Value value() {
        switch (pick(4)) {
            case 0:
                return rt::Value(anyBytes(20));
            case 1:
                return rt::Value(fromAlphabet("0123456789.-$, /:", 25));
            case 2:
                return rt::Value(rt::textToNumber(fromAlphabet("0123456789", 40)));
            default: {
                std::string digits = (pick(2) ? "-" : "") + fromAlphabet("0123456789", 20) + "." +
                                     fromAlphabet("0123456789", 12);
                return rt::Value(rt::textToNumber(digits));
            }
        }
    }

    std::string input() {
        return pick(3) == 0 ? anyBytes(30) : fromAlphabet("0123456789.,-$*/: ()abcJanuary", 30);
    }

  private:
    std::mt19937 rng_;
};

TEST(PictureFuzz, RandomPicturesValuesAndInputNeverBreak) {
    Fuzz fuzz(20261210);
    for (int i = 0; i < 4000; ++i) {
        const std::string picture = fuzz.picture();
        const rt::PictureInfo info = rt::describePicture(picture);
        const rt::Value value = fuzz.value();
        const std::string shown = rt::format(value, picture);
        switch (info.kind) {
            case rt::PictureKind::Text:
            case rt::PictureKind::Number:
            case rt::PictureKind::Pattern:
                ASSERT_EQ(static_cast<int>(shown.size()), info.width) << picture;
                break;
            case rt::PictureKind::Date:
                ASSERT_LE(static_cast<int>(shown.size()), info.width) << picture;
                break;
            case rt::PictureKind::Unknown:
                ASSERT_EQ(shown, value.asText()) << picture;
                break;
        }
        const rt::DeformatResult typed = rt::deformat(fuzz.input(), picture);
        if (typed.ok && info.kind == rt::PictureKind::Number) {
            // Whatever an entry accepts, its picture can show.
            ASSERT_EQ(rt::format(typed.value, picture).find('#'), std::string::npos) << picture;
        }
        const rt::DeformatResult back = rt::deformat(shown, picture);
        if (info.kind == rt::PictureKind::Number && value.isNumber() && back.ok &&
            shown.find('#') == std::string::npos && !info.blankWhenZero) {
            ASSERT_EQ(back.value.asNumber(), value.number().rounded(info.places)) << picture;
        }
    }
}

}  // namespace
