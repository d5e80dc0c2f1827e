#include "driver/screenshot.h"

#include "driver/wait.h"

#include <algorithm>

namespace veldo::e2e {

Image CaptureScreen(const RECT &rect) {
    Image image;
    const int left = std::max<int>(rect.left, 0);
    const int top = std::max<int>(rect.top, 0);
    const int right = std::min(rect.right, static_cast<LONG>(GetSystemMetrics(SM_CXSCREEN)));
    const int bottom = std::min(rect.bottom, static_cast<LONG>(GetSystemMetrics(SM_CYSCREEN)));
    if (right <= left || bottom <= top)
        return image;
    const int w = right - left, h = bottom - top;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, w, h, screen, left, top, SRCCOPY | CAPTUREBLT)) {
            GdiFlush();
            image.width = w;
            image.height = h;
            image.rgb.resize(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
            const auto *src = static_cast<const uint8_t *>(bits);
            for (size_t i = 0, n = static_cast<size_t>(w) * static_cast<size_t>(h); i < n; ++i) {
                image.rgb[i * 3 + 0] = src[i * 4 + 2];
                image.rgb[i * 3 + 1] = src[i * 4 + 1];
                image.rgb[i * 3 + 2] = src[i * 4 + 0];
            }
        }
        SelectObject(memory, old);
    }
    if (bitmap)
        DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

Image CaptureWindow(HWND window) {
    RECT r{};
    if (!GetWindowRect(window, &r))
        return {};
    return CaptureScreen(r);
}

Image SettledCapture(HWND window) {
    Image last = CaptureWindow(window);
    WaitUntil([&] {
        Sleep(150);
        Image now = CaptureWindow(window);
        const bool same = now.width == last.width && now.height == last.height && now.rgb == last.rgb;
        last = std::move(now);
        return same;
    });
    return last;
}

bool SavePng(const std::string &path, const Image &image) {
    return image.width > 0 && image.height > 0 && WriteFile(path, EncodePng(image));
}

} // namespace veldo::e2e
