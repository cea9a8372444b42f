#include "skin_parts.h"

namespace {

void setPixel(HDC dc, int x, int y, SkinColor color) {
    SetPixelV(dc, x, y, colorRef(color));
}

} // namespace

COLORREF colorRef(SkinColor color) {
    return RGB(color.r, color.g, color.b);
}

SkinColor skinColor(COLORREF color) {
    return {GetRValue(color), GetGValue(color), GetBValue(color)};
}

// An opaque empty text fills with the background colour and needs no brush.
void fillSolid(HDC dc, const RECT& rect, SkinColor color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    COLORREF old = SetBkColor(dc, colorRef(color));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void fillVertical(HDC dc, const RECT& rect, SkinColor top, SkinColor bottom) {
    int height = rect.bottom - rect.top;
    for (int y = 0; y < height; ++y) {
        int percent = height > 1 ? y * 100 / (height - 1) : 0;
        RECT row = {rect.left, rect.top + y, rect.right, rect.top + y + 1};
        fillSolid(dc, row, blended(top, bottom, percent));
    }
}

void frameSolid(HDC dc, const RECT& r, SkinColor color) {
    fillSolid(dc, {r.left, r.top, r.right, r.top + 1}, color);
    fillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, color);
    fillSolid(dc, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, color);
    fillSolid(dc, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, color);
}

void frameRounded(HDC dc, const RECT& r, SkinColor color, SkinColor outside, SkinColor insideTop,
                  SkinColor insideBottom) {
    if (r.right - r.left < 4 || r.bottom - r.top < 4) return frameSolid(dc, r, color);
    fillSolid(dc, {r.left + 1, r.top, r.right - 1, r.top + 1}, color);
    fillSolid(dc, {r.left + 1, r.bottom - 1, r.right - 1, r.bottom}, color);
    fillSolid(dc, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, color);
    fillSolid(dc, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, color);
    SkinColor corner = blended(outside, color, 35);
    setPixel(dc, r.left, r.top, corner);
    setPixel(dc, r.right - 1, r.top, corner);
    setPixel(dc, r.left, r.bottom - 1, corner);
    setPixel(dc, r.right - 1, r.bottom - 1, corner);
    SkinColor top = blended(insideTop, color, 45), bottom = blended(insideBottom, color, 45);
    setPixel(dc, r.left + 1, r.top + 1, top);
    setPixel(dc, r.right - 2, r.top + 1, top);
    setPixel(dc, r.left + 1, r.bottom - 2, bottom);
    setPixel(dc, r.right - 2, r.bottom - 2, bottom);
}

PaintBuffer beginBuffer(HDC target, const RECT& rect) {
    PaintBuffer buffer = {target, target, nullptr, nullptr, rect};
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return buffer;
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = dc ? CreateCompatibleBitmap(target, width, height) : nullptr;
    if (!bitmap) {
        if (dc) DeleteDC(dc);
        return buffer;
    }
    buffer.dc = dc;
    buffer.bitmap = bitmap;
    buffer.oldBitmap = SelectObject(dc, bitmap);
    SetWindowOrgEx(dc, rect.left, rect.top, nullptr);
    return buffer;
}

void endBuffer(PaintBuffer& buffer) {
    if (!buffer.bitmap) return;
    const RECT& r = buffer.rect;
    BitBlt(buffer.target, r.left, r.top, r.right - r.left, r.bottom - r.top, buffer.dc, r.left,
           r.top, SRCCOPY);
    SelectObject(buffer.dc, buffer.oldBitmap);
    DeleteObject(buffer.bitmap);
    DeleteDC(buffer.dc);
    buffer.bitmap = nullptr;
    buffer.dc = buffer.target;
}
