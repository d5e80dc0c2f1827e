#include "scan/scanner.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace veldo {
namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Position of the last occurrence of two characters starting at or after from.
size_t FindLastPair(const char *s, size_t n, size_t from, char a, char b) {
    for (size_t p = n; p >= from + 2; --p) {
        if (s[p - 2] == a && s[p - 1] == b)
            return p - 2;
    }
    return std::string_view::npos;
}

constexpr std::array<uint8_t, 256> kClassOf = [] {
    std::array<uint8_t, 256> table{};
    table['('] = kLineHasParen;
    table['/'] = kLineHasSlash;
    table['"'] = kLineHasQuote;
    table['{'] = kLineHasOpenBrace;
    table['}'] = kLineHasCloseBrace;
    for (unsigned char c : std::string_view("=<>;"))
        table[c] = kLineHasOperator;
    for (unsigned char c : std::string_view("|&#"))
        table[c] = kLineHasPairStart;
    return table;
}();

enum class Verdict : uint8_t { Neutral, Reject, Brace };

constexpr std::string_view kKeywords[] = {"IF", "SWITCH", "CATCH", "EXCEPT", "WHILE", "PRINTF"};

// The keyword, if any, whose first letter is c in either case.
constexpr std::array<int8_t, 256> kKeywordStartingWith = [] {
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (int8_t k = 0; k < static_cast<int8_t>(std::size(kKeywords)); ++k) {
        const auto first = static_cast<unsigned char>(kKeywords[k][0]);
        table[first] = k;
        table[first - 'A' + 'a'] = k;
    }
    return table;
}();

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

// The look-ahead's rules for one line as prepared, given the line's classes:
// the first occurrence of a keyword directly followed, over spaces only, by
// "(", or any operator, rejects; otherwise "{" is the brace that may end a
// header. Letters are compared as upper case, so a line that prepares to
// itself can be judged as it stands.
Verdict Judge(const char *s, size_t n, uint8_t classes) {
    if (classes & kLineHasOperator)
        return Verdict::Reject;
    // A keyword rejects only before a "(", the other operators begin with
    // "|", "&" or "#": without those, only the brace is left to look for.
    if (!(classes & (kLineHasParen | kLineHasPairStart)))
        return classes & kLineHasOpenBrace ? Verdict::Brace : Verdict::Neutral;

    unsigned seen = 0;
    for (size_t i = 0; i < n; ++i) {
        const char c = s[i];
        if ((c == '|' || c == '&') && i + 1 < n && s[i + 1] == c)
            return Verdict::Reject;
        if (c == '#' && (WordAt(s, n, i + 1, "DEFINE") || WordAt(s, n, i + 1, "PRAGMA")))
            return Verdict::Reject;
        const int keyword = kKeywordStartingWith[static_cast<unsigned char>(c)];
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
    return classes & kLineHasOpenBrace ? Verdict::Brace : Verdict::Neutral;
}

struct Step {
    Verdict verdict;
    bool flagOut;
};

size_t Prepare(const char *text, size_t length, char *work, bool &blockComment, bool blankQuotes);

Step JudgeLine(const char *text, LineInfo line, bool flag) {
    // Without a "/" a line can neither open nor close a comment: outside one
    // it prepares to itself, inside one to nothing.
    if (!(line.classes & kLineHasSlash))
        return flag ? Step{Verdict::Neutral, true} : Step{Judge(text, line.length, line.classes), false};
    char work[kMaxLineChars + 1];
    const size_t n = Prepare(text, line.length, work, flag, false);
    return {Judge(work, n, ClassifyLine(work, n)), flag};
}

// Whether a line is a candidate header: its prepared copy (quotes blanked)
// has a "(" and not both braces. Updates the block-comment flag.
bool IsCandidate(const char *text, LineInfo line, bool &flag) {
    uint8_t classes = line.classes;
    if (!flag && !(classes & (kLineHasSlash | kLineHasQuote))) {
        // The copy is the line itself.
    } else if (flag && !(classes & kLineHasSlash)) {
        return false; // still inside the comment: the copy is empty
    } else {
        char work[kMaxLineChars + 1];
        classes = ClassifyLine(work, Prepare(text, line.length, work, flag, true));
    }
    constexpr uint8_t kBothBraces = kLineHasOpenBrace | kLineHasCloseBrace;
    return (classes & kLineHasParen) && (classes & kBothBraces) != kBothBraces;
}

// Where a look-ahead that reaches line j with block-comment flag f ends up.
// Beyond the line before the candidate this depends on (j, f) alone, which
// is what makes the pass linear: a walk that runs long records its outcome
// for every (line, flag) it passed, so no later walk crosses them again.
// Short walks are cheaper to repeat than to record.
class LookAhead {
public:
    enum Kind : uint32_t { kUnknown = 0, kReject = 1, kAccept = 2, kEnd = 3 };
    struct Outcome {
        Kind kind;
        int32_t at;   // the deciding line (Count at the end)
        bool flagOut; // the flag after the last line prepared
    };

    LookAhead(const FunctionTable &table, const LineInfo *lines) : table_(table), lines_(lines) {}

    Outcome From(int32_t j, bool f) {
        path_.clear();
        Outcome out{};
        for (int steps = 0;; ++steps) {
            if (j >= table_.Count) {
                out = {kEnd, table_.Count, f};
                break;
            }
            if (const uint32_t known = Recorded(j, f)) {
                out = Decode(known);
                break;
            }
            if (steps >= kShortWalk)
                path_.push_back({j, f});
            const Step step = JudgeLine(TextOf(table_.Entries[j]), lines_[j], f);
            if (step.verdict != Verdict::Neutral) {
                out = {step.verdict == Verdict::Reject ? kReject : kAccept, j, step.flagOut};
                break;
            }
            f = step.flagOut;
            ++j;
        }
        if (!path_.empty()) {
            const uint32_t code = Encode(out);
            for (const auto &[line, flag] : path_)
                Record(line, flag, code);
        }
        return out;
    }

private:
    static constexpr int kShortWalk = 8;
    static constexpr int kPageBits = 12;
    using Page = std::unique_ptr<uint32_t[]>;

    uint32_t Recorded(int32_t j, bool f) const {
        const auto page = static_cast<size_t>(j) >> kPageBits;
        const auto &pages = pages_[f];
        return page < pages.size() && pages[page] ? pages[page][j & ((1 << kPageBits) - 1)] : 0;
    }
    void Record(int32_t j, bool f, uint32_t code) {
        const auto page = static_cast<size_t>(j) >> kPageBits;
        auto &pages = pages_[f];
        if (page >= pages.size())
            pages.resize(page + 1);
        if (!pages[page])
            pages[page] = Page(new uint32_t[size_t{1} << kPageBits]());
        pages[page][j & ((1 << kPageBits) - 1)] = code;
    }

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
    const LineInfo *lines_;
    std::vector<Page> pages_[2];
    std::vector<std::pair<int32_t, bool>> path_;
};

} // namespace

