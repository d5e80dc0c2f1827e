// A combo box: simple (only its edit field shows when one line high),
// drop-down or sorted drop-down; its edit part routes keys like the combo.
#pragma once

#include "search/history.h"
#include "ui/window.h"

#include <string>

namespace ui {

enum class ComboStyle { Simple, DropDown, DropDownList };

class ComboBox final : public Window, public veldo::HistoryItems {
public:
    ComboBox(Window &parent, int id, ComboStyle style, bool sorted, int x, int y, int width);

    void AddItem(std::string_view text);
    // The item list; a simple combo box's text stays as it is.
    int32_t Count() const override;
    std::string Get(int32_t index) const override;
    void Set(int32_t index, std::string_view text) override;
    void InsertFirst(std::string_view text) override;
    // Empties the text and the item list.
    void Clear();
    bool DroppedDown() const;
    void SetDroppedDown(bool dropped);
    // Rows the drop-down shows at most.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int rows);
    void SetBackground(COLORREF color);
    void SetBounds(int left, int top, int width, int height) override;

    NotifyHandler OnChange;
    NotifyHandler OnClick;

protected:
    bool OnCommand(WORD code, WORD id) override;
    HBRUSH OnColor(HDC dc) override;

private:
    static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM);
    void Resize(int width);

    ComboStyle style_;
    int dropDownCount_ = 8;
    int editHeight_ = 0;
    Brush background_;
    bool colored_ = false;
};

} // namespace ui
