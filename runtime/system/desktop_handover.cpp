#include "runtime/system/desktop_handover.h"

#include <QGuiApplication>
#include <QUrl>
#include <chrono>
#include <mutex>
#include <optional>

#include "runtime/system/desktop_address.h"
#include "runtime/system/desktop_programs.h"

namespace rt {
namespace {

std::mutex recorderMutex;
std::function<void(const DesktopHandOver&)>& recorder() {
    static std::function<void(const DesktopHandOver&)> r;
    return r;
}

// How long the desktop's tool may take to say whether a program took the address; one that
// still runs then has started a program and waits for it.
constexpr std::chrono::seconds kToolAnswer{10};

// Hands the URI to the desktop's tool on the calling thread and answers whether a program
// took it: the tool's answer is waited for, since a tool that starts says nothing yet. An
// application thread waits itself: the GUI thread is never held, neither by the desktop
// (which may take seconds to answer) nor by a thread waiting on it.
bool openOnDesktop(const std::string& uri) {
    QCoreApplication* app = QGuiApplication::instance();
    if (app == nullptr || qobject_cast<QGuiApplication*>(app) == nullptr) return false;
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(uri), QUrl::StrictMode);
    if (!url.isValid()) return false;
    const desktop::ToolAnswer answer =
        desktop::RunDesktopTool(desktop::DesktopOpenCommand(uri), kToolAnswer);
    return answer.kind == desktop::ToolAnswer::Kind::StillRunning ||
           (answer.kind == desktop::ToolAnswer::Kind::Ended && answer.exitCode == 0);
}

HandOverResult handOver(DesktopHandOver request) {
    {
        std::lock_guard lock(recorderMutex);
        if (recorder()) {
            recorder()(request);
            return HandOverResult::Opened;
        }
    }
    return openOnDesktop(request.address) ? HandOverResult::Opened : HandOverResult::NotOpened;
}

}  // namespace

HandOverResult openShellAddress(std::string_view text) {
    const std::optional<std::string> uri = shellAddressFor(text);
    if (!uri) return HandOverResult::Refused;
    return handOver({*uri, {}, {}, {}});
}

HandOverResult requestCall(std::string_view number, std::string_view application,
                           std::string_view calledParty, std::string_view comment) {
    const std::optional<std::string> uri = telephoneAddressFor(number);
    if (!uri) return HandOverResult::Refused;
    return handOver(
        {*uri, std::string(application), std::string(calledParty), std::string(comment)});
}

bool openDocument(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(absolute.string()));
    return handOver({url.toEncoded().toStdString(), {}, {}, {}}) == HandOverResult::Opened;
}

void setDesktopRecorder(std::function<void(const DesktopHandOver&)> r) {
    std::lock_guard lock(recorderMutex);
    recorder() = std::move(r);
}

}  // namespace rt
