#include "invoices/invoice_memo_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::invoice_memo {

const rt::WindowStructure& invoiceMemoWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace InvoiceMemoControl;
        rt::WindowStructure w;
        w.module = "Tovik054";
        w.label = "P1$WINDOW";
        w.title = "Invoice Memo This Will Print On Invoice";
        w.at = {0, 0, 205, 92};
        w.centered = true;
        w.font = {"Arial", 10, true};
        w.wallpaper = {"Tile_35.bmp", true, false};
        StructureBuilder b(w);
        rt::ControlStructure& memo = b.add(Memo, rt::ControlKind::Text, {6, 6, 193, 62});
        memo.use = "ORD:MEMO";
        memo.verticalScroll = true;
        b.button(Ok, {80, 73, 45, 14}, "Ok").isDefault = true;
        return w;
    }();
    return structure;
}

}  // namespace windows::invoice_memo
