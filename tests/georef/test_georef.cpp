// Georeference handles, the fits behind them, control arrays, coefficient
// conversion and resizing, CGeorefTransform.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "qvlibw/qvlibw.h"
#include "qvproj/georef.h"

using namespace QVProj;

// Under AddressSanitizer a refused 32 GiB allocation must come back as null
// (as it does from the plain runtime) instead of stopping the test.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}

namespace {

std::vector<int> g_errors;
int Callback(const _QVERRINFO* p) {
    if (!(p->Flags & QVERR_DETAIL)) g_errors.push_back(p->ErrorNumber);
    return 0;
}

// A record with its own arrays, freed at the end of the test.
struct Ref {
    GEOREF g{};
    explicit Ref(TransformMethod m, std::vector<GEOREFPOINT> src = {},
                 std::vector<GEOREFPOINT> dst = {}) {
        g.Method = m;
        if (!src.empty()) {
            EXPECT_TRUE(RefAllocControls(&g, static_cast<int>(src.size())));
            for (size_t i = 0; i < src.size(); ++i) {
                g.pSrcControls[i] = src[i];
                g.pDstControls[i] = dst[i];
            }
        }
    }
    ~Ref() { RefFreeControls(&g); }
};

GEOREFPOINT Affine(GEOREFPOINT p) {
    return {300000 + 2 * p.x + 0.5 * p.y, 5000000 + 0.25 * p.x - 2 * p.y};
}

std::vector<GEOREFPOINT> Grid(int n) {
    std::vector<GEOREFPOINT> pts;
    for (int i = 0; i < n; ++i)
        pts.push_back({100.0 * (i % 4) + 7 * i, 80.0 * (i / 4) + (i * i) % 5});
    return pts;
}

std::vector<GEOREFPOINT> MapAll(const std::vector<GEOREFPOINT>& src,
                                GEOREFPOINT (*f)(GEOREFPOINT)) {
    std::vector<GEOREFPOINT> out;
    for (auto p : src) out.push_back(f(p));
    return out;
}

class Georef : public ::testing::Test {
protected:
    QVCallerInstance instance{Callback};
    void SetUp() override {
        g_errors.clear();
        QVSetCallerInstancePtr(&instance);
    }
    void TearDown() override { QVSetCallerInstancePtr(nullptr); }
};

} // namespace

TEST_F(Georef, RecordLayoutAndNames) {
    EXPECT_EQ(sizeof(GEOREF), 280u);
    EXPECT_EQ(offsetof(GEOREF, A), 24u);
    EXPECT_STREQ(RefMethodName(RefHelmert), "Helmert");
    EXPECT_STREQ(RefMethodName(RefFirstOrder), "1st Order Polynomial");
    EXPECT_STREQ(RefMethodName(RefCoefficients), "Precalculated Affine Coefficients");
    EXPECT_STREQ(RefMethodName(RefInverseDistanceSquared), "Inverse Distance Squared");
    EXPECT_STREQ(RefMethodName(RefNone), "");
    EXPECT_STREQ(RefMethodName(TransformMethod(-3)), "");
}

TEST_F(Georef, MinimumCountsPerMethod) {
    auto src = Grid(10);
    const int needed[] = {2, 3, 4, 6, 10, 0, 4, 4, 4, 4, 4, 4};
    EXPECT_EQ(RefMinControls(RefNone), -1);
    for (int m = 0; m <= 11; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(RefMinControls(TransformMethod(m)), needed[m]);
        if (m == RefCoefficients) continue;
        std::vector<GEOREFPOINT> few(src.begin(), src.begin() + needed[m] - 1);
        Ref r(TransformMethod(m), few, MapAll(few, Affine));
        g_errors.clear();
        EXPECT_EQ(RefCreateSystem(&r.g), nullptr);
        EXPECT_EQ(g_errors, std::vector<int>{20200});
        std::vector<GEOREFPOINT> enough(src.begin(), src.begin() + needed[m]);
        Ref ok(TransformMethod(m), enough, MapAll(enough, Affine));
        HGEOREF h = RefCreateSystem(&ok.g);
        ASSERT_NE(h, nullptr);
        // Every method that holds an affine map reproduces it exactly (the
        // Helmert one only when it is a similarity, so it is checked apart).
        GEOREFPOINT p{123.5, -45.25};
        ASSERT_TRUE(RefForward(h, &p, 1));
        if (m != 0 && m < RefCoefficients) {
            EXPECT_NEAR(p.x, Affine({123.5, -45.25}).x, 1e-6);
            EXPECT_NEAR(p.y, Affine({123.5, -45.25}).y, 1e-6);
        }
        RefDeleteSystem(h);
    }
}

