#include "platform/audio_libraries.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

bool processHasMapped(const QByteArray &soname) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(soname);
}

} // namespace

// A call misnamed in the lists would leave every player without sound and say nothing: each must be found.
TEST(AudioLibraries, AreOpenedWholeAtTheirFirstUse) {
    const SndfileLibrary *sndfile = sndfileLibrary();
    ASSERT_NE(sndfile, nullptr);
#define CORVANE_EXPECT_CALL(name) EXPECT_NE(sndfile->name, nullptr) << #name;
    CORVANE_SNDFILE_CALLS(CORVANE_EXPECT_CALL)
#undef CORVANE_EXPECT_CALL
    EXPECT_TRUE(processHasMapped("libsndfile.so.1"));

    const PulseLibrary *pulse = pulseLibrary();
    ASSERT_NE(pulse, nullptr);
#define CORVANE_EXPECT_CALL(name) EXPECT_NE(pulse->name, nullptr) << #name;
    CORVANE_PULSE_CALLS(CORVANE_EXPECT_CALL)
#undef CORVANE_EXPECT_CALL
    EXPECT_TRUE(processHasMapped("libpulse.so.0"));

    EXPECT_EQ(sndfileLibrary(), sndfile) << "opened once, kept for good";
    EXPECT_EQ(pulseLibrary(), pulse);
}
