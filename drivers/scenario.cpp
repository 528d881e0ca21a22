// Scenario files: one driver step a line, "#" starts a comment, texts in double quotes, the
// file in UTF-8.
#include <sstream>
#include <vector>

#include "drivers/driver.h"
#include "runtime/text/codepage.h"

namespace rt {
namespace {

// Words and quoted texts; a quoted token keeps its quotes so that control names can tell a
// text from a field name.
std::vector<std::string> tokens(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        if (line[i] == '"') {
            std::size_t end = line.find('"', i + 1);
            if (end == std::string::npos) throw DriverError("a text has no closing quote");
            out.push_back(line.substr(i, end - i + 1));
            i = end + 1;
            continue;
        }
        std::size_t end = line.find_first_of(" \t\r", i);
        if (end == std::string::npos) end = line.size();
        out.push_back(line.substr(i, end - i));
        i = end;
    }
    return out;
}

std::string unquoted(const std::string& token) {
    if (token.size() >= 2 && token.front() == '"' && token.back() == '"')
        return token.substr(1, token.size() - 2);
    return token;
}

int number(const std::string& token) {
    try {
        std::size_t used = 0;
        int n = std::stoi(token, &used);
        if (used == token.size()) return n;
    } catch (const std::exception&) {
    }
    throw DriverError("\"" + token + "\" is not a number");
}

void need(const std::vector<std::string>& t, std::size_t count, const char* form) {
    if (t.size() != count) throw DriverError(std::string("expected: ") + form);
}

// Scenario files are UTF-8, as typed text reaches the program from the window system; the
// program's texts are its code page. The file name an answer gives stays the file system's.
std::vector<std::string> inCodePage(std::vector<std::string> t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[0] == "answer" && i == 1) continue;
        Cp1252Conversion converted = utf8ToCp1252Exactly(t[i]);
        if (!converted.refused.empty())
            throw DriverError("the text " + t[i] + " holds the character " +
                              codePointName(converted.refused) +
                              ", which the program's code page lacks");
        t[i] = std::move(converted.text);
    }
    return t;
}

void step(ScenarioDriver& d, const std::vector<std::string>& words, std::string& log) {
    const std::vector<std::string> t = inCodePage(words);
    const std::string& verb = t[0];
    if (verb == "window") {
        need(t, 2, "window \"TITLE\"");
        d.waitWindow(unquoted(t[1]));
    } else if (verb == "press") {
        need(t, 2, "press CONTROL");
        d.press(ControlName::parse(t[1]));
    } else if (verb == "type") {
        need(t, 3, "type CONTROL \"TEXT\"");
        d.type(ControlName::parse(t[1]), unquoted(t[2]));
    } else if (verb == "choose") {
        need(t, 3, "choose CONTROL ROW");
        d.choose(ControlName::parse(t[1]), number(t[2]));
    } else if (verb == "key") {
        need(t, 2, "key \"NAME\"");
        d.key(unquoted(t[1]));
    } else if (verb == "clickat") {
        need(t, 5, "clickat CONTROL X Y \"KEY\"");
        d.clickAt(ControlName::parse(t[1]), number(t[2]), number(t[3]), unquoted(t[4]));
    } else if (verb == "click") {
        need(t, 4, "click CONTROL ROW \"KEY\"");
        d.click(ControlName::parse(t[1]), number(t[2]), unquoted(t[3]));
    } else if (verb == "thumb") {
        need(t, 3, "thumb CONTROL POSITION");
        d.thumb(ControlName::parse(t[1]), number(t[2]));
    } else if (verb == "answer") {
        need(t, 2, "answer \"BUTTON\"");
        d.answer(unquoted(t[1]));
    } else if (verb == "cancel") {
        need(t, 1, "cancel");
        d.cancel();
    } else if (verb == "expect" && t.size() >= 2 && t[1] == "message") {
        need(t, 3, "expect message \"TEXT\"");
        d.expectMessage(unquoted(t[2]));
    } else if (verb == "expect" && t.size() >= 2 && t[1] == "rows") {
        need(t, 4, "expect rows CONTROL COUNT");
        d.expectRowCount(ControlName::parse(t[2]), number(t[3]));
    } else if (verb == "expect" && t.size() >= 2 && t[1] == "row") {
        need(t, 5, "expect row CONTROL ROW \"TEXT\"");
        d.expectRow(ControlName::parse(t[2]), number(t[3]), unquoted(t[4]));
    } else if (verb == "expect") {
        need(t, 3, "expect CONTROL \"TEXT\"");
        d.expectText(ControlName::parse(t[1]), unquoted(t[2]));
    } else if (verb == "close") {
        need(t, 1, "close");
        d.close();
    } else if (verb == "timer") {
        need(t, 1, "timer");
        d.timer();
    } else if (verb == "dump") {
        need(t, 1, "dump");
        log += d.dump();
    } else {
        throw DriverError("unknown step \"" + verb + "\"");
    }
}

// Ends the program; false when it would not end (a procedure that never waits).
bool finishQuietly(ScenarioDriver& driver) {
    try {
        return driver.finish();
    } catch (const DriverError&) {
        return false;
    }
}

}  // namespace

ScenarioResult runScenario(std::istream& script, std::function<void()> programMain,
                           std::string_view name) {
    Driver driver;
    return runScenarioWith(driver, script, std::move(programMain), name);
}

ScenarioResult runScenarioWith(ScenarioDriver& driver, std::istream& script,
                               std::function<void()> programMain, std::string_view name) {
    ScenarioResult result;
    std::string log;
    std::string line;
    int lineNumber = 0;
    try {
        driver.start(std::move(programMain));
        while (std::getline(script, line)) {
            ++lineNumber;
            if (!isUtf8(line)) throw DriverError("the line is not UTF-8 text");
            std::vector<std::string> t = tokens(line);
            if (t.empty()) continue;
            step(driver, t, log);
        }
    } catch (const DriverError& e) {
        result.line = lineNumber;
        std::string dump;
        try {
            dump = driver.dump();
        } catch (const DriverError& again) {
            dump = again.what();
        }
        result.report = std::string(name) + " failed at line " + std::to_string(lineNumber) + ": " +
                        line + "\n" + e.what() + "\n" + log + dump;
        finishQuietly(driver);
        return result;
    }
    if (!finishQuietly(driver)) {
        result.line = lineNumber;
        result.report = std::string(name) + " failed: the program did not end\n" + log;
        return result;
    }
    result.passed = true;
    result.report = std::string(name) + " passed\n" + log;
    return result;
}

}  // namespace rt
