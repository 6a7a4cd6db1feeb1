// Preclipping of lat/long polylines and polygons at the edge of a projection.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "qvlibw/qvlibw.h"
#include "qvproj/proj.h"

using namespace QVProj;

namespace {

struct Captured {
    std::vector<std::vector<PROJPOINT>> lines;
    std::vector<std::vector<int>> areaCounts;
    std::vector<std::vector<PROJPOINT>> areaPoints;
    int stopAfter = -1; // callback answers false on this call (0-based)
    int calls = 0;
    unsigned long host = 0;
};
Captured g;

bool OnLine(unsigned long host, int n, const PROJPOINT* p) {
    g.host = host;
    g.lines.emplace_back(p, p + n);
    return g.calls++ != g.stopAfter;
}

bool OnArea(unsigned long host, int nParts, const int* counts, const PROJPOINT* p) {
    g.host = host;
    g.areaCounts.emplace_back(counts, counts + nParts);
    int total = 0;
    for (int i = 0; i < nParts; ++i) total += counts[i];
    g.areaPoints.emplace_back(p, p + total);
    return g.calls++ != g.stopAfter;
}

std::vector<int> g_errors;
int OnError(const _QVERRINFO* info) {
    if (!(info->Flags & QVERR_DETAIL)) g_errors.push_back(info->ErrorNumber);
    return 0;
}

class Preclip : public ::testing::Test {
protected:
    QVCallerInstance instance{OnError};
    CProjector merc;
    void SetUp() override {
        g = Captured{};
        g_errors.clear();
        QVSetCallerInstancePtr(&instance);
        PROJDATA d{};
        d.Type = PT_MERCATOR;
        d.Ellipsoid = ET_WGS_84;
        d.Scale = 1;
        ASSERT_TRUE(merc.Create(&d));
    }
    void TearDown() override { QVSetCallerInstancePtr(nullptr); }
};

} // namespace

TEST_F(Preclip, LineInsideIsDeliveredWhole) {
    const PROJPOINT pts[] = {{0, 0}, {10, 10}, {20, 5}};
    EXPECT_TRUE(merc.LLPreclipPolyline(77, 3, pts, OnLine));
    ASSERT_EQ(g.lines.size(), 1u);
    ASSERT_EQ(g.lines[0].size(), 3u);
    EXPECT_EQ(std::memcmp(g.lines[0].data(), pts, sizeof pts), 0);
    EXPECT_EQ(g.host, 77u);
}

TEST_F(Preclip, LineOutsideGivesNoCall) {
    const PROJPOINT pts[] = {{10, 90}, {20, 90}};
    EXPECT_TRUE(ProjLLPreclipPolyline(merc.Handle(), 1, 2, pts, OnLine));
    EXPECT_TRUE(g.lines.empty());
}

TEST_F(Preclip, LineLeavingAndComingBackGivesTwoPieces) {
    const PROJPOINT pts[] = {{0, 80}, {5, 90}, {10, 80}};
    EXPECT_TRUE(merc.LLPreclipPolyline(1, 3, pts, OnLine));
    ASSERT_EQ(g.lines.size(), 2u);
    const PROJPOINT& leave = g.lines[0].back();
    const PROJPOINT& enter = g.lines[1].front();
    EXPECT_GT(leave.y, 90 - 0.001);
    EXPECT_LT(leave.y, 90.0);
    EXPECT_GT(enter.y, 90 - 0.001);
    EXPECT_EQ(g.lines[0].front().y, 80.0);
    EXPECT_EQ(g.lines[1].back().x, 10.0);
}

TEST_F(Preclip, LineAcrossTheAntimeridianIsShiftedCopy) {
    const PROJPOINT pts[] = {{170, 0}, {190, 0}};
    EXPECT_TRUE(merc.LLPreclipPolyline(1, 2, pts, OnLine));
    ASSERT_EQ(g.lines.size(), 2u);
    EXPECT_EQ(g.lines[0][0].x, 170.0);
    EXPECT_NEAR(g.lines[0][1].x, 180.0, 0.001);
    EXPECT_LT(g.lines[0][1].x, 180.0);
    EXPECT_NEAR(g.lines[1][0].x, -180.0, 0.001);
    EXPECT_GT(g.lines[1][0].x, -180.0);
    EXPECT_EQ(g.lines[1][1].x, -170.0);
}

TEST_F(Preclip, OnlyTheEndsOfASegmentAreTested) {
    // Both ends inside: the segment stays whole although its middle crosses 180.
    const PROJPOINT pts[] = {{-179, 0}, {179, 0}};
    EXPECT_TRUE(merc.LLPreclipPolyline(1, 2, pts, OnLine));
    ASSERT_EQ(g.lines.size(), 1u);
    EXPECT_EQ(g.lines[0].size(), 2u);
}

TEST_F(Preclip, CallbackFalseStopsAtOnce) {
    const PROJPOINT pts[] = {{0, 80}, {5, 90}, {10, 80}};
    g.stopAfter = 0;
    EXPECT_FALSE(merc.LLPreclipPolyline(1, 3, pts, OnLine));
    EXPECT_EQ(g.lines.size(), 1u);
}

