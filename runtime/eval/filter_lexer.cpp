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

Token token(TokenKind kind, std::size_t start, std::string text = {}) {
    return Token{kind, start + 1, std::move(text)};
}

}  // namespace

Token Lexer::next() {
    while (at_ < filter_.size() && isSpace(filter_[at_]))
        ++at_;
    if (at_ >= filter_.size()) return token(TokenKind::End, filter_.size());
    const std::size_t start = at_;
    const char c = filter_[at_];
    if (isLetter(c)) return name(start);
    if (isDigit(c)) return number(start);
    if (c == '\'') return textLiteral(start);
    return symbol(start);
}

Token Lexer::name(std::size_t start) {
    while (at_ < filter_.size() && isNameChar(filter_[at_]))
        ++at_;
    std::string_view text = filter_.substr(start, at_ - start);
    TokenKind kind = TokenKind::Name;
    if (equalsWord(text, "AND")) kind = TokenKind::And;
    if (equalsWord(text, "OR")) kind = TokenKind::Or;
    if (equalsWord(text, "NOT")) kind = TokenKind::Not;
    return token(kind, start, std::string(text));
}

Token Lexer::number(std::size_t start) {
    while (at_ < filter_.size() && isDigit(filter_[at_]))
        ++at_;
    if (at_ < filter_.size() && filter_[at_] == '.') {
        ++at_;
        while (at_ < filter_.size() && isDigit(filter_[at_]))
            ++at_;
    }
    return token(TokenKind::Number, start, std::string(filter_.substr(start, at_ - start)));
}

Token Lexer::textLiteral(std::size_t start) {
    std::string value;
    ++at_;
    while (at_ < filter_.size()) {
        if (filter_[at_] != '\'') {
            value += filter_[at_++];
        } else if (at_ + 1 < filter_.size() && filter_[at_ + 1] == '\'') {
            value += '\'';
            at_ += 2;
        } else {
            ++at_;
            return token(TokenKind::Text, start, std::move(value));
        }
    }
    at_ = filter_.size();
    return token(TokenKind::Error, start, "text literal without its closing quote");
}

Token Lexer::symbol(std::size_t start) {
    const char c = filter_[at_];
    const char next = at_ + 1 < filter_.size() ? filter_[at_ + 1] : '\0';
    TokenKind kind;
    std::size_t length = 1;
    switch (c) {
        case '=':
            kind = TokenKind::Equal;
            break;
        case '<':
            kind = next == '>'   ? TokenKind::NotEqual
                   : next == '=' ? TokenKind::LessEqual
                                 : TokenKind::Less;
            if (kind != TokenKind::Less) length = 2;
            break;
        case '>':
            kind = next == '=' ? TokenKind::GreaterEqual : TokenKind::Greater;
            if (kind != TokenKind::Greater) length = 2;
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
            at_ = filter_.size();
            return token(TokenKind::Error, start, "unexpected " + describeChar(c));
    }
    at_ += length;
    return token(kind, start);
}

}  // namespace rt::filter_detail
