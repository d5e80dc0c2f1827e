#include "scan/reference_scanner.h"

#include <cstddef>

namespace veldo::reference {
namespace {

constexpr size_t kReadChars = 599; // a 600-byte buffer less its terminator
constexpr size_t kWorkChars = 255; // the parameter work area of 256 bytes less its terminator
constexpr size_t npos = std::string::npos;

bool Contains(const std::string &text, std::string_view what) {
    return text.find(what) != npos;
}

// The prepared copy of one line. The flag is the scan's single block-comment
// state, carried from one prepared line to the next.
std::string Prepare(const std::string &text, bool &blockComment, bool blankQuotes) {
    std::string copy = text;

    for (char &c : copy) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }

    // Before the block comments: a "/*" or "*/" behind "//" is never seen.
    if (const size_t slashes = copy.find("//"); slashes != npos)
        copy.resize(slashes);

    if (Contains(copy, "/*") || blockComment) {
        blockComment = true;
        size_t start = copy.find("/*");
        if (start == npos)
            start = 0;
        if (copy.find("*/", start) != npos) {
            // Blank until no "*/" is left at or after start; the last blank
            // lands on the star of the last "*/", so its slash goes as well.
            size_t at = start;
            while (copy.find("*/", start) != npos) {
                copy[at] = ' ';
                ++at;
            }
            copy[at] = ' ';
            blockComment = false;
        } else {
            copy.resize(start);
        }
    }

    if (blankQuotes) {
        const size_t first = copy.find('"');
        if (first != npos) {
            const size_t last = copy.rfind('"');
            for (size_t k = first; k <= last; ++k)
                copy[k] = ' ';
        }
    }
    return copy;
}

// A keyword followed by "(", with only spaces between them. Only the first
// occurrence of each keyword counts.
bool HasKeywordCall(const std::string &copy) {
    static const char *const kKeywords[] = {"IF", "SWITCH", "CATCH", "EXCEPT", "WHILE", "PRINTF"};
    for (const char *keyword : kKeywords) {
        const size_t at = copy.find(keyword);
        if (at == npos)
            continue;
        size_t k = at + std::string_view(keyword).size();
        while (k < copy.size() && copy[k] == ' ')
            ++k;
        if (k < copy.size() && copy[k] == '(')
            return true;
    }
    return false;
}

bool HasOperator(const std::string &copy) {
    static const char *const kOperators[] = {"=", ">", "<", ";", "||", "&&", "#DEFINE", "#PRAGMA"};
    for (const char *op : kOperators) {
        if (Contains(copy, op))
            return true;
    }
    return false;
}

void MarkCandidates(const std::vector<std::string> &texts, std::vector<uint8_t> &marks) {
    const size_t count = texts.size();
    bool blockComment = false;
    size_t i = 1;
    while (i < count) {
        const std::string candidate = Prepare(texts[i], blockComment, true);
        if ((Contains(candidate, "{") && Contains(candidate, "}")) || !Contains(candidate, "(")) {
            ++i;
            continue;
        }

        // The look-ahead starts on the line above: it can reject the
        // candidate but its brace cannot accept it.
        size_t next = i + 1;
        for (size_t j = i - 1; j < count; ++j) {
            const std::string line = Prepare(texts[j], blockComment, false);
            if (HasKeywordCall(line) || HasOperator(line))
                break;
            if (Contains(line, "{") && j != i - 1) {
                marks[i] = 1;
                next = j + 1;
                break;
            }
        }
        i = next;
    }
}

// The display name of a header line, and whether a comma stands before it.
std::string ExtractName(const std::string &text, bool &commaBefore) {
    std::string copy = text;

    size_t cut = copy.find('(');
    if (cut == npos)
        cut = copy.size();
    // "char *f(" names f with its star; "int * (g)(" and "int *(g)(" take in
    // the parenthesised part.
    if ((cut > 0 && copy[cut - 1] == '*') || (cut >= 2 && copy[cut - 2] == '*')) {
        cut = copy.find(')', cut);
        if (cut == npos)
            cut = copy.size();
    }
    copy.resize(cut);

    size_t start = 0;
    if (cut > 0) {
        // Walk back over trailing spaces, then over the word before them.
        ptrdiff_t k = static_cast<ptrdiff_t>(cut) - 1;
        bool seenWord = false;
        while (k >= 0) {
            if (copy[static_cast<size_t>(k)] == ' ') {
                if (seenWord)
                    break;
            } else {
                seenWord = true;
            }
            --k;
        }
        start = static_cast<size_t>(k + 1);
    }

    commaBefore = copy.substr(0, start).find(',') != npos;
    return copy.substr(start);
}

bool IsBlankName(const std::string &name) {
    size_t k = 0;
    while (k < name.size() && static_cast<unsigned char>(name[k]) >= 1 &&
           static_cast<unsigned char>(name[k]) <= 32)
        ++k;
    return k == name.size();
}

// The tokens of a work copy: the text between commas, where commas before
// the first token and runs of commas produce no empty token.
std::vector<std::string> CommaTokens(const std::string &copy) {
    std::vector<std::string> tokens;
    std::string token;
    for (const char c : copy) {
        if (c != ',') {
            token.push_back(c);
            continue;
        }
        if (!token.empty())
            tokens.push_back(token);
        token.clear();
    }
    if (!token.empty())
        tokens.push_back(token);
    return tokens;
}

std::string WithoutLeadingControls(const std::string &token) {
    size_t k = 0;
    while (k < token.size() && static_cast<unsigned char>(token[k]) >= 1 &&
           static_cast<unsigned char>(token[k]) <= 32)
        ++k;
    return token.substr(k);
}

} // namespace