TEST_F(Georef, HelmertWithTwoPointsIsExact) {
    std::vector<GEOREFPOINT> src = {{10, 20}, {110, -30}};
    auto sim = [](GEOREFPOINT p) {
        double a = 1.5 * std::cos(0.7), b = 1.5 * std::sin(0.7);
        return GEOREFPOINT{a * p.x - b * p.y + 1000, b * p.x + a * p.y - 250};
    };
    Ref r(RefHelmert, src, {sim(src[0]), sim(src[1])});
    HGEOREF h = RefCreateSystem(&r.g);
    ASSERT_NE(h, nullptr);
    GEOREFPOINT pts[3] = {src[0], src[1], {-7, 3}};
    ASSERT_TRUE(RefForward(h, pts, 3));
    for (int i = 0; i < 3; ++i) {
        GEOREFPOINT want = sim(i < 2 ? src[i] : GEOREFPOINT{-7, 3});
        EXPECT_NEAR(pts[i].x, want.x, 1e-9);
        EXPECT_NEAR(pts[i].y, want.y, 1e-9);
    }
    double mean = -1, errs[2] = {-1, -1};
    ASSERT_TRUE(RefComputeError(h, &mean, errs));
    EXPECT_LT(mean, 1e-9);
    RefDeleteSystem(h);
    // All source points in one place: refused instead of dividing by zero.
    Ref same(RefHelmert, {{5, 5}, {5, 5}, {5, 5}}, {{1, 1}, {2, 2}, {3, 3}});
    EXPECT_EQ(RefCreateSystem(&same.g), nullptr);
}

TEST_F(Georef, PolynomialEdgeCases) {
    // Third order through exactly ten points passes through all of them.
    std::vector<GEOREFPOINT> src = Grid(10), dst;
    for (auto p : src)
        dst.push_back({p.x + 1e-4 * p.x * p.y + 3 * std::sin(p.x), p.y - 0.001 * p.x * p.x});
    Ref r(RefThirdOrder, src, dst);
    HGEOREF h = RefCreateSystem(&r.g);
    ASSERT_NE(h, nullptr);
    double errs[10];
    double mean;
    ASSERT_TRUE(RefComputeError(h, &mean, errs));
    for (double e : errs) EXPECT_LT(e, 1e-6);
    RefDeleteSystem(h);

    // Bilinear through the corners of a square: the centre goes to the mean.
    std::vector<GEOREFPOINT> sq = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    std::vector<GEOREFPOINT> to = {{1, 2}, {13, 1}, {17, 19}, {-2, 12}};
    Ref b(RefFirstOrder, sq, to);
    h = RefCreateSystem(&b.g);
    ASSERT_NE(h, nullptr);
    GEOREFPOINT c{5, 5};
    ASSERT_TRUE(RefForward(h, &c, 1));
    EXPECT_NEAR(c.x, (1 + 13 + 17 - 2) / 4.0, 1e-12);
    EXPECT_NEAR(c.y, (2 + 1 + 19 + 12) / 4.0, 1e-12);
    RefDeleteSystem(h);

    // Three collinear points: a zero pivot, no affine fit.
    Ref col(RefAffine, {{0, 0}, {1, 1}, {2, 2}}, {{0, 0}, {1, 1}, {2, 2}});
    g_errors.clear();
    EXPECT_EQ(RefCreateSystem(&col.g), nullptr);
    EXPECT_FALSE(g_errors.empty());
    // Coincident points in a least-squares set: singular normal equations.
    Ref coin(RefAffine, {{3, 3}, {3, 3}, {3, 3}, {3, 3}}, {{0, 0}, {1, 1}, {2, 2}, {3, 4}});
    EXPECT_EQ(RefCreateSystem(&coin.g), nullptr);
}

TEST_F(Georef, CoefficientsWithoutControls) {
    GEOREF g{};
    g.Method = RefCoefficients;
    g.A = 2, g.B = 0.5, g.C = 100, g.D = -0.5, g.E = 2, g.F = -50;
    HGEOREF h = RefCreateSystem(&g);
    ASSERT_NE(h, nullptr);
    GEOREFPOINT p{10, 20};
    ASSERT_TRUE(RefForward(h, &p, 1));
    EXPECT_EQ(p.x, 130);
    EXPECT_EQ(p.y, -15);
    g_errors.clear();
    double mean;
    EXPECT_FALSE(RefComputeError(h, &mean, nullptr));
    EXPECT_EQ(g_errors, std::vector<int>{20200});
    RefDeleteSystem(h);
}

