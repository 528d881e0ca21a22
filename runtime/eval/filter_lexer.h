#pragma once
// Splits a filter text into tokens: names (which may hold ':' and '::'), keywords, text
// literals in single quotes, numbers, operators and parentheses.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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
};

struct Token {
    TokenKind kind;
    std::size_t position;  // 1-based character position in the filter text
    std::string text;
};

struct LexResult {
    std::vector<Token> tokens;  // ends with an End token when `error` is empty
    std::size_t errorPosition = 0;
    std::string error;
};

LexResult tokenize(std::string_view filter);

}  // namespace rt::filter_detail
