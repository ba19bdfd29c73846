#pragma once

#include <QRgb>
#include <algorithm>
#include <array>
#include <cmath>

// The accessibility guidelines' measures of a pixel: its relative luminance, 0 for black to 1 for white,
// and the contrast ratio of two colours, 1 to 21. The clips' flashes and the captions' contrast are
// measured with them.
inline double relativeLuminance(QRgb pixel) {
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (int channel = 0; channel < 256; ++channel) {
            const double s = channel / 255.0;
            table[channel] = s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return 0.2126 * linear[qRed(pixel)] + 0.7152 * linear[qGreen(pixel)] + 0.0722 * linear[qBlue(pixel)];
}

inline double contrastRatio(QRgb a, QRgb b) {
    const double lighter = std::max(relativeLuminance(a), relativeLuminance(b)) + 0.05;
    const double darker = std::min(relativeLuminance(a), relativeLuminance(b)) + 0.05;
    return lighter / darker;
}
