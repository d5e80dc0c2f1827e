// The sixteen colours a stored colour index names, and how the settings
// reach the three lists' colours and fonts.
#pragma once

#include "settings/settings_store.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace veldo {

struct ColorRow {
    const char *Name;
    uint8_t Red, Green, Blue;
};

inline constexpr std::array<ColorRow, 16> ColorTable{{
    {"Red", 255, 0, 0},
    {"Green", 0, 128, 0},
    {"Yellow", 255, 255, 0},
    {"Blue", 0, 0, 255},
    {"White", 255, 255, 255},
    {"Gray", 128, 128, 128},
    {"Fuchsia", 255, 0, 255},
    {"Teal", 0, 128, 128},
    {"Navy", 0, 0, 128},
    {"Maroon", 128, 0, 0},
    {"Lime", 0, 255, 0},
    {"Olive", 128, 128, 0},
    {"Purple", 128, 0, 128},
    {"Silver", 192, 192, 192},
    {"Aqua", 0, 255, 255},
    {"Black", 0, 0, 0},
}};

// Blue * 65536 + green * 256 + red, as the window system takes colours.
using ColorValue = uint32_t;

// The colour of a stored index; one outside the table gives the colour of
// defaultIndex, so nothing is read outside it.
ColorValue ColorOf(int32_t index, int32_t defaultIndex);

struct ListLook {
    ColorValue Background = 0;
    ColorValue Text = 0;
    std::string Face; // empty: the system's fallback face
};

struct ListsLook {
    ListLook Function, Variable, Description;
};

// What filling the options applies: the on/off members become 0 or 1, a
// colour index outside the table becomes -1 (no row selected) and shows the
// member's default colour, and a font face that is not exactly one of
// screenFonts becomes empty. Returns the colours and faces of the lists.
ListsLook NormaliseSettings(Settings &settings, const std::vector<std::string> &screenFonts);

} // namespace veldo
