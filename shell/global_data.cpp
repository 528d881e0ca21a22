#include "frame/globals.h"
#include "frame/saved_error.h"
#include "records/all_files.h"
#include "shell/program_main.h"

void InitGlobalData() {
    records::clearAllRecordBuffers();
    GLO::Request = 0;
    GLO::Response = 0;
    ClearSavedFileError();
    GLO::SavedPosition = "";
    GLO::CompanyName = "";
    GLO::CompanyAddress = "";
    GLO::CompanyCityStateZip = "";
    GLO::CompanyPhone = "";
    GLO::CompanyFax = "";
    GLO::SalesTaxRate = rt::Decimal();
    GLO::SponsorLevel = "";
    GLO::SponsorIdNumber = "";
    GLO::SponsorName = "";
    GLO::LastCheckNumber = "";
    GLO::ImageFileName = "";
    GLO::ImportExportFileName = "";
    GLO::CsvLine = "";
    GLO::HelpTopic = "";
    GLO::NavigationRequest = 0;
    GLO::KeptEditX = 0;
    GLO::KeptEditY = 0;
    GLO::ChangeFormX = 0;
    GLO::ChangeFormY = 0;
    GLO::ChangeFormPlaced = false;
    GLO::CheckID = 0;
    GLO::TagFileOpenMode = 0x42;
}
