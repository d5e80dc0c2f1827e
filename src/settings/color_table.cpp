#include "settings/color_table.h"

#include <algorithm>

namespace veldo {
namespace {

bool InTable(int32_t index) {
    return index >= 0 && index < static_cast<int32_t>(ColorTable.size());
}

int32_t OnOff(int32_t value) {
    return value != 0 ? 1 : 0;
}

// -1 selects no row in the colour choosers; ColorOf still gives the default.
int32_t RowOrNone(int32_t index) {
    return InTable(index) ? index : -1;
}

std::string KnownFaceOrFallback(const std::string &face, const std::vector<std::string> &screenFonts) {
    return std::find(screenFonts.begin(), screenFonts.end(), face) != screenFonts.end() ? face
                                                                                        : std::string();
}

} // namespace

ColorValue ColorOf(int32_t index, int32_t defaultIndex) {
    const ColorRow &row = ColorTable[static_cast<size_t>(InTable(index) ? index : defaultIndex)];
    return ColorValue{row.Blue} * 65536u + ColorValue{row.Green} * 256u + ColorValue{row.Red};
}

ListsLook NormaliseSettings(Settings &settings, const std::vector<std::string> &screenFonts) {
    settings.AutoCenter = OnOff(settings.AutoCenter);
    settings.ShowVariableList = OnOff(settings.ShowVariableList);
    settings.ShowDescription = OnOff(settings.ShowDescription);
    settings.ScrollEditor = OnOff(settings.ScrollEditor);

    settings.BGColorFunc = RowOrNone(settings.BGColorFunc);
    settings.BGColorVar = RowOrNone(settings.BGColorVar);
    settings.BGColorDesc = RowOrNone(settings.BGColorDesc);
    settings.ColorFunc = RowOrNone(settings.ColorFunc);
    settings.ColorVar = RowOrNone(settings.ColorVar);
    settings.ColorDesc = RowOrNone(settings.ColorDesc);

    settings.FontFunc = KnownFaceOrFallback(settings.FontFunc, screenFonts);
    settings.FontVar = KnownFaceOrFallback(settings.FontVar, screenFonts);
    settings.FontDesc = KnownFaceOrFallback(settings.FontDesc, screenFonts);

    ListsLook look;
    look.Function = {ColorOf(settings.BGColorFunc, kDefaultBGColorFunc),
                     ColorOf(settings.ColorFunc, kDefaultColorFunc), settings.FontFunc};
    look.Variable = {ColorOf(settings.BGColorVar, kDefaultBGColorVar),
                     ColorOf(settings.ColorVar, kDefaultColorVar), settings.FontVar};
    look.Description = {ColorOf(settings.BGColorDesc, kDefaultBGColorDesc),
                        ColorOf(settings.ColorDesc, kDefaultColorDesc), settings.FontDesc};
    return look;
}

} // namespace veldo
