#pragma once
// "Select Company Name For Return Address": the three company choosers, one structure each,
// differing in their column headers and the number and place of the choice button.

#include <string>

#include "runtime/ui/window_structure.h"

namespace windows::company_chooser {

enum class ChooserRoad { Invoices, Envelopes, ShippingLabel };

// The controls of one chooser.
struct ChooserControls {
    int list = 1;
    int frame = 2;
    int choice = 3;
    int remove = 4;
    int open = 5;
    int add = 6;
    int close = 7;
};

const ChooserControls& chooserControls(ChooserRoad road);
// The name of the procedure the choice runs next.
const char* nextStep(ChooserRoad road);

const rt::WindowStructure& companyChooserWindow(ChooserRoad road);

}  // namespace windows::company_chooser
