#pragma once
// The check pages: where every item of a check stands on the sheet, as data, for the check
// reports, the monthly drafts and the blank checks. Also the two computed texts that the
// pages print: the MICR bank line and the payer's city line.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/report_job.h"
#include "runtime/print/report_structure.h"

namespace checks_layout {

// The bank line, 70 characters whose last one prints at position 1 (positions counted from
// the check's right edge, 1/8 inch each): on-us, check number, on-us (the auxiliary on-us
// field, from position 45 leftwards), a blank, transit, routing number (all nine characters,
// blanks kept), transit (positions 43 to 33), the account number ending at position 15 and
// an on-us symbol at 14, and positions 13 to 1 (the amount field) blank. `onUs` and
// `transit` are the letters the MICR font prints as those symbols ("C", "A").
std::string MicrLine(std::string_view checkNumber, std::string_view routing,
                     std::string_view account, std::string_view onUs = "C",
                     std::string_view transit = "A");
inline constexpr std::size_t kMicrAmountPositions = 13;  // the amount field and its blank
inline constexpr std::size_t kMicrLineLength = 70;

// The payer's city line: "City, ST zip", whole (its box fits it to the room), blank when
// the check has no city, state or zip; the comma stands only after a city.
std::string CityLine(std::string_view city, std::string_view state, std::string_view zip);
inline constexpr const char* kCityLinePicture = "@s32";  // a city of 15, state 2, zip 12

enum class CheckPage {
    Style1,         // a check, the client copy with its notice and the payee copy
    Style1All,      // style 1 as the all-checks report places it
    Style1Reprint,  // style 1 as the reprint places it
    Style2,         // a signature line in place of the authorization texts
    Style2Reprint,  // style 2 with the two cut rules of the reprint
    ThreeUp,        // the check alone, three to a sheet
    Draft,          // a monthly draft: style 1 with the payer's telephone number
    BlankThreeUp,   // a blank check with its picture, three to a sheet
    BlankOneUp,     // a blank check with its picture and a stub, one to a sheet
};

// One item of a check page, inside the detail band, in 1/1000 inch.
struct CheckItem {
    enum class Kind { Rule, Text, Field, Picture };
    Kind kind = Kind::Text;
    std::string what;  // the text, or the field's name ("CHECKNAME", "PAY:ADDRESS",
                       // "LOC:MicrLine")
    int x = 0, y = 0, width = 0, height = 0;  // a rule's width is its length
    rt::PageFont font;
    std::string picture;
    bool rightAligned = false;
};

std::vector<CheckItem> checkPageItems(CheckPage page);

// The report structure of a page. `bind` answers the value source of a field item by its
// name as the items spell it.
using FieldBinder = std::function<rt::ValueSource(const std::string& name)>;
rt::ReportStructure checkPageReport(CheckPage page, const FieldBinder& bind);

// The same, owned for the report engine.
ReportStructurePtr makeCheckPageReport(CheckPage page, const FieldBinder& bind);

// The detail band's id in every check page report.
inline constexpr int kCheckBand = 1;
// The id of a page's picture (blank checks), given while the report runs.
inline constexpr int kPictureControl = 1000;

}  // namespace checks_layout
