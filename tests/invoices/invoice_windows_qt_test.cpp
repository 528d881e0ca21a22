// Every invoice window, and the calculator, in real widgets (offscreen): each control that
// has a widget of its own stands where its dialog units put it, inside the window, and the
// window renders. With TOVIK_SNAPSHOTS set to a folder, each window's picture is saved there.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "frame/calculator.h"
#include "frame/calculator_window.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "invoices/company_chooser_window.h"
#include "invoices/company_form_window.h"
#include "invoices/company_list_window.h"
#include "invoices/inventory_form_window.h"
#include "invoices/inventory_list_window.h"
#include "invoices/invoice_form_window.h"
#include "invoices/invoice_list_window.h"
#include "invoices/invoice_memo_window.h"
#include "invoices/invoice_procedures.h"
#include "invoices/item_selector_window.h"
#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_list.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/qt_text_fits.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace invoicetest;

rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

struct Screen {
    const char* name;
    std::function<void()> open;
    const rt::WindowStructure& (*structure)();
};

// Test names show the screen's name.
void PrintTo(const Screen& screen, std::ostream* out) {
    *out << screen.name;
}

void withRequest(long request, void (*procedure)()) {
    GLO::Request = request;
    procedure();
}

const rt::WindowStructure& chooserInvoices() {
    return windows::company_chooser::companyChooserWindow(
        windows::company_chooser::ChooserRoad::Invoices);
}
const rt::WindowStructure& chooserEnvelopes() {
    return windows::company_chooser::companyChooserWindow(
        windows::company_chooser::ChooserRoad::Envelopes);
}
const rt::WindowStructure& chooserLabels() {
    return windows::company_chooser::companyChooserWindow(
        windows::company_chooser::ChooserRoad::ShippingLabel);
}
const rt::WindowStructure& selectorOne() {
    return windows::item_selector::itemSelectorWindow(1);
}
const rt::WindowStructure& selectorEight() {
    return windows::item_selector::itemSelectorWindow(8);
}

const Screen kScreens[] = {
    {"company_list", [] { BrowseCompanies(); }, &windows::company_list::companyListWindow},
    {"company_form", [] { withRequest(REQ::Insert, &UpdateCompany); },
     &windows::company_form::companyFormWindow},
    {"invoice_company_chooser", [] { withRequest(REQ::Select, &SelectInvoiceCompany); },
     &chooserInvoices},
    {"envelope_company_chooser", [] { withRequest(REQ::Select, &SelectEnvelopeCompany); },
     &chooserEnvelopes},
    {"shipping_label_company_chooser",
     [] { withRequest(REQ::Select, &SelectShippingLabelCompany); }, &chooserLabels},
    {"inventory_list", [] { InventoryFileBrowse(); },
     &windows::inventory_list::inventoryListWindow},
    {"inventory_form", [] { withRequest(REQ::Insert, &UpdateINVENTOR); },
     &windows::inventory_form::inventoryFormWindow},
    {"item_selector_1", [] { withRequest(REQ::Select, &LookUp1); }, &selectorOne},
    {"item_selector_8", [] { withRequest(REQ::Select, &LookUp8); }, &selectorEight},
    {"invoice_list", [] { BrowseInvoices(); }, &windows::invoice_list::invoiceListWindow},
    {"invoice_form", [] { withRequest(REQ::Insert, &UpdateInvoice); },
     &windows::invoice_form::invoiceFormWindow},
    {"invoice_memo", [] { UpdateInvoiceMemo(); }, &windows::invoice_memo::invoiceMemoWindow},
    {"calculator", [] { ShowCalculator("Shipping Calculator", 0, 12.5, 0); },
     &windows::calculator::calculatorWindow},
};

