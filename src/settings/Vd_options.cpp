#include "settings/Vd_options.h"

#include "app/Unit1.h"
#include "app/program_state.h"
#include "settings/color_table.h"

#include <algorithm>

namespace {

int CALLBACK CollectFont(const LOGFONTA *font, const TEXTMETRICA *, DWORD, LPARAM data) {
    auto &names = *reinterpret_cast<std::vector<std::string> *>(data);
    std::string name = font->lfFaceName;
    // Vertical variants are not faces of their own.
    if (!name.empty() && name[0] != '@' && std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
    return 1;
}

} // namespace

std::vector<std::string> ScreenFontNames() {
    std::vector<std::string> names;
    HDC screen = GetDC(nullptr);
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen, &wanted, CollectFont, reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, screen);
    return names;
}

Tfrm_options::Tfrm_options()
    : Form("Tfrm_options", "Veldo - Options", 431, 295, WS_POPUP | WS_CAPTION | WS_SYSMENU),
      screenFonts_(ScreenFontNames()) {
    Program().frm_veldo->LoadSettings();
    FillOptions();
}

void Tfrm_options::FillOptions() {
    Tfrm_veldo &main = *Program().frm_veldo;
    veldo::ListsLook look = veldo::NormaliseSettings(main.Settings, screenFonts_);
    // The pane check boxes set the panes' visibility again.
    main.SetVariablePaneVisible(main.Settings.ShowVariableList != 0);
    main.SetDescriptionPaneVisible(main.Settings.ShowDescription != 0);
    main.SetHistoryCount(main.HistoryCount());
    main.ApplyListsLook(look);
}
