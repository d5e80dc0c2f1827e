#include "settings/color_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace veldo {
namespace {

constexpr ColorValue kRed = 0x0000FF, kGreen = 0x008000, kYellow = 0x00FFFF, kBlue = 0xFF0000,
                     kWhite = 0xFFFFFF, kGray = 0x808080, kFuchsia = 0xFF00FF, kTeal = 0x808000,
                     kNavy = 0x800000, kMaroon = 0x000080, kSilver = 0xC0C0C0, kBlack = 0x000000;

TEST(ColorOf, GivesBlueGreenRedOfTheRowOrOfTheDefault) {
    const struct {
        int32_t index, defaultIndex;
        ColorValue color;
    } cases[] = {
        {0, 15, kRed},
        {1, 15, kGreen},
        {2, 15, kYellow},
        {3, 15, kBlue},
        {7, 15, kTeal},
        {13, 0, kSilver},
        {15, 0, kBlack},
        {-1, 8, kNavy},
        {16, 4, kWhite},
        {1000, 5, kGray},
        {std::numeric_limits<int32_t>::min(), 6, kFuchsia},
        {std::numeric_limits<int32_t>::max(), 13, kSilver},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ColorOf(c.index, c.defaultIndex), c.color) << c.index << " default " << c.defaultIndex;
}

TEST(NormaliseSettings, OnOffMembersBecomeZeroOrOne) {
    const struct {
        int32_t stored, normalised;
    } cases[] = {{0, 0}, {1, 1}, {7, 1}, {-1, 1}, {std::numeric_limits<int32_t>::min(), 1}};
    for (const auto &c : cases) {
        Settings s = DefaultSettings();
        s.AutoCenter = s.ShowVariableList = s.ShowDescription = s.ScrollEditor = c.stored;
        NormaliseSettings(s, {});
        EXPECT_EQ(s.AutoCenter, c.normalised) << c.stored;
        EXPECT_EQ(s.ShowVariableList, c.normalised) << c.stored;
        EXPECT_EQ(s.ShowDescription, c.normalised) << c.stored;
        EXPECT_EQ(s.ScrollEditor, c.normalised) << c.stored;
    }
}

TEST(NormaliseSettings, ColoursInTheTableAreKeptAndReachTheirLists) {
    Settings s = DefaultSettings();
    s.BGColorFunc = 0;
    s.ColorFunc = 1;
    s.BGColorVar = 2;
    s.ColorVar = 3;
    s.BGColorDesc = 6;
    s.ColorDesc = 7;
    const ListsLook look = NormaliseSettings(s, {});
    EXPECT_EQ(std::vector<int32_t>(
                  {s.BGColorFunc, s.ColorFunc, s.BGColorVar, s.ColorVar, s.BGColorDesc, s.ColorDesc}),
              std::vector<int32_t>({0, 1, 2, 3, 6, 7}));
    EXPECT_EQ(look.Function.Background, kRed);
    EXPECT_EQ(look.Function.Text, kGreen);
    EXPECT_EQ(look.Variable.Background, kYellow);
    EXPECT_EQ(look.Variable.Text, kBlue);
    EXPECT_EQ(look.Description.Background, kFuchsia);
    EXPECT_EQ(look.Description.Text, kTeal);
}

TEST(NormaliseSettings, ColoursOutsideTheTableSelectNoRowAndShowTheirDefault) {
    for (int32_t outside : {-1, 16, -5, 1000}) {
        Settings s = DefaultSettings();
        s.BGColorFunc = s.ColorFunc = s.BGColorVar = s.ColorVar = s.BGColorDesc = s.ColorDesc = outside;
        const ListsLook look = NormaliseSettings(s, {});
        EXPECT_EQ(std::vector<int32_t>(
                      {s.BGColorFunc, s.ColorFunc, s.BGColorVar, s.ColorVar, s.BGColorDesc, s.ColorDesc}),
                  std::vector<int32_t>(6, -1))
            << outside;
        EXPECT_EQ(look.Function.Background, kBlack) << outside;
        EXPECT_EQ(look.Function.Text, kSilver) << outside;
        EXPECT_EQ(look.Variable.Background, kNavy) << outside;
        EXPECT_EQ(look.Variable.Text, kWhite) << outside;
        EXPECT_EQ(look.Description.Background, kGray) << outside;
        EXPECT_EQ(look.Description.Text, kBlack) << outside;
    }
}

TEST(NormaliseSettings, OnlyFacesOnTheScreenExactlyAreKept) {
    const std::vector<std::string> screenFonts = {"Arial", "Courier New", "MS Sans Serif"};
    const struct {
        const char *stored, *kept;
    } cases[] = {
        {"Arial", "Arial"}, {"Courier New", "Courier New"},
        {"arial", ""},      {"ARIAL", ""},
        {"Arial ", ""},     {"Courier", ""},
        {"Wingdings", ""},  {"", ""},
    };
    for (const auto &c : cases) {
        Settings s = DefaultSettings();
        s.FontFunc = c.stored;
        s.FontVar = c.stored;
        s.FontDesc = c.stored;
        const ListsLook look = NormaliseSettings(s, screenFonts);
        EXPECT_EQ(s.FontFunc, c.kept) << c.stored;
        EXPECT_EQ(s.FontVar, c.kept) << c.stored;
        EXPECT_EQ(s.FontDesc, c.kept) << c.stored;
        EXPECT_EQ(look.Function.Face, c.kept) << c.stored;
        EXPECT_EQ(look.Variable.Face, c.kept) << c.stored;
        EXPECT_EQ(look.Description.Face, c.kept) << c.stored;
    }
}

TEST(NormaliseSettings, EachMemberIsJudgedOnItsOwn) {
    Settings s = DefaultSettings();
    s.AutoCenter = 7;
    s.ShowVariableList = 0;
    s.ScrollEditor = -3;
    s.BGColorVar = 16;
    s.ColorDesc = 9;
    s.FontFunc = "MS Sans Serif";
    s.FontVar = "ms sans serif";
    s.FontDesc = "Arial";
    const ListsLook look = NormaliseSettings(s, {"MS Sans Serif", "Arial"});

    Settings expected = DefaultSettings();
    expected.AutoCenter = 1;
    expected.ShowVariableList = 0;
    expected.ScrollEditor = 1;
    expected.BGColorVar = -1;
    expected.ColorDesc = 9;
    expected.FontVar = "";
    expected.FontDesc = "Arial";
    EXPECT_EQ(s, expected);
    EXPECT_EQ(look.Variable.Background, kNavy);
    EXPECT_EQ(look.Description.Text, kMaroon);
    EXPECT_EQ(look.Function.Face, "MS Sans Serif");
    EXPECT_EQ(look.Variable.Face, "");
}

} // namespace
} // namespace veldo
