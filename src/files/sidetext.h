// Text helpers of the side-file readers and writers: lines, numbers in the
// "C" locale whatever locale the host has set, and label comparison.
#ifndef QVPROJ_FILES_SIDETEXT_H
#define QVPROJ_FILES_SIDETEXT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace QVProj {

// A file that closes itself.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a side file for reading: the file `path` names, exactly or ignoring
// case (FindPathIgnoringCase). Null when there is none or it cannot be
// opened; *pSize gets its size.
FilePtr OpenSideFile(const std::string& path, std::uint64_t* pSize);

// Reads a text file line by line.
class LineReader {
public:
    // Lines keep at most maxChars characters.
    LineReader(std::FILE* f, std::size_t maxChars) : f_(f), max_(maxChars) {}

    // The next line: the characters up to a newline or the end of the file,
    // without carriage returns, cut at a zero byte, and of at most maxChars
    // characters (the rest of a longer line is skipped). False at the end of
    // the file. *pNewline (may be null) tells whether a newline ended it.
    bool Next(std::string* pLine, bool* pNewline = nullptr);
    // Bytes of the file read so far.
    std::uint64_t Consumed() const { return consumed_; }

private:
    std::FILE* f_;
    std::size_t max_;
    std::uint64_t consumed_ = 0;
};

// Blank, tab, carriage return, newline, vertical tab, form feed.
inline bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
const char* SkipWhite(const char* p);
// The text without white space at either end.
std::string TrimWhite(const std::string& s);

// The decimal number at the start of `s` (after white space) as the C
// library's strtod reads it: sign, digits with a point, exponent, "inf",
// "infinity" and "nan" in any case. Numbers beyond the double range become
// infinities, numbers below it zeros. Returns the characters used; 0 when
// there is no number, and *pValue is then 0.
std::size_t ParseNumber(const char* s, double* pValue);
// The value of ParseNumber (0 without a number).
double LeadingNumber(const char* s);
// The decimal integer at the start of `s` (after white space): sign and
// digits, limited to the int range; 0 without one.
int LeadingInteger(const char* s);

// A number as "%.15G" prints it in the "C" locale.
std::string FormatNumber(double v);

// True when `s` begins with `prefix`, ignoring the case of letters.
bool StartsWithIgnoringCase(const char* s, const char* prefix);

// True when the n characters at `text` equal `label`, ignoring the case of
// letters and all white space.
bool SameLabel(const char* text, std::size_t n, const char* label);

} // namespace QVProj

#endif
