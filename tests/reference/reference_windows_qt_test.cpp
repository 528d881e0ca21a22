// The zip-code and area-code windows with real clicks and keys on their widgets
// (offscreen): the lists show their rows on every tab, and forms take typing into clicked
// blank fields, combos included.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <string>

#include "frame/codes.h"
#include "frame/globals.h"
#include "records/areacode.h"
#include "records/web.h"
#include "records/zip.h"
#include "reference/area_code_form_window.h"
#include "reference/area_code_list_window.h"
#include "reference/area_code_lookup_window.h"
#include "reference/reference_procedures.h"
#include "reference/web_form_window.h"
#include "reference/zip_form_window.h"
#include "reference/zip_list_window.h"
#include "reference/zip_lookup_window.h"
#include "runtime/qt/qt_list.h"
#include "runtime/text/fixed_text.h"
#include "tests/reference/zip_records.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using qttest::topWindow;

class ReferenceWindowsQt : public ::testing::Test {
  protected:
    rt::Window* shownTop() { return session.shownTop(); }
    QWidget* widget(rt::Window* w, int control) { return session.widget(w, control); }
    void click(rt::Window* w, int control) { session.click(w, control); }

    void typeInto(rt::Window* w, int control, const QString& text) {
        QWidget* target = widget(w, control);
        if (!target) return;
        QTest::mouseClick(target, Qt::LeftButton, {},
                          QPoint(target->width() - 4, target->height() / 2));
        QWidget* frame = session.backend().windowWidget(w);
        QTest::keyClicks(frame->focusWidget(), text);
    }

    // On every tab of the sheet, the widget the user sees at the list's first row is the
    // list, and the row holds `first`.
    void expectRowsOnEveryTab(rt::Window* w, int listControl, int sheetControl,
                              const std::string& first) {
        auto* view = dynamic_cast<rt::qt::ListView*>(widget(w, listControl));
        auto* tabs = qobject_cast<QTabWidget*>(widget(w, sheetControl));
        ASSERT_NE(view, nullptr);
        ASSERT_NE(tabs, nullptr);
        QWidget* client = session.backend().clientArea(w);
        for (int tab = 0; tab < tabs->count(); ++tab) {
            SCOPED_TRACE("tab " + std::to_string(tab));
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                              tabs->tabBar()->tabRect(tab).center());
            session.settle();
            ASSERT_GE(view->rowCount(), 1);
            const QPoint at = view->viewport()->mapTo(client, view->rowRect(1).center());
            QWidget* seen = client->childAt(at);
            EXPECT_TRUE(seen == view || view->isAncestorOf(seen))
                << (seen ? seen->metaObject()->className() : "nothing");
            const auto texts = w->rowTexts(listControl, 1);
            EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                                   [&](const std::string& t) { return rt::clip(t) == first; }),
                      texts.end());
        }
    }

    testsupport::TempDir dir{/*enter=*/true};
    qttest::QtSession session;
};

TEST_F(ReferenceWindowsQt, ZipRecordsTypedIntoTheFormShowInTheListOnEveryTab) {
    namespace List = windows::zip_list::ZipListControl;
    namespace Form = windows::zip_form::ZipFormControl;
    session.start(&ZipCode2);
    rt::Window* list = shownTop();
    ASSERT_NE(list, nullptr);
    click(list, List::Insert);
    rt::Window* form = shownTop();
    ASSERT_NE(form, list);
    typeInto(form, Form::City, "Portland");
    typeInto(form, Form::State, "OR");
    typeInto(form, Form::Zip, "97201");
    click(form, Form::Ok);
    ASSERT_EQ(topWindow(), list);
    expectRowsOnEveryTab(list, List::List, List::Sheet, "Portland");
    click(list, List::Close);
    ASSERT_TRUE(session.finish());

    ZIP.open();
    ZIP.set();
    ASSERT_EQ(ZIP.next(), 0);
    EXPECT_EQ(rt::clip(ZIP::CITY.text()), "Portland");
    EXPECT_EQ(rt::clip(ZIP::STATE.text()), "OR");
    EXPECT_EQ(rt::clip(ZIP::ZIP_.text()), "97201");
    ZIP.close();
}

TEST_F(ReferenceWindowsQt, AreaCodesTypedIntoTheFormShowInTheListOnEveryTab) {
    namespace Lookup = windows::area_code_lookup::AreaLookupControl;
    namespace List = windows::area_code_list::AreaListControl;
    namespace Form = windows::area_code_form::AreaFormControl;
    session.start(&AreaCodes);
    rt::Window* lookup = shownTop();
    ASSERT_NE(lookup, nullptr);
    click(lookup, Lookup::UpdateAreaCodes);
    rt::Window* list = shownTop();
    ASSERT_NE(list, lookup);
    click(list, List::Insert);
    rt::Window* form = shownTop();
    ASSERT_NE(form, list);
    typeInto(form, Form::AreaCode, "503");
    typeInto(form, Form::State, "OR");
    typeInto(form, Form::City, "Portland");
    typeInto(form, Form::TimeZone, "Pacific US");
    click(form, Form::Ok);
    ASSERT_EQ(topWindow(), list);
    expectRowsOnEveryTab(list, List::List, List::Sheet, "Portland");
    click(list, List::Close);  // the look-up closes with it
    ASSERT_TRUE(session.finish());

    AREACODE.open();
    AREACODE.set();
    ASSERT_EQ(AREACODE.next(), 0);
    EXPECT_EQ(rt::clip(ARE::AREACODE.text()), "503");
    EXPECT_EQ(rt::clip(ARE::CITY.text()), "Portland");
    EXPECT_EQ(rt::clip(ARE::TIMEZONE.text()), "Pacific US");
    AREACODE.close();
}

