#include "runtime/print/print_service.h"

#include <cups/cups.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace rt {
namespace {

constexpr int kConnectMilliseconds = 10000;

// One connection to the service the environment names now (the library otherwise keeps the
// first server it was told of for the life of the thread).
class Connection {
  public:
    Connection() {
        cupsSetServer(nullptr);
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             kConnectMilliseconds, nullptr);
    }
    ~Connection() {
        if (http_) httpClose(http_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    http_t* http() const { return http_; }

  private:
    http_t* http_ = nullptr;
};

constexpr const char* kNoService = "no print service answers";
constexpr const char* kNoPrinter = "no printer is set up on this computer";

// The queue's printer-state is "stopped": it takes jobs and holds them.
bool paused(http_t* http, const std::string& queue) {
    cups_dest_t* dest = cupsGetNamedDest(http, queue.c_str(), nullptr);
    if (!dest) return false;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool stopped = state && std::string(state) == std::to_string(IPP_PSTATE_STOPPED);
    cupsFreeDests(1, dest);
    return stopped;
}

bool exists(http_t* http, const std::string& queue) {
    cups_dest_t* dest = cupsGetNamedDest(http, queue.c_str(), nullptr);
    if (dest) cupsFreeDests(1, dest);
    return dest != nullptr;
}

bool refused(ipp_status_t status) {
    return status > IPP_STATUS_OK_EVENTS_COMPLETE;
}

}  // namespace

std::string defaultPrintQueue(std::string& why) {
    why.clear();
    Connection service;
    if (!service.http()) {
        why = kNoService;
        return {};
    }
    cups_dest_t* dest = cupsGetNamedDest(service.http(), nullptr, nullptr);
    if (!dest) {
        why = kNoPrinter;
        return {};
    }
    std::string name = dest->name;
    cupsFreeDests(1, dest);
    return name;
}

PrintServiceAnswer submitPdfJob(const std::string& queue, int fd, const std::string& title) {
    PrintServiceAnswer answer;
    const std::string printer = "printer " + queue;
    Connection service;
    if (!service.http()) {
        answer.error = printer + " did not get the pages: " + kNoService;
        return answer;
    }
    http_t* http = service.http();
    const int job = cupsCreateJob(http, queue.c_str(), title.c_str(), 0, nullptr);
    if (job <= 0) {
        const std::string reason = cupsLastErrorString();
        answer.error = exists(http, queue) ? printer + " refused the pages: " + reason
                                           : printer + " is not set up on the print service";
        return answer;
    }
    // From here a failure takes the job back, so that no part of it prints.
    auto fail = [&](const std::string& why) {
        answer.error = printer + " did not get the pages: " + why;
        cupsCancelJob2(http, queue.c_str(), job, 1);
        return answer;
    };
    if (cupsStartDocument(http, queue.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        return fail(cupsLastErrorString());
    if (::lseek(fd, 0, SEEK_SET) != 0) return fail("the document could not be read");
    std::array<char, 65536> chunk;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return fail("the document could not be read");
        if (got == 0) break;
        if (cupsWriteRequestData(http, chunk.data(), static_cast<std::size_t>(got)) !=
            HTTP_STATUS_CONTINUE)
            return fail(cupsLastErrorString());
    }
    const ipp_status_t finished = cupsFinishDocument(http, queue.c_str());
    if (refused(finished)) return fail(cupsLastErrorString());
    answer.accepted = true;
    answer.jobId = job;
    if (paused(http, queue)) answer.notice = printer + " is paused: the pages wait in its queue";
    return answer;
}

}  // namespace rt
