// A thousand contacts with every exported field filled go out through the export chooser and
// come back through the import assigner into an empty folder, equal field by field.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "data_exchange/data_exchange_procedures.h"
#include "data_exchange/field_tables.h"
#include "data_exchange/record_values.h"
#include "records/mail.h"
#include "runtime/ui/driver.h"
#include "tests/support/file_bytes.h"
#include "tests/support/run_timers.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kContacts = 1000;

// The value of field `name` for contact `n`: text with commas, quotes and (in memos) line
// breaks; numbers within their fields; dates within the two-digit years the picture reads.
std::string generated(const std::string& name, int n) {
    const std::string upper = [&] {
        std::string u = name;
        std::transform(u.begin(), u.end(), u.begin(), ::toupper);
        return u;
    }();
    if (upper == "MAI:AMOUNT" || upper == "MAI:MONTHLYAMOUNT")
        return std::to_string(n % 2 ? -n : n) + "." + std::to_string(n % 100 / 10) + "5";
    if (upper == "MAI:DRAFTDAY") return std::to_string(n % 28 + 1);
    if (upper == "MAI:LEVEL") return std::to_string(n % 10);
    if (upper.rfind("MAI:L", 0) == 0 && upper.size() <= 7 && isdigit(upper[5]))
        return std::to_string(n % 900) + ".25";
    if (upper == "MAI:CHECKDATE") return std::to_string(30000 + n);
    if (upper == "MAI:DATE" || upper == "MAI:ACCESSDATE" || upper == "MAI:CONTDAY")
        return std::to_string(73000 + n * 7);  // 2000 to 2020
    if (upper.rfind("MAI:EXT", 0) == 0) return std::to_string(100 + n % 900);
    if (upper == "MAI:APPOINTMENTTIME") return "10:" + std::to_string(10 + n % 50);
    if (upper == "MAI:APPOINTMENTDATE") return "03/15/2024";
    if (upper == "MAI:NOTES3" || upper == "MAI:CONTACTNOTES" || upper == "MAI:CONTACTLETTER" ||
        upper == "MAI:CONTACTRESULTS" || upper == "MAI:LETTER" || upper == "MAI:APPOINTMENTNOTES")
        return "Said \"call me\", " + std::to_string(n) + "\r\nsecond line, \"quoted\"\r\n  end";
    return "\"" + std::to_string(n) + ",x";  // cut to the field's width by the buffer
}

std::vector<std::string> exportedValues(const std::vector<ExportField>& fields) {
    std::vector<std::string> out;
    for (const ExportField& f : fields)
        out.push_back(recordValue(MAIL, f.name).asText());
    return out;
}

TEST(RoundTrip, AThousandContactsComeBackFieldByField) {
    const std::vector<ExportField>& fields = contactExportFields();
    testsupport::TempDir first{/*enter=*/true};
    const std::filesystem::path file = first.path() / "contacts.csv";
    std::vector<std::vector<std::string>> original;
    MAIL.create();
    MAIL.open();
    for (int n = 1; n <= kContacts; ++n) {
        MAIL.clear();
        for (const ExportField& f : fields)
            ASSERT_FALSE(storeImportedText(MAIL, f.name, generated(f.name, n)));
        ASSERT_EQ(MAIL.add(), 0);
        original.push_back(exportedValues(fields));
    }
    MAIL.close();

    // Pictures the user gives: the time and the check date (a SHORT day number before 1900,
    // outside the two-digit years) are written plainly; the appointment date is a text.
    const std::vector<std::pair<int, std::string>> exportPictures = {
        {18, "@n6"}, {67, "@s20"}, {68, "@s5"}};
    {
        rt::Driver driver;
        driver.start(&ExportMAIL);
        driver.waitWindow("Choose Fields for Export...");
        driver.click(rt::ControlName::parse("1"), 1, "LeftClick");
        driver.click(rt::ControlName::parse("1"), 85, "Shift+LeftClick");
        driver.press("&Add ->");
        for (const auto& [row, picture] : exportPictures) {
            driver.choose(rt::ControlName::parse("7"), row);
            driver.press("&Picture");
            driver.waitWindow("Enter Picture...");
            driver.type("LOC:Picture", picture);
            driver.press("&OK");
            driver.waitWindow("Choose Fields for Export...");
        }
        driver.press("&OK");
        driver.answer(file.string());
        testsupport::runTimersToEnd(driver);
        ASSERT_TRUE(driver.finish());
    }

    testsupport::TempDir second{/*enter=*/true};
    {
        rt::Driver driver;
        driver.start(&ImportMAIL);
        driver.answer(file.string());
        driver.waitWindow("Assign fields for Import...");
        const std::vector<std::string>& targets = contactImportTargets();
        for (std::size_t column = 1; column <= fields.size(); ++column) {
            const std::string& name = fields[column - 1].name;
            const int target = static_cast<int>(std::find(targets.begin(), targets.end(), name) -
                                                targets.begin()) +
                               1;
            driver.choose(rt::ControlName::parse("1"), static_cast<int>(column));
            driver.choose(rt::ControlName::parse("2"), target);
            driver.press("&Assign");
            if (fields[column - 1].picture == "@d1" && column != 18 && column != 67) {
                driver.press("&Picture");
                driver.waitWindow("Enter Picture...");
                driver.type("LOC:Picture", "@d1");
                driver.press("&OK");
                driver.waitWindow("Assign fields for Import...");
            }
        }
        driver.press("&OK");
        testsupport::runTimersToEnd(driver);
        ASSERT_TRUE(driver.finish());
    }

    MAIL.open();
    ASSERT_EQ(MAIL.records(), kContacts);
    MAIL.set();
    for (int n = 1; n <= kContacts; ++n) {
        ASSERT_EQ(MAIL.next(), 0);
        std::vector<std::string> back = exportedValues(fields);
        for (std::size_t f = 0; f < fields.size(); ++f)
            ASSERT_EQ(back[f], original[n - 1][f]) << "contact " << n << ", " << fields[f].name;
    }
    MAIL.close();
}

}  // namespace
