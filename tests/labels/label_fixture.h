#pragma once
// Contacts and business cards written before a session, tags on contacts, and a driver loop
// that runs a report to its end.

#include <cstdint>
#include <string>
#include <vector>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/cards.h"
#include "records/mail.h"

namespace labeltest {

struct Contact {
    std::string first, last, company, address, city, state, zip;
};

// A new MAIL file holding the contacts; answers their record pointers.
inline std::vector<std::int64_t> makeContacts(const std::vector<Contact>& contacts) {
    std::vector<std::int64_t> pointers;
    MAIL.create();
    MAIL.open();
    for (const Contact& c : contacts) {
        MAIL.clear();
        MAI::FIRSTNAME.setText(c.first);
        MAI::LASTNAME.setText(c.last);
        MAI::COMPANYNAME.setText(c.company);
        MAI::ADDRESS.setText(c.address);
        MAI::CITY.setText(c.city);
        MAI::STATE.setText(c.state);
        MAI::ZIP.setText(c.zip);
        MAIL.add();
        pointers.push_back(MAIL.pointer());
    }
    MAIL.close();
    return pointers;
}

inline void tagContacts(const std::vector<std::int64_t>& pointers) {
    OpenTagFile_();
    for (std::int64_t p : pointers)
        SetTag_(TAG::Contacts, static_cast<long>(p), "x");
    CloseTagFile_();
}

struct Card {
    std::string business, name, title, address, cityStateZip, phone, fax, email, website;
    std::string picture;  // the picture file's bytes; empty for none
};

inline void makeCards(const std::vector<Card>& cards) {
    CARDS.create();
    CARDS.open();
    for (const Card& c : cards) {
        CARDS.clear();
        CAR::BUSINESSNAME.setText(c.business);
        CAR::NAME.setText(c.name);
        CAR::TITLE.setText(c.title);
        CAR::ADDRESS.setText(c.address);
        CAR::CITYSTATEZIP.setText(c.cityStateZip);
        CAR::PHONE.setText(c.phone);
        CAR::FAX.setText(c.fax);
        CAR::EMAIL.setText(c.email);
        CAR::WEBSITE.setText(c.website);
        CAR::PHOTOGRAPH.setData(c.picture);
        CARDS.add();
    }
    CARDS.close();
}

// Delivers the progress window's timer until the procedure ends or waits for the user.
inline void runTimers(rt::Driver& driver) {
    for (int round = 0; round < 10000 && !driver.ended(); ++round) {
        driver.settle();
        if (!driver.backend().pendingDialogs().empty()) return;
        rt::Window* w = driver.active();
        if (w && w->title() == "Report Preview") return;
        if (!driver.backend().fireNextTimer()) return;
    }
}

// Runs a report with the destination "Print Report"; answers GLO::Response.
inline long printAtOnce(void (*report)()) {
    long response = 0;
    rt::Driver driver;
    driver.start([&] {
        report();
        response = GLO::Response;
    });
    driver.waitWindow("Report Destination");
    driver.press("Print Report");
    driver.press("OK");
    runTimers(driver);
    driver.finish();
    return response;
}

}  // namespace labeltest
