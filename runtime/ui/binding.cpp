#include "runtime/ui/binding.h"

#include "runtime/text/fixed_text.h"

namespace rt {
namespace {

class FunctionBinding : public Binding {
  public:
    FunctionBinding(std::string name, std::function<Value()> get,
                    std::function<bool(const Value&)> set, std::optional<NumberRange> range)
        : name_(std::move(name)), get_(std::move(get)), set_(std::move(set)), range_(range) {}
    const std::string& name() const override { return name_; }
    Value get() const override { return get_(); }
    bool set(const Value& value) override { return set_(value); }
    std::optional<NumberRange> numberRange() const override { return range_; }

  private:
    std::string name_;
    std::function<Value()> get_;
    std::function<bool(const Value&)> set_;
    std::optional<NumberRange> range_;
};

long long toWhole(const Value& value) {
    // Whole-number variables truncate as an assignment to LONG does.
    return value.asNumber().toInteger();
}

}  // namespace

BindingPtr bindFixedText(std::string name, std::span<char> field) {
    return bindFunctions(
        std::move(name), [field] { return Value(std::string(field.begin(), field.end())); },
        [field](const Value& v) { assignFixed(field, v.asText()); });
}

BindingPtr bindText(std::string name, std::string& text) {
    return bindFunctions(
        std::move(name), [&text] { return Value(text); },
        [&text](const Value& v) { text = v.asText(); });
}

BindingPtr bindLong(std::string name, long& number) {
    return bindFunctions(
        std::move(name), [&number] { return Value(number); },
        [&number](const Value& v) { number = static_cast<long>(toWhole(v)); });
}

BindingPtr bindFunctions(std::string name, std::function<Value()> get,
                         std::function<void(const Value&)> set) {
    return bindRefusingFunctions(std::move(name), std::move(get),
                                 [set = std::move(set)](const Value& v) {
                                     set(v);
                                     return true;
                                 });
}

BindingPtr bindRefusingFunctions(std::string name, std::function<Value()> get,
                                 std::function<bool(const Value&)> set,
                                 std::optional<NumberRange> range) {
    return std::make_shared<FunctionBinding>(std::move(name), std::move(get), std::move(set),
                                             range);
}

}  // namespace rt
