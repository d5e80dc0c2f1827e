#include "scan/scanner.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace veldo {
namespace {

const char *TextOf(const FunctionEntry &entry) { return entry.Text ? entry.Text : ""; }

// Position of the last occurrence of two characters starting at or after from.
size_t FindLastPair(const char *s, size_t n, size_t from, char a, char b) {
    for (size_t p = n; p >= from + 2; --p) {
        if (s[p - 2] == a && s[p - 1] == b)
            return p - 2;
    }
    return std::string_view::npos;
}

enum class Verdict : uint8_t { Neutral, Reject, Brace };

// The look-ahead's rules for one prepared line: a keyword directly followed
// (over spaces only) by "(", or an operator, rejects; otherwise "{" is the
// brace that may end a header.
Verdict Judge(std::string_view copy) {
    static constexpr std::string_view kKeywords[] = {"IF", "SWITCH", "CATCH", "EXCEPT", "WHILE", "PRINTF"};
    static constexpr std::string_view kOperators[] = {"=", ">", "<", ";", "||", "&&", "#DEFINE", "#PRAGMA"};
    for (std::string_view keyword : kKeywords) {
        size_t q = copy.find(keyword);
        if (q == std::string_view::npos)
            continue;
        q += keyword.size();
        while (q < copy.size() && copy[q] == ' ')
            ++q;
        if (q < copy.size() && copy[q] == '(')
            return Verdict::Reject;
    }
    for (std::string_view op : kOperators) {
        if (copy.find(op) != std::string_view::npos)
            return Verdict::Reject;
    }
    return copy.find('{') != std::string_view::npos ? Verdict::Brace : Verdict::Neutral;
}

struct Step {
    Verdict verdict;
    bool flagOut;
};

Step JudgeLine(const char *text, bool flag) {
    char work[kMaxLineChars + 1];
    const size_t n = PrepareLine(text, work, flag, false);
    return {Judge(std::string_view(work, n)), flag};
}

// Where a look-ahead that reaches line j with block-comment flag f ends up.
// Beyond the line before the candidate this depends on (j, f) alone, which
// is what makes the pass linear: every (line, flag) pair is judged at most
// once however many candidates' look-aheads cross it.
class LookAhead {
public:
    enum Kind : uint32_t { kUnknown = 0, kReject = 1, kAccept = 2, kEnd = 3 };
    struct Outcome {
        Kind kind;
        int32_t at;   // the deciding line (Count at the end)
        bool flagOut; // the flag after the last line prepared
    };

    explicit LookAhead(const FunctionTable &table) : table_(table) {
        for (auto &m : memo_)
            m.assign(static_cast<size_t>(table.Count), 0);
    }

    Outcome From(int32_t j, bool f) {
        path_.clear();
        Outcome out{};
        for (;;) {
            if (j >= table_.Count) {
                out = {kEnd, table_.Count, f};
                break;
            }
            if (const uint64_t known = memo_[f][static_cast<size_t>(j)]) {
                out = Decode(known);
                break;
            }
            path_.push_back({j, f});
            const Step step = JudgeLine(TextOf(table_.Entries[j]), f);
            if (step.verdict == Verdict::Reject) {
                out = {kReject, j, step.flagOut};
                break;
            }
            if (step.verdict == Verdict::Brace) {
                out = {kAccept, j, step.flagOut};
                break;
            }
            f = step.flagOut;
            ++j;
        }
        const uint64_t code = Encode(out);
        for (const auto &[line, flag] : path_)
            memo_[flag][static_cast<size_t>(line)] = code;
        return out;
    }

private:
    static uint64_t Encode(const Outcome &o) {
        return uint64_t{static_cast<uint32_t>(o.at)} << 3 | uint64_t{o.flagOut} << 2 | o.kind;
    }
    static Outcome Decode(uint64_t code) {
        return {static_cast<Kind>(code & 3), static_cast<int32_t>(code >> 3), (code & 4) != 0};
    }

    const FunctionTable &table_;
    std::vector<uint64_t> memo_[2];
    std::vector<std::pair<int32_t, bool>> path_;
};

} // namespace

