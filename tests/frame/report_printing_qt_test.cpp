// A report printed as the program prints it, driven by a scenario through the destination
// window: into a PDF file under the name typed (headless and through real widgets), and on
// paper through the print service, a virtual PDF printer queue of a print server this test
// starts itself. Printed from the preview, the report gives the keyboard back to the window
// that ran it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "drivers/driver.h"
#include "drivers/qt/qt_driver.h"
#include "frame/record_report.h"
#include "runtime/print/printer.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/dialogs.h"
#include "tests/frame/report_test_pages.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

rt::RecordFile& names() {
    static rt::RecordFile* file =
        new rt::RecordFile(rt::FileDecl("PRINTED", "PRN:")
                               .attributes(rt::CREATE | rt::THREAD)
                               .STRING("PRN:NAME", 20)
                               .KEY("PRN:KEYNAME", rt::DUP | rt::NOCASE, {"PRN:NAME"}));
    return *file;
}

// Labels of every name, in name order.
class PrintNames : public ReportPass {
  public:
    PrintNames() : ReportPass("NameLabels", {&names()}, sheet(), options()) {}

  protected:
    ReportStructurePtr makeReport() override {
        return testsupport::labelReport([this] { return line_; });
    }
    int recordVerdict() override { return VERDICT::Take; }
    void beforeDetail() override { line_ = "LABEL " + std::string(rt::clip(name_.text())); }

  private:
    static PassSheet sheet() {
        PassSheet s;
        s.file = &names();
        s.key = "PRN:KEYNAME";
        s.displayName = "PRINTED";
        return s;
    }
    static ReportOptions options() {
        ReportOptions o;
        o.labelLayout = true;
        return o;
    }
    rt::Field name_{names(), "PRN:NAME"};
    std::string line_;
};

void makeThirtyOneNames() {
    rt::RecordFile& f = names();
    if (f.create() == 0 && f.open() == 0) {
        rt::Field name(f, "PRN:NAME");
        for (int i = 1; i <= 31; ++i) {
            char text[16];
            std::snprintf(text, sizeof text, "NAME %02d", i);
            f.clear();
            name.setText(text);
            f.add();
        }
        f.close();
    }
}

// The program of these tests: 31 names (two pages of labels), the report, and a message
// once it is done, so that a scenario can wait for the end of the printing.
void printThirtyOneLabels() {
    makeThirtyOneNames();
    PrintNames().run();
    rt::message("The labels are printed.");
}

std::string commandOutput(const std::string& command) {
    std::string output;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 256> chunk;
        while (std::fgets(chunk.data(), chunk.size(), pipe))
            output += chunk.data();
        pclose(pipe);
    }
    return output;
}

// Both pages of labels, every label once, in the PDF file, with the footer a page shows:
// unnumbered when printed without the preview, which numbers the pages.
void expectTheLabels(const fs::path& pdf, const char* footer = "Page xxxxx of xxxxx") {
    ASSERT_TRUE(fs::exists(pdf)) << pdf;
    EXPECT_THAT(commandOutput("pdfinfo '" + pdf.string() + "' 2>/dev/null"),
                testing::ContainsRegex("Pages: +2\n"));
    const std::string text =
        commandOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
    for (const char* label : {"LABEL NAME 01", "LABEL NAME 30", "LABEL NAME 31"})
        EXPECT_THAT(text, HasSubstr(label));
    EXPECT_THAT(text, HasSubstr(footer));
}

rt::ScenarioResult runWith(bool widgets, const std::string& script) {
    std::istringstream in(script);
    if (!widgets) return rt::runScenario(in, &printThirtyOneLabels, "printing");
    rt::qt::QtDriver driver;
    return rt::runScenarioWith(driver, in, &printThirtyOneLabels, "printing");
}

class PrintIntoAFile : public testing::TestWithParam<bool> {};

