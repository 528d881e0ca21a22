#include "runtime/eval/filter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/eval/bind_scope.h"
#include "runtime/text/day_number.h"

namespace {

// Small record buffers, bound the way a procedure binds its files: text fields blank
// padded to their width, numeric fields as numbers.
struct Buffers {
    std::string cheDone = " ";                    // STRING(1)
    std::string cheX2 = "    ";                   // STRING(4), a count held as text
    std::string cheLastName = "Smith          ";  // STRING(15)
    std::string saveLastName = "SMITH          ";
    long maiContDay = 0;                            // LONG day number
    std::string maiAppointmentDate = "          ";  // STRING(10), day number digits
    long maiLevel = 0;                              // SHORT
    std::string maiFromWhat = " ";                  // STRING(1)
    long maiDraftDay = 0;
    std::string ordPrinted = " ";
    std::string ordBalance = "                    ";  // STRING(20), an amount as text
    std::string webGeneral = "                    ";  // STRING(20)
};

class FilterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bindText("CHE:DONE", b.cheDone);
        bindText("CHE:X2", b.cheX2);
        bindText("CHE:LASTNAME", b.cheLastName);
        bindText("Report:Save::CHE:LastName", b.saveLastName);
        bindNumber("MAI:CONTDAY", b.maiContDay);
        bindText("MAI:APPOINTMENTDATE", b.maiAppointmentDate);
        bindNumber("MAI:LEVEL", b.maiLevel);
        bindText("MAI:FROMWHAT", b.maiFromWhat);
        bindNumber("MAI:DRAFTDAY", b.maiDraftDay);
        bindText("ORD:PRINTED", b.ordPrinted);
        bindText("ORD:BALANCE", b.ordBalance);
        bindText("WEB:GENERAL", b.webGeneral);
    }

    void bindText(const char* name, const std::string& field) {
        ASSERT_TRUE(rt::bind(name, [&field] { return rt::Value(field); }));
    }
    void bindNumber(const char* name, const long& field) {
        ASSERT_TRUE(rt::bind(name, [&field] { return rt::Value(field); }));
    }

    static rt::Filter compiled(std::string_view text) {
        auto result = rt::Filter::compile(text);
        EXPECT_TRUE(result.ok()) << text << ": " << result.error.describe();
        return result.ok() ? *result.filter : rt::Filter();
    }

    rt::BindScopeGuard scope;
    Buffers b;
};

struct FilterCase {
    const char* filter;
    std::function<void(Buffers&)> set;
    bool expected;
};

// Pads a text to a field's width, as the record buffer holds it.
std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

