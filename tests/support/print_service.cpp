#include "tests/support/print_service.h"

#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/support/pdf_report.h"

namespace testsupport {

namespace fs = std::filesystem;

std::vector<fs::path> printedSince(fs::file_time_type since) {
    const passwd* user = getpwuid(getuid());
    const fs::path folder = fs::path(user && user->pw_dir ? user->pw_dir : "/root") / "PDF";
    std::vector<fs::path> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == ".pdf" && entry.last_write_time(ec) >= since)
            found.push_back(entry.path());
    return found;
}

TestPrintService::TestPrintService() {
    if (const char* server = std::getenv("CUPS_SERVER")) previousServer_ = server;
    std::string pattern = (fs::temp_directory_path() / "tovik-print-XXXXXX").string();
    if (mkdtemp(pattern.data())) {
        root_ = pattern;
        // Open to all: the service's filters run as the print user and read the spool.
        fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
        socket_ = root_ / "cups.sock";
    }
}

TestPrintService::~TestPrintService() {
    stop();
    if (previousServer_)
        setenv("CUPS_SERVER", previousServer_->c_str(), 1);
    else
        unsetenv("CUPS_SERVER");
    std::error_code ec;
    if (!root_.empty()) fs::remove_all(root_, ec);
}

bool TestPrintService::mayStart() {
    return geteuid() == 0;
}

std::string TestPrintService::start() {
    if (root_.empty()) return "no folder for the print service";
    if (!mayStart()) return "starting a print service for this test needs root";
    for (const char* tool :
         {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/sbin/cupsreject", "/usr/sbin/cupsdisable"})
        if (!fs::exists(tool)) return std::string(tool) + " is missing (scripts/install-deps)";
    if (!fs::exists("/usr/lib/cups/backend/cups-pdf"))
        return "the cups-pdf backend is missing (scripts/install-deps)";
    for (const char* sub : {"etc", "spool/tmp", "cache", "state", "log"})
        fs::create_directories(root_ / sub);
    std::ofstream(root_ / "etc/cupsd.conf") << "Listen " << socket_.string() << "\n"
                                            << "LogLevel info\nWebInterface No\nBrowsing No\n"
                                            << "<Location />\n  Order allow,deny\n"
                                            << "  Allow all\n</Location>\n"
                                            << "<Policy default>\n  <Limit All>\n"
                                            << "    Order allow,deny\n    Allow all\n"
                                            << "  </Limit>\n</Policy>\n";
    std::ofstream(root_ / "etc/cups-files.conf")
        << "ServerRoot " << (root_ / "etc").string() << "\n"
        << "RequestRoot " << (root_ / "spool").string() << "\n"
        << "TempDir " << (root_ / "spool/tmp").string() << "\n"
        << "CacheDir " << (root_ / "cache").string() << "\n"
        << "StateDir " << (root_ / "state").string() << "\n"
        << "ErrorLog " << (root_ / "log/error_log").string() << "\n"
        << "AccessLog " << (root_ / "log/access_log").string() << "\n"
        << "PageLog " << (root_ / "log/page_log").string() << "\n"
        << "SystemGroup root\nFileDevice Yes\n";
    // The socket is named before the service runs: nothing of this process reaches the
    // machine's service even if this one does not start.
    setenv("CUPS_SERVER", socket_.c_str(), 1);
    const std::string conf = (root_ / "etc/cupsd.conf").string();
    const std::string files = (root_ / "etc/cups-files.conf").string();
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child < 0) return "cupsd could not be started";
    if (child == 0) {
        // The service ends with the test process, whatever ends it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1);
        execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    server_ = child;
    for (int i = 0; i < 100 && !fs::exists(socket_); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!fs::exists(socket_)) return "cupsd did not open " + socket_.string() + "\n" + log();
    return {};
}

bool TestPrintService::tool(const std::string& command) const {
    return std::system(("timeout 20 " + command + " > /dev/null 2>&1").c_str()) == 0;
}

bool TestPrintService::addQueue(const std::string& name, bool intoPdfFiles) {
    // The queue turns the PDF it gets into PostScript with cairo, which keeps the texts
    // readable (ghostscript's way loses which glyph is which character), and hands it to the
    // virtual PDF printer or to nothing.
    const std::string device = intoPdfFiles ? "cups-pdf:/" : "file:///dev/null";
    const bool added =
        tool("/usr/sbin/lpadmin -p " + name + " -E -v " + device +
             " -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd" + " -o pdftops-renderer-default=pdftocairo");
    if (added && !anyQueue_) {
        anyQueue_ = true;
        return makeDefault(name);
    }
    return added;
}

bool TestPrintService::makeDefault(const std::string& name) {
    return tool("/usr/sbin/lpadmin -d " + name);
}

bool TestPrintService::refuseJobs(const std::string& name) {
    return tool("/usr/sbin/cupsreject -r 'taken out of service' " + name);
}

bool TestPrintService::pause(const std::string& name) {
    return tool("/usr/sbin/cupsdisable " + name);
}

bool TestPrintService::remove(const std::string& name) {
    return tool("/usr/sbin/lpadmin -x " + name);
}

void TestPrintService::stop() {
    if (server_ <= 0) return;
    kill(server_, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50 && waitpid(server_, &status, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (waitpid(server_, &status, WNOHANG) == 0) {
        kill(server_, SIGKILL);
        waitpid(server_, &status, 0);
    }
    server_ = 0;
}

int TestPrintService::jobsOn(const std::string& queue) const {
    std::istringstream lines(
        commandOutput("timeout 10 lpstat -W all -o " + queue + " 2>/dev/null"));
    int jobs = 0;
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(queue + "-", 0) == 0) ++jobs;
    return jobs;
}

void TestPrintService::waitForJobs(int seconds) const {
    if (server_ <= 0) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        std::string out;
        int code = -1;
        if (std::FILE* pipe = popen("timeout 10 lpstat -o 2>&1", "r")) {
            std::array<char, 256> chunk;
            while (std::fgets(chunk.data(), chunk.size(), pipe))
                out += chunk.data();
            code = pclose(pipe);
        }
        if (code == 0 && out.empty()) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
}

std::string TestPrintService::log() const {
    std::ifstream in(root_ / "log/error_log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace testsupport
