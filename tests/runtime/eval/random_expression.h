#pragma once
// Random filter expressions for the robustness tests: a tree that renders itself as filter
// text (with only the parentheses that precedence needs, and now and then a spare pair) and
// evaluates itself directly, so that the compiled filter can be checked against it.

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "runtime/eval/bind_scope.h"
#include "runtime/eval/filter.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"

namespace evaltest {

enum class Kind { Value, Not, Negate, Upper, Today, Binary };
enum class Op {
    Or,
    And,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Add,
    Sub,
    Mul,
    Div
};

struct OpInfo {
    const char* spelling;
    int precedence;
};

inline OpInfo opInfo(Op op) {
    switch (op) {
        case Op::Or:
            return {"OR", 1};
        case Op::And:
            return {"and", 2};
        case Op::Equal:
            return {"=", 4};
        case Op::NotEqual:
            return {"<>", 4};
        case Op::Less:
            return {"<", 4};
        case Op::LessEqual:
            return {"<=", 4};
        case Op::Greater:
            return {">", 4};
        case Op::GreaterEqual:
            return {">=", 4};
        case Op::Add:
            return {"+", 5};
        case Op::Sub:
            return {"-", 5};
        case Op::Mul:
            return {"*", 6};
        case Op::Div:
            return {"/", 6};
    }
    return {"?", 0};
}

inline rt::Value truthValue(bool b) {
    return rt::Value(b ? 1 : 0);
}

struct Node {
    Kind kind = Kind::Value;
    Op op = Op::Add;
    std::string spelling;  // of a value: a name or a literal as written
    rt::Value value;       // of a value
    bool spareParens = false;
    std::unique_ptr<Node> left, right;

    int precedence() const {
        switch (kind) {
            case Kind::Not:
                return 3;
            case Kind::Negate:
                return 7;
            case Kind::Binary:
                return opInfo(op).precedence;
            default:
                return 8;
        }
    }

    std::string render() const {
        std::string text = renderBare();
        return spareParens ? "(" + text + ")" : text;
    }

    std::string renderBare() const {
        switch (kind) {
            case Kind::Value:
                return spelling;
            case Kind::Today:
                return "Today()";
            case Kind::Upper:
                return "upper(" + left->render() + ")";
            case Kind::Not:
                return "NOT " + child(*left, left->precedence() < 3);
            case Kind::Negate:
                return "-" + child(*left, left->precedence() < 7);
            case Kind::Binary: {
                const int p = precedence();
                return child(*left, left->precedence() < p) + " " + opInfo(op).spelling + " " +
                       child(*right, right->precedence() <= p);
            }
        }
        return "";
    }

    static std::string child(const Node& node, bool parens) {
        std::string text = node.render();
        return parens ? "(" + text + ")" : text;
    }

    rt::Value evaluate() const {
        switch (kind) {
            case Kind::Value:
                return value;
            case Kind::Today:
                return rt::Value(rt::today());
            case Kind::Upper:
                return rt::Value(rt::upper(left->evaluate().asText()));
            case Kind::Not:
                return truthValue(!rt::isTrue(left->evaluate()));
            case Kind::Negate:
                return rt::Value(-left->evaluate().asNumber());
            case Kind::Binary:
                break;
        }
        const rt::Value a = left->evaluate();
        const rt::Value b = right->evaluate();
        int order = 0;
        if (a.isText() && b.isText()) {
            order = rt::compareText(a.text(), b.text());
        } else {
            order = a.asNumber() < b.asNumber() ? -1 : (a.asNumber() == b.asNumber() ? 0 : 1);
        }
        switch (op) {
            case Op::Or:
                return truthValue(rt::isTrue(a) || rt::isTrue(b));
            case Op::And:
                return truthValue(rt::isTrue(a) && rt::isTrue(b));
            case Op::Equal:
                return truthValue(order == 0);
            case Op::NotEqual:
                return truthValue(order != 0);
            case Op::Less:
                return truthValue(order < 0);
            case Op::LessEqual:
                return truthValue(order <= 0);
            case Op::Greater:
                return truthValue(order > 0);
            case Op::GreaterEqual:
                return truthValue(order >= 0);
            case Op::Add:
                return rt::Value(a.asNumber() + b.asNumber());
            case Op::Sub:
                return rt::Value(a.asNumber() - b.asNumber());
            case Op::Mul:
                return rt::Value(a.asNumber() * b.asNumber());
            case Op::Div:
                return rt::Value(a.asNumber() / b.asNumber());
        }
        return rt::Value();
    }
};

// Binds its names in the innermost scope when constructed.
class ExpressionGenerator {
  public:
    explicit ExpressionGenerator(std::mt19937& random) : random_(random) {
        const std::vector<std::pair<std::string, rt::Value>> bound = {
            {"Gen:Blank", rt::Value("     ")},
            {"GEN:FLAG", rt::Value("Y")},
            {"gen:count", rt::Value("  12")},
            {"Gen::Save:Name", rt::Value("Smith     ")},
            {"GEN:WORD", rt::Value("abc")},
            {"Gen:Zero", rt::Value(0)},
            {"Gen:Day", rt::Value(80000)},
            {"Gen:Minus", rt::Value(-3)},
            {"Gen:Rate", rt::Value(rt::Decimal("2.5"))},
        };
        for (const auto& [name, value] : bound) {
            rt::Value copy = value;
            rt::bind(name, [copy] { return copy; });
            leaves_.push_back({name, value});
        }
        for (const char* number : {"0", "1", "7", "2.5", "12", "0.10"}) {
            leaves_.push_back({number, rt::Value(*rt::Decimal::parse(number))});
        }
        for (const char* text : {"Y", " ", "", "it's", "abc", "12", "Smith"}) {
            std::string quoted = "'";
            for (const char* c = text; *c; ++c)
                quoted += *c == '\'' ? "''" : std::string(1, *c);
            leaves_.push_back({quoted + "'", rt::Value(text)});
        }
    }

    std::unique_ptr<Node> expression(int depth) {
        auto node = std::make_unique<Node>();
        std::uniform_int_distribution<int> choice(0, 9);
        const int c = depth <= 0 ? 0 : choice(random_);
        if (c <= 2) {
            std::uniform_int_distribution<std::size_t> pick(0, leaves_.size());
            const std::size_t i = pick(random_);
            if (i == leaves_.size()) {
                node->kind = Kind::Today;
            } else {
                node->spelling = leaves_[i].first;
                node->value = leaves_[i].second;
            }
        } else if (c == 3) {
            node->kind = Kind::Not;
        } else if (c == 4) {
            node->kind = Kind::Negate;
        } else if (c == 5) {
            node->kind = Kind::Upper;
        } else {
            node->kind = Kind::Binary;
            std::uniform_int_distribution<int> op(0, static_cast<int>(Op::Div));
            node->op = static_cast<Op>(op(random_));
        }
        if (node->kind != Kind::Value && node->kind != Kind::Today) {
            node->left = expression(depth - 1);
        }
        if (node->kind == Kind::Binary) node->right = expression(depth - 1);
        node->spareParens = choice(random_) == 0;
        return node;
    }

  private:
    std::mt19937& random_;
    std::vector<std::pair<std::string, rt::Value>> leaves_;
};

}  // namespace evaltest
