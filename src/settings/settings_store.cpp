#include "settings/settings_store.h"

namespace veldo {
namespace {

int32_t Read(IniFile &registry, const char *ident, int32_t defaultValue) {
    return registry.ReadInteger(kSectionOptions, ident, defaultValue);
}

} // namespace

// Each value is applied as soon as it is read, so a RegistryError midway
// leaves the earlier ones in force.
void LoadSettings(Settings &settings, bool &firstLoad, IniFile &registry, SettingsWindow &window) {
    window.SetWidth(Read(registry, "Width", kDefaultWidth));
    window.SetHeight(Read(registry, "Height", kDefaultHeight));
    window.SetVariablePaneWidth(Read(registry, "Splitter2", kDefaultVariablePaneWidth));
    window.SetDescriptionPaneHeight(Read(registry, "Splitter1", kDefaultDescriptionPaneHeight));
    settings.ShowVariableList = Read(registry, "Show Variable List", kDefaultShowVariableList);
    window.SetVariablePaneVisible(settings.ShowVariableList != 0);
    settings.ShowDescription = Read(registry, "Show Description", kDefaultShowDescription);
    window.SetDescriptionPaneVisible(settings.ShowDescription != 0);
    settings.ScrollEditor = Read(registry, "Scroll Editor", kDefaultScrollEditor);
    settings.BGColorFunc = Read(registry, "BGColor Func", kDefaultBGColorFunc);
    settings.BGColorVar = Read(registry, "BGColor Var", kDefaultBGColorVar);
    settings.BGColorDesc = Read(registry, "BGColor Desc", kDefaultBGColorDesc);
    settings.ColorFunc = Read(registry, "Color Func", kDefaultColorFunc);
    settings.ColorVar = Read(registry, "Color Var", kDefaultColorVar);
    settings.ColorDesc = Read(registry, "Color Desc", kDefaultColorDesc);
    settings.FontFunc = registry.ReadString(kSectionOptions, "Font Func", kDefaultFontFace);
    settings.FontVar = registry.ReadString(kSectionOptions, "Font Var", kDefaultFontFace);
    settings.FontDesc = registry.ReadString(kSectionOptions, "Font Desc", kDefaultFontFace);
    settings.AutoCenter = Read(registry, "Auto Center", kDefaultAutoCenter);
    window.SetHistoryCount(Read(registry, "History Count", kDefaultHistoryCount));

    // The position is the user's only until the window has been shown once;
    // later loads (after the options dialog) must not move it.
    if (!firstLoad)
        return;
    firstLoad = false;
    if (settings.AutoCenter != 0) {
        window.CentreOnFirstShow();
    } else {
        window.SetTop(Read(registry, "Top", kDefaultTop));
        window.SetLeft(Read(registry, "Left", kDefaultLeft));
    }
}

void SaveSettings(const Settings &settings, IniFile &registry, SettingsWindow &window) {
    auto put = [&](const char *ident, int32_t value) {
        registry.WriteInteger(kSectionOptions, ident, value);
    };
    put("Splitter1", window.DescriptionPaneHeight());
    put("Splitter2", window.VariablePaneWidth());
    put("Width", window.Width());
    put("Height", window.Height());
    put("Top", window.Top());
    put("Left", window.Left());
    put("Auto Center", settings.AutoCenter);
    put("Show Variable List", settings.ShowVariableList);
    put("Show Description", settings.ShowDescription);
    put("Scroll Editor", settings.ScrollEditor);
    put("BGColor Func", settings.BGColorFunc);
    put("BGColor Var", settings.BGColorVar);
    put("BGColor Desc", settings.BGColorDesc);
    put("Color Func", settings.ColorFunc);
    put("Color Var", settings.ColorVar);
    put("Color Desc", settings.ColorDesc);
    registry.WriteString(kSectionOptions, "Font Func", settings.FontFunc);
    registry.WriteString(kSectionOptions, "Font Var", settings.FontVar);
    registry.WriteString(kSectionOptions, "Font Desc", settings.FontDesc);
    put("History Count", window.HistoryCount());
}

} // namespace veldo
