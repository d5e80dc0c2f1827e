#include "scan/scanner.h"

#include "scan/example_sources.h"
#include "support/scan_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veldo {
namespace {

using test::Lines;
using test::ScannedFile;
using Names = std::vector<std::string>;

TEST(Scanner, ListsTheFormUnitAndSelectsByCursorLine) {
    for (const auto &[cursor, selected] : std::vector<std::pair<int32_t, int32_t>>{
             {16, 1}, {30, 1}, {13, 1}, {12, 0}, {7, 0}, {0, 0}, {-4, 0}}) {
        ScannedFile f(test::FormUnitSource(), cursor);
        EXPECT_EQ(f.Names(), (Names{"TForm1::TForm1", "CountLines"}));
        EXPECT_EQ(f.Selected(), selected) << "cursor " << cursor;
        EXPECT_EQ(f.view.panels[kPanelFunctionCount], "Function : 2");
        EXPECT_EQ(f.table.Entries[6].IsFunction, 1);
        EXPECT_EQ(f.table.Entries[12].IsFunction, 1);
    }
}

TEST(Scanner, ListsTheUtilities) {
    ScannedFile f(test::UtilitiesSource(), 12);
    EXPECT_EQ(f.Names(), (Names{"*Dup", "DECLARE_HANDLER", "Qux"}));
    EXPECT_EQ(f.Selected(), 1);
}

struct ScanCase {
    const char *name;
    std::string source;
    Names names;
};

class ScanCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanCases, ListTheExpectedNames) {
    ScannedFile f(GetParam().source);
    EXPECT_EQ(f.Names(), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ScanCases,
    ::testing::Values(
        ScanCase{"OneLineFile", "int f(int a) {\n", {}},
        ScanCase{"HeaderOnTheFirstLine", Lines({"int f(int a)", "{", "}"}), {}},
        ScanCase{"HeaderWithBraceOnItsLine", Lines({"", "int f(int a) {", "}"}), {"f"}},
        ScanCase{"WholeFunctionOnOneLine", Lines({"", "int f(int a) { return a; }"}), {}},
        ScanCase{"KeywordCallRejects", Lines({"x", "foo(a)", "if (a)", "{"}), {}},
        ScanCase{"KeywordThenTabDoesNot", Lines({"x", "foo(a)", "while\t(a)", "{"}), {"foo"}},
        ScanCase{"KeywordInsideAWord", Lines({"x", "foo(a)", "modif(b)", "{"}), {}},
        ScanCase{"OnlyTheFirstOccurrenceOfAKeyword", Lines({"x", "foo(a)", "if x, if(b)", "{"}), {"foo"}},
        ScanCase{"OperatorsReject", Lines({"x", "foo(a)", "a || b", "{", "bar(a)", "#define X", "{"}), {}},
        ScanCase{"PrototypeAboveRejects", Lines({"int g(int);", "void f(int a)", "{", "}"}), {}},
        ScanCase{"BraceOnTheLineBeforeIsPassedOver", Lines({"{", "foo(a)", "}"}), {}},
        ScanCase{"ClosingCommentLineWithStatementRejects",
                 Lines({"/* start", "returns a + b; */", "int f(int a)", "{", "}"}),
                 {}},
        ScanCase{
            "WholeCommentLineAboveIsNeutral", Lines({"x;", "/* note */", "int f(int a)", "{", "}"}), {"f"}},
        ScanCase{"LineCommentHidesItsSemicolon", Lines({"x", "void f(int a) // see; {", "{", "}"}), {"f"}},
        ScanCase{
            "CommentedOutHeaderIsSkipped", Lines({"x", "/* a", "foo(b)", "*/", "bar(c)", "{", "}"}), {"bar"}},
        ScanCase{"QuotesHideBracesFromTheCandidateOnly", Lines({"x", "foo(\"{}\")", "}"}), {"foo"}},
        ScanCase{"MultiLineHeaderAndInitialiser",
                 Lines({"", "A::A(int a,", "     int b)", "    : B(a)", "{", "}"}),
                 {"A::A"}},
        ScanCase{"MacroLineHidesTheDefinitionBehindIt",
                 Lines({"", "#if defined(X)", "void f(int a)", "{", "}"}),
                 {"defined"}},
        ScanCase{"PointerStarMovesTheCut", Lines({"", "void *(get)(int a)", "{"}), {"*(get"}},
        ScanCase{"TabDoesNotSeparateWords", Lines({"", "int\tfoo(int a)", "{"}), {"int\tfoo"}},
        ScanCase{"SpacesBeforeTheParenthesisStay", Lines({"", "void foo  (int a)", "{"}), {"foo  "}},
        ScanCase{"NoNameIsNotListed", Lines({"", "  (a)", "{"}), {}},
        ScanCase{"CommaBeforeTheNameRejects", Lines({"", "int a, b(5)", "{", "}"}), {}},
        ScanCase{"UnclosedCommentHidesTheRest", Lines({"", "/* open", "void f(int a)", "{", "}"}), {}}),
    [](const ::testing::TestParamInfo<ScanCase> &info) { return std::string(info.param.name); });

TEST(Scanner, RejectedHeadersAboveTheCursorLeaveNothingSelected) {
    ScannedFile f(Lines({"", "int a, b(5)", "{", "}", "void g(int c)", "{", "}"}), 3);
    EXPECT_EQ(f.Names(), Names{"g"});
    EXPECT_EQ(f.table.Entries[1].IsFunction, 0);
    EXPECT_EQ(f.Selected(), -1);
}

struct PrepareCase {
    const char *text;
    bool flagIn;
    bool quotes;
    std::string copy;
    bool flagOut;
};

TEST(PrepareLine, UpperCasesAndTakesCommentsAndQuotesOut) {
    const std::vector<PrepareCase> cases = {
        {"abcXYZ{}\xe9", false, false, "ABCXYZ{}\xe9", false},
        {"a // b /* c", false, false, "A ", false},
        {"a /* b */ c /* d */ e", false, false, "A                   E", false},
        {"a /* b", false, false, "A ", true},
        {"still inside", true, false, "", true},
        {"end */ x", true, false, "       X", false},
        {"x */ y /* z", true, false, "X */ Y ", true}, // reopened: the close before it goes unseen
        {"/*/", false, false, "   ", false},
        {"a // b */", true, false, "", true},
        {"a \"b\" c \"d\" e", false, true, "A           E", false},
        {"a\"b", false, true, "A B", false},
        {"a \"b\" c", false, false, "A \"B\" C", false},
    };
    for (const PrepareCase &c : cases) {
        char work[kMaxLineChars + 1];
        bool flag = c.flagIn;
        const size_t n = PrepareLine(c.text, work, flag, c.quotes);
        EXPECT_EQ(std::string(work, n), c.copy) << c.text;
        EXPECT_EQ(flag, c.flagOut) << c.text;
    }
}

} // namespace
} // namespace veldo
