#pragma once
// Contacts with follow-ups and appointments written straight into a MAIL file, and read
// back from it, for the follow-up and appointment tests.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace followuptest {

struct Contact {
    Contact(std::string f, std::string l, long followUpDay = 0, long appointmentDay = 0,
            std::string t = {}, std::string amMark = {}, std::string pmMark = {})
        : first(std::move(f)),
          last(std::move(l)),
          followUp(followUpDay),
          appointment(appointmentDay),
          time(std::move(t)),
          am(std::move(amMark)),
          pm(std::move(pmMark)) {}
    std::string first, last;
    long followUp;     // MAI:CONTDAY
    long appointment;  // MAI:APPOINTMENTDATE as its digits; 0 leaves it blank
    std::string time, am, pm;
    std::string notes = "notes";  // contact notes, results, letter and appointment notes
};

// Writes the contacts into a new MAIL file, each with a follow-up kind, contact notes,
// results and letter, and an appointment type, subject and notes; answers their pointers.
std::vector<std::int64_t> makeContacts(const std::vector<Contact>& contacts);

// A contact as stored.
struct Stored {
    std::string first;
    long followUp;
    std::string followUpKind, contactNotes, contactResults, contactLetter;
    std::string appointmentDate, appointmentType, time, am, pm, subject, appointmentNotes;
    std::string bankCityStateZip, payTo;
};
// Every contact in record order.
std::vector<Stored> storedContacts();

}  // namespace followuptest
