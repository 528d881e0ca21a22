#pragma once
// The print service (CUPS), asked directly through its own library: which queue is the
// default, whether a queue is paused, and a job submitted on a named queue with the service's
// own answer. Each call connects to the service the environment names at that moment
// (CUPS_SERVER, or the client configuration), so that a test can choose its own.

#include <string>

namespace rt {

// The service's default queue: empty, with `why` set, when no service answers or none is set.
std::string defaultPrintQueue(std::string& why);

// What the service said to a job: accepted with its id (and, when the queue is paused, a word
// on where the pages wait), or refused with the printer's name and the service's reason.
struct PrintServiceAnswer {
    bool accepted = false;
    int jobId = 0;
    std::string notice;  // accepted but held: for the user
    std::string error;   // refused: for the user
};

// Sends the PDF document read from `fd` (from its start) as one job on `queue`.
PrintServiceAnswer submitPdfJob(const std::string& queue, int fd, const std::string& title);

}  // namespace rt
