#include "runtime/eval/filter_lexer.h"

#include <cstdio>

namespace rt::filter_detail {

namespace {

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isNameChar(char c) {
    return isLetter(c) || isDigit(c) || c == ':';
}
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool equalsWord(std::string_view text, std::string_view upperWord) {
    if (text.size() != upperWord.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upperWord[i]) return false;
    }
    return true;
}

std::string describeChar(char c) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte <= 0x7E) return std::string("'") + c + "'";
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%02X", byte);
    return std::string("character ") + hex;
}

TokenKind nameKind(std::string_view name) {
    if (equalsWord(name, "AND")) return TokenKind::And;
    if (equalsWord(name, "OR")) return TokenKind::Or;
    if (equalsWord(name, "NOT")) return TokenKind::Not;
    return TokenKind::Name;
}

}  // namespace

LexResult tokenize(std::string_view filter) {
    LexResult result;
    std::size_t i = 0;
    auto fail = [&](std::size_t at, std::string message) {
        result.tokens.clear();
        result.errorPosition = at + 1;
        result.error = std::move(message);
        return result;
    };
    auto add = [&](TokenKind kind, std::size_t start, std::string text = {}) {
        result.tokens.push_back(Token{kind, start + 1, std::move(text)});
    };

    while (i < filter.size()) {
        const char c = filter[i];
        const std::size_t start = i;
        if (isSpace(c)) {
            ++i;
        } else if (isLetter(c)) {
            while (i < filter.size() && isNameChar(filter[i]))
                ++i;
            std::string_view name = filter.substr(start, i - start);
            add(nameKind(name), start, std::string(name));
        } else if (isDigit(c)) {
            while (i < filter.size() && isDigit(filter[i]))
                ++i;
            if (i < filter.size() && filter[i] == '.') {
                ++i;
                while (i < filter.size() && isDigit(filter[i]))
                    ++i;
            }
            add(TokenKind::Number, start, std::string(filter.substr(start, i - start)));
        } else if (c == '\'') {
            std::string value;
            ++i;
            bool closed = false;
            while (i < filter.size()) {
                if (filter[i] == '\'') {
                    if (i + 1 < filter.size() && filter[i + 1] == '\'') {
                        value += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                value += filter[i++];
            }
            if (!closed) return fail(start, "text literal without its closing quote");
            add(TokenKind::Text, start, std::move(value));
        } else {
            const char next = i + 1 < filter.size() ? filter[i + 1] : '\0';
            TokenKind kind;
            std::size_t length = 1;
            switch (c) {
                case '=':
                    kind = TokenKind::Equal;
                    break;
                case '<':
                    if (next == '>') {
                        kind = TokenKind::NotEqual;
                        length = 2;
                    } else if (next == '=') {
                        kind = TokenKind::LessEqual;
                        length = 2;
                    } else {
                        kind = TokenKind::Less;
                    }
                    break;
                case '>':
                    if (next == '=') {
                        kind = TokenKind::GreaterEqual;
                        length = 2;
                    } else {
                        kind = TokenKind::Greater;
                    }
                    break;
                case '+':
                    kind = TokenKind::Plus;
                    break;
                case '-':
                    kind = TokenKind::Minus;
                    break;
                case '*':
                    kind = TokenKind::Times;
                    break;
                case '/':
                    kind = TokenKind::Divide;
                    break;
                case '(':
                    kind = TokenKind::OpenParen;
                    break;
                case ')':
                    kind = TokenKind::CloseParen;
                    break;
                case ',':
                    kind = TokenKind::Comma;
                    break;
                default:
                    return fail(start, "unexpected " + describeChar(c));
            }
            add(kind, start);
            i += length;
        }
    }
    add(TokenKind::End, filter.size());
    return result;
}

}  // namespace rt::filter_detail
