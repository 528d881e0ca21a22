#include "tests/genealogy/genealogy_fixture.h"

#include "records/mail.h"
#include "runtime/text/decimal.h"

namespace genealogytest {

namespace {

const rt::Field* const kCounts[10] = {&MAI::L1, &MAI::L2, &MAI::L3, &MAI::L4, &MAI::L5,
                                      &MAI::L6, &MAI::L7, &MAI::L8, &MAI::L9, &MAI::L10};

std::string trimmed(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

std::vector<std::int64_t> makeMembers(const std::vector<Member>& members) {
    std::vector<std::int64_t> pointers;
    MAIL.create();
    MAIL.open();
    for (const Member& m : members) {
        MAIL.clear();
        MAI::FIRSTNAME.setText(m.name);
        MAI::LASTNAME.setText("Member");
        MAI::IDNUMBER.setText(m.id);
        MAI::SPONSORID.setText(m.sponsorId);
        MAI::LEVEL.setInteger(m.level);
        for (int k = 0; k < 10; ++k)
            kCounts[k]->setNumber(rt::Decimal(m.counts[k]));
        MAI::FROMWHAT.setText(m.mark);
        MAI::TAB4.setText(m.companyId);
        MAIL.add();
        pointers.push_back(MAIL.pointer());
    }
    MAIL.close();
    return pointers;
}

std::vector<Stored> storedMembers() {
    std::vector<Stored> all;
    MAIL.open();
    MAIL.set();
    while (MAIL.next() == 0) {
        Stored s;
        s.name = trimmed(MAI::FIRSTNAME.text());
        s.id = trimmed(MAI::IDNUMBER.text());
        s.sponsorId = trimmed(MAI::SPONSORID.text());
        for (int k = 0; k < 10; ++k)
            s.counts[k] = kCounts[k]->number().toDouble();
        s.mark = trimmed(MAI::FROMWHAT.text());
        all.push_back(s);
    }
    MAIL.close();
    return all;
}

}  // namespace genealogytest
