// Pictures of what is on the screen. Copied from the screen rather than
// asked of the window (PrintWindow), which Wine does not do for another
// process's windows.
#pragma once

#include <windows.h>

#include "driver/png.h"

#include <string>

namespace veldo::e2e {

// The screen inside rect (clipped to the screen); empty when it fails.
Image CaptureScreen(const RECT &rect);
// The window's outer rectangle as it shows on the screen.
Image CaptureWindow(HWND window);
// The window once painting has settled: two captures a moment apart agree.
Image SettledCapture(HWND window);
bool SavePng(const std::string &path, const Image &image);

} // namespace veldo::e2e
