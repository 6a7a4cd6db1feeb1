// Blue Marble RSF files: a count line and one line of control points each.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "files/sidenames.h"
#include "files/sidetext.h"
#include "frame/report.h"
#include "platform/atomicfile.h"
#include "qvproj/files.h"

namespace QVProj {
namespace {

constexpr const char* kUnit = "RSFFile";
constexpr std::size_t kMaxLine = 255;
// The shortest point line: six one-character tokens and a newline.
constexpr std::uint64_t kMinPointLine = 12;

// The tokens of a line: separated by blanks, tabs, carriage returns or
// newlines; a token that starts with a single quote runs to the next one.
std::vector<std::string> Tokens(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    const std::size_t n = line.size();
    for (;;) {
        while (i < n && IsWhite(line[i])) ++i;
        if (i == n) return out;
        std::size_t end;
        if (line[i] == '\'') {
            end = line.find('\'', i + 1);
            if (end == std::string::npos) end = n;
            out.push_back(line.substr(i + 1, end - i - 1));
            i = end < n ? end + 1 : n;
        } else {
            end = i;
            while (end < n && !IsWhite(line[end])) ++end;
            out.push_back(line.substr(i, end - i));
            i = end;
        }
    }
}

// Reads the points into *pRef. True also when the file ends early or its
// count is unusable: nothing is read then. False when memory runs out.
bool ParseRsf(std::FILE* f, std::uint64_t size, GEOREF* pRef, unsigned int* pFlags) {
    LineReader lines(f, kMaxLine);
    std::string line;
    bool newline = false;
    if (!lines.Next(&line, &newline) || !newline) return true;
    std::vector<std::string> tokens = Tokens(line);
    const int count = tokens.size() >= 2 ? LeadingInteger(tokens[1].c_str()) : 0;
    if (count < 1) return true;
    // A point line has at least six tokens: a count the rest of the file
    // cannot hold reads as no points, without allocating for it.
    const std::uint64_t left = size > lines.Consumed() ? size - lines.Consumed() : 0;
    if (static_cast<std::uint64_t>(count) > left / kMinPointLine) return true;
    if (!RefAllocControls(pRef, count)) {
        QV_REPORT(QVERR_MEMORY);
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (lines.Next(&line, &newline) && newline) tokens = Tokens(line);
        if (!newline || tokens.size() < 6) {
            RefFreeControls(pRef);
            return true;
        }
        pRef->pSrcControls[i] = {LeadingNumber(tokens[1].c_str()),
                                 LeadingNumber(tokens[2].c_str())};
        pRef->pDstControls[i] = {LeadingNumber(tokens[4].c_str()),
                                 LeadingNumber(tokens[5].c_str())};
    }
    *pFlags |= SF_CONTROLS;
    pRef->Method = RefHelmert;
    return true;
}

bool ReadRsf(const char* pName, bool nameIsImage, GEOREF* pRef, unsigned int* pFlags) {
    DebugLog("QVProjReadBlueMarbleRSF(\"%s\")\n", pName ? pName : "(null)");
    if (pFlags) *pFlags = 0;
    if (pName == nullptr) {
        QV_REPORT(QVERR_BAD_PARAMETER);
        return false;
    }
    GEOREF ref{};
    unsigned int flags = 0;
    bool ok = true;
    try {
        std::uint64_t size = 0;
        FilePtr f = OpenSideFile(nameIsImage ? RsfFileName(pName) : pName, &size);
        if (!f) return true;
        ok = ParseRsf(f.get(), size, &ref, &flags);
    } catch (...) {
        QV_REPORT(QVERR_MEMORY);
        ok = false;
    }
    if (!ok || pRef == nullptr) RefFreeControls(&ref);
    if (!ok) return false;
    if (pRef) *pRef = ref;
    if (pFlags) *pFlags = flags | SF_FOUND;
    return true;
}

} // namespace

bool QVProjReadBlueMarbleRSF(const char* pName, GEOREF* pRef, unsigned int* pFlags) {
    return ReadRsf(pName, true, pRef, pFlags);
}

bool QVProjReadBlueMarbleRSFFile(const char* pRsfName, GEOREF* pRef, unsigned int* pFlags) {
    return ReadRsf(pRsfName, false, pRef, pFlags);
}

bool QVProjWriteBlueMarbleRSF(const char* pName, const GEOREF* pRef) {
    DebugLog("QVProjWriteBlueMarbleRSF(\"%s\")\n", pName ? pName : "(null)");
    if (pName == nullptr || pRef == nullptr) return false;
    GEOREF work = *pRef;
    bool made = false;
    if (work.Method == RefCoefficients || work.Method == RefNone || work.NumControls < 1 ||
        work.pSrcControls == nullptr || work.pDstControls == nullptr) {
        if (!RefCoeffToControls(&work, 0, 0)) return false;
        made = true;
    }
    bool ok = false;
    try {
        std::string text = "2 " + std::to_string(work.NumControls) + "\n";
        for (int i = 0; i < work.NumControls; ++i) {
            text += "'Point " + std::to_string(i) + "'";
            for (double v : {work.pSrcControls[i].x, work.pSrcControls[i].y})
                text += " " + FormatNumber(v);
            text += " 0.0";
            for (double v : {work.pDstControls[i].x, work.pDstControls[i].y})
                text += " " + FormatNumber(v);
            text += " 0.0 1\n";
        }
        ok = WriteFileAtomically(RsfFileName(pName).c_str(), text);
    } catch (...) {
        ok = false;
    }
    if (made) RefFreeControls(&work);
    return ok;
}

} // namespace QVProj
