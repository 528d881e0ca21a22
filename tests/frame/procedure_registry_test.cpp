// Procedures called by name: a known name is found once registered, a misspelt one is
// refused at once on either side.
#include <gtest/gtest.h>

#include <stdexcept>

#include "frame/procedure_registry.h"

namespace {

TEST(ProcedureRegistry, KnownNamesAreFoundOnceRegisteredAndMisspeltOnesAreRefused) {
    RegisterProcedure("ShowCalculator", nullptr);
    EXPECT_FALSE(FindProcedure("ShowCalculator"));  // known, not registered

    int calls = 0;
    RegisterProcedure("ShowCalculator", [&] { ++calls; });
    ProcedureEntry found = FindProcedure("ShowCalculator");
    ASSERT_TRUE(found);
    found();
    EXPECT_EQ(calls, 1);
    RegisterProcedure("ShowCalculator", nullptr);

    for (const char* misspelt : {"ShowCalculater", "showcalculator", "BrowseMail", ""}) {
        EXPECT_THROW(FindProcedure(misspelt), std::logic_error) << misspelt;
        EXPECT_THROW(RegisterProcedure(misspelt, [] {}), std::logic_error) << misspelt;
    }
}

}  // namespace
