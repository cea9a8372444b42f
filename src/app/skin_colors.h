// The colours of the control skin, worked out from the scheme number and the
// system's window and button-face colours. Plain numbers, no Windows types,
// so the rules can be checked on any machine.
#pragma once

struct SkinColor {
    int r, g, b; // 0..255 each
};

inline bool operator==(SkinColor a, SkinColor b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// 1 blue, 2 olive, 3 silver.
bool isSkinScheme(int scheme);

// The frame colour of a scheme; the blue one for a number that is no scheme.
SkinColor schemeColor(int scheme);

// Each channel lowered by `amount`, stopping at 0.
SkinColor darkened(SkinColor color, int amount);

// `percent` of the way from `from` to `to`, rounded to the nearest step.
SkinColor blended(SkinColor from, SkinColor to, int percent);

struct SkinPalette {
    // Edit boxes, and the frames of buttons and drop-down fields.
    SkinColor frame;         // the scheme colour
    SkinColor frameDisabled; // button face darkened by 32
    SkinColor inner;         // window colour
    SkinColor innerInactive; // button face, for disabled or read-only boxes
    // Push buttons.
    SkinColor faceTop, faceBottom;
    SkinColor pressedTop, pressedBottom;
    SkinColor hotOuter, hotInner;     // the warm ring under the mouse
    SkinColor focusOuter, focusInner; // the tinted ring of the default or focused button
    SkinColor disabledFace, disabledText;
    // The arrow button of a drop-down field.
    SkinColor arrowTop, arrowBottom;
    SkinColor arrowHotTop, arrowHotBottom;
    SkinColor arrowPressedTop, arrowPressedBottom;
    SkinColor arrowEdge, glyph;
};

SkinPalette skinPalette(int scheme, SkinColor window, SkinColor buttonFace);
