// Captures the errors the library hands to the host's callback.
#ifndef QVPROJ_TESTS_DATUM_REPORTS_H
#define QVPROJ_TESTS_DATUM_REPORTS_H

#include <string>
#include <vector>

#include "qvlibw/qvlibw.h"

struct SeenReport {
    int number;
    std::string unit;
};

inline std::vector<SeenReport>& Reports() {
    static std::vector<SeenReport> seen;
    return seen;
}

inline int CaptureReport(const _QVERRINFO* p) {
    if (p->Flags & QVERR_DETAIL)
        Reports().push_back({p->ErrorNumber, p->pSource ? p->pSource : ""});
    return 1;
}

// Installs the capturing callback for the lifetime of the object.
class ReportCapture {
public:
    ReportCapture() {
        Reports().clear();
        QVSetCallerInstancePtr(&instance_);
    }
    ~ReportCapture() { QVSetCallerInstancePtr(nullptr); }
    const std::vector<SeenReport>& seen() const { return Reports(); }

private:
    QVCallerInstance instance_{CaptureReport};
};

#endif
