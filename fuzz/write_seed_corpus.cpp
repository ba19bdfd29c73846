// Writes the tests' hostile media into a folder and lists them, one "sound" or "clip" and a file name a
// line, so that the fuzzers can start from every kind of broken file the tests know.
#include "platform/hostile_media.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <empty folder>\n", argv[0]);
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    for (const HostileMedia &media : writeHostileMedia(QString::fromLocal8Bit(argv[1])))
        std::printf("%s %s\n", media.kind == MediaKind::Sound ? "sound" : "clip", qPrintable(media.fileName));
    return 0;
}
