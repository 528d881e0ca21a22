#include "frame/search_criteria.h"

#include <algorithm>

#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"

namespace {

bool isTextKind(FieldKind k) {
    return k == FieldKind::Text || k == FieldKind::Choice || k == FieldKind::Check;
}
bool isNumberKind(FieldKind k) {
    return k == FieldKind::Number || k == FieldKind::NumberPicture || k == FieldKind::Date;
}

// The digits of a text as one number; 0 when it holds none.
double digitsOf(std::string_view text) {
    double number = 0;
    for (char c : text)
        if (c >= '0' && c <= '9') number = number * 10 + (c - '0');
    return number;
}

}  // namespace

SearchCriteria::SearchCriteria(rt::RecordFile& file, std::vector<SearchField> fields)
    : file_(&file), fields_(std::move(fields)) {
    std::sort(fields_.begin(), fields_.end(),
              [](const SearchField& a, const SearchField& b) { return a.control < b.control; });
}

const SearchField* SearchCriteria::find(int control) const {
    for (const auto& f : fields_)
        if (f.control == control) return &f;
    return nullptr;
}

int SearchCriteria::type(int control) const {
    auto it = types_.find(control);
    return it == types_.end() ? MATCH::Ignore : it->second;
}

void SearchCriteria::setType(int control, int type) {
    types_[control] = type;
    prepareTests();
}

std::string SearchCriteria::limitText(int control) const {
    auto it = limitTexts_.find(control);
    return it == limitTexts_.end() ? std::string() : it->second;
}

double SearchCriteria::limitNumber(int control) const {
    auto it = limitNumbers_.find(control);
    return it == limitNumbers_.end() ? 0.0 : it->second;
}

void SearchCriteria::setLimitText(int control, std::string text) {
    limitTexts_[control] = std::move(text);
    limits_[control] = true;
    prepareTests();
}

void SearchCriteria::setLimitNumber(int control, double number) {
    limitNumbers_[control] = number;
    limits_[control] = true;
    prepareTests();
}

bool SearchCriteria::isMemo(const SearchField& f) const {
    return f.kind == FieldKind::Memo;
}

std::string SearchCriteria::textOf(const SearchField& f) const {
    rt::RecordBuffer& buf = file_->buf();
    if (isMemo(f)) return buf.memoText(buf.memo(f.name));
    return buf.text(buf.field(f.name));
}

double SearchCriteria::numberOf(const SearchField& f) const {
    return numberAt(f, file_->buf().field(f.name));
}

double SearchCriteria::numberAt(const SearchField& f, int index) const {
    rt::RecordBuffer& buf = file_->buf();
    if (buf.decl().fields()[index].type == rt::FieldType::String) {
        // A text entered through a picture ("555-123-4567") reads as the number its digits
        // make, not as the number it starts with.
        if (f.kind == FieldKind::NumberPicture) return digitsOf(buf.raw(index));
        return rt::textToNumber(buf.raw(index)).toDouble();
    }
    return buf.real(index);
}

void SearchCriteria::save() {
    active_.clear();
    saved_.clear();
    for (const auto& f : fields_) {
        Saved s;
        s.text = textOf(f);
        if (f.kind == FieldKind::Text || isMemo(f)) s.text = rt::upper(s.text);
        if (isNumberKind(f.kind)) s.number = numberOf(f);
        rt::RecordBuffer& buf = file_->buf();
        s.index = isMemo(f) ? buf.memo(f.name) : buf.field(f.name);
        saved_[f.control] = std::move(s);
        if (type(f.control) != MATCH::Ignore) active_.push_back(f.control);
    }
    prepareTests();
}

void SearchCriteria::prepareTests() {
    tests_.clear();
    activeTests_.clear();
    tests_.reserve(saved_.size());
    for (const auto& f : fields_) {
        auto it = saved_.find(f.control);
        if (it == saved_.end()) continue;
        Test t;
        t.field = &f;
        t.saved = &it->second;
        t.type = type(f.control);
        if (isNumberKind(f.kind)) t.limit = limitNumber(f.control);
        if (!isMemo(f) && !isNumberKind(f.kind) && isTextKind(f.kind))
            t.text.emplace(t.type, t.saved->text, limitText(f.control));
        tests_.push_back(std::move(t));
    }
    for (int control : active_)
        if (const Test* t = testOf(control)) activeTests_.push_back(t);
}

const SearchCriteria::Test* SearchCriteria::testOf(int control) const {
    for (const Test& t : tests_)
        if (t.field->control == control) return &t;
    return nullptr;
}

void SearchCriteria::restore() {
    rt::RecordBuffer& buf = file_->buf();
    for (const auto& f : fields_) {
        auto it = saved_.find(f.control);
        if (it == saved_.end()) continue;
        if (isMemo(f))
            buf.setMemo(buf.memo(f.name), it->second.text);
        else
            buf.setText(buf.field(f.name), it->second.text);
    }
}

std::string SearchCriteria::textAt(const SearchField& f, const Saved& s) const {
    rt::RecordBuffer& buf = file_->buf();
    return isMemo(f) ? buf.memoText(s.index) : buf.text(s.index);
}

bool SearchCriteria::run(const Test& t) const {
    const SearchField& f = *t.field;
    const Saved& saved = *t.saved;
    if (isMemo(f)) return TestMemoMatch(t.type, textAt(f, saved), saved.text);
    if (isNumberKind(f.kind))
        return TestNumberMatch(t.type, numberAt(f, saved.index), saved.number, t.limit);
    if (t.text) {
        const rt::RecordBuffer& buf = file_->buf();
        if (buf.decl().fields()[saved.index].type == rt::FieldType::String)
            return t.text->test(buf.raw(saved.index));
        return t.text->test(buf.text(saved.index));
    }
    return true;
}

bool SearchCriteria::passes(int control) const {
    const Test* t = testOf(control);
    return t == nullptr || run(*t);
}

bool SearchCriteria::passesAll(int skip) const {
    for (const Test* t : activeTests_) {
        if (t->field->control == skip) continue;
        if (!run(*t)) return false;
    }
    return true;
}
