// What the timing program needs beside the end-to-end driver: a fine clock,
// medians, the memory of another process and a finer window wait.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// Milliseconds from QueryPerformanceCounter.
double nowMs();
double median(std::vector<double> values);
// The q-quantile (0..1) by linear interpolation; 0 is the fastest run.
double quantile(std::vector<double> values, double q);

struct Memory {
    double peakWorkingSetMb = 0;
    double workingSetMb = 0;
    bool read = false;
};
// Opens the process by id, as any other program could.
Memory memoryOf(DWORD pid);

// The driver polls every 15 ms, too coarse for start times of a few hundred;
// this polls every millisecond. The title is in the ANSI code page.
HWND waitShownWindow(DWORD pid, const std::string& title, DWORD timeoutMs);

// Result lines that scripts/bench reads: "RESULT <key> <value>".
void result(const std::string& key, double value);
// The median of a[i] / b[i]: runs timed back to back share the machine's
// load of the moment, so their ratios scatter less than the times.
double pairedRatio(const std::vector<double>& a, const std::vector<double>& b);
// <key>_ms (the median), <key>_min_ms, <key>_p25_ms and <key>_p75_ms.
void resultSeries(const std::string& key, const std::vector<double>& values);

} // namespace bench
