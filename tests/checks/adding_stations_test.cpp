// Checks added by several stations at once: a check being added belongs to its station until
// it is saved or cancelled, and a station killed while adding leaves no check behind.

#include <gtest/gtest.h>

#include "checks/check_procedures.h"
#include "records/checks.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/adding_stations.h"
#include "tests/support/temp_dir.h"

namespace {

testsupport::AddingForm checkForm() {
    return {&UpdateCheck,
            "Enter Check Information",
            "CHE:FIRSTNAME",
            records::checksDeclaration(),
            "CHE:CHECKID",
            {{"CHE:CHECKNUMBER", "1001"},
             {"CHE:PAYTO", "Acme"},
             {"CHE:MONTHLYAMOUNT", "10.00"},
             {"CHE:AMOUNT", "10.00"},
             {"CHE:BANKNAME", "First Bank"},
             {"CHE:TRANSIT", "123456789"},
             {"CHE:ACCOUNTNUMBER", "987654"}}};
}

TEST(AddingChecks, TwoStationsAddingAtOnceEachKeepTheirOwnCheck) {
    testsupport::TempDir dir{/*enter=*/true};
    testsupport::raceTwoStations(checkForm(), [] { checktest::makeChecks({}); });
}

TEST(AddingChecks, StationsKilledWhileAddingLeaveNoCheckBehind) {
    testsupport::TempDir dir{/*enter=*/true};
    checktest::makeChecks({});
    testsupport::killWhileAdding(checkForm(), 25);
}

}  // namespace
