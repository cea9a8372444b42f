#include "skin_parts.h"

#include <string>

namespace {

const UINT captionFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
const UINT fieldFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS;

RECT inset(RECT r, int by) {
    InflateRect(&r, -by, -by);
    return r;
}

std::string captionOf(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], length + 1));
    return text;
}

std::string selectedEntryOf(HWND dropDown) {
    LRESULT index = SendMessageA(dropDown, CB_GETCURSEL, 0, 0);
    if (index < 0) return std::string();
    LRESULT length = SendMessageA(dropDown, CB_GETLBTEXTLEN, index, 0);
    if (length <= 0) return std::string();
    std::string text(length + 1, '\0');
    LRESULT got = SendMessageA(dropDown, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? got : 0);
    return text;
}

LRESULT uiState(HWND window) {
    return SendMessageA(window, WM_QUERYUISTATE, 0, 0);
}

// The parent's background for the button, as the parent chooses it; it
// shows in the rounded corners.
SkinColor fillParentBackground(HWND button, HDC dc, const RECT& r) {
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(button), WM_CTLCOLORBTN,
                                                         reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(button)));
    LOGBRUSH described;
    if (brush && GetObjectA(brush, sizeof described, &described) == sizeof described &&
        described.lbStyle == BS_SOLID) {
        FillRect(dc, &r, brush);
        return skinColor(described.lbColor);
    }
    SkinColor face = skinColor(GetSysColor(COLOR_BTNFACE));
    fillSolid(dc, r, face);
    return face;
}

// Two one-pixel rings just inside the frame.
void ring(HDC dc, const RECT& face, SkinColor outer, SkinColor inner) {
    frameSolid(dc, face, outer);
    frameSolid(dc, inset(face, 1), inner);
}

void drawText(HDC dc, HWND window, const std::string& text, RECT r, COLORREF color, UINT format) {
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    if (oldFont) SelectObject(dc, oldFont);
}

void focusRect(HDC dc, HWND window, const RECT& r) {
    if (uiState(window) & UISF_HIDEFOCUS) return;
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &r);
}

// A small chevron pointing down, two pixels thick.
void drawGlyph(HDC dc, const RECT& r, SkinColor color) {
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2 - 1;
    for (int i = 0; i < 4; ++i) {
        fillSolid(dc, {cx - 4 + i, cy - 1 + i, cx - 2 + i, cy + i}, color);
        fillSolid(dc, {cx + 3 - i, cy - 1 + i, cx + 5 - i, cy + i}, color);
    }
}

} // namespace

void paintButton(HWND button, HDC target, bool hot) {
    SkinPalette p = currentPalette();
    RECT r;
    GetClientRect(button, &r);
    PaintBuffer buffer = beginBuffer(target, r);
    HDC dc = buffer.dc;
    SkinColor outside = fillParentBackground(button, dc, r);

    bool enabled = IsWindowEnabled(button);
    bool pressed = enabled && (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    bool focused = enabled && GetFocus() == button;
    LONG_PTR type = GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK;
    SkinColor top = p.faceTop, bottom = p.faceBottom;
    if (!enabled)
        top = bottom = p.disabledFace;
    else if (pressed)
        top = p.pressedTop, bottom = p.pressedBottom;
    RECT face = inset(r, 1);
    fillVertical(dc, face, top, bottom);
    if (enabled && !pressed && hot)
        ring(dc, face, p.hotOuter, p.hotInner);
    else if (enabled && !pressed && (focused || type == BS_DEFPUSHBUTTON))
        ring(dc, face, p.focusOuter, p.focusInner);
    frameRounded(dc, r, enabled ? p.frame : p.frameDisabled, outside, top, bottom);

    RECT text = r;
    if (pressed) OffsetRect(&text, 1, 1);
    UINT format = captionFormat | ((uiState(button) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0);
    COLORREF color = enabled ? GetSysColor(COLOR_BTNTEXT) : colorRef(p.disabledText);
    drawText(dc, button, captionOf(button), text, color, format);
    if (focused) focusRect(dc, button, inset(r, 3));
    endBuffer(buffer);
}

void paintDropDown(HWND dropDown, HDC target, bool hot) {
    SkinPalette p = currentPalette();
    RECT r;
    GetClientRect(dropDown, &r);
    PaintBuffer buffer = beginBuffer(target, r);
    HDC dc = buffer.dc;

    bool enabled = IsWindowEnabled(dropDown);
    bool dropped = SendMessageA(dropDown, CB_GETDROPPEDSTATE, 0, 0) != 0;
    bool focused = enabled && GetFocus() == dropDown;
    SkinColor field = enabled ? p.inner : p.innerInactive;
    fillSolid(dc, r, field);
    frameSolid(dc, r, enabled ? p.frame : p.frameDisabled);

    // The arrow button sits inside the frame with a one-pixel gap.
    int width = GetSystemMetrics(SM_CXVSCROLL);
    RECT arrow = {r.right - 2 - width, r.top + 2, r.right - 2, r.bottom - 2};
    SkinColor top = p.arrowTop, bottom = p.arrowBottom, edge = p.arrowEdge, glyph = p.glyph;
    if (!enabled)
        top = bottom = p.disabledFace, edge = p.frameDisabled, glyph = p.disabledText;
    else if (dropped)
        top = p.arrowPressedTop, bottom = p.arrowPressedBottom;
    else if (hot)
        top = p.arrowHotTop, bottom = p.arrowHotBottom;
    fillVertical(dc, inset(arrow, 1), top, bottom);
    frameRounded(dc, arrow, edge, field, top, bottom);
    drawGlyph(dc, arrow, glyph);

    RECT text = {r.left + 2, r.top + 2, arrow.left - 1, r.bottom - 2};
    COLORREF color = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    bool highlighted = focused && !dropped;
    if (highlighted) {
        fillSolid(dc, text, skinColor(GetSysColor(COLOR_HIGHLIGHT)));
        color = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    RECT words = {text.left + 2, text.top, text.right - 1, text.bottom};
    drawText(dc, dropDown, selectedEntryOf(dropDown), words, color, fieldFormat);
    if (highlighted) focusRect(dc, dropDown, text);
    endBuffer(buffer);
}

void paintEditFrame(HWND edit, HDC windowDc) {
    SkinPalette p = currentPalette();
    RECT r;
    GetWindowRect(edit, &r);
    OffsetRect(&r, -r.left, -r.top);
    bool enabled = IsWindowEnabled(edit);
    bool readOnly = (GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) != 0;
    frameSolid(windowDc, r, enabled ? p.frame : p.frameDisabled);
    frameSolid(windowDc, inset(r, 1), enabled && !readOnly ? p.inner : p.innerInactive);
}

void paintOpenListFrame(HWND list, HDC windowDc) {
    RECT r;
    GetWindowRect(list, &r);
    OffsetRect(&r, -r.left, -r.top);
    frameSolid(windowDc, r, currentPalette().frame);
}
