#pragma once
// The follow-ups and appointments lists: the contacts that have a date of the kind, in the
// order of that date, each row marked as coming, today or past. The rows are built from the
// record's fields with icon slots between them; a row chosen puts its fields back into the
// buffer for the side panel. The buttons dial, mail, open the web site, print the list's
// report, clear the past dates or add new ones (both closing the list afterwards), and
// change, add or delete through the list's form.

#include <vector>

#include "frame/browse_engine.h"

// The status of a date against today: 2 coming, 1 today, 3 past, 0 no date.
int DateStatusIcon(long day, long today);

struct DatedListSheet {
    const rt::WindowStructure* window = nullptr;
    BrowseOrder order;
    void (*form)() = nullptr;
    // The row: record fields in order, nullptr where an icon stands.
    std::vector<const rt::Field*> rowFields;
    const char* clearProcedure = "";
    const char* addProcedure = "";
    const char* reportProcedure = "";
};

class DatedContactsList : public BrowseProcedure {
  public:
    explicit DatedContactsList(const DatedListSheet& dated);

  protected:
    // The icon of the row's icon slot `slot` (0 for the first), from the buffer.
    virtual int rowIcon(int slot) = 0;
    // The list's pictures, by icon number from 1.
    virtual std::vector<const char*> icons() const = 0;

    void extraColumns(std::vector<rt::Value>& row) override;
    bool takeEvent() override;
    void setUpWindow() override;

  private:
    static BrowseSheet sheet(const DatedListSheet& dated);
    void closingCall(const char* name);

    std::vector<const rt::Field*> rowFields_;
};
