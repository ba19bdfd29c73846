#pragma once

#include <QtGlobal>

// Pictures and clips are drawn at one, two and three times their size. For `scale` device pixels per
// pixel of the picture's own size, the art to draw from is the smallest with at least as many pixels, or
// the largest where none has.
constexpr int largestArtScale = 3;

constexpr int artScaleFor(qreal scale) {
    return scale <= 1.0 ? 1 : scale <= 2.0 ? 2 : largestArtScale;
}
