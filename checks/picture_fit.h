#pragma once
// A picture's size fitted into a square, keeping its aspect ratio.

#include <utility>

namespace picture_fit {

// The size of a `width` by `height` picture whose larger side is at most `side`; a smaller
// picture keeps its size.
inline std::pair<int, int> fitted(int width, int height, int side) {
    if (height > side) {
        width = static_cast<int>(static_cast<long long>(width) * side / height);
        height = side;
    }
    if (width > side) {
        height = static_cast<int>(static_cast<long long>(height) * side / width);
        width = side;
    }
    return {width, height};
}

}  // namespace picture_fit