TEST_F(Preclip, BadArgumentsReportBadParameter) {
    const PROJPOINT pts[] = {{0, 0}, {1, 1}};
    EXPECT_FALSE(ProjLLPreclipPolyline(nullptr, 0, 2, pts, OnLine));
    EXPECT_FALSE(merc.LLPreclipPolyline(0, 1, pts, OnLine));
    EXPECT_FALSE(merc.LLPreclipPolyline(0, 2, nullptr, OnLine));
    EXPECT_FALSE(merc.LLPreclipPolyline(0, 2, pts, nullptr));
    const int counts[] = {2};
    EXPECT_FALSE(merc.LLPreclipPolygon(0, 0, counts, pts, OnArea, nullptr));
    EXPECT_FALSE(merc.LLPreclipPolygon(0, 1, nullptr, pts, OnArea, nullptr));
    EXPECT_FALSE(merc.LLPreclipPolygon(0, 1, counts, pts, nullptr, nullptr));
    EXPECT_EQ(g_errors, std::vector<int>(7, 20205));
    // Coordinates beyond the ranges fail without a report.
    const PROJPOINT far[] = {{0, 0}, {400, 0}};
    EXPECT_FALSE(merc.LLPreclipPolyline(0, 2, far, OnLine));
    EXPECT_EQ(g_errors.size(), 7u);
    EXPECT_TRUE(g.lines.empty());
}

TEST_F(Preclip, PolygonRingClosedAlongTheEdge) {
    // A square reaching past the pole: the top edge is cut away and the ring is
    // closed by the step between the two crossings.
    const PROJPOINT ring[] = {{0, 80}, {10, 80}, {10, 90}, {0, 90}, {0, 80}};
    const int counts[] = {5};
    EXPECT_TRUE(merc.LLPreclipPolygon(9, 1, counts, ring, OnArea, OnLine));
    ASSERT_EQ(g.areaCounts.size(), 1u);
    ASSERT_EQ(g.areaCounts[0].size(), 1u);
    const auto& pts = g.areaPoints[0];
    EXPECT_EQ(static_cast<int>(pts.size()), g.areaCounts[0][0]);
    for (size_t i = 1; i < pts.size(); ++i)
        EXPECT_FALSE(pts[i].x == pts[i - 1].x && pts[i].y == pts[i - 1].y) << i;
    for (const PROJPOINT& p : pts) EXPECT_LT(p.y, 90.0);
    // Outlines without the edge: the line callback sees the two visible sides.
    ASSERT_EQ(g.lines.size(), 2u);
}

TEST_F(Preclip, PolygonPartsWithTooFewVisibleSegmentsAreLeftOut) {
    const PROJPOINT pts[] = {{0, 0},  {10, 0},  {10, 10}, {0, 0},   // visible triangle
                             {0, 90}, {10, 90}, {5, 90},  {0, 90}}; // on the pole: outside
    const int counts[] = {4, 4};
    EXPECT_TRUE(merc.LLPreclipPolygon(1, 2, counts, pts, OnArea, nullptr));
    ASSERT_EQ(g.areaCounts.size(), 1u);
    EXPECT_EQ(g.areaCounts[0], std::vector<int>{4});
}

TEST_F(Preclip, PolygonWithoutVisiblePartsMakesNoAreaCall) {
    const PROJPOINT pts[] = {{0, 90}, {10, 90}, {5, 90}, {0, 90}};
    const int counts[] = {4};
    EXPECT_TRUE(merc.LLPreclipPolygon(1, 1, counts, pts, OnArea, nullptr));
    EXPECT_TRUE(g.areaCounts.empty());
}

TEST_F(Preclip, PolygonPartOfTwoPointsFails) {
    const PROJPOINT pts[] = {{0, 0}, {10, 0}, {10, 10}, {0, 0}, {1, 1}, {2, 2}};
    const int counts[] = {4, 2};
    EXPECT_FALSE(merc.LLPreclipPolygon(1, 2, counts, pts, OnArea, nullptr));
    const int bad[] = {-4};
    EXPECT_FALSE(merc.LLPreclipPolygon(1, 1, bad, pts, OnArea, nullptr));
}

TEST_F(Preclip, PolygonAcrossTheAntimeridianGetsAShiftedCopy) {
    const PROJPOINT ring[] = {{170, 0}, {190, 0}, {190, 10}, {170, 10}, {170, 0}};
    const int counts[] = {5};
    EXPECT_TRUE(merc.LLPreclipPolygon(1, 1, counts, ring, OnArea, nullptr));
    ASSERT_EQ(g.areaCounts.size(), 2u);
    for (const PROJPOINT& p : g.areaPoints[0]) EXPECT_GE(p.x, 170.0);
    for (const PROJPOINT& p : g.areaPoints[1]) EXPECT_LE(p.x, -170.0);
}
