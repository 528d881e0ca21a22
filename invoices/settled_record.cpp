#include "invoices/settled_record.h"

#include <algorithm>
#include <span>

#include "records/orders.h"

namespace {

// The bytes of `fields`, one after the other, in a record image of ORDERS.
std::string bytesOf(const std::vector<int>& fields, std::span<const char> image) {
    std::string bytes;
    for (int field : fields) {
        const rt::FieldDecl& f = ORDERS.decl().fields().at(field);
        bytes.append(image.data() + f.offset, static_cast<std::size_t>(f.size));
    }
    return bytes;
}

}  // namespace

void SettledRecord::take() {
    const std::span<const char> image = ORDERS.buf().image();
    image_.assign(image.begin(), image.end());
}

std::string SettledRecord::putBack(const std::vector<int>& fields) const {
    std::string held = bytesOf(fields, ORDERS.buf().image());
    restore(fields, bytesOf(fields, image_));
    return held;
}

void SettledRecord::restore(const std::vector<int>& fields, const std::string& held) {
    std::size_t from = 0;
    for (int field : fields) {
        const rt::FieldDecl& f = ORDERS.decl().fields().at(field);
        std::copy_n(held.data() + from, f.size, ORDERS.buf().image().data() + f.offset);
        from += static_cast<std::size_t>(f.size);
    }
}
