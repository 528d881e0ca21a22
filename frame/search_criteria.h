#pragma once
// The search state of a query-by-example form over one record file: per search field its
// match type, its saved criterion and its upper limit or divisor; and the test of the
// record in the buffer against the saved criteria. The form's entries are bound to the
// record's fields, so the criteria are read from and put back into the record buffer.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "frame/match_types.h"
#include "runtime/data/record_file.h"

struct SearchField {
    int control = 0;  // the entry on the form
    FieldKind kind = FieldKind::None;
    std::string name;  // the record field or memo it is bound to ("MAI:FIRSTNAME")
};

class SearchCriteria {
  public:
    SearchCriteria(rt::RecordFile& file, std::vector<SearchField> fields);
    // The prepared tests point into this object.
    SearchCriteria(const SearchCriteria&) = delete;
    SearchCriteria& operator=(const SearchCriteria&) = delete;

    const std::vector<SearchField>& fields() const { return fields_; }
    const SearchField* find(int control) const;

    int type(int control) const;
    void setType(int control, int type);

    // The upper limit (range types) or divisor ("Begins with this" on a number with a
    // picture), kept per control: a text for text fields, a number for the others.
    bool hasLimit(int control) const { return limits_.count(control) != 0; }
    std::string limitText(int control) const;
    double limitNumber(int control) const;
    void setLimitText(int control, std::string text);
    void setLimitNumber(int control, double number);

    // Saves every search field's criterion from the buffer (text and memo fields
    // upper-cased) and lists the active fields (type not 0) in control order.
    void save();
    const std::vector<int>& active() const { return active_; }
    // Puts the saved criteria back into the buffer.
    void restore();

    // Tests the record in the buffer on one active field, and on every active field but
    // `skip` (the stop field, tested first by the scan).
    bool passes(int control) const;
    bool passesAll(int skip = 0) const;

    // The field's value as the number tests see it (dates as day numbers).
    double numberOf(const SearchField& f) const;
    std::string textOf(const SearchField& f) const;

  private:
    struct Saved {
        std::string text;
        double number = 0;
        int index = -1;  // the field's (or memo's) index, looked up once for the scan
    };
    // A saved field's test with its type and limit, prepared for testing record after
    // record without looking anything up.
    struct Test {
        const SearchField* field = nullptr;
        const Saved* saved = nullptr;
        int type = MATCH::Ignore;
        double limit = 0;
        std::optional<StringMatch> text;  // text kinds
    };
    // Prepares the tests again after the criteria, a type or a limit changed.
    void prepareTests();
    const Test* testOf(int control) const;
    bool run(const Test& t) const;
    // The record's value of the saved field, read by index.
    std::string textAt(const SearchField& f, const Saved& s) const;
    double numberAt(const SearchField& f, int index) const;
    bool isMemo(const SearchField& f) const;

    rt::RecordFile* file_;
    std::vector<SearchField> fields_;
    std::map<int, int> types_;
    std::map<int, std::string> limitTexts_;
    std::map<int, double> limitNumbers_;
    std::map<int, bool> limits_;
    std::map<int, Saved> saved_;
    std::vector<int> active_;
    std::vector<Test> tests_;               // one per saved field, in control order
    std::vector<const Test*> activeTests_;  // those of the active fields
};