size_t PrepareLine(const char *text, char *work, bool &blockComment, bool blankQuotes) {
    size_t n = 0;
    for (; n < kMaxLineChars && text[n]; ++n) {
        const char c = text[n];
        work[n] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    work[n] = '\0';

    std::string_view copy(work, n);
    if (const size_t cut = copy.find("//"); cut != std::string_view::npos)
        n = cut;

    copy = std::string_view(work, n);
    const size_t open = copy.find("/*");
    if (open != std::string_view::npos || blockComment) {
        blockComment = true;
        const size_t p = open != std::string_view::npos ? open : 0;
        const size_t close = FindLastPair(work, n, p, '*', '/');
        if (close != std::string_view::npos) {
            std::memset(work + p, ' ', close + 2 - p);
            blockComment = false;
        } else {
            n = p;
        }
    }
    work[n] = '\0';

    if (blankQuotes) {
        copy = std::string_view(work, n);
        const size_t first = copy.find('"');
        if (first != std::string_view::npos) {
            const size_t last = copy.rfind('"');
            std::memset(work + first, ' ', last + 1 - first);
        }
    }
    return n;
}

void MarkCandidates(FunctionTable &table) {
    LookAhead lookAhead(table);
    bool flag = false;
    char work[kMaxLineChars + 1];
    int32_t i = 1;
    while (i < table.Count) {
        table.Current = &table.Entries[i];
        const std::string_view copy(work, PrepareLine(TextOf(*table.Current), work, flag, true));
        const bool bothBraces =
            copy.find('{') != std::string_view::npos && copy.find('}') != std::string_view::npos;
        if (bothBraces || copy.find('(') == std::string_view::npos) {
            ++i;
            continue;
        }
        // The line before the candidate can reject it but its "{" cannot accept it.
        const Step before = JudgeLine(TextOf(table.Entries[i - 1]), flag);
        flag = before.flagOut;
        if (before.verdict == Verdict::Reject) {
            ++i;
            continue;
        }
        const LookAhead::Outcome out = lookAhead.From(i, flag);
        flag = out.flagOut;
        if (out.kind == LookAhead::kAccept) {
            table.Entries[i].IsFunction = 1;
            i = out.at + 1;
        } else {
            ++i;
        }
    }
}

std::string ExtractName(const char *text, bool *commaBeforeName) {
    const std::string_view copy(text);
    size_t k = copy.find('(');
    if (k == std::string_view::npos)
        k = copy.size();
    if ((k > 0 && copy[k - 1] == '*') || (k >= 2 && copy[k - 2] == '*')) {
        const size_t close = k < copy.size() ? copy.find(')', k + 1) : std::string_view::npos;
        k = close != std::string_view::npos ? close : copy.size();
    }
    size_t start = k;
    while (start > 0 && copy[start - 1] == ' ')
        --start;
    while (start > 0 && copy[start - 1] != ' ')
        --start;
    if (commaBeforeName)
        *commaBeforeName = copy.substr(0, start).find(',') != std::string_view::npos;
    return std::string(copy.substr(start, k - start));
}

int32_t ListFunctions(FunctionTable &table, int32_t cursorLine, ListItems &functions) {
    int32_t listed = 0;
    int32_t selected = 0;
    for (int32_t i = 0; i < table.Count; ++i) {
        FunctionEntry &entry = *(table.Current = &table.Entries[i]);
        if (entry.Text) {
            const size_t len = std::strlen(entry.Text);
            if (len > 0 && entry.Text[len - 1] == '\n')
                entry.Text[len - 1] = '\0';
        }
        if (!entry.IsFunction)
            continue;
        bool comma = false;
        const std::string name = ExtractName(TextOf(entry), &comma);
        size_t first = 0;
        while (first < name.size() && static_cast<unsigned char>(name[first]) <= 32)
            ++first;
        if (comma || first == name.size()) {
            entry.IsFunction = 0;
        } else {
            functions.Add(name);
            ++listed;
        }
        if (i < cursorLine)
            selected = listed - 1;
    }
    return selected;
}

} // namespace veldo
