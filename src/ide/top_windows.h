// The desktop's top-level windows as a list in Z order: what the searches
// for a running copy and for the IDE walk over.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace veldo {

using WindowHandle = uintptr_t; // 0: no window

class TopWindows {
public:
    virtual ~TopWindows() = default;
    // The highest top-level window.
    virtual WindowHandle First() = 0;
    // The next one below, or 0 after the last.
    virtual WindowHandle Next(WindowHandle window) = 0;
    // At most 94 characters.
    virtual std::string ClassName(WindowHandle window) = 0;
    // At most 254 characters.
    virtual std::string Caption(WindowHandle window) = 0;
    // Runs the messages pending in the process's own queue.
    virtual void ProcessMessages() = 0;
};

// A walk looks at the first window and at most this many below it: the Z
// order may change under the walk and never reach its end.
inline constexpr int kMaxWindowSteps = 1000;

// Runs the pending messages, so that this process's own windows are seen
// as they now are, then looks at the highest window and at most
// kMaxWindowSteps below it: the first one that matches, or 0.
WindowHandle FindFromTop(TopWindows &windows, const std::function<bool(WindowHandle)> &matches);

} // namespace veldo
