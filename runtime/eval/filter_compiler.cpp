// Turns tokens into a postfix program with an operator stack (shunting-yard), so that
// compiling uses no recursion either; nesting is still limited to keep programs sane.

#include <algorithm>
#include <optional>
#include <utility>

#include "runtime/eval/filter.h"
#include "runtime/eval/filter_lexer.h"
#include "runtime/eval/filter_program.h"

namespace rt::filter_detail {

namespace {

enum class Function { Today, Upper };

struct FunctionInfo {
    Function function;
    const char* name;
    int arity;
    OpCode op;
};

constexpr FunctionInfo kFunctions[] = {
    {Function::Today, "TODAY", 0, OpCode::Today},
    {Function::Upper, "UPPER", 1, OpCode::Upper},
};

const FunctionInfo* findFunction(std::string_view name) {
    for (const FunctionInfo& info : kFunctions) {
        std::string_view wanted = info.name;
        if (name.size() != wanted.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i) {
            char c = name[i];
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            same = c == wanted[i];
        }
        if (same) return &info;
    }
    return nullptr;
}

struct BinaryInfo {
    OpCode op;
    int precedence;
};

std::optional<BinaryInfo> binaryOperator(TokenKind kind) {
    switch (kind) {
        case TokenKind::Or:
            return BinaryInfo{OpCode::OrJump, 1};
        case TokenKind::And:
            return BinaryInfo{OpCode::AndJump, 2};
        case TokenKind::Equal:
            return BinaryInfo{OpCode::Equal, 4};
        case TokenKind::NotEqual:
            return BinaryInfo{OpCode::NotEqual, 4};
        case TokenKind::Less:
            return BinaryInfo{OpCode::Less, 4};
        case TokenKind::LessEqual:
            return BinaryInfo{OpCode::LessEqual, 4};
        case TokenKind::Greater:
            return BinaryInfo{OpCode::Greater, 4};
        case TokenKind::GreaterEqual:
            return BinaryInfo{OpCode::GreaterEqual, 4};
        case TokenKind::Plus:
            return BinaryInfo{OpCode::Add, 5};
        case TokenKind::Minus:
            return BinaryInfo{OpCode::Subtract, 5};
        case TokenKind::Times:
            return BinaryInfo{OpCode::Multiply, 6};
        case TokenKind::Divide:
            return BinaryInfo{OpCode::Divide, 6};
        default:
            return std::nullopt;
    }
}

constexpr int kNotPrecedence = 3;
constexpr int kNegatePrecedence = 7;

std::string describeToken(const Token& token) {
    switch (token.kind) {
        case TokenKind::Name:
            return token.text;
        case TokenKind::Number:
            return token.text;
        case TokenKind::Text:
            return "a text literal";
        case TokenKind::And:
            return "AND";
        case TokenKind::Or:
            return "OR";
        case TokenKind::Not:
            return "NOT";
        case TokenKind::Equal:
            return "'='";
        case TokenKind::NotEqual:
            return "'<>'";
        case TokenKind::Less:
            return "'<'";
        case TokenKind::LessEqual:
            return "'<='";
        case TokenKind::Greater:
            return "'>'";
        case TokenKind::GreaterEqual:
            return "'>='";
        case TokenKind::Plus:
            return "'+'";
        case TokenKind::Minus:
            return "'-'";
        case TokenKind::Times:
            return "'*'";
        case TokenKind::Divide:
            return "'/'";
        case TokenKind::OpenParen:
            return "'('";
        case TokenKind::CloseParen:
            return "')'";
        case TokenKind::Comma:
            return "','";
        case TokenKind::End:
            return "the end of the filter";
        case TokenKind::Error:
            return token.text;
    }
    return "?";
}

// An entry of the operator stack: an operator waiting for its right operand, or an open
// parenthesis (of a group or of a function's arguments).
struct Pending {
    enum class Kind { Operator, Paren } kind;
    OpCode op;
    int precedence = 0;
    std::size_t position = 0;
    std::size_t jumpAt = 0;  // AndJump/OrJump: the instruction whose target is patched
    const FunctionInfo* function = nullptr;
    int arguments = 0;
};

class Compiler {
  public:
    explicit Compiler(std::string_view text) : lexer_(text) {}

    std::optional<CompileError> run(Program& program) {
        program_ = &program;
        bool expectOperand = true;
        for (;;) {
            Token token = take();
            if (token.kind == TokenKind::Error) return CompileError{token.position, token.text};
            if (expectOperand) {
                if (auto error = operand(token, expectOperand)) return error;
            } else {
                if (auto error = afterOperand(token, expectOperand)) return error;
                if (token.kind == TokenKind::End) return std::nullopt;
            }
        }
    }

  private:
    Token take() {
        if (!hasPeeked_) return lexer_.next();
        hasPeeked_ = false;
        return std::move(peeked_);
    }

    const Token& peek() {
        if (!hasPeeked_) {
            peeked_ = lexer_.next();
            hasPeeked_ = true;
        }
        return peeked_;
    }

