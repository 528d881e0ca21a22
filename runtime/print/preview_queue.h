#pragma once
// The report's preview queue (PROP:PreviewQueue): the names of its pages in page order, each
// naming the page inside the report's spool (page_spool.h).
// The report adds one entry per finished page; the preview removes entries; whatever is
// still listed when the report closes is what prints.

#include <string>
#include <vector>

namespace rt {

class PreviewQueue {
  public:
    virtual ~PreviewQueue() = default;
    virtual void add(const std::string& pageName) = 0;
    // The entries in order (names without trailing blanks).
    virtual std::vector<std::string> entries() const = 0;
};

// A preview queue held in memory.
class PageList : public PreviewQueue {
  public:
    void add(const std::string& pageName) override { names.push_back(pageName); }
    std::vector<std::string> entries() const override { return names; }

    std::vector<std::string> names;
};

}  // namespace rt
