#pragma once
// The report's preview queue (PROP:PreviewQueue): the names of its page files in page order.
// The report adds one entry per finished page; the preview removes entries; whatever is
// still listed when the report closes is what prints.

#include <string>
#include <vector>

namespace rt {

class PreviewQueue {
  public:
    virtual ~PreviewQueue() = default;
    virtual void add(const std::string& pageFile) = 0;
    // The entries in order (names without trailing blanks).
    virtual std::vector<std::string> entries() const = 0;
};

// A preview queue held in memory.
class PageList : public PreviewQueue {
  public:
    void add(const std::string& pageFile) override { names.push_back(pageFile); }
    std::vector<std::string> entries() const override { return names; }

    std::vector<std::string> names;
};

}  // namespace rt
