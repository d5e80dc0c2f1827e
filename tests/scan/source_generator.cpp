#include "scan/source_generator.h"

#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace veldo::test {
namespace {

// Our own generator and reductions: the standard distributions give
// different numbers on different standard libraries, and a seed has to name
// the same file on every build.
class Random {
public:
    // The seed is scrambled first: splitmix64 steps its state by a constant,
    // so plain multiples of that constant would make neighbouring seeds
    // shifted copies of one sequence.
    explicit Random(uint32_t seed) : state_(Scramble(uint64_t{seed} ^ 0x5EEDF11E0000ull)) {}

    uint32_t Next() { // splitmix64
        state_ += 0x9E3779B97F4A7C15ull;
        return static_cast<uint32_t>(Scramble(state_) >> 32);
    }
    uint32_t Below(uint32_t n) { return n == 0 ? 0 : Next() % n; }
    uint32_t Between(uint32_t low, uint32_t high) { return low + Below(high - low + 1); }
    bool Percent(uint32_t p) { return Below(100) < p; }

    template <class T, size_t N> const T &Pick(const T (&items)[N]) {
        return items[Below(static_cast<uint32_t>(N))];
    }

private:
    static uint64_t Scramble(uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    uint64_t state_;
};

// How one file is composed; all chances in percent.
struct Mix {
    uint32_t hostile = 0;  // constructs taken from the hostile kinds
    uint32_t comments = 0; // ordinary constructs that are comments
    uint32_t crlf = 0;     // line ends written as CR LF
    uint32_t loneCr = 0;   // line ends written as a lone CR
    uint32_t oddCase = 0;  // words written in a random letter case
    uint32_t longLines = 0;
    uint32_t nulBytes = 0; // how many NUL bytes to scatter
    bool finalLineFeed = true;
    bool endMark = false; // a character 26 somewhere
};

const char *const kTypes[] = {
    "int",      "void",         "char",        "static int",    "unsigned long", "__fastcall",      "bool",
    "TForm1 *", "const char *", "struct Node", "inline double", "int\t",         "LRESULT CALLBACK"};

const char *const kParams[] = {"int a",          "char *s",     "const char* p", "TObject *Sender",
                               "int n[]",        "double",      "void",          "...",
                               "int (*cb)(int)", "List<int> x", "int x = 0",     "WPARAM w, LPARAM l",
                               "char text[]",    "int len",     "T& t",          ""};

// Parameter lines and their ends that the variable list treats in telling
// ways: commas in runs or first on the line, tokens of one or two
// characters, comments holding ";" or closing with "*/", a "{" behind a
// comma, and items with several ")".
const char *const kParamPieces[] = {"int a",
                                    "bb",
                                    "x",
                                    "",
                                    ",",
                                    ",,",
                                    ", x",
                                    ",a",
                                    ",\tc",
                                    ", ,d",
                                    ",,int b",
                                    "int a,, int b",
                                    "\x01x",
                                    "\x1f\tcc",
                                    "\x02\x7f",
                                    "f(g(h))",
                                    "int (*cb)(int))",
                                    ")",
                                    "int b /* was c */",
                                    "/* old */ int c",
                                    "*/ int d",
                                    "int e // f; g",
                                    "int h /* i; j */",
                                    "int k, {",
                                    "int l,{",
                                    "{",
                                    "int m {",
                                    "int n) {"};

const char *const kParamEnds[] = {",", ",,", "", ", ", ",  // more", " // next;", ", /* x */", ", {", " ,"};

const char *const kSyllables[] = {"foo",  "Bar",   "get",   "Set", "count",  "Lines", "x",    "Form1",
                                  "Main", "init",  "do",    "run", "my",     "Ex",    "cept", "Notify",
                                  "Elif", "modif", "Print", "f",   "Handle", "Swi",   "tch",  "Catch"};

const char *const kCallKeywords[] = {"if",      "while",  "switch",  "catch",   "__except", "printf",
                                     "fprintf", "modif",  "sprintf", "elif",    "whiles",   "IF",
                                     "While",   "SWITCH", "Catch",   "_except", "PrintF",   "verify"};

const char *const kKeywordGaps[] = {"", " ", "  ", "\t", " \t", "\t ", "   "};

// Pieces of the hostile lines: everything the rules look for, and bytes
// that are easy to mishandle.
const char *const kTokens[] = {"(",    ")",     "{",      "}",     ";",        "=",       "<",       ">",
                               "||",   "&&",    "|",      "&",     "//",       "/*",      "*/",      "/*/",
                               "\"",   "'",     ",",      "*",     "#define",  "#pragma", "#if",     "if",
                               "IF",   "while", "switch", "catch", "__except", "printf",  "fprintf", "modif",
                               "foo",  "Bar",   "x",      " ",     "  ",       "\t",      "\x01",    "\x1f",
                               "\xe9", "\xff",  "::",     "[",     "]",        "0",       "->",      "\x7f",
                               "\x80", "\xa0",  "\x0b",   "\x0c",  "*/ /*",    "/**/",    " (",      "\r"};

// Joins the pieces in order. The elements of a braced list are evaluated
// from left to right, which "a() + b()" does not promise: a file built from
// several draws in one expression could differ between compilers.
std::string Cat(std::initializer_list<std::string> pieces) {
    std::string out;
    for (const std::string &piece : pieces)
        out += piece;
    return out;
}

class Generator {
public:
    Generator(uint32_t seed, int lines) : rng_(seed), target_(lines > 0 ? static_cast<size_t>(lines) : 0) {
        ChooseMix();
    }

