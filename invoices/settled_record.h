#pragma once
// The invoice record as it stood when every amount last fitted its field: the entry that
// makes an amount too large gets its fields back from here.

#include <string>
#include <vector>

class SettledRecord {
  public:
    // Keeps the ORDERS record as it stands now.
    void take();
    bool empty() const { return image_.empty(); }
    // Puts the kept values of `fields` (indexes in ORDERS) back into the record, answering
    // the values they held, for restore().
    std::string putBack(const std::vector<int>& fields) const;
    // Puts values answered by putBack() back into `fields`.
    static void restore(const std::vector<int>& fields, const std::string& held);

  private:
    std::string image_;
};
