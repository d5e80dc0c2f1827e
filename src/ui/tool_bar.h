// A flat tool bar of buttons with captions, images and hints.
#pragma once

#include "ui/window.h"

#include <map>
#include <string>

namespace ui {

class ImageList;

class ToolBar final : public Window {
public:
    ToolBar(Window &parent, int id, int buttonWidth, int buttonHeight);
    void SetImages(const ImageList &images, const ImageList &hotImages);
    void AddButton(int commandId, std::string_view caption, int imageIndex, std::string_view hint,
                   NotifyHandler onClick);

protected:
    bool OnCommand(WORD code, WORD id) override;
    bool OnNotify(NMHDR *header, LRESULT &result) override;

private:
    struct ButtonInfo {
        std::string Caption, Hint;
        std::wstring WideHint;
        NotifyHandler OnClick;
    };
    std::map<int, ButtonInfo> buttons_;
    int buttonWidth_, buttonHeight_;
};

} // namespace ui
