#pragma once
// Dialogs, sounds and the cursor, shown through the backend. Each call waits (giving the
// baton away) until the user answers; once the program is ending they answer their default.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/ui/backend.h"
#include "runtime/ui/codes.h"

namespace rt {

// A message box: answers the BUTTON:: code pressed. `defaultButton` 0 takes the first button.
int message(std::string_view text, std::string_view caption = "", int icon = ICON::None,
            int buttons = BUTTON::Ok, int defaultButton = 0);

// A popup menu: answers the item chosen (separators not counted), 0 for none.
int popup(std::string_view menu);

// "Import Files|*.CSV|All Files|*.*" as filter pairs.
std::vector<FileFilter> parseFileFilters(std::string_view text);

// A file dialog: the file chosen, nullopt when cancelled. A save dialog asks before it
// overwrites an existing file. Names, the suggested one included, are the file system's own
// (runtime/text/file_names.h), not code-page text.
std::optional<std::string> fileDialog(std::string_view title, std::string_view filters,
                                      std::string_view suggested = "", bool save = false);

// The printer set-up dialog: true when the user confirmed; `settings` then holds the choice.
bool printerDialog(std::string_view title, PrinterSettings& settings);

// A beep, and the mouse cursor (CURSOR::Wait while busy, CURSOR::Normal after).
void beep(int sound = 0);
void setCursor(int cursor);
// Puts text on the clipboard (SETCLIPBOARD).
void setClipboardText(std::string_view text);

}  // namespace rt
