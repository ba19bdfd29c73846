#pragma once

#include <QRect>
#include <cmath>

// The table is laid out in twips, 15 to a pixel at 96 dpi.
constexpr int twipsPerPixel = 15;

inline int pixelsFromTwips(int twips) {
    return static_cast<int>(std::lround(twips / double(twipsPerPixel)));
}

inline QRect rectFromTwips(int left, int top, int width, int height) {
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width), pixelsFromTwips(height)};
}
