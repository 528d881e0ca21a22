// A hand-over to the desktop from an application thread, with a Qt application running, and
// what the desktop's own tool answered.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "runtime/system/desktop_handover.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The GUI thread here waits for the application thread without handling events, as the test
// driver's settle does: a hand-over that needed the GUI thread to answer would never return.
TEST(DesktopHandOverQt, AnApplicationThreadGetsTheDesktopsAnswerWithoutTheGuiThread) {
    rt::qt::ensureApplication();
    rt::setDesktopRecorder(nullptr);
    rt::HandOverResult result = rt::HandOverResult::Refused;
    std::thread application([&] { result = rt::openShellAddress("http://localhost:8080/"); });
    application.join();
    EXPECT_NE(result, rt::HandOverResult::Refused);
}

// Sets an environment variable for the life of the object.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// The desktop's tool (gio) in a desktop of its own: the only program it knows, when one is
// set up, takes web addresses. An address that a program takes is opened; one that nothing
// takes, and the manual, are told as not opened, though the tool itself started.
TEST(DesktopHandOverQt, WhatNothingOnTheDesktopTakesIsToldAsNotOpened) {
    const fs::path gio = "/usr/bin/gio";
    ASSERT_TRUE(fs::exists(gio)) << "scripts/install-deps installs it (libglib2.0-bin)";
    rt::qt::ensureApplication();
    rt::setDesktopRecorder(nullptr);
    testsupport::TempDir dir;
    fs::create_directories(dir / "bin");
    fs::create_symlink(gio, dir / "bin" / "gio");
    fs::create_directories(dir / "data" / "applications");
    fs::create_directories(dir / "config");
    const fs::path manual = dir / "manual.html";
    std::ofstream(manual) << "<html><body>The manual</body></html>\n";
    ScopedVariable path("PATH", (dir / "bin").string());
    ScopedVariable home("HOME", dir.path().string());
    ScopedVariable dataDirs("XDG_DATA_DIRS", (dir / "none").string());
    ScopedVariable dataHome("XDG_DATA_HOME", (dir / "data").string());
    ScopedVariable configDirs("XDG_CONFIG_DIRS", (dir / "none").string());
    ScopedVariable configHome("XDG_CONFIG_HOME", (dir / "config").string());

    const auto handOver = [](const std::function<rt::HandOverResult()>& call) {
        rt::HandOverResult result = rt::HandOverResult::Refused;
        std::thread application([&] { result = call(); });
        application.join();
        return result;
    };
    const auto web = [] { return rt::openShellAddress("http://localhost:8080/"); };
    const auto mail = [] { return rt::openShellAddress("MailTo:ann@example.com"); };
    const auto manualOpened = [&] {
        return rt::openDocument(manual) ? rt::HandOverResult::Opened
                                        : rt::HandOverResult::NotOpened;
    };
    EXPECT_EQ(handOver(web), rt::HandOverResult::NotOpened);
    EXPECT_EQ(handOver(mail), rt::HandOverResult::NotOpened);
    EXPECT_EQ(handOver(manualOpened), rt::HandOverResult::NotOpened);

    std::ofstream(dir / "data" / "applications" / "taker.desktop")
        << "[Desktop Entry]\nType=Application\nName=Taker\nExec=/bin/true %u\n"
           "MimeType=x-scheme-handler/http;\n";
    std::ofstream(dir / "config" / "mimeapps.list")
        << "[Default Applications]\nx-scheme-handler/http=taker.desktop\n";
    EXPECT_EQ(handOver(web), rt::HandOverResult::Opened);
    EXPECT_EQ(handOver(mail), rt::HandOverResult::NotOpened);
}

}  // namespace
