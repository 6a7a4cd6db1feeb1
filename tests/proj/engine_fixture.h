// A fixture for the engine tests: captures the errors the host's callback
// receives and, on request, the debug log.
#ifndef QVPROJ_TESTS_PROJ_ENGINE_FIXTURE_H
#define QVPROJ_TESTS_PROJ_ENGINE_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scratch.h"
#include "frame/report.h"
#include "qvlibw/qvlibw.h"
#include "qvproj/proj.h"

namespace engine_test {

struct Reported {
    int number;
    std::string source, message;
};

inline std::vector<Reported>& Seen() {
    static std::vector<Reported> seen;
    return seen;
}

inline int Capture(const _QVERRINFO* p) {
    if (p->Flags & QVERR_DETAIL)
        Seen().push_back(
            {p->ErrorNumber, p->pSource ? p->pSource : "", p->pMessage ? p->pMessage : ""});
    return 1;
}

class EngineTest : public ::testing::Test {
protected:
    QVCallerInstance instance{Capture};
    std::string logPath;
    void SetUp() override {
        Seen().clear();
        QVSetCallerInstancePtr(&instance);
    }
    void TearDown() override {
        QVSetCallerInstancePtr(nullptr);
        QVProj::DebugLogSetup(0, nullptr);
    }
    void StartLog() {
        logPath = scratch.File("engine.log");
        std::remove(logPath.c_str());
        QVProj::DebugLogSetup(1, logPath.c_str());
    }
    ScratchDir scratch;
    // The log so far with CR LF turned back into LF.
    std::string Log() const {
        std::ifstream f(logPath, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        std::string s = ss.str(), out;
        for (size_t i = 0; i < s.size(); ++i)
            if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) out += s[i];
        return out;
    }
    static int Reports() { return static_cast<int>(Seen().size()); }
    static int LastError() { return Seen().empty() ? 0 : Seen().back().number; }
};

// A valid Mercator record on WGS 84.
inline QVProj::PROJDATA Mercator() {
    QVProj::PROJDATA d{};
    d.Type = QVProj::PT_MERCATOR;
    d.Scale = 1;
    d.Ellipsoid = QVProj::ET_WGS_84;
    return d;
}

} // namespace engine_test

#endif
