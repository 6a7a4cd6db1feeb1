// Reader and writer of one section of an initialisation file.
#include "datum/profile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "frame/text.h"
#include "platform/atomicfile.h"

namespace QVProj {
namespace {

struct Line {
    std::size_t begin; // first byte
    std::size_t end;   // end of the content (before "\r\n" or "\n")
    std::size_t next;  // first byte of the next line
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t next = nl == std::string::npos ? text.size() : nl + 1;
        std::size_t end = nl == std::string::npos ? text.size() : nl;
        if (end > pos && text[end - 1] == '\r') --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// A line's content cut at a NUL byte, without blanks at either end.
std::string Trimmed(const std::string& text, const Line& l) {
    std::string s = text.substr(l.begin, l.end - l.begin);
    std::size_t nul = s.find('\0');
    if (nul != std::string::npos) s.resize(nul);
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// The section name of a header line, or false when the line is no header.
bool HeaderName(const std::string& trimmed, std::string* pName) {
    if (trimmed.empty() || trimmed[0] != '[') return false;
    std::size_t close = trimmed.find(']');
    std::string name =
        trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    std::size_t b = 0, e = name.size();
    while (b < e && IsBlank(name[b])) ++b;
    while (e > b && IsBlank(name[e - 1])) --e;
    *pName = name.substr(b, e - b);
    return true;
}

bool IsEntry(const std::string& trimmed) {
    return !trimmed.empty() && trimmed[0] != ';';
}

// Index of the header line of the section, or lines.size().
std::size_t FindHeader(const std::string& text, const std::vector<Line>& lines,
                       const char* section) {
    std::string name;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (HeaderName(Trimmed(text, lines[i]), &name) && EqualsIgnoreCase(name.c_str(), section))
            return i;
    return lines.size();
}

} // namespace

ProfileSection ParseProfileSection(const std::string& text, const char* section) {
    ProfileSection out;
    if (section == nullptr) return out;
    std::vector<Line> lines = SplitLines(text);
    std::size_t used = 1; // the list's closing NUL
    std::string name;
    for (std::size_t i = FindHeader(text, lines, section) + 1; i < lines.size(); ++i) {
        std::string t = Trimmed(text, lines[i]);
        if (HeaderName(t, &name)) break;
        if (!IsEntry(t)) continue;
        if (out.truncated ||
            used + t.size() + 1 > static_cast<std::size_t>(kProfileSectionBufSize)) {
            out.truncated = true;
            continue;
        }
        used += t.size() + 1;
        out.entries.push_back(t);
    }
    return out;
}

std::string ReplaceProfileSection(const std::string& text, const char* section,
                                  const std::vector<std::string>& entries) {
    const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::string body;
    for (const std::string& e : entries) body += e + eol;
    std::vector<Line> lines = SplitLines(text);
    std::size_t h = FindHeader(text, lines, section);
    if (h == lines.size()) {
        std::string out = text;
        if (!out.empty() && out.back() != '\n') out += eol;
        return out + "[" + section + "]" + eol + body;
    }
    // The entries end at the last entry line before the next header.
    std::size_t cut = lines[h].next;
    std::string name;
    for (std::size_t i = h + 1; i < lines.size(); ++i) {
        std::string t = Trimmed(text, lines[i]);
        if (HeaderName(t, &name)) break;
        if (IsEntry(t)) cut = lines[i].next;
    }
    std::string out = text.substr(0, lines[h].next);
    if (lines[h].next == lines[h].end) out += eol; // header on the last line, no line feed
    out += body;
    out.append(text, cut, std::string::npos);
    return out;
}

bool ReadProfileSection(const char* path, const char* section, ProfileSection* pOut) {
    if (path == nullptr || section == nullptr || pOut == nullptr) return false;
    *pOut = ProfileSection();
    std::FILE* f = std::fopen(path, "rb");
    if (f == nullptr) {
        std::error_code ec;
        return !std::filesystem::exists(path, ec) && !ec;
    }
    std::string text;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    if (!ok) return false;
    *pOut = ParseProfileSection(text, section);
    return true;
}

bool WriteProfileSection(const char* path, const char* section,
                         const std::vector<std::string>& entries) {
    if (path == nullptr || section == nullptr || path[0] == '\0') return false;
    // An entry must read back as itself: one line, not a header or a comment,
    // with no blank at either end.
    for (const std::string& e : entries) {
        if (e.empty() || e.find_first_of(std::string("\r\n\0", 3)) != std::string::npos ||
            e[0] == '[' || e[0] == ';' || IsBlank(e[0]) || IsBlank(e.back()))
            return false;
    }
    std::string text;
    if (std::FILE* f = std::fopen(path, "rb")) {
        char buf[65536];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        bool ok = !std::ferror(f);
        std::fclose(f);
        if (!ok) return false;
    } else {
        std::error_code ec;
        if (std::filesystem::exists(path, ec) || ec) return false;
    }
    return WriteFileAtomically(path, ReplaceProfileSection(text, section, entries));
}

} // namespace QVProj
