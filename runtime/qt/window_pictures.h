#pragma once
// The pictures of the windows a run of scenarios meets (make screens, tovik-drive --pictures):
// one PNG in one folder per window structure and title it shows, named by that title. When
// structures that differ show the same title anywhere in the run, every picture of that
// title adds the structure's module (or its label, where the module is shared too), and a
// picture saved earlier under the bare title is renamed; so the names depend only on which
// windows the run reaches, not on the order they came in.

#include <map>
#include <string>
#include <vector>

class QWidget;

namespace rt {
struct WindowStructure;
}

namespace rt::qt {

class WindowPictures {
  public:
    explicit WindowPictures(std::string folder);

    // Saves what `frame` shows; a window met again replaces its earlier picture.
    void save(QWidget& frame, const WindowStructure& structure, const std::string& title);
    // The file name (without ".png") the window's picture has, registering it if new.
    std::string nameFor(const std::string& module, const std::string& label,
                        const std::string& title);
    const std::string& folder() const { return folder_; }
    int count() const { return static_cast<int>(names_.size()); }

  private:
    struct Shown {
        std::string module, label, title;
        auto operator<=>(const Shown&) const = default;
    };
    std::string nameIn(const std::vector<Shown>& group, const Shown& shown) const;
    void rename(const std::string& from, const std::string& to) const;

    std::string folder_;
    std::map<Shown, std::string> names_;                 // window and title -> file name
    std::map<std::string, std::vector<Shown>> byTitle_;  // title as a file name -> windows
};

}  // namespace rt::qt
