// Error reporting through the host callback, assertions, the debug log.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scratch.h"
#include "frame/report.h"
#include "frame/text.h"
#include "qvlibw/qvlibw.h"

using namespace QVProj;

namespace {

// What the host's callback saw, copied out of each call.
struct Seen {
    int flags, number, f133, f2;
    unsigned reserved;
    std::string module, source, message, help;
    int line;
};
std::vector<Seen> g_seen;
std::vector<int> g_answers; // answer per call in order; last repeats

int Callback(const _QVERRINFO* p) {
    Seen s{p->Flags,
           p->ErrorNumber,
           p->Fixed133,
           p->Fixed2,
           p->Reserved,
           p->pModule ? p->pModule : "",
           p->pSource ? p->pSource : "",
           p->pMessage ? p->pMessage : "",
           p->pHelpFile ? p->pHelpFile : "",
           p->Line};
    g_seen.push_back(s);
    size_t i = g_seen.size() - 1;
    return g_answers.empty() ? 1 : g_answers[std::min(i, g_answers.size() - 1)];
}

class ReportTest : public ::testing::Test {
protected:
    QVCallerInstance instance{Callback};
    void SetUp() override {
        g_seen.clear();
        g_answers.clear();
        QVSetCallerInstancePtr(&instance);
    }
    void TearDown() override { QVSetCallerInstancePtr(nullptr); }
};

std::string ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

} // namespace

TEST_F(ReportTest, QueryAnsweredZeroMakesOneCallWithOnlyTheHead) {
    g_answers = {0};
    EXPECT_TRUE(ReportError("qvProj", 42, 20231, nullptr));
    ASSERT_EQ(g_seen.size(), 1u);
    EXPECT_EQ(g_seen[0].flags, 0);
    EXPECT_EQ(g_seen[0].number, 20231);
    EXPECT_EQ(g_seen[0].f133, 133);
    EXPECT_EQ(g_seen[0].f2, 2);
    EXPECT_EQ(g_seen[0].module, "");
    EXPECT_EQ(g_seen[0].message, "");
    EXPECT_EQ(g_seen[0].line, 0);
}

TEST_F(ReportTest, DetailCallCarriesCatalogueTextAndSite) {
    g_answers = {1, 2};
    EXPECT_TRUE(ReportError("qvProj", 42, 20231, nullptr));
    ASSERT_EQ(g_seen.size(), 2u);
    const Seen& d = g_seen[1];
    EXPECT_EQ(d.flags, 0x4000);
    EXPECT_EQ(d.number, 20231);
    EXPECT_EQ(d.reserved, 0u);
    EXPECT_EQ(d.module, "QVProj");
    EXPECT_EQ(d.source, "qvProj");
    EXPECT_EQ(d.line, 42);
    EXPECT_EQ(d.message, "Scale parameter must be greater than zero");
    EXPECT_EQ(d.help, "SUBSYS.HLP");
}

TEST_F(ReportTest, FinalAnswerThreeMeansCancelled) {
    g_answers = {1, 3};
    EXPECT_FALSE(ReportError("qvDatum", 7, 20260, nullptr));
    g_answers = {3};
    g_seen.clear();
    EXPECT_FALSE(ReportError("qvDatum", 7, 20260, nullptr));
    EXPECT_EQ(g_seen.size(), 1u);
}

TEST_F(ReportTest, MissingCatalogueEntriesAndGivenMessages) {
    ReportError("qvProj", 1, 20253, nullptr);
    EXPECT_EQ(g_seen.back().message, "Failed loading error message!");
    ReportError("qvProj", 1, 20254, "");
    EXPECT_EQ(g_seen.back().message, "Failed loading error message!");
    ReportError("qvProj", 1, 20205, "own text");
    EXPECT_EQ(g_seen.back().message, "own text");
    EXPECT_EQ(CatalogueText(20255), nullptr);
    EXPECT_STREQ(CatalogueText(20269),
                 "Y axis rotation was outside the rnage of -3600 to +3600 arcseconds");
}

TEST_F(ReportTest, NoCallbackOrNoInstanceReportsNothing) {
    instance.SetErrorFunc(nullptr);
    EXPECT_FALSE(ReportError("qvProj", 1, 20200, nullptr));
    QVSetCallerInstancePtr(nullptr);
    EXPECT_FALSE(ReportError("qvProj", 1, 20200, nullptr));
    EXPECT_FALSE(ReportAssertion("qvProj", 1));
    EXPECT_TRUE(g_seen.empty());
}

TEST_F(ReportTest, AssertionReportsFormattedTextAndAlwaysFails) {
    EXPECT_FALSE(ReportAssertion("pMerc", 123));
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0].number, 20200);
    EXPECT_EQ(g_seen[1].message,
              "QVProj.DLL Internal Error.  Assertion failed in pMerc, line 123.");
    EXPECT_EQ(g_seen[1].source, "pMerc");
    g_seen.clear();
    g_answers = {0};
    EXPECT_FALSE(ReportAssertion("pMerc", 1));
    EXPECT_EQ(g_seen.size(), 1u);
}

