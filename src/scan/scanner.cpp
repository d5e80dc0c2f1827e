#include "scan/scanner.h"

#include <algorithm>
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

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether s[i..n) starts with word, letters compared as upper case.
bool WordAt(const char *s, size_t n, size_t i, std::string_view word) {
    if (n - i < word.size())
        return false;
    for (size_t k = 0; k < word.size(); ++k) {
        if (Upper(s[i + k]) != word[k])
            return false;
    }
    return true;
}

// The look-ahead's rules for one line as prepared (letters are compared as
// upper case, so an unprepared line without comments can be judged as it
// stands): the first occurrence of a keyword directly followed, over spaces
// only, by "(", or any operator, rejects; otherwise "{" is the brace that may
// end a header. One pass over the line.
Verdict Judge(const char *s, size_t n) {
    // Most lines that reach here are statements: settle those at once.
    if (s[n] == '\0' && std::strpbrk(s, "=<>;"))
        return Verdict::Reject;
    static constexpr std::string_view kKeywords[] = {"IF", "SWITCH", "CATCH", "EXCEPT", "WHILE", "PRINTF"};
    unsigned seen = 0;
    bool brace = false;
    for (size_t i = 0; i < n; ++i) {
        int keyword = -1;
        switch (s[i]) {
        case '=':
        case '>':
        case '<':
        case ';':
            return Verdict::Reject;
        case '|':
        case '&':
            if (i + 1 < n && s[i + 1] == s[i])
                return Verdict::Reject;
            break;
        case '#':
            if (WordAt(s, n, i + 1, "DEFINE") || WordAt(s, n, i + 1, "PRAGMA"))
                return Verdict::Reject;
            break;
        case '{':
            brace = true;
            break;
        case 'I': case 'i': keyword = 0; break;
        case 'S': case 's': keyword = 1; break;
        case 'C': case 'c': keyword = 2; break;
        case 'E': case 'e': keyword = 3; break;
        case 'W': case 'w': keyword = 4; break;
        case 'P': case 'p': keyword = 5; break;
        default:
            break;
        }
        if (keyword < 0 || (seen & (1u << keyword)) || !WordAt(s, n, i, kKeywords[keyword]))
            continue;
        // Only a keyword's first occurrence on the line is looked at.
        seen |= 1u << keyword;
        size_t q = i + kKeywords[keyword].size();
        while (q < n && s[q] == ' ')
            ++q;
        if (q < n && s[q] == '(')
            return Verdict::Reject;
    }
    return brace ? Verdict::Brace : Verdict::Neutral;
}

struct Step {
    Verdict verdict;
    bool flagOut;
};

Step JudgeLine(const char *text, bool flag) {
    // Outside a block comment a line without "/" prepares to itself.
    if (!flag && !std::strchr(text, '/'))
        return {Judge(text, std::min(std::strlen(text), kMaxLineChars)), false};
    char work[kMaxLineChars + 1];
    const size_t n = PrepareLine(text, work, flag, false);
    return {Judge(work, n), flag};
}

// Whether line text is a candidate header: its prepared copy (quotes
// blanked) has a "(" and not both braces. Updates the block-comment flag.
bool IsCandidate(const char *text, bool &flag) {
    std::string_view copy;
    char work[kMaxLineChars + 1];
    if (!flag && !std::strpbrk(text, "/\"")) {
        copy = std::string_view(text, std::min(std::strlen(text), kMaxLineChars));
    } else if (flag && !std::strchr(text, '*')) {
        return false; // still inside the comment: the copy is empty
    } else {
        copy = std::string_view(work, PrepareLine(text, work, flag, true));
    }
    if (copy.find('(') == std::string_view::npos)
        return false;
    return copy.find('{') == std::string_view::npos || copy.find('}') == std::string_view::npos;
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
            if (const uint32_t known = memo_[f][static_cast<size_t>(j)]) {
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
        const uint32_t code = Encode(out);
        for (const auto &[line, flag] : path_)
            memo_[flag][static_cast<size_t>(line)] = code;
        return out;
    }

private:
    // The loader caps the entry array at 2^31 bytes, so a line index needs
    // fewer than 29 bits.
    static_assert(sizeof(FunctionEntry) >= 8);
    static uint32_t Encode(const Outcome &o) {
        return static_cast<uint32_t>(o.at) << 3 | uint32_t{o.flagOut} << 2 | o.kind;
    }
    static Outcome Decode(uint32_t code) {
        return {static_cast<Kind>(code & 3), static_cast<int32_t>(code >> 3), (code & 4) != 0};
    }

    const FunctionTable &table_;
    std::vector<uint32_t> memo_[2];
    std::vector<std::pair<int32_t, bool>> path_;
};

} // namespace

size_t PrepareLine(const char *text, char *work, bool &blockComment, bool blankQuotes) {
    size_t n = std::min(std::strlen(text), kMaxLineChars);
    for (size_t i = 0; i < n; ++i)
        work[i] = Upper(text[i]);
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
    int32_t i = 1;
    while (i < table.Count) {
        table.Current = &table.Entries[i];
        if (!IsCandidate(TextOf(*table.Current), flag)) {
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
