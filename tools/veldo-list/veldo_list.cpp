#include "veldo-list/veldo_list.h"

#include "app/command_line.h"
#include "scan/details.h"
#include "scan/loader.h"
#include "scan/memory_view.h"

#include <optional>

namespace veldo {
namespace {

struct Options {
    bool json = false;
    std::string file;
    int32_t line = 0;
};

std::optional<Options> ParseArgs(const std::vector<std::string> &args) {
    Options options;
    size_t i = 0;
    if (i < args.size() && args[i] == "--json") {
        options.json = true;
        ++i;
    }
    if (i >= args.size() || args.size() - i > 2 || args[i].empty() || args[i][0] == '-')
        return std::nullopt;
    options.file = args[i++];
    if (i < args.size())
        options.line = ReadDecimal(args[i]);
    return options;
}

void AppendJsonArray(std::string &json, const std::vector<std::string> &items) {
    json += '[';
    for (size_t i = 0; i < items.size(); ++i) {
        if (i)
            json += ',';
        AppendJsonString(json, items[i]);
    }
    json += ']';
}

std::string Json(const Options &options, FunctionTable &table, const MemoryView &view) {
    std::string json = "{\"file\":";
    AppendJsonString(json, options.file);
    json += ",\"cursor_line\":" + std::to_string(options.line);
    json += ",\"entries\":" + std::to_string(table.Count);
    json += ",\"selected\":" + std::to_string(view.functions.ItemIndex());
    json += ",\"functions\":[";
    size_t position = 0;
    for (int32_t i = 0; i < table.Count; ++i) {
        if (!table.Entries[i].IsFunction)
            continue;
        MemoryList variables;
        MemoryList description;
        FillVariableList(table, i, variables);
        FillDescription(table, i, description);
        if (position)
            json += ',';
        json += "{\"name\":";
        AppendJsonString(json, view.functions.Items()[position++]);
        json += ",\"line\":" + std::to_string(FunctionTable::LineOf(i));
        json += ",\"variables\":";
        AppendJsonArray(json, variables.Items());
        json += ",\"description\":";
        AppendJsonArray(json, description.Items());
        json += '}';
    }
    json += "]}\n";
    return json;
}

void WritePlain(std::ostream &out, const FunctionTable &table, const MemoryView &view) {
    const int32_t selected = view.functions.ItemIndex();
    std::string text;
    int32_t position = 0;
    for (int32_t i = 0; i < table.Count; ++i) {
        if (!table.Entries[i].IsFunction)
            continue;
        text += position == selected ? "> " : "  ";
        text += std::to_string(FunctionTable::LineOf(i));
        text += '\t';
        text += view.functions.Items()[static_cast<size_t>(position++)];
        text += '\n';
        if (text.size() > (1u << 16)) {
            out << text;
            text.clear();
        }
    }
    out << text;
}

} // namespace

void AppendJsonString(std::string &json, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    json += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            json += "\\u00";
            json += kHex[byte >> 4];
            json += kHex[byte & 15];
        } else {
            json += c;
        }
    }
    json += '"';
}

int RunVeldoList(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
                 TableRelease release) {
    const std::optional<Options> options = ParseArgs(args);
    if (!options) {
        err << kVeldoListUsage << '\n';
        return 2;
    }
    FunctionTable table;
    MemoryView view;
    SteadyClock clock;
    const LoadResult result = LoadAndScan(table, options->file, options->line, view, clock);
    if (result != LoadResult::Loaded) {
        err << view.panels[kPanelStatus] << '\n' << kVeldoListUsage << '\n';
        CloseFunctionTable(table);
        return 2;
    }
    if (options->json)
        out << Json(*options, table, view);
    else
        WritePlain(out, table, view);
    if (release == TableRelease::Release)
        CloseFunctionTable(table);
    return 0;
}

} // namespace veldo
