// A hidden picture holding an icon resource.
#pragma once

#include <windows.h>

namespace ui {

class Image {
public:
    Image(int resourceId, int size);
    Image(const Image &) = delete;
    Image &operator=(const Image &) = delete;
    ~Image();
    HICON Icon() const { return icon_; }

private:
    HICON icon_ = nullptr;
};

} // namespace ui
