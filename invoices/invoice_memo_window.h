#pragma once
// "Invoice Memo This Will Print On Invoice": the invoice's memo.

#include "runtime/ui/window_structure.h"

namespace windows::invoice_memo {

namespace InvoiceMemoControl {
inline constexpr int Memo = 1;
inline constexpr int Ok = 2;
}  // namespace InvoiceMemoControl

const rt::WindowStructure& invoiceMemoWindow();

}  // namespace windows::invoice_memo
