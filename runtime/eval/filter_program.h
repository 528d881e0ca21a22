#pragma once
// The compiled form of a filter: a postfix program run on a value stack. A flat program
// keeps evaluation free of recursion, so no input can exhaust the machine stack.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "runtime/eval/bind_scope.h"
#include "runtime/text/value.h"

namespace rt::filter_detail {

enum class OpCode : std::uint8_t {
    PushConstant,  // argument: index into constants
    PushBound,     // argument: index into getters
    Today,
    Upper,
    Negate,
    Not,
    Truth,  // replaces the top with 1 or 0
    // Short-circuit: when the top decides the result, replace it with 1 or 0 and jump to
    // the argument; otherwise drop it and go on with the right operand.
    AndJump,
    OrJump,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Add,
    Subtract,
    Multiply,
    Divide,
};

struct Instruction {
    OpCode op;
    std::uint32_t argument = 0;
};

struct Program {
    std::string text;
    std::vector<Instruction> code;
    std::vector<Value> constants;
    std::vector<std::shared_ptr<const BindGetter>> getters;
    std::size_t maxStack = 0;
};

struct CompileError {
    std::size_t position;
    std::string message;
};

// Compiles a filter text that is not blank; the names are looked up with findBinding().
std::variant<Program, CompileError> compileProgram(std::string_view text);

}  // namespace rt::filter_detail
