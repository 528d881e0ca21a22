// Two stations on one data folder: while this one clears old appointments, another process
// changes one of the contacts the pass is about to clear. The other station's change
// survives; the pass says so and ends cancelled.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "followups/followup_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/mail.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/driver.h"
#include "tests/followups/follow_up_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace followuptest;

class Pipe {
  public:
    Pipe() {
        if (pipe(fds_) != 0) std::abort();
    }
    ~Pipe() {
        ::close(fds_[0]);
        ::close(fds_[1]);
    }
    void send() { (void)!write(fds_[1], "x", 1); }
    bool receive() {
        char c = 0;
        return read(fds_[0], &c, 1) == 1;
    }

  private:
    int fds_[2];
};

// The text of the message box showing, answered with OK.
std::string answerMessage(rt::Driver& d) {
    d.settle();
    const auto dialogs = d.backend().pendingDialogs();
    if (dialogs.empty()) return "(no message)";
    const std::string text = dialogs.front()->text;
    d.answer("OK");
    return text;
}

TEST(TwoStationsClearing, AnotherStationsChangeDuringClearOldAppointmentsSurvives) {
    testsupport::TempDir dir{/*enter=*/true};
    const long today = rt::today();
    // 30 past appointments, one day apart, so the pass handles them in this order: the
    // first timer batch clears 25 and has read the 26th when it waits.
    std::vector<Contact> contacts;
    for (int i = 0; i < 30; ++i)
        contacts.push_back({"P" + std::to_string(i), "X", 0, today - 40 + i, "09:00", "1", ""});
    const auto pointers = makeContacts(contacts);
    const std::int64_t changed = pointers[25];

    Pipe toStation, fromStation;
    const pid_t station = fork();
    if (station == 0) {
        // The other station: its own process and its own connection to MAIL.KVF.
        if (!toStation.receive()) _exit(1);
        rt::RecordFile mail{records::mailDeclaration()};
        if (mail.open() || mail.getPointer(changed)) _exit(2);
        mail.buf().setText("MAI:APPOINTMENTSUBJECT", "Moved by the other station");
        _exit(mail.put() == 0 ? 0 : 3);
    }

    rt::Driver driver;
    long response = 0;
    driver.start([&response] {
        ClearOldAppointments();
        response = GLO::Response;
    });
    driver.waitWindow("Processing Records");
    driver.settle();
    ASSERT_TRUE(driver.backend().fireNextTimer());  // the first batch of 25
    driver.settle();
    toStation.send();
    int status = 0;
    waitpid(station, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);

    ASSERT_TRUE(driver.backend().fireNextTimer());  // the write of the 26th meets the change
    EXPECT_EQ(answerMessage(driver), "This record was changed by another station.");
    EXPECT_THAT(answerMessage(driver),
                testing::HasSubstr("when making changes to the Process:View file"));
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);

    const auto all = storedContacts();
    ASSERT_EQ(all.size(), 30u);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(all[i].appointmentDate, "") << i;
    EXPECT_EQ(all[25].subject, "Moved by the other station");
    EXPECT_EQ(all[25].appointmentDate, std::to_string(today - 15));
    for (int i = 26; i < 30; ++i)
        EXPECT_EQ(all[i].appointmentDate, std::to_string(today - 40 + i)) << i;
}

}  // namespace
