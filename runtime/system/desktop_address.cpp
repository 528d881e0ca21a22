#include "runtime/system/desktop_address.h"
#include "runtime/text/ascii_case.h"

#include <QString>
#include <QUrl>
#include <cctype>
#include <vector>

namespace rt {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\0'))
        text.remove_suffix(1);
    return text;
}

bool hasControlCharacter(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return true;
    return false;
}

std::string percentEncoded(std::string_view text, std::string_view keep) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) != 0 && c < 0x80) {
            out += static_cast<char>(c);
        } else if (keep.find(static_cast<char>(c)) != std::string_view::npos) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

bool isDigits(std::string_view s) {
    if (s.empty()) return false;
    for (unsigned char c : s)
        if (std::isdigit(c) == 0) return false;
    return true;
}

// A port: one to five digits, at most 65535.
bool validPort(std::string_view port) {
    return isDigits(port) && port.size() <= 5 && std::stol(std::string(port)) <= 65535;
}

// An IPv6 address between brackets: hexadecimal digits, colons and dots.
bool validIpv6(std::string_view literal) {
    if (literal.size() < 4 || literal.front() != '[' || literal.back() != ']') return false;
    const std::string_view inside = literal.substr(1, literal.size() - 2);
    return inside.find(':') != std::string_view::npos &&
           inside.find_first_not_of("0123456789abcdefABCDEF:.") == std::string_view::npos;
}

// The host of a web address in the form the desktop takes: labels of letters, digits, inner
// hyphens and underscores, or international labels (turned into their ASCII form); an IPv4
// or a bracketed IPv6 address; an optional port. A name without a dot ("intranet") is a host
// only after "http://"; bare, only "localhost" is one (any other word may be a program).
std::optional<std::string> validHost(std::string_view hostAndPort, bool bare) {
    std::string_view host = hostAndPort;
    std::string_view port;
    const bool bracketed = !hostAndPort.empty() && hostAndPort.front() == '[';
    std::size_t colon = std::string_view::npos;
    if (bracketed) {
        const auto close = hostAndPort.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        if (close + 1 < hostAndPort.size()) {
            if (hostAndPort[close + 1] != ':') return std::nullopt;
            colon = close + 1;
        }
    } else {
        colon = hostAndPort.find(':');
    }
    if (colon != std::string_view::npos) {
        port = hostAndPort.substr(colon + 1);
        if (!validPort(port)) return std::nullopt;
        host = hostAndPort.substr(0, colon);
    }
    const std::string portPart = colon == std::string_view::npos ? "" : ":" + std::string(port);
    if (bracketed) {
        if (!validIpv6(host)) return std::nullopt;
        return std::string(host) + portPart;
    }
    if (!host.empty() && host.back() == '.') host.remove_suffix(1);  // a fully qualified name
    std::vector<std::string_view> labels;
    std::size_t start = 0;
    for (;;) {
        const auto dot = host.find('.', start);
        labels.push_back(
            host.substr(start, dot == std::string_view::npos ? host.npos : dot - start));
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    if (labels.size() < 2 && bare && !rt::equalNoCaseAscii(host, "localhost")) return std::nullopt;
    bool allNumeric = true;
    bool international = false;
    for (std::string_view label : labels) {
        if (label.empty() || label.size() > 63) return std::nullopt;
        if (label.front() == '-' || label.back() == '-') return std::nullopt;
        for (unsigned char c : label) {
            if (c >= 0x80) {
                international = true;
            } else if (std::isalnum(c) == 0 && c != '-' && c != '_') {
                return std::nullopt;
            }
        }
        allNumeric = allNumeric && isDigits(label);
    }
    if (allNumeric && labels.size() != 4) return std::nullopt;
    if (!allNumeric && isDigits(labels.back())) return std::nullopt;
    if (!international) return std::string(host) + portPart;
    const QByteArray ascii = QUrl::toAce(QString::fromUtf8(host.data(), host.size()));
    if (ascii.isEmpty()) return std::nullopt;
    return ascii.toStdString() + portPart;
}

// A bare name that ends like a program file is a program, not a web site.
bool namesAProgram(std::string_view host) {
    static const char* const extensions[] = {".exe", ".bat", ".cmd", ".msi", ".scr",
                                             ".lnk", ".ps1", ".vbs", ".pif"};
    for (const char* ext : extensions) {
        const std::string_view e(ext);
        if (host.size() > e.size() &&
            rt::startsWithNoCaseAscii(host.substr(host.size() - e.size()), e))
            return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> webAddressFor(std::string_view text) {
    text = trimmed(text);
    if (text.empty() || hasControlCharacter(text)) return std::nullopt;
    if (text.find('\\') != std::string_view::npos) return std::nullopt;  // a Windows path
    std::string scheme = "http";
    bool bare = true;
    const auto sep = text.find("://");
    if (sep != std::string_view::npos) {
        if (rt::startsWithNoCaseAscii(text, "https://"))
            scheme = "https";
        else if (!rt::startsWithNoCaseAscii(text, "http://"))
            return std::nullopt;
        text.remove_prefix(sep + 3);
        bare = false;
    }
    const auto end = text.find_first_of("/?#");
    const std::string_view authority = text.substr(0, end);
    // No user part: "http://bank.com@elsewhere" would not go where it reads.
    if (authority.find('@') != std::string_view::npos) return std::nullopt;
    const std::optional<std::string> host = validHost(authority, bare);
    if (!host || (bare && namesAProgram(authority))) return std::nullopt;
    const std::string_view rest = end == std::string_view::npos ? "" : text.substr(end);
    return scheme + "://" + *host + percentEncoded(rest, "-._~/?#[]!$&'()*+,;=:@%");
}

std::optional<std::string> mailAddressFor(std::string_view email) {
    email = trimmed(email);
    if (email.empty() || hasControlCharacter(email)) return std::nullopt;
    const auto at = email.find('@');
    if (at == 0 || at == std::string_view::npos || at + 1 == email.size()) return std::nullopt;
    if (email.find('@', at + 1) != std::string_view::npos) return std::nullopt;
    return "mailto:" + percentEncoded(email, "-._~@+!$'*");
}

std::optional<std::string> telephoneAddressFor(std::string_view number) {
    number = trimmed(number);
    // Digits and the usual telephone punctuation only: a text such as "--help" or a script
    // address is no number.
    bool digit = false;
    for (char c : number) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (std::string_view(" +-()./").find(c) == std::string_view::npos)
            return std::nullopt;
    }
    if (!digit) return std::nullopt;
    return "tel:" + percentEncoded(number, "+-()./");
}

std::optional<std::string> shellAddressFor(std::string_view text) {
    const std::string_view t = trimmed(text);
    if (rt::startsWithNoCaseAscii(t, "mailto:")) return mailAddressFor(t.substr(7));
    return webAddressFor(t);
}

}  // namespace rt
