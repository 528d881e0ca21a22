#include "contacts/hand_overs.h"

#include "records/mail.h"
#include "runtime/system/desktop_handover.h"
#include "runtime/text/codepage.h"
#include "runtime/text/fixed_text.h"

namespace {

// A NUL-terminated text of `bytes` bytes holds at most bytes - 1 characters.
std::string fitted(std::string_view text, std::size_t bytes) {
    return std::string(text.substr(0, std::min(text.size(), bytes - 1)));
}

}  // namespace

std::string DialingName() {
    const std::string name =
        std::string(rt::clip(MAI::FIRSTNAME.text())) + " " + MAI::LASTNAME.text();
    return rt::FixedString<40>(name).str();
}

void DialNumber(std::string_view number, std::string_view dialingName) {
    const std::string_view name = rt::clip(dialingName);
    rt::requestCall(rt::cp1252ToUtf8(fitted(rt::clip(number), 60)),
                    rt::cp1252ToUtf8(fitted(name, 60)), rt::cp1252ToUtf8(fitted(name, 30)),
                    rt::cp1252ToUtf8(fitted(name, 60)));
}

void SendEMail(std::string_view emailField) {
    rt::openShellAddress(rt::cp1252ToUtf8(fitted("MailTo:" + std::string(emailField), 120)));
}

void OpenWebSite(std::string_view webField) {
    rt::openShellAddress(rt::cp1252ToUtf8(fitted(webField, 120)));
}