TEST_F(Georef, HandleOwnsItsControls) {
    auto src = Grid(6);
    Ref r(RefSecondOrder, src, MapAll(src, Affine));
    HGEOREF h = RefCreateSystem(&r.g);
    ASSERT_NE(h, nullptr);
    r.g.pSrcControls[0].x = 1e9; // the caller's arrays may change at once
    GEOREF info;
    ASSERT_TRUE(RefGetHandleInfo(h, &info));
    EXPECT_NE(+info.pSrcControls, +r.g.pSrcControls);
    EXPECT_NE(+info.pDstControls, +r.g.pDstControls);
    EXPECT_EQ(info.pSrcControls[0].x, src[0].x);
    EXPECT_EQ(+info.NumControls, 6);
    EXPECT_EQ(+info.Method, RefSecondOrder);
    EXPECT_FALSE(RefGetHandleInfo(h, nullptr));
    EXPECT_FALSE(RefGetHandleInfo(nullptr, &info));
    RefDeleteSystem(h);
}

TEST_F(Georef, SplineMethodsThroughImageRegistration) {
    std::vector<GEOREFPOINT> src = Grid(12), dst;
    for (auto p : src)
        dst.push_back({p.x * 2 + 5 * std::sin(p.y / 40), p.y * -2 + 4 * std::cos(p.x / 60)});
    for (int m = RefThinPlateSpline; m <= RefInverseDistanceSquared; ++m) {
        SCOPED_TRACE(m);
        Ref r(TransformMethod(m), src, dst);
        HGEOREF h = RefCreateSystem(&r.g);
        ASSERT_NE(h, nullptr);
        std::vector<double> errs(src.size());
        double mean = -1;
        ASSERT_TRUE(RefComputeError(h, &mean, errs.data()));
        EXPECT_LT(mean, 1e-4); // the spline solver stops at 1e-8 of |b|
        RefDeleteSystem(h);
        // Three pairs make the registration fall back: that counts as failure.
        std::vector<GEOREFPOINT> s3(src.begin(), src.begin() + 3), d3(dst.begin(), dst.begin() + 3);
        Ref few(TransformMethod(m), s3, d3);
        EXPECT_EQ(RefCreateSystem(&few.g), nullptr);
    }
}

TEST_F(Georef, BadInput) {
    EXPECT_EQ(RefCreateSystem(nullptr), nullptr);
    auto src = Grid(6);
    for (int m : {12, 13, -1, 1000}) {
        Ref r(TransformMethod(m), src, MapAll(src, Affine));
        EXPECT_EQ(RefCreateSystem(&r.g), nullptr);
    }
    // A count with no arrays, and a negative count.
    GEOREF g{};
    g.Method = RefAffine;
    g.NumControls = 5;
    EXPECT_EQ(RefCreateSystem(&g), nullptr);
    g.Method = RefCoefficients;
    g.NumControls = -1;
    EXPECT_EQ(RefCreateSystem(&g), nullptr);
    // Non-finite controls are refused.
    Ref bad(RefAffine, src, MapAll(src, Affine));
    bad.g.pDstControls[2].x = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(RefCreateSystem(&bad.g), nullptr);
    bad.g.pDstControls[2].x = 0;
    bad.g.pSrcControls[4].y = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(RefCreateSystem(&bad.g), nullptr);

    // Forward: null handle quietly false; null points and counts below 1
    // are assertions. Non-finite points map to non-finite points.
    Ref ok(RefAffine, src, MapAll(src, Affine));
    HGEOREF h = RefCreateSystem(&ok.g);
    ASSERT_NE(h, nullptr);
    GEOREFPOINT p{std::nan(""), 1};
    g_errors.clear();
    EXPECT_FALSE(RefForward(nullptr, &p, 1));
    EXPECT_TRUE(g_errors.empty());
    EXPECT_FALSE(RefForward(h, nullptr, 1));
    EXPECT_FALSE(RefForward(h, &p, 0));
    EXPECT_FALSE(RefForward(h, &p, -5));
    EXPECT_EQ(g_errors.size(), 3u);
    ASSERT_TRUE(RefForward(h, &p, 1));
    EXPECT_TRUE(std::isnan(p.x));
    EXPECT_FALSE(RefComputeError(nullptr, nullptr, nullptr));
    EXPECT_TRUE(RefComputeError(h, nullptr, nullptr));
    RefDeleteSystem(h);
    RefDeleteSystem(nullptr);
}

