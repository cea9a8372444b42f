#include "skin_colors.h"

namespace {

int clamped(int value) {
    return value < 0 ? 0 : value > 255 ? 255 : value;
}

int mix(int from, int to, int percent) {
    int step = (to - from) * percent;
    return clamped(from + (step >= 0 ? step + 50 : step - 50) / 100);
}

const SkinColor white = {255, 255, 255};
const SkinColor hotOrange = {248, 179, 48};
const SkinColor hotPale = {255, 219, 140};

} // namespace

bool isSkinScheme(int scheme) {
    return scheme >= 1 && scheme <= 3;
}

SkinColor schemeColor(int scheme) {
    switch (scheme) {
    case 2:
        return {164, 185, 127};
    case 3:
        return {198, 197, 215};
    default:
        return {123, 158, 189};
    }
}

SkinColor darkened(SkinColor color, int amount) {
    return {clamped(color.r - amount), clamped(color.g - amount), clamped(color.b - amount)};
}

SkinColor blended(SkinColor from, SkinColor to, int percent) {
    return {mix(from.r, to.r, percent), mix(from.g, to.g, percent), mix(from.b, to.b, percent)};
}

SkinPalette skinPalette(int scheme, SkinColor window, SkinColor buttonFace) {
    SkinColor frame = schemeColor(scheme);
    // A light scheme frame would vanish as the tint of faces and glyphs:
    // shade it from a darker copy of itself.
    SkinColor deep = darkened(frame, 40);
    SkinPalette p{};
    p.frame = frame;
    p.frameDisabled = darkened(buttonFace, 32);
    p.inner = window;
    p.innerInactive = buttonFace;

    p.faceTop = blended(white, buttonFace, 15);
    p.faceBottom = blended(buttonFace, deep, 14);
    p.pressedTop = darkened(blended(buttonFace, deep, 22), 10);
    p.pressedBottom = blended(buttonFace, white, 30);
    p.hotOuter = hotOrange;
    p.hotInner = hotPale;
    p.focusOuter = blended(frame, white, 35);
    p.focusInner = blended(frame, white, 70);
    p.disabledFace = blended(buttonFace, white, 40);
    p.disabledText = darkened(buttonFace, 80);

    p.arrowTop = blended(white, frame, 18);
    p.arrowBottom = blended(white, frame, 48);
    p.arrowHotTop = blended(white, frame, 6);
    p.arrowHotBottom = blended(white, frame, 30);
    p.arrowPressedTop = blended(white, deep, 55);
    p.arrowPressedBottom = blended(white, frame, 40);
    p.arrowEdge = blended(white, frame, 60);
    p.glyph = darkened(frame, 75);
    return p;
}
