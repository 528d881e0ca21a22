// The contacts list and the contact form in real widgets (offscreen): every control stands
// where its dialog units put it, on its tab, and the window renders.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <QWidget>
#include <set>

#include "contacts/contact_form_window.h"
#include "contacts/contact_procedures.h"
#include "contacts/contact_search_window.h"
#include "contacts/contacts_list_window.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/match_types.h"
#include "reference/reference_procedures.h"
#include "runtime/qt/qt_fonts.h"
#include "runtime/qt/qt_list.h"
#include "runtime/text/codepage.h"
#include "runtime/ui/keys.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

// Every control of the structure with a widget of its own stands at its dialog units.
void expectPlaced(qttest::QtSession& session, rt::Window* w, const rt::WindowStructure& structure) {
    const rt::qt::DialogUnits du = rt::qt::dialogUnitsOf(rt::qt::uiFont(structure.font));
    QWidget* client = session.backend().clientArea(w);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(du.x(structure.at.width), du.y(structure.at.height)));
    int checked = 0;
    for (const rt::ControlStructure& c : structure.controls) {
        if (c.toolbar || c.kind == rt::ControlKind::Tab || c.kind == rt::ControlKind::Radio ||
            c.kind == rt::ControlKind::String || c.kind == rt::ControlKind::Prompt)
            continue;
        QWidget* widget = session.backend().controlWidget(w, c.number);
        if (widget == nullptr || widget->parentWidget() != client) continue;
        SCOPED_TRACE("control " + std::to_string(c.number));
        EXPECT_EQ(widget->geometry(), du.rect(c.at));
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

// The window's picture holds more than a background.
void expectRendered(QWidget* frame) {
    const QImage image = frame->grab().toImage();
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3u);
}

TEST(ContactWindowsQt, TheListAndTheFormStandWhereTheirDialogUnitsSay) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterContactProcedures();
    RegisterReferenceProcedures();
    qttest::QtSession session;
    session.start([] { BrowseMAIL(); });
    rt::Window* list = topWindow();
    ASSERT_NE(list, nullptr);
    QWidget* listFrame = session.shownWindow(list);
    ASSERT_NE(listFrame, nullptr);
    session.settle();
    expectPlaced(session, list, windows::contacts_list::contactsWindow());
    expectRendered(listFrame);

    // "&Add" opens the form over the list.
    rt::Input add;
    add.kind = rt::Input::Kind::Press;
    add.control = windows::contacts_list::ContactsControl::Add;
    session.backend().deliver(list, add);
    session.settle();
    rt::Window* form = topWindow();
    ASSERT_NE(form, nullptr);
    ASSERT_NE(form, list);
    QWidget* formFrame = session.shownWindow(form);
    ASSERT_NE(formFrame, nullptr);
    session.settle();
    expectPlaced(session, form, windows::contact_form::contactFormWindow());
    expectRendered(formFrame);
    auto* tabs = qobject_cast<QTabWidget*>(
        session.backend().controlWidget(form, windows::contact_form::ContactFormControl::Sheet));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(1), "Contact Information");
    // Fields of the first tab show, those of the others wait behind their tabs.
    EXPECT_TRUE(session.backend()
                    .controlWidget(form, windows::contact_form::ContactFormControl::FirstName)
                    ->isVisible());
    EXPECT_FALSE(
        session.backend()
            .controlWidget(form, windows::contact_form::ContactFormControl::AppointmentType)
            ->isVisible());

    // OK adds the (blank) contact and the list closes with "Close".
    rt::Input ok;
    ok.kind = rt::Input::Kind::Press;
    ok.control = windows::contact_form::ContactFormControl::Ok;
    session.backend().deliver(form, ok);
    session.settle();
    ASSERT_EQ(topWindow(), list);
    rt::Input close;
    close.kind = rt::Input::Kind::Press;
    close.control = windows::contacts_list::ContactsControl::Close;
    session.backend().deliver(list, close);
    EXPECT_TRUE(session.finish());
}

// The ink of one character, drawn large and scaled to a 16 by 16 grid over its own bounds.
std::vector<bool> inkOf(QFont font, const QString& text) {
    font.setPixelSize(64);
    QImage canvas(128, 128, QImage::Format_Grayscale8);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, 128, 128), Qt::AlignCenter, text);
    }
    int left = 128, top = 128, right = -1, bottom = -1;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            if (qGray(canvas.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    std::vector<bool> ink(16 * 16, false);
    if (right < 0) return ink;
    const QImage grid = canvas.copy(left, top, right - left + 1, bottom - top + 1)
                            .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ink[y * 16 + x] = qGray(grid.pixel(x, y)) < 160;
    return ink;
}

// How much two inks overlap: shared cells over the cells of either.
double overlap(const std::vector<bool>& a, const std::vector<bool>& b) {
    int both = 0, either = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        both += a[i] && b[i];
        either += a[i] || b[i];
    }
    return either == 0 ? 0 : static_cast<double>(both) / either;
}

