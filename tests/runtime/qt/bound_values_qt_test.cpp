// A value bound to a string or a prompt is shown as it is stored: its "&" is a character,
// never the mark of a key letter. Fixed prompts keep their letter.
#include <gtest/gtest.h>

#include <QLabel>
#include <array>
#include <string>

#include "runtime/ui/binding.h"
#include "tests/runtime/qt/qt_test_support.h"

namespace {

using rt::ControlKind;

const std::array<std::string, 5> kValues = {"A & B", "A&&B", "&", "Smith & Sons", "&Name"};

constexpr int kFirstString = 10;
constexpr int kFirstPrompt = 30;
constexpr int kFirstEntry = 50;
constexpr int kFixedPrompt = 70;
constexpr int kFixedEntry = 71;

// One row a value: a bound string, and a bound prompt with an entry after it (the control a
// prompt's letter would focus); last, a fixed prompt with its entry.
rt::WindowStructure valuesWindow() {
    rt::WindowStructure w;
    w.title = "Values";
    w.at = {0, 0, 260, 20 + 14 * static_cast<int>(kValues.size()) + 20};
    for (std::size_t i = 0; i < kValues.size(); ++i) {
        const int n = static_cast<int>(i);
        const int y = 6 + 14 * n;
        qttest::addControl(w, kFirstString + n, ControlKind::String, "", {6, y, 70, 10}).use =
            "S" + std::to_string(n);
        qttest::addControl(w, kFirstPrompt + n, ControlKind::Prompt, "", {90, y, 70, 10}).use =
            "P" + std::to_string(n);
        qttest::addControl(w, kFirstEntry + n, ControlKind::Entry, "", {170, y, 60, 11});
    }
    const int y = 6 + 14 * static_cast<int>(kValues.size());
    qttest::addControl(w, kFixedPrompt, ControlKind::Prompt, "&Name:", {90, y, 70, 10});
    qttest::addControl(w, kFixedEntry, ControlKind::Entry, "", {170, y, 60, 11});
    return w;
}

TEST(BoundValuesQtTest, BoundStringsAndPromptsShowTheirValueExactlyAndFixedPromptsKeepTheirKey) {
    std::atomic<rt::Window*> window{nullptr};
    qttest::QtSession session;
    session.start([&] {
        std::array<std::string, kValues.size()> strings = kValues, prompts = kValues;
        rt::Window w(valuesWindow(), [&](std::string_view use) -> rt::BindingPtr {
            const std::size_t i = static_cast<std::size_t>(use[1] - '0');
            return use[0] == 'S' ? rt::bindText(std::string(use), strings[i])
                                 : rt::bindText(std::string(use), prompts[i]);
        });
        qttest::runShown(w, window);
    });
    QWidget* frame = session.shownWindow(window);
    ASSERT_NE(frame, nullptr);
    session.settle();

    for (std::size_t i = 0; i < kValues.size(); ++i) {
        const int n = static_cast<int>(i);
        for (int control : {kFirstString + n, kFirstPrompt + n}) {
            auto* label = qobject_cast<QLabel*>(session.widget(window, control));
            ASSERT_NE(label, nullptr) << control;
            EXPECT_EQ(label->text().toStdString(), kValues[i]) << control;
            // A label with a buddy draws its "&" as the underline of a key letter.
            EXPECT_EQ(label->buddy(), nullptr) << control << " shows " << kValues[i];
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << control;
        }
    }
    auto* fixed = qobject_cast<QLabel*>(session.widget(window, kFixedPrompt));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->text().toStdString(), "&Name:");
    EXPECT_EQ(fixed->buddy(), session.widget(window, kFixedEntry));

    frame->close();
    ASSERT_TRUE(session.finish());
}

}  // namespace
