#pragma once
// Hands addresses to the desktop's default programs: the web browser, the e-mail program
// and the telephone application. Only addresses that desktop_address.h accepts are handed
// over, as URIs, never through a command shell. The answer tells whether the desktop took the
// address (its program may still fail later). Tests record the hand-overs.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace rt {

struct DesktopHandOver {
    std::string address;      // the URI handed over ("https://...", "mailto:...", "tel:...")
    std::string application;  // for a call: the calling application's text
    std::string calledParty;  // for a call: who is called
    std::string comment;      // for a call: a comment
};

enum class HandOverResult {
    Opened,     // the desktop took the address
    Refused,    // the text is no address of its kind: nothing was handed over
    NotOpened,  // the desktop could not open it (no handler, no desktop)
};

// A web address or "MailTo:" address (UTF-8).
HandOverResult openShellAddress(std::string_view text);

// A call request for `number` (UTF-8), as a tel: address. The three texts go with the
// request; the desktop's telephone application may show them.
HandOverResult requestCall(std::string_view number, std::string_view application,
                           std::string_view calledParty, std::string_view comment);

// A document the program ships (its manual), opened by the desktop's handler for its kind as
// a file: address. False when the file does not exist or no desktop is there to take it.
bool openDocument(const std::filesystem::path& file);

// In tests: every accepted hand-over goes to `recorder` instead of the desktop (nullptr:
// the desktop again).
void setDesktopRecorder(std::function<void(const DesktopHandOver&)> recorder);

}  // namespace rt
