// Stands in for the programs that the tool hands work to (the script host,
// the web browser, netsh): it does nothing but append what it was asked to
// do to the log file that QUORBEL_E2E_LOG names. One entry per start:
//   "<a> <b> <c>\n", then the command line (a bytes), the first argument
//   (b bytes) and the bytes of the file that argument names when it ends in
//   ".VBS" (c bytes, -1 for none), then "\n".
#include "common/files.h"

#include <windows.h>

#include <string>

namespace {

// The first argument, as the C runtime would split it: quotes removed.
std::string firstArgument(const std::string& line) {
    size_t at = 0;
    bool quoted = false;
    while (at < line.size() && (quoted || (line[at] != ' ' && line[at] != '\t'))) {
        if (line[at] == '"') quoted = !quoted;
        ++at;
    }
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
        ++at;
    std::string argument;
    quoted = false;
    for (; at < line.size() && (quoted || (line[at] != ' ' && line[at] != '\t')); ++at) {
        if (line[at] == '"')
            quoted = !quoted;
        else
            argument += line[at];
    }
    return argument;
}

bool endsWithVbs(const std::string& path) {
    return path.size() >= 4 && lstrcmpiA(path.c_str() + path.size() - 4, ".VBS") == 0;
}

// Several recorders may run at once: each waits for the log to itself.
bool append(const std::string& logPath, const std::string& entry) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        HANDLE log = CreateFileA(logPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log == INVALID_HANDLE_VALUE) {
            if (GetLastError() != ERROR_SHARING_VIOLATION) return false;
            Sleep(10);
            continue;
        }
        SetFilePointer(log, 0, nullptr, FILE_END);
        DWORD written = 0;
        bool ok = WriteFile(log, entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr);
        CloseHandle(log);
        return ok && written == entry.size();
    }
    return false;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char logPath[MAX_PATH] = {};
    DWORD n = GetEnvironmentVariableA("QUORBEL_E2E_LOG", logPath, sizeof logPath);
    if (n == 0 || n >= sizeof logPath) return 2;
    std::string line = GetCommandLineA();
    std::string argument = firstArgument(line);
    std::string script;
    long scriptLength = -1;
    if (endsWithVbs(argument) && readWholeFile(argument, &script))
        scriptLength = static_cast<long>(script.size());
    std::string entry = std::to_string(line.size()) + " " + std::to_string(argument.size()) + " " +
                        std::to_string(scriptLength) + "\n" + line + argument + script + "\n";
    return append(logPath, entry) ? 0 : 1;
}
