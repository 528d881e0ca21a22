// The genealogy's rules as a table of small MAIL files: the level walk raises the counts of
// the sponsors above a distributor, the up-line search marks them, and both stop at the first
// sponsor that cannot be found, writing nothing after it.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "drivers/driver.h"
#include "frame/use_counts.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"
#include "tests/genealogy/genealogy_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using genealogytest::makeMembers;
using genealogytest::Member;
using genealogytest::storedMembers;
using Counts = std::array<int, 10>;

struct Case {
    const char* title;
    std::vector<Member> members;
    std::string from;  // the distributor posted or searched from
    int posts;
    std::map<std::string, Counts> counts;  // members not named keep all counts 0
    std::set<std::string> marks;
};

// Levels given as {level, count} pairs.
Counts at(std::initializer_list<std::pair<int, int>> levels) {
    Counts c{};
    for (const auto& [level, count] : levels)
        c[level - 1] = count;
    return c;
}

// A chain "U1" <- "U2" <- ... <- "Un" above D: D's sponsor is U1; Un has no sponsor.
std::vector<Member> chain(int above) {
    std::vector<Member> m{{"D", "D", "U1"}};
    for (int k = 1; k <= above; ++k)
        m.push_back({"U" + std::to_string(k), "U" + std::to_string(k),
                     k == above ? "" : "U" + std::to_string(k + 1)});
    return m;
}

std::vector<Case> cases() {
    std::vector<Case> all;
    all.push_back({"a chain of three whose fourth sponsor is missing",
                   {{"D", "D", "S1"}, {"S1", "S1", "S2"}, {"S2", "S2", "S3"}, {"S3", "S3", "S4"}},
                   "D",
                   1,
                   {{"S1", at({{1, 1}})}, {"S2", at({{2, 1}})}, {"S3", at({{3, 1}})}},
                   {"S1", "S2", "S3"}});
    all.push_back({"a blank sponsor ID names no one, not even a blank ID",
                   {{"D", "D", ""}, {"Blank", "", ""}},
                   "D",
                   1,
                   {},
                   {}});
    all.push_back({"a distributor sponsoring itself",
                   {{"D", "D", "D"}},
                   "D",
                   1,
                   {{"D", Counts{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}}},
                   {"D"}});
    all.push_back(
        {"two sponsoring each other",
         {{"A", "A", "B"}, {"B", "B", "A"}},
         "A",
         1,
         {{"B", Counts{1, 0, 1, 0, 1, 0, 1, 0, 1, 0}}, {"A", Counts{0, 1, 0, 1, 0, 1, 0, 1, 0, 1}}},
         {"A", "B"}});
    all.push_back({"duplicate IDs: the first in ID order is the sponsor",
                   {{"D", "D", "S"}, {"First", "S", ""}, {"Second", "S", ""}},
                   "D",
                   1,
                   {{"First", at({{1, 1}})}},
                   {"First"}});
    all.push_back({"an ID differing only in case",
                   {{"D", "D", "abc"}, {"S", "ABC", ""}},
                   "D",
                   1,
                   {{"S", at({{1, 1}})}},
                   {"S"}});
    all.push_back({"an ID of 15 characters is found whole, not by its first 12",
                   {{"D", "D", "ABCDEFGHIJKLMNO"},
                    {"Twelve", "ABCDEFGHIJKL", ""},
                    {"Fifteen", "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLM"},
                    {"Thirteen", "ABCDEFGHIJKLM", ""}},
                   "D",
                   1,
                   {{"Fifteen", at({{1, 1}})}, {"Thirteen", at({{2, 1}})}},
                   {"Fifteen", "Thirteen"}});
    all.push_back({"posting twice counts twice",
                   {{"D", "D", "S1"}, {"S1", "S1", "S2"}, {"S2", "S2", ""}},
                   "D",
                   2,
                   {{"S1", at({{1, 2}})}, {"S2", at({{2, 2}})}},
                   {"S1", "S2"}});
    Case longChain{"an up-line longer than twelve levels", chain(14), "D", 1, {}, {}};
    for (int k = 1; k <= 10; ++k)
        longChain.counts["U" + std::to_string(k)] = at({{k, 1}});
    for (int k = 1; k <= 12; ++k)
        longChain.marks.insert("U" + std::to_string(k));
    all.push_back(longChain);
    return all;
}

// Runs `walk` `times` from the member named `from`, on a thread of the program.
void walkFrom(const std::vector<Member>& members, const std::vector<std::int64_t>& pointers,
              const std::string& from, int times, void (*walk)()) {
    std::int64_t start = 0;
    for (std::size_t i = 0; i < members.size(); ++i)
        if (members[i].name == from) start = pointers[i];
    rt::Driver driver;
    driver.start([&] {
        UseFile(MAIL);
        for (int i = 0; i < times; ++i) {
            MAIL.getPointer(start);
            walk();
        }
        ReleaseFile(MAIL);
    });
    ASSERT_TRUE(driver.finish());
}

TEST(GenealogyRules, TheLevelWalkAndTheUplineSearchFollowTheSponsorRelation) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.title);
        for (const bool search : {false, true}) {
            testsupport::TempDir dir{/*enter=*/true};
            const auto pointers = makeMembers(c.members);
            walkFrom(c.members, pointers, c.from, search ? 1 : c.posts,
                     search ? &UplineSearch : &LevelWalk);
            const auto stored = storedMembers();
            ASSERT_EQ(stored.size(), c.members.size());
            for (std::size_t i = 0; i < stored.size(); ++i) {
                const Member& m = c.members[i];
                SCOPED_TRACE(m.name + (search ? " after the search" : " after the walk"));
                // No record ever gets another's identification number or sponsor.
                EXPECT_EQ(stored[i].id, m.id);
                EXPECT_EQ(stored[i].sponsorId, m.sponsorId);
                Counts expected{};
                if (!search && c.counts.count(m.name)) expected = c.counts.at(m.name);
                for (int k = 0; k < 10; ++k)
                    EXPECT_EQ(stored[i].counts[k], expected[k]) << "level " << k + 1;
                const bool marked = search && c.marks.count(m.name);
                EXPECT_EQ(stored[i].mark, marked ? "X" : "");
            }
        }
    }
}

TEST(GenealogyRules, ACountStopsAtItsLargestValueAndTheWalkSaysSoOnce) {
    testsupport::TempDir dir{/*enter=*/true};
    std::vector<Member> members = {{"D", "D", "S1"}, {"S1", "S1", "S2"}, {"S2", "S2", ""}};
    members[1].counts = at({{1, 999}});
    members[2].counts = at({{2, 999}});
    const auto pointers = makeMembers(members);
    rt::Driver driver;
    driver.start([&] {
        UseFile(MAIL);
        MAIL.getPointer(pointers[0]);
        LevelWalk();
        ReleaseFile(MAIL);
    });
    driver.settle();
    const auto dialogs = driver.backend().pendingDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_NE(dialogs.front()->text.find("999.99"), std::string::npos);
    driver.answer("OK");
    driver.settle();
    EXPECT_TRUE(driver.backend().pendingDialogs().empty());
    ASSERT_TRUE(driver.finish());
    const auto stored = storedMembers();
    EXPECT_DOUBLE_EQ(stored[1].counts[0], 999.99);
    EXPECT_DOUBLE_EQ(stored[2].counts[1], 999.99);
}

}  // namespace