    std::optional<CompileError> operand(const Token& token, bool& expectOperand) {
        switch (token.kind) {
            case TokenKind::Name: {
                if (peek().kind == TokenKind::OpenParen) return functionCall(token, expectOperand);
                auto getter = findBinding(token.text);
                if (!getter) return CompileError{token.position, token.text + " is not bound"};
                program_->getters.push_back(std::move(getter));
                emit(OpCode::PushBound, program_->getters.size() - 1);
                expectOperand = false;
                return std::nullopt;
            }
            case TokenKind::Number: {
                auto number = Decimal::parse(token.text);
                if (!number) return CompileError{token.position, "number too long"};
                pushConstant(Value(*number));
                expectOperand = false;
                return std::nullopt;
            }
            case TokenKind::Text:
                pushConstant(Value(token.text));
                expectOperand = false;
                return std::nullopt;
            case TokenKind::Not:
                pending_.push_back({Pending::Kind::Operator, OpCode::Not, kNotPrecedence});
                return std::nullopt;
            case TokenKind::Minus:
                pending_.push_back({Pending::Kind::Operator, OpCode::Negate, kNegatePrecedence});
                return std::nullopt;
            case TokenKind::OpenParen:
                return openParen(token.position, nullptr);
            default:
                return CompileError{token.position,
                                    "a value is expected before " + describeToken(token)};
        }
    }

    std::optional<CompileError> functionCall(const Token& name, bool& expectOperand) {
        const FunctionInfo* function = findFunction(name.text);
        if (!function) return CompileError{name.position, "unknown function " + name.text};
        take();  // the '('
        if (auto error = openParen(name.position, function)) return error;
        if (peek().kind == TokenKind::CloseParen) {
            Token close = take();
            if (auto error = closeParen(close, /*emptyArguments=*/true)) return error;
            expectOperand = false;
        }
        return std::nullopt;
    }

    std::optional<CompileError> openParen(std::size_t position, const FunctionInfo* function) {
        if (++nesting_ > Filter::kMaxNesting) {
            return CompileError{position, "parentheses nested more than " +
                                              std::to_string(Filter::kMaxNesting) + " deep"};
        }
        Pending paren{Pending::Kind::Paren, OpCode::Truth};
        paren.position = position;
        paren.function = function;
        pending_.push_back(paren);
        return std::nullopt;
    }

    std::optional<CompileError> afterOperand(const Token& token, bool& expectOperand) {
        if (auto binary = binaryOperator(token.kind)) {
            popOperators(binary->precedence);
            Pending op{Pending::Kind::Operator, binary->op, binary->precedence, token.position};
            if (binary->op == OpCode::AndJump || binary->op == OpCode::OrJump) {
                op.jumpAt = program_->code.size();
                emit(binary->op, 0);
            }
            pending_.push_back(op);
            expectOperand = true;
            return std::nullopt;
        }
        switch (token.kind) {
            case TokenKind::CloseParen:
                return closeParen(token, /*emptyArguments=*/false);
            case TokenKind::Comma: {
                popOperators(0);
                if (pending_.empty() || !pending_.back().function) {
                    return CompileError{token.position, "',' outside a function's arguments"};
                }
                ++pending_.back().arguments;
                expectOperand = true;
                return std::nullopt;
            }
            case TokenKind::End:
                popOperators(0);
                if (!pending_.empty()) {
                    return CompileError{pending_.back().position, "'(' without its ')'"};
                }
                return std::nullopt;
            default:
                return CompileError{token.position, "an operator or the end is expected before " +
                                                        describeToken(token)};
        }
    }

    std::optional<CompileError> closeParen(const Token& token, bool emptyArguments) {
        popOperators(0);
        if (pending_.empty()) return CompileError{token.position, "')' without its '('"};
        Pending paren = pending_.back();
        pending_.pop_back();
        --nesting_;
        if (paren.function) {
            // An argument list that is not empty holds one more argument than its commas.
            const int arguments = emptyArguments ? 0 : paren.arguments + 1;
            if (arguments != paren.function->arity) {
                return CompileError{paren.position,
                                    std::string(paren.function->name) + " takes " +
                                        std::to_string(paren.function->arity) +
                                        (paren.function->arity == 1 ? " argument" : " arguments")};
            }
            emit(paren.function->op, 0);
        }
        return std::nullopt;
    }

    // Emits the waiting operators that bind at least as tightly as `precedence`, down to
    // the nearest open parenthesis.
    void popOperators(int precedence) {
        while (!pending_.empty() && pending_.back().kind == Pending::Kind::Operator &&
               pending_.back().precedence >= precedence) {
            Pending op = pending_.back();
            pending_.pop_back();
            if (op.op == OpCode::AndJump || op.op == OpCode::OrJump) {
                emit(OpCode::Truth, 0);
                program_->code[op.jumpAt].argument =
                    static_cast<std::uint32_t>(program_->code.size());
            } else {
                emit(op.op, 0);
            }
        }
    }

    void pushConstant(Value value) {
        program_->constants.push_back(std::move(value));
        emit(OpCode::PushConstant, program_->constants.size() - 1);
    }

    void emit(OpCode op, std::size_t argument) {
        program_->code.push_back(Instruction{op, static_cast<std::uint32_t>(argument)});
        switch (op) {
            case OpCode::PushConstant:
            case OpCode::PushBound:
            case OpCode::Today:
                ++depth_;
                break;
            case OpCode::Upper:
            case OpCode::Negate:
            case OpCode::Not:
            case OpCode::Truth:
                break;
            default:
                --depth_;
                break;  // binary operators; AndJump/OrJump drop the left side
        }
        program_->maxStack = std::max(program_->maxStack, depth_);
    }

    Lexer lexer_;
    Token peeked_;
    bool hasPeeked_ = false;
    std::vector<Pending> pending_;
    Program* program_ = nullptr;
    std::size_t depth_ = 0;
    int nesting_ = 0;
};

}  // namespace

std::variant<Program, CompileError> compileProgram(std::string_view text) {
    Program program;
    program.text = std::string(text);
    Compiler compiler(text);
    if (auto error = compiler.run(program)) return std::move(*error);
    return program;
}

}  // namespace rt::filter_detail