// The search form's match-type glyphs: the symbol codes of types 1 to 12, in the label's
// font, draw the symbols they stand for (compared with the Unicode characters drawn in a
// text font), not the Latin characters of the same codes.
// The inked pixel columns of a cell, as the first and last one; {-1, -1} when blank.
std::pair<int, int> inkedColumns(const QImage& shot, QRect cell) {
    const QRgb ground = shot.pixel(cell.left() + 1, cell.top());
    int first = -1, last = -1;
    for (int x = cell.left(); x <= cell.right(); ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            const QRgb p = shot.pixel(x, y);
            if (std::abs(qRed(p) - qRed(ground)) + std::abs(qGreen(p) - qGreen(ground)) +
                    std::abs(qBlue(p) - qBlue(ground)) >
                120) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    return {first, last};
}

TEST(ContactWindowsQt, AZipCodeWiderThanItsRightAlignedColumnShowsWhole) {
    constexpr int kZipColumn = 6;  // after the mark, names, company, city and state
    struct Case {
        std::string zip;
        bool whole;  // false: too long even at the smallest size; its start shows
    };
    const std::vector<Case> cases = {
        {"97201", true}, {"H2X 1Y4", true}, {"SW1A 1AA", false}, {"12345-6789", false}};
    std::atomic<rt::Window*> window{nullptr};
    qttest::QtSession session;
    session.start([&] {
        std::vector<std::vector<rt::Value>> rows;
        for (const Case& c : cases)
            rows.push_back({rt::Value(""), rt::Value(0), rt::Value("Ann"), rt::Value(0),
                            rt::Value("Smith"), rt::Value(""), rt::Value("Montreal"),
                            rt::Value("QC"), rt::Value(c.zip), rt::Value(""), rt::Value("")});
        rt::Window w(windows::contacts_list::contactsWindow());
        w.setRows(windows::contacts_list::ContactsControl::List, rt::rowsFrom(rows));
        qttest::runShown(w, window);
    });
    QWidget* frame = session.shownWindow(window);
    ASSERT_NE(frame, nullptr);
    session.settle();
    auto* list = dynamic_cast<rt::qt::ListView*>(
        session.backend().controlWidget(window, windows::contacts_list::ContactsControl::List));
    ASSERT_NE(list, nullptr);
    const QImage shot = list->viewport()->grab().toImage();
    const auto [left, width] = list->columnSpans()[kZipColumn];
    ASSERT_LE(left + width, shot.width()) << "the zip column is out of sight";
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].zip);
        const QRect row = list->rowRect(static_cast<int>(i) + 1);
        // The cell up to the column's border line at its right.
        const auto [first, last] =
            inkedColumns(shot, QRect(left, row.top(), width - 1, row.height()));
        ASSERT_GE(first, 0) << "nothing shows";
        // A text cut at the column's start leaves ink on its first pixel columns, one cut at
        // its end on its last ones.
        EXPECT_GE(first, left + 1);
        if (cases[i].whole) {
            EXPECT_LE(last, left + width - 2);
        }
    }
    frame->close();
    ASSERT_TRUE(session.finish());
}

TEST(ContactWindowsQt, MatchTypeGlyphsDrawTheirSymbols) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterContactProcedures();
    RegisterReferenceProcedures();
    qttest::QtSession session;
    session.start([] {
        GLO::Request = REQ::Search;
        SearchMAIL();
    });
    rt::Window* form = topWindow();
    ASSERT_NE(form, nullptr);
    ASSERT_NE(session.shownWindow(form), nullptr);
    // A first entry in "&First Name:" gives it "Begins with this".
    rt::Input type;
    type.kind = rt::Input::Kind::Type;
    type.control = windows::contact_search::SearchControl::FirstName;
    type.text = "An";
    session.backend().deliver(form, type);
    rt::Input tab;
    tab.kind = rt::Input::Kind::Key;
    tab.key = KEY::Tab;
    session.backend().deliver(form, tab);
    session.settle();
    QWidget* glyph = nullptr;
    for (int control : form->controlNumbers())
        if (form->kind(control) == rt::ControlKind::String &&
            form->propText(control, PROP::Text) == GetMatchSymbol(MATCH::BeginsWith))
            glyph = session.backend().controlWidget(form, control);
    ASSERT_NE(glyph, nullptr);
    const std::pair<int, char16_t> symbols[] = {{1, u'='},       {2, u'\u2260'},  {3, u'>'},
                                                {4, u'<'},       {5, u'\u2265'},  {6, u'\u2264'},
                                                {7, u'\u2194'},  {8, u'\u25CA'},  {9, u'\u2192'},
                                                {10, u'\u2190'}, {11, u'\u2227'}, {12, u'\u2228'}};
    const QFont text("DejaVu Sans");
    for (const auto& [matchType, unicode] : symbols) {
        SCOPED_TRACE(matchType);
        const QString code = QString::fromStdString(rt::cp1252ToUtf8(GetMatchSymbol(matchType)));
        ASSERT_EQ(code.size(), 1);
        const auto drawn = inkOf(glyph->font(), code);
        const auto meant = inkOf(text, QString(QChar(unicode)));
        const auto latin = inkOf(text, code);
        EXPECT_GT(overlap(drawn, meant), 0.4);
        if (code.at(0).unicode() >= 0x80) {
            EXPECT_GT(overlap(drawn, meant), overlap(drawn, latin) + 0.2);
        }
    }
    rt::Input cancel;
    cancel.kind = rt::Input::Kind::Press;
    cancel.control = windows::contact_search::SearchControl::Cancel;
    session.backend().deliver(form, cancel);
    EXPECT_TRUE(session.finish());
}

}  // namespace
