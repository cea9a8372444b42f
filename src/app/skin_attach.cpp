#include "skin_parts.h"

#include <commctrl.h>

#include <vector>

namespace {

const UINT_PTR skinSubclassId = 0x536b696e;

struct Skinned {
    HWND window;
    SkinKind kind;
};
std::vector<Skinned> skinned; // kept here: comctl32 has no named call to ask

bool classIs(const char* name, const char* wanted) {
    return lstrcmpiA(name, wanted) == 0;
}

void forget(HWND window) {
    for (size_t i = 0; i < skinned.size(); ++i)
        if (skinned[i].window == window) {
            skinned.erase(skinned.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    forgetHot(window);
}

LRESULT CALLBACK skinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR refData) {
    SkinKind kind = static_cast<SkinKind>(refData);
    if (message == WM_NCDESTROY) {
        forget(window);
        RemoveWindowSubclass(window, skinProc, skinSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (kind == skinnedButton || kind == skinnedDropDown)
        return skinnedClientMessage(window, kind, message, wParam, lParam);
    return skinnedFrameMessage(window, kind, message, wParam, lParam);
}

void redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

void detach(HWND window, SkinKind kind) {
    RemoveWindowSubclass(window, skinProc, skinSubclassId);
    if (kind == skinnedEdit) setClientEdge(window, true, true);
    redraw(window);
}

} // namespace

bool isSkinned(HWND window) {
    for (const Skinned& entry : skinned)
        if (entry.window == window) return true;
    return false;
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
    if (!SetWindowSubclass(window, skinProc, skinSubclassId, kind)) return;
    skinned.push_back({window, kind});
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
    std::vector<Skinned> windows;
    windows.swap(skinned);
    for (const Skinned& entry : windows) {
        forgetHot(entry.window);
        if (IsWindow(entry.window)) detach(entry.window, entry.kind);
    }
}

void redrawAllSkins() {
    for (const Skinned& entry : skinned)
        redraw(entry.window);
}
