#include "skin.h"

#include "skin_parts.h"

namespace {

int scheme; // 0 while the skin is off
HHOOK creationHook;

void attachExisting(HWND window) {
    SkinKind kind = skinKindOf(window, GetWindowLongPtrA(window, GWL_STYLE),
                               GetWindowLongPtrA(window, GWL_EXSTYLE));
    attachSkin(window, kind, false);
}

BOOL CALLBACK onChildWindow(HWND window, LPARAM) {
    attachExisting(window);
    return TRUE;
}

// Top-level windows include hidden ones and message boxes; the open lists of
// drop-downs come with their drop-downs.
BOOL CALLBACK onThreadWindow(HWND window, LPARAM) {
    attachExisting(window);
    EnumChildWindows(window, onChildWindow, 0);
    return TRUE;
}

// Windows made later get the skin before their first message, so an edit box
// never shows its sunken border.
LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        attachSkin(window, skinKindOf(window, create->style, create->dwExStyle), true);
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

void switchOff() {
    if (creationHook) UnhookWindowsHookEx(creationHook);
    creationHook = nullptr;
    scheme = 0;
    detachAllSkins();
}

} // namespace

SkinPalette currentPalette() {
    return skinPalette(scheme, skinColor(GetSysColor(COLOR_WINDOW)),
                       skinColor(GetSysColor(COLOR_BTNFACE)));
}

bool setVisualStyle(int newScheme) {
    if (!isSkinScheme(newScheme)) {
        switchOff();
        return false;
    }
    if (creationHook) {
        scheme = newScheme;
        redrawAllSkins();
        return true;
    }
    creationHook = SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId());
    if (!creationHook) return false;
    scheme = newScheme;
    EnumThreadWindows(GetCurrentThreadId(), onThreadWindow, 0);
    return true;
}
