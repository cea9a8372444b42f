#include "app/skin_colors.h"

#include <gtest/gtest.h>

namespace {

const SkinColor white = {255, 255, 255};
const SkinColor classicFace = {212, 208, 200};

void expectColor(SkinColor actual, int r, int g, int b) {
    EXPECT_EQ(actual.r, r);
    EXPECT_EQ(actual.g, g);
    EXPECT_EQ(actual.b, b);
}

TEST(SkinColors, OnlyOneTwoAndThreeAreSchemes) {
    EXPECT_TRUE(isSkinScheme(1));
    EXPECT_TRUE(isSkinScheme(2));
    EXPECT_TRUE(isSkinScheme(3));
    EXPECT_FALSE(isSkinScheme(0));
    EXPECT_FALSE(isSkinScheme(4));
    EXPECT_FALSE(isSkinScheme(-1));
}

TEST(SkinColors, SchemeFrameColours) {
    expectColor(schemeColor(1), 123, 158, 189);
    expectColor(schemeColor(2), 164, 185, 127);
    expectColor(schemeColor(3), 198, 197, 215);
}

TEST(SkinColors, DarkeningStopsAtZero) {
    expectColor(darkened({240, 240, 240}, 32), 208, 208, 208);
    expectColor(darkened({40, 20, 32}, 32), 8, 0, 0);
    expectColor(darkened({0, 0, 0}, 32), 0, 0, 0);
}

TEST(SkinColors, BlendingGoesFromOneColourToTheOther) {
    expectColor(blended({0, 100, 200}, {100, 0, 200}, 0), 0, 100, 200);
    expectColor(blended({0, 100, 200}, {100, 0, 200}, 100), 100, 0, 200);
    expectColor(blended({0, 100, 200}, {100, 0, 200}, 25), 25, 75, 200);
    // Halfway steps round away from the start in both directions.
    expectColor(blended({0, 1, 0}, {1, 0, 0}, 50), 1, 0, 0);
}

TEST(SkinColors, EditFramesFollowSchemeAndSystemColours) {
    for (int scheme = 1; scheme <= 3; ++scheme) {
        SkinPalette p = skinPalette(scheme, white, classicFace);
        EXPECT_EQ(p.frame, schemeColor(scheme));
        EXPECT_EQ(p.inner, white);
        EXPECT_EQ(p.innerInactive, classicFace);
        expectColor(p.frameDisabled, 180, 176, 168);
    }
    SkinPalette dark = skinPalette(1, {30, 30, 30}, {20, 40, 10});
    expectColor(dark.frameDisabled, 0, 8, 0);
    expectColor(dark.inner, 30, 30, 30);
}

// Not fixed colours, but the look depends on these orders holding.
TEST(SkinColors, ButtonFacesRunFromLightToDark) {
    for (int scheme = 1; scheme <= 3; ++scheme) {
        SkinPalette p = skinPalette(scheme, white, classicFace);
        auto lightness = [](SkinColor c) { return c.r + c.g + c.b; };
        EXPECT_GT(lightness(p.faceTop), lightness(p.faceBottom));
        EXPECT_LT(lightness(p.pressedTop), lightness(p.faceBottom));
        EXPECT_GT(lightness(p.disabledFace), lightness(p.disabledText) + 150);
        EXPECT_LT(lightness(p.glyph), lightness(p.frame));
        EXPECT_GT(lightness(p.arrowTop), lightness(p.arrowBottom));
        EXPECT_GT(p.hotOuter.r, p.hotOuter.b); // warm
    }
}

} // namespace
