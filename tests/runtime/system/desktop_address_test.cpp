// What is handed to the desktop: accepted texts with the URI they become, refused texts.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "runtime/system/desktop_address.h"

namespace {

struct AddressCase {
    const char* text;
    const char* uri;  // nullptr: refused
};

void expectCases(std::optional<std::string> (*convert)(std::string_view),
                 std::initializer_list<AddressCase> cases) {
    for (const auto& c : cases) {
        const auto uri = convert(c.text);
        if (c.uri == nullptr)
            EXPECT_FALSE(uri.has_value()) << "'" << c.text << "' gave " << uri.value_or("");
        else
            EXPECT_EQ(uri.value_or("(refused)"), c.uri) << "'" << c.text << "'";
    }
}

TEST(ShellAddress, WebAddressesAcceptedAndRefused) {
    expectCases(rt::shellAddressFor,
                {
                    {"http://www.example.com", "http://www.example.com"},
                    {"HTTPS://shop.example.com/a b?q=1", "https://shop.example.com/a%20b?q=1"},
                    {"www.example.com                 ", "http://www.example.com"},
                    {"example.org/path", "http://example.org/path"},
                    {"localhost.example:8080/x", "http://localhost.example:8080/x"},
                    {"192.168.1.20/status", "http://192.168.1.20/status"},
                    {"http://calc.exe", "http://calc.exe"},  // a web address as typed
                    // Every host a browser opens: names without dots after the scheme,
                    // ports, international names (in their ASCII form), IPv6.
                    {"http://localhost:8080/", "http://localhost:8080/"},
                    {"localhost:8080/x", "http://localhost:8080/x"},
                    {"http://intranet/", "http://intranet/"},
                    {"https://intranet:8443/app", "https://intranet:8443/app"},
                    {"http://m\xC3\xBCnchen.de/", "http://xn--mnchen-3ya.de/"},
                    {"http://[::1]:8080/", "http://[::1]:8080/"},
                    {"http://build_server.corp.example/", "http://build_server.corp.example/"},
                    {"http://example.com./a", "http://example.com/a"},
                    // Local paths and programs.
                    {"C:\\WINDOWS\\calc.exe", nullptr},
                    {"/usr/bin/xterm", nullptr},
                    {"./run.sh", nullptr},
                    {"~/notes.txt", nullptr},
                    {"calc.exe", nullptr},
                    {"notepad", nullptr},
                    {"setup.bat", nullptr},
                    // Other schemes.
                    {"file:///etc/passwd", nullptr},
                    {"javascript:alert(1)", nullptr},
                    {"ftp://files.example.com", nullptr},
                    {"smb://server/share", nullptr},
                    {"C:", nullptr},
                    // Blanks, damaged hosts, tricks.
                    {"", nullptr},
                    {"                                        ", nullptr},
                    {"http://", nullptr},
                    {"http://bank.example@evil.example/", nullptr},
                    {"http://exa mple.com", nullptr},
                    {"http://-bad-.com", nullptr},
                    {"http://1.2.3", nullptr},
                    {"www.example.com\n--flag", nullptr},
                    {"host.example:http", nullptr},
                    {"http://intranet:99999/", nullptr},
                    {"http://[::1", nullptr},
                    {"http://[zz::1]/", nullptr},
                    {"intranet", nullptr},  // bare, a word may name a program
                });
}

TEST(ShellAddress, MailAddressesAreClippedAndEncoded) {
    expectCases(rt::shellAddressFor,
                {
                    {"MailTo:ann@example.com                          ", "mailto:ann@example.com"},
                    {"mailto:  first.last+news@mail.example.org",
                     "mailto:first.last+news@mail.example.org"},
                    // Characters that would start headers or another address are encoded.
                    {"MailTo:ann@example.com?attach=/etc/passwd",
                     "mailto:ann@example.com%3Fattach%3D%2Fetc%2Fpasswd"},
                    {"MailTo:ann smith@example.com", "mailto:ann%20smith@example.com"},
                    {"MailTo:a@b.com&cc=x", "mailto:a@b.com%26cc%3Dx"},
                    {"MailTo:", nullptr},
                    {"MailTo:          ", nullptr},
                    {"MailTo:no-at-sign", nullptr},
                    {"MailTo:@example.com", nullptr},
                    {"MailTo:ann@", nullptr},
                    {"MailTo:a@b@c", nullptr},
                    {"MailTo:ann@example.com\r\nBcc:x@y", nullptr},
                });
}

TEST(TelephoneAddress, OnlyDigitsAndTelephonePunctuationBecomeTelAddresses) {
    expectCases(rt::telephoneAddressFor, {
                                             {"5551234567     ", "tel:5551234567"},
                                             {"(555)-123-4567", "tel:(555)-123-4567"},
                                             {"+1 555 123", "tel:+1%20555%20123"},
                                             {"555.123/4567", "tel:555.123/4567"},
                                             {"555-1234 #22", nullptr},
                                             {"1-800-FLOWERS", nullptr},
                                             {"--help", nullptr},
                                             {"javascript:alert(1)", nullptr},
                                             {"555;1234", nullptr},
                                             {"()-+", nullptr},
                                             {"", nullptr},
                                             {"               ", nullptr},
                                             {"555\n1234", nullptr},
                                         });
}

}  // namespace
