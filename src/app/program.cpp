#include "program.h"

#include "events.h"
#include "host/host.h"
#include "keyboard.h"
#include "reader/capture_state.h"
#include "window.h"

#include <ole2.h>
#include <windowsx.h>

namespace {

void (*exitRoutine)() = nullptr;
bool loopStarted = false;

void runEventLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (filterKey(message)) continue;
        if (message.message == WM_MOUSEMOVE && controlOf(message.hwnd) == 标签7) {
            unsigned keys = (GetKeyState(VK_CONTROL) < 0 ? 1u : 0u) |
                            (GetKeyState(VK_SHIFT) < 0 ? 2u : 0u) |
                            (GetKeyState(VK_MENU) < 0 ? 4u : 0u);
            fireMouseMoved(标签7, GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam), keys);
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void runExitRoutine() {
    void (*routine)() = exitRoutine;
    exitRoutine = nullptr; // at most once
    if (routine) routine();
}

} // namespace

int startProgram() {
    restrictDllSearch();
    OleInitialize(nullptr);
    SetCurrentDirectoryA(programDirectory().c_str());
    exitRoutine = releaseGlobals;
    bool created = createMainWindow();
    loopStarted = true;
    if (created && mainWindow()) runEventLoop();
    runExitRoutine();
    closeAllFiles();
    releaseWindowResources();
    OleUninitialize();
    return created ? 0 : -1;
}

void releaseGlobals() {
    reportLine.clear();
    reportLine.shrink_to_fit();
}

void destroyMainWindow() {
    if (mainWindow()) PostMessageA(mainWindow(), destroySelfMessage, 0, 0);
}

void onMainWindowGone() {
    if (loopStarted) PostQuitMessage(0);
}
