// The page spool: pages appended to one file and read back by name, in-place changes within
// one page, damaged spools and spools that cannot be written.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "runtime/print/page_spool.h"
#include "tests/runtime/print/sample_page.h"
#include "tests/support/temp_dir.h"

namespace {

rt::Page titledPage(const std::string& title) {
    rt::Page page;
    rt::PageText text;
    text.x = 500, text.y = 500;
    text.text = title;
    page.items.emplace_back(text);
    return page;
}

std::string firstText(const rt::Page& page) {
    return page.items.empty() ? "" : std::get<rt::PageText>(page.items.front()).text;
}

// Overwrites bytes of a file in place.
void overwrite(const std::filesystem::path& file, std::uint64_t at, const std::string& bytes) {
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(at));
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(PageSpool, PagesReadBackByNameInOrderFromOneFile) {
    rt::PageSpool spool;
    std::string error;
    ASSERT_TRUE(spool.create(error)) << error;
    const std::filesystem::path file = spool.path();
    ASSERT_TRUE(std::filesystem::is_regular_file(file));
    std::vector<rt::Page> written = {titledPage("first"), fixtures::samplePage(),
                                     titledPage("third")};
    for (const rt::Page& page : written)
        ASSERT_TRUE(spool.append(page, error)) << error;
    ASSERT_EQ(spool.pageCount(), 3u);

    rt::PageReader reader;
    for (std::size_t n = 0; n < written.size(); ++n) {
        const std::string name = spool.pageName(n);
        EXPECT_LE(name.size(), 80u) << "a preview queue entry holds 80 characters";
        const std::optional<rt::SpooledPage> place = rt::parsePageName(name);
        ASSERT_TRUE(place);
        EXPECT_EQ(place->spool, file);
        const rt::PageReadResult read = reader.read(name);
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(read.page, written[n]);
    }
    // Out of order, and through a reader of its own, as the preview's page images do.
    const rt::PageReadResult again = rt::readPage(spool.pageName(0));
    ASSERT_TRUE(again.ok()) << again.error;
    EXPECT_EQ(firstText(again.page), "first");

    spool.remove();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(spool.pageCount(), 0u);
}

TEST(PageSpool, GoesAwayWithItsOwner) {
    std::filesystem::path file;
    {
        rt::PageSpool spool;
        std::string error;
        ASSERT_TRUE(spool.create(error)) << error;
        ASSERT_TRUE(spool.append(titledPage("one"), error)) << error;
        file = spool.path();
        ASSERT_TRUE(std::filesystem::exists(file));
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(PageSpool, ALongTemporaryFolderGivesWayToTmpSoNamesFitTheirEntries) {
    testsupport::TempDir dir;
    const std::filesystem::path deep = dir / std::string(60, 'd');
    std::filesystem::create_directories(deep);
    const char* before = std::getenv("TMPDIR");
    const std::string saved = before ? before : "";
    setenv("TMPDIR", deep.c_str(), 1);
    rt::PageSpool spool;
    std::string error;
    const bool created = spool.create(error);
    before ? setenv("TMPDIR", saved.c_str(), 1) : unsetenv("TMPDIR");
    ASSERT_TRUE(created) << error;
    EXPECT_EQ(spool.path().parent_path(), "/tmp");
    ASSERT_TRUE(spool.append(titledPage("one"), error)) << error;
    EXPECT_LE(spool.pageName(0).size(), 80u);
}

TEST(PageSpool, PageNamesParseOnlyWhenWhole) {
    const std::optional<rt::SpooledPage> hashInPath = rt::parsePageName("/tmp/a#b/spool#8:120");
    ASSERT_TRUE(hashInPath);
    EXPECT_EQ(hashInPath->spool, "/tmp/a#b/spool");
    EXPECT_EQ(hashInPath->offset, 8u);
    EXPECT_EQ(hashInPath->length, 120u);
    EXPECT_EQ(rt::pageName(*hashInPath), "/tmp/a#b/spool#8:120");

    for (const char* foreign : {"", "/tmp/page00001.tvp", "/tmp/spool#", "/tmp/spool#12",
                                "/tmp/spool#a:3", "#8:120", "/tmp/spool#8:120x", "/tmp/spool#-8:1",
                                "/tmp/spool#8:", "/tmp/spool#99999999999999999999999:1"}) {
        SCOPED_TRACE(foreign);
        EXPECT_FALSE(rt::parsePageName(foreign));
        const rt::PageReadResult read = rt::readPage(foreign);
        EXPECT_FALSE(read.ok());
        EXPECT_NE(read.error.find("not the name of a report page"), std::string::npos)
            << read.error;
    }
}

TEST(PageSpool, DamagedOrCutOffSpoolsGiveClearErrors) {
    struct Case {
        const char* damage;
        std::function<std::string(const rt::PageSpool&)> apply;  // answers the name to read
        const char* expected;
    };
    const Case cases[] = {
        {"spool cut off inside its second page",
         [](const rt::PageSpool& s) {
             const auto place = *rt::parsePageName(s.pageName(1));
             std::filesystem::resize_file(s.path(), place.offset + place.length / 2);
             return s.pageName(1);
         },
         "end before page"},
        {"offset past the end",
         [](const rt::PageSpool& s) {
             auto place = *rt::parsePageName(s.pageName(1));
             place.offset += 1'000'000;
             return rt::pageName(place);
         },
         "end before page"},
        {"length past the end",
         [](const rt::PageSpool& s) {
             auto place = *rt::parsePageName(s.pageName(0));
             place.length = ~std::uint64_t{0};
             return rt::pageName(place);
         },
         "end before page"},
        {"inside the spool's own header",
         [](const rt::PageSpool& s) {
             auto place = *rt::parsePageName(s.pageName(0));
             place.offset = 0;
             return rt::pageName(place);
         },
         "end before page"},
        {"spool's header overwritten",
         [](const rt::PageSpool& s) {
             overwrite(s.path(), 0, "GARBAGE!");
             return s.pageName(0);
         },
         "holds no report pages"},
        {"page's own header overwritten",
         [](const rt::PageSpool& s) {
             overwrite(s.path(), rt::parsePageName(s.pageName(1))->offset, "XXXX");
             return s.pageName(1);
         },
         "not a report page"},
        {"name off by one byte",
         [](const rt::PageSpool& s) {
             auto place = *rt::parsePageName(s.pageName(1));
             place.offset += 1;
             place.length -= 1;
             return rt::pageName(place);
         },
         "not a report page"},
        {"spool removed",
         [](const rt::PageSpool& s) {
             std::filesystem::remove(s.path());
             return s.pageName(0);
         },
         "cannot open the report's pages"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        rt::PageSpool spool;
        std::string error;
        ASSERT_TRUE(spool.create(error)) << error;
        ASSERT_TRUE(spool.append(titledPage("one"), error));
        ASSERT_TRUE(spool.append(fixtures::samplePage(), error));
        const std::string name = c.apply(spool);
        const rt::PageReadResult read = rt::readPage(name);
        EXPECT_FALSE(read.ok());
        EXPECT_TRUE(read.page.items.empty());
        EXPECT_NE(read.error.find(c.expected), std::string::npos) << read.error;
        EXPECT_NE(rt::replaceTextInPage(name, "Page xxxxx of xxxxx", "    Page 1 of 2    "),
                  rt::ReplaceResult::Replaced);
    }
}

TEST(PageSpool, ReplacesTheFirstOccurrenceWithinTheNamedPageOnly) {
    rt::PageSpool spool;
    std::string error;
    ASSERT_TRUE(spool.create(error)) << error;
    rt::Page second = fixtures::samplePage();
    rt::PageText placeholder;
    placeholder.text = "Page xxxxx of xxxxx";
    second.items.emplace_back(placeholder);
    ASSERT_TRUE(spool.append(fixtures::samplePage(), error));
    ASSERT_TRUE(spool.append(second, error));
    ASSERT_TRUE(spool.append(titledPage("ONLY ON THE THIRD"), error));
    const auto sizeBefore = std::filesystem::file_size(spool.path());

    EXPECT_EQ(
        rt::replaceTextInPage(spool.pageName(1), "Page xxxxx of xxxxx", "    Page 2 of 3    "),
        rt::ReplaceResult::Replaced);
    EXPECT_EQ(std::filesystem::file_size(spool.path()), sizeBefore);
    const rt::PageReadResult first = rt::readPage(spool.pageName(0));
    const rt::PageReadResult changed = rt::readPage(spool.pageName(1));
    ASSERT_TRUE(first.ok()) << first.error;
    ASSERT_TRUE(changed.ok()) << changed.error;
    EXPECT_EQ(first.page, fixtures::samplePage()) << "the page before keeps its placeholder";
    EXPECT_EQ(std::get<rt::PageText>(changed.page.items[0]).text, "Caf\xE9     Page 2 of 3    ");
    EXPECT_EQ(std::get<rt::PageText>(changed.page.items.back()).text, "Page xxxxx of xxxxx");

    // A text standing only in another page is not found in this one.
    EXPECT_EQ(rt::replaceTextInPage(spool.pageName(1), "ONLY ON THE THIRD", "only on the third"),
              rt::ReplaceResult::NotFound);
    EXPECT_EQ(firstText(rt::readPage(spool.pageName(2)).page), "ONLY ON THE THIRD");
    EXPECT_EQ(rt::replaceTextInPage(spool.pageName(1), "Page", "Pages"), rt::ReplaceResult::Failed);
    EXPECT_EQ(rt::replaceTextInPage("/tmp/page00001.tvp", "Page", "Side"),
              rt::ReplaceResult::Failed);
    const std::string name = spool.pageName(1);
    spool.remove();
    EXPECT_EQ(rt::replaceTextInPage(name, "Page", "Side"), rt::ReplaceResult::Failed);
}

TEST(PageSpool, ASpoolRemovedWhileWritingRefusesThePage) {
    rt::PageSpool spool;
    std::string error;
    ASSERT_TRUE(spool.create(error)) << error;
    ASSERT_TRUE(spool.append(titledPage("one"), error)) << error;
    std::filesystem::remove(spool.path());
    EXPECT_FALSE(spool.append(titledPage("two"), error));
    EXPECT_NE(error.find("was removed"), std::string::npos) << error;
    EXPECT_EQ(spool.pageCount(), 1u);
}

// A full disk: the file may not grow past the limit set for this process.
TEST(PageSpool, AFullDiskRefusesThePageAndTheNextOneTakesItsPlace) {
    rt::PageSpool spool;
    std::string error;
    ASSERT_TRUE(spool.create(error)) << error;
    ASSERT_TRUE(spool.append(titledPage("one"), error)) << error;
    const auto size = std::filesystem::file_size(spool.path());

    rlimit before;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit limited = before;
    limited.rlim_cur = size + 10;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool appended = spool.append(fixtures::samplePage(), error);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(appended);
    EXPECT_NE(error.find("cannot write the report's pages"), std::string::npos) << error;
    EXPECT_EQ(spool.pageCount(), 1u);
    ASSERT_TRUE(spool.append(titledPage("two"), error)) << error;
    ASSERT_EQ(spool.pageCount(), 2u);
    EXPECT_EQ(rt::parsePageName(spool.pageName(1))->offset, size);
    EXPECT_EQ(firstText(rt::readPage(spool.pageName(1)).page), "two");
}

}  // namespace
