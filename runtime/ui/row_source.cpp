#include "runtime/ui/row_source.h"

namespace rt {
namespace {

class FunctionRows : public RowSource {
  public:
    FunctionRows(std::function<int()> count, std::function<Value(int, int)> field)
        : count_(std::move(count)), field_(std::move(field)) {}
    int rowCount() const override { return count_(); }
    Value field(int row, int field) const override { return field_(row, field); }

  private:
    std::function<int()> count_;
    std::function<Value(int, int)> field_;
};

}  // namespace

RowSourcePtr rowsFrom(std::function<int()> count, std::function<Value(int, int)> field) {
    return std::make_shared<FunctionRows>(std::move(count), std::move(field));
}

RowSourcePtr rowsFrom(const std::vector<std::vector<Value>>& rows) {
    return rowsFrom([&rows] { return static_cast<int>(rows.size()); },
                    [&rows](int row, int field) -> Value {
                        if (row < 1 || row > static_cast<int>(rows.size())) return Value();
                        const auto& r = rows[row - 1];
                        return field >= 0 && field < static_cast<int>(r.size()) ? r[field]
                                                                                : Value();
                    });
}

}  // namespace rt
