#include "scan/details.h"

#include "scan/example_sources.h"
#include "support/scan_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veldo {
namespace {

using test::Lines;
using test::ScannedFile;
using Items = std::vector<std::string>;

const char *kSeparator = "//---------------------------------------------------------------------------";

TEST(Details, ShowTheFormUnitsFunctions) {
    ScannedFile f(test::FormUnitSource(), 7);
    EXPECT_EQ(f.view.panels[kPanelSourceLine], "Source Line: 7");
    EXPECT_EQ(f.view.variables.Items(), (Items{"TComponent* Owner)", ": TForm(Owner "}));
    EXPECT_EQ(f.view.description.Items(), Items{kSeparator});

    f.Select(1);
    EXPECT_EQ(f.view.panels[kPanelSourceLine], "Source Line: 13");
    EXPECT_EQ(f.view.variables.Items(), (Items{"char text[]", "int len "}));
    EXPECT_EQ(f.view.description.Items(), (Items{kSeparator, "// Counts the lines"}));
}

struct VariableCase {
    const char *name;
    std::string header; // the lines from the header on
    Items variables;
};

class VariableCases : public ::testing::TestWithParam<VariableCase> {};

TEST_P(VariableCases, ListTheParameters) {
    ScannedFile f("x;\n" + GetParam().header);
    MemoryList variables;
    FillVariableList(f.table, 1, variables);
    EXPECT_EQ(variables.Items(), GetParam().variables);
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, VariableCases,
    ::testing::Values(
        VariableCase{"Empty", Lines({"void f()", "{"}), {}},
        VariableCase{"Void", Lines({"void f(void)", "{"}), {"void "}},
        VariableCase{"BraceOnTheHeaderLine", Lines({"void Add(int a, int b) {"}), {"int a", "int b  "}},
        VariableCase{
            "OverSeveralLines", Lines({"int g(int a,", "  bb,", "  c)", "{"}), {"int a", "bb", "c "}},
        VariableCase{"ShortFirstTokenOfALineIsLeftOut",
                     Lines({"int g(int a,", " x, y,", "  cc)", "{"}),
                     {"int a", "y", "cc "}},
        VariableCase{"OnlyTheLastParenthesisGoes",
                     Lines({"void f(int (*cb)(int), int b) {"}),
                     {"int (*cb)(int)", "int b  "}},
        VariableCase{"LaterBraceTokenAddsAnEmptyItem", Lines({"void f(int a,{"}), {"int a", ""}},
        VariableCase{"SemicolonInACommentEndsAtOnce", Lines({"void f(int a) // x; y", "{"}), {}},
        VariableCase{"CommentCloseOnTheHeaderAddsNothing", Lines({"int h(int a) /* c */", "{"}), {}},
        VariableCase{
            "CommasOnlyLineIsPassedOver", Lines({"int g(int a", ",,,", " b)", "{"}), {"int a", "b "}},
        VariableCase{"LongLineKeepsItsFirst255Characters",
                     Lines({"void f(int " + std::string(300, 'a') + ", int b) {", "{"}),
                     {"int " + std::string(250, 'a')}}),
    [](const ::testing::TestParamInfo<VariableCase> &info) { return std::string(info.param.name); });

TEST(Details, DescriptionIsTheBlockBackToTheLastStatement) {
    struct Case {
        std::string source;
        Items description;
    };
    const std::vector<Case> cases = {
        {Lines({"// about f", "", "void f(int a)", "{"}), {kNoDescription}},
        {Lines({"}", "// one; two", "// three", "void f(int a)", "{"}), {"// three"}},
        {Lines({"int x;", "", "/", "  // kept with its blanks", "", "void f(int a)", "{"}),
         {"  // kept with its blanks"}},
        {Lines({"int x;", "", "void f(int a)", "{"}), {kNoDescription}},
    };
    for (const Case &c : cases) {
        ScannedFile f(c.source, 100);
        ASSERT_EQ(f.view.functions.Count(), 1) << c.source;
        EXPECT_EQ(f.view.description.Items(), c.description) << c.source;
    }
}

TEST(Details, WithoutASelectionOnlyTheDescriptionChanges) {
    ScannedFile f(test::FormUnitSource(), 7);
    const Items variables = f.view.variables.Items();
    const std::string sourceLine = f.view.panels[kPanelSourceLine];
    for (const int32_t none : {-1, 2}) {
        f.Select(none);
        EXPECT_EQ(f.view.description.Items(), Items{kNoDescription});
        EXPECT_EQ(f.view.variables.Items(), variables);
        EXPECT_EQ(f.view.panels[kPanelSourceLine], sourceLine);
    }
}

TEST(Details, NothingChangesWhileAMouseSelectionIsInProgress) {
    ScannedFile f(test::FormUnitSource(), 7);
    f.table.SelectionOrigin = kMouseSelecting;
    const MemoryView before = f.view;
    f.Select(1);
    FillVariableList(f.table, 12, f.view.variables);
    EXPECT_EQ(f.view.variables.Items(), before.variables.Items());
    EXPECT_EQ(f.view.description.Items(), before.description.Items());
    EXPECT_EQ(f.view.panels, before.panels);
}

TEST(Details, SleptTableShowsNoTextsButDoesNotFail) {
    ScannedFile f(test::FormUnitSource(), 7);
    FreeFunctionTable(f.table);
    f.Select(1);
    EXPECT_EQ(f.view.variables.Items(), Items{});
    EXPECT_EQ(f.view.description.Items(), Items{kNoDescription});
}

} // namespace
} // namespace veldo
