#include "tests/followups/follow_up_fixture.h"

#include "records/mail.h"
#include "runtime/text/fixed_text.h"

namespace followuptest {

std::vector<std::int64_t> makeContacts(const std::vector<Contact>& contacts) {
    std::vector<std::int64_t> pointers;
    MAIL.remove();  // CREATE never replaces a file
    MAIL.create();
    MAIL.open();
    for (const Contact& c : contacts) {
        MAIL.clear();
        MAI::FIRSTNAME.setText(c.first);
        MAI::LASTNAME.setText(c.last);
        MAI::CONTDAY.setInteger(c.followUp);
        MAI::FOLLOWUP.setText("Call Back");
        MAI::CONTACTNOTES.setText(c.notes + " contact");
        MAI::CONTACTRESULTS.setText(c.notes + " results");
        MAI::CONTACTLETTER.setText(c.notes + " letter");
        MAI::APPOINTMENTDATE.setText(c.appointment ? std::to_string(c.appointment) : "");
        MAI::APPOINTMENTTIME.setText(c.time);
        MAI::AM.setText(c.am);
        MAI::PM.setText(c.pm);
        MAI::APPOITMENTTYPE.setText("Business");
        MAI::APPOINTMENTSUBJECT.setText("Subject " + c.first);
        MAI::APPOINTMENTNOTES.setText(c.notes + " appointment");
        MAIL.add();
        pointers.push_back(MAIL.pointer());
    }
    MAIL.close();
    return pointers;
}

std::vector<Stored> storedContacts() {
    auto text = [](const auto& field) { return std::string(rt::clip(field.text())); };
    std::vector<Stored> all;
    MAIL.open();
    MAIL.set();
    while (MAIL.next() == 0)
        all.push_back({text(MAI::FIRSTNAME), static_cast<long>(MAI::CONTDAY.integer()),
                       text(MAI::FOLLOWUP), text(MAI::CONTACTNOTES), text(MAI::CONTACTRESULTS),
                       text(MAI::CONTACTLETTER), text(MAI::APPOINTMENTDATE),
                       text(MAI::APPOITMENTTYPE), text(MAI::APPOINTMENTTIME), text(MAI::AM),
                       text(MAI::PM), text(MAI::APPOINTMENTSUBJECT), text(MAI::APPOINTMENTNOTES),
                       text(MAI::BANKCITYSTATEZIP), text(MAI::PAYTO)});
    MAIL.close();
    return all;
}

}  // namespace followuptest
