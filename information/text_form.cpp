// The forms of one information text (UpdateInformation) and one help topic (UpdateHelp): the
// title and its text. A blank title is refused: no list could reach the text.
#include "frame/form_engine.h"
#include "information/information_procedures.h"
#include "information/text_form_window.h"
#include "records/help.h"
#include "records/informat.h"
#include "runtime/ui/dialogs.h"

namespace {

using windows::text_form::TextFormControls;

class TextForm : public FormProcedure {
  public:
    TextForm(const rt::WindowStructure& window, const TextFormControls& c, rt::RecordFile& file,
             const char* keyText, FieldHistory& history)
        : FormProcedure(window, sheet(c, file, keyText, history)), c_(c) {}

    static FormSheet sheet(const TextFormControls& c, rt::RecordFile& file, const char* keyText,
                           FieldHistory& history) {
        FormSheet s;
        s.file = &file;
        s.caption = CaptionStyle::WindowTitle;
        s.insertCaption = " ";
        s.changeCaption = "   ";
        s.conflictFlag = 1;
        s.okButton = c.close;
        s.cancelButton = c.cancel;
        s.firstField = c.title;
        s.history = &history;
        s.dittoControls = {c.title};
        s.duplicateKeyTexts = {{0, keyText}};
        s.resizable = true;
        return s;
    }

  protected:
    bool takeOwnEvent() override {
        if (window().event() == EVENT::Rejected && window().field() == c_.title) {
            rt::message(
                "Please give the text a title: a text without a title would be kept where "
                "no list shows it.",
                "Title Needed", ICON::Exclamation);
            window().select(c_.title);
            return true;
        }
        return false;
    }

  private:
    const TextFormControls& c_;
};

FieldHistory& informationHistory() {
    static FieldHistory history;
    return history;
}

FieldHistory& helpHistory() {
    static FieldHistory history;
    return history;
}

}  // namespace

void UpdateInformation() {
    TextForm(windows::text_form::informationFormWindow(),
             windows::text_form::informationFormControls, INFORMAT, "INF:KeyInformationFile",
             informationHistory())
        .run();
}

void UpdateHelp() {
    TextForm(windows::text_form::helpFormWindow(), windows::text_form::helpFormControls, HELP,
             "HEL:KeyHelp", helpHistory())
        .run();
}
