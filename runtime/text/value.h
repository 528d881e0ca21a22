#pragma once
// Value: what FORMAT takes and DEFORMAT gives, either text or a number.

#include <string>
#include <string_view>
#include <variant>

#include "runtime/text/decimal.h"

namespace rt {

class Value {
  public:
    Value() : data_(std::string()) {}
    Value(std::string text) : data_(std::move(text)) {}         // NOLINT
    Value(std::string_view text) : data_(std::string(text)) {}  // NOLINT
    Value(const char* text) : data_(std::string(text)) {}       // NOLINT
    Value(Decimal number) : data_(number) {}                    // NOLINT
    Value(long long number) : data_(Decimal(number)) {}         // NOLINT
    Value(long number) : data_(Decimal(number)) {}              // NOLINT
    Value(int number) : data_(Decimal(number)) {}               // NOLINT

    bool isText() const { return std::holds_alternative<std::string>(data_); }
    bool isNumber() const { return std::holds_alternative<Decimal>(data_); }
    // The text or the number itself; each requires the matching kind.
    const std::string& text() const { return std::get<std::string>(data_); }
    const Decimal& number() const { return std::get<Decimal>(data_); }

    // A number, or text read with textToNumber.
    Decimal asNumber() const;
    // Text, or a number written with numberToText.
    std::string asText() const;

    friend bool operator==(const Value& a, const Value& b) { return a.data_ == b.data_; }

  private:
    std::variant<std::string, Decimal> data_;
};

}  // namespace rt
