#pragma once

#include <QImage>

// The mean difference of two same-sized pictures, per colour channel, 0 to 255. Pictures of different
// sizes fail the running test and count as wholly different.
double meanDifference(const QImage &a, const QImage &b);