TEST_F(ReportTest, AssertionWithoutSiteMakesNoCallback) {
    EXPECT_FALSE(ReportAssertion("", 5));
    EXPECT_FALSE(ReportAssertion(nullptr, 5));
    EXPECT_FALSE(ReportAssertion("qvProj", -1));
    EXPECT_TRUE(g_seen.empty());
}

TEST_F(ReportTest, AssertionTextIsCutToItsBuffer) {
    std::string unit(400, 'u');
    ReportAssertion(unit.c_str(), 1);
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[1].message.size(), 255u);
}

class DebugLogTest : public ::testing::Test {
protected:
    ScratchDir scratch;
    std::string path = scratch.File("test.log");
    void TearDown() override { DebugLogSetup(0, nullptr); }
};

TEST_F(DebugLogTest, OffWritesNothing) {
    DebugLogSetup(0, path.c_str());
    EXPECT_FALSE(DebugLogIsOn());
    DebugLog("text %d\n", 1);
    DebugLogWrite("more");
    ReportAssertion("qvProj", 3);
    EXPECT_FALSE(std::ifstream(path).good());
}

TEST_F(DebugLogTest, LineFeedsBecomeCrLfAndTextsAppend) {
    DebugLogSetup(1, path.c_str());
    DebugLog("a\nb");
    DebugLog("%s=%d\n", "x", 5);
    EXPECT_EQ(ReadFile(path), "a\r\nbx=5\r\n");
}

TEST_F(DebugLogTest, LongTextsAreCut) {
    DebugLogSetup(1, path.c_str());
    DebugLogWrite(std::string(3000, 'x').c_str());
    EXPECT_EQ(ReadFile(path).size(), 1023u);
    std::remove(path.c_str());
    // 1022 letters and a line feed: the pair does not fit and is dropped.
    DebugLogWrite((std::string(1022, 'y') + "\n").c_str());
    EXPECT_EQ(ReadFile(path), std::string(1022, 'y'));
}

TEST_F(DebugLogTest, AssertionLogsItsTwoLines) {
    DebugLogSetup(1, path.c_str());
    QVSetCallerInstancePtr(nullptr);
    ReportAssertion("qvPClip", 77);
    ReportAssertion("", 1);
    EXPECT_EQ(ReadFile(path),
              "ASSERTION FAILED\r\nFILE \"qvPClip\", LINE 77\r\nASSERTION FAILED\r\n");
}

TEST_F(DebugLogTest, UnwritablePathDropsTextSilently) {
    DebugLogSetup(1, "/nonexistent-dir/qvproj.log");
    DebugLog("lost\n");
    EXPECT_TRUE(DebugLogIsOn());
}

TEST_F(DebugLogTest, AttachFollowsEnvironmentAndWritesBanners) {
    setenv("TMPDIR", scratch.path().c_str(), 1);
    std::string log = scratch.File("qvproj.log");
    unsetenv("QVPROJLOG");
    LibraryAttach();
    EXPECT_FALSE(DebugLogIsOn());
    LibraryDetach();
    EXPECT_FALSE(std::ifstream(log).good());

    setenv("QVPROJLOG", "", 1);
    LibraryAttach();
    EXPECT_TRUE(DebugLogIsOn());
    EXPECT_EQ(std::string(DebugLogPath()), log);
    LibraryDetach();
    std::string text = ReadFile(log);
    std::string rule = std::string(74, '-') + "\r\n";
    EXPECT_EQ(text.rfind("\r\n" + rule + "QVPROJ.DLL log output started at ", 0), 0u);
    EXPECT_NE(text.find(rule + "QVPROJ.DLL log output ended at "), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - rule.size() - 2), rule + "\r\n");
    unsetenv("QVPROJLOG");
    std::remove(log.c_str());
}

TEST(CompanionTest, FileExtensions) {
    char ext[64];
    struct {
        const char* path;
        const char* ext;
        const char* dropped;
    } cases[] = {
        {"map.tar.gz", "gz", "map.tar"},  {".profile", "", ".profile"},
        {"dir.d/file", "", "dir.d/file"}, {"c:\\maps\\a.TIF", "TIF", "c:\\maps\\a"},
        {"image.", "", "image"},          {"", "", ""},
    };
    for (auto& c : cases) {
        QVGetFileExt(c.path, ext);
        EXPECT_STREQ(ext, c.ext) << c.path;
        std::string p = c.path;
        QVDropFileExt(p.data());
        EXPECT_STREQ(p.c_str(), c.dropped) << c.path;
    }
    QVGetFileExt(nullptr, ext);
    EXPECT_STREQ(ext, "");
    QVDropFileExt(nullptr);
}

TEST(TextTest, CaseInsensitiveCompareAndCopy) {
    EXPECT_TRUE(EqualsIgnoreCase("WGS 84", "wgs 84"));
    EXPECT_FALSE(EqualsIgnoreCase("WGS 84", "wgs 8"));
    EXPECT_FALSE(EqualsIgnoreCase(nullptr, ""));
    char buf[4];
    CopyText(buf, sizeof buf, "abcdef");
    EXPECT_STREQ(buf, "abc");
    CopyText(buf, sizeof buf, nullptr);
    EXPECT_STREQ(buf, "");
}
