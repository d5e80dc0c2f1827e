#include "ui/menu.h"

#include "ui/image_list.h"

#include <commctrl.h>

namespace ui {

unsigned ShortCutOf(WORD key, ShiftState shift) {
    unsigned value = key;
    if (shift & kShift)
        value |= kShortCutShift;
    if (shift & kCtrl)
        value |= kShortCutCtrl;
    if (shift & kAlt)
        value |= kShortCutAlt;
    return value;
}

std::string ShortCutText(unsigned shortCut) {
    std::string text;
    if (shortCut & kShortCutCtrl)
        text += "Ctrl+";
    if (shortCut & kShortCutAlt)
        text += "Alt+";
    if (shortCut & kShortCutShift)
        text += "Shift+";
    unsigned key = shortCut & 0xFF;
    switch (key) {
    case VK_RETURN:
        return text + "Enter";
    case VK_ESCAPE:
        return text + "Esc";
    default:
        break;
    }
    if (key >= VK_F1 && key <= VK_F24)
        return text + "F" + std::to_string(key - VK_F1 + 1);
    return text + static_cast<char>(key);
}

Menu::Menu(bool popup) : popup_(popup) {}

Menu::~Menu() {
    if (menu_)
        DestroyMenu(menu_);
    for (HBITMAP bitmap : bitmaps_)
        DeleteObject(bitmap);
}

MenuItem *Menu::Add(MenuItem *parent, int id, std::string caption, unsigned shortCut, int imageIndex,
                    bool visible) {
    auto item = std::make_unique<MenuItem>();
    item->Id = id;
    item->Caption = std::move(caption);
    item->ShortCut = shortCut;
    item->ImageIndex = imageIndex;
    item->Visible = visible;
    MenuItem *raw = item.get();
    all_.push_back(std::move(item));
    (parent ? parent->Items : top_).push_back(raw);
    return raw;
}

void Menu::Build() {
    if (menu_)
        DestroyMenu(menu_);
    menu_ = popup_ ? CreatePopupMenu() : CreateMenu();
    Fill(menu_, top_);
}

// Menus draw 32-bit bitmaps with their alpha, so the image list's mask
// becomes transparency.
HBITMAP Menu::ImageBitmap(int index) {
    if (!images_ || index < 0)
        return nullptr;
    int width = images_->ImageWidth(), height = images_->ImageHeight();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!bitmap)
        return nullptr;
    images_->CopyImagePremultiplied(index, static_cast<uint32_t *>(bits));
    bitmaps_.push_back(bitmap);
    return bitmap;
}

void Menu::Fill(HMENU menu, const std::vector<MenuItem *> &items) {
    for (MenuItem *item : items) {
        if (!item->Visible)
            continue;
        if (item->Caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string caption = item->Caption;
        if (item->ShortCut) {
            caption.push_back('\t');
            caption.append(ShortCutText(item->ShortCut));
        }
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_FTYPE;
        info.fType = MFT_STRING;
        info.wID = static_cast<UINT>(item->Id);
        info.dwTypeData = caption.data();
        if (!item->Items.empty()) {
            HMENU sub = CreatePopupMenu();
            Fill(sub, item->Items);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = sub;
        } else if (HBITMAP bitmap = ImageBitmap(item->ImageIndex)) {
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = bitmap;
        }
        InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

bool Menu::RunShortCut(WORD key, ShiftState shift) {
    unsigned wanted = ShortCutOf(key, shift);
    for (auto &item : all_) {
        if (item->ShortCut && item->ShortCut == wanted && item->Items.empty()) {
            if (item->OnClick)
                item->OnClick();
            return true;
        }
    }
    return false;
}

bool Menu::RunCommand(int id) {
    for (auto &item : all_) {
        if (item->Id == id && item->Items.empty()) {
            if (item->OnClick)
                item->OnClick();
            return true;
        }
    }
    return false;
}

void PopupMenu::Popup(Window &owner, int x, int y) {
    if (!Handle())
        Build();
    UINT id = TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner.Handle(), nullptr);
    // The menu needs a message to its owner afterwards to close reliably.
    PostMessageA(owner.Handle(), WM_NULL, 0, 0);
    if (id)
        RunCommand(static_cast<int>(id));
}

} // namespace ui
