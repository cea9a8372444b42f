#include "skin_parts.h"

namespace {

const int editBorder = 2; // what the sunken client edge took on each side

HWND hotWindow; // the skinned button or drop-down under the mouse
SkinKind hotKind;

void paintClient(HWND window, SkinKind kind, HDC dc) {
    if (kind == skinnedButton) paintButton(window, dc, window == hotWindow);
    if (kind == skinnedDropDown) paintDropDown(window, dc, window == hotWindow);
}

// Draws at once: the control's own code may have drawn its classic look
// directly, outside any paint message.
void repaintClient(HWND window, SkinKind kind) {
    if (!IsWindowVisible(window) || !isSkinned(window)) return;
    if (HDC dc = GetDC(window)) {
        paintClient(window, kind, dc);
        ReleaseDC(window, dc);
    }
}

void repaintFrame(HWND window, SkinKind kind) {
    if (!IsWindowVisible(window) || !isSkinned(window)) return;
    if (HDC dc = GetWindowDC(window)) {
        if (kind == skinnedEdit)
            paintEditFrame(window, dc);
        else
            paintOpenListFrame(window, dc);
        ReleaseDC(window, dc);
    }
}

void setHot(HWND window, SkinKind kind) {
    if (hotWindow == window) return;
    HWND old = hotWindow;
    SkinKind oldKind = hotKind;
    hotWindow = window;
    hotKind = kind;
    if (old) repaintClient(old, oldKind);
    if (!window) return;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
    repaintClient(window, kind);
}

void onPaint(HWND window, SkinKind kind, WPARAM givenDc) {
    if (givenDc) return paintClient(window, kind, reinterpret_cast<HDC>(givenDc));
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc) paintClient(window, kind, dc);
    EndPaint(window, &paint);
}

// Messages after which the system may have drawn the classic look itself.
bool redrawsButton(UINT message) {
    switch (message) {
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK:
        return true;
    }
    return false;
}

bool redrawsDropDown(UINT message) {
    switch (message) {
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_CHAR:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
        return true;
    }
    return false;
}

} // namespace

void forgetHot(HWND window) {
    if (hotWindow == window) hotWindow = nullptr;
}

LRESULT skinnedClientMessage(HWND window, SkinKind kind, UINT message, WPARAM wParam,
                             LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        onPaint(window, kind, wParam);
        return 0;
    case WM_PRINTCLIENT:
        paintClient(window, kind, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // every paint covers the whole control
    case WM_MOUSEMOVE:
        setHot(window, kind);
        break;
    case WM_MOUSELEAVE:
        if (hotWindow == window) setHot(nullptr, notSkinned);
        break;
    }
    LRESULT result = passOn(window, message, wParam, lParam);
    if (message == WM_CREATE && kind == skinnedDropDown) attachOpenList(window);
    bool redraws = kind == skinnedButton ? redrawsButton(message) : redrawsDropDown(message);
    if (redraws && IsWindow(window)) repaintClient(window, kind);
    return result;
}

LRESULT skinnedFrameMessage(HWND window, SkinKind kind, UINT message, WPARAM wParam,
                            LPARAM lParam) {
    bool edit = kind == skinnedEdit;
    // Before the box lays out its frame and text for the first time.
    if (message == WM_NCCREATE && edit) setClientEdge(window, false, false);
    LRESULT result = passOn(window, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        // In case the system put the creation styles back after the first message.
        if (edit && hasClientEdge(window)) setClientEdge(window, false, true);
        break;
    case WM_NCCALCSIZE:
        if (edit) {
            RECT* client = reinterpret_cast<RECT*>(lParam);
            InflateRect(client, -editBorder, -editBorder);
            if (client->right < client->left) client->right = client->left;
            if (client->bottom < client->top) client->bottom = client->top;
        }
        break;
    case WM_NCPAINT:
        repaintFrame(window, kind);
        break;
    case WM_PRINT:
        if (lParam & PRF_NONCLIENT) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            if (edit)
                paintEditFrame(window, dc);
            else
                paintOpenListFrame(window, dc);
        }
        break;
    case WM_ENABLE:
    case WM_STYLECHANGED:
    case EM_SETREADONLY:
        if (edit) repaintFrame(window, kind);
        break;
    }
    return result;
}
