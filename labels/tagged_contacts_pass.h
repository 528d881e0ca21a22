#pragma once
// What the label, envelope and shipping-label reports share: a pass over MAIL in one key
// order that takes the contacts tagged in TAG::Contacts.

#include "frame/record_report.h"

class TaggedContactsReport : public ReportPass {
  protected:
    TaggedContactsReport(std::string_view module, std::vector<rt::RecordFile*> files, int key,
                         ReportOptions options);
    int recordVerdict() override;
};

// Options of a label sheet: each label keeps its own height.
ReportOptions labelSheetOptions();
