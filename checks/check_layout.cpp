#include "checks/check_layout.h"

#include <algorithm>

#include "records/bank_account.h"
#include "runtime/text/fixed_text.h"

namespace checks_layout {

namespace {

using Kind = CheckItem::Kind;

constexpr std::uint8_t B = rt::kFontBold, I = rt::kFontItalic, U = rt::kFontUnderline;

rt::PageFont arial(int points, std::uint8_t style = rt::kFontRegular) {
    return {"Arial", points, style};
}
const rt::PageFont kMicrFont{"MICR 012 BT", 18, rt::kFontRegular};
constexpr int kBankLineBaseline = 188;  // 3/16 inch above the check's bottom edge
// Position 1 of the bank line ends 5/16 inch from the check's right edge, the sheet's.
constexpr int kBankLineRightEnd = rt::kLetterPaper.width - 313;

CheckItem rule(int x, int y, int length) {
    return {Kind::Rule, "", x, y, length, 0, {}, "", false};
}
CheckItem text(std::string t, int x, int y, int w, int h, rt::PageFont f) {
    return {Kind::Text, std::move(t), x, y, w, h, f, "", false};
}
CheckItem field(std::string name, int x, int y, int w, int h, rt::PageFont f, std::string pic,
                bool right = false) {
    return {Kind::Field, std::move(name), x, y, w, h, f, std::move(pic), right};
}

// The bank line of a check whose bottom edge (its cut rule) is at `bottom`: its baseline
// 3/16 inch above that edge. The font's characters stand 0.8 of its size below the item's
// top. Its width is set where the page's place on the sheet is known (checkPageReport).
CheckItem bankLine(int x, int bottom) {
    const int baselineBelowTop = kMicrFont.points * 1000 * 8 / (72 * 10);
    return field("LOC:MicrLine", x, bottom - kBankLineBaseline - baselineBelowTop, 0, 271,
                 kMicrFont, "@s70", true);
}

const std::string kDollars = "Dollars And Cents " + std::string(74, '/');

// Where fields without a width of their own end, so that a long value is drawn smaller
// rather than over its neighbour or off the sheet: short of the sheet's right edge, of the
// federal numbers beside the city line and of the client copy's notice.
constexpr int kRightEnd = 8150, kFedNumbers = 4760 - 42, kNotice = 4563 - 42;
const std::string kAmount = "@n$*10.2";

// The check itself, as style 1 and style 2 print it, down to the bank line.
std::vector<CheckItem> checkPart() {
    return {
        rule(42, 240, 7938),
        field("CHECKNAME", 1219, 302, 3313, 188, arial(12, B), "@S30"),
        field("CHECKNUMBER", 7000, 323, kRightEnd - 7000, 0, arial(12), "@S10"),
        field("FEDNUMBER1", 4760, 396, 1740, 146, arial(8), "@S15"),
        field("ADDRESS", 1219, 479, 2625, 146, arial(10), "@s30"),
        field("FEDNUMBER2", 4760, 552, 1740, 146, arial(8), "@S15"),
        field("LOC:CityLine", 1219, 625, kFedNumbers - 1219, 0, arial(10), kCityLinePicture),
        field("CHECKDATE", 7000, 813, 0, 0, arial(10), "@D1", true),
        text("Pay To The", 292, 1031, 750, 156, arial(10)),
        text("Order Of", 292, 1188, 573, 167, arial(10)),
        field("PAYTO", 1135, 1188, 4292, 229, arial(12), "@s30"),
        field("AMOUNT", 6990, 1188, 0, 0, arial(12, B), kAmount),
        text("Pay Exactly", 1135, 1458, 948, 229, arial(12, B | I)),
        field("AMOUNT", 2104, 1458, 1021, 281, arial(14, B | I), kAmount),
        text(kDollars, 3125, 1490, 4604, 177, arial(12, B | I)),
        field("FUNDS", 5469, 1698, kRightEnd - 5469, 0, arial(8), "@s30"),
        field("BANKNAME", 1719, 1823, 2760, 156, arial(10), "@S30"),
        field("BANKADDRESS", 1719, 1979, 2760, 156, arial(10), "@S30"),
        text("SIGNATURE NOT REQUIRED", 5156, 2000, 2323, 188, arial(12, B)),
        field("BANKCITYSTATEZIP", 1719, 2115, 2760, 156, arial(10), "@S30"),
        text("Your depositor has authorized this payment to payee.", 4969, 2167, 2677, 135,
             arial(8)),
        text("Memo", 250, 2292, 406, 208, arial(10)),
        field("CHECKMEMO", 740, 2292, 3917, 208, arial(10), "@S40"),
        text("Payee to hold you harmless for payment of this document.", 4969, 2302, 2917, 135,
             arial(8)),
        text("This document shall be deposited only to credit of payee.", 4969, 2438, 2854, 135,
             arial(8)),
        text("Telephone/Fax Check Payment", 250, 2458, 3313, 146, arial(8)),
        text("Absence of endorsement is guaranteed by payee.", 4969, 2573, 2531, 167, arial(8)),
        text("Customer authorization obtained", 250, 2594, 1646, 146, arial(8)),
        field("CHECKDATE", 1885, 2594, 490, 146, arial(8), "@D1", true),
        bankLine(1427, 3385),
    };
}

// The cut rule, the notice and the client copy, then the payee copy.
std::vector<CheckItem> copiesPart() {
    return {
        rule(52, 3385, 7979),
        text("Cut on line above to mail copy below to your client in windowed envelope", 1656, 3458,
             4698, 156, arial(8, B)),
        rule(10, 3729, 7958),
        field("PAYTO", 625, 3813, 2896, 229, arial(12), "@s30"),
        text("Client Copy", 4583, 3833, 0, 0, arial(12, B | U)),
        field("CHECKNUMBER", 6844, 3844, kRightEnd - 6844, 0, arial(12), "@S10"),
        field("PAY:ADDRESS", 635, 4010, kNotice - 635, 0, arial(10), "@s30"),
        text("Check Authorization Notice", 4563, 4073, 3344, 344, arial(18, B)),
        field("PAY:CITYSTATEZIP", 635, 4198, kNotice - 635, 0, arial(10), "@s30"),
        text("As per your authorization this check has been ", 4594, 4313, 2698, 146, arial(8, B)),
        text("deposited to make the payment you requested.", 4594, 4458, 2750, 208, arial(8, B)),
        field("CHECKDATE", 7354, 4531, 0, 0, arial(10), "@D1", true),
        text("Pay To The", 469, 4573, 750, 156, arial(10)),
        text("Order Of", 469, 4729, 573, 167, arial(10)),
        field("PAYTO", 1313, 4729, 4479, 229, arial(12), "@s30"),
        field("AMOUNT", 6833, 4781, 0, 0, arial(12, B), kAmount),
        text("Pay Exactly", 1313, 4958, 948, 229, arial(12, B | I)),
        field("AMOUNT", 2281, 4958, 1021, 281, arial(14, B | I), kAmount),
        text(kDollars, 3302, 4990, 4604, 177, arial(12, B | I)),
        field("BANKNAME", 5563, 5500, 2479, 156, arial(10), "@S25"),
        field("BANKADDRESS", 5563, 5656, 2479, 156, arial(10), "@S25"),
        field("CHECKNAME", 813, 5677, 3250, 146, arial(10, B), "@S30"),
        field("BANKCITYSTATEZIP", 5563, 5792, 2479, 156, arial(10), "@S25"),
        field("ADDRESS", 813, 5833, 2719, 146, arial(10), "@s30"),
        field("CITY", 813, 5990, 1156, 146, arial(10), "@s15"),
        text(",", 1938, 5990, 0, 0, arial(10)),
        field("STATE", 1990, 5990, 323, 146, arial(10), "@s2"),
        field("ZIP", 2375, 5990, 938, 146, arial(10), "@s12"),
        text("Memo", 4323, 6292, 406, 208, arial(10)),
        field("CHECKMEMO", 4792, 6302, 2979, 208, arial(10), "@S40"),
        rule(83, 6865, 7958),
        // The payee copy.
        rule(52, 7240, 7958),
        field("CHECKNUMBER", 6813, 7385, kRightEnd - 6813, 0, arial(12), "@S10"),
        field("CHECKNAME", 1500, 7417, 3260, 146, arial(10, B), "@S30"),
        text("Payee Copy", 219, 7438, 0, 0, arial(12, B | U)),
        field("ADDRESS", 1500, 7573, 2708, 146, arial(10), "@s30"),
        text(",", 2615, 7750, 0, 0, arial(10)),
        field("CITY", 1500, 7760, 1156, 146, arial(10), "@s15"),
        field("STATE", 2667, 7760, 302, 146, arial(10), "@s2"),
        field("ZIP", 3010, 7760, 938, 146, arial(10), "@s12"),
        text("NON-NEGOTIABLE", 4271, 7865, 0, 0, arial(18, B)),
        field("CHECKDATE", 6813, 7875, 0, 0, arial(10), "@D1", true),
        field("PHONE", 2229, 7927, 875, 146, arial(8), "@P###-###-####Pb"),
        text("Pay To The", 177, 8146, 750, 156, arial(10)),
        field("AMOUNT", 6802, 8250, 0, 0, arial(12, B), kAmount),
        text("Order Of", 177, 8302, 573, 167, arial(10)),
        field("PAYTO", 1021, 8302, 4698, 229, arial(12), "@s30"),
        text("Pay Exactly", 1021, 8688, 948, 229, arial(12, B | I)),
        field("AMOUNT", 1990, 8688, 1021, 281, arial(14, B | I), kAmount),
        text(kDollars, 3010, 8719, 4604, 177, arial(12, B | I)),
        field("BANKNAME", 2500, 9063, 2427, 156, arial(10), "@S25"),
        field("BANKADDRESS", 2500, 9219, 2427, 156, arial(10), "@S25"),
        field("BANKCITYSTATEZIP", 2500, 9354, 2427, 156, arial(10), "@S25"),
        // The memo beside the bank's lines, above the band kept clear for the bank line.
        field("CHECKMEMO", 4969, 9063, kRightEnd - 4969, 208, arial(10), "@S40"),
        bankLine(1083, 10240),
        rule(10, 10240, 7958),
    };
}

// The item that prints `what` at (x, y); the tables name every item this way.
CheckItem& at(std::vector<CheckItem>& items, const std::string& what, int x, int y) {
    auto it = std::find_if(items.begin(), items.end(), [&](const CheckItem& i) {
        return i.what == what && i.x == x && i.y == y;
    });
    return *it;
}

void move(std::vector<CheckItem>& items, const std::string& what, int x, int y, int toX, int toY) {
    CheckItem& i = at(items, what, x, y);
    i.x = toX;
    i.y = toY;
}

// The same for an item that ends at a fixed place: its box keeps that end.
void moveKeepingEnd(std::vector<CheckItem>& items, const std::string& what, int x, int y, int toX,
                    int toY) {
    CheckItem& i = at(items, what, x, y);
    i.width -= toX - i.x;
    i.x = toX;
    i.y = toY;
}

void moveRule(std::vector<CheckItem>& items, int x, int y, int toX, int toY, int length) {
    CheckItem& i = at(items, "", x, y);
    i.x = toX;
    i.y = toY;
    i.width = length;
}

void remove(std::vector<CheckItem>& items, const std::string& what) {
    std::erase_if(items, [&](const CheckItem& i) { return i.what == what; });
}

CheckItem payerPhone() {
    return field("PHONE", 1219, 813, 875, 146, arial(8), "@P###-###-####Pb");
}

std::vector<CheckItem> style1() {
    std::vector<CheckItem> items = checkPart();
    const std::vector<CheckItem> copies = copiesPart();
    items.insert(items.end(), copies.begin(), copies.end());
    return items;
}

std::vector<CheckItem> style1All() {
    std::vector<CheckItem> items = style1();
    items.push_back(payerPhone());
    move(items, "LOC:CityLine", 1219, 625, 1219, 635);
    moveKeepingEnd(items, "FUNDS", 5469, 1698, 5344, 1708);
    move(items, "Memo", 250, 2292, 281, 2292);
    move(items, "CHECKMEMO", 740, 2292, 771, 2292);
    move(items, "Telephone/Fax Check Payment", 250, 2458, 281, 2458);
    move(items, "Customer authorization obtained", 250, 2594, 281, 2594);
    move(items, "CHECKDATE", 1885, 2594, 1917, 2594);
    moveRule(items, 52, 3385, 10, 3385, 7958);
    moveRule(items, 83, 6865, 42, 6854, 7958);
    at(items, "Cut on line above to mail copy below to your client in windowed envelope", 1656,
       3458)
        .what = "Cut on  line above to mail copy below to your client in windowed envelope";
    return items;
}

std::vector<CheckItem> style1Reprint() {
    std::vector<CheckItem> items = style1();
    items.push_back(payerPhone());
    move(items, "Memo", 250, 2292, 250, 2313);
    move(items, "CHECKMEMO", 740, 2292, 740, 2313);
    move(items, "Telephone/Fax Check Payment", 250, 2458, 250, 2479);
    move(items, "Customer authorization obtained", 250, 2594, 250, 2615);
    move(items, "CHECKDATE", 1885, 2594, 1885, 2615);
    moveRule(items, 52, 3385, 10, 3375, 7979);
    moveRule(items, 83, 6865, 73, 6854, 7958);
    return items;
}

std::vector<CheckItem> style2(bool reprint) {
    std::vector<CheckItem> items = style1();
    for (const char* gone :
         {"SIGNATURE NOT REQUIRED", "Your depositor has authorized this payment to payee.",
          "Payee to hold you harmless for payment of this document.",
          "This document shall be deposited only to credit of payee.",
          "Absence of endorsement is guaranteed by payee.", "Telephone/Fax Check Payment",
          "Customer authorization obtained"})
        remove(items, gone);
    std::erase_if(items, [](const CheckItem& i) {
        return i.what == "CHECKDATE" && i.x == 1885 && i.y == 2594;
    });
    items.push_back(text(std::string(96, '_'), 4594, 2417, 3417, 208, rt::PageFont{}));
    move(items, "Memo", 250, 2292, 260, 2417);
    move(items, "CHECKMEMO", 740, 2292, 750, 2417);
    at(items, "CHECKMEMO", 750, 2417).width = 4594 - 42 - 750;  // ends before the signature line
    items.push_back(payerPhone());
    move(items, "LOC:CityLine", 1219, 625, 1219, 635);
    moveKeepingEnd(items, "FUNDS", 5469, 1698, 5719, 1698);
    if (reprint) {
        moveRule(items, 52, 3385, 104, 3375, 7979);
        moveRule(items, 83, 6865, 94, 6865, 7958);
    } else {
        moveRule(items, 52, 3385, 21, 3385, 7979);
        moveRule(items, 83, 6865, 63, 6854, 7958);
    }
    return items;
}

std::vector<CheckItem> threeUp() {
    std::vector<CheckItem> items = checkPart();
    items.push_back(payerPhone());
    move(items, "LOC:CityLine", 1219, 625, 1219, 635);
    moveKeepingEnd(items, "FUNDS", 5469, 1698, 5396, 1719);
    // The memo and the authorization lines stand as on the page of style 1, above the clear
    // band at the check's foot that is kept for the bank line.
    move(items, "Memo", 250, 2292, 260, 2292);
    move(items, "CHECKMEMO", 740, 2292, 750, 2292);
    move(items, "Telephone/Fax Check Payment", 250, 2458, 260, 2458);
    move(items, "Customer authorization obtained", 250, 2594, 260, 2594);
    move(items, "CHECKDATE", 1885, 2594, 1896, 2594);
    items.push_back(rule(21, 3385, 7979));
    return items;
}

std::vector<CheckItem> draft() {
    std::vector<CheckItem> items = style1();
    items.push_back(payerPhone());
    move(items, "Telephone/Fax Check Payment", 250, 2458, 260, 2469);
    move(items, "Customer authorization obtained", 250, 2594, 260, 2604);
    move(items, "CHECKDATE", 1885, 2594, 1896, 2604);
    move(items, "Memo", 250, 2292, 260, 2302);
    move(items, "CHECKMEMO", 740, 2292, 750, 2302);
    moveRule(items, 83, 6865, 73, 6865, 7958);
    moveRule(items, 52, 3385, 10, 3375, 7979);
    return items;
}

CheckItem picture(int x, int y) {
    return {Kind::Picture, "", x, y, 500, 500, {}, "", false};
}

// A blank check: the payer, the bank and the bank line printed; the date, payee, amount and
// memo left as lines to fill in by hand.
std::vector<CheckItem> blankCheck(bool oneUp) {
    const std::string line(56, '_');
    const std::string amountBox = "$___________________";
    // The amount lines end at the right end of the check's top rule.
    constexpr int kRuleEnd = 42 + 7938;
    std::vector<CheckItem> items = {
        rule(42, 188, 7938),
        field("CHECKNAME", 1219, 302, 3313, 188, arial(12, B), "@S30"),
        field("CHECKNUMBER", 7000, 323, kRightEnd - 7000, 0, arial(12), "@S10"),
        oneUp ? picture(594, 333) : picture(573, 344),
        field("ADDRESS", 1219, 479, 2625, 146, arial(10), "@s30"),
        field("LOC:CityLine", 1219, 635, 4792 - 42 - 1219, 0, arial(10), kCityLinePicture),
        // The bank's first two lines end before the check number beside them.
        field("BANKNAME", 4792, 302, 7000 - 42 - 4792, 146, arial(8, B), "@S30"),
        field("BANKADDRESS", 4792, 417, 7000 - 42 - 4792, 146, arial(8), "@S30"),
        field("BANKCITYSTATEZIP", 4792, 531, 2500, 146, arial(8), "@S30"),
        field("FEDNUMBER1", 4792, 667, 1740, 146, arial(8), "@S15"),
        field("FEDNUMBER2", 4802, 802, 1740, 146, arial(8), "@S15"),
        text("Date__________", 6406, 823, 0, 0, arial(10)),
        text("Pay To The", 292, 1031, 750, 156, arial(10)),
        text("Order Of", 292, 1188, 573, 167, arial(10)),
        text(line, 896, 1354, 0, 0, arial(10)),
        text(amountBox, 6604, 1354, kRuleEnd - 6604, 0, arial(10)),
        text(std::string(96, '_'), 271, 1677, 7125 - 42 - 271, 0, arial(10)),  // to "Dollars"
        text("Dollars", 7125, 1677, 0, 0, arial(10)),
        field("FUNDS", 5396, 1938, kRightEnd - 5396, 0, arial(8), "@s30"),
        text("Memo", 177, 2479, 406, 208, arial(10)),
        text(std::string(40, '_'), 646, 2521, 0, 0, arial(10)),
        text(std::string(44, '_'), 4646, 2521, 0, 0, arial(10)),
        bankLine(1427, 3375),
        rule(oneUp ? 10 : 21, 3375, 7979),
    };
    if (!oneUp) return items;
    const std::vector<CheckItem> stub = {
        field("CHECKNUMBER", 6833, 3760, kRightEnd - 6833, 0, arial(12), "@S10"),
        text("Date__________", 5625, 3740, 0, 0, arial(10)),
        text("Pay To The", 719, 4135, 750, 156, arial(10)),
        text("Order Of", 708, 4302, 573, 167, arial(10)),
        text(amountBox, 7063, 4260, kRuleEnd - 7063, 0, arial(10)),
        text(line, 1417, 4271, 0, 0, arial(10)),
        text("Memo", 740, 4823, 406, 208, arial(10)),
        text(std::string(60, '_'), 1156, 4781, 0, 0, arial(10)),
    };
    items.insert(items.end(), stub.begin(), stub.end());
    return items;
}

}  // namespace

std::string MicrLine(std::string_view checkNumber, std::string_view routing,
                     std::string_view account, std::string_view onUs, std::string_view transit) {
    // Built from its left end, as it prints: the auxiliary on-us field (the check number
    // between two on-us symbols), a blank (44), transit 43-33, on-us 32-14 with the account
    // number ending at 15, and positions 13-1 blank.
    // Each symbol takes exactly one position, whatever the record holds.
    const char onUsSymbol = onUs.empty() ? ' ' : onUs[0];
    const char transitSymbol = transit.empty() ? ' ' : transit[0];
    std::string line;
    line += onUsSymbol;
    line += rt::clip(checkNumber);
    line += onUsSymbol;
    line += ' ';
    line += transitSymbol;
    std::string nine(routing.substr(0, std::min<std::size_t>(routing.size(), 9)));
    nine.resize(9, ' ');
    line += nine;
    line += transitSymbol;
    // An account too long for its field is left out rather than printed cut, so that no
    // wrong account number reaches the bank (entries and imports refuse such numbers).
    const std::string_view number = records::accountNumberFits(account) ? rt::clip(account) : "";
    line += std::string(records::kBankLineAccountLength - number.size(), ' ');
    line += number;
    line += onUsSymbol;
    line += std::string(kMicrAmountPositions, ' ');
    // Right-justified in the 70 positions of the field that prints it: the last character
    // is position 1.
    if (line.size() < kMicrLineLength) line.insert(0, kMicrLineLength - line.size(), ' ');
    return line;
}

std::string CityLine(std::string_view city, std::string_view state, std::string_view zip) {
    std::string line(rt::clip(city));
    const std::string_view stateText = rt::clip(state), zipText = rt::clip(zip);
    if (!line.empty() && !(stateText.empty() && zipText.empty())) line += ",";
    for (std::string_view part : {stateText, zipText}) {
        if (part.empty()) continue;
        if (!line.empty()) line += " ";
        line += part;
    }
    return line;
}

std::vector<CheckItem> checkPageItems(CheckPage page) {
    switch (page) {
        case CheckPage::Style1:
            return style1();
        case CheckPage::Style1All:
            return style1All();
        case CheckPage::Style1Reprint:
            return style1Reprint();
        case CheckPage::Style2:
            return style2(false);
        case CheckPage::Style2Reprint:
            return style2(true);
        case CheckPage::ThreeUp:
            return threeUp();
        case CheckPage::Draft:
            return draft();
        case CheckPage::BlankThreeUp:
            return blankCheck(false);
        case CheckPage::BlankOneUp:
            return blankCheck(true);
    }
    return {};
}

rt::ReportStructure checkPageReport(CheckPage page, const FieldBinder& bind) {
    rt::ReportStructure r;
    r.area = {page == CheckPage::Style1All ? 254 : 250, 125, 8250, 11000};
    r.font = rt::PageFont{};
    r.pageHeader = rt::ReportBand{100, {1000, 1000, 6000, 52}, 0, {}};
    r.pageFooter = rt::ReportBand{101, {1000, 9000, 6000, 52}, 0, {}};
    rt::ReportBand band;
    band.id = kCheckBand;
    switch (page) {
        case CheckPage::ThreeUp:
            band.at = {-10, 10, 8250, 3583};
            break;
        case CheckPage::BlankThreeUp:
            band.at = {0, 0, 8250, 3510};
            break;
        case CheckPage::BlankOneUp:
            band.at = {0, 0, 8250, 10948};
            break;
        default:
            band.at = {10, 10, 8250, 10427};
            break;
    }
    band.minHeight = band.at.height;
    int id = 1;
    for (const CheckItem& item : checkPageItems(page)) {
        rt::ReportControl c;
        c.id = ++id;
        c.at = {item.x, item.y, item.width, item.height};
        switch (item.kind) {
            case Kind::Rule:
                c.kind = rt::ReportControlKind::Line;
                break;
            case Kind::Text:
                c.kind = rt::ReportControlKind::Text;
                c.text = item.what;
                c.font = item.font;
                break;
            case Kind::Picture:
                c.kind = rt::ReportControlKind::Image;
                c.id = kPictureControl;
                break;
            case Kind::Field:
                // The bank line ends where its position 1 does, wherever the page stands.
                if (item.what == "LOC:MicrLine")
                    c.at.width = kBankLineRightEnd - r.area.x - band.at.x - item.x;
                c.kind = rt::ReportControlKind::String;
                c.value = bind(item.what);
                c.picture = item.picture;
                c.font = item.font;
                if (item.rightAligned) c.align = rt::TextAlign::Right;
                break;
        }
        band.controls.push_back(std::move(c));
    }
    r.details.push_back(std::move(band));
    return r;
}

ReportStructurePtr makeCheckPageReport(CheckPage page, const FieldBinder& bind) {
    return ReportStructurePtr(new rt::ReportStructure(checkPageReport(page, bind)));
}

}  // namespace checks_layout
