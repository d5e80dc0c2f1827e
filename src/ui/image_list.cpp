#include "ui/image_list.h"

namespace ui {

namespace {
constexpr uint32_t kMagenta = 0xFF00FF;
}

ImageList::ImageList(int resourceId, int imageWidth) : width_(imageWidth) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto bitmap = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    stripWidth_ = info.bmWidth;
    height_ = info.bmHeight;
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = stripWidth_;
    request.bmiHeader.biHeight = -height_;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    strip_.resize(static_cast<size_t>(stripWidth_) * height_);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height_, strip_.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (uint32_t &pixel : strip_)
        pixel &= 0xFFFFFF;

    list_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, stripWidth_ / width_, 0);
    ImageList_AddMasked(list_, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
}

ImageList::~ImageList() {
    if (list_)
        ImageList_Destroy(list_);
}

void ImageList::CopyImagePremultiplied(int index, uint32_t *pixels) const {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int sx = index * width_ + x;
            uint32_t colour = sx < stripWidth_ ? strip_[static_cast<size_t>(y) * stripWidth_ + sx] : kMagenta;
            pixels[y * width_ + x] = colour == kMagenta ? 0 : (0xFF000000u | colour);
        }
    }
}

} // namespace ui
