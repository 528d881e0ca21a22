#pragma once
// Stations adding numbered records at once, each a process of its own on one data folder:
// the insert race (another station adds while this one's form is open) and stations killed
// while their form is open. Each station runs the form through a driver of its own; the
// children are forked before this process starts a driver.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "runtime/data/record_file.h"
#include "runtime/text/fixed_text.h"

namespace testsupport {

struct AddingForm {
    void (*procedure)();
    std::string title;        // of the form's window
    std::string typedField;   // an entry the station types its name into
    rt::FileDecl decl;        // the file the form adds to
    std::string numberField;  // the number the form gives
    // Entries the form requires, typed before OK: entry use name and text.
    std::vector<std::pair<std::string, std::string>> required = {};
};

// Types `name` and the form's required entries.
inline void fillIn(rt::Driver& d, const AddingForm& form, const std::string& name) {
    d.type(form.typedField, name);
    for (const auto& [field, text] : form.required)
        d.type(field, text);
}

// Every record of the file as number -> typed name, read through a connection of its own.
inline std::map<long long, std::string> storedByNumber(const AddingForm& form) {
    std::map<long long, std::string> stored;
    rt::RecordFile file{form.decl};
    if (file.open() != 0) return stored;
    file.set();
    while (file.next() == 0)
        stored[file.buf().integer(form.numberField)] =
            std::string(rt::clip(file.buf().text(form.typedField)));
    return stored;
}

inline void openInsert(rt::Driver& d, const AddingForm& form) {
    d.start([procedure = form.procedure] {
        GLO::Request = REQ::Insert;
        procedure();
    });
    d.waitWindow(form.title);
}

// Another station: waits for the signal on `start`, opens the form, checks that no record
// of another station's open form shows, adds its own record as `name` and ends (0 when all
// went well).
inline int addAsAnotherStation(const AddingForm& form, int start, const std::string& name) {
    char c = 0;
    if (read(start, &c, 1) != 1) return 1;
    rt::Driver d;
    openInsert(d, form);
    if (!storedByNumber(form).empty()) return 2;
    fillIn(d, form, name);
    d.press("OK");
    if (!d.finish()) return 3;
    return storedByNumber(form).size() == 1 ? 0 : 4;
}

// Both ways this station's form can end while another station added meanwhile: OK keeps both
// records, Cancel keeps the other station's.
inline void raceTwoStations(const AddingForm& form, const std::function<void()>& emptyFile) {
    for (const bool saved : {true, false}) {
        SCOPED_TRACE(saved ? "OK" : "Cancel");
        emptyFile();
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t other = fork();
        if (other == 0) _exit(addAsAnotherStation(form, fds[0], "Theirs"));
        rt::Driver d;
        openInsert(d, form);
        ASSERT_EQ(write(fds[1], "x", 1), 1);
        int status = 0;
        ASSERT_EQ(waitpid(other, &status, 0), other);
        close(fds[0]);
        close(fds[1]);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), 0);
        fillIn(d, form, "Mine");
        if (saved) {
            d.press("OK");
        } else {
            d.press("Cancel");
            d.answer("No");  // do not save the changes
        }
        ASSERT_TRUE(d.finish());
        const auto stored = storedByNumber(form);
        if (saved)
            EXPECT_EQ(stored, (std::map<long long, std::string>{{1, "Mine"}, {2, "Theirs"}}));
        else
            EXPECT_EQ(stored, (std::map<long long, std::string>{{2, "Theirs"}}));
    }
}

// Stations killed while their form is open leave nothing in the file; the next station's
// record is added whole.
inline void killWhileAdding(const AddingForm& form, int kills) {
    for (int kill = 0; kill < kills; ++kill) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t station = fork();
        if (station == 0) {
            close(fds[0]);
            rt::Driver d;
            openInsert(d, form);
            d.type(form.typedField, "Half");
            if (write(fds[1], "x", 1) != 1) _exit(1);
            pause();  // killed here, its form open
            _exit(2);
        }
        close(fds[1]);
        char c = 0;
        ASSERT_EQ(read(fds[0], &c, 1), 1) << "kill " << kill;
        close(fds[0]);
        ::kill(station, SIGKILL);
        waitpid(station, nullptr, 0);
        ASSERT_TRUE(storedByNumber(form).empty()) << "kill " << kill;
    }
    rt::Driver d;
    openInsert(d, form);
    fillIn(d, form, "Whole");
    d.press("OK");
    ASSERT_TRUE(d.finish());
    const auto stored = storedByNumber(form);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored.begin()->second, "Whole");
}

}  // namespace testsupport
