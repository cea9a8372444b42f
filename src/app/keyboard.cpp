#include "keyboard.h"

#include "window.h"

namespace {

const Control tabCycle[] = {按钮1, 按钮2, 按钮3};
const int cycleLength = 3;

bool isDown(int key) {
    return GetKeyState(key) < 0;
}

// Tab and Shift+Tab go round the buttons, skipping a disabled one. From
// anywhere else they land on the first or last button of the cycle.
void moveFocus(int step) {
    int at = -1;
    for (int i = 0; i < cycleLength; ++i)
        if (GetFocus() == controlWindow(tabCycle[i])) at = i;
    if (at < 0) at = step > 0 ? cycleLength - 1 : 0;
    for (int tries = 0; tries < cycleLength; ++tries) {
        at = (at + step + cycleLength) % cycleLength;
        HWND button = controlWindow(tabCycle[at]);
        if (IsWindowEnabled(button)) {
            SetFocus(button);
            return;
        }
    }
}

bool isOpenList(HWND window) {
    Control control = controlOf(window);
    return control != controlCount && controlTable[control].kind == dropDownList &&
           SendMessageA(window, CB_GETDROPPEDSTATE, 0, 0);
}

bool isLetterOrDigit(WPARAM key) {
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
}

} // namespace

bool filterKey(const MSG& message) {
    HWND window = mainWindow();
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    if (message.message == WM_SYSKEYDOWN) return isLetterOrDigit(message.wParam);
    if (message.message != WM_KEYDOWN || isDown(VK_CONTROL) || isDown(VK_MENU)) return false;
    bool shift = isDown(VK_SHIFT);
    switch (message.wParam) {
    case VK_TAB:
        moveFocus(shift ? -1 : 1);
        return true;
    case VK_ESCAPE:
        if (shift) return false;
        SendMessageA(window, WM_CLOSE, 0, 0);
        return true;
    case VK_F1:
        return !shift;
    case VK_RETURN:
        return !shift && !isOpenList(message.hwnd); // an open list takes its choice
    }
    return false;
}
