#pragma once
// A print service (cupsd) of the test's own, in a scratch folder and on its own socket, never
// the machine's: queues that print into nothing or into PDF files (the virtual PDF printer), which
// the test can make refuse jobs, pause, remove, and the service itself stopped while a run goes on.
// While it lives, CUPS_SERVER names its socket for this process and the tools it starts;
// once stopped, the socket answers nobody. Only root may start it (the PDF printer runs as
// root). The service is stopped with the object, and with the test process if that dies.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

class TestPrintService {
  public:
    TestPrintService();
    ~TestPrintService();
    TestPrintService(const TestPrintService&) = delete;
    TestPrintService& operator=(const TestPrintService&) = delete;

    // Empty when the service runs; otherwise why not (gtest: skip without root).
    std::string start();
    static bool mayStart();  // whether this process may start one (root)

    // A queue whose pages go nowhere, or into PDF files in ~/PDF of the user (one test at a
    // time may look there); the first added is the default.
    bool addQueue(const std::string& name, bool intoPdfFiles = false);
    bool makeDefault(const std::string& name);
    bool refuseJobs(const std::string& name);  // cupsreject: the queue takes no job
    bool pause(const std::string& name);       // cupsdisable: jobs wait in the queue
    bool remove(const std::string& name);      // lpadmin -x
    void stop();                               // the service ends; its socket stays dead

    // Jobs the service took on `queue`, finished or not.
    int jobsOn(const std::string& queue) const;
    // Waits until the running service has no unfinished job (a paused queue's jobs stay).
    void waitForJobs(int seconds = 30) const;
    std::string log() const;

  private:
    bool tool(const std::string& command) const;

    std::filesystem::path root_;
    std::filesystem::path socket_;
    pid_t server_ = 0;
    std::optional<std::string> previousServer_;
    bool anyQueue_ = false;
};

// The PDF files the virtual printer wrote since `since` (in ~/PDF of the user printing).
std::vector<std::filesystem::path> printedSince(std::filesystem::file_time_type since);

}  // namespace testsupport
