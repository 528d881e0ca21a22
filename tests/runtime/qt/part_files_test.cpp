// A run killed while it writes a document leaves the document's part file beside the target;
// the next run that writes into that folder removes it, and never the part file of a run that
// still lives. The runs here are processes of their own, killed for real; the killed one had
// started a program that outlives it, which must not keep its part file alive.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "runtime/print/part_files.h"
#include "runtime/print/printer.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "tests/support/temp_dir.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A process that starts writing `target` (its part file made as a run makes it), starts a
// program that outlives it, and waits to be killed. Its id and the program's.
struct Writer {
    pid_t writer = 0, program = 0;
};

Writer startWriting(const fs::path& target) {
    int ready[2];
    if (pipe(ready) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        std::string temporary;
        const int fd = rt::createPartFile(target.string(), temporary);
        if (fd < 0 || write(fd, "%PDF-1.4\n", 9) != 9) _exit(1);
        pid_t program = 0;
        const char* argv[] = {"sleep", "60", nullptr};
        if (posix_spawnp(&program, "sleep", nullptr, nullptr, const_cast<char* const*>(argv),
                         environ) != 0)
            _exit(1);
        if (write(ready[1], &program, sizeof program) != sizeof program) _exit(1);
        for (;;)
            pause();
    }
    close(ready[1]);
    Writer w;
    w.writer = child;
    if (read(ready[0], &w.program, sizeof w.program) != sizeof w.program) w.program = 0;
    close(ready[0]);
    return w;
}

std::vector<std::string> partFilesIn(const fs::path& folder) {
    std::vector<std::string> found;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().find(".part-") != std::string::npos)
            found.push_back(e.path().filename().string());
    return found;
}

bool writeOtherDocument(const fs::path& pdf) {
    rt::PagesInMemory pages({rt::Page{}});
    std::string error;
    const bool written = rt::qt::writePdf(pages, QString::fromStdString(pdf.string()), error);
    EXPECT_TRUE(written) << error;
    return written;
}

TEST(PartFiles, TheNextRunInTheFolderRemovesThoseOfKilledRunsOnly) {
    rt::qt::ensureApplication();
    testsupport::TempDir dir;
    const Writer w = startWriting(dir / "checks.pdf");
    ASSERT_GT(w.writer, 0);
    ASSERT_GT(w.program, 0);
    ASSERT_EQ(partFilesIn(dir.path()).size(), 1u);

    // Its run lives: another run writing into the folder leaves the part file alone.
    writeOtherDocument(dir / "labels.pdf");
    EXPECT_EQ(partFilesIn(dir.path()).size(), 1u);

    kill(w.writer, SIGKILL);
    waitpid(w.writer, nullptr, 0);
    ASSERT_EQ(partFilesIn(dir.path()).size(), 1u);  // left behind, the program still running

    writeOtherDocument(dir / "labels.pdf");
    EXPECT_TRUE(partFilesIn(dir.path()).empty());
    EXPECT_TRUE(fs::exists(dir / "labels.pdf"));
    EXPECT_FALSE(fs::exists(dir / "checks.pdf"));

    kill(w.program, SIGKILL);
    waitpid(w.program, nullptr, 0);
}

}  // namespace
