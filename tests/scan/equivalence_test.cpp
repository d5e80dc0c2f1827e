// The production loader, scanner and details against the plain reference in
// reference_scanner.cpp: random sources, long runs that stress the
// look-ahead, and a few hand-checked files that pin the reference itself.
#include "scan/details.h"
#include "scan/example_sources.h"
#include "scan/function_table.h"
#include "scan/loader.h"
#include "scan/memory_view.h"
#include "scan/reference_scanner.h"
#include "scan/source_generator.h"
#include "support/test_support.h"
#include "veldo-list/veldo_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace veldo {
namespace {

using reference::ReferenceDescription;
using reference::ReferenceScan;
using reference::ReferenceVariables;

constexpr int32_t kMinLine = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxLine = std::numeric_limits<int32_t>::max();

// Text with its unprintable bytes escaped, for failure messages.
std::string Escaped(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

std::string Listed(const std::vector<std::string> &items) {
    std::string out = "{";
    for (size_t k = 0; k < items.size(); ++k)
        out += (k == 0 ? "" : ", ") + Escaped(items[k]);
    return out + "}";
}

// Where the details of a listed function, filled afresh for each one, or
// those the scan itself showed for the selected one, depart from the
// reference; empty when they do not. The table has to match expected entry
// for entry.
std::string DetailsDifference(FunctionTable &table, const MemoryView &view,
                              const reference::Result &expected) {
    std::ostringstream out;
    const auto report = [&](int32_t header, const char *what, const std::vector<std::string> &got,
                            const std::vector<std::string> &want) {
        out << what << " of the header on line " << FunctionTable::LineOf(header) << " "
            << Escaped(expected.texts[static_cast<size_t>(header)]) << ": " << Listed(got) << ", expected "
            << Listed(want);
        return out.str();
    };

    int32_t shown = -1; // the header whose details the scan showed
    int32_t position = 0;
    for (int32_t i = 0; i < table.Count; ++i) {
        if (table.Entries[i].IsFunction == 0)
            continue;
        if (position++ == view.functions.ItemIndex())
            shown = i;
        const auto k = static_cast<size_t>(i);
        MemoryList variables;
        FillVariableList(table, i, variables);
        const std::vector<std::string> wantVariables = ReferenceVariables(expected, k);
        if (variables.Items() != wantVariables)
            return report(i, "variables", variables.Items(), wantVariables);
        MemoryList description;
        FillDescription(table, i, description);
        const std::vector<std::string> wantDescription = ReferenceDescription(expected, k);
        if (description.Items() != wantDescription)
            return report(i, "description", description.Items(), wantDescription);
    }

    // With nothing selected the scan leaves the fresh view's variables and
    // panel alone.
    std::vector<std::string> wantVariables;
    std::vector<std::string> wantDescription = {reference::kNoDescriptionText};
    std::string wantPanel;
    if (shown >= 0) {
        wantVariables = ReferenceVariables(expected, static_cast<size_t>(shown));
        wantDescription = ReferenceDescription(expected, static_cast<size_t>(shown));
        wantPanel = "Source Line: " + std::to_string(FunctionTable::LineOf(shown));
    }
    if (view.variables.Items() != wantVariables || view.description.Items() != wantDescription ||
        view.panels[kPanelSourceLine] != wantPanel) {
        out << "details shown for list item " << view.functions.ItemIndex() << ": panel "
            << Escaped(view.panels[kPanelSourceLine]) << ", variables " << Listed(view.variables.Items())
            << ", description " << Listed(view.description.Items()) << "; expected " << Escaped(wantPanel)
            << ", " << Listed(wantVariables) << ", " << Listed(wantDescription);
        return out.str();
    }
    return {};
}

// Loads bytes into table with the production code and describes where the
// outcome first departs from the reference; empty when it does not.
std::string Difference(FunctionTable &table, std::string_view bytes, int32_t cursorLine) {
    const test::TempFile file(bytes);
    MemoryView view;
    test::FakeClock clock;
    if (LoadAndScan(table, file.Path(), cursorLine, view, clock) != LoadResult::Loaded)
        return "the file was not loaded";

    const reference::Result expected = ReferenceScan(bytes, cursorLine);
    const auto expectedCount = static_cast<int32_t>(expected.texts.size());
    std::ostringstream out;
    for (int32_t i = 0; i < std::min(table.Count, expectedCount); ++i) {
        const FunctionEntry &entry = table.Entries[i];
        const std::string text = entry.Text != nullptr ? entry.Text : "(null)";
        const auto k = static_cast<size_t>(i);
        if (text != expected.texts[k] || entry.IsFunction != expected.marks[k]) {
            out << "entry " << i << " (line " << i + 1 << "): text " << Escaped(text) << " marked "
                << int{entry.IsFunction} << ", expected " << Escaped(expected.texts[k]) << " marked "
                << int{expected.marks[k]};
            return out.str();
        }
    }
    if (table.Count != expectedCount) {
        out << "Count " << table.Count << ", expected " << expectedCount;
        return out.str();
    }

    const std::vector<std::string> &names = view.functions.Items();
    for (size_t n = 0; n < std::max(names.size(), expected.names.size()); ++n) {
        const std::string got = n < names.size() ? Escaped(names[n]) : "(none)";
        const std::string want = n < expected.names.size() ? Escaped(expected.names[n]) : "(none)";
        if (got != want) {
            out << "list item " << n << ": " << got << ", expected " << want;
            return out.str();
        }
    }

    const int32_t listed = static_cast<int32_t>(expected.names.size());
    const int32_t selected = expected.selected >= 0 && expected.selected < listed ? expected.selected : -1;
    if (view.functions.ItemIndex() != selected) {
        out << "selected item " << view.functions.ItemIndex() << ", expected " << selected;
        return out.str();
    }
    return DetailsDifference(table, view, expected);
}

// Mostly small files, which explore the rules fastest, with some larger
// ones for long comments and look-aheads.
int LinesFor(uint32_t seed) {
    const uint32_t h = seed * 2654435761u;
    const uint32_t size = (h >> 8) % 100;
    if (size < 60)
        return 1 + static_cast<int>((h >> 16) % 25);
    if (size < 92)
        return 25 + static_cast<int>((h >> 16) % 125);
    return 150 + static_cast<int>((h >> 16) % 250);
}

int32_t CursorFor(uint32_t seed, int lines) {
    const uint32_t h = (seed ^ 0xA5A5A5A5u) * 2246822519u >> 7;
    switch (seed % 8) {
    case 0:
        return 0;
    case 1:
        return -1 - static_cast<int32_t>(h % 5);
    case 2:
        return kMinLine;
    case 6:
        return lines + 1 + static_cast<int32_t>(h % 10);
    case 7:
        return kMaxLine;
    default:
        return 1 + static_cast<int32_t>(h % static_cast<uint32_t>(lines + 1));
    }
}

TEST(Equivalence, RandomSourcesScanAsTheReferenceDoes) {
    constexpr uint32_t kSeeds = 3000;
    constexpr int kMaxReported = 5;
    int reported = 0;
    FunctionTable table;
    for (uint32_t seed = 0; seed < kSeeds && reported < kMaxReported; ++seed) {
        const int lines = LinesFor(seed);
        std::string difference;
        std::string before;
        // Every third file goes into a table that already holds another
        // file, so reused entries and texts are covered as well.
        if (seed % 3 == 2) {
            const uint32_t earlier = seed ^ 0x80000000u;
            const int earlierLines = LinesFor(seed * 7 + 1);
            before = " after GenerateSource(" + std::to_string(earlier) + ", " +
                     std::to_string(earlierLines) + ") with cursor line 1";
            difference = Difference(table, test::GenerateSource(earlier, earlierLines), 1);
            if (!difference.empty()) {
                ADD_FAILURE() << "GenerateSource(" << earlier << ", " << earlierLines
                              << "), cursor line 1: " << difference;
                ++reported;
            }
        }
        const int32_t cursor = CursorFor(seed, lines);
        difference = Difference(table, test::GenerateSource(seed, lines), cursor);
        CloseFunctionTable(table);
        if (!difference.empty()) {
            ADD_FAILURE() << "GenerateSource(" << seed << ", " << lines << "), cursor line " << cursor
                          << before << ": " << difference;
            ++reported;
        }
    }
}

std::string Repeat(std::string_view line, int times) {
    std::string out;
    for (int k = 0; k < times; ++k)
        out += line;
    return out;
}

// Candidates whose look-ahead finds nothing decisive, where a scanner that
// takes shortcuts must still carry the block-comment flag exactly as a
// literal reading does.
TEST(Equivalence, LongUndecidedLookAheads) {
    const std::string call = "foo(a)\n";
    const struct {
        const char *shape;
        std::string bytes;
    } kCases[] = {
        {"calls without a brace", Repeat(call, 2000)},
        {"an unclosed comment among them", Repeat(call, 600) + "/*\n" + Repeat(call, 600)},
        {"a comment over the middle third",
         Repeat(call, 400) + "/*\n" + Repeat(call, 400) + "*/\n" + Repeat(call, 400)},
        {"the same with a brace at the end",
         Repeat(call, 400) + "/* x\n" + Repeat(call, 400) + "x */\n" + Repeat(call, 400) + "{\n"},
        {"closing and reopening among them", Repeat(call, 300) + "/*\n" + Repeat(call, 300) +
                                                 "end */ foo(b) /* again\n" + Repeat(call, 300) + "*/\n{\n"},
        {"a run of neutral lines before a brace", "x\nf(a)\n" + Repeat("  x\n", 3000) + "{\n}\n"},
        {"tab before the parenthesis, braces far apart",
         Repeat(Repeat("g(a)\r\n  if\t(b)\r\n", 150) + "{\r\n", 4) + "h(c)"},
        {"a closed comment before every call", Repeat("/* x */ foo(a)\n", 600)},
    };
    for (const auto &c : kCases) {
        FunctionTable table;
        const std::string difference = Difference(table, c.bytes, 700);
        CloseFunctionTable(table);
        EXPECT_EQ(difference, "") << c.shape;
    }
}

// The reference is the yardstick above, so it is itself checked against
// outcomes checked by hand.

TEST(ReferenceScanner, FindsTheHeadersOfAFormUnit) {
    const std::string file = test::FormUnitSource();
    const std::vector<std::string> names = {"TForm1::TForm1", "CountLines"};
    const struct {
        int32_t cursorLine;
        int32_t selected;
    } kCursors[] = {{16, 1}, {30, 1}, {12, 0}, {7, 0}, {0, 0}};
    for (const auto &c : kCursors) {
        const reference::Result result = ReferenceScan(file, c.cursorLine);
        EXPECT_EQ(result.names, names);
        EXPECT_EQ(result.selected, c.selected) << "cursor line " << c.cursorLine;
        ASSERT_EQ(result.marks.size(), 22u);
        for (size_t i = 0; i < result.marks.size(); ++i)
            EXPECT_EQ(result.marks[i], i == 6 || i == 12 ? 1 : 0) << "entry " << i;
        EXPECT_EQ(result.texts[6], "__fastcall TForm1::TForm1(TComponent* Owner)");
    }

    const reference::Result result = ReferenceScan(file, 0);
    const std::string separator(file.substr(0, file.find('\n')));
    EXPECT_EQ(ReferenceVariables(result, 6),
              (std::vector<std::string>{"TComponent* Owner)", ": TForm(Owner "}));
    EXPECT_EQ(ReferenceDescription(result, 6), std::vector<std::string>{separator});
    EXPECT_EQ(ReferenceVariables(result, 12), (std::vector<std::string>{"char text[]", "int len "}));
    EXPECT_EQ(ReferenceDescription(result, 12), (std::vector<std::string>{separator, "// Counts the lines"}));
}

// Each header stands on the second line.
TEST(ReferenceScanner, FollowsTheParameterRules) {
    const std::string a253(253, 'a');
    const struct {
        std::vector<std::string> lines;
        std::vector<std::string> variables;
    } kCases[] = {
        // The work copy, counted from the "(", ends before the "," here...
        {{"x", "f(" + a253 + ", b) {", "{"}, {a253}},
        // ...and splits the "*/" here.
        {{"x", "f(" + a253 + "*/ b", "{"}, {a253 + "*"}},
        // The copy starts at the "(", however far into the line.
        {{"x", std::string(300, ' ') + "f(int a) {"}, {"int a  "}},
        // A first token of blanks alone still makes the next one a later token.
        {{"x", "int g(int a", ", y", " ,zz)", "{"}, {"int a", "zz "}},
        {{"x", "void f(int a,", " int b) // c; d", "{"}, {"int a"}},
        {{"x", "void f(int a, b{c, d", "{"}, {"int a", "b", "d"}},
        {{"x", "void f(int (*cb)(int)) {"}, {"int (*cb)(int)  "}},
        {{"x", "void f(\x01\x02xy, \x1f c)", "{"}, {"xy", "c "}},
        {{"x", "void f(int a,", " x /* old */, y", " bb)", "{"}, {"int a", "bb "}},
        {{"x", "void f(int a,", " int b /* c; d */", " cc)", "{"}, {"int a"}},
        // No items: the "{" ends the list with nothing to change.
        {{"x", "void f(,", "{"}, {}},
        {{"x", "void f(,", "{ int a)"}, {""}},
        // The header line's first token needs two characters as well.
        {{"x", "void f(a", "b) {"}, {"b  "}},
    };
    for (const auto &c : kCases) {
        std::string file;
        for (const auto &line : c.lines)
            file.append(line).push_back('\n');
        EXPECT_EQ(ReferenceVariables(ReferenceScan(file, 0), 1), c.variables) << Escaped(file);
    }
}

TEST(ReferenceScanner, FollowsTheDescriptionRules) {
    const std::vector<std::string> none = {reference::kNoDescriptionText};
    const struct {
        std::vector<std::string> lines;
        size_t header;
        std::vector<std::string> description;
    } kCases[] = {
        {{"int a; // x", "", "x", "ab", "// }", "//", " ", "f(int a)", "{"}, 7, {"//"}},
        {{"int a;", "  // why", "\t", "/* } */", "f(int a)", "{"}, 4, none},
        {{"};", "", "*", "f(a)", "{"}, 3, none},
        {{"// about f", "f(a)", "{"}, 1, none},
        {{"f(a)", "{"}, 0, none},
        {{"}", "// one", "  // two", "f(a) // done; really", "{"}, 3, {"// one", "  // two"}},
    };
    for (const auto &c : kCases) {
        std::string file;
        for (const auto &line : c.lines)
            file.append(line).push_back('\n');
        EXPECT_EQ(ReferenceDescription(ReferenceScan(file, 0), c.header), c.description) << Escaped(file);
    }
}

TEST(ReferenceScanner, TakesAMacroLineAndSkipsTheDefinitionBehindIt) {
    const std::string file = test::UtilitiesSource();
    const reference::Result result = ReferenceScan(file, 12);
    EXPECT_EQ(result.names, (std::vector<std::string>{"*Dup", "DECLARE_HANDLER", "Qux"}));
    EXPECT_EQ(result.selected, 1);
}

TEST(ReferenceScanner, ReadsAsATextModeStream) {
    using namespace std::string_literals;
    const std::string long1000(1000, 'x');
    const std::string long599(599, 'y');
    const struct {
        std::string bytes;
        std::vector<std::string> entries;
    } kCases[] = {
        {"a\r\nb\r\n", {"a\n", "b\n"}},
        {"a\rb\nc", {"ab\n", "c"}},
        {"a\nb\x1a"
         "c\nd\n",
         {"a\n", "b"}},
        {"\x1a"
         "a\n",
         {}},
        {"a\0b\nc\n\0\n"s, {"a", "c\n", ""}},
        {long1000 + "\n", {long1000.substr(0, 599), long1000.substr(599) + "\n"}},
        {long599 + "\n", {long599, "\n"}},
        {long599.substr(1) + "\r\n", {long599.substr(1) + "\n"}},
        {"", {}},
    };
    for (const auto &c : kCases)
        EXPECT_EQ(reference::ReadEntries(c.bytes), c.entries) << Escaped(c.bytes);
}

TEST(ReferenceScanner, FollowsTheCommentAndNamingRules) {
    const struct {
        std::vector<std::string_view> lines;
        int32_t cursorLine;
        std::vector<std::string> names;
        int32_t selected;
    } kCases[] = {
        // A tab ends the spaces passed over after a keyword.
        {{"x", "f(a)", "  if\t(a)", "{"}, 0, {"f"}, 0},
        {{"x", "f(a)", "  if  (a)", "{"}, 0, {}, 0},
        {{"x", "f(a)", "  modif(a)", "{"}, 0, {}, 0},
        // The closing line is prepared again with the flag already cleared.
        {{"x", "/* start", "returns a + b; */", "int f(void)", "{"}, 0, {}, 0},
        {{"x", "/* whole */", "int f(void)", "{"}, 0, {"f"}, 0},
        {{"x", "/*/ f(a)", "{"}, 0, {"f"}, 0},
        // Inside a comment, "//" hides the "*/" behind it.
        {{"x", "/* a", "// b */", "g(c)", "*/", "h(d)", "{"}, 0, {"h"}, 0},
        // Inside a comment, a line that closes and reopens stays inside.
        {{"x", "/* a", "b */ c /* d", "g(c)", "{"}, 0, {}, 0},
        {{"x", "void f(char *s) // a; b", "{"}, 0, {"f"}, 0},
        {{"x", "t(\"{\") {", "}"}, 0, {"t"}, 0},
        {{"x", "int * (g)(int)", "{"}, 0, {"(g"}, 0},
        {{"x", "\tname(a)", "{"}, 0, {"\tname"}, 0},
        {{"x", "int a, b(5)", "{"}, 3, {}, -1},
        {{"x", "\x01 (a)", "{"}, 3, {}, -1},
        {{"x", "f(a)", "{", "}", "g(b)", "{", "}"}, 5, {"f", "g"}, 1},
        {{"x", "f(a)", "{", "}", "g(b)", "{", "}"}, 4, {"f", "g"}, 0},
    };
    for (const auto &c : kCases) {
        std::string file;
        for (const auto line : c.lines)
            file.append(line).push_back('\n');
        const reference::Result result = ReferenceScan(file, c.cursorLine);
        EXPECT_EQ(result.names, c.names) << Escaped(file);
        EXPECT_EQ(result.selected, c.selected) << Escaped(file);
    }
}

} // namespace
} // namespace veldo
