#include "ui/tool_bar.h"

#include "ui/image_list.h"

#include <commctrl.h>

namespace ui {

ToolBar::ToolBar(Window &parent, int id, int buttonWidth, int buttonHeight)
    : buttonWidth_(buttonWidth), buttonHeight_(buttonHeight) {
    CreateControl(TOOLBARCLASSNAMEA, 0,
                  WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                      CCS_NOPARENTALIGN,
                  "", &parent, id, 0, 0, 100, buttonHeight);
    Perform(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void ToolBar::SetImages(const ImageList &images, const ImageList &hotImages) {
    Perform(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Handle()));
    Perform(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages.Handle()));
}

void ToolBar::AddButton(int commandId, std::string_view caption, int imageIndex, std::string_view hint,
                        NotifyHandler onClick) {
    ButtonInfo &info = buttons_[commandId];
    info.Caption = caption;
    info.Hint = hint;
    info.WideHint.assign(hint.begin(), hint.end());
    info.OnClick = std::move(onClick);
    std::string text(caption);
    text.push_back('\0');
    TBBUTTON button{};
    button.iBitmap = imageIndex;
    button.idCommand = commandId;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
    button.iString = Perform(TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Perform(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    Perform(TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
    Perform(TB_SETBUTTONWIDTH, 0, MAKELPARAM(buttonWidth_, buttonWidth_));
    Perform(TB_AUTOSIZE, 0, 0);
}

bool ToolBar::OnCommand(WORD, WORD id) {
    auto it = buttons_.find(id);
    if (it == buttons_.end() || !it->second.OnClick)
        return false;
    it->second.OnClick();
    return true;
}

bool ToolBar::OnNotify(NMHDR *header, LRESULT &result) {
    if (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW)
        return false;
    auto it = buttons_.find(static_cast<int>(header->idFrom));
    if (it == buttons_.end())
        return false;
    if (header->code == TTN_GETDISPINFOA)
        reinterpret_cast<NMTTDISPINFOA *>(header)->lpszText = const_cast<char *>(it->second.Hint.c_str());
    else
        reinterpret_cast<NMTTDISPINFOW *>(header)->lpszText =
            const_cast<wchar_t *>(it->second.WideHint.c_str());
    result = 0;
    return true;
}

} // namespace ui
