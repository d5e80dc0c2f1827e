// The user's view settings and the main window's geometry, kept in section
// "Options" of the registry key.
#pragma once

#include "settings/ini_file.h"

#include <cstdint>
#include <string>

namespace veldo {

// Members of the main window; the options dialog and the jump use them
// directly. On/off members count as on when non-zero; colour members are
// indexes into ColorTable.
struct Settings {
    int32_t AutoCenter = 0;
    int32_t ShowVariableList = 0;
    int32_t ShowDescription = 0;
    int32_t ScrollEditor = 0;
    int32_t BGColorFunc = 0;
    int32_t BGColorVar = 0;
    int32_t BGColorDesc = 0;
    int32_t ColorFunc = 0;
    int32_t ColorVar = 0;
    int32_t ColorDesc = 0;
    std::string FontFunc;
    std::string FontVar;
    std::string FontDesc;

    bool operator==(const Settings &) const = default;
};

// What a first run gives, and what a value that is absent or no integer
// falls back to.
inline constexpr int32_t kDefaultWidth = 500;
inline constexpr int32_t kDefaultHeight = 480;
inline constexpr int32_t kDefaultVariablePaneWidth = 141;    // "Splitter2"
inline constexpr int32_t kDefaultDescriptionPaneHeight = 72; // "Splitter1"
inline constexpr int32_t kDefaultTop = 0;
inline constexpr int32_t kDefaultLeft = 0;
inline constexpr int32_t kDefaultHistoryCount = 8;
inline constexpr int32_t kDefaultAutoCenter = 1;
inline constexpr int32_t kDefaultShowVariableList = 1;
inline constexpr int32_t kDefaultShowDescription = 1;
inline constexpr int32_t kDefaultScrollEditor = 0;
inline constexpr int32_t kDefaultBGColorFunc = 15;
inline constexpr int32_t kDefaultBGColorVar = 8;
inline constexpr int32_t kDefaultBGColorDesc = 5;
inline constexpr int32_t kDefaultColorFunc = 13;
inline constexpr int32_t kDefaultColorVar = 4;
inline constexpr int32_t kDefaultColorDesc = 15;
inline constexpr const char *kDefaultFontFace = "MS Sans Serif";

// The members as a first run loads them.
inline Settings DefaultSettings() {
    Settings s;
    s.AutoCenter = kDefaultAutoCenter;
    s.ShowVariableList = kDefaultShowVariableList;
    s.ShowDescription = kDefaultShowDescription;
    s.ScrollEditor = kDefaultScrollEditor;
    s.BGColorFunc = kDefaultBGColorFunc;
    s.BGColorVar = kDefaultBGColorVar;
    s.BGColorDesc = kDefaultBGColorDesc;
    s.ColorFunc = kDefaultColorFunc;
    s.ColorVar = kDefaultColorVar;
    s.ColorDesc = kDefaultColorDesc;
    s.FontFunc = s.FontVar = s.FontDesc = kDefaultFontFace;
    return s;
}

// What loading and saving read from and apply to the main window.
class SettingsWindow {
public:
    virtual ~SettingsWindow() = default;
    virtual int32_t Width() = 0;
    virtual int32_t Height() = 0;
    virtual int32_t Top() = 0;
    virtual int32_t Left() = 0;
    // A size below the window's minimum gives the minimum.
    virtual void SetWidth(int32_t width) = 0;
    virtual void SetHeight(int32_t height) = 0;
    virtual void SetTop(int32_t top) = 0;
    virtual void SetLeft(int32_t left) = 0;
    // Centres the window on the screen when it is first shown.
    virtual void CentreOnFirstShow() = 0;
    virtual int32_t VariablePaneWidth() = 0;
    virtual void SetVariablePaneWidth(int32_t width) = 0;
    virtual int32_t DescriptionPaneHeight() = 0;
    virtual void SetDescriptionPaneHeight(int32_t height) = 0;
    // The pane together with its splitter.
    virtual void SetVariablePaneVisible(bool visible) = 0;
    virtual void SetDescriptionPaneVisible(bool visible) = 0;
    // The search box's drop-down row count; setting it copies it to the
    // match list too.
    virtual int32_t HistoryCount() = 0;
    virtual void SetHistoryCount(int32_t rows) = 0;
};

// Reads the twenty values and applies size, panes and row count; on the
// first load of a run (firstLoad set, then cleared) also the position. A
// RegistryError stops it at that value: what was read before stays applied.
void LoadSettings(Settings &settings, bool &firstLoad, IniFile &registry, SettingsWindow &window);

// Writes all twenty values.
void SaveSettings(const Settings &settings, IniFile &registry, SettingsWindow &window);

} // namespace veldo
