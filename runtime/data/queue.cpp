#include "runtime/data/queue.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "runtime/data/errors.h"
#include "runtime/data/key_codec.h"

namespace rt {

Queue::Queue(FileDecl layout) : decl_(std::move(layout)), buffer_(decl_) {}

int Queue::add() {
    return add(records() + 1);
}

int Queue::add(long position) {
    detail::clearError();
    position = std::clamp(position, 1L, records() + 1);
    std::span<const char> image = std::as_const(buffer_).image();
    rows_.insert(rows_.begin() + (position - 1), std::vector<char>(image.begin(), image.end()));
    current_ = position;
    return 0;
}

int Queue::get(long position) {
    detail::clearError();
    if (position < 1 || position > records()) {
        current_ = 0;
        return detail::setError(FileError::EntryNotFound, decl_.label());
    }
    const std::vector<char>& row = rows_[static_cast<std::size_t>(position - 1)];
    std::copy(row.begin(), row.end(), buffer_.image().begin());
    current_ = position;
    return 0;
}

int Queue::put() {
    detail::clearError();
    if (current_ < 1 || current_ > records())
        return detail::setError(FileError::RecordNotAvailable, decl_.label());
    std::span<const char> image = std::as_const(buffer_).image();
    rows_[static_cast<std::size_t>(current_ - 1)].assign(image.begin(), image.end());
    return 0;
}

int Queue::deleteRow() {
    detail::clearError();
    if (current_ < 1 || current_ > records())
        return detail::setError(FileError::RecordNotAvailable, decl_.label());
    rows_.erase(rows_.begin() + (current_ - 1));
    current_ = 0;
    return 0;
}

void Queue::sort(std::initializer_list<std::string_view> fields) {
    // Sort values encoded like a case-sensitive key, computed once per row.
    KeyDecl key{"sort", DUP, {}, 0};
    for (std::string_view name : fields) {
        KeyComponent component;
        if (!name.empty() && (name.front() == '-' || name.front() == '+')) {
            component.descending = name.front() == '-';
            name.remove_prefix(1);
        }
        component.field = decl_.fieldIndex(name);
        if (component.field < 0) throw std::out_of_range("no field " + std::string(name));
        key.components.push_back(component);
    }
    RecordBuffer row(decl_);
    std::vector<std::string> values;
    values.reserve(rows_.size());
    for (const std::vector<char>& r : rows_) {
        std::copy(r.begin(), r.end(), row.image().begin());
        values.push_back(keycodec::encodeComponents(key, row));
    }
    std::vector<std::size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    std::vector<std::vector<char>> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(rows_[i]));
    rows_ = std::move(sorted);
    current_ = 0;
}

void Queue::free() {
    rows_.clear();
    current_ = 0;
}

}  // namespace rt
