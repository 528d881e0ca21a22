#pragma once
// Where a list control takes its rows from: the procedure's queue, seen through this
// interface so that the window model needs no knowledge of queues.

#include <functional>
#include <memory>
#include <vector>

#include "runtime/text/value.h"

namespace rt {

class RowSource {
  public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    // Field `field` (from 0) of row `row` (from 1).
    virtual Value field(int row, int field) const = 0;
};

using RowSourcePtr = std::shared_ptr<RowSource>;

// A row source over two functions (count, field).
RowSourcePtr rowsFrom(std::function<int()> count, std::function<Value(int row, int field)> field);

// A row source over a vector the caller keeps alive.
RowSourcePtr rowsFrom(const std::vector<std::vector<Value>>& rows);

}  // namespace rt
