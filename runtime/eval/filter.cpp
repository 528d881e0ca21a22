#include "runtime/eval/filter.h"

#include <compare>
#include <utility>
#include <vector>

#include "runtime/eval/filter_program.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"

namespace rt {

namespace {

using filter_detail::OpCode;

const Value& boolValue(bool b) {
    static const Value kTrue(1);
    static const Value kFalse(0);
    return b ? kTrue : kFalse;
}

// Text against text compares blank padded; anything involving a number compares as numbers.
std::strong_ordering compareValues(const Value& a, const Value& b) {
    if (a.isText() && b.isText()) return compareText(a.text(), b.text()) <=> 0;
    return a.asNumber() <=> b.asNumber();
}

// Blank in the lexer's sense: nothing but blanks, tabs and line breaks.
bool isBlankText(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool comparisonHolds(OpCode op, std::strong_ordering order) {
    switch (op) {
        case OpCode::Equal:
            return order == 0;
        case OpCode::NotEqual:
            return order != 0;
        case OpCode::Less:
            return order < 0;
        case OpCode::LessEqual:
            return order <= 0;
        case OpCode::Greater:
            return order > 0;
        default:
            return order >= 0;  // GreaterEqual
    }
}

Decimal arithmetic(OpCode op, const Decimal& a, const Decimal& b) {
    switch (op) {
        case OpCode::Add:
            return a + b;
        case OpCode::Subtract:
            return a - b;
        case OpCode::Multiply:
            return a * b;
        default:
            return a / b;  // Divide; dividing by 0 gives 0
    }
}

}  // namespace

std::string FilterError::describe() const {
    return "position " + std::to_string(position) + ": " + message;
}

bool isTrue(const Value& value) {
    if (value.isNumber()) return !value.number().isZero();
    return !clip(value.text()).empty();
}

FilterResult Filter::compile(std::string_view text) {
    FilterResult result;
    if (isBlankText(text)) {
        result.filter = Filter();
        return result;
    }
    auto compiled = filter_detail::compileProgram(text);
    if (auto* error = std::get_if<filter_detail::CompileError>(&compiled)) {
        result.error = FilterError{error->position, std::move(error->message)};
        return result;
    }
    Filter filter;
    filter.program_ = std::make_shared<const filter_detail::Program>(
        std::move(std::get<filter_detail::Program>(compiled)));
    result.filter = std::move(filter);
    return result;
}

const std::string& Filter::text() const {
    static const std::string kEmpty;
    return program_ ? program_->text : kEmpty;
}

Value Filter::evaluate() const {
    if (!program_) return boolValue(true);
    const filter_detail::Program& program = *program_;
    // Borrow this thread's spare stack so that evaluating record after record allocates
    // nothing; a nested evaluation (from a getter) finds the spare taken and makes its own.
    thread_local std::vector<Value> spare;
    std::vector<Value> stack = std::move(spare);
    stack.clear();
    stack.reserve(program.maxStack);
    const std::size_t size = program.code.size();
    for (std::size_t pc = 0; pc < size; ++pc) {
        const filter_detail::Instruction& instruction = program.code[pc];
        switch (instruction.op) {
            case OpCode::PushConstant:
                stack.push_back(program.constants[instruction.argument]);
                break;
            case OpCode::PushBound:
                stack.push_back((*program.getters[instruction.argument])());
                break;
            case OpCode::Today:
                stack.push_back(Value(today()));
                break;
            case OpCode::Upper:
                stack.back() = Value(upper(stack.back().asText()));
                break;
            case OpCode::Negate:
                stack.back() = Value(-stack.back().asNumber());
                break;
            case OpCode::Not:
                stack.back() = boolValue(!isTrue(stack.back()));
                break;
            case OpCode::Truth:
                stack.back() = boolValue(isTrue(stack.back()));
                break;
            case OpCode::AndJump:
            case OpCode::OrJump: {
                const bool truth = isTrue(stack.back());
                if (truth == (instruction.op == OpCode::OrJump)) {
                    stack.back() = boolValue(truth);
                    pc = instruction.argument - 1;  // the loop's ++pc lands on the target
                } else {
                    stack.pop_back();
                }
                break;
            }
            default: {
                Value right = std::move(stack.back());
                stack.pop_back();
                Value& left = stack.back();
                if (instruction.op >= OpCode::Equal && instruction.op <= OpCode::GreaterEqual) {
                    left = boolValue(comparisonHolds(instruction.op, compareValues(left, right)));
                } else {
                    left = Value(arithmetic(instruction.op, left.asNumber(), right.asNumber()));
                }
                break;
            }
        }
    }
    Value result = std::move(stack.back());
    stack.clear();
    if (stack.capacity() <= 256) spare = std::move(stack);
    return result;
}

bool Filter::matches() const {
    return !program_ || isTrue(evaluate());
}

}  // namespace rt
