// ClearAllCards: deletes every card in business-name order. A delete that fails is told and
// ends the pass; the cards deleted before it stay deleted and the answer is not completed.
#include "frame/record_process.h"
#include "labels/label_procedures.h"
#include "records/cards.h"

namespace {

PassSheet cardsSheet() {
    PassSheet s;
    s.file = &CARDS;
    s.key = "CAR:KEYBUSINESSNAME";
    s.displayName = "Cards";
    return s;
}

ProcessOptions deleteOptions() {
    ProcessOptions o;
    o.write = ProcessWrite::Delete;
    o.heading = "Clearing All Cards";
    return o;
}

class ClearCards : public ProcessPass {
  public:
    ClearCards() : ProcessPass("Tovik111", {&CARDS}, cardsSheet(), deleteOptions()) {}
};

}  // namespace

void ClearAllCards() {
    ClearCards().run();
}