TEST_F(FilterTest, FiltersOfTheListsAndReportsSelectTheRightRecords) {
    const long today = rt::today();
    const std::vector<FilterCase> cases = {
        {"(Che:Done <> 'Y')", [](Buffers& r) { r.cheDone = " "; }, true},
        {"(Che:Done <> 'Y')", [](Buffers& r) { r.cheDone = "Y"; }, false},
        {"(Che:Done <> 'Y')", [](Buffers& r) { r.cheDone = "y"; }, true},  // case counts
        {"(che:Done = 'Y')", [](Buffers& r) { r.cheDone = "Y"; }, true},
        {"Che:Done <> 'Y'", [](Buffers& r) { r.cheDone = "N"; }, true},
        // A count held as text compares with 0 as a number; blank text is 0.
        {"Che:x2 <> 0", [](Buffers& r) { r.cheX2 = "   3"; }, true},
        {"Che:x2 <> 0", [](Buffers& r) { r.cheX2 = "    "; }, false},
        {"Che:x2 <> 0", [](Buffers& r) { r.cheX2 = "0   "; }, false},
        {"Che:x2 <> 0", [](Buffers& r) { r.cheX2 = "-1  "; }, true},
        {"(Che:x2 > 0)", [](Buffers& r) { r.cheX2 = "12  "; }, true},
        {"(Che:x2 > 0)", [](Buffers& r) { r.cheX2 = "-1  "; }, false},
        {"(Che:x2 > 0)", [](Buffers& r) { r.cheX2 = "    "; }, false},
        {"(Mai:ContDay > 0)", [](Buffers& r) { r.maiContDay = 80000; }, true},
        {"(Mai:ContDay > 0)", [](Buffers& r) { r.maiContDay = 0; }, false},
        // A number against a blank text: the blank counts as 0.
        {"Mai:ContDay > ' '", [](Buffers& r) { r.maiContDay = 1; }, true},
        {"Mai:ContDay > ' '", [](Buffers& r) { r.maiContDay = 0; }, false},
        {"Mai:ContDay < Today()", [=](Buffers& r) { r.maiContDay = today - 1; }, true},
        {"Mai:ContDay < Today()", [=](Buffers& r) { r.maiContDay = today; }, false},
        {"Mai:ContDay < Today()", [](Buffers& r) { r.maiContDay = 0; }, true},
        // The appointment date is text holding the day number's digits.
        {"MAI:AppointmentDate < Today()",
         [=](Buffers& r) { r.maiAppointmentDate = padded(std::to_string(today - 3), 10); }, true},
        {"MAI:AppointmentDate < Today()",
         [=](Buffers& r) { r.maiAppointmentDate = padded(std::to_string(today + 3), 10); }, false},
        {"MAI:AppointmentDate < Today()", [](Buffers& r) { r.maiAppointmentDate = padded("", 10); },
         true},
        {"(Mai:AppointmentDate > 0)",
         [](Buffers& r) { r.maiAppointmentDate = padded("81234", 10); }, true},
        {"MAI:AppointmentDate > 0", [](Buffers& r) { r.maiAppointmentDate = padded("", 10); },
         false},
        // The numeric level against a blank text: level 0 is not listed.
        {"(MAI:Level <> ' ')", [](Buffers& r) { r.maiLevel = 0; }, false},
        {"(MAI:Level <> ' ')", [](Buffers& r) { r.maiLevel = 2; }, true},
        {"(Mai:FromWhat = 'X')", [](Buffers& r) { r.maiFromWhat = "X"; }, true},
        {"(Mai:FromWhat = 'X')", [](Buffers& r) { r.maiFromWhat = " "; }, false},
        {"Mai:FromWhat = 'X'", [](Buffers& r) { r.maiFromWhat = "x"; }, false},
        {"(Mai:DraftDay > 0)", [](Buffers& r) { r.maiDraftDay = 15; }, true},
        {"(Mai:DraftDay > 0)", [](Buffers& r) { r.maiDraftDay = 0; }, false},
        {"Ord:Printed = ' '", [](Buffers& r) { r.ordPrinted = " "; }, true},
        {"Ord:Printed = ' '", [](Buffers& r) { r.ordPrinted = "Y"; }, false},
        {"(Ord:Printed = ' ')", [](Buffers& r) { r.ordPrinted = " "; }, true},
        {"(Ord:Balance > 0)", [](Buffers& r) { r.ordBalance = padded("125.50", 20); }, true},
        {"(Ord:Balance > 0)", [](Buffers& r) { r.ordBalance = padded("0.00", 20); }, false},
        {"(Ord:Balance > 0)", [](Buffers& r) { r.ordBalance = padded("", 20); }, false},
        {"(Ord:Balance > 0)", [](Buffers& r) { r.ordBalance = padded("  0.01", 20); }, true},
        // Text against text compares blank padded: the 20-character field equals the word.
        {"(Web:General = 'Finance')", [](Buffers& r) { r.webGeneral = padded("Finance", 20); },
         true},
        {"(Web:General = 'Finance')", [](Buffers& r) { r.webGeneral = padded("finance", 20); },
         false},
        {"(Web:General = 'Finance')", [](Buffers& r) { r.webGeneral = padded("Finances", 20); },
         false},
        {"(Web:General = 'General')", [](Buffers& r) { r.webGeneral = padded("General", 20); },
         true},
        // The tagged check reports: same last name in any case, not yet printed.
        {"UPPER(CHE:LastName) = UPPER(Report:Save::CHE:LastName) AND (Che:Done <> 'Y')",
         [](Buffers& r) {
             r.cheLastName = padded("smith", 15);
             r.saveLastName = padded("Smith", 15);
             r.cheDone = " ";
         },
         true},
        {"UPPER(CHE:LastName) = UPPER(Report:Save::CHE:LastName) AND (Che:Done <> 'Y')",
         [](Buffers& r) {
             r.cheLastName = padded("Smith", 15);
             r.saveLastName = padded("Smith", 15);
             r.cheDone = "Y";
         },
         false},
        {"UPPER(CHE:LastName) = UPPER(Report:Save::CHE:LastName) AND (Che:Done <> 'Y')",
         [](Buffers& r) {
             r.cheLastName = padded("Smithers", 15);
             r.saveLastName = padded("Smith", 15);
             r.cheDone = " ";
         },
         false},
    };

    for (const FilterCase& c : cases) {
        Buffers fresh;
        c.set(fresh);
        b = fresh;
        rt::Filter filter = compiled(c.filter);
        EXPECT_EQ(filter.matches(), c.expected) << c.filter;
    }
}

