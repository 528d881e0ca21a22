#pragma once
// A control shows and edits a variable through a Binding, so the window model needs no
// knowledge of record buffers or globals: the record layer and the procedures supply them.

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "runtime/text/picture.h"
#include "runtime/text/value.h"

namespace rt {

class Binding {
  public:
    virtual ~Binding() = default;
    // The name a test or scenario uses for the variable ("MAI:FIRSTNAME"); may be empty.
    virtual const std::string& name() const = 0;
    virtual Value get() const = 0;
    // Stores a value as the variable's own assignment does (cut, padded, rounded). False when
    // the variable cannot hold it at all (a number too large for its field): nothing stored.
    virtual bool set(const Value& value) = 0;
    // The numbers the variable can hold, for a number of fixed range (a record's DECIMAL,
    // BYTE, SHORT or LONG field); nothing for any other variable.
    virtual std::optional<NumberRange> numberRange() const { return std::nullopt; }
};

using BindingPtr = std::shared_ptr<Binding>;

// A fixed-length text field (STRING(n)): assignment cuts or blank pads.
BindingPtr bindFixedText(std::string name, std::span<char> field);
// A variable-length text (a memo or a local std::string).
BindingPtr bindText(std::string name, std::string& text);
// A whole number (LONG, SHORT, BYTE held in a long).
BindingPtr bindLong(std::string name, long& number);
// Anything else, through two functions.
BindingPtr bindFunctions(std::string name, std::function<Value()> get,
                         std::function<void(const Value&)> set);
// The same, for a variable that may refuse a value: `set` answers whether it took it.
BindingPtr bindRefusingFunctions(std::string name, std::function<Value()> get,
                                 std::function<bool(const Value&)> set,
                                 std::optional<NumberRange> range = std::nullopt);

}  // namespace rt
