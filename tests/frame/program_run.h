#pragma once
// Runs a piece of the program headless as its main procedure and answers every message box
// it shows: with the next of the given answers, or with the box's default button.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "drivers/driver.h"
#include "frame/program_end.h"

namespace testsupport {

struct ShownBox {
    std::string caption;
    std::string text;
    int icon = 0;
    int buttons = 0;
    int defaultButton = 0;
};

class ProgramRun {
  public:
    // Answers for the boxes to come, in order (0: the default button).
    std::deque<int> answers;
    std::vector<ShownBox> boxes;
    bool halted = false;
    std::string haltMessage;

    // `step` runs between the program's waits (for example to act on its windows); it
    // answers false when it has nothing more to do.
    void run(const std::function<void()>& body,
             const std::function<bool(rt::Driver&)>& step = nullptr) {
        ResetProgramExitCode();
        rt::Driver driver;
        driver.start([&] {
            try {
                body();
            } catch (const ProgramHalt& h) {
                halted = true;
                haltMessage = h.what();
            }
        });
        for (int round = 0; round < 1000 && !driver.ended(); ++round) {
            driver.settle();
            if (driver.ended()) break;
            auto dialogs = driver.backend().pendingDialogs();
            if (!dialogs.empty()) {
                const rt::Dialog& d = *dialogs.front();
                boxes.push_back({d.caption, d.text, d.icon, d.buttons, d.defaultButton});
                int answer = 0;
                if (!answers.empty()) {
                    answer = answers.front();
                    answers.pop_front();
                }
                rt::answerDialog(dialogs.front(), answer != 0 ? answer : d.defaultButton);
                continue;
            }
            if (step && step(driver)) continue;
            break;
        }
        driver.finish();
    }

    std::vector<std::string> captions() const {
        std::vector<std::string> out;
        for (const auto& b : boxes)
            out.push_back(b.caption);
        return out;
    }
};

}  // namespace testsupport
