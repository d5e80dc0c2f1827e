#include "scan/details.h"

#include "scan/scanner.h"

#include <cstring>
#include <string>
#include <string_view>

namespace veldo {
namespace {

// The parameter work copy keeps this many characters of a line.
constexpr size_t kVariableWorkChars = 255;

// Appends the parameters found on one work copy; true when the copy ends
// the parameter list.
bool AddParameters(std::string_view copy, ListItems &variables) {
    bool firstToken = true;
    size_t pos = 0;
    while (pos < copy.size()) {
        if (copy[pos] == ',') {
            ++pos;
            continue;
        }
        size_t end = copy.find(',', pos);
        if (end == std::string_view::npos)
            end = copy.size();
        const std::string_view v = TrimLeadingControls(copy.substr(pos, end - pos));
        if (v.size() >= (firstToken ? 2u : 1u))
            variables.Add(v.substr(0, v.find('{')));
        firstToken = false;
        pos = end;
    }
    if (firstToken || copy.find('{') == std::string_view::npos)
        return false;
    // The closing ")" of the list is dropped, leaving a space in its place.
    if (const int32_t last = variables.Count() - 1; last >= 0) {
        std::string item = variables.Get(last);
        if (const size_t close = item.rfind(')'); close != std::string::npos) {
            item[close] = ' ';
            variables.Set(last, item);
        }
    }
    return true;
}

} // namespace

void FillVariableList(FunctionTable &table, int32_t start, ListItems &variables) {
    if (table.SelectionOrigin == kMouseSelecting)
        return;
    variables.Clear();
    bool inList = false;
    for (int32_t i = start < 0 ? 0 : start; i < table.Count; ++i) {
        table.Current = &table.Entries[i];
        std::string copy;
        if (inList) {
            copy = std::string(TextOf(*table.Current));
        } else {
            const char *open = std::strchr(TextOf(*table.Current), '(');
            if (!open)
                continue;
            copy = open;
            copy[0] = ' ';
            inList = true;
        }
        if (copy.size() > kVariableWorkChars)
            copy.resize(kVariableWorkChars);
        if (copy.find(';') != std::string::npos)
            return;
        if (copy.find("*/") != std::string::npos)
            continue;
        if (AddParameters(copy, variables))
            return;
    }
}

void FillDescription(FunctionTable &table, int32_t header, ListItems &description) {
    int32_t boundary = header - 1;
    for (; boundary >= 0; --boundary) {
        const char *text = TextOf(table.Entries[boundary]);
        if (std::strpbrk(text, "};"))
            break;
    }
    bool added = false;
    if (boundary >= 0) {
        for (int32_t i = boundary + 1; i < header; ++i) {
            table.Current = &table.Entries[i];
            const char *text = TextOf(*table.Current);
            if (std::strlen(text) >= 2) {
                description.Add(text);
                added = true;
            }
        }
    }
    if (!added)
        description.Add(kNoDescription);
}

void ShowFunctionDetails(FunctionTable &table, ScanView &view) {
    if (table.SelectionOrigin == kMouseSelecting)
        return;
    ListItems &description = view.DescriptionList();
    description.Clear();

    const int32_t selected = view.FunctionList().ItemIndex();
    int32_t header = -1;
    if (selected >= 0) {
        int32_t position = 0;
        for (int32_t i = 0; i < table.Count; ++i) {
            table.Current = &table.Entries[i];
            if (!table.Current->IsFunction)
                continue;
            if (position == selected) {
                header = i;
                break;
            }
            ++position;
        }
    }
    if (header < 0) {
        description.Add(kNoDescription);
        return;
    }

    FillVariableList(table, header, view.VariableList());
    view.SetPanelText(kPanelSourceLine, "Source Line: " + std::to_string(FunctionTable::LineOf(header)));
    FillDescription(table, header, description);
}

} // namespace veldo