TEST_F(Georef, ControlArrays) {
    EXPECT_FALSE(RefAllocControls(nullptr, 3));
    RefFreeControls(nullptr);
    GEOREF g{};
    ASSERT_TRUE(RefAllocControls(&g, 3));
    EXPECT_EQ(+g.NumControls, 3);
    EXPECT_EQ(g.pSrcControls[2].x, 0.0);
    EXPECT_EQ(g.pDstControls[2].y, 0.0);
    RefFreeControls(&g);
    EXPECT_EQ(+g.pSrcControls, nullptr);
    EXPECT_EQ(+g.NumControls, 0);
    g.NumControls = 7;
    EXPECT_FALSE(RefAllocControls(&g, 0));
    EXPECT_EQ(+g.NumControls, 0);
    EXPECT_EQ(+g.pDstControls, nullptr);
    EXPECT_FALSE(RefAllocControls(&g, -4));
    EXPECT_FALSE(RefAllocControls(&g, std::numeric_limits<int>::max())); // 32 GiB each
    EXPECT_EQ(+g.pSrcControls, nullptr);
}

TEST_F(Georef, CoefficientsAndControlsConvert) {
    GEOREF g{};
    g.Method = RefCoefficients;
    g.A = 2, g.B = 0.5, g.C = 100, g.D = -0.5, g.E = 2, g.F = -50;
    ASSERT_TRUE(RefCoeffToControls(&g, 0, -3)); // both become 100
    EXPECT_EQ(+g.Method, RefAffine);
    EXPECT_EQ(+g.NumControls, 4);
    EXPECT_EQ(g.pSrcControls[2].x, 100);
    EXPECT_EQ(g.pSrcControls[2].y, 100);
    EXPECT_EQ(g.pDstControls[2].x, 350);
    EXPECT_FALSE(RefCoeffToControls(&g, 10, 10)); // not method 5 any more
    g.A = g.B = g.C = g.D = g.E = g.F = 0;
    ASSERT_TRUE(RefControlsToCoeff(&g));
    EXPECT_EQ(+g.Method, RefCoefficients);
    EXPECT_NEAR(g.A, 2, 1e-12);
    EXPECT_NEAR(g.B, 0.5, 1e-12);
    EXPECT_NEAR(g.C, 100, 1e-10);
    EXPECT_NEAR(g.D, -0.5, 1e-12);
    EXPECT_NEAR(g.E, 2, 1e-12);
    EXPECT_NEAR(g.F, -50, 1e-10);
    EXPECT_NE(+g.pSrcControls, nullptr);  // the controls stay
    EXPECT_FALSE(RefControlsToCoeff(&g)); // method 5
    RefFreeControls(&g);
    g.Method = RefAffine;
    EXPECT_FALSE(RefControlsToCoeff(&g)); // no controls
    g.Method = RefNone;
    EXPECT_FALSE(RefControlsToCoeff(&g));
    EXPECT_FALSE(RefControlsToCoeff(nullptr));
    EXPECT_FALSE(RefCoeffToControls(nullptr, 1, 1));
}

TEST_F(Georef, Resize) {
    GEOREF g{};
    g.Method = RefCoefficients;
    g.A = 2, g.B = 0.5, g.C = 100, g.D = -0.5, g.E = 4, g.F = -50;
    ASSERT_TRUE(RefResize(&g, 100, 50, 200, 100));
    EXPECT_EQ(+g.Method, RefCoefficients);
    EXPECT_NEAR(g.A, 1, 1e-12);
    EXPECT_NEAR(g.B, 0.25, 1e-12);
    EXPECT_NEAR(g.C, 100, 1e-10);
    EXPECT_NEAR(g.D, -0.25, 1e-12);
    EXPECT_NEAR(g.E, 2, 1e-12);
    EXPECT_NEAR(g.F, -50, 1e-10);
    EXPECT_EQ(+g.pSrcControls, nullptr);
    EXPECT_EQ(+g.NumControls, 0);
    for (int bad : {0, -1}) {
        EXPECT_FALSE(RefResize(&g, bad, 50, 200, 100));
        EXPECT_FALSE(RefResize(&g, 100, bad, 200, 100));
        EXPECT_FALSE(RefResize(&g, 100, 50, bad, 100));
        EXPECT_FALSE(RefResize(&g, 100, 50, 200, bad));
    }
    EXPECT_FALSE(RefResize(nullptr, 1, 1, 1, 1));
    EXPECT_NEAR(g.A, 1, 1e-12); // untouched by the refusals

    auto src = Grid(4);
    Ref r(RefThinPlateSpline, src, src);
    ASSERT_TRUE(RefResize(&r.g, 10, 10, 30, 5));
    EXPECT_EQ(+r.g.Method, RefThinPlateSpline);
    EXPECT_EQ(r.g.pSrcControls[3].x, src[3].x * 3);
    EXPECT_EQ(r.g.pSrcControls[3].y, src[3].y / 2);
    EXPECT_EQ(r.g.pDstControls[3].x, src[3].x);
}

