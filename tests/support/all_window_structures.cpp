#include "tests/support/all_window_structures.h"

#include "frame/tag_progress.h"
#include "windows/progress_window.h"
#include "windows/s_qbe.h"
#include "windows/tovik001.h"
#include "windows/tovik002.h"
#include "windows/tovik003.h"
#include "windows/tovik004.h"
#include "windows/tovik005.h"
#include "windows/tovik006.h"
#include "windows/tovik023.h"
#include "windows/tovik036.h"
#include "windows/tovik101.h"
#include "windows/tovik104.h"
#include "windows/tovik105.h"
#include "windows/tovik106.h"
#include "windows/tovik156.h"
#include "windows/tovik158.h"
#include "windows/tovik159.h"
#include "windows/tovik_sf.h"
#include "windows/tovik_vw.h"

namespace testsupport {

std::vector<NamedStructure> allWindowStructures() {
    using namespace windows;
    return {
        {"intro", &tovik156::introWindow()},
        {"main menu", &tovik036::menuWindow()},
        {"contacts list", &tovik001::contactsWindow()},
        {"contact form", &tovik002::contactFormWindow()},
        {"additional notes", &tovik003::notesWindow()},
        {"check information", &tovik004::checkInfoWindow()},
        {"dial phone numbers", &tovik005::dialWindow()},
        {"select client", &tovik006::clientWindow()},
        {"search form", &tovik023::searchWindow()},
        {"zip look-up", &tovik101::zipLookupWindow()},
        {"zip list", &tovik159::zipListWindow()},
        {"zip form", &tovik158::zipFormWindow()},
        {"area-code look-up", &tovik104::areaLookupWindow()},
        {"area-code list", &tovik105::areaListWindow()},
        {"area-code form", &tovik106::areaFormWindow()},
        {"match type", &s_qbe::matchTypeWindow()},
        {"upper limit", &s_qbe::upperLimitWindow()},
        {"begin search", &s_qbe::beginSearchWindow()},
        {"report destination", &tovik_sf::destinationWindow()},
        {"print options", &tovik_sf::printOptionsWindow()},
        {"calendar", &tovik_sf::calendarWindow()},
        {"report preview", &tovik_vw::previewWindow()},
        {"basic preview", &tovik_vw::basicPreviewWindow()},
        {"print range", &tovik_vw::printRangeWindow()},
        {"jump to page", &tovik_vw::jumpWindow()},
        {"preview display", &tovik_vw::displayWindow()},
        {"progress", &progressWindow("Tovik031")},
        {"tag counting", &tagCountingWindow()},
        {"tag clearing", &tagClearingWindow()},
    };
}

}  // namespace testsupport
