#include "runtime/qt/qt_resources.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QStyle>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <mutex>

#include "runtime/system/picture.h"
#include "runtime/system/resource_lookup.h"
#include "runtime/text/ascii_case.h"
#include "runtime/text/codepage.h"

namespace fs = std::filesystem;

namespace rt::qt {
namespace {

QImage fromPicture(const Picture& p) {
    QImage image(p.width, p.height, QImage::Format_ARGB32);
    for (int y = 0; y < p.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < p.width; ++x)
            line[x] = p.pixel(x, y);
    }
    return image;
}

// The largest image of an ICO or CUR file, or any format Qt reads.
QImage readWithQt(const QString& file) {
    QImageReader reader(file);
    QImage best;
    do {
        QImage image = reader.read();
        if (!image.isNull() && image.width() * image.height() > best.width() * best.height())
            best = image;
    } while (reader.jumpToNextImage());
    return best;
}

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

QString qtPath(const fs::path& p) {
    return QString::fromStdString(p.string());
}

// Pictures already read, by file and its modification time, so that a control shown again
// does not read its file again; a file that changes is read afresh.
template <typename T>
class PictureCache {
  public:
    template <typename Load>
    T get(const fs::path& file, Load load) {
        std::error_code ec;
        auto stamp = fs::last_write_time(file, ec);
        std::lock_guard lock(mutex_);
        auto it = entries_.find(file);
        if (it != entries_.end() && it->second.first == stamp) return it->second.second;
        T value = load();
        entries_[file] = {stamp, value};
        return value;
    }

  private:
    std::mutex mutex_;
    std::map<fs::path, std::pair<fs::file_time_type, T>> entries_;
};

}  // namespace

QIcon builtinIcon(std::string_view name) {
    while (!name.empty() && (name.front() == '~' || name.front() == ' '))
        name.remove_prefix(1);
    if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return {};
    QStyle* style = QApplication::style();
    if (!style) return {};
    switch (std::atoi(std::string(name).c_str())) {
        case 32513:
            return style->standardIcon(QStyle::SP_MessageBoxCritical);
        case 32514:
            return style->standardIcon(QStyle::SP_MessageBoxQuestion);
        case 32515:
            return style->standardIcon(QStyle::SP_MessageBoxWarning);
        case 32516:
            return style->standardIcon(QStyle::SP_MessageBoxInformation);
        case 32526:
            return style->standardIcon(QStyle::SP_DriveFDIcon);
        case 32527:  // the import icon: back into the program
            return style->standardIcon(QStyle::SP_ArrowBack);
        case 32531:
            return style->standardIcon(QStyle::SP_DialogCancelButton);
        default:
            return {};
    }
}

QIcon loadIcon(std::string_view name) {
    if (QIcon builtin = builtinIcon(name); !builtin.isNull()) return builtin;
    auto file = findResource(name);
    if (!file) return {};
    static PictureCache<QIcon> cache;
    return cache.get(*file, [&] { return readIcon(*file); });
}

QIcon readIcon(const fs::path& file) {
    QImage image = readPicture(file);
    if (image.isNull()) return {};
    QIcon icon;
    // An ICO holds several sizes; give the icon each of them.
    QImageReader reader(qtPath(file));
    bool any = false;
    do {
        QImage part = reader.read();
        if (!part.isNull()) {
            icon.addPixmap(QPixmap::fromImage(part));
            any = true;
        }
    } while (reader.jumpToNextImage());
    if (!any) icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

std::optional<QCursor> loadCursor(std::string_view name) {
    auto file = findResource(name);
    if (!file) return std::nullopt;
    static PictureCache<std::optional<QCursor>> cache;
    return cache.get(*file, [&] { return readCursor(*file); });
}

std::optional<QCursor> readCursor(const fs::path& file) {
    QImage image = readWithQt(qtPath(file));
    if (image.isNull()) return std::nullopt;
    int hotX = 0, hotY = 0;
    // A CUR file keeps the hot spot in its first directory entry (bytes 10..13).
    QFile f(qtPath(file));
    if (f.open(QIODevice::ReadOnly)) {
        QByteArray head = f.read(14);
        if (head.size() == 14 && head[2] == 2 && head[3] == 0) {
            auto byte = [&](int i) { return static_cast<unsigned char>(head[i]); };
            hotX = byte(10) | byte(11) << 8;
            hotY = byte(12) | byte(13) << 8;
        }
    }
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

QImage loadPicture(std::string_view name) {
    auto file = findResource(name);
    if (!file) return {};
    static PictureCache<QImage> cache;
    return cache.get(*file, [&] { return readPicture(*file); });
}

QImage readPicture(const fs::path& file) {
    std::string lower = rt::lowerAscii(file.string());
    if (!endsWith(lower, ".ico") && !endsWith(lower, ".cur")) {
        PictureResult r = loadPictureFile(file);
        if (r.ok() && !r.picture.empty()) return fromPicture(r.picture);
    }
    return readWithQt(qtPath(file));
}

QImage decodePictureBytes(std::string_view bytes) {
    auto data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    PictureResult r = decodePicture(std::span<const std::uint8_t>(data, bytes.size()));
    if (r.ok() && !r.picture.empty()) return fromPicture(r.picture);
    QImage image;
    image.loadFromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return image;
}

}  // namespace rt::qt
