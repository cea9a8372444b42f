// Finds and closes top-level windows by title, for scripts that drive the
// program from outside: wintool wait <title> <ms> | wintool close <title>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static HWND findShown(const char* title) {
    HWND window = FindWindowExA(nullptr, nullptr, nullptr, title);
    return window && IsWindowVisible(window) ? window : nullptr;
}

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "wait") == 0) {
        DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atoi(argv[3]));
        for (;;) {
            if (HWND window = findShown(argv[2])) {
                // Two round trips through its queue: by then the window has
                // been through its first paint.
                DWORD_PTR ignored;
                for (int i = 0; i < 2; ++i)
                    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
                RECT r;
                GetWindowRect(window, &r);
                std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
                return 0;
            }
            if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return 1;
            Sleep(20);
        }
    }
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0) {
        HWND window = FindWindowExA(nullptr, nullptr, nullptr, argv[2]);
        return window && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: wintool wait <title> <ms> | wintool close <title>\n");
    return 2;
}
