// PrintContactsReport and PrintAppointmentsReport: every contact with a follow-up, in the
// follow-ups list's order, and every contact with an appointment, in the appointments list's
// order; the contact block with a fifth line of the follow-up kind or the appointment.

#include "followups/contact_report_layout.h"
#include "followups/followup_procedures.h"
#include "frame/record_report.h"
#include "records/mail.h"
#include "runtime/print/report_structure.h"

namespace {

using reports::contact_block::addField;
using reports::contact_block::Columns;
using reports::contact_block::kAreaWidth;
using reports::contact_block::kGap;

PassSheet datedSheet(const char* key, const char* filter) {
    PassSheet s;
    s.file = &MAIL;
    s.key = key;
    s.filter = filter;
    s.displayName = "MAIL";
    s.expectedRecords = 500;
    s.batchSize = 25;
    return s;
}

Columns datedColumns() {
    Columns c;
    c.bandHeight = 938;
    c.ruleAt = 885;
    return c;
}

class FollowUpsReport : public ReportPass {
  public:
    FollowUpsReport()
        : ReportPass("Tovik026", {&MAIL}, datedSheet("MAI:KEYCONTACT", "Mai:ContDay > ' '")) {}

  protected:
    ReportStructurePtr makeReport() override {
        Columns c = datedColumns();
        c.kinds = 2563;
        c.numbers = 3438;
        c.extensions = 4667;
        c.enteredLabel = 5594;
        c.accessLabel = 5615;
        c.dates = 6500;
        return reports::contact_block::contactReport(c, [](rt::ReportBand& band) {
            addField(band, "MAI:FOLLOWUP", "@s20", 177, 646, kAreaWidth - kGap - 177);
        });
    }
};

class AppointmentsReport : public ReportPass {
  public:
    AppointmentsReport()
        : ReportPass("Tovik031", {&MAIL}, datedSheet("MAI:APOINTDATE", "MAI:AppointmentDate > 0")) {
    }

  protected:
    ReportStructurePtr makeReport() override {
        Columns c = datedColumns();
        c.kinds = 2698;
        c.numbers = 3479;
        c.extensions = 4677;
        c.extensionWidth = 365;
        c.enteredLabel = 5146;
        c.accessLabel = 5167;
        c.dates = 6052;
        return reports::contact_block::contactReport(c, [](rt::ReportBand& band) {
            // Each field ends a gap before the next item on its line.
            addField(band, "MAI:APPOINTMENTSUBJECT", "@s30", 5167, 400, kAreaWidth - kGap - 5167);
            addField(band, "MAI:APPOITMENTTYPE", "@s20", 188, 677, 5167 - kGap - 188);
            addField(band, "MAI:APPOINTMENTDATE", "@d1", 5167, 677, 5792 - kGap - 5167);
            addField(band, "MAI:APPOINTMENTTIME", "@P##:##P", 5792, 677, 6250 - kGap - 5792);
            const char* marks[][2] = {{"MAI:AM", "AM"}, {"MAI:PM", "PM"}};
            const int at[] = {6250, 6927};
            for (int i = 0; i < 2; ++i) {
                const rt::Field mark(MAIL, marks[i][0]);
                rt::ReportControl box;
                box.kind = rt::ReportControlKind::CheckBox;
                box.text = marks[i][1];
                box.at = {at[i], 677, 0, 0};
                box.value = [mark] { return mark.value(); };
                band.controls.push_back(box);
            }
        });
    }
};

}  // namespace

void PrintContactsReport() {
    FollowUpsReport().run();
}

void PrintAppointmentsReport() {
    AppointmentsReport().run();
}
