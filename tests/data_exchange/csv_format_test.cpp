// The comma-separated writer and reader, as tables of bytes.

#include "data_exchange/csv_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Piece {
    bool quoted;
    std::string text;
};

std::string written(const std::vector<Piece>& values) {
    csv::LineBuilder b;
    b.clear();
    for (const Piece& v : values)
        v.quoted ? b.appendQuoted(v.text) : b.appendBare(v.text);
    return b.line();
}

TEST(CsvWriter, WritesEachValueAsBytes) {
    struct Case {
        std::vector<Piece> values;
        std::string bytes;
    } cases[] = {
        {{{true, "Smith"}, {false, "12.5"}, {true, "12/31/99"}, {true, ""}},
         R"("Smith",12.5,"12/31/99","")"},
        {{{true, "  Main St"}}, R"("  Main St")"},
        {{{true, R"(say "hi")"}, {false, "1"}}, R"("say ""hi""",1)"},
        {{{true, "a,b"}, {true, "x"}}, R"("a,b","x")"},
        {{{true, "line one\r\nline two"}}, "\"line one\r\nline two\""},
        {{{true, "tab\there"}}, "\"tab\there\""},
        // A blank first value keeps its comma: no column shifts.
        {{{false, ""}, {false, "7"}}, ",7"},
        {{{false, ""}, {false, ""}, {true, "z"}}, R"(,,"z")"},
        {{{true, "\""}}, R"("""")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(written(c.values), c.bytes);
}

TEST(CsvWriter, HeaderNamesWithBracketsAreRespelled) {
    EXPECT_EQ(csv::headerName("MAI:FirstName"), "MAI:FirstName");
    EXPECT_EQ(csv::headerName("X[1]"), "X_1 ");
    EXPECT_EQ(csv::headerName("A,B"), "A,B");
    EXPECT_EQ(csv::headerName("A[1,2]"), "A_1_2 ");
}

std::vector<std::string> readValues(const std::string& record, std::string* kinds = nullptr) {
    csv::ValueReader r(record);
    std::vector<std::string> out;
    std::string v;
    for (;;) {
        int kind = r.next(v);
        if (kind == csv::ValueReader::None) break;
        if (kinds) *kinds += kind == csv::ValueReader::Quoted ? 'q' : 'b';
        out.push_back(v);
    }
    return out;
}

TEST(CsvReader, SplitsRecordsIntoValues) {
    struct Case {
        std::string record;
        std::vector<std::string> values;
        std::string kinds;
    } cases[] = {
        {R"("Smith",12.5,"12/31/99","")", {"Smith", "12.5", "12/31/99", ""}, "qbqq"},
        {"a,,b", {"a", "", "b"}, "bbb"},
        {R"("a",)", {"a", ""}, "qb"},
        {",7", {"", "7"}, "bb"},
        {R"("say ""hi""",x)", {R"(say "hi")", "x"}, "qb"},
        {R"("a,b",c)", {"a,b", "c"}, "qb"},
        {"\"two\r\nlines\",2", {"two\r\nlines", "2"}, "qb"},
        {"", {}, ""},
        {"    ", {}, ""},
        {R"("never closed, at all   )", {"never closed, at all"}, "q"},
        {R"("a"b,c)", {"ab", "c"}, "qb"},
        {R"(x"y,z)", {R"(x"y)", "z"}, "bb"},
        {"  lead,trail  ", {"  lead", "trail"}, "bb"},
    };
    for (const Case& c : cases) {
        std::string kinds;
        EXPECT_EQ(readValues(c.record, &kinds), c.values) << c.record;
        EXPECT_EQ(kinds, c.kinds) << c.record;
    }
}

TEST(CsvReader, JoinsLinesWhileAQuotedValueIsOpen) {
    struct Case {
        std::vector<std::string> lines;  // with the line end that followed each
        std::size_t linesTaken;
        std::string record;
    } cases[] = {
        {{"\"one", "two\",3", "next"}, 2, "\"one\r\ntwo\",3"},
        {{"\"a \"\"quoted\"\"", "rest\"", "x"}, 2, "\"a \"\"quoted\"\"\r\nrest\""},
        {{"\"closed\"", "next"}, 1, "\"closed\""},
        {{"plain \"inside\" bare", "next"}, 1, "plain \"inside\" bare"},
        {{"a\tb,\"c\td\"", "x"}, 1, "a\tb,\"c\td\""},
        {{"\"ends with quote\"\"\"", "x"}, 1, "\"ends with quote\"\"\""},
    };
    for (const Case& c : cases) {
        csv::RecordAssembler a;
        a.start(c.lines[0]);
        std::size_t taken = 1;
        while (a.open() && taken < c.lines.size())
            a.add("\r\n", c.lines[taken++]);
        EXPECT_EQ(taken, c.linesTaken) << c.lines[0];
        EXPECT_EQ(a.record(), c.record) << c.lines[0];
    }
}

TEST(CsvReader, ReadsBackWhatTheWriterWrote) {
    const std::vector<std::string> texts = {"",        " ",      "plain",   "a,b",
                                            "\"",      "\"\"",   "x\"y\"z", "line\r\nbreak",
                                            ",\r\n\"", "  lead", "end,"};
    for (const std::string& t : texts) {
        std::string line = written({{true, t}, {false, "5"}, {true, t}});
        csv::RecordAssembler a;
        // Split the written bytes into file lines as the line file would.
        std::vector<std::string> lines;
        std::size_t start = 0, end;
        while ((end = line.find("\r\n", start)) != std::string::npos) {
            lines.push_back(line.substr(start, end - start));
            start = end + 2;
        }
        lines.push_back(line.substr(start));
        a.start(lines[0]);
        for (std::size_t n = 1; n < lines.size(); ++n) {
            ASSERT_TRUE(a.open()) << t;
            a.add("\r\n", lines[n]);
        }
        EXPECT_FALSE(a.open()) << t;
        EXPECT_EQ(readValues(a.record()), (std::vector<std::string>{t, "5", t})) << t;
    }
}

}  // namespace
