#pragma once

#include <QtGlobal>

// The test process's own memory, as the system counts it.

// Resident memory now, in bytes; 0 where the system does not tell.
qint64 residentBytes();
// The most the process has held resident since it started or since resetPeakResident().
qint64 peakResidentBytes();
void resetPeakResident();

// Whether resident memory says anything about the program. AddressSanitizer keeps freed blocks in a
// quarantine of up to 256 MB and shadows every byte, so under it memory bounds are not checked.
constexpr bool residentMemoryIsMeaningful() {
#ifdef CORVANE_SANITIZED
    return false;
#else
    return true;
#endif
}
