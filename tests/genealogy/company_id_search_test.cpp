// The company-ID search form: a code in any case tags the contacts whose company ID begins
// with it in TAG::Genealogy; the answer is minus the number tagged.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"
#include "tests/support/temp_dir.h"

namespace {

std::vector<std::int64_t> makeMembers(const std::vector<std::pair<const char*, const char*>>& m) {
    std::vector<std::int64_t> pointers;
    MAIL.remove();  // CREATE never replaces a file
    MAIL.create();
    MAIL.open();
    for (const auto& [first, code] : m) {
        MAIL.clear();
        MAI::FIRSTNAME.setText(first);
        MAI::TAB4.setText(code);
        MAIL.add();
        pointers.push_back(MAIL.pointer());
    }
    MAIL.close();
    return pointers;
}

TEST(CompanyIdSearch, ACodeInAnyCaseTagsTheMatchingMembersOnly) {
    testsupport::TempDir dir{/*enter=*/true};
    const auto members =
        makeMembers({{"Ann", "ACME-1"}, {"Bob", "Other"}, {"Cleo", "acme-2"}, {"Dan", ""}});
    long response = 0;
    rt::Driver driver;
    driver.start([&response] {
        GLO::Request = REQ::Search;
        SearchCompanyID();
        response = GLO::Response;
    });
    driver.waitWindow("Enter Search Criteria");
    EXPECT_FALSE(driver.active()->isVisible(2));  // "&Search Type" stays hidden
    driver.type("MAI:TAB4", "Acme");
    driver.press("&Begin Search");
    driver.waitWindow("Begin Search");
    driver.press("&Select");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, -2);
    OpenTagFile_();
    EXPECT_EQ(CountTags_(TAG::Genealogy), 2);
    EXPECT_EQ(GetTag_(TAG::Genealogy, static_cast<long>(members[0])), 1);
    EXPECT_EQ(GetTag_(TAG::Genealogy, static_cast<long>(members[2])), 1);
    EXPECT_EQ(CountTags_(TAG::Contacts), 0);
    CloseTagFile_();
}

}  // namespace