    std::string Run() {
        while (lines_.size() < target_) {
            if (rng_.Percent(mix_.hostile))
                Hostile();
            else
                Ordinary();
        }
        lines_.resize(target_);
        return Bytes();
    }

private:
    void ChooseMix() {
        switch (rng_.Below(4)) {
        case 0: // ordinary code
            mix_.hostile = rng_.Below(4);
            mix_.comments = rng_.Between(5, 20);
            mix_.crlf = rng_.Percent(50) ? 100 : 0;
            mix_.oddCase = rng_.Below(5);
            break;
        case 1: // mostly ordinary, some surprises
            mix_.hostile = rng_.Between(10, 30);
            mix_.comments = rng_.Between(10, 40);
            mix_.crlf = rng_.Below(101);
            mix_.loneCr = rng_.Below(3);
            mix_.oddCase = rng_.Below(20);
            mix_.longLines = rng_.Below(10);
            mix_.nulBytes = rng_.Percent(10) ? 1 : 0;
            break;
        case 2: // dense with comments and quotes
            mix_.hostile = rng_.Between(30, 60);
            mix_.comments = rng_.Between(30, 70);
            mix_.crlf = rng_.Below(101);
            mix_.loneCr = rng_.Below(6);
            mix_.oddCase = rng_.Below(50);
            mix_.longLines = rng_.Below(15);
            mix_.nulBytes = rng_.Percent(30) ? 1 : 0;
            break;
        default: // hostile
            mix_.hostile = rng_.Between(60, 100);
            mix_.comments = rng_.Between(20, 80);
            mix_.crlf = rng_.Below(101);
            mix_.loneCr = rng_.Below(15);
            mix_.oddCase = rng_.Below(100);
            mix_.longLines = rng_.Below(25);
            mix_.nulBytes = rng_.Below(3);
            break;
        }
        mix_.finalLineFeed = !rng_.Percent(25);
        mix_.endMark = rng_.Percent(4);
    }

    void Emit(std::string line) { lines_.push_back(std::move(line)); }

    std::string Cased(std::string_view word) {
        std::string out(word);
        if (!rng_.Percent(mix_.oddCase))
            return out;
        for (char &c : out) {
            if (c >= 'a' && c <= 'z' && rng_.Percent(50))
                c = static_cast<char>(c - 'a' + 'A');
            else if (c >= 'A' && c <= 'Z' && rng_.Percent(50))
                c = static_cast<char>(c - 'A' + 'a');
        }
        return out;
    }

    std::string Name() {
        std::string name;
        const uint32_t parts = rng_.Between(1, 3);
        for (uint32_t k = 0; k < parts; ++k)
            name += rng_.Pick(kSyllables);
        if (rng_.Percent(15)) {
            const std::string cls = std::string("T") + rng_.Pick(kSyllables);
            name = cls + "::" + (rng_.Percent(50) ? cls : name);
        }
        return Cased(name);
    }

    std::string Indent() {
        static const char *const kIndents[] = {"", "    ", "        ", "\t", "\t\t", "  "};
        return rng_.Pick(kIndents);
    }

    std::string Params() {
        std::string out;
        const uint32_t count = rng_.Below(4);
        for (uint32_t k = 0; k < count; ++k) {
            if (k > 0)
                out += ", ";
            out += rng_.Pick(kParams);
        }
        return out;
    }

    std::string KeywordCall() {
        std::string line = Cat({Indent(), Cased(rng_.Pick(kCallKeywords)), rng_.Pick(kKeywordGaps), "("});
        static const char *const kConditions[] = {"a", "x > 0", "n == 1", "\"%d\", n", "c", "(a)", ""};
        line += rng_.Pick(kConditions);
        line += ")";
        static const char *const kTails[] = {"", " {", ";", " return;", " { }", "  // why"};
        line += rng_.Pick(kTails);
        return line;
    }

