#pragma once
// Addresses handed to the desktop: web addresses (http and https only), e-mail addresses
// (mailto) and telephone numbers (tel). Texts come from records and are checked here: a
// local path, a program, another scheme or a blank gives no address at all. Texts are
// UTF-8; the answers are encoded URIs, ready for the desktop.

#include <optional>
#include <string>
#include <string_view>

namespace rt {

// "http://" or "https://" with a host as a browser takes it: a name with or without dots
// ("intranet", "localhost"), an international name (handed over in its ASCII form), an IPv4
// or bracketed IPv6 address, with an optional port. A bare host name ("www.example.com/a",
// "localhost:8080") gets "http://"; bare, a name without dots is taken only for "localhost".
// Blanks around the text are dropped.
std::optional<std::string> webAddressFor(std::string_view text);

// "mailto:" with the e-mail text, blanks around it dropped and every character that could
// end the address or start a header percent-encoded. The text needs one "@" with something
// on both sides.
std::optional<std::string> mailAddressFor(std::string_view email);

// "tel:" with the number as stored (blanks around it dropped); characters other than
// digits and "+-()." are percent-encoded. A blank number gives none.
std::optional<std::string> telephoneAddressFor(std::string_view number);

// What the shell would be handed: "MailTo:" (any case) followed by an e-mail address, or
// a web address. Answers the URI to open, or none.
std::optional<std::string> shellAddressFor(std::string_view text);

}  // namespace rt
