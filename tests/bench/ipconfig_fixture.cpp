// Stands in for "ipconfig /all" under Wine: installed as <program folder>\ipconfig\all.exe,
// it writes the bytes of all.txt beside it to standard output, unchanged. It
// appends its start and end (QueryPerformanceCounter) to all.log there, so the
// timer can tell the time spent before and after it from its own run.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

bool copyToOutput(const std::string& report) {
    HANDLE in = CreateFileA(report.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in == INVALID_HANDLE_VALUE) return false;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    char buffer[4096];
    DWORD got = 0, written = 0;
    bool ok = true;
    while (ok && ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0)
        ok = WriteFile(out, buffer, got, &written, nullptr) && written == got;
    CloseHandle(in);
    return ok;
}

void appendTimes(const std::string& log, LARGE_INTEGER start, LARGE_INTEGER end) {
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    char line[64];
    int n = std::snprintf(line, sizeof line, "%lld %lld\r\n", start.QuadPart, end.QuadPart);
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(n), &written, nullptr);
    CloseHandle(file);
}

} // namespace

int main() {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    char self[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    std::string base(self, n - 3); // without "exe"
    bool ok = copyToOutput(base + "txt");
    QueryPerformanceCounter(&end);
    appendTimes(base + "log", start, end);
    return ok ? 0 : 1;
}
