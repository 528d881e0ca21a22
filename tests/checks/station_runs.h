#pragma once
// Stations as programs of their own on one data folder: the session of tovik-drive that
// prints every check three to a page into a PDF file, its start, and the check numbers a PDF
// file holds; a forked station that prints the tagged drafts on a printer that holds its job.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "checks/check_procedures.h"
#include "frame/tagging.h"
#include "records/all_files.h"
#include "records/checks.h"
#include "runtime/print/printer.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/page_keeper.h"
#include "tests/support/print_endings.h"

namespace stationruns {

inline std::string numberOf(int i) {
    char text[16];
    std::snprintf(text, sizeof text, "N%04d", i);
    return text;
}

// The session of one station: all checks, three to a page, into its own PDF file.
inline void writeStationScript(const std::filesystem::path& file, const std::string& pdf) {
    std::ofstream out(file);
    out << "window \"Ridar Uzad  Version 5.55\"\n"
           "press \"Post And Print Checks\"\n"
           "window \"Post Checks To Print\"\n"
           "press \"Print All Checks\"\n"
           "window \"Select Check Style And Print Check\"\n"
           "press \"Style 2  - Prints Three Checks Per Page\"\n"
           "window \"Report Destination\"\n"
           "press \"Options\"\n"
           "window \"Print Options\"\n"
           "press \"Print To FIle\"\n"
           "type 7 \""
        << pdf
        << "\"\n"
           "press \"OK\"\n"
           "window \"Report Destination\"\n"
           "press \"Print Report\"\n"
           "press \"OK\"\n"
           "window \"Post Checks To Print\"\n"
           "press \"Close\"\n"
           "window \"Ridar Uzad  Version 5.55\"\n"
           "press \"E&xit\"\n";
}

inline pid_t startStation(const std::filesystem::path& folder,
                          const std::filesystem::path& script) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(3);
        std::freopen("/dev/null", "w", stdout);
        execl(TOVIK_DRIVE, TOVIK_DRIVE, script.c_str(), static_cast<char*>(nullptr));
        _exit(4);
    }
    return pid;
}

inline std::multiset<std::string> checkNumbersIn(const std::filesystem::path& pdf) {
    std::multiset<std::string> numbers;
    if (!std::filesystem::exists(pdf)) return numbers;
    std::string text;
    if (std::FILE* pipe = popen(("pdftotext '" + pdf.string() + "' -").c_str(), "r")) {
        std::array<char, 512> chunk;
        while (std::fgets(chunk.data(), chunk.size(), pipe))
            text += chunk.data();
        pclose(pipe);
    }
    const std::regex number("N[0-9]{4}");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        numbers.insert(it->str());
    return numbers;
}

// In the current folder: `count` unprinted checks numbered numberOf(1), ... (each with a
// payee of its own), and every other record file, as in a folder already in use.
inline void makeFolderWithChecks(int count) {
    std::vector<checktest::Check> checks;
    for (int i = 1; i <= count; ++i) {
        checktest::Check c("Ann", "Smith", "Payee " + std::to_string(i));
        c.checkNumber = numberOf(i);
        checks.push_back(c);
    }
    checktest::makeChecks(checks);
    for (const records::RecordFileEntry& entry : records::allRecordFiles())
        if (entry.file != &CHECKS) entry.file->create();
}

// In the current folder: `count` drafts with 3 drafts left, numbered 700, of the clients
// "Client " numberOf(1), ... (each with a payee of its own, "Payee 1", ...), all tagged to
// print, and every other record file.
inline void makeFolderWithTaggedDrafts(int count) {
    std::vector<checktest::Check> drafts;
    for (int i = 1; i <= count; ++i) {
        checktest::Check c("Ann", "Client " + numberOf(i), "Payee " + std::to_string(i), "10.00",
                           "", "3");
        c.checkNumber = "700";
        drafts.push_back(c);
    }
    const auto pointers = checktest::makeChecks(drafts);
    for (const records::RecordFileEntry& entry : records::allRecordFiles())
        if (entry.file != &CHECKS) entry.file->create();
    checktest::tagChecks(TAG::MonthlyDrafts, pointers);
}

