// UpdateBlankCheck: one blank check with its picture. An insert is numbered at once and added
// by OK; a cancelled one leaves nothing behind. The stored picture changes only
// when a file was chosen and decoded: tabbing through the file name or onto "...", a
// cancelled file dialog, or a file that cannot be read keep it.

#include <filesystem>
#include <string>
#include <vector>

#include "checks/account_number_entry.h"
#include "checks/blank_check_form_window.h"
#include "checks/check_procedures.h"
#include "checks/picture_fit.h"
#include "frame/file_name_entry.h"
#include "frame/form_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "records/blank.h"
#include "records/mail.h"
#include "runtime/system/picture.h"
#include "runtime/text/day_number.h"
#include "runtime/text/file_names.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::blank_check_form;
using namespace BlankFormControl;

void callByName(const char* name) {
    if (ProcedureEntry p = FindProcedure(name))
        p();
    else
        GLO::Response = RESP::Cancelled;
}

// The client in the MAIL buffer into the blank check.
void copyClient() {
    CHE1::FIRSTNAME.setText(MAI::FIRSTNAME.text());
    CHE1::LASTNAME.setText(MAI::LASTNAME.text());
    CHE1::CHECKNAME.setText(MAI::CKECKNAME.text());
    CHE1::BANKNAME.setText(MAI::BANKNAME.text());
    CHE1::ADDRESS.setText(MAI::ADDRESS.text());
    CHE1::CITY.setText(MAI::CITY.text());
    CHE1::STATE.setText(MAI::STATE.text());
    CHE1::ZIP.setText(MAI::ZIP.text());
    CHE1::BANKADDRESS.setText(MAI::BANKADDRESS.text());
    CHE1::BANKCITYSTATEZIP.setText(MAI::BANKCITYSTATEZIP.text());
    CHE1::FEDNUMBER1.setText(MAI::FEDNUMBER1.text());
    CHE1::FEDNUMBER2.setText(MAI::FEDNUMBER2.text());
    CHE1::TRANSIT.setText(MAI::TRANSIT.text());
    CHE1::ACCOUNTNUMBER.setText(MAI::ACCOUNTNUMBER.text());
    CHE1::CHECKNUMBER.setText(MAI::CHECKNUMBER.text());
    CHE1::CHECKMEMO.setText(MAI::CHECKMEMO.text());
    CHE1::MONTHLYAMOUNT.setNumber(MAI::MONTHLYAMOUNT.number());
    CHE1::COMPANYNAME.setText(MAI::COMPANYNAME.text());
    CHE1::CHECKDATE.setInteger(rt::today());
    CHE1::AMOUNT.setNumber(MAI::AMOUNT.number());
    CHE1::PAYTO.setText(MAI::PAYTO.text());
    CHE1::PHONE.setText(MAI::HOMEPHONE.text().substr(0, 12));
}

