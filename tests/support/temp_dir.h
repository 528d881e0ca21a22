#pragma once
// A scratch folder for one test: created fresh, removed with everything in it afterwards.
// With `enter` set, the test runs inside it (record files live in the working directory).

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
  public:
    explicit TempDir(bool enter = false) : entered_(enter) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tovik-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
        if (entered_) {
            previous_ = std::filesystem::current_path();
            std::filesystem::current_path(path_);
        }
    }
    ~TempDir() {
        if (entered_) std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    bool entered_;
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

}  // namespace testsupport
