#pragma once
// Documents are written under a temporary name beside their target, NAME.part-XXXXXX, and
// renamed into place once complete. The run writing one holds a lock on it until then, so
// that a part file nobody holds is one whose run was killed: it is removed by the next run
// that writes into its folder, or by a caller that knows where such runs printed.

#include <filesystem>
#include <string>

namespace rt {

// Creates the part file of `target` (close-on-exec) and locks it for this run; its name in
// `temporary`. -1 with errno set when it cannot.
int createPartFile(const std::string& target, std::string& temporary);

// Removes the part files in `folder` that no live run holds; how many.
int removeAbandonedPartFiles(const std::filesystem::path& folder);

}  // namespace rt