    std::string Header(const std::string &name) {
        const std::string type = rng_.Pick(kTypes);
        switch (rng_.Below(10)) {
        case 0:
            return "char *" + name + "(" + Params() + ")";
        case 1:
            return "int * (" + name + ")(" + Params() + ")";
        case 2:
            return "int *(" + name + ")";
        case 3:
            return "int a, " + name + "(5)";
        case 4: {
            static const char *const kPrefixes[] = {"\t", "int\t", "\x01", "void \x07", " \x1f", "int  \t "};
            return Cat({rng_.Pick(kPrefixes), name, "(", Params(), ")"});
        }
        case 5:
            return name + " (" + Params() + ")";
        default:
            return type + " " + name + "(" + Params() + ")";
        }
    }

    std::string ParamPiece() { return rng_.Percent(50) ? rng_.Pick(kParams) : rng_.Pick(kParamPieces); }

    // Parameters from line[origin] on, where the variable list's copy of the
    // line starts, to just past the copy's end, with something it looks for
    // just inside or just beyond that end.
    std::string LongParameters(std::string line, size_t origin) {
        static const char *const kFill[] = {"int a, ",          "char *s, ", "x, ",   "double value, ",
                                            "int (*cb)(int), ", "    ",      "T& t,", "f(g)"};
        const size_t at = origin + rng_.Between(250, 260);
        while (line.size() < at)
            line += rng_.Pick(kFill);
        line.resize(at);
        static const char *const kTelling[] = {"{",   ",",    ", {",     ",,", "*/", ")",
                                               ") {", "// ;", "/* ; */", ",{", ", x"};
        line += rng_.Pick(kTelling);
        if (rng_.Percent(50))
            line += " int b";
        if (rng_.Percent(50))
            line += ")";
        return line;
    }

    // The lines a description is made of: comments, lines of no more than
    // two characters, and comments with the "}" or ";" that ends the search
    // for one.
    void DescriptionLines() {
        static const char *const kLines[] = {"",
                                             "x",
                                             "*",
                                             "/",
                                             " ",
                                             "\t",
                                             "ab",
                                             "//",
                                             " *",
                                             "\x01",
                                             "\x01\x02",
                                             "// about it",
                                             "// a; b",
                                             "// }",
                                             "/* } */",
                                             " * x;",
                                             "//---------------------------"};
        const uint32_t count = rng_.Between(1, 5);
        for (uint32_t k = 0; k < count; ++k)
            Emit(rng_.Pick(kLines));
    }

    void Body() {
        const uint32_t statements = rng_.Below(6);
        for (uint32_t k = 0; k < statements; ++k) {
            if (rng_.Percent(20)) {
                Emit(KeywordCall());
                Emit(Indent() + "{");
                Statement();
                Emit(Indent() + "}");
            } else {
                Statement();
            }
        }
        Emit(rng_.Percent(90) ? "}" : "};");
    }

    void Function() {
        const std::string name = Name();
        if (rng_.Percent(35))
            DescriptionLines();
        switch (rng_.Below(10)) {
        case 0: // brace on the header's line
            Emit(Cat({Header(name), rng_.Pick(kKeywordGaps), "{"}));
            break;
        case 1: { // parameters over several lines
            Emit(Cat({rng_.Pick(kTypes), " ", name, "(", ParamPiece(), rng_.Pick(kParamEnds)}));
            // Some lists put their commas first on the line.
            const char *const lead = rng_.Percent(25) ? ", " : "";
            const uint32_t more = rng_.Below(4);
            for (uint32_t k = 0; k < more; ++k) {
                if (rng_.Percent(15))
                    Emit(LongParameters(Indent(), 0));
                else
                    Emit(Cat({Indent(), lead, ParamPiece(), rng_.Pick(kParamEnds)}));
            }
            Emit(Cat({Indent(), lead, ParamPiece(), ")"}));
            Emit("{");
            break;
        }
        case 2: { // constructor with an initialiser list
            const std::string cls = std::string("T") + rng_.Pick(kSyllables);
            Emit("__fastcall " + cls + "::" + cls + "(TComponent* Owner)");
            Emit(Indent() + ": TForm(Owner)");
            Emit("{");
            break;
        }
        case 3: // return type on its own line
            Emit(rng_.Pick(kTypes));
            Emit(name + "(" + Params() + ")");
            Emit("{");
            break;
        case 4: // something between the header and its brace
            Emit(Header(name));
            Comment();
            Emit("{");
            break;
        case 5: // whole function on one line
            Emit(Header(name) + " { return 0; }");
            return;
        case 6: { // trailing comment on the header
            static const char *const kTrailers[] = {
                "   // see note; below", " /* a; b */", " /* open", " // {", "\t//", " /*/"};
            Emit(Cat({Header(name), rng_.Pick(kTrailers)}));
            Emit("{");
            break;
        }
        case 7: { // a header longer than the variable list's copy of it
            const std::string indent = rng_.Percent(30) ? std::string(rng_.Between(240, 300), ' ') : "";
            const std::string start = Cat({indent, rng_.Pick(kTypes), " ", name, "("});
            Emit(LongParameters(start, start.size() - 1));
            Emit("{");
            break;
        }
        default:
            Emit(Header(name));
            Emit("{");
            break;
        }
        Body();
    }