TEST_P(PrintIntoAFile, TheScenarioFindsThePdfUnderTheNameTyped) {
    testsupport::TempDir dir{/*enter=*/true};
    rt::qt::ensureApplication();
    rt::printer().reset();
    rt::qt::installPrintBackend();
    const std::string script = R"(
window "Report Destination"
press "Options"
window "Print Options"
press "Print To FIle"
type 7 "names.pdf"
press "OK"
window "Report Destination"
press "Print Report"
press "OK"
expect message "The labels are printed."
answer "OK"
)";
    rt::ScenarioResult result = runWith(GetParam(), script);
    ASSERT_TRUE(result.passed) << result.report;
    expectTheLabels(dir / "names.pdf");
    rt::printer().reset();
}

TEST(PrintFromThePreview, ThePreviewClosesAndTheCallerHasTheKeyboardAgain) {
    testsupport::TempDir dir{/*enter=*/true};
    rt::qt::ensureApplication();
    rt::printer().reset();
    rt::qt::installPrintBackend();
    makeThirtyOneNames();
    qttest::CallerWindow caller{[] { PrintNames().run(); }};
    rt::qt::QtDriver driver;
    auto step = [&driver](const char* what, const std::function<void()>& act) {
        try {
            act();
        } catch (const std::exception& e) {
            ADD_FAILURE() << what << ": " << e.what() << "\n" << driver.dump();
            return false;
        }
        return true;
    };
    using rt::ControlName;
    driver.start([&] { caller(); });
    ASSERT_TRUE(step("into the destination window", [&] {
        driver.waitWindow("Caller");
        driver.press(ControlName::parse("\"Call\""));
        driver.waitWindow("Report Destination");
        driver.press(ControlName::parse("\"Options\""));
        driver.waitWindow("Print Options");
        driver.press(ControlName::parse("\"Print To FIle\""));
        driver.type(ControlName::parse("7"), "names.pdf");
        driver.press(ControlName::parse("\"OK\""));
        driver.waitWindow("Report Destination");
        driver.press(ControlName::parse("\"OK\""));
    }));
    ASSERT_TRUE(step("printing from the preview", [&] {
        driver.waitWindow("Report Preview");
        driver.press(ControlName::parse("1"));  // the tool bar's print button
        driver.waitWindow("Print Options");
        driver.press(ControlName::parse("\"OK\""));
    }));
    // Not through the driver's wait for a window, which would activate it.
    rt::Window* from = caller.window;
    ASSERT_NE(from, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        driver.settle();
        return qttest::topWindow() == from;
    }));
    EXPECT_TRUE(qttest::keyboardBackOn(driver.backend(), from, 2));
    EXPECT_TRUE(driver.finish());
    expectTheLabels(dir / "names.pdf", "Page 2 of 2");
    rt::printer().reset();
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWidgets, PrintIntoAFile, testing::Bool(),
                         [](const auto& info) { return info.param ? "Widgets" : "Headless"; });

// ---------------------------------------------------------------- the print service

constexpr const char* kQueue = "TovikPDF";
constexpr auto kJobLimit = std::chrono::seconds(30);

// A print server of our own in a folder of its own, on its own socket, with one virtual PDF
// printer as its default queue. Only root may start it (its PDF backend runs as root). The
// folder is open to all: the server's filters run as the print user and read the spool.
class PrintService {
  public:
    PrintService() {
        std::string pattern = (fs::temp_directory_path() / "tovik-print-XXXXXX").string();
        if (mkdtemp(pattern.data())) {
            root_ = pattern;
            fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
        }
    }
    ~PrintService() {
        stop();
        std::error_code ec;
        if (!root_.empty()) fs::remove_all(root_, ec);
    }

