#include "data_exchange/csv_format.h"

namespace csv {

ValueKind kindOfPicture(std::string_view picture) {
    char letter = picture.size() > 1 ? picture[1] : ' ';
    if (letter == 'S' || letter == 's') return ValueKind::Text;
    if (letter == 'N' || letter == 'n') return ValueKind::Number;
    return ValueKind::Formatted;
}

void LineBuilder::separate() {
    if (!first_) line_ += ',';
    first_ = false;
}

void LineBuilder::appendQuoted(std::string_view text) {
    separate();
    line_ += '"';
    for (char c : text) {
        if (c == '"') line_ += '"';
        line_ += c;
    }
    line_ += '"';
}

void LineBuilder::appendBare(std::string_view text) {
    separate();
    line_ += text;
}

std::string headerName(std::string_view name) {
    std::string out(name);
    if (out.find('[') == std::string::npos) return out;
    for (char& c : out) {
        if (c == ',' || c == '[') c = '_';
        if (c == ']') c = ' ';
    }
    return out;
}

void RecordAssembler::start(std::string_view line) {
    record_.clear();
    inQuotes_ = false;
    fieldStart_ = true;
    quoteSeen_ = false;
    value_ = 0;
    openValue_ = -1;
    scan(line);
}

void RecordAssembler::add(std::string_view lineEnd, std::string_view line) {
    scan(lineEnd);
    scan(line);
}

void RecordAssembler::scan(std::string_view text) {
    for (char c : text) {
        if (inQuotes_) {
            if (quoteSeen_) {
                quoteSeen_ = false;
                if (c != '"') {
                    inQuotes_ = false;  // the quote before closed the value
                    fieldStart_ = c == ',';
                    if (fieldStart_) ++value_;
                }
            } else if (c == '"') {
                quoteSeen_ = true;
            }
        } else if (c == '"' && fieldStart_) {
            inQuotes_ = true;
            fieldStart_ = false;
            openValue_ = value_;
        } else {
            fieldStart_ = c == ',';
            if (fieldStart_) ++value_;
        }
        record_ += c;
    }
    if (quoteSeen_ && inQuotes_) {
        // A quote at the end of a line closes the value unless the next line starts with
        // another: only a closing quote can stand right before a line break in this format.
        inQuotes_ = false;
        quoteSeen_ = false;
    }
}

ValueReader::ValueReader(std::string_view record) : record_(record), position_(0) {
    if (record_.find_first_not_of(' ') == std::string_view::npos)
        position_ = std::string_view::npos;
}

ValueReader::Result ValueReader::next(std::string& value) {
    value.clear();
    stray_ = false;
    if (position_ == std::string_view::npos) return None;
    std::size_t p = position_;
    if (p < record_.size() && record_[p] == '"') {
        std::size_t i = p + 1;
        for (;;) {
            std::size_t q = record_.find('"', i);
            if (q == std::string_view::npos) {
                // Never closed: the value runs to the end of the record.
                std::string_view rest = record_.substr(i);
                std::size_t end = rest.find_last_not_of(' ');
                value.append(rest.substr(0, end == std::string_view::npos ? 0 : end + 1));
                position_ = std::string_view::npos;
                return Quoted;
            }
            value.append(record_.substr(i, q - i));
            if (q + 1 < record_.size() && record_[q + 1] == '"') {
                value += '"';
                i = q + 2;
                continue;
            }
            i = q + 1;
            break;
        }
        // Anything between the closing quote and the next comma belongs to the value.
        std::size_t comma = record_.find(',', i);
        std::string_view after =
            record_.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i);
        stray_ = after.find_first_not_of(' ') != std::string_view::npos;
        value.append(after);
        position_ = comma == std::string_view::npos ? std::string_view::npos : comma + 1;
        return Quoted;
    }
    std::size_t comma = record_.find(',', p);
    if (comma == std::string_view::npos) {
        std::string_view rest = record_.substr(p);
        std::size_t end = rest.find_last_not_of(' ');
        value.append(rest.substr(0, end == std::string_view::npos ? 0 : end + 1));
        position_ = std::string_view::npos;
    } else {
        value.append(record_.substr(p, comma - p));
        position_ = comma + 1;
    }
    return Bare;
}

}  // namespace csv
