// What loading, scanning and the details need of a window and of a clock.
// The Windows main window, the command-line tool and the tests each supply
// their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veldo {

// The items and the selection of one list box.
class ListItems {
public:
    virtual ~ListItems() = default;
    virtual void Clear() = 0;
    virtual void Add(std::string_view text) = 0;
    virtual int32_t Count() const = 0;
    virtual std::string Get(int32_t index) const = 0;
    virtual void Set(int32_t index, std::string_view text) = 0;
    // -1 when no item is selected; setting an index outside the items
    // leaves none selected.
    virtual int32_t ItemIndex() const = 0;
    virtual void SetItemIndex(int32_t index) = 0;
    // Redrawing is suspended between these two.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
};

// The status bar's panels.
enum StatusPanel : int {
    kPanelStatus = 0,
    kPanelSourceLine = 1,
    kPanelFunctionCount = 2,
    kPanelLoadTime = 3,
};

class ScanView {
public:
    virtual ~ScanView() = default;
    virtual ListItems &FunctionList() = 0;
    virtual ListItems &VariableList() = 0;
    virtual ListItems &DescriptionList() = 0;
    virtual void SetPanelText(StatusPanel panel, std::string_view text) = 0;
    // Repaints the status bar at once, in the middle of a load.
    virtual void RepaintStatusBar() = 0;
    virtual void SetBusyPointer(bool busy) = 0;
    virtual void EnableOk(bool enabled) = 0;
    // Modal: returns when the user has closed the message.
    virtual void ShowMessage(std::string_view text) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t Milliseconds() = 0;
};

// The wall clock, in milliseconds from an arbitrary start.
class SteadyClock final : public Clock {
public:
    int64_t Milliseconds() override;
};

} // namespace veldo
