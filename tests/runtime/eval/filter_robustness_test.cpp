// Hostile filter texts: random bytes, random token soup, deep nesting and very long input
// must give a result or an error, never a crash or a stack overflow.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "runtime/eval/bind_scope.h"
#include "runtime/eval/filter.h"
#include "tests/runtime/eval/random_expression.h"

namespace {

class FilterRobustness : public ::testing::Test {
  protected:
    void SetUp() override {
        rt::bind("CHE:DONE", [this] { return rt::Value(done_); });
        rt::bind("CHE:X2", [this] { return rt::Value(count_); });
        rt::bind("MAI:CONTDAY", [this] { return rt::Value(day_); });
        rt::bind("Report:Save::CHE:LastName", [] { return rt::Value("Smith          "); });
    }

    // Compiles and, when that works, evaluates; checks that an error points into the text.
    // Answers whether the text compiled.
    static bool exercise(const std::string& text) {
        auto result = rt::Filter::compile(text);
        if (!result.ok()) {
            EXPECT_GE(result.error.position, 1u) << text;
            EXPECT_LE(result.error.position, text.size() + 1) << text;
            EXPECT_FALSE(result.error.message.empty()) << text;
            return false;
        }
        rt::Value value = result.filter->evaluate();
        EXPECT_EQ(result.filter->matches(), rt::isTrue(value)) << text;
        return true;
    }

    rt::BindScopeGuard scope_;
    std::string done_ = "Y";
    std::string count_ = "  12";
    long day_ = 80000;
};

TEST_F(FilterRobustness, RandomBytesNeverCrash) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> length(0, 60);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 3000; ++n) {
        std::string text(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : text)
            c = static_cast<char>(byte(random));
        exercise(text);
    }
}

TEST_F(FilterRobustness, RandomTokenSequencesNeverCrash) {
    const std::vector<std::string> vocabulary = {"Che:Done",
                                                 "che:x2",
                                                 "Mai:ContDay",
                                                 "Report:Save::CHE:LastName",
                                                 "Unbound:Name",
                                                 "'Y'",
                                                 "' '",
                                                 "''",
                                                 "'it''s'",
                                                 "0",
                                                 "1",
                                                 "2.5",
                                                 "99999999999999999999999999999999999",
                                                 "=",
                                                 "<>",
                                                 "<",
                                                 ">",
                                                 "<=",
                                                 ">=",
                                                 "+",
                                                 "-",
                                                 "*",
                                                 "/",
                                                 "(",
                                                 ")",
                                                 ",",
                                                 "AND",
                                                 "or",
                                                 "Not",
                                                 "Today()",
                                                 "UPPER(",
                                                 "today(",
                                                 "upper",
                                                 "'",
                                                 "#",
                                                 ":"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, vocabulary.size() - 1);
    std::uniform_int_distribution<int> length(0, 25);
    int compiledCount = 0;
    for (int n = 0; n < 4000; ++n) {
        std::string text;
        for (int k = length(random); k > 0; --k)
            text += vocabulary[pick(random)] + " ";
        if (exercise(text)) ++compiledCount;
    }
    // The soup must reach evaluation often enough to exercise it.
    EXPECT_GT(compiledCount, 100);
}

// Random well-formed expressions, written with only the parentheses that precedence needs,
// must compile and give the value that evaluating their tree directly gives.
TEST_F(FilterRobustness, RandomExpressionsAgreeWithTheirTrees) {
    std::mt19937 random(42);
    evaltest::ExpressionGenerator generator(random);
    for (int n = 0; n < 3000; ++n) {
        auto tree = generator.expression(5);
        const std::string text = tree->render();
        auto result = rt::Filter::compile(text);
        ASSERT_TRUE(result.ok()) << text << ": " << result.error.describe();
        const rt::Value expected = tree->evaluate();
        const rt::Value actual = result.filter->evaluate();
        if (expected.isNumber()) {
            ASSERT_TRUE(actual.isNumber()) << text;
            EXPECT_EQ(actual.number(), expected.number()) << text;
        } else {
            EXPECT_EQ(actual, expected) << text;
        }
    }
}

// The same expressions with a token dropped, doubled or swapped: errors or values, no crash.
TEST_F(FilterRobustness, MutatedExpressionsNeverCrash) {
    std::mt19937 random(99);
    evaltest::ExpressionGenerator generator(random);
    std::uniform_int_distribution<int> how(0, 2);
    for (int n = 0; n < 3000; ++n) {
        std::string text = generator.expression(4)->render();
        std::uniform_int_distribution<std::size_t> at(0, text.size() - 1);
        const std::size_t i = at(random);
        const std::size_t j = at(random);
        switch (how(random)) {
            case 0:
                text.erase(i, 1 + j % 3);
                break;
            case 1:
                text.insert(i, text.substr(j, 3));
                break;
            default:
                std::swap(text[i], text[j]);
                break;
        }
        exercise(text);
    }
}

TEST_F(FilterRobustness, HugeNumbersStayOutOfRangeInsteadOfWrapping) {
    const std::string big(30, '9');
    auto result = rt::Filter::compile(big + " * " + big + " * " + big + " > 0");
    ASSERT_TRUE(result.ok());
    // An out-of-range product sorts above every other value: it is not a wrapped negative.
    EXPECT_TRUE(result.filter->matches());
}

TEST_F(FilterRobustness, NestingIsLimited) {
    const int limit = rt::Filter::kMaxNesting;
    auto nested = [](int depth, const std::string& open) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += open;
        text += "Che:x2";
        text += std::string(static_cast<std::size_t>(depth), ')');
        return text + " = 12";
    };
    for (const std::string open : {"(", "UPPER("}) {
        auto deepest = rt::Filter::compile(nested(limit, open));
        ASSERT_TRUE(deepest.ok()) << deepest.error.describe();
        EXPECT_TRUE(deepest.filter->matches());

        auto tooDeep = rt::Filter::compile(nested(limit + 1, open));
        ASSERT_FALSE(tooDeep.ok());
        EXPECT_EQ(tooDeep.error.position, static_cast<std::size_t>(limit) * open.size() + 1);
        EXPECT_EQ(tooDeep.error.message, "parentheses nested more than 100 deep");
    }
    auto absurd = rt::Filter::compile(std::string(1'000'000, '('));
    EXPECT_FALSE(absurd.ok());
}

TEST_F(FilterRobustness, LongFlatInputEvaluatesWithoutDeepStack) {
    const int terms = 200'000;
    std::string sum = "0";
    std::string negations;
    for (int i = 0; i < terms; ++i) {
        sum += " + Che:x2";
        negations += "NOT ";
    }
    auto added = rt::Filter::compile(sum);
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.filter->evaluate().number(), rt::Decimal(12LL * terms));

    auto negated = rt::Filter::compile(negations + "- Che:x2");
    ASSERT_TRUE(negated.ok());
    EXPECT_TRUE(negated.filter->matches());  // an even number of NOTs of a true value

    const std::string longText(1'000'000, 'x');
    auto literal = rt::Filter::compile("'" + longText + "' > Che:Done");
    ASSERT_TRUE(literal.ok());
    EXPECT_TRUE(literal.filter->matches());
}

}  // namespace