    void Statement() {
        switch (rng_.Below(14)) {
        case 0:
        case 1:
            Emit(KeywordCall());
            break;
        case 2: {
            static const char *const kOperators[] = {
                "x = y;",   "a < b",   "a >> 2",   "c || d",   "e && f", "return n;",    "i++;",
                "p->q = 0", "a<b>(c)", "b = f(x)", "x == (y)", "a>(b)",  "s += g(h, i)", "break;"};
            Emit(Cat({Indent(), rng_.Pick(kOperators)}));
            break;
        }
        case 3:
            Emit(Cat({Indent(), Cased("foo"), "(", rng_.Pick(kParams), ")"}));
            break;
        case 4: {
            static const char *const kBraces[] = {
                "{", "}", "} else {", "};", "{ }", "}{", "} catch (Exception &e) {"};
            Emit(Cat({Indent(), rng_.Pick(kBraces)}));
            break;
        }
        case 5: {
            static const char *const kQuoted[] = {"s = \"{(\";",
                                                  "puts(\"a)\" \"b{\" \"c\")",
                                                  "x(\"",
                                                  "\"}\" foo(x) \"{\"",
                                                  "c = '{';",
                                                  "c = '\"'; f(c)",
                                                  "msg(\"if (x)\")",
                                                  "\"// not a comment\" g(a)",
                                                  "\"/*\" h(b) \"*/\"",
                                                  "t(\"a\", \"b;\") {",
                                                  "\"\" k(l)",
                                                  "m(\"=\")"};
            Emit(Cat({Indent(), rng_.Pick(kQuoted)}));
            break;
        }
        case 6: {
            static const char *const kBlanks[] = {"", "   ", "\t", " \t ", "        "};
            Emit(rng_.Pick(kBlanks));
            break;
        }
        case 7:
            Emit(Cat({Indent(), "return ", Name(), "(", rng_.Pick(kParams), ");"}));
            break;
        case 8:
            Emit(Cat({Indent(), Name(), "(a, b)"}));
            break;
        default:
            Emit(Cat({Indent(), "int ", Name(), ";"}));
            break;
        }
    }

    void Comment() {
        switch (rng_.Below(12)) {
        case 0: {
            static const char *const kLine[] = {"// Counts the lines",
                                                "//---------------------------",
                                                "// a; b",
                                                "// {",
                                                "// /* not opened",
                                                "// f(x) {",
                                                "//",
                                                "/// if (x)"};
            Emit(Cat({Indent(), rng_.Pick(kLine)}));
            break;
        }
        case 1:
            Emit(Indent() + "/* one line */");
            break;
        case 2: { // spanning lines
            Emit(rng_.Percent(50) ? "/*" : "/* starts here f(x)");
            const uint32_t inner = rng_.Below(5);
            for (uint32_t k = 0; k < inner; ++k) {
                static const char *const kInner[] = {" * text", " foo(a)", " {",        " // a */ still open",
                                                     " x = y;", "",        " /* again", " if (a)"};
                Emit(rng_.Pick(kInner));
            }
            static const char *const kClose[] = {"*/",  " */",  "returns a + b; */", "*/ f(x)",
                                                 "**/", "*/ {", "*/ /* and again",   "end */ x /* open",
                                                 "*/*/"};
            Emit(rng_.Pick(kClose));
            break;
        }
        case 3:
            Emit(Cat({Indent(), "/* unclosed ", Name(), "(a)"}));
            break;
        case 4:
            Emit(Cat({Indent(), "/*/ ", Name(), "(a)"}));
            break;
        case 5:
            Emit("x */ y /* z");
            break;
        case 6:
            Emit("/* a */ " + Name() + "(b) /* c");
            break;
        case 7:
            Emit(Name() + "(a) /* start");
            break;
        case 8:
            Emit("  */ " + Name() + "(x)");
            break;
        case 9:
            Emit("/* a */ b /* c */ " + Name() + "(d)");
            break;
        case 10:
            Emit("/**/" + Name() + "(e) /* f */");
            break;
        default:
            Emit(Cat({"/* ", Name(), "(a); */ ", Name(), "(b)"}));
            break;
        }
    }

