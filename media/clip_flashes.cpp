// Counts the flashes of animated clips, frame by frame, as the accessibility guidelines define a flash:
// a pair of opposing changes in relative luminance of a tenth or more, the darker side below 0.8. Prints
// each clip's most flashes in any one second; exits 1 when a clip flashes more than three times in one.
// The game's own clips are checked with the tests; media/make_media.sh names it for redrawn ones.
//
//   corvane-clip-flashes clip...
#include "media/relative_luminance.h"

#include <QCoreApplication>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Each frame's mean luminance in square cells across the clip, a cell as high as the clip: a flash in any
// part of it counts, however calm the rest. Two passes, so that a flash across the loop's seam counts.
struct Series {
    std::vector<int> at;                    // milliseconds from the start
    std::vector<std::vector<double>> cells; // per cell, per frame
};

Series measure(const QString &path) {
    Series series;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    std::vector<std::pair<QImage, int>> frames;
    for (QImage frame; reader.read(&frame);)
        frames.emplace_back(frame.convertToFormat(QImage::Format_RGB32), reader.nextImageDelay());
    int now = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto &[image, delay] : frames) {
            const int side = image.height(), count = std::max(1, image.width() / side);
            series.cells.resize(count);
            for (int cell = 0; cell < count; ++cell) {
                double sum = 0;
                for (int y = 0; y < side; ++y) {
                    const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                    for (int x = cell * side; x < (cell + 1) * side; ++x)
                        sum += relativeLuminance(line[x]);
                }
                series.cells[cell].push_back(sum / (side * side));
            }
            series.at.push_back(now);
            now += std::max(delay, 10);
        }
    }
    return series;
}

// The most flashes in any one second: a flash is a pair of opposing changes in luminance of a tenth or
// more, the darker side below 0.8.
int mostFlashesInASecond(const Series &series) {
    int most = 0;
    for (const std::vector<double> &cell : series.cells) {
        std::vector<int> changes;
        double extreme = cell.front();
        int direction = 0;
        for (std::size_t i = 1; i < cell.size(); ++i) {
            const double now = cell[i];
            if ((direction > 0 && now > extreme) || (direction < 0 && now < extreme)) {
                extreme = now;
            } else if (std::abs(now - extreme) >= 0.1 && std::min(now, extreme) < 0.8) {
                changes.push_back(series.at[i]);
                direction = now > extreme ? 1 : -1;
                extreme = now;
            }
        }
        for (std::size_t first = 0; first < changes.size(); ++first) {
            const auto last = std::lower_bound(changes.begin() + first, changes.end(), changes[first] + 1000);
            most = std::max(most, static_cast<int>(last - (changes.begin() + first)) / 2);
        }
    }
    return most;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    bool calm = argc > 1;
    for (int i = 1; i < argc; ++i) {
        const Series series = measure(QString::fromLocal8Bit(argv[i]));
        if (series.at.size() < 2) {
            std::fprintf(stderr, "clip_flashes: %s is no animated clip\n", argv[i]);
            calm = false;
            continue;
        }
        const int flashes = mostFlashesInASecond(series);
        std::printf("%s: %d flashes in the worst second\n", argv[i], flashes);
        calm = calm && flashes <= 3;
    }
    return calm ? 0 : 1;
}
