#include "ui/panel.h"

namespace ui {

Panel::Panel(Window &parent, int id, int x, int y, int width, int height, int borderWidth)
    : border_(borderWidth) {
    CreateOwn("TPanel", WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, "",
              &parent, id, x, y, width, height);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && border_ > 0) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r;
        GetClientRect(Handle(), &r);
        DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
        InflateRect(&r, -(border_ - 1), -(border_ - 1));
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        EndPaint(Handle(), &ps);
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace ui