class BlankCheckForm : public FormProcedure {
  public:
    BlankCheckForm() : FormProcedure(blankCheckFormWindow(), sheet(), {&MAIL}) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &BLANK;
        s.displayName = "Blank";
        s.insertPath = InsertPath::AutoNumbered;
        s.numberKey = records::keyOf(BLANK, "CHE1:KEYCHECKID");
        s.numberField = CHE1::CHECKID.index();
        s.conflictFlag = 0;
        s.closeQuestion = CloseQuestion::SaveChanges;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.helpButton = Help;
        s.help = [] { callByName("HelpBrowse"); };
        s.firstField = FirstName;
        s.handleSized = true;
        s.duplicateKeyTexts = {{records::keyOf(BLANK, "CHE1:KEYCHECKID"), "CHE1:KeyCheckID"}};
        // The client is copied only when one was chosen.
        s.lookups.push_back({SelectClient, false, nullptr, -1, nullptr,
                             [] { callByName("SelectClient"); }, &copyClient, true});
        return s;
    }

  protected:
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name != "GLO:ImageFileName") return nullptr;
        return rt::bindFixedText("GLO:ImageFileName",
                                 std::span<char>(GLO::ImageFileName.data(), 40));
    }

    void setUpRecords() override {
        // The MICR symbol letters are part of the copy: alone they are no change.
        CHE1::CKSIGN.setText("C");
        CHE1::ANSIGN.setText("A");
        FormProcedure::setUpRecords();
    }

    void primeRecord() override { CHE1::FUNDS.setText("Payable In U.S. Funds"); }

    void setUpWindow() override {
        FormProcedure::setUpWindow();
        if (!FindProcedure("SelectClient")) window().setProp(SelectClient, PROP::Disable, 1);
        if (!FindProcedure("HelpBrowse")) window().setProp(Help, PROP::Disable, 1);
        GLO::ImageFileName = "";
        if (LOC.EntryRequest != REQ::Insert) showPicture(CHE1::PHOTOGRAPH.data());
    }

    bool ownChanges() override { return pictureChanged_; }

    bool takeOwnEvent() override {
        if (accountNumber_.take(window())) return true;
        switch (window().accepted()) {
            case ChooseFile:
                chooseFile();
                break;
            case ImageFileName:
                loadTypedName();
                break;
            default:
                break;
        }
        return false;
    }

  private:
    AccountNumberEntry accountNumber_{AccountNumber, CHE1::ACCOUNTNUMBER};

    void chooseFile() {
        const std::optional<std::string> chosen = rt::fileDialog(
            "Choose a File", "Image Files|*.GIF;*.BMP;*.JPG;*.PCX", entryName_.chosen());
        if (chosen) load(*chosen, true);
    }

    // A name typed into the entry is loaded; the entry's text of the file already chosen,
    // or a blank entry, changes nothing.
    void loadTypedName() {
        const std::string named = entryName_.named(GLO::ImageFileName.view());
        if (named.empty() || named == entryName_.chosen()) return;
        load(named, false);
    }

    // Reads and decodes the file by its whole file system name; only a decoded picture
    // replaces the one shown and stored.
    void load(const std::string& path, bool fromDialog) {
        std::vector<std::uint8_t> bytes;
        if (!rt::readFileBytes(rt::userFilePath(path), bytes)) {
            rt::message("The picture file could not be read:\n" + rt::shownFileName(path),
                        "Picture", ICON::Exclamation);
            return;
        }
        const rt::PictureResult decoded = rt::decodePicture(bytes);
        if (!decoded.ok()) {
            rt::message("The file is not a picture that can be shown:\n" + rt::shownFileName(path) +
                            "\n" + decoded.error,
                        "Picture", ICON::Exclamation);
            return;
        }
        const std::string unstorable =
            entryName_.choose(path, std::span<char>(GLO::ImageFileName.data(), 40));
        const std::string data(bytes.begin(), bytes.end());
        CHE1::PHOTOGRAPH.setData(data);
        pictureChanged_ = true;
        showPicture(data);
        window().display(ImageFileName);
        if (fromDialog && !unstorable.empty())
            rt::message(unstorableNameMessage(path, unstorable, "Image File Name"), "Picture",
                        ICON::Exclamation);
    }

    void showPicture(const std::string& data) {
        window().setProp(Picture, PROP::ImageFromBlob, data);
        if (data.empty()) return;
        const auto [width, height] = picture_fit::fitted(
            static_cast<int>(window().prop(Picture, PROP::ImageWidth)),
            static_cast<int>(window().prop(Picture, PROP::ImageHeight)), kPictureSide);
        if (width <= 0 || height <= 0) return;
        window().setProp(Picture, PROP::Width, width);
        window().setProp(Picture, PROP::Height, height);
    }

    FileNameEntry entryName_;
    bool pictureChanged_ = false;
};

}  // namespace

void UpdateBlankCheck() {
    BlankCheckForm().run();
}
