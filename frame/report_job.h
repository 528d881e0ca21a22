#pragma once
// A running report for the report engine. Procedures reach their report through this class;
// their report structures are built in files of their own that include
// runtime/print/report_structure.h.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "runtime/print/preview_queue.h"

namespace rt {
struct ReportStructure;
class Report;
}  // namespace rt

// Owns a report structure where its type is not complete:
//   return ReportStructurePtr(new rt::ReportStructure(std::move(structure)));
struct ReportStructureDeleter {
    void operator()(rt::ReportStructure* structure) const;
};
using ReportStructurePtr = std::unique_ptr<rt::ReportStructure, ReportStructureDeleter>;

class ReportJob {
  public:
    explicit ReportJob(ReportStructurePtr structure);
    ~ReportJob();  // closes the report without printing when it is still open
    ReportJob(const ReportJob&) = delete;
    ReportJob& operator=(const ReportJob&) = delete;

    // The id of the structure's first detail band (0 when it has none).
    int firstDetailBand() const;
    // The band takes at least its own height in the flow (label sheets).
    void keepBandHeight(int bandId);

    void setPreviewQueue(rt::PreviewQueue* queue);
    void setPrintPreviewedPages(bool on);
    bool open(std::string& error);
    bool isOpen() const;
    bool print(int bandId);
    bool finish();
    bool close(std::string& error);
    const std::string& lastError() const;
    int pageCount() const;

    // Pictures of image controls while the report runs.
    bool setImage(int controlId, std::span<const std::uint8_t> bytes, std::string& error);
    bool setImageFile(int controlId, const std::filesystem::path& file, std::string& error);
    void clearImage(int controlId);

    rt::Report& report() { return *report_; }

  private:
    int firstDetail_ = 0;
    std::unique_ptr<rt::Report> report_;
};

// TARGET:Printer's settings as the destination question reads and writes them.
std::string PrinterDeviceName();
// What the windows show where no printer can be named: why there is none.
std::string NoPrinterShown();
void SetPrinterDevice(const std::string& name);
void SetPrinterCopies(int copies, bool collate);
void SetPrintToFile(bool on);
