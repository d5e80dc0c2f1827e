#include "ui/image.h"

namespace ui {

Image::Image(int resourceId, int size) {
    icon_ = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_ICON, size, size, 0));
}

Image::~Image() {
    if (icon_)
        DestroyIcon(icon_);
}

} // namespace ui
