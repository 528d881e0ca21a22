#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/register_procedures.h"
#include "frame/program_main.h"
#include "runtime/ui/driver.h"

// Debug helper: runs a scenario step by step and prints the failing step with a dump.
int main(int, char** argv) {
    RegisterProgramProcedures();
    std::ifstream script(argv[1]);
    rt::Driver d;
    d.start(&ProgramMain);
    std::string line;
    int n = 0;
    while (std::getline(script, line)) {
        ++n;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream one(line + "\n");
        try {
            // Reuse the scenario parser for one line by a tiny scenario is not possible with a
            // running driver; handle the common verbs here.
            std::string verb;
            one >> verb;
            std::string rest;
            std::getline(one, rest);
            auto q = [](std::string s) {
                auto a = s.find('"'), b = s.rfind('"');
                return s.substr(a + 1, b - a - 1);
            };
            auto ctl = [&](std::string s) {
                while (!s.empty() && s[0] == ' ') s.erase(0, 1);
                std::string tok = s[0] == '"' ? s.substr(0, s.find('"', 1) + 1) : s.substr(0, s.find(' '));
                return rt::ControlName::parse(tok);
            };
            if (verb == "window") d.waitWindow(q(rest));
            else if (verb == "press") d.press(ctl(rest));
            else if (verb == "type") {
                auto c = ctl(rest);
                std::string after = rest.substr(rest.find(c.describe().size() ? ' ' : ' ', 1));
                d.type(c, q(after));
            } else if (verb == "answer") d.answer(q(rest));
            else if (verb == "key") d.key(q(rest));
            else if (verb == "dump") std::cout << d.dump();
            else if (verb == "click") {
                std::istringstream r(rest);
                std::string c;
                int row;
                r >> c >> row;
                std::string k;
                std::getline(r, k);
                d.click(rt::ControlName::parse(c), row, q(k));
            } else if (verb == "choose") {
                std::istringstream r(rest);
                std::string c;
                int row;
                r >> c >> row;
                d.choose(rt::ControlName::parse(c), row);
            } else if (verb == "expect") {
                std::istringstream r(rest);
                std::string c;
                r >> c;
                if (c == "row") {
                    std::string l;
                    int row;
                    r >> l >> row;
                    std::string t;
                    std::getline(r, t);
                    d.expectRow(rt::ControlName::parse(l), row, q(t));
                } else if (c == "message") {
                    d.expectMessage(q(rest));
                } else {
                    std::string t;
                    std::getline(r, t);
                    d.expectText(rt::ControlName::parse(c), q(t));
                }
            }
        } catch (const std::exception& e) {
            std::cout << "line " << n << ": " << line << "\n  " << e.what() << "\n" << d.dump();
            std::cout.flush();
            std::_Exit(1);
        }
    }
    std::cout << "done\n" << d.dump();
    std::cout.flush();
    std::_Exit(0);
}
