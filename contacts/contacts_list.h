#pragma once
// The main contacts list "Names And Information" (BrowseMAIL): six orders with entry
// locators, tags in TAG::Contacts with status icons, and the buttons that reach the rest of
// the program. Additions, copies, changes and deletions go through SearchMAIL.

#include <vector>

#include "frame/browse_engine.h"

class ContactsList : public BrowseProcedure {
  public:
    ContactsList();
    static BrowseSheet sheet();

  protected:
    // A new selection reads the highlighted row's shown fields into the buffer first, as a
    // list with display columns does, so that the First Name thumb follows that row.
    bool takeEvent() override;
    void setUpWindow() override;
    // Row: the tag mark (from the engine), its icon, the first name with the status icon,
    // then last name, company, city, state, zip and the two phone numbers.
    void extraColumns(std::vector<rt::Value>& row) override;

    void finishing() override;

  private:
    void publishHighlighted();
    void search();
};