    // Empty when it runs; otherwise why not.
    std::string start() {
        if (root_.empty()) return "no folder for the print service";
        for (const char* tool : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin"})
            if (!fs::exists(tool)) return std::string(tool) + " is missing (scripts/install-deps)";
        if (!fs::exists("/usr/lib/cups/backend/cups-pdf"))
            return "the cups-pdf backend is missing (scripts/install-deps)";
        for (const char* sub : {"etc", "spool/tmp", "cache", "state", "log"})
            fs::create_directories(root_ / sub);
        socket_ = root_ / "cups.sock";
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
            << "SystemGroup root\n";
        const std::string conf = (root_ / "etc/cupsd.conf").string();
        const std::string files = (root_ / "etc/cups-files.conf").string();
        const char* argv[] = {"cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(), nullptr};
        if (posix_spawn(&server_, "/usr/sbin/cupsd", nullptr, nullptr,
                        const_cast<char* const*>(argv), environ) != 0)
            return "cupsd could not be started";
        for (int i = 0; i < 100 && !fs::exists(socket_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!fs::exists(socket_)) return "cupsd did not open " + socket_.string();
        // Every client of this process (lpadmin below, Qt's printing) talks to this server.
        // The queue turns the PDF it gets into PostScript with cairo, which keeps the texts
        // readable (ghostscript's way loses which glyph is which character).
        setenv("CUPS_SERVER", socket_.c_str(), 1);
        const std::string add = std::string("timeout 20 /usr/sbin/lpadmin -p ") + kQueue +
                                " -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd" +
                                " -o pdftops-renderer-default=pdftocairo > /dev/null 2>&1 && " +
                                "timeout 20 /usr/sbin/lpadmin -d " + kQueue + " > /dev/null 2>&1";
        if (std::system(add.c_str()) != 0) return "lpadmin could not add the PDF queue";
        return {};
    }

    void stop() {
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
        unsetenv("CUPS_SERVER");
    }

    // Whether the server still has jobs to finish.
    bool busy() const {
        std::string out;
        if (std::FILE* pipe = popen("timeout 10 lpstat -o 2>&1", "r")) {
            std::array<char, 256> chunk;
            while (std::fgets(chunk.data(), chunk.size(), pipe))
                out += chunk.data();
            if (pclose(pipe) != 0) return true;
        }
        return !out.empty();
    }

    std::string log() const {
        std::ifstream in(root_ / "log/error_log");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

  private:
    fs::path root_;
    fs::path socket_;
    pid_t server_ = 0;
};

// Where the virtual printer puts what it prints: ~/PDF of the user printing.
fs::path printedFolder() {
    const passwd* user = getpwuid(getuid());
    return fs::path(user && user->pw_dir ? user->pw_dir : "/root") / "PDF";
}

// The PDF files of that folder written after `since`.
std::vector<fs::path> printedSince(fs::file_time_type since) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(printedFolder(), ec))
        if (entry.path().extension() == ".pdf" && entry.last_write_time(ec) >= since)
            found.push_back(entry.path());
    return found;
}

TEST(PrintOnPaper, AReportReachesTheVirtualPdfPrinterThroughTheDestinationWindow) {
    if (geteuid() != 0) GTEST_SKIP() << "starting a print service for this test needs root";
    testsupport::TempDir dir{/*enter=*/true};
    PrintService service;
    const std::string why = service.start();
    ASSERT_TRUE(why.empty()) << why << "\n" << service.log();
    rt::qt::ensureApplication();
    rt::printer().reset();
    rt::qt::installPrintBackend();
    const auto since = fs::file_time_type::clock::now() - std::chrono::seconds(1);
    // The printer is chosen in the printer dialog (the service's only queue, its default).
    const std::string script = R"(
window "Report Destination"
press "Options"
window "Print Options"
press "Select"
answer "Print"
window "Print Options"
expect 10 "TovikPDF"
press "OK"
window "Report Destination"
press "Print Report"
press "OK"
expect message "The labels are printed."
answer "OK"
)";
    rt::ScenarioResult result = runWith(true, script);
    ASSERT_TRUE(result.passed) << result.report << "\n" << service.log();
    // The job is done when the server has none left; its PDF is complete then.
    const auto deadline = std::chrono::steady_clock::now() + kJobLimit;
    while (service.busy() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::vector<fs::path> printed = printedSince(since);
    ASSERT_EQ(printed.size(), 1u) << "in " << printedFolder() << "\n" << service.log();
    expectTheLabels(printed.front());
    if (!HasFailure()) fs::remove(printed.front());
    rt::printer().reset();
}

}  // namespace
