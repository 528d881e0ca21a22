// UpdatePrintCards: adds, changes or deletes one business card, its picture chosen from a
// picture file and stored with the card as the file's bytes.
#include <string>

#include "frame/file_name_entry.h"
#include "frame/form_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "labels/business_card_form_window.h"
#include "labels/card_picture.h"
#include "labels/label_procedures.h"
#include "records/cards.h"
#include "runtime/text/file_names.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::business_card_form;
using namespace CardFormControl;

constexpr int kFittedSide = 100;

void openHelp() {
    if (ProcedureEntry help = FindProcedure("HelpBrowse")) help();
}

class BusinessCardForm : public FormProcedure {
  public:
    BusinessCardForm() : FormProcedure(businessCardFormWindow(), sheet()) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &CARDS;
        s.displayName = "Cards";
        s.caption = CaptionStyle::WindowTitle;
        s.conflictFlag = 0;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.helpButton = Help;
        s.help = openHelp;
        s.firstField = BusinessName;
        s.resizable = true;
        return s;
    }

  protected:
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name != "GLO:ImageFileName") return nullptr;
        return rt::bindFixedText(std::string(name), std::span<char>(GLO::ImageFileName.data(), 40));
    }

    // A new card starts without a picture, a copied one too.
    void primeRecord() override { CAR::PHOTOGRAPH.setData(""); }

    void setUpWindow() override {
        FormProcedure::setUpWindow();
        if (LOC.EntryRequest == REQ::Change)
            window().setProp(Picture, PROP::ImageFromBlob, CAR::PHOTOGRAPH.data());
        GLO::ImageFileName = "";
        if (!FindProcedure("HelpBrowse")) window().setProp(Help, PROP::Disable, 1);
    }

    bool ownChanges() override { return pictureChanged_; }

    bool takeEvent() override {
        // The card keeps the picture the image control holds when it is saved: the stored
        // one, or the one loaded since.
        if (window().event() == EVENT::Completed)
            CAR::PHOTOGRAPH.setData(window().propText(Picture, PROP::ImageFromBlob));
        return FormProcedure::takeEvent();
    }

    bool takeOwnEvent() override {
        const int event = window().event();
        const int control = window().field();
        if (window().acceptAllActive()) return false;
        if (control == ChooseFile && event == EVENT::Accepted) {
            chooseFile();
            return true;
        }
        if (control == ChooseFile && event == EVENT::Selected) {
            loadNamedPicture(false, false);
            return true;
        }
        if (control == ImageFileName && (event == EVENT::Accepted || event == EVENT::Selected)) {
            loadNamedPicture(true, event == EVENT::Accepted);
            return true;
        }
        return false;
    }

  private:
    void chooseFile() {
        std::optional<std::string> chosen =
            rt::fileDialog("Choose a File", "Image Files|*.GIF;*.BMP;*.JPG;*.PCX", namedFile());
        if (!chosen || chosen->empty()) return;  // no choice: the picture shown stays
        // The entry shows the first 40 characters; the picture is read from the whole name.
        const std::string unstorable =
            entryName_.choose(*chosen, std::span<char>(GLO::ImageFileName.data(), 40));
        window().display();
        loadNamedPicture(false, true);
        if (!unstorable.empty())
            rt::message(unstorableNameMessage(*chosen, unstorable, "Image File Name"), "Picture",
                        ICON::Exclamation);
    }

    // The file the entry names: the whole name chosen in the dialog while the entry still
    // shows its beginning, otherwise what the entry holds.
    std::string namedFile() const { return entryName_.named(GLO::ImageFileName.view()); }

    // Loads the named picture into the image control. A blank name or a file that does not
    // decode keeps the picture shown, and only a loaded picture marks the card changed. The
    // focus alone does not try the same name twice, so a refused file is told once.
    void loadNamedPicture(bool fit, bool evenIfTried) {
        const std::string file = namedFile();
        if (file.empty() || (!evenIfTried && file == lastTried_)) return;
        lastTried_ = file;
        std::string bytes, error;
        if (!labels::readCardPicture(file, bytes, error)) {
            rt::message("The picture " + rt::shownFileName(file) + " could not be loaded (" +
                            error + "). The picture shown is kept.",
                        "Picture Not Loaded", ICON::Exclamation);
            return;
        }
        window().setProp(Picture, PROP::ImageFromBlob, bytes);
        if (fit) fitPicture();
        pictureChanged_ = true;
    }

    // The picture at its own size, brought down in proportion until neither side exceeds 100.
    void fitPicture() {
        double width = static_cast<double>(window().prop(Picture, PROP::ImageWidth));
        double height = static_cast<double>(window().prop(Picture, PROP::ImageHeight));
        if (height > kFittedSide) {
            width = kFittedSide * (width / height);
            height = kFittedSide;
        }
        if (width > kFittedSide) {
            height = kFittedSide * (height / width);
            width = kFittedSide;
        }
        window().setProp(Picture, PROP::Width, static_cast<long long>(width));
        window().setProp(Picture, PROP::Height, static_cast<long long>(height));
    }

    FileNameEntry entryName_;
    std::string lastTried_;
    bool pictureChanged_ = false;
};

}  // namespace

void UpdatePrintCards() {
    BusinessCardForm().run();
}
