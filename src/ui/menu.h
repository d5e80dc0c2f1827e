// Main and popup menus: items with captions, shortcuts, images and click
// handlers. Hidden items stay in the menu's item list, so their shortcuts
// still work.
#pragma once

#include "ui/window.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class ImageList;

// A shortcut as key code plus modifier flags.
enum ShortCutFlag : unsigned {
    kShortCutShift = 0x2000,
    kShortCutCtrl = 0x4000,
    kShortCutAlt = 0x8000,
};
unsigned ShortCutOf(WORD key, ShiftState shift);
// "F5", "Enter", "Esc", "Alt+F4" as the menu shows them.
std::string ShortCutText(unsigned shortCut);

struct MenuItem {
    int Id = 0;
    std::string Caption; // "-" is a separator
    unsigned ShortCut = 0;
    bool Visible = true;
    int ImageIndex = -1;
    NotifyHandler OnClick;
    std::vector<MenuItem *> Items; // a submenu's items
};

class Menu {
public:
    Menu(const Menu &) = delete;
    Menu &operator=(const Menu &) = delete;
    virtual ~Menu();

    // Adds an item below parent (null: at the top level). Items are built
    // into the menu's handle by Build.
    MenuItem *Add(MenuItem *parent, int id, std::string caption, unsigned shortCut = 0, int imageIndex = -1,
                  bool visible = true);
    void SetImages(const ImageList *images) { images_ = images; }
    void Build();
    HMENU Handle() const { return menu_; }

    bool RunShortCut(WORD key, ShiftState shift);
    bool RunCommand(int id);

protected:
    explicit Menu(bool popup);

private:
    void Fill(HMENU menu, const std::vector<MenuItem *> &items);
    HBITMAP ImageBitmap(int index);

    bool popup_;
    HMENU menu_ = nullptr;
    const ImageList *images_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> all_;
    std::vector<MenuItem *> top_;
    std::vector<HBITMAP> bitmaps_;
};

class MainMenu final : public Menu {
public:
    MainMenu() : Menu(false) {}
};

class PopupMenu final : public Menu {
public:
    PopupMenu() : Menu(true) {}
    // Opens at a screen position; the chosen item runs before it returns.
    void Popup(Window &owner, int x, int y);
};

} // namespace ui
