#include "runtime/qt/window_pictures.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QWidget>

#include "runtime/text/codepage.h"
#include "runtime/ui/window_structure.h"

namespace rt::qt {
namespace {

// A title as a file name: characters a file name or a shell would trip on become '_', and
// runs of blanks one blank.
std::string asFileName(const std::string& title) {
    QString file = QString::fromStdString(cp1252ToUtf8(title));
    for (QChar& ch : file)
        if (!ch.isLetterOrNumber() && !QStringLiteral(" -.()'&,").contains(ch)) ch = '_';
    return file.simplified().toStdString();
}

}  // namespace

WindowPictures::WindowPictures(std::string folder) : folder_(std::move(folder)) {}

std::string WindowPictures::nameIn(const std::vector<Shown>& group, const Shown& shown) const {
    const std::string base = asFileName(shown.title);
    if (group.size() == 1 && !base.empty()) return base;
    bool moduleShared = false;
    for (const Shown& other : group)
        moduleShared = moduleShared || (other.module == shown.module && other.label != shown.label);
    const std::string which = asFileName(moduleShared ? shown.label : shown.module);
    return base.empty() ? "(untitled) " + which : base + " - " + which;
}

std::string WindowPictures::nameFor(const std::string& module, const std::string& label,
                                    const std::string& title) {
    const Shown shown{module, label, title};
    if (auto it = names_.find(shown); it != names_.end()) return it->second;
    std::vector<Shown>& group = byTitle_[asFileName(title)];
    group.push_back(shown);
    // The newcomer may give the title's earlier pictures a longer name.
    for (const Shown& earlier : group) {
        auto it = names_.find(earlier);
        if (it == names_.end()) continue;
        const std::string now = nameIn(group, earlier);
        if (now != it->second) rename(it->second, now);
        it->second = now;
    }
    return names_[shown] = nameIn(group, shown);
}

void WindowPictures::rename(const std::string& from, const std::string& to) const {
    const QString dir = QString::fromStdString(folder_) + "/";
    QFile::remove(dir + QString::fromStdString(to) + ".png");
    QFile::rename(dir + QString::fromStdString(from) + ".png",
                  dir + QString::fromStdString(to) + ".png");
}

void WindowPictures::save(QWidget& frame, const WindowStructure& structure,
                          const std::string& title) {
    const std::string name = nameFor(structure.module, structure.label, title);
    QDir().mkpath(QString::fromStdString(folder_));
    frame.grab().save(QString::fromStdString(folder_ + "/" + name + ".png"));
}

}  // namespace rt::qt
