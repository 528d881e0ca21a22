// Linked into every test program: the print service's library is pointed at a socket that
// cannot exist, so that no test reaches the machine's print service. A test that prints on
// paper starts a service of its own (print_service.h), which names its socket instead.
#include <cstdlib>

namespace {

const bool kNoPrintService = [] {
    setenv("CUPS_SERVER", "/dev/null/no-print-service", 1);
    return true;
}();

}  // namespace
