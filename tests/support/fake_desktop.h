// A desktop of top-level windows held in memory, for the window searches.
#pragma once

#include "ide/top_windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veldo {

struct FakeWindow {
    std::string className, caption;
};

// Windows get handles 1, 2, ... from the top; with cycle set, the last
// one's Next is the first again, as a Z order changing under a search
// might behave.
class FakeDesktop final : public TopWindows {
public:
    std::vector<FakeWindow> windows;
    bool cycle = false;
    std::vector<std::string> calls;
    int nextCalls = 0;

    WindowHandle First() override {
        calls.push_back("First");
        return windows.empty() ? 0 : 1;
    }
    WindowHandle Next(WindowHandle w) override {
        ++nextCalls;
        if (w < windows.size())
            return w + 1;
        return cycle ? 1 : 0;
    }
    std::string ClassName(WindowHandle w) override { return At(w).className; }
    std::string Caption(WindowHandle w) override { return At(w).caption; }
    void ProcessMessages() override { calls.push_back("ProcessMessages"); }

private:
    const FakeWindow &At(WindowHandle w) {
        if (w == 0 || w > windows.size())
            ADD_FAILURE() << "asked about handle " << w;
        static const FakeWindow none;
        return w == 0 || w > windows.size() ? none : windows[w - 1];
    }
};

} // namespace veldo
