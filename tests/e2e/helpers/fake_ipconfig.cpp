// Stands in for "ipconfig /all": writes the bytes of report.txt beside
// itself to standard output, unchanged, and ends with code 0. When
// QUORBEL_IPCONFIG_TIMES names a file, it appends its own start and end
// (QueryPerformanceCounter) there, so a timer can tell apart the time spent
// before and after it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

bool copyToOutput(const std::string& path) {
    HANDLE report = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (report == INVALID_HANDLE_VALUE) return false;
    // WriteFile on the handle itself: no text-mode translation of line ends.
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    char buffer[4096];
    DWORD got = 0, written = 0;
    bool ok = true;
    while (ok && ReadFile(report, buffer, sizeof buffer, &got, nullptr) && got > 0)
        ok = WriteFile(out, buffer, got, &written, nullptr) && written == got;
    CloseHandle(report);
    return ok;
}

void appendTimes(LARGE_INTEGER start, LARGE_INTEGER end) {
    char log[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("QUORBEL_IPCONFIG_TIMES", log, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    char line[64];
    int length = std::snprintf(line, sizeof line, "%lld %lld\r\n", start.QuadPart, end.QuadPart);
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

} // namespace

int main() {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    char self[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    std::string path(self, n);
    path.replace(path.find_last_of('\\') + 1, std::string::npos, "report.txt");
    bool ok = copyToOutput(path);
    QueryPerformanceCounter(&end);
    appendTimes(start, end);
    return ok ? 0 : 1;
}
