#pragma once
// Filter expressions of views: a text such as
//   UPPER(CHE:LastName) = UPPER(Report:Save::CHE:LastName) AND (Che:Done <> 'Y')
// compiled once against the names bound in the running thread's innermost BIND scope, then
// evaluated any number of times against the names' current values.
//
// The language: names, text literals in single quotes ('' for a quote inside), numbers,
// parentheses, = <> < > <= >=, AND, OR, NOT (any case), + - * / and unary minus on numbers,
// TODAY() and UPPER(x). Comparisons of text with text are case-sensitive and blank padded;
// as soon as one side is a number both compare as numbers (text read leniently, blank
// text is 0). A comparison yields 1 or 0; a value counts as true when it is a number other
// than 0 or a text that is not blank.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/text/value.h"

namespace rt {

namespace filter_detail {
struct Program;
}

struct FilterError {
    std::size_t position = 0;  // 1-based character position in the filter text
    std::string message;

    // "position 12: NAME is not bound", for warnings and logs.
    std::string describe() const;
};

struct FilterResult;

class Filter {
  public:
    // Parentheses may nest this deep; deeper text is refused with an error.
    static constexpr int kMaxNesting = 100;

    // The empty filter: every record passes.
    Filter() = default;

    // Compiles `text` against the names bound in the innermost BIND scope of the running
    // thread. The filter keeps the getters it found, so later changes to the scopes do not
    // affect it. An empty or blank text gives the empty filter. Never throws on bad text:
    // the result carries the error instead.
    static FilterResult compile(std::string_view text);

    bool isEmpty() const { return program_ == nullptr; }
    const std::string& text() const;

    // The filter's value for the current values of its names (1 for the empty filter).
    Value evaluate() const;
    // Whether the current values pass the filter.
    bool matches() const;

  private:
    std::shared_ptr<const filter_detail::Program> program_;
};

struct FilterResult {
    std::optional<Filter> filter;  // set when the text compiled
    FilterError error;             // set when it did not

    bool ok() const { return filter.has_value(); }
};

// Whether a value counts as true in a filter: a number other than 0, a text not blank.
bool isTrue(const Value& value);

}  // namespace rt