// Runs the draft run of the tagged drafts numbered from `first` on the printer installed,
// printing without a preview and answering its messages; false when it did not end.
inline bool printTaggedDraftsFrom(const std::string& first) {
    rt::Driver d;
    d.start(&EnterStartingCheckNumber);
    d.waitWindow("");
    d.type("LOC:StartingNumber", first);
    d.press("Continue");
    checktest::printWithoutPreview(d);
    testsupport::answerToTheEnd(d);
    return d.finish();
}

// The payees of the drafts a DraftStation printed, one a page.
inline std::multiset<std::string> payeesPrinted(const std::filesystem::path& out) {
    std::multiset<std::string> payees;
    std::ifstream in(out);
    for (std::string line; std::getline(in, line);)
        payees.insert(line);
    return payees;
}

// Another station, forked: once told to go, it prints the tagged drafts from 1001 on a
// printer that holds its job (it says when the job waits, or when its run ended without
// one) until it is released, then writes the payees of its pages into `out`.
class DraftStation {
  public:
    explicit DraftStation(const std::filesystem::path& out) {
        if (pipe(go_) != 0 || pipe(ready_) != 0 || pipe(release_) != 0) return;
        pid_ = fork();
        if (pid_ == 0) _exit(run(out));
        // Only the station writes its readiness: its end shows as the pipe's end.
        ::close(ready_[1]);
        ready_[1] = -1;
    }
    ~DraftStation() {
        for (int* ends : {go_, ready_, release_})
            for (int i : {0, 1})
                if (ends[i] >= 0) ::close(ends[i]);
        if (pid_ > 0 && !waited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    DraftStation(const DraftStation&) = delete;
    DraftStation& operator=(const DraftStation&) = delete;

    bool started() const { return pid_ > 0; }
    void go() { (void)!write(go_[1], "g", 1); }
    bool waitReady() {
        char c = 0;
        return read(ready_[0], &c, 1) == 1;
    }
    void release() { (void)!write(release_[1], "r", 1); }
    void killNow() { kill(pid_, SIGKILL); }
    // Waits for the station's end: its exit code (0: all went well), -1 when killed.
    int exitCode() {
        int status = 0;
        waited_ = waitpid(pid_, &status, 0) == pid_;
        return waited_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    // A printer that keeps the pages of its job, then holds the job until the test lets it
    // go: the run's claims stay alive meanwhile.
    class HeldPrinter : public rt::PrintBackend {
      public:
        HeldPrinter(int ready, int release) : ready_(ready), release_(release) {}
        std::string defaultPrinterName() override { return "Held Printer"; }
        bool print(rt::PageSource& pages, const rt::PrintSettings&, std::string& error) override {
            if (!testsupport::takePages(pages, printed, error)) return false;
            sayReady();
            char c = 0;
            return read(release_, &c, 1) == 1;
        }
        void sayReady() {
            if (said_) return;
            said_ = true;
            (void)!write(ready_, "r", 1);
        }
        std::vector<rt::Page> printed;

      private:
        int ready_, release_;
        bool said_ = false;
    };

    int run(const std::filesystem::path& out) {
        char c = 0;
        if (read(go_[0], &c, 1) != 1) return 1;
        auto printer = std::make_shared<HeldPrinter>(ready_[1], release_[0]);
        rt::printer().reset();
        rt::printer().setBackend(printer);
        if (!printTaggedDraftsFrom("1001")) return 2;
        // A station that found every draft taken printed nothing and held nothing.
        printer->sayReady();
        std::ofstream payees(out);
        const std::regex payee("Payee [0-9]+");
        for (const rt::Page& page : printer->printed) {
            std::set<std::string> onPage;
            for (const std::string& text : checktest::textsOf(page))
                if (std::regex_match(std::string(rt::clip(text)), payee))
                    onPage.emplace(rt::clip(text));
            for (const std::string& name : onPage)
                payees << name << "\n";
        }
        return payees ? 0 : 3;
    }

    int go_[2] = {-1, -1}, ready_[2] = {-1, -1}, release_[2] = {-1, -1};
    pid_t pid_ = -1;
    bool waited_ = false;
};

}  // namespace stationruns
