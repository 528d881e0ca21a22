#pragma once
// The account number's entry on the forms that hold one: a number too long for the bank line
// is refused with a message, and the entry shows again the number it held before.

#include <optional>
#include <string>

#include "runtime/data/record_file.h"
#include "runtime/ui/window.h"

class AccountNumberEntry {
  public:
    AccountNumberEntry(int control, const rt::Field& field) : control_(control), field_(field) {}

    // Call with each event of the form's window. Remembers the number the record held and
    // each one accepted since, and refuses a too-long one as it is accepted; answers whether
    // the event was such a refusal.
    bool take(rt::Window& window);

  private:
    int control_;
    const rt::Field& field_;
    std::optional<std::string> before_;  // the last number taken
};
