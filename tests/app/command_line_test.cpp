#include "app/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace veldo {
namespace {

struct ShapeCase {
    const char *name;
    std::string commandLine;
    std::string sourceFileName;
    std::optional<std::string> lineText;
    int32_t cursorLine;
};

class CommandLineShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(CommandLineShapes, GiveFileAndLine) {
    const ShapeCase &c = GetParam();
    const ParsedCommandLine parsed = ParseCommandLine(c.commandLine);
    EXPECT_EQ(parsed.FileText, c.sourceFileName);
    EXPECT_EQ(parsed.LineText, c.lineText);
    const Invocation inv = DeriveInvocation(parsed);
    EXPECT_EQ(inv.SourceFileName, c.sourceFileName);
    EXPECT_EQ(inv.CursorLine, c.cursorLine);
    EXPECT_EQ(inv.Caption, "Veldo - Function Listed in file (" + c.sourceFileName + ")");
}

const std::string kProgram = "\"C:\\Tools\\VELDO.EXE\"";

INSTANTIATE_TEST_SUITE_P(
    Shapes, CommandLineShapes,
    ::testing::Values(
        ShapeCase{"IdeShape", kProgram + " \"C:\\My Projects\\Main.cpp\" 120", "C:\\My Projects\\Main.cpp",
                  "120", 120},
        ShapeCase{"TrailingLetters", kProgram + " \"C:\\a.cpp\" 120abc", "C:\\a.cpp", "120abc", 120},
        ShapeCase{"Negative", kProgram + " \"C:\\a.cpp\" -5", "C:\\a.cpp", "-5", -5},
        ShapeCase{"NotANumber", kProgram + " \"C:\\a.cpp\" x", "C:\\a.cpp", "x", 0},
        ShapeCase{"TabBeforeLine", kProgram + " \"C:\\a.cpp\"\t77", "C:\\a.cpp", "77", 77},
        ShapeCase{"QuotedLineIsNeverRead", kProgram + " \"C:\\My Projects\\Main.cpp\" \"120\"",
                  "C:\\My Projects\\Main.cpp", "", 0},
        ShapeCase{"OneBlankAfterFile", kProgram + " \"C:\\My Projects\\Main.cpp\" ",
                  "C:\\My Projects\\Main.cpp", "", 0},
        ShapeCase{"NothingAfterFile", kProgram + " \"C:\\My Projects\\Main.cpp\"", "C:\\My", std::nullopt, 0},
        ShapeCase{"UnquotedFile", kProgram + " C:\\Src\\Main.cpp 120", "C:\\Src\\Main.cpp", std::nullopt, 0},
        ShapeCase{"UnquotedProgram", "C:\\Tools\\VELDO.EXE \"C:\\a b.cpp\" 120", "120", std::nullopt, 0},
        ShapeCase{"RunsOfQuotesSeparateLikeOne", "\"\"prog\"\" \"\"f.cpp\"\" 9", "f.cpp", "9", 9},
        ShapeCase{"NoQuotes", "VELDO.EXE a.cpp 12", "", std::nullopt, 0},
        ShapeCase{"Empty", "", "", std::nullopt, 0}),
    [](const ::testing::TestParamInfo<ShapeCase> &info) { return std::string(info.param.name); });

TEST(CommandLine, LongTextsAreParsedWhole) {
    const std::string longPath = "C:\\" + std::string(1000, 'd') + "\\Main.cpp";
    const Invocation inv = DeriveInvocation(ParseCommandLine(kProgram + " \"" + longPath + "\" 42"));
    EXPECT_EQ(inv.SourceFileName, longPath);
    EXPECT_EQ(inv.CursorLine, 42);
}

TEST(ReadDecimal, FollowsTheDecimalReadingRules) {
    EXPECT_EQ(ReadDecimal("  +17x"), 17);
    EXPECT_EQ(ReadDecimal("\t\n-0"), 0);
    EXPECT_EQ(ReadDecimal("- 5"), 0);
    EXPECT_EQ(ReadDecimal(""), 0);
    EXPECT_EQ(ReadDecimal("2147483647"), 2147483647);
    EXPECT_EQ(ReadDecimal("-2147483648"), -2147483647 - 1);
    // No overflow check: the value wraps instead of being undefined.
    EXPECT_EQ(ReadDecimal("2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadDecimal("4294967297"), 1);
}

} // namespace
} // namespace veldo
