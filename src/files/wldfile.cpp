// ESRI world files: six affine coefficients, one per line.
#include <cstdint>
#include <cstdio>
#include <string>

#include "files/sidenames.h"
#include "files/sidetext.h"
#include "frame/report.h"
#include "platform/atomicfile.h"
#include "qvproj/files.h"

namespace QVProj {
namespace {

constexpr const char* kUnit = "WLDFile";
constexpr std::size_t kMaxLine = 255;

// Reads the six lines A, D, B, E, C, F into *pRef; a missing line leaves the
// record zeroed.
void ParseWorld(std::FILE* f, GEOREF* pRef, unsigned int* pFlags) {
    LineReader lines(f, kMaxLine);
    std::string line;
    double v[6];
    for (double& value : v) {
        bool newline = false;
        if (!lines.Next(&line, &newline) || !newline) return;
        value = LeadingNumber(line.c_str());
    }
    pRef->A = v[0];
    pRef->D = v[1];
    pRef->B = v[2];
    pRef->E = v[3];
    pRef->C = v[4];
    pRef->F = v[5];
    pRef->Method = RefCoefficients;
    *pFlags |= SF_COEFFICIENTS;
}

bool ReadWorld(const char* pName, bool nameIsImage, GEOREF* pRef, unsigned int* pFlags) {
    DebugLog("QVProjReadESRIWorld(\"%s\")\n", pName ? pName : "(null)");
    if (pFlags) *pFlags = 0;
    if (pName == nullptr) {
        QV_REPORT(QVERR_BAD_PARAMETER);
        return false;
    }
    try {
        FilePtr f;
        std::uint64_t size = 0;
        if (nameIsImage) {
            for (const std::string& name : WorldFileReadNames(pName))
                if ((f = OpenSideFile(name, &size))) break;
        } else {
            f = OpenSideFile(pName, &size);
        }
        if (!f) return true;
        GEOREF ref{};
        unsigned int flags = SF_FOUND;
        ParseWorld(f.get(), &ref, &flags);
        if (pRef) *pRef = ref;
        if (pFlags) *pFlags = flags;
        return true;
    } catch (...) {
        QV_REPORT(QVERR_MEMORY);
        return false;
    }
}

} // namespace

bool QVProjReadESRIWorld(const char* pName, GEOREF* pRef, unsigned int* pFlags) {
    return ReadWorld(pName, true, pRef, pFlags);
}

bool QVProjReadESRIWorldFile(const char* pWorldName, GEOREF* pRef, unsigned int* pFlags) {
    return ReadWorld(pWorldName, false, pRef, pFlags);
}

bool QVProjWriteESRIWorld(const char* pName, const GEOREF* pRef) {
    DebugLog("QVProjWriteESRIWorld(\"%s\")\n", pName ? pName : "(null)");
    if (pName == nullptr || pRef == nullptr) return false;
    GEOREF work = *pRef;
    if (work.Method != RefCoefficients && !RefControlsToCoeff(&work)) return false;
    try {
        std::string text;
        for (double v : {work.A, work.D, work.B, work.E, work.C, work.F})
            text += FormatNumber(v) + "\n";
        return WriteFileAtomically(WorldFileName(pName).c_str(), text);
    } catch (...) {
        return false;
    }
}

} // namespace QVProj