std::vector<std::string> ReadEntries(std::string_view fileBytes) {
    // What a text-mode stream delivers: no carriage returns, nothing from the
    // first character 26 on.
    std::string stream;
    for (const char c : fileBytes) {
        if (c == 26)
            break;
        if (c != '\r')
            stream.push_back(c);
    }

    std::vector<std::string> entries;
    size_t pos = 0;
    while (pos < stream.size()) {
        size_t taken = 0;
        while (taken < kReadChars && pos + taken < stream.size()) {
            const char c = stream[pos + taken];
            ++taken;
            if (c == '\n')
                break;
        }
        std::string read = stream.substr(pos, taken);
        pos += taken;
        // The entry keeps the read as a zero-terminated text: a NUL ends it,
        // though the read itself went on to its line feed.
        if (const size_t nul = read.find('\0'); nul != npos)
            read.resize(nul);
        entries.push_back(read);
    }
    return entries;
}

Result ReferenceScan(std::string_view fileBytes, int32_t cursorLine) {
    Result result;
    result.texts = ReadEntries(fileBytes);
    result.marks.assign(result.texts.size(), 0);

    MarkCandidates(result.texts, result.marks);

    int32_t listed = 0;
    result.selected = 0;
    for (size_t i = 0; i < result.texts.size(); ++i) {
        std::string &text = result.texts[i];
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        if (result.marks[i] == 0)
            continue;

        bool commaBefore = false;
        const std::string name = ExtractName(text, commaBefore);
        if (commaBefore || IsBlankName(name)) {
            result.marks[i] = 0;
        } else {
            result.names.push_back(name);
            ++listed;
        }

        // Compared as 64-bit: the cursor line may be any 32-bit value.
        if (static_cast<int64_t>(i) < static_cast<int64_t>(cursorLine))
            result.selected = listed - 1;
    }
    return result;
}

std::vector<std::string> ReferenceVariables(const Result &result, size_t headerIndex) {
    std::vector<std::string> items;
    bool metParenthesis = false;
    for (size_t i = headerIndex; i < result.texts.size(); ++i) {
        const std::string &text = result.texts[i];

        std::string copy;
        if (metParenthesis) {
            copy = text;
        } else {
            const size_t open = text.find('(');
            if (open == npos)
                continue;
            copy = text.substr(open);
            copy[0] = ' ';
            metParenthesis = true;
        }
        // Whatever does not fit the work area is never looked at: a ";",
        // "*/", "," or "{" beyond it does not count.
        if (copy.size() > kWorkChars)
            copy.resize(kWorkChars);

        if (Contains(copy, ";"))
            break;
        if (Contains(copy, "*/"))
            continue;

        const std::vector<std::string> tokens = CommaTokens(copy);
        if (tokens.empty())
            continue;
        for (size_t t = 0; t < tokens.size(); ++t) {
            const std::string v = WithoutLeadingControls(tokens[t]);
            const size_t needed = t == 0 ? 2 : 1;
            if (v.size() < needed)
                continue;
            std::string item = v;
            if (const size_t brace = item.find('{'); brace != npos)
                item.resize(brace);
            items.push_back(item);
        }

        if (Contains(copy, "{")) {
            if (items.empty())
                break;
            std::string &last = items.back();
            if (const size_t close = last.rfind(')'); close != npos)
                last[close] = ' ';
            break;
        }
    }
    return items;
}

std::vector<std::string> ReferenceDescription(const Result &result, size_t headerIndex) {
    bool found = false;
    size_t boundary = 0;
    for (size_t k = headerIndex; k > 0; --k) {
        const std::string &text = result.texts[k - 1];
        if (Contains(text, "}") || Contains(text, ";")) {
            found = true;
            boundary = k - 1;
            break;
        }
    }
    if (!found)
        return {kNoDescriptionText};

    std::vector<std::string> lines;
    for (size_t k = boundary + 1; k < headerIndex; ++k) {
        if (result.texts[k].size() >= 2)
            lines.push_back(result.texts[k]);
    }
    if (lines.empty())
        lines.push_back(kNoDescriptionText);
    return lines;
}

} // namespace veldo::reference
