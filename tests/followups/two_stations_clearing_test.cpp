// Two stations on one data folder: while this one clears old follow-ups or appointments,
// another process saves contacts every 10 ms, the contacts being cleared among them. Every
// pass completes, every contact is cleared, and every save of the other station stays.

#include <gtest/gtest.h>

#include <string>

#include "drivers/driver.h"
#include "followups/followup_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/mail.h"
#include "runtime/text/day_number.h"
#include "tests/followups/follow_up_fixture.h"
#include "tests/support/pass_beside_station.h"
#include "tests/support/run_timers.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace followuptest;

constexpr int kContacts = 60;
constexpr int kRuns = 20;

struct ClearingPass {
    const char* name;
    void (*run)();
    bool (*cleared)(const Stored&);
};

TEST(TwoStationsClearing, PassesCompleteAndKeepEverySaveOfAStationWritingMeanwhile) {
    const ClearingPass passes[] = {
        {"ClearOldContacts", &ClearOldContacts,
         [](const Stored& s) { return s.followUp == 0 && s.contactNotes.empty(); }},
        {"ClearOldAppointments", &ClearOldAppointments,
         [](const Stored& s) { return s.appointmentDate.empty() && s.subject.empty(); }},
    };
    long savesDuringPasses = 0;  // the other station's saves while a pass ran
    for (const ClearingPass& pass : passes) {
        for (int run = 0; run < kRuns; ++run) {
            SCOPED_TRACE(std::string(pass.name) + " run " + std::to_string(run));
            testsupport::TempDir dir{/*enter=*/true};
            const long today = rt::today();
            std::vector<Contact> contacts;
            for (int i = 0; i < kContacts; ++i)
                contacts.push_back(
                    {"P" + std::to_string(i), "X", today - 300 + i, today - 300 + i, "09:00"});
            const auto pointers = makeContacts(contacts);

            testsupport::BusyStation other(
                testsupport::cyclicSaves(records::mailDeclaration(), pointers, "MAI:PAYTO"));
            ASSERT_TRUE(other.started());
            long response = 0;
            const long saves = testsupport::runBesideBusyStation(
                other, pass.run, testsupport::runTimersToEnd, response);
            ASSERT_GE(saves, 1);
            savesDuringPasses += saves - 1;
            EXPECT_EQ(response, RESP::Completed);

            const auto stored = storedContacts();
            ASSERT_EQ(stored.size(), static_cast<std::size_t>(kContacts));
            for (int k = 0; k < kContacts; ++k) {
                EXPECT_TRUE(pass.cleared(stored[k])) << k;
                EXPECT_EQ(stored[k].payTo, testsupport::lastCyclicSave(k, kContacts, saves)) << k;
            }
        }
    }
    EXPECT_GT(savesDuringPasses, 0);
}

}  // namespace
