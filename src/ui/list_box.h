// A list box: the items and selection the scanner fills, and the click,
// double-click, key and mouse events of its user.
#pragma once

#include "scan/scan_view.h"
#include "ui/window.h"

namespace ui {

class ListBox final : public Window, public veldo::ListItems {
public:
    ListBox(Window &parent, int id, int x, int y, int width, int height, bool integralHeight = true);

    void SetItemHeight(int height);
    void SetColors(COLORREF background, COLORREF text);

    void Clear() override;
    void Add(std::string_view text) override;
    int32_t Count() const override;
    std::string Get(int32_t index) const override;
    void Set(int32_t index, std::string_view text) override;
    int32_t ItemIndex() const override;
    void SetItemIndex(int32_t index) override;
    void BeginUpdate() override;
    void EndUpdate() override;

    // A selection change made by the user, by mouse or keys.
    NotifyHandler OnClick;
    NotifyHandler OnDblClick;

protected:
    bool OnCommand(WORD code, WORD id) override;
    HBRUSH OnColor(HDC dc) override;

private:
    Brush background_;
    COLORREF text_ = 0;
    bool colored_ = false;
    int updating_ = 0;
};

} // namespace ui
