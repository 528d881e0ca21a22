#pragma once
// The ways a print run can end, played on a report through the headless driver: into a
// complete file, as a job the print service takes, the preview closed, cancelled at the
// destination or during the run, into a file that cannot be written, or refused by the print
// service.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "drivers/driver.h"
#include "drivers/headless_backend.h"
#include "runtime/data/record_file.h"
#include "runtime/print/printer.h"
#include "runtime/qt/print_backend.h"
#include "tests/support/pdf_report.h"

namespace testsupport {

enum class Ending {
    CompleteFile,
    ServiceJob,
    PreviewClosed,
    CancelAtDestination,
    CancelDuringRun,
    UnwritableFile,
    ServiceRefuses
};

inline const char* nameOf(Ending e) {
    switch (e) {
        case Ending::CompleteFile:
            return "complete file";
        case Ending::ServiceJob:
            return "print service job";
        case Ending::PreviewClosed:
            return "preview closed";
        case Ending::CancelAtDestination:
            return "cancel at the destination";
        case Ending::CancelDuringRun:
            return "cancel during the run";
        case Ending::UnwritableFile:
            return "unwritable file";
        case Ending::ServiceRefuses:
            return "print service refuses";
    }
    return "";
}

inline bool onPaper(Ending e) {
    return e == Ending::CompleteFile || e == Ending::ServiceJob;
}

// A print service that takes no job.
class RefusingService : public rt::PrintBackend {
  public:
    std::string defaultPrinterName() override { return "Office"; }
    bool print(rt::PageSource&, const rt::PrintSettings&, std::string& error) override {
        error = "the print service refused the job";
        return false;
    }
};

// Printing into PDF files through Qt on a machine without a print service.
class FilesOnly : public rt::qt::QtPrintBackend {
  public:
    std::string defaultPrinterName() override { return ""; }
};

inline const Ending kEndings[] = {Ending::CompleteFile,    Ending::ServiceJob,
                                  Ending::PreviewClosed,   Ending::CancelAtDestination,
                                  Ending::CancelDuringRun, Ending::UnwritableFile,
                                  Ending::ServiceRefuses};

// Lets the progress window's timer run until the procedure has returned or asks something.
inline void runTimersUntilAsked(rt::Driver& d) {
    for (int round = 0; round < 2000; ++round) {
        d.settle();
        if (d.ended() || !d.backend().pendingDialogs().empty() || !d.backend().fireNextTimer())
            return;
    }
}

// Answers every message box until the procedure ends; their texts.
inline std::vector<std::string> answerToTheEnd(rt::Driver& d) {
    std::vector<std::string> texts;
    for (int round = 0; round < 2000 && !d.ended(); ++round) {
        d.settle();
        const auto dialogs = d.backend().pendingDialogs();
        if (!dialogs.empty()) {
            texts.push_back(dialogs.front()->text);
            d.answer("OK");
            continue;
        }
        if (!d.backend().fireNextTimer()) break;
    }
    return texts;
}

// Runs `report` ended the way asked (into `pdf` when into a file, through the printer
// installed before when on the print service); `meanwhile` runs once the pass has taken its
// first record. Answers the messages shown.
inline std::vector<std::string> runEndedBy(const std::function<void()>& report, Ending ending,
                                           const std::filesystem::path& pdf,
                                           const std::function<void()>& meanwhile) {
    if (ending == Ending::ServiceRefuses)
        rt::printer().setBackend(std::make_shared<RefusingService>());
    if (ending == Ending::CompleteFile || ending == Ending::UnwritableFile)
        rt::printer().setBackend(std::make_shared<FilesOnly>());
    rt::Driver d;
    d.start(report);
    if (ending == Ending::CancelAtDestination) {
        d.waitWindow("Report Destination");
        d.press("Cancel");
        EXPECT_TRUE(d.finish());
        return {};
    }
    if (ending == Ending::CompleteFile) chooseFileAtDestination(d, pdf);
    if (ending == Ending::UnwritableFile) chooseFileAtDestination(d, "/nonexistent/dir/x.pdf");
    if (ending != Ending::PreviewClosed) d.press("Print Report");
    d.press("OK");
    d.waitWindow("Generating Report");
    d.settle();  // the first record is found and taken
    meanwhile();
    if (ending == Ending::CancelDuringRun) d.press("Cancel");
    runTimersUntilAsked(d);
    if (ending == Ending::PreviewClosed) {
        d.waitWindow("Report Preview");
        d.press(2);  // "Exit Without Printing Report"
    }
    std::vector<std::string> messages = answerToTheEnd(d);
    EXPECT_TRUE(d.finish());
    return messages;
}

// Another station, with connections of its own, writes `text` into `field` of the record of
// `file` at `pointer` while the run is under way.
inline void writeAsAnotherStation(rt::RecordFile& file, const rt::Field& field,
                                  std::int64_t pointer, const std::string& text) {
    std::thread station([&] {
        file.open();
        if (file.getPointer(pointer) == 0) {
            field.setText(text);
            EXPECT_EQ(file.put(), 0);
        }
        file.close();
    });
    station.join();
}

}  // namespace testsupport
