#include "scan/memory_view.h"

namespace veldo {

void MemoryList::Clear() {
    items_.clear();
    selected_ = -1;
}

void MemoryList::Add(std::string_view text) {
    items_.emplace_back(text);
}

int32_t MemoryList::Count() const {
    return static_cast<int32_t>(items_.size());
}

std::string MemoryList::Get(int32_t index) const {
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)] : std::string();
}

void MemoryList::Set(int32_t index, std::string_view text) {
    if (index >= 0 && index < Count())
        items_[static_cast<size_t>(index)] = std::string(text);
}

void MemoryList::SetItemIndex(int32_t index) {
    selected_ = index >= 0 && index < Count() ? index : -1;
}

void MemoryView::SetPanelText(StatusPanel panel, std::string_view text) {
    panels[static_cast<size_t>(panel)] = std::string(text);
}

void MemoryView::RepaintStatusBar() {
    repaints.push_back(panels);
}

} // namespace veldo
