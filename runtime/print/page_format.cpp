#include "runtime/print/page_format.h"

#include <cstring>

namespace rt {
namespace {

constexpr char kMagic[] = "TVKPAGE1";
constexpr char kTrailer[] = "TEND";
constexpr int kMaxPageSize = 1'000'000;  // 1000 inches

class Writer {
  public:
    std::vector<std::uint8_t> bytes;

    void raw(const void* data, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + size);
    }
    void u8(std::uint8_t v) { bytes.push_back(v); }
    void u16(std::uint16_t v) { u8(v & 0xFF), u8(v >> 8); }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            u8(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void i32(int v) { u32(static_cast<std::uint32_t>(v)); }
};

class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool failed() const { return failed_; }
    std::size_t left() const { return bytes_.size() - at_; }

    bool take(std::size_t size, const std::uint8_t*& out) {
        if (failed_ || left() < size) return failed_ = true, false;
        out = bytes_.data() + at_;
        at_ += size;
        return true;
    }
    std::uint8_t u8() {
        const std::uint8_t* p;
        return take(1, p) ? p[0] : 0;
    }
    std::uint16_t u16() {
        const std::uint8_t* p;
        return take(2, p) ? static_cast<std::uint16_t>(p[0] | (p[1] << 8)) : 0;
    }
    std::uint32_t u32() {
        const std::uint8_t* p;
        if (!take(4, p)) return 0;
        return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
    int i32() { return static_cast<int>(u32()); }
    std::string text(std::size_t size) {
        const std::uint8_t* p;
        return take(size, p) ? std::string(reinterpret_cast<const char*>(p), size) : std::string();
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

void encodeItem(Writer& w, const PageText& t) {
    w.u8('T');
    w.i32(t.x), w.i32(t.y), w.i32(t.width), w.i32(t.height);
    w.u8(static_cast<std::uint8_t>(t.align));
    w.u8(t.font.style);
    w.u8(t.wrap ? 1 : 0);
    w.i32(t.font.points);
    w.u32(t.colour), w.u32(t.background);
    const std::string face = t.font.face.substr(0, 0xFFFF);
    w.u16(static_cast<std::uint16_t>(face.size()));
    w.raw(face.data(), face.size());
    w.u32(static_cast<std::uint32_t>(t.text.size()));
    w.raw(t.text.data(), t.text.size());
}

void encodeItem(Writer& w, const PageLine& l) {
    w.u8('L');
    w.i32(l.x1), w.i32(l.y1), w.i32(l.x2), w.i32(l.y2), w.i32(l.width);
    w.u32(l.colour);
}

void encodeItem(Writer& w, const PageBox& b) {
    w.u8('B');
    w.i32(b.x), w.i32(b.y), w.i32(b.width), w.i32(b.height), w.i32(b.lineWidth);
    w.u32(b.border), w.u32(b.fill);
    w.u8(b.rounded ? 1 : 0);
}

void encodeItem(Writer& w, const PageImage& i) {
    w.u8('I');
    w.i32(i.x), w.i32(i.y), w.i32(i.width), w.i32(i.height);
    w.u32(static_cast<std::uint32_t>(i.data.size()));
    w.raw(i.data.data(), i.data.size());
}

bool decodeItem(Reader& r, Page& page, std::string& error) {
    const std::uint8_t kind = r.u8();
    switch (kind) {
        case 'T': {
            PageText t;
            t.x = r.i32(), t.y = r.i32(), t.width = r.i32(), t.height = r.i32();
            const std::uint8_t align = r.u8();
            t.font.style = r.u8();
            t.wrap = r.u8() != 0;
            t.font.points = r.i32();
            t.colour = r.u32(), t.background = r.u32();
            const std::uint16_t faceLength = r.u16();
            t.font.face = r.text(faceLength);
            const std::uint32_t length = r.u32();
            t.text = r.text(length);
            if (r.failed()) break;
            if (align > static_cast<std::uint8_t>(TextAlign::Decimal)) {
                error = "unknown text alignment";
                return false;
            }
            t.align = static_cast<TextAlign>(align);
            page.items.emplace_back(std::move(t));
            break;
        }
        case 'L': {
            PageLine l;
            l.x1 = r.i32(), l.y1 = r.i32(), l.x2 = r.i32(), l.y2 = r.i32(), l.width = r.i32();
            l.colour = r.u32();
            page.items.emplace_back(l);
            break;
        }
        case 'B': {
            PageBox b;
            b.x = r.i32(), b.y = r.i32(), b.width = r.i32(), b.height = r.i32();
            b.lineWidth = r.i32();
            b.border = r.u32(), b.fill = r.u32();
            b.rounded = r.u8() != 0;
            page.items.emplace_back(b);
            break;
        }
        case 'I': {
            PageImage i;
            i.x = r.i32(), i.y = r.i32(), i.width = r.i32(), i.height = r.i32();
            const std::uint32_t length = r.u32();
            const std::uint8_t* data;
            if (!r.take(length, data)) break;
            i.data.assign(data, data + length);
            page.items.emplace_back(std::move(i));
            break;
        }
        default:
            if (!r.failed()) {
                error = "unknown item kind";
                return false;
            }
    }
    if (r.failed()) {
        error = "page ends early";
        return false;
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> encodePage(const Page& page) {
    Writer w;
    w.raw(kMagic, 8);
    w.i32(page.width), w.i32(page.height);
    w.u32(static_cast<std::uint32_t>(page.items.size()));
    for (const PageItem& item : page.items)
        std::visit([&](const auto& i) { encodeItem(w, i); }, item);
    w.raw(kTrailer, 4);
    return std::move(w.bytes);
}

PageReadResult decodePage(std::span<const std::uint8_t> bytes) {
    PageReadResult result;
    Reader r(bytes);
    const std::uint8_t* magic;
    if (!r.take(8, magic) || std::memcmp(magic, kMagic, 8) != 0) {
        result.error = "not a report page";
        return result;
    }
    Page& page = result.page;
    page.width = r.i32(), page.height = r.i32();
    const std::uint32_t count = r.u32();
    if (r.failed()) {
        result.error = "page ends early";
        return result;
    }
    if (page.width <= 0 || page.height <= 0 || page.width > kMaxPageSize ||
        page.height > kMaxPageSize) {
        result.error = "bad page size";
        return result;
    }
    // Every item takes at least 21 bytes, so a count larger than that allows is damage.
    if (count > r.left() / 21) {
        result.error = "bad item count";
        return result;
    }
    page.items.reserve(count);
    for (std::uint32_t n = 0; n < count; ++n) {
        if (!decodeItem(r, page, result.error)) {
            result.page = Page{};
            return result;
        }
    }
    const std::uint8_t* trailer;
    if (!r.take(4, trailer) || std::memcmp(trailer, kTrailer, 4) != 0 || r.left() != 0) {
        result.page = Page{};
        result.error = "page damaged at its end";
    }
    return result;
}

}  // namespace rt
