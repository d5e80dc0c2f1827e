// A strip of equal images from a bitmap resource, magenta being transparent.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdint>
#include <vector>

namespace ui {

class ImageList {
public:
    ImageList(int resourceId, int imageWidth);
    ImageList(const ImageList &) = delete;
    ImageList &operator=(const ImageList &) = delete;
    ~ImageList();

    HIMAGELIST Handle() const { return list_; }
    int ImageWidth() const { return width_; }
    int ImageHeight() const { return height_; }
    // Top-down 32-bit pixels with premultiplied alpha, transparent where
    // the strip is magenta.
    void CopyImagePremultiplied(int index, uint32_t *pixels) const;

private:
    HIMAGELIST list_ = nullptr;
    int width_ = 0, height_ = 0, stripWidth_ = 0;
    std::vector<uint32_t> strip_; // top-down 0x00RRGGBB
};

} // namespace ui