    void Preprocessor() {
        static const char *const kLines[] = {"#define X(a) (a)", "#pragma hdrstop", "#if defined(X)",
                                             "#include <vcl.h>", "#ifdef Y",        "#DEFINE M()",
                                             "#Pragma pack(1)",  "#endif",          "#  define Z(b) b"};
        Emit(rng_.Pick(kLines));
    }

    void Ordinary() {
        if (rng_.Percent(mix_.comments)) {
            Comment();
            return;
        }
        const uint32_t r = rng_.Below(100);
        if (r < 40)
            Function();
        else if (r < 52)
            Emit(Cat({rng_.Pick(kTypes), " ", Name(), "(", Params(), ");"}));
        else if (r < 80)
            Statement();
        else if (r < 87)
            Preprocessor();
        else
            Emit("");
    }

    std::string TokenLine(size_t pieces) {
        std::string line;
        for (size_t k = 0; k < pieces; ++k) {
            line += Cased(rng_.Pick(kTokens));
            if (rng_.Percent(30))
                line += ' ';
        }
        return line;
    }

    void LongLine() {
        static const size_t kLengths[] = {598, 599, 600, 601, 1197, 1198, 1199, 1200, 0};
        size_t length = rng_.Pick(kLengths);
        if (length == 0)
            length = rng_.Between(300, 1500);
        std::string line;
        if (rng_.Percent(50)) {
            while (line.size() < length)
                line += TokenLine(8);
        } else {
            // Ordinary text with the telling character near the read boundary.
            line.assign(length, rng_.Percent(50) ? 'a' : ' ');
            static const char kTelling[] = {'(', '{', '}', ';', '"', '/', '*'};
            const size_t at =
                length > 603 ? rng_.Between(594, 603) : rng_.Below(static_cast<uint32_t>(length));
            line[at] = kTelling[rng_.Below(sizeof kTelling)];
            line[rng_.Below(static_cast<uint32_t>(length))] = '(';
        }
        line.resize(length);
        Emit(line);
    }

    // Runs of calls without a brace: every line is a candidate whose
    // look-ahead finds nothing decisive.
    void CallRun() {
        const size_t left = target_ - lines_.size();
        const size_t run = rng_.Between(1, static_cast<uint32_t>(left < 200 ? left : 200));
        const size_t open = rng_.Percent(40) ? rng_.Below(static_cast<uint32_t>(run)) : run;
        const size_t close = rng_.Percent(50) ? open + rng_.Below(static_cast<uint32_t>(run)) : run;
        for (size_t k = 0; k < run; ++k) {
            if (k == open)
                Emit("/*");
            else if (k == close)
                Emit("*/");
            else
                Emit(Cat({Indent(), Cased("foo"), "(a)"}));
        }
        if (rng_.Percent(30))
            Emit("{");
    }

    void Hostile() {
        const uint32_t r = rng_.Below(100);
        if (rng_.Percent(mix_.longLines))
            LongLine();
        else if (r < 40)
            Emit(TokenLine(rng_.Between(1, 12)));
        else if (r < 55)
            Comment();
        else if (r < 65)
            Function();
        else if (r < 80)
            Emit(KeywordCall());
        else if (r < 85)
            CallRun();
        else
            Statement();
    }

    std::string Bytes() {
        std::string out;
        for (const std::string &line : lines_) {
            out += line;
            if (rng_.Percent(mix_.loneCr))
                out += '\r';
            else if (rng_.Percent(mix_.crlf))
                out += rng_.Percent(3) ? "\r\r\n" : "\r\n";
            else
                out += '\n';
        }
        if (!mix_.finalLineFeed) {
            while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
                out.pop_back();
        }
        for (uint32_t k = 0; k < mix_.nulBytes && !out.empty(); ++k)
            out[rng_.Below(static_cast<uint32_t>(out.size()))] = '\0';
        if (mix_.endMark) {
            const size_t at = rng_.Below(static_cast<uint32_t>(out.size() + 1));
            out.insert(at, 1, '\x1a');
        }
        return out;
    }

    Random rng_;
    size_t target_;
    Mix mix_;
    std::vector<std::string> lines_;
};

} // namespace

std::string GenerateSource(uint32_t seed, int lines) {
    return Generator(seed, lines).Run();
}

} // namespace veldo::test
