#include "ui/splitter.h"

#include <algorithm>

namespace ui {

Splitter::Splitter(Window &parent, int id, Align align, int thickness, Window &pane) : pane_(pane) {
    CreateOwn(align == Align::Right ? "TSplitterV" : "TSplitterH", 0, WS_CHILD | WS_VISIBLE, "", &parent, id,
              0, 0, thickness, thickness);
    SetClassLongPtrA(
        Handle(), GCLP_HCURSOR,
        reinterpret_cast<LONG_PTR>(LoadCursorA(nullptr, align == Align::Right ? IDC_SIZEWE : IDC_SIZENS)));
    SetAlign(align);
}

int Splitter::Position(LPARAM lParam) const {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(Handle(), &p);
    return GetAlign() == Align::Right ? p.x : p.y;
}

void Splitter::Follow(LPARAM lParam) {
    // The pane lies right of or below the bar: moving towards it shrinks
    // it. The rest of the parent keeps room too.
    RECT area;
    GetClientRect(Parent()->Handle(), &area);
    int limit = (GetAlign() == Align::Right ? area.right : area.bottom) - kMinPaneSize;
    int size =
        std::clamp(startSize_ - (Position(lParam) - grab_), kMinPaneSize, std::max(kMinPaneSize, limit));
    if (GetAlign() == Align::Right)
        pane_.SetWidth(size);
    else
        pane_.SetHeight(size);
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        dragging_ = true;
        grab_ = Position(lParam);
        startSize_ = GetAlign() == Align::Right ? pane_.Width() : pane_.Height();
        SetCapture(Handle());
        return 0;
    case WM_MOUSEMOVE:
        if (dragging_)
            Follow(lParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (dragging_) {
            // The release point counts too: moves may be merged into it.
            if (message == WM_LBUTTONUP)
                Follow(lParam);
            dragging_ = false;
            if (message == WM_LBUTTONUP)
                ReleaseCapture();
        }
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

} // namespace ui
