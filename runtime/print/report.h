#pragma once
// A running report: open, print(band) as the procedure walks its records, finish (or
// endPage for a forced page break), close. Every finished page is appended to the report's
// page spool and its name listed in the preview queue; close prints the pages still listed
// when PROP:PrintPreviewedPages is set, and deletes the spool.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runtime/print/page.h"
#include "runtime/print/page_spool.h"
#include "runtime/print/preview_queue.h"
#include "runtime/print/report_structure.h"
#include "runtime/text/decimal.h"

namespace rt {

class Report {
  public:
    explicit Report(ReportStructure structure);
    ~Report();  // closes the report without printing when it is still open
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // PROP:PreviewQueue. Without one the report keeps its own list.
    void setPreviewQueue(PreviewQueue* queue) { queue_ = queue; }
    // PROP:PrintPreviewedPages.
    void setPrintPreviewedPages(bool on) { printPreviewed_ = on; }
    bool printPreviewedPages() const { return printPreviewed_; }

    // The structure's controls and bands, to change sizes, texts or minimum heights while
    // the report runs. Null when there is no such control or band.
    ReportControl* control(int id);
    ReportBand* band(int id);

    // PROP:ImageFromBlob and the picture file of an image control. A picture that cannot be
    // read leaves the control empty and answers false with the reason.
    bool setImage(int controlId, std::span<const std::uint8_t> bytes, std::string& error);
    bool setImageFile(int controlId, const std::filesystem::path& file, std::string& error);
    void clearImage(int controlId);

    // OPEN: creates the spool for the pages. False with the reason when it cannot.
    bool open(std::string& error);
    bool isOpen() const { return open_; }

    // PRINT(band): a detail band or a break group's header or footer, placed in the flow.
    // Breaks are checked before a detail prints. False when the report is not open, the band
    // is not one of these, or a page could not be written (see lastError).
    bool print(int bandId);

    // ENDPAGE: the current page is finished and written; the next band starts a new page.
    bool endPage();

    // Completes the pages: footers of the open break groups, then the last page is written.
    bool finish();

    // CLOSE: prints the listed pages when PROP:PrintPreviewedPages is set (a page still being
    // filled is finished first), then deletes the report's spool. False with the reason when
    // printing failed; the spool is deleted in any case.
    bool close(std::string& error);

    // The pages that reached the printer at CLOSE (their indexes in page order): empty until
    // a CLOSE printed them, and after a CLOSE whose printing failed.
    const std::vector<int>& pagesPrinted() const { return pagesPrinted_; }
    // The indexes of the named pages in page order (names not of this report are left out).
    std::vector<int> indexesOf(const std::vector<std::string>& names) const;
    // The index the page being filled will have (the page of the band printed last); -1
    // when no page is being filled.
    int pageBeingFilled() const { return page_ ? static_cast<int>(spool_.pageCount()) : -1; }

    // The last error met while writing a page (a full disk, a folder removed).
    const std::string& lastError() const { return lastError_; }

    int pageCount() const { return static_cast<int>(spool_.pageCount()); }
    // The names of the pages written so far, in page order, whether or not still in the queue.
    std::vector<std::string> pageNames() const;
    // The spool's file while the report is open.
    const std::filesystem::path& spoolFile() const { return spool_.path(); }

    // The paper of the report's pages.
    PaperSize paper() const { return paper_; }

  private:
    struct BreakState {
        bool started = false;
        Value last;
    };

    std::vector<ReportBand*> allBands();
    const ReportBand* findFlowBand(int id) const;
    bool placeBand(const ReportBand& band);
    bool startPage();
    bool finishPage();
    void drawBand(const ReportBand& band, int originX, int originY);
    void drawControl(const ReportControl& control, int originX, int originY);
    void checkBreaks(int detailId);
    void tally(int detailId);
    void resetSums(SumReset reset, int breakId);
    bool placeGroupBand(const std::optional<ReportBand>& band);
    int usableHeight() const;

    ReportStructure s_;
    PaperSize paper_;
    PreviewQueue* queue_ = nullptr;
    PageList ownQueue_;
    bool printPreviewed_ = false;
    bool open_ = false;
    PageSpool spool_;
    struct HeldPicture {
        std::vector<std::uint8_t> bytes;
        int width = 0, height = 0;  // pixels
    };
    std::map<int, HeldPicture> images_;  // image control id -> its picture
    std::map<int, Decimal> sums_;        // sum control id -> running sum
    std::vector<BreakState> breaks_;

    std::vector<int> pagesPrinted_;
    std::optional<Page> page_;  // the page being filled
    int pageNumber_ = 0;
    int cursorX_ = 0, cursorY_ = 0, rowHeight_ = 0;
    std::string lastError_;
};

}  // namespace rt