// The look-ups the contact form pops up show their rows too.
TEST_F(ReferenceWindowsQt, TheLookUpsShowTheirRowsOnEveryTab) {
    reftest::makeZipFile("Portland", "OR", "97201");
    AREACODE.create();
    AREACODE.open();
    AREACODE.clear();
    ARE::AREACODE.setText("503");
    ARE::STATE.setText("OR");
    ARE::CITY.setText("Portland");
    AREACODE.add();
    AREACODE.close();
    session.start([] {
        ZipCode();
        AreaCodes();
    });
    rt::Window* zips = shownTop();
    ASSERT_NE(zips, nullptr);
    ASSERT_EQ(zips->title(), "Browse the Zip File");
    expectRowsOnEveryTab(zips, windows::zip_lookup::ZipLookupControl::List,
                         windows::zip_lookup::ZipLookupControl::Sheet, "Portland");
    click(zips, windows::zip_lookup::ZipLookupControl::Close);
    rt::Window* areas = shownTop();
    ASSERT_NE(areas, nullptr);
    ASSERT_EQ(areas->title(), "Browse the Area Code File");
    expectRowsOnEveryTab(areas, windows::area_code_lookup::AreaLookupControl::List,
                         windows::area_code_lookup::AreaLookupControl::Sheet, "Portland");
    click(areas, windows::area_code_lookup::AreaLookupControl::Close);
    ASSERT_TRUE(session.finish());
}

// A drop-down that also takes typing keeps what was typed into it when Enter ends the form,
// as it does when Tab leaves it: a text of its own, or an item's beginning, which the
// drop-down completes.
struct TypedDropDown {
    const char* name;
    void (*form)();
    int fieldBefore;
    const char* typed;
    const char* stored;
};

std::string storedTimeZone() {
    AREACODE.open();
    AREACODE.set();
    const bool read = AREACODE.next() == 0;
    std::string zone(rt::clip(ARE::TIMEZONE.text()));
    AREACODE.close();
    return read ? zone : "(no record)";
}

std::string storedBookmarkType() {
    WEB.open();
    WEB.set();
    const bool read = WEB.next() == 0;
    std::string type(rt::clip(WEB::GENERAL.text()));
    WEB.close();
    return read ? type : "(no record)";
}

TEST_F(ReferenceWindowsQt, TextTypedIntoADropDownAndEndedWithEnterIsStored) {
    namespace Area = windows::area_code_form::AreaFormControl;
    namespace Web = windows::web_form::WebFormControl;
    const TypedDropDown dropDowns[] = {
        {"time zone of its own", &UpdateAreaCode, Area::City, "Hawaii", "Hawaii"},
        {"time zone completed", &UpdateAreaCode, Area::City, "Moun", "Mountain"},
        {"bookmark type of its own", &UpdateWeb, Web::SiteName, "Recipes", "Recipes"},
        {"bookmark type completed", &UpdateWeb, Web::SiteName, "Fin", "Finance"},
    };
    for (const TypedDropDown& d : dropDowns) {
        SCOPED_TRACE(d.name);
        const bool areaCode = d.form == &UpdateAreaCode;
        (areaCode ? static_cast<rt::RecordFile&>(AREACODE) : WEB).remove();
        session.start([form = d.form] {
            GLO::Request = REQ::Insert;
            form();
        });
        rt::Window* form = shownTop();
        ASSERT_NE(form, nullptr);
        // Tabbed into from the field before it, the drop-down's text is selected and the
        // typing replaces it.
        QWidget* before = widget(form, d.fieldBefore);
        ASSERT_NE(before, nullptr);
        QTest::mouseClick(before, Qt::LeftButton, {}, QPoint(8, before->height() / 2));
        session.settle();
        qttest::keyAt(1000, Qt::Key_Tab);
        const unsigned long at = qttest::typeAt(1040, QString::fromLatin1(d.typed));
        qttest::keyAt(at, Qt::Key_Return);
        session.settle();
        EXPECT_EQ(topWindow(), nullptr) << "Enter pressed OK";
        ASSERT_TRUE(session.finish());
        EXPECT_EQ(areaCode ? storedTimeZone() : storedBookmarkType(), d.stored);
    }
}

}  // namespace
