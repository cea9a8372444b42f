// What the files of the control skin share: the current palette, the kinds
// of skinned windows, the hooks into their window procedures and the drawing.
#pragma once

#include "skin_colors.h"

#include <windows.h>

enum SkinKind { notSkinned, skinnedButton, skinnedEdit, skinnedDropDown, skinnedOpenList };

// skin.cpp: the palette of the scheme that is on, with the system colours of now.
SkinPalette currentPalette();

// skin_attach.cpp: which windows get the skin, and putting it on and off.
SkinKind skinKindOf(HWND window, LONG_PTR style, LONG_PTR exStyle);
// `creating`: from the creation hook, before the window's first message.
void attachSkin(HWND window, SkinKind kind, bool creating);
// The drop-down makes its open list while it is being created.
void attachOpenList(HWND dropDown);
void detachAllSkins();
void redrawAllSkins();
bool isSkinned(HWND window);
// The window's own procedure, under the skin.
LRESULT passOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool hasClientEdge(HWND window);
// With `refit` the frame is laid out anew, keeping the client area, and the
// box is told its size again so it places its text for the frame it has now.
void setClientEdge(HWND edit, bool on, bool refit);

// skin_messages.cpp: what a skinned window does with its messages.
LRESULT skinnedClientMessage(HWND window, SkinKind kind, UINT message, WPARAM wParam,
                             LPARAM lParam);
LRESULT skinnedFrameMessage(HWND window, SkinKind kind, UINT message, WPARAM wParam, LPARAM lParam);
void forgetHot(HWND window);

// skin_paint.cpp: drawing of each kind, into a device context of the window
// (client area) or of its whole window rectangle (frames).
void paintButton(HWND button, HDC target, bool hot);
void paintDropDown(HWND dropDown, HDC target, bool hot);
void paintEditFrame(HWND edit, HDC windowDc);
void paintOpenListFrame(HWND list, HDC windowDc);

// skin_gdi.cpp: small drawing helpers.
COLORREF colorRef(SkinColor color);
SkinColor skinColor(COLORREF color);
void fillSolid(HDC dc, const RECT& rect, SkinColor color);
void fillVertical(HDC dc, const RECT& rect, SkinColor top, SkinColor bottom);
void frameSolid(HDC dc, const RECT& rect, SkinColor color);
// A one-pixel frame whose corners are eased into the colours on either side:
// `outside` around it, the face within it at the top and at the bottom.
void frameRounded(HDC dc, const RECT& rect, SkinColor color, SkinColor outside, SkinColor insideTop,
                  SkinColor insideBottom);

// Paints off-screen and copies the result once, so nothing flickers.
struct PaintBuffer {
    HDC target;
    HDC dc; // draw here; the target itself when no buffer could be made
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    RECT rect;
};
PaintBuffer beginBuffer(HDC target, const RECT& rect);
void endBuffer(PaintBuffer& buffer);
