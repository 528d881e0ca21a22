#pragma once
// Splits a filter text into tokens: names (which may hold ':' and '::'), keywords, text
// literals in single quotes, numbers, operators and parentheses. Tokens are produced one at
// a time, so a bad text stops at its first fault without reading the rest.

#include <cstddef>
#include <string>
#include <string_view>

namespace rt::filter_detail {

enum class TokenKind {
    Name,    // a bound name or a function name; `text` holds it as written
    Number,  // digits with an optional fraction; `text` holds the digits
    Text,    // a quoted literal; `text` holds its value ('' already made ')
    And,
    Or,
    Not,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Plus,
    Minus,
    Times,
    Divide,
    OpenParen,
    CloseParen,
    Comma,
    End,
    Error,  // `text` holds the message; `position` points at the fault
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t position = 0;  // 1-based character position in the filter text
    std::string text;
};

class Lexer {
  public:
    explicit Lexer(std::string_view filter) : filter_(filter) {}

    // The next token; End (again and again) once the text is used up.
    Token next();

  private:
    Token name(std::size_t start);
    Token number(std::size_t start);
    Token textLiteral(std::size_t start);
    Token symbol(std::size_t start);

    std::string_view filter_;
    std::size_t at_ = 0;
};

}  // namespace rt::filter_detail
