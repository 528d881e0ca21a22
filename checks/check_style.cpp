// The three windows that choose a check style: each style button closes the window and runs
// its report; the window answers RESP::Cancelled whatever the report did.

#include <functional>
#include <map>
#include <string>

#include "checks/check_procedures.h"
#include "checks/check_style_window.h"
#include "frame/procedure.h"

namespace {

using namespace windows::check_style;

class CheckStyleChoice : public Procedure {
  public:
    CheckStyleChoice(const rt::WindowStructure& window, std::function<void()> first,
                     std::function<void()> second)
        : Procedure(window, {}), first_(std::move(first)), second_(std::move(second)) {}

  protected:
    int firstControl() const override { return CheckStyleControl::FirstStyle; }

    bool takeEvent() override {
        switch (window().accepted()) {
            case CheckStyleControl::FirstStyle:
                printWith(first_);
                break;
            case CheckStyleControl::SecondStyle:
                printWith(second_);
                break;
            case CheckStyleControl::Close:
                PostCloseWindow();
                break;
            default:
                break;
        }
        return false;
    }

    void finishing() override { LOC.Response = RESP::Cancelled; }

  private:
    void printWith(const std::function<void()>& report) {
        PostCloseWindow();
        Call(report, std::nullopt, Redisplay::No);
    }

    std::function<void()> first_, second_;
};

void choose(const std::string& label, const std::string& first, const std::string& second,
            std::function<void()> firstReport, std::function<void()> secondReport) {
    static std::map<std::string, rt::WindowStructure> windows;
    auto it = windows.find(label);
    if (it == windows.end())
        it = windows.emplace(label, styleWindow("Tovik030", label, first, second)).first;
    CheckStyleChoice(it->second, std::move(firstReport), std::move(secondReport)).run();
}

constexpr const char* kStyle1 = "Style 1 - Prints Check, 2 Stubs With Disclaimer";

}  // namespace

void SelectCheckStyleTagged() {
    choose("SelectCheckStyleTagged", kStyle1,
           "Style 2  - Prints Single Check With Stub And Signature Line ", &PrintCheckStyle1Tagged,
           &PrintCheckStyle2Tagged);
}

void SelectCheckStyleAll() {
    choose("SelectCheckStyleAll", kStyle1, "Style 2  - Prints Three Checks Per Page",
           &PrintCheckStyle1All, &PrintCheckStyle2ThreeUp);
}

void SelectCheckStyleReprint() {
    choose("SelectCheckStyleReprint", "Style 1 Prints Check, 2 Stubs & Disclaimer",
           "Style 2 Prints  Check With Signature Line", &ReprintCheckStyle1, &ReprintCheckStyle2);
}
