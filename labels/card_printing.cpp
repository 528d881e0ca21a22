// PrintCardStyle1 to PrintCardStyle7 and PrintReturnAddressLabels: every card of the file in
// business-name order, one detail band per card.
#include <string>

#include "frame/record_report.h"
#include "labels/card_reports.h"
#include "labels/label_procedures.h"
#include "records/cards.h"

namespace {

using windows::card_reports::kPictureControl;

PassSheet cardsSheet() {
    PassSheet s;
    s.file = &CARDS;
    s.key = "CAR:KEYBUSINESSNAME";
    s.displayName = "Cards";
    return s;
}

ReportOptions cardOptions(bool keepHeight) {
    ReportOptions o;
    o.labelLayout = keepHeight;
    return o;
}

const char* const kStyleModules[] = {"Tovik109", "Tovik112", "Tovik113", "Tovik115",
                                     "Tovik116", "Tovik117", "Tovik118"};

class CardStyleReport : public ReportPass {
  public:
    // Style 1 lets each card's band take the height it prints; the others keep 2 inches.
    explicit CardStyleReport(int style)
        : ReportPass(kStyleModules[style - 1], {&CARDS}, cardsSheet(), cardOptions(style != 1)),
          style_(style) {}

  protected:
    ReportStructurePtr makeReport() override {
        return windows::card_reports::cardStyleReport(style_);
    }
    // Each card prints its own picture or none: a card without one, or with one that cannot
    // be read, never shows the picture of the card before it.
    void beforeDetail() override {
        const std::string& bytes = CAR::PHOTOGRAPH.data();
        std::string error;
        if (bytes.empty() ||
            !report()->setImage(kPictureControl,
                                {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()},
                                error))
            report()->clearImage(kPictureControl);
    }

  private:
    int style_;
};

class ReturnAddressLabels : public ReportPass {
  public:
    ReturnAddressLabels() : ReportPass("Tovik114", {&CARDS}, cardsSheet(), cardOptions(true)) {}

  protected:
    ReportStructurePtr makeReport() override {
        return windows::card_reports::returnAddressLabelReport();
    }
};

}  // namespace

void PrintCardStyle1() {
    CardStyleReport(1).run();
}
void PrintCardStyle2() {
    CardStyleReport(2).run();
}
void PrintCardStyle3() {
    CardStyleReport(3).run();
}
void PrintCardStyle4() {
    CardStyleReport(4).run();
}
void PrintCardStyle5() {
    CardStyleReport(5).run();
}
void PrintCardStyle6() {
    CardStyleReport(6).run();
}
void PrintCardStyle7() {
    CardStyleReport(7).run();
}

void PrintReturnAddressLabels() {
    ReturnAddressLabels().run();
}
