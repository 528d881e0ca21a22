#pragma once
// A small builder for window structures: adds controls in order and answers them for the
// settings that differ from the defaults.

#include <string>
#include <utility>

#include "runtime/ui/window_structure.h"

namespace windows {

// One control with the settings every control has; the others keep their defaults.
inline rt::ControlStructure makeControl(int number, rt::ControlKind kind, rt::Rect at = {},
                                        std::string text = {}) {
    rt::ControlStructure c;
    c.number = number;
    c.kind = kind;
    c.at = at;
    c.text = std::move(text);
    return c;
}

// A window with where it is declared, its title, its size in dialog units and its font; the
// other settings keep their defaults.
inline rt::WindowStructure makeWindow(std::string module, std::string label, std::string title,
                                      int width, int height, rt::Font font) {
    rt::WindowStructure w;
    w.module = std::move(module);
    w.label = std::move(label);
    w.title = std::move(title);
    w.at = {0, 0, width, height};
    w.font = std::move(font);
    return w;
}

class StructureBuilder {
  public:
    explicit StructureBuilder(rt::WindowStructure& window) : window_(window) {}

    rt::ControlStructure& add(int number, rt::ControlKind kind, rt::Rect at, std::string text = {},
                              int parent = 0) {
        rt::ControlStructure c = makeControl(number, kind, at, std::move(text));
        c.parent = parent;
        window_.controls.push_back(std::move(c));
        return window_.controls.back();
    }
    rt::ControlStructure& entry(int number, rt::Rect at, std::string use, std::string picture,
                                int parent = 0) {
        rt::ControlStructure& c = add(number, rt::ControlKind::Entry, at, {}, parent);
        c.use = std::move(use);
        c.picture = std::move(picture);
        return c;
    }
    rt::ControlStructure& prompt(int number, rt::Rect at, std::string text, int parent = 0) {
        return add(number, rt::ControlKind::Prompt, at, std::move(text), parent);
    }
    rt::ControlStructure& button(int number, rt::Rect at, std::string text, int parent = 0) {
        return add(number, rt::ControlKind::Button, at, std::move(text), parent);
    }

  private:
    rt::WindowStructure& window_;
};

}  // namespace windows
