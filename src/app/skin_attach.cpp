#include "skin_parts.h"

#include <vector>

namespace {

// Our procedure comes off a window only while it is on top of the chain:
// under another one, taking it off would break that one, so it stays and
// passes every message on.
struct Skinned {
    HWND window;
    SkinKind kind;
    WNDPROC original;
};
std::vector<Skinned> skinned;

bool classIs(const char* name, const char* wanted) {
    return lstrcmpiA(name, wanted) == 0;
}

Skinned* entryOf(HWND window) {
    for (Skinned& entry : skinned)
        if (entry.window == window) return &entry;
    return nullptr;
}

LRESULT CALLBACK skinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool ownsTop(HWND window) {
    return GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(skinProc);
}

LRESULT CALLBACK skinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Skinned* entry = entryOf(window);
    if (!entry) return DefWindowProcA(window, message, wParam, lParam);
    WNDPROC original = entry->original;
    if (message == WM_NCDESTROY) {
        forgetHot(window);
        if (ownsTop(window))
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        skinned.erase(skinned.begin() + (entry - skinned.data()));
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    switch (entry->kind) {
    case skinnedButton:
    case skinnedDropDown:
        return skinnedClientMessage(window, entry->kind, message, wParam, lParam);
    case skinnedEdit:
    case skinnedOpenList:
        return skinnedFrameMessage(window, entry->kind, message, wParam, lParam);
    case notSkinned:
        break;
    }
    return CallWindowProcA(original, window, message, wParam, lParam);
}

void redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

} // namespace

LRESULT passOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Skinned* entry = entryOf(window);
    return entry ? CallWindowProcA(entry->original, window, message, wParam, lParam)
                 : DefWindowProcA(window, message, wParam, lParam);
}

bool isSkinned(HWND window) {
    const Skinned* entry = entryOf(window);
    return entry && entry->kind != notSkinned;
}

bool hasClientEdge(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

void setClientEdge(HWND edit, bool on, bool refit) {
    LONG_PTR exStyle = GetWindowLongPtrA(edit, GWL_EXSTYLE);
    SetWindowLongPtrA(edit, GWL_EXSTYLE,
                      on ? exStyle | WS_EX_CLIENTEDGE : exStyle & ~WS_EX_CLIENTEDGE);
    if (!refit) return;
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(edit, &client);
    SendMessageA(edit, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

SkinKind skinKindOf(HWND window, LONG_PTR style, LONG_PTR exStyle) {
    char name[32];
    if (!GetClassNameA(window, name, sizeof name)) return notSkinned;
    if (classIs(name, "Button")) {
        LONG_PTR type = style & BS_TYPEMASK;
        bool text = !(style & (BS_BITMAP | BS_ICON));
        if ((type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) && text) return skinnedButton;
    }
    // Borderless edit boxes, such as the one inside an editable drop-down, stay as they are.
    if (classIs(name, "Edit") && (exStyle & WS_EX_CLIENTEDGE)) return skinnedEdit;
    if (classIs(name, "ComboBox") && (style & 3) == CBS_DROPDOWNLIST &&
        !(style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)))
        return skinnedDropDown;
    return notSkinned; // open lists come with their drop-downs
}

void attachSkin(HWND window, SkinKind kind, bool creating) {
    if (kind == notSkinned || isSkinned(window)) return;
    if (Skinned* entry = entryOf(window)) {
        entry->kind = kind;
    } else {
        LONG_PTR original =
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(skinProc));
        if (!original) return;
        skinned.push_back({window, kind, reinterpret_cast<WNDPROC>(original)});
    }
    if (creating) return; // it takes on the skin with its first messages
    if (kind == skinnedEdit)
        setClientEdge(window, false, true);
    else
        redraw(window);
    if (kind == skinnedDropDown) attachOpenList(window);
}

void attachOpenList(HWND dropDown) {
    COMBOBOXINFO parts = {};
    parts.cbSize = sizeof parts;
    if (GetComboBoxInfo(dropDown, &parts) && parts.hwndList)
        attachSkin(parts.hwndList, skinnedOpenList, false);
}

void detachAllSkins() {
    std::vector<Skinned> kept;
    for (Skinned& entry : skinned) {
        if (entry.kind != notSkinned) {
            forgetHot(entry.window);
            bool edit = entry.kind == skinnedEdit;
            entry.kind = notSkinned;
            if (edit) setClientEdge(entry.window, true, true);
            redraw(entry.window);
        }
        if (!ownsTop(entry.window))
            kept.push_back(entry);
        else
            SetWindowLongPtrA(entry.window, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(entry.original));
    }
    skinned.swap(kept);
}

void redrawAllSkins() {
    for (const Skinned& entry : skinned)
        if (entry.kind != notSkinned) redraw(entry.window);
}
