// Two small source files whose listings are known line by line.
#pragma once

#include "support/test_support.h"

#include <string>

namespace veldo::test {

// A form unit: a constructor with an initialiser, a function whose
// parameters span two lines, and one hidden behind a prototype.
inline std::string FormUnitSource() {
    const char *separator = "//---------------------------------------------------------------------------";
    return Lines({separator,
                  "#include <vcl.h>",
                  "#pragma hdrstop",
                  separator,
                  "TForm1 *Form1;",
                  separator,
                  "__fastcall TForm1::TForm1(TComponent* Owner)",
                  "        : TForm(Owner)",
                  "{",
                  "}",
                  separator,
                  "// Counts the lines",
                  "int CountLines(char text[],",
                  "               int len)",
                  "{",
                  "    int n = 0;",
                  "    return n;",
                  "}",
                  "static int Twice(int a);",
                  "void Button1Click(int sender)",
                  "{",
                  "}"});
}

// Utilities: a one-line function, a pointer result, a macro line that hides
// the definition behind it, and a comment that hides a ";".
inline std::string UtilitiesSource() {
    return Lines({"// utilities",
                  "",
                  "int Max(int a, int b) { return a > b ? a : b; }",
                  "",
                  "char *Dup(const char *s) {",
                  "    return strdup(s);",
                  "}",
                  "",
                  "DECLARE_HANDLER(Foo)",
                  "void Bar(int x)",
                  "{",
                  "}",
                  "",
                  "void Qux(int a)   // see note; below",
                  "{",
                  "    if (a)",
                  "    {",
                  "        Bar(a)",
                  "    }",
                  "}"});
}

} // namespace veldo::test