uint8_t ClassifyLine(const char *text, size_t length) {
    // Four independent chains, so the lookups do not wait on each other.
    uint8_t a = 0, b = 0, c = 0, d = 0;
    const auto *s = reinterpret_cast<const unsigned char *>(text);
    size_t i = 0;
    for (; i + 4 <= length; i += 4) {
        a |= kClassOf[s[i]];
        b |= kClassOf[s[i + 1]];
        c |= kClassOf[s[i + 2]];
        d |= kClassOf[s[i + 3]];
    }
    for (; i < length; ++i)
        a |= kClassOf[s[i]];
    return static_cast<uint8_t>(a | b | c | d);
}

size_t PrepareLine(const char *text, char *work, bool &blockComment, bool blankQuotes) {
    return Prepare(text, std::strlen(text), work, blockComment, blankQuotes);
}

namespace {

size_t Prepare(const char *text, size_t length, char *work, bool &blockComment, bool blankQuotes) {
    size_t n = std::min(length, kMaxLineChars);
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

} // namespace

void MarkCandidates(FunctionTable &table, const LineInfo *lines) {
    std::vector<LineInfo> described;
    if (!lines) {
        described.resize(static_cast<size_t>(table.Count));
        for (int32_t i = 0; i < table.Count; ++i) {
            const char *text = TextOf(table.Entries[i]);
            described[static_cast<size_t>(i)] =
                DescribeLine(text, std::min(std::strlen(text), kMaxLineChars));
        }
        lines = described.data();
    }
    LookAhead lookAhead(table, lines);
    bool flag = false;
    int32_t i = 1;
    while (i < table.Count) {
        table.Current = &table.Entries[i];
        if (!IsCandidate(TextOf(*table.Current), lines[i], flag)) {
            ++i;
            continue;
        }
        // The line before the candidate can reject it but its "{" cannot accept it.
        const Step before = JudgeLine(TextOf(table.Entries[i - 1]), lines[i - 1], flag);
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

std::string_view TrimLeadingControls(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32)
        ++i;
    return text.substr(i);
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
        if (comma || TrimLeadingControls(name).empty()) {
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