TEST_F(FilterTest, CompiledOnceEvaluatesAgainstCurrentValues) {
    rt::Filter filter = compiled("(Che:Done <> 'Y')");
    std::vector<std::string> done = {" ", "Y", "N", "Y"};
    std::vector<bool> passed;
    for (const std::string& value : done) {
        b.cheDone = value;
        passed.push_back(filter.matches());
    }
    EXPECT_EQ(passed, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(filter.text(), "(Che:Done <> 'Y')");
}

TEST_F(FilterTest, EmptyOrBlankFilterLetsEverythingThrough) {
    for (const char* text : {"", " ", "   \t "}) {
        auto result = rt::Filter::compile(text);
        ASSERT_TRUE(result.ok()) << '"' << text << '"';
        EXPECT_TRUE(result.filter->isEmpty());
        EXPECT_TRUE(result.filter->matches());
    }
    EXPECT_TRUE(rt::Filter().matches());
}

TEST_F(FilterTest, ValuesOfExpressions) {
    struct Case {
        const char* text;
        rt::Value expected;
    };
    b.cheX2 = "  4 ";
    b.cheLastName = padded("o'Brien", 15);
    const std::vector<Case> cases = {
        {"1 + 2 * 3", rt::Value(7)},
        {"(1 + 2) * 3", rt::Value(9)},
        {"10 - 4 - 3", rt::Value(3)},
        {"-Che:x2 + 1", rt::Value(-3)},
        {"Che:X2 * 2.5", rt::Value(rt::Decimal("10"))},
        {"7 / 2", rt::Value(rt::Decimal("3.5"))},
        {"1 / 0", rt::Value(0)},
        {"Today() + 1 - TODAY()", rt::Value(1)},
        {"UPPER(che:lastname)", rt::Value(padded("O'BRIEN", 15))},
        {"UPPER('it''s')", rt::Value("IT'S")},
        {"'a' < 'b'", rt::Value(1)},
        {"'b ' = 'b'", rt::Value(1)},
        {"' ' = ''", rt::Value(1)},
        {"'10' < '9'", rt::Value(1)},  // text with text: by characters
        {"'10' < 9", rt::Value(0)},    // text with number: by value
        {"1.50 = 1.5", rt::Value(1)},
        {"2 >= 2 AND 2 <= 2", rt::Value(1)},
        {"1 = 1 OR 1 / 0", rt::Value(1)},
        {"NOT 1 = 2", rt::Value(1)},     // NOT binds looser than '='
        {"NOT 0 AND 0", rt::Value(0)},   // ... and tighter than AND
        {"0 AND 1 OR 1", rt::Value(1)},  // AND binds tighter than OR
        {"1 OR 1 AND 0", rt::Value(1)},
        {"not (1 = 1) or NoT 0", rt::Value(1)},
        {"'x' AND ' '", rt::Value(0)},  // blank text is false
        {"3 < 2 < 1", rt::Value(1)},    // (3 < 2) yields 0, and 0 < 1
    };
    for (const Case& c : cases) {
        rt::Filter filter = compiled(c.text);
        rt::Value value = filter.evaluate();
        if (c.expected.isNumber()) {
            ASSERT_TRUE(value.isNumber()) << c.text;
            EXPECT_EQ(value.number(), c.expected.number()) << c.text;
        } else {
            EXPECT_EQ(value, c.expected) << c.text;
        }
    }
}

TEST_F(FilterTest, TextThatDoesNotCompileGivesPositionAndMessage) {
    struct Case {
        const char* text;
        std::size_t position;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"Che:Done <> 'Y", 13, "text literal without its closing quote"},
        {"(Che:Done <> 'Y'", 1, "'(' without its ')'"},
        {"Che:Done <> 'Y')", 16, "')' without its '('"},
        {"Che:Dome <> 'Y'", 1, "Che:Dome is not bound"},
        {"Che:Done <>", 12, "a value is expected before the end of the filter"},
        {"Che:Done 'Y'", 10, "an operator or the end is expected before a text literal"},
        {"Che:Done # 'Y'", 10, "unexpected '#'"},
        {"Che:Done = \x01", 12, "unexpected character 0x01"},
        {"LOWER(Che:Done) = 'y'", 1, "unknown function LOWER"},
        {"UPPER() = 'A'", 1, "UPPER takes 1 argument"},
        {"UPPER(Che:Done, 'A') = 'A'", 1, "UPPER takes 1 argument"},
        {"Today(1) > 0", 1, "TODAY takes 0 arguments"},
        {"1, 2", 2, "',' outside a function's arguments"},
        {"AND 1", 1, "a value is expected before AND"},
        {"1 = = 2", 5, "a value is expected before '='"},
        {"()", 2, "a value is expected before ')'"},
        {"123456789012345678901234567890123456789 > 0", 1, "number too long"},
    };
    for (const Case& c : cases) {
        auto result = rt::Filter::compile(c.text);
        ASSERT_FALSE(result.ok()) << c.text;
        EXPECT_EQ(result.error.position, c.position) << c.text;
        EXPECT_EQ(result.error.message, c.message) << c.text;
    }
    EXPECT_EQ(rt::Filter::compile("Che:Dome <> 'Y'").error.describe(),
              "position 1: Che:Dome is not bound");
}

TEST_F(FilterTest, FilterKeepsTheGettersItWasCompiledWith) {
    rt::Filter filter = compiled("Che:Done = 'Y'");
    b.cheDone = "Y";
    {
        rt::BindScopeGuard callee;  // a called procedure binds its own names
        rt::bind("CHE:DONE", [] { return rt::Value("N"); });
        EXPECT_TRUE(filter.matches());
    }
    rt::unbind("CHE:DONE");
    EXPECT_TRUE(filter.matches());
    EXPECT_FALSE(rt::Filter::compile("Che:Done = 'Y'").ok());
}

TEST_F(FilterTest, GetterMayEvaluateAnotherFilter) {
    rt::Filter inner = compiled("Che:x2 * 2");
    ASSERT_TRUE(rt::bind("LOC:Doubled", [&inner] { return inner.evaluate(); }));
    rt::Filter outer = compiled("1 + LOC:Doubled + 10 * (LOC:Doubled - 1)");
    b.cheX2 = "3   ";
    EXPECT_EQ(outer.evaluate().number(), rt::Decimal(57));
    b.cheX2 = "    ";
    EXPECT_EQ(outer.evaluate().number(), rt::Decimal(-9));
}

}  // namespace
