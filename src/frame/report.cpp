// Error reports to the host's callback and internal assertions.
#include "frame/report.h"

#include <cstdio>
#include <cstring>

#include "qvlibw/qvlibw.h"

namespace QVProj {
namespace {

constexpr const char* kModuleName = "QVProj";
constexpr const char* kHelpFile = "SUBSYS.HLP";
constexpr const char* kNoMessage = "Failed loading error message!";
constexpr int kAnswerDetails = 1;
constexpr int kAnswerCancelled = 3;

// The formatted assertion text; shared by every thread, as the host expects.
char g_assertText[256];

void StartRecord(_QVERRINFO& info, int error) {
    std::memset(&info, 0, sizeof info);
    info.Flags = 0;
    info.ErrorNumber = static_cast<uint16_t>(error);
    info.Fixed133 = 133;
    info.Fixed2 = 2;
}

void FillDetails(_QVERRINFO& info, const char* pUnit, int line, const char* pMessage) {
    info.Reserved = 0;
    info.pModule = kModuleName;
    info.pSource = pUnit;
    info.Line = line;
    info.pMessage = pMessage;
    info.pHelpFile = kHelpFile;
    info.Flags |= QVERR_DETAIL;
}

QVERRORFUNC HostCallback() {
    QVCallerInstance* pInstance = QVGetCallerInstancePtr();
    return pInstance ? pInstance->GetErrorFunc() : nullptr;
}

} // namespace

bool ReportError(const char* pUnit, int line, int error, const char* pMessage) {
    QVERRORFUNC func = HostCallback();
    if (func == nullptr) return false;

    _QVERRINFO info;
    StartRecord(info, error);
    int answer = func(&info);
    if (answer == kAnswerDetails) {
        char buffer[256];
        const char* text = pMessage;
        if (text == nullptr || text[0] == '\0') {
            const char* catalogue = CatalogueText(error);
            std::snprintf(buffer, sizeof buffer, "%s", catalogue ? catalogue : kNoMessage);
            text = buffer;
        }
        FillDetails(info, pUnit, line, text);
        answer = func(&info);
    }
    return answer != kAnswerCancelled;
}

bool ReportAssertion(const char* pUnit, int line) {
    QVCallerInstance* pInstance = QVGetCallerInstancePtr();
    DebugLog("ASSERTION FAILED\n");
    if (pUnit == nullptr || pUnit[0] == '\0' || line < 0) return false;
    DebugLog("FILE \"%s\", LINE %d\n", pUnit, line);

    _QVERRINFO info;
    StartRecord(info, QVERR_INTERNAL);
    QVERRORFUNC func = pInstance ? pInstance->GetErrorFunc() : nullptr;
    if (func == nullptr) return false;
    if (func(&info) == kAnswerDetails) {
        std::snprintf(g_assertText, sizeof g_assertText,
                      "QVProj.DLL Internal Error.  Assertion failed in %s, line %d.", pUnit, line);
        FillDetails(info, pUnit, line, g_assertText);
        func(&info);
    }
    return false;
}

} // namespace QVProj