// Each control with a widget of its own stands at its dialog units and inside the window.
void expectPlaced(qttest::QtSession& session, rt::Window* w, const rt::WindowStructure& s) {
    const rt::qt::DialogUnits du = rt::qt::dialogUnitsOf(rt::qt::uiFont(s.font));
    QWidget* client = session.backend().clientArea(w);
    ASSERT_NE(client, nullptr);
    const QRect inside(QPoint(0, 0), client->size());
    int checked = 0;
    for (const rt::ControlStructure& c : s.controls) {
        if (c.kind == rt::ControlKind::Tab || c.kind == rt::ControlKind::String ||
            c.kind == rt::ControlKind::Prompt)
            continue;
        QWidget* widget = session.backend().controlWidget(w, c.number);
        if (widget == nullptr || widget->parentWidget() != client) continue;
        SCOPED_TRACE("control " + std::to_string(c.number));
        EXPECT_EQ(widget->geometry(), du.rect(c.at));
        EXPECT_TRUE(inside.contains(widget->geometry())) << "outside the window";
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

class InvoiceWindowsQt : public ::testing::TestWithParam<Screen> {};

TEST_P(InvoiceWindowsQt, StandsWhereItsDialogUnitsSayAndRenders) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterInvoiceProcedures();
    makeCompanies(
        {{"Acme Supply", "1 Main Street", "Springfield IL 62704", 2175550100, 0, "0.0825"}});
    makeItems({{"A100", "Vitamin Pack", "19.99"}, {"B200", "Protein Shake", "5.00"}});
    makeInvoices({{"Ann", "Smith", 1, "", 3, "19.99", "0", "59.97", "Smith Supplies"}});
    const Screen& screen = GetParam();
    qttest::QtSession session;
    session.start(screen.open);
    rt::Window* w = topWindow();
    ASSERT_NE(w, nullptr);
    QWidget* frame = session.shownWindow(w);
    ASSERT_NE(frame, nullptr);
    session.settle();
    expectPlaced(session, w, screen.structure());
    const QImage image = frame->grab().toImage();
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 5)
        for (int x = 0; x < image.width(); x += 5)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3u);
    if (const char* folder = std::getenv("TOVIK_SNAPSHOTS"))
        image.save(QString::fromStdString(std::string(folder) + "/" + screen.name + ".png"));
    EXPECT_TRUE(session.finish());
}

INSTANTIATE_TEST_SUITE_P(Screens, InvoiceWindowsQt, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// The chooser's rate column shows the five places the invoices use, whole in its column.
TEST(CompanyChooserQt, TheRateColumnShowsTheRateTheInvoicesUse) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterInvoiceProcedures();
    makeCompanies({{"First Co", "1 Main St", "Springfield IL", 0, 0, "0.08875"},
                   {"Second Co", "2 Oak St", "Dayton OH", 0, 0, "0.0825"},
                   {"Third Co", "3 Elm St", "Troy NY", 0, 0, "0.99999"}});
    qttest::QtSession session;
    session.start([] { withRequest(REQ::Select, &SelectEnvelopeCompany); });
    rt::Window* w = topWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_NE(session.shownWindow(w), nullptr);
    session.settle();
    const auto& controls =
        windows::company_chooser::chooserControls(windows::company_chooser::ChooserRoad::Envelopes);
    auto* list = dynamic_cast<rt::qt::ListView*>(session.backend().controlWidget(w, controls.list));
    ASSERT_NE(list, nullptr);
    const auto spans = list->columnSpans();
    ASSERT_EQ(spans.size(), 6u);
    const char* shown[] = {".08875", ".08250", ".99999"};
    for (int row = 1; row <= 3; ++row) {
        const std::vector<std::string> texts = list->rowTexts(row);
        ASSERT_EQ(texts.size(), 6u);
        EXPECT_EQ(texts[5], shown[row - 1]);
        const int needed = list->fontMetrics().horizontalAdvance(QString::fromStdString(texts[5]));
        EXPECT_LE(needed, spans[5].second - 2) << texts[5] << " is cut off in its column";
    }
    testsupport::expectHeadersFit(*list, w->control(controls.list)->structure, "chooser");
    EXPECT_TRUE(session.finish());
}

}  // namespace
