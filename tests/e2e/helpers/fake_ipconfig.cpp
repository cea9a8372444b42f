// Stands in for "ipconfig /all": writes the bytes of report.txt beside
// itself to standard output, unchanged, and ends with code 0.
#include <windows.h>

#include <string>

int main() {
    char self[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, n);
    path.replace(path.find_last_of('\\') + 1, std::string::npos, "report.txt");
    HANDLE report = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (report == INVALID_HANDLE_VALUE) return 1;
    // WriteFile on the handle itself: no text-mode translation of line ends.
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    char buffer[4096];
    DWORD got = 0, written = 0;
    bool ok = true;
    while (ok && ReadFile(report, buffer, sizeof buffer, &got, nullptr) && got > 0)
        ok = WriteFile(out, buffer, got, &written, nullptr) && written == got;
    CloseHandle(report);
    return ok ? 0 : 1;
}
