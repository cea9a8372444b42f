#include "timing.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace bench {

double nowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / ticksPerMs;
}

double median(std::vector<double> values) {
    return quantile(std::move(values), 0.5);
}

double quantile(std::vector<double> values, double q) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    double at = q * static_cast<double>(values.size() - 1);
    size_t below = static_cast<size_t>(at);
    if (below + 1 >= values.size()) return values.back();
    double part = at - static_cast<double>(below);
    return values[below] + part * (values[below + 1] - values[below]);
}

Memory memoryOf(DWORD pid) {
    Memory memory;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return memory;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, &counters, sizeof counters)) {
        const double mb = 1024.0 * 1024.0;
        memory.peakWorkingSetMb = static_cast<double>(counters.PeakWorkingSetSize) / mb;
        memory.workingSetMb = static_cast<double>(counters.WorkingSetSize) / mb;
        memory.read = true;
    }
    CloseHandle(process);
    return memory;
}

namespace {

struct Search {
    DWORD pid;
    const std::string* title;
    HWND found;
};

BOOL CALLBACK onTopLevel(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != s->pid || !IsWindowVisible(window)) return TRUE;
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    if (*s->title != text) return TRUE;
    s->found = window;
    return FALSE;
}

} // namespace

HWND waitShownWindow(DWORD pid, const std::string& title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        Search search{pid, &title, nullptr};
        EnumWindows(onTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(1);
    }
}

void result(const std::string& key, double value) {
    std::printf("RESULT %s %.3f\n", key.c_str(), value);
    std::fflush(stdout);
}

double pairedRatio(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (b[i] > 0) ratios.push_back(a[i] / b[i]);
    return median(ratios);
}

void resultSeries(const std::string& key, const std::vector<double>& values) {
    result(key + "_ms", median(values));
    result(key + "_min_ms", quantile(values, 0));
    result(key + "_p25_ms", quantile(values, 0.25));
    result(key + "_p75_ms", quantile(values, 0.75));
}

} // namespace bench
