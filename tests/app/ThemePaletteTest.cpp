// The window's colours on light and dark desktop themes.

#include "ThemePalette.h"

#include <gtest/gtest.h>

#include "MainWindowColours.h"

namespace {

const wxColour kBlack(0, 0, 0);
const wxColour kWhite(255, 255, 255);

TEST(ThemePaletteTest, ContrastFollowsTheWcagFormula) {
    EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kWhite, kWhite), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kBlue, kWhite), 8.59, 0.01);
    EXPECT_NEAR(ContrastRatio(wxColour(118, 118, 118), kWhite), 4.54, 0.01);
}

TEST(ThemePaletteTest, LightThemesKeepTheClassicColours) {
    const wxColour face(240, 240, 240);
    const ThemePalette palette = ThemePalette::For(face, kWhite);
    EXPECT_FALSE(palette.dark);
    EXPECT_EQ(palette.labelText, kBlue);
    EXPECT_EQ(palette.copyAllFace, face);
    EXPECT_EQ(palette.gridArea, kWhite);
}

TEST(ThemePaletteTest, DarkThemesGetLegibleLabelsAndFaces) {
    for (const wxColour& background :
         {wxColour(0, 0, 0), wxColour(53, 53, 53), wxColour(40, 44, 52), wxColour(110, 110, 110)}) {
        const ThemePalette palette = ThemePalette::For(background, wxColour(30, 30, 30));
        EXPECT_TRUE(palette.dark) << background.GetAsString().utf8_string();
        EXPECT_GE(ContrastRatio(palette.labelText, background), ThemePalette::kLegibleContrast)
            << background.GetAsString().utf8_string();
        EXPECT_GE(ContrastRatio(palette.copyAllFace, kBlack), ThemePalette::kLegibleContrast);
        EXPECT_EQ(palette.gridArea, wxColour(30, 30, 30));
    }
}

}  // namespace
