// A ScanView that keeps everything in memory: used by the command-line tool
// and by the tests.
#pragma once

#include "scan/scan_view.h"

#include <array>
#include <string>
#include <vector>

namespace veldo {

class MemoryList final : public ListItems {
public:
    void Clear() override;
    void Add(std::string_view text) override;
    int32_t Count() const override;
    std::string Get(int32_t index) const override;
    void Set(int32_t index, std::string_view text) override;
    int32_t ItemIndex() const override { return selected_; }
    void SetItemIndex(int32_t index) override;
    void BeginUpdate() override { ++updating_; }
    void EndUpdate() override { --updating_; }

    const std::vector<std::string> &Items() const { return items_; }
    int UpdateDepth() const { return updating_; }

private:
    std::vector<std::string> items_;
    int32_t selected_ = -1;
    int updating_ = 0;
};

class MemoryView : public ScanView {
public:
    ListItems &FunctionList() override { return functions; }
    ListItems &VariableList() override { return variables; }
    ListItems &DescriptionList() override { return description; }
    void SetPanelText(StatusPanel panel, std::string_view text) override;
    void RepaintStatusBar() override;
    void SetBusyPointer(bool busy) override { this->busy = busy; }
    void EnableOk(bool enabled) override { okEnabled = enabled; }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    MemoryList functions;
    MemoryList variables;
    MemoryList description;
    std::array<std::string, 4> panels;
    // The panel texts as they stood at each immediate repaint.
    std::vector<std::array<std::string, 4>> repaints;
    std::vector<std::string> messages;
    bool busy = false;
    bool okEnabled = true;
};

} // namespace veldo
