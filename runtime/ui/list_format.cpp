#include "runtime/ui/list_format.h"

#include <cctype>

namespace rt {
namespace {

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<ListFormat> run(std::string* error) {
        ListFormat result;
        while (pos_ < text_.size()) {
            ListColumn column;
            if (!parseColumn(column)) {
                if (error) *error = "bad list format at position " + std::to_string(pos_ + 1);
                return std::nullopt;
            }
            column.field = result.fieldsUsed;
            result.fieldsUsed += column.icon ? 2 : 1;
            result.columns.push_back(std::move(column));
        }
        return result;
    }

  private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    bool number(int& out) {
        std::size_t start = pos_;
        out = 0;
        while (!atEnd() && std::isdigit(static_cast<unsigned char>(peek()))) {
            out = out * 10 + (peek() - '0');
            ++pos_;
        }
        return pos_ > start;
    }

    // "(n)" after an alignment or S.
    bool parenthesised(int& out) {
        if (peek() != '(') return true;
        ++pos_;
        if (!number(out) || peek() != ')') return false;
        ++pos_;
        return true;
    }

    static std::optional<Align> alignOf(char c) {
        switch (std::toupper(static_cast<unsigned char>(c))) {
            case 'L':
                return Align::Left;
            case 'C':
                return Align::Center;
            case 'R':
                return Align::Right;
            case 'D':
                return Align::Decimal;
            default:
                return std::nullopt;
        }
    }

    bool delimited(char delimiter, std::string& out) {
        ++pos_;
        std::size_t end = text_.find(delimiter, pos_);
        if (end == std::string_view::npos) return false;
        out = std::string(text_.substr(pos_, end - pos_));
        pos_ = end + 1;
        return true;
    }

    // Modifiers may stand before the width or after the alignment.
    bool modifiers(ListColumn& column) {
        for (;;) {
            char c = static_cast<char>(std::toupper(static_cast<unsigned char>(peek())));
            if (c == '|') {
                column.rightBorder = true;
                ++pos_;
            } else if (c == 'M') {
                column.resizable = true;
                ++pos_;
            } else if (c == 'I') {
                column.icon = true;
                ++pos_;
            } else if (c == '?') {
                column.mark = true;
                ++pos_;
            } else if (c == 'S') {
                ++pos_;
                if (!parenthesised(column.scrollWidth)) return false;
            } else {
                return true;
            }
        }
    }

    bool parseColumn(ListColumn& column) {
        if (!modifiers(column)) return false;
        if (!number(column.width)) return false;
        if (auto a = alignOf(peek())) {
            column.align = *a;
            ++pos_;
            if (!parenthesised(column.indent)) return false;
        }
        if (!modifiers(column)) return false;
        if (peek() == '~') {
            if (!delimited('~', column.header)) return false;
            if (auto a = alignOf(peek())) {
                column.headerAlign = *a;
                column.headerAlignGiven = true;
                ++pos_;
                if (!parenthesised(column.headerIndent)) return false;
            }
            if (!modifiers(column)) return false;
        }
        if (!column.headerAlignGiven) {
            column.headerAlign = column.align;
            column.headerIndent = column.indent;
        }
        if (peek() == '@') {
            if (!delimited('@', column.picture)) return false;
        }
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::optional<ListFormat> parseListFormat(std::string_view text, std::string* error) {
    return Parser(text).run(error);
}

}  // namespace rt
