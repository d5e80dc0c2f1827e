#include "veldo-list/veldo_list.h"

#include "scan/example_sources.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace veldo {
namespace {

using test::Lines;
using test::TempFile;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome List(const std::vector<std::string> &args) {
    std::ostringstream out, err;
    const int status = RunVeldoList(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(VeldoList, PrintsOneLinePerFunctionAndMarksTheSelectedOne) {
    TempFile file(test::FormUnitSource());
    const Outcome run = List({file.Path(), "16"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "  7\tTForm1::TForm1\n> 13\tCountLines\n");
    EXPECT_EQ(run.err, "");
    // Without a line the cursor is at 0: the first function.
    EXPECT_EQ(List({file.Path()}).out, "> 7\tTForm1::TForm1\n  13\tCountLines\n");
}

TEST(VeldoList, JsonCarriesEachFunctionsDetails) {
    TempFile file(test::FormUnitSource());
    const Outcome run = List({"--json", file.Path(), "13"});
    EXPECT_EQ(run.status, 0);
    std::string expected = "{\"file\":";
    AppendJsonString(expected, file.Path());
    expected +=
        ",\"cursor_line\":13,\"entries\":22,\"selected\":1,\"functions\":["
        "{\"name\":\"TForm1::TForm1\",\"line\":7,\"variables\":[\"TComponent* Owner)\",\": TForm(Owner \"],"
        "\"description\":[\"//"
        "---------------------------------------------------------------------------\"]},"
        "{\"name\":\"CountLines\",\"line\":13,\"variables\":[\"char text[]\",\"int len \"],"
        "\"description\":[\"//---------------------------------------------------------------------------\","
        "\"// Counts the lines\"]}]}\n";
    EXPECT_EQ(run.out, expected);
}

TEST(VeldoList, JsonKeepsEveryByteAndReportsNoSelection) {
    TempFile file(Lines({"", "int a, b(5)", "{", "}", "int \"q\\\xe9\x01(int a)", "{"}));
    const Outcome run = List({"--json", file.Path(), "3"});
    const std::string functions = run.out.substr(run.out.find("\"selected\""));
    EXPECT_EQ(functions,
              "\"selected\":-1,\"functions\":[{\"name\":\"\\\"q\\\\\\u00e9\\u0001\",\"line\":5,"
              "\"variables\":[\"int a \"],\"description\":[\"Description not available...\"]}]}\n");
}

TEST(VeldoList, FailsWithUsageOnBadArgumentsOrAnUnopenableFile) {
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {}, {"--json"}, {"--bogus", "f.cpp"}, {"a.cpp", "1", "2"}, {"/no/such/dir/file.cpp", "12"}}) {
        const Outcome run = List(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(kVeldoListUsage), std::string::npos);
    }
    EXPECT_EQ(List({"/no/such/dir/file.cpp"}).err,
              std::string("Error : Unable to open file\n") + kVeldoListUsage + "\n");
}

} // namespace
} // namespace veldo