TEST_F(Georef, WrapperClass) {
    auto src = Grid(8);
    Ref r(RefAffine, src, MapAll(src, Affine));
    CGeorefTransform a;
    EXPECT_FALSE(a.IsCreated());
    GEOREFPOINT p{1, 1};
    EXPECT_FALSE(a.Forward(&p, 1));
    ASSERT_TRUE(a.Create(&r.g));
    CGeorefTransform b(a), c;
    c = a;
    c = c;
    ASSERT_TRUE(b.IsCreated());
    ASSERT_TRUE(c.IsCreated());
    GEOREF ia, ib;
    ASSERT_TRUE(a.GetInfo(&ia));
    ASSERT_TRUE(b.GetInfo(&ib));
    EXPECT_NE(+ia.pSrcControls, +ib.pSrcControls); // its own copy
    a.Delete();
    EXPECT_FALSE(a.IsCreated());
    ASSERT_TRUE(b.Forward(&p, 1));
    EXPECT_NEAR(p.x, Affine({1, 1}).x, 1e-8);
    double mean;
    EXPECT_TRUE(c.ComputeError(&mean, nullptr));
    EXPECT_LT(mean, 1e-8);
    EXPECT_FALSE(a.Create(nullptr));
    CGeorefTransform d(&r.g);
    EXPECT_TRUE(d.IsCreated());
    EXPECT_EQ(RefGetCoefficients(d.Handle(), nullptr, nullptr), 3); // the affine fit of d
    EXPECT_EQ(a.Handle(), nullptr);
}

TEST_F(Georef, CoefficientAccessor) {
    auto src = Grid(10);
    Ref r(RefSecondOrder, src, MapAll(src, Affine));
    HGEOREF h = RefCreateSystem(&r.g);
    ASSERT_NE(h, nullptr);
    double cx[10], cy[10];
    ASSERT_EQ(RefGetCoefficients(h, cx, cy), 6);
    EXPECT_STREQ(RefTermName(RefSecondOrder, 3), "x^2");
    EXPECT_STREQ(RefTermName(RefSecondOrder, 6), "");
    EXPECT_STREQ(RefTermName(RefFirstOrder, 3), "x*y");
    EXPECT_STREQ(RefTermName(RefThirdOrder, 9), "y^3");
    EXPECT_STREQ(RefTermName(RefHelmert, 2), "y");
    EXPECT_STREQ(RefTermName(RefThinPlateSpline, 0), "");
    EXPECT_NEAR(cx[0], 300000, 1e-6);
    EXPECT_NEAR(cx[1], 2, 1e-9);
    EXPECT_NEAR(cy[2], -2, 1e-9);
    EXPECT_NEAR(cx[3], 0, 1e-9); // x^2
    RefDeleteSystem(h);

    std::vector<GEOREFPOINT> two = {{0, 0}, {1, 0}}, to = {{5, 5}, {5, 7}}; // rotate 90, scale 2
    Ref hel(RefHelmert, two, to);
    h = RefCreateSystem(&hel.g);
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(RefGetCoefficients(h, cx, nullptr), 3);
    EXPECT_NEAR(cx[0], 5, 1e-12); // x' = a x - b y + c with a = 0, b = 2
    EXPECT_NEAR(cx[1], 0, 1e-12);
    EXPECT_NEAR(cx[2], -2, 1e-12);
    RefDeleteSystem(h);

    Ref tps(RefThinPlateSpline, src, MapAll(src, Affine));
    h = RefCreateSystem(&tps.g);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(RefGetCoefficients(h, cx, cy), 0);
    RefDeleteSystem(h);
    EXPECT_EQ(RefGetCoefficients(nullptr, cx, cy), -1);
}
