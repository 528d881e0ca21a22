#include "contacts/hand_overs.h"

#include "records/mail.h"
#include "runtime/system/desktop_handover.h"
#include "runtime/text/codepage.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/dialogs.h"

namespace {

// A NUL-terminated text of `bytes` bytes holds at most bytes - 1 characters.
std::string fitted(std::string_view text, std::size_t bytes) {
    return std::string(text.substr(0, std::min(text.size(), bytes - 1)));
}

// What a button hands over, for its messages.
struct AddressKind {
    const char* name;     // "web address"
    const char* article;  // "a"
    const char* rule;     // what such an address holds
    const char* caption;
};

const AddressKind kWeb{"web address", "a",
                       "Only addresses that begin with http:// or https://, or a site name such "
                       "as www.example.com, can be opened.",
                       "Cannot Go To Site"};
const AddressKind kMail{"e-mail address", "an",
                        "An e-mail address holds one \"@\" with a name before it and a domain "
                        "after it, such as ann@example.com.",
                        "Cannot Send E-Mail"};
const AddressKind kPhone{"telephone number", "a",
                         "A telephone number holds digits, and may hold blanks and the signs + "
                         "- ( ) . /.",
                         "Cannot Dial"};

// Tells the user why nothing opened: the text is no address of its kind, or the desktop could
// not open the address.
void tellResult(rt::HandOverResult result, std::string_view text, const AddressKind& kind) {
    const std::string shown(rt::clip(text));
    if (result == rt::HandOverResult::Refused) {
        rt::message(
            (shown.empty() ? "No " + std::string(kind.name) + " is given."
                           : "\"" + shown + "\" is not " + kind.article + " " + kind.name + ".") +
                " " + kind.rule,
            kind.caption, ICON::Exclamation);
    } else if (result == rt::HandOverResult::NotOpened) {
        rt::message("The desktop could not open the " + std::string(kind.name) + " \"" + shown +
                        "\". Check that a program is set up to open such addresses.",
                    kind.caption, ICON::Exclamation);
    }
}

}  // namespace

std::string DialingName() {
    const std::string name =
        std::string(rt::clip(MAI::FIRSTNAME.text())) + " " + MAI::LASTNAME.text();
    return rt::FixedString<40>(name).str();
}

void DialNumber(std::string_view number, std::string_view dialingName) {
    const std::string_view name = rt::clip(dialingName);
    const std::string shown = fitted(rt::clip(number), 60);
    tellResult(
        rt::requestCall(rt::cp1252ToUtf8(shown), rt::cp1252ToUtf8(fitted(name, 60)),
                        rt::cp1252ToUtf8(fitted(name, 30)), rt::cp1252ToUtf8(fitted(name, 60))),
        shown, kPhone);
}

void SendEMail(std::string_view emailField) {
    tellResult(
        rt::openShellAddress(rt::cp1252ToUtf8(fitted("MailTo:" + std::string(emailField), 120))),
        emailField, kMail);
}

void OpenWebAddress(std::string_view text) {
    tellResult(rt::openShellAddress(rt::cp1252ToUtf8(fitted(rt::clip(text), 120))), text, kWeb);
}

void OpenWebSite(std::string_view webField) {
    OpenWebAddress(webField);
}
