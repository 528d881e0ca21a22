// A thousand contacts go out through the export chooser and come back through the import
// assigner into an empty folder, equal field by field: once with every field filled and a few
// pictures changed, once with every picture left as the chooser offers it and half the fields
// blank.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data_exchange/csv_format.h"
#include "data_exchange/data_exchange_procedures.h"
#include "data_exchange/field_tables.h"
#include "data_exchange/record_values.h"
#include "drivers/driver.h"
#include "records/mail.h"
#include "tests/support/run_timers.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kContacts = 1000;

bool isMemo(const std::string& upper) {
    return upper == "MAI:NOTES3" || upper == "MAI:CONTACTNOTES" || upper == "MAI:CONTACTLETTER" ||
           upper == "MAI:CONTACTRESULTS" || upper == "MAI:LETTER" ||
           upper == "MAI:APPOINTMENTNOTES";
}

// The value of field `name` for contact `n`: text with commas, quotes, accents and (in memos)
// line breaks; numbers within their fields; dates within the two-digit years the picture reads;
// the appointment's date and time as the contact form stores them (the day number and the
// time's digits as text).
std::string generated(const std::string& name, int n) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
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
    if (upper == "MAI:APPOINTMENTTIME") return std::to_string(1000 + n % 10 * 100 + n % 50);
    if (upper == "MAI:APPOINTMENTDATE") return std::to_string(74000 + n);
    if (isMemo(upper))
        return "Said \"call me\", " + std::to_string(n) + "\r\nsecond line, \"quoted\"\r\n  end";
    return "\"" + std::to_string(n) + ",\xE9\x80";  // cut to the field's width below
}

// Stores the generated value, a text cut to its field as a user could have typed it.
void storeGenerated(const std::string& name, const std::string& text) {
    const FieldRef ref = resolveField(MAIL.decl(), name);
    if (ref.field >= 0 && MAIL.decl().fields()[ref.field].type == rt::FieldType::String) {
        MAIL.buf().setText(ref.field, text);
        return;
    }
    ASSERT_FALSE(storeImportedText(MAIL, ref, text)) << name;
}

std::vector<std::string> exportedValues(const std::vector<ExportField>& fields) {
    std::vector<std::string> out;
    for (const ExportField& f : fields)
        out.push_back(recordValue(MAIL, f.name).asText());
    return out;
}

using Filled = std::function<bool(int contact, std::size_t field)>;

// Makes the contacts (fields that `filled` leaves out stay blank); answers their values.
std::vector<std::vector<std::string>> makeContacts(const std::vector<ExportField>& fields,
                                                   const Filled& filled) {
    std::vector<std::vector<std::string>> original;
    MAIL.create();
    MAIL.open();
    for (int n = 1; n <= kContacts; ++n) {
        MAIL.clear();
        for (std::size_t f = 0; f < fields.size(); ++f)
            if (filled(n, f)) storeGenerated(fields[f].name, generated(fields[f].name, n));
        EXPECT_EQ(MAIL.add(), 0);
        original.push_back(exportedValues(fields));
    }
    MAIL.close();
    return original;
}

// Exports every field in the chooser's order, with the pictures given (row, picture).
void exportAll(const std::filesystem::path& file,
               const std::vector<std::pair<int, std::string>>& pictures) {
    rt::Driver driver;
    driver.start(&ExportMAIL);
    driver.waitWindow("Choose Fields for Export...");
    driver.click(rt::ControlName::parse("1"), 1, "LeftClick");
    driver.click(rt::ControlName::parse("1"), 85, "Shift+LeftClick");
    driver.press("&Add ->");
    for (const auto& [row, picture] : pictures) {
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

// Imports the file with each column assigned to its field and given `pictureOf` its column.
void importAll(const std::filesystem::path& file,
               const std::function<std::string(std::size_t column)>& pictureOf) {
    const std::vector<ExportField>& fields = contactExportFields();
    rt::Driver driver;
    driver.start(&ImportMAIL);
    driver.answer(file.string());
    driver.waitWindow("Assign fields for Import...");
    const std::vector<std::string>& targets = contactImportTargets();
    for (std::size_t column = 1; column <= fields.size(); ++column) {
        const std::string& name = fields[column - 1].name;
        const int target =
            static_cast<int>(std::find(targets.begin(), targets.end(), name) - targets.begin()) + 1;
        driver.choose(rt::ControlName::parse("1"), static_cast<int>(column));
        driver.choose(rt::ControlName::parse("2"), target);
        driver.press("&Assign");
        const std::string picture = pictureOf(column);
        if (picture.empty()) continue;
        driver.press("&Picture");
        driver.waitWindow("Enter Picture...");
        driver.type("LOC:Picture", picture);
        driver.press("&OK");
        driver.waitWindow("Assign fields for Import...");
    }
    driver.press("&OK");
    testsupport::runTimersToEnd(driver);
    ASSERT_TRUE(driver.finish());
}

void expectContacts(const std::vector<ExportField>& fields,
                    const std::vector<std::vector<std::string>>& original) {
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

TEST(RoundTrip, AThousandContactsComeBackFieldByField) {
    const std::vector<ExportField>& fields = contactExportFields();
    testsupport::TempDir first{/*enter=*/true};
    const std::filesystem::path file = first.path() / "contacts.csv";
    const auto original = makeContacts(fields, [](int, std::size_t) { return true; });
    // Pictures the user gives: the time and the check date (a SHORT day number before 1900,
    // outside the two-digit years) are written plainly; the appointment date is a text.
    exportAll(file, {{18, "@n6"}, {67, "@s20"}, {68, "@s5"}});
    testsupport::TempDir second{/*enter=*/true};
    importAll(file, [&](std::size_t column) {
        return fields[column - 1].picture == "@d1" && column != 18 && column != 67
                   ? std::string("@d1")
                   : std::string();
    });
    expectContacts(fields, original);
}

TEST(RoundTrip, AThousandHalfBlankContactsComeBackWithTheOfferedPictures) {
    const std::vector<ExportField>& fields = contactExportFields();
    testsupport::TempDir first{/*enter=*/true};
    const std::filesystem::path file = first.path() / "contacts.csv";
    // Every other field blank, alternating from contact to contact. The check date, a SHORT,
    // holds no day within the two-digit years of its picture "@d1": it stays blank.
    const auto original = makeContacts(fields, [&](int n, std::size_t f) {
        return (n + f) % 2 == 0 && fields[f].name != "MAI:CheckDate";
    });
    exportAll(file, {});
    testsupport::TempDir second{/*enter=*/true};
    // Each column that the export wrote through a picture is read back through the same one.
    importAll(file, [&](std::size_t column) {
        const std::string& picture = fields[column - 1].picture;
        return csv::kindOfPicture(picture) == csv::ValueKind::Formatted ? picture : std::string();
    });
    expectContacts(fields, original);
}

}  // namespace
