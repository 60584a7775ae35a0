#pragma once

// What the first-frame report prints about the process; the bench's bare Qt
// window includes it too, so both sides are measured the same way.
#include <cstdio>
#include <ctime>

namespace presenter {

// CPU time the process has used so far, user and system.
inline double CpuMilliseconds() {
    timespec used{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

// The process's peak resident size so far (VmHWM), in KiB; 0 if unknown.
inline long PeakResidentKiB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return 0;
    char line[256];
    long kib = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
    std::fclose(status);
    return kib;
}

}  // namespace presenter
