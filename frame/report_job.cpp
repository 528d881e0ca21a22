#include "frame/report_job.h"

#include <cctype>

#include "runtime/print/printer.h"
#include "runtime/print/report.h"

void ReportStructureDeleter::operator()(rt::ReportStructure* structure) const {
    delete structure;
}

ReportJob::ReportJob(ReportStructurePtr structure) {
    if (!structure->details.empty()) firstDetail_ = structure->details.front().id;
    report_ = std::make_unique<rt::Report>(std::move(*structure));
}

ReportJob::~ReportJob() = default;

int ReportJob::firstDetailBand() const {
    return firstDetail_;
}

void ReportJob::keepBandHeight(int bandId) {
    if (rt::ReportBand* band = report_->band(bandId)) band->minHeight = band->at.height;
}

void ReportJob::setPreviewQueue(rt::PreviewQueue* queue) {
    report_->setPreviewQueue(queue);
}

void ReportJob::setPrintPreviewedPages(bool on) {
    report_->setPrintPreviewedPages(on);
}

bool ReportJob::open(std::string& error) {
    return report_->open(error);
}

bool ReportJob::isOpen() const {
    return report_->isOpen();
}

bool ReportJob::print(int bandId) {
    return report_->print(bandId);
}

bool ReportJob::finish() {
    return report_->finish();
}

bool ReportJob::close(std::string& error) {
    return report_->close(error);
}

const std::string& ReportJob::lastError() const {
    return report_->lastError();
}

int ReportJob::pageCount() const {
    return report_->pageCount();
}

bool ReportJob::setImage(int controlId, std::span<const std::uint8_t> bytes, std::string& error) {
    return report_->setImage(controlId, bytes, error);
}

bool ReportJob::setImageFile(int controlId, const std::filesystem::path& file, std::string& error) {
    return report_->setImageFile(controlId, file, error);
}

void ReportJob::clearImage(int controlId) {
    report_->clearImage(controlId);
}

std::string PrinterDeviceName() {
    return rt::printer().device();
}

std::string NoPrinterShown() {
    rt::PrintBackend* backend = rt::printer().backend();
    std::string why = backend ? backend->whyNoPrinter() : std::string();
    if (!why.empty()) why[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(why[0])));
    return why;
}

void SetPrinterDevice(const std::string& name) {
    rt::printer().setDevice(name);
}

void SetPrinterCopies(int copies, bool collate) {
    rt::printer().setCollate(collate);
    rt::printer().setCopies(copies);
}

void SetPrintToFile(bool on) {
    rt::printer().setPrintToFile(on);
}
