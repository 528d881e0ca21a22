#include "labels/tagged_contacts_pass.h"

#include "frame/tagging.h"
#include "records/mail.h"

namespace {

PassSheet mailSheet(int key) {
    PassSheet s;
    s.file = &MAIL;
    s.key = MAIL.decl().keys().at(key).name;
    s.displayName = "MAIL";
    return s;
}

}  // namespace

TaggedContactsReport::TaggedContactsReport(std::string_view module,
                                           std::vector<rt::RecordFile*> files, int key,
                                           ReportOptions options)
    : ReportPass(module, std::move(files), mailSheet(key), options) {}

int TaggedContactsReport::recordVerdict() {
    return GetTag_(TAG::Contacts, static_cast<long>(MAIL.pointer())) ? VERDICT::Take
                                                                     : VERDICT::Skip;
}

ReportOptions labelSheetOptions() {
    ReportOptions o;
    o.labelLayout = true;
    return o;
}
