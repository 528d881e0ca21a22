#include "runtime/eval/bind_scope.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "runtime/eval/filter.h"

namespace {

// The text a name yields in the innermost scope, or "<unbound>".
std::string lookUp(std::string_view name) {
    auto getter = rt::findBinding(name);
    return getter ? (*getter)().asText() : "<unbound>";
}

TEST(BindScope, NamesMatchWithoutRegardToCaseAndMayHoldColons) {
    rt::BindScopeGuard scope;
    ASSERT_TRUE(rt::bind("MAI:LASTNAME", [] { return rt::Value("Miller"); }));
    ASSERT_TRUE(rt::bind("Report:Save::CHE:LastName", [] { return rt::Value("Smith"); }));
    EXPECT_EQ(lookUp("mai:lastname"), "Miller");
    EXPECT_EQ(lookUp("Mai:LastName"), "Miller");
    EXPECT_EQ(lookUp("REPORT:SAVE::che:lastname"), "Smith");
    EXPECT_EQ(lookUp("Report:Save:CHE:LastName"), "<unbound>");

    // Binding again under another spelling replaces the getter.
    ASSERT_TRUE(rt::bind("mai:LastName", [] { return rt::Value("Jones"); }));
    EXPECT_EQ(lookUp("MAI:LASTNAME"), "Jones");

    EXPECT_TRUE(rt::unbind("Mai:Lastname"));
    EXPECT_EQ(lookUp("MAI:LASTNAME"), "<unbound>");
    EXPECT_FALSE(rt::unbind("MAI:LASTNAME"));
}

TEST(BindScope, RefusesNamesAFilterCannotSpellAndEmptyGetters) {
    rt::BindScopeGuard scope;
    auto getter = [] { return rt::Value(1); };
    for (const char* bad : {"", "1ABC", ":ABC", "MAI LASTNAME", "MAI-X", "A'B"}) {
        EXPECT_FALSE(rt::bind(bad, getter)) << bad;
    }
    EXPECT_FALSE(rt::bind("MAI:X", rt::BindGetter()));
    EXPECT_EQ(lookUp("MAI:X"), "<unbound>");
    EXPECT_TRUE(rt::bind("_local:x9", getter));
}

TEST(BindScope, CalleeHidesCallerNamesUntilItReturns) {
    const int base = rt::bindScopeDepth();
    rt::BindScopeGuard caller;
    EXPECT_EQ(rt::bindScopeDepth(), base + 1);
    rt::bind("CHE:DONE", [] { return rt::Value("Y"); });
    rt::bind("CHE:X2", [] { return rt::Value("3"); });
    {
        rt::BindScopeGuard callee;
        EXPECT_EQ(rt::bindScopeDepth(), base + 2);
        EXPECT_EQ(lookUp("CHE:DONE"), "<unbound>");
        EXPECT_FALSE(rt::Filter::compile("Che:Done = 'Y'").ok());
        rt::bind("CHE:DONE", [] { return rt::Value("N"); });
        EXPECT_EQ(lookUp("CHE:DONE"), "N");
        EXPECT_FALSE(rt::unbind("CHE:X2"));  // the caller's name is out of reach
    }
    EXPECT_EQ(rt::bindScopeDepth(), base + 1);
    EXPECT_EQ(lookUp("CHE:DONE"), "Y");
    EXPECT_EQ(lookUp("CHE:X2"), "3");
}

TEST(BindScope, ExplicitCloseAndGuardDoNotCloseTwice) {
    const int base = rt::bindScopeDepth();
    rt::BindScopeGuard outer;
    rt::bind("A", [] { return rt::Value("outer"); });
    {
        rt::BindScopeGuard procedure;
        rt::bind("A", [] { return rt::Value("inner"); });
        procedure.close();  // the return routine closes the scope itself
        EXPECT_EQ(lookUp("A"), "outer");
        procedure.close();
        EXPECT_EQ(rt::bindScopeDepth(), base + 1);
    }  // the guard's destructor must leave the caller's scope alone
    EXPECT_EQ(rt::bindScopeDepth(), base + 1);
    EXPECT_EQ(lookUp("A"), "outer");

    // A scope closed with closeBindScope() is not closed again by its guard, even after
    // another scope took its place at the same depth.
    {
        rt::BindScopeGuard first;
        EXPECT_TRUE(rt::closeBindScope());
        const int reopened = rt::openBindScope();
        EXPECT_EQ(reopened, base + 2);
        rt::bind("A", [] { return rt::Value("second"); });
        first.close();
        EXPECT_EQ(lookUp("A"), "second");
        EXPECT_TRUE(rt::closeBindScope());
    }
    EXPECT_EQ(lookUp("A"), "outer");
}

TEST(BindScope, GuardClosesScopesLeftOpenInsideIt) {
    const int base = rt::bindScopeDepth();
    {
        rt::BindScopeGuard procedure;
        rt::openBindScope();
        rt::openBindScope();
        EXPECT_EQ(rt::bindScopeDepth(), base + 3);
    }
    EXPECT_EQ(rt::bindScopeDepth(), base);
}

TEST(BindScope, BaseScopeStaysOpen) {
    std::thread fresh([] {
        EXPECT_EQ(rt::bindScopeDepth(), 0);
        EXPECT_FALSE(rt::closeBindScope());
        EXPECT_TRUE(rt::bind("GLO:Request", [] { return rt::Value(0); }));
        EXPECT_EQ(lookUp("glo:request"), "0");
        EXPECT_EQ(rt::bindScopeDepth(), 0);
    });
    fresh.join();
}

TEST(BindScope, EachThreadHasItsOwnScopes) {
    rt::BindScopeGuard mainScope;
    rt::bind("MAI:LEVEL", [] { return rt::Value(1); });
    const int mainDepth = rt::bindScopeDepth();

    std::thread panel([] {
        EXPECT_EQ(rt::bindScopeDepth(), 0);
        EXPECT_EQ(lookUp("MAI:LEVEL"), "<unbound>");
        rt::BindScopeGuard panelScope;
        rt::bind("MAI:LEVEL", [] { return rt::Value(7); });
        auto compiled = rt::Filter::compile("MAI:Level = 7");
        ASSERT_TRUE(compiled.ok());
        EXPECT_TRUE(compiled.filter->matches());
        {
            rt::BindScopeGuard nested;
            EXPECT_EQ(lookUp("MAI:LEVEL"), "<unbound>");
        }
        EXPECT_EQ(lookUp("MAI:LEVEL"), "7");
    });
    panel.join();

    EXPECT_EQ(rt::bindScopeDepth(), mainDepth);
    EXPECT_EQ(lookUp("MAI:LEVEL"), "1");
}

}  // namespace
