#pragma once
// The warning catalogue: every standard message of the program is one numbered warning
// with a title, a text built from fixed pieces, the caller's texts and the last file
// error, buttons with a default and an icon. Warnings 1, 3, 4 and 5, and warning 2
// answered No, end the program.

#include <optional>
#include <string>
#include <string_view>

// The file error a warning quotes: "Entry Not Found (30)".
struct ErrorDescription {
    long code = 0;  // the runtime's code (never replaced by the driver's)
    std::string text;
};

// The error to quote now: the saved one when there is one, else the thread's current
// error; a file-system error (90) is quoted with the file driver's own text and code.
ErrorDescription DescribeLastError();

struct WarningBox {
    std::string title;
    std::string text;
    int buttons = 0;
    int defaultButton = 0;
    int icon = 0;
    std::string haltMessage;     // the program ends with this message after the box
    bool haltUnlessYes = false;  // ... only when the answer is not Yes
};

// The box of warning `number`; nullopt for a number outside the catalogue.
std::optional<WarningBox> BuildWarning(int number, std::string_view text1, std::string_view text2,
                                       const ErrorDescription& error);

// Shows warning `number` and answers the button pressed (0 for a number outside the
// catalogue, which shows nothing). Clears the saved error whichever warning it is.
int ShowWarning(int number, std::string_view text1, std::string_view text2);
int ShowWarningText(int number, std::string_view text2);
int ShowWarningPlain(int number);
