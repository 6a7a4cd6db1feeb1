// Warping models and CImageRegistration with its fallback chains.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>

#include "frame/report.h"
#include "imgreg/warp.h"
#include "qvproj/imgreg.h"

using namespace QVProj;

namespace {

// Scattered, well-spread source points in pixel-like units.
RPoints Scatter(int n, unsigned seed = 11) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> X(0, 2000), Y(0, 1500);
    RPoints pts;
    for (int i = 0; i < n; ++i) pts.emplace_back(X(rng), Y(rng));
    return pts;
}

RPoint AffineMap(const RPoint& p) {
    return RPoint(512000.25 + 2.5 * p.x - 0.75 * p.y, 4100000.5 + 0.6 * p.x - 2.4 * p.y);
}

RPoint Wavy(const RPoint& p) {
    return RPoint(p.x * 1.5 + 30 * std::sin(p.y / 300), p.y * 0.8 + 20 * std::cos(p.x / 250));
}

template <class F> RPoints Map(const RPoints& src, F f) {
    RPoints out;
    for (const RPoint& p : src) out.push_back(f(p));
    return out;
}

std::unique_ptr<CWarpModel> Model(int method) {
    return std::unique_ptr<CWarpModel>(NewWarpModel(method));
}

constexpr int kInterpolating[] = {0, 1, 2, 3, 4, 5};

} // namespace

TEST(Models, SplinesAndInverseDistanceInterpolateEveryPair) {
    // Twelve pairs keep every kernel on the conjugate gradient path; the
    // smooth kernels (cubic, rational quadratic) leave it for larger sets
    // and the truncated direct solve only approximates the pairs.
    RPoints src = Scatter(12), dst = Map(src, Wavy);
    for (int method : kInterpolating) {
        SCOPED_TRACE(method);
        auto m = Model(method);
        ASSERT_TRUE(m->Fit(src, dst));
        // The iterative solver stops at a residual of 1e-8 of the norm of
        // the destination coordinates (about 8e3 here).
        for (size_t i = 0; i < src.size(); ++i) {
            RPoint q = m->Transform(src[i]);
            EXPECT_NEAR(q.x, dst[i].x, 2e-4);
            EXPECT_NEAR(q.y, dst[i].y, 2e-4);
        }
    }
}

TEST(Models, ExactAffineMapIsReproducedEverywhere) {
    RPoints src = Scatter(25), dst = Map(src, AffineMap);
    RPoints probes = Scatter(15, 99);
    probes.emplace_back(-500, 3000); // outside the control hull too
    for (int method : {0, 1, 2, 3, 4, 5, 6, 7}) {
        SCOPED_TRACE(method);
        auto m = Model(method);
        ASSERT_TRUE(m->Fit(src, dst));
        for (const RPoint& p : probes) {
            RPoint q = m->Transform(p), want = AffineMap(p);
            EXPECT_NEAR(q.x, want.x, 1e-5);
            EXPECT_NEAR(q.y, want.y, 1e-5);
        }
    }
    // The spline weights vanish when the map is affine.
    CThinPlateSplineWarp tps;
    ASSERT_TRUE(tps.Fit(src, dst));
    for (int i = 0; i < tps.Weights.Rows(); ++i) EXPECT_NEAR(tps.Weights(i, 0), 0.0, 1e-6);
}

TEST(Models, SimilarityReproducesRotationUniformScaleCompromises) {
    const double c = 1.7 * std::cos(0.4), s = 1.7 * std::sin(0.4);
    auto rot = [&](const RPoint& p) {
        return RPoint(c * p.x - s * p.y + 10, s * p.x + c * p.y - 4);
    };
    RPoints src = Scatter(8), dst = Map(src, rot);
    CSimilarityWarp sim;
    ASSERT_TRUE(sim.Fit(src, dst));
    EXPECT_TRUE(sim.NormX.Empty()); // least-squares models drop their points
    RPoint q = sim.Transform(RPoint(100, -300)), want = rot(RPoint(100, -300));
    EXPECT_NEAR(q.x, want.x, 1e-8);
    EXPECT_NEAR(q.y, want.y, 1e-8);
    CUniformScaleWarp uni;
    ASSERT_TRUE(uni.Fit(src, dst));
    q = uni.Transform(src[0]);
    EXPECT_GT(std::hypot(q.x - dst[0].x, q.y - dst[0].y), 1.0); // cannot rotate
}

TEST(Models, KernelsAndNormalisation) {
    EXPECT_EQ(CThinPlateSplineWarp().Kernel(0, 0), 0.0);
    EXPECT_EQ(CExponentialSplineWarp().Kernel(0, 0), 1.0);
    EXPECT_EQ(CNaturalCubicSplineWarp().Kernel(0, 0), 0.0);
    EXPECT_EQ(CMarcovSplineWarp().Kernel(3, 4), -5.0);
    EXPECT_DOUBLE_EQ(CRationalQuadraticSplineWarp().Kernel(1, 0), -0.5);
    EXPECT_DOUBLE_EQ(CThinPlateSplineWarp().Kernel(0, 2), 4 * std::log(2.0));

    CAffineWarp m;
    RPoints src = {RPoint(0, 0), RPoint(1000, 10), RPoint(500, 5)};
    m.Normalize(src);
    EXPECT_EQ(m.Scale, 500);
    EXPECT_EQ(m.CenterX, 500);
    EXPECT_EQ(m.NormX(0), -1);
    EXPECT_EQ(m.NormX(1), 1);
    EXPECT_DOUBLE_EQ(m.NormY(1), 0.01);
    RPoints same = {RPoint(3, 3), RPoint(3, 3)};
    m.Normalize(same);
    EXPECT_EQ(m.Scale, 1);
    m.Normalize(RPoints{RPoint(7, 8)});
    EXPECT_EQ(m.CenterX, 0);
    EXPECT_EQ(m.NormX(0), 7);
}

TEST(Models, InverseDistanceTendsToItsTrendFarAway) {
    RPoints src = Scatter(12), dst = Map(src, Wavy);
    CInverseDistanceWarp m;
    ASSERT_TRUE(m.Fit(src, dst));
    double sum = 0;
    for (int i = 0; i < m.ResidualX.Count(); ++i) sum += m.ResidualX(i);
    EXPECT_NEAR(sum, 0, 1e-8);
    RPoint far(1e9, -1e9);
    RPoint q = m.Transform(far);
    double u = (far.x - m.CenterX) / m.Scale, v = (far.y - m.CenterY) / m.Scale;
    double tx = m.Trend(0, 0) + m.Trend(1, 0) * u + m.Trend(2, 0) * v;
    EXPECT_NEAR(q.x / tx, 1.0, 1e-9);
}

TEST(Models, ClonesAreDeep) {
    RPoints src = Scatter(10), dst = Map(src, Wavy);
    CThinPlateSplineWarp tps;
    ASSERT_TRUE(tps.Fit(src, dst));
    std::unique_ptr<CWarpModel> copy(tps.Clone());
    auto* c = dynamic_cast<CThinPlateSplineWarp*>(copy.get());
    ASSERT_NE(c, nullptr);
    EXPECT_NE(c->Weights.Data(), tps.Weights.Data());
    tps.Weights(0, 0) += 1000;
    EXPECT_NE(c->Transform(src[1]).x, tps.Transform(src[1]).x);
    EXPECT_NEAR(c->Transform(src[1]).x, dst[1].x, 1e-6);
}

TEST(Registration, FreshObjectAndSmallSets) {
    CImageRegistration reg;
    EXPECT_EQ(reg.Transform(RPoint(3, 4)).x, 3);
    EXPECT_EQ(reg.Calibrate({}, {}, WarpThinPlateSpline), WarpIdentity);
    EXPECT_EQ(reg.Transform(RPoint(3, 4)).y, 4);

    RPoints one = {RPoint(10, 20)}, oneDst = {RPoint(15, 12)};
    EXPECT_EQ(reg.Calibrate(one, oneDst, WarpAffine), WarpTranslation);
    RPoint q = reg.Transform(RPoint(0, 0));
    EXPECT_EQ(q.x, 5);
    EXPECT_EQ(q.y, -8);
    EXPECT_EQ(reg.Calibrate(one, oneDst, WarpIdentity), WarpIdentity);
    EXPECT_EQ(reg.Transform(RPoint(0, 0)).x, 0);
}

TEST(Registration, FallbackChains) {
    RPoints two = {RPoint(0, 0), RPoint(100, 50)};
    RPoints twoDst = {RPoint(10, 10), RPoint(-40, 110)};
    CImageRegistration reg;
    EXPECT_EQ(reg.Calibrate(two, twoDst, WarpThinPlateSpline), WarpSimilarity);
    for (size_t i = 0; i < 2; ++i) {
        RPoint q = reg.Transform(two[i]);
        EXPECT_NEAR(q.x, twoDst[i].x, 1e-9);
        EXPECT_NEAR(q.y, twoDst[i].y, 1e-9);
    }
    for (int m : {0, 1, 2, 3, 4, 5})
        EXPECT_EQ(reg.Calibrate(two, twoDst, WarpingMethod(m)), WarpSimilarity);

    RPoints three = {RPoint(0, 0), RPoint(100, 0), RPoint(0, 80)};
    RPoints threeDst = Map(three, AffineMap);
    EXPECT_EQ(reg.Calibrate(three, threeDst, WarpPolynomial2), WarpSimilarity);
    EXPECT_EQ(reg.Calibrate(three, threeDst, WarpAffine), WarpSimilarity);

    RPoints five = Scatter(5), fiveDst = Map(five, AffineMap);
    EXPECT_EQ(reg.Calibrate(five, fiveDst, WarpPolynomial2), WarpAffine);
    EXPECT_NEAR(reg.Transform(RPoint(1, 2)).x, AffineMap(RPoint(1, 2)).x, 1e-6);

    // All source points in one place: every scaling model meets a zero
    // column, translation takes the mean shift.
    RPoints same = {RPoint(5, 5), RPoint(5, 5), RPoint(5, 5)};
    RPoints sameDst = {RPoint(6, 5), RPoint(8, 9), RPoint(7, 4)};
    for (int m = 0; m <= 11; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(reg.Calibrate(same, sameDst, WarpingMethod(m)), WarpTranslation);
    }
    RPoint q = reg.Transform(RPoint(0, 0));
    EXPECT_DOUBLE_EQ(q.x, 2);
    EXPECT_DOUBLE_EQ(q.y, 1);

    // Axis scale with one vertical line of sources: never the similarity.
    RPoints column = {RPoint(3, 0), RPoint(3, 10), RPoint(3, 20)};
    RPoints columnDst = {RPoint(0, 0), RPoint(1, 10), RPoint(2, 20)};
    WarpingMethod got = reg.Calibrate(column, columnDst, WarpAxisScale);
    EXPECT_EQ(got, WarpUniformScale);

    // Points on a horizontal line: the affine model's v column is zero,
    // the similarity still fits.
    RPoints line = {RPoint(0, 7), RPoint(10, 7), RPoint(20, 7), RPoint(30, 7), RPoint(40, 7)};
    RPoints lineDst = Map(line, AffineMap);
    EXPECT_EQ(reg.Calibrate(line, lineDst, WarpAffine), WarpSimilarity);
    // Splines on those points: P P' is singular, the direct solver's
    // truncated eigen-decomposition still interpolates.
    got = reg.Calibrate(line, lineDst, WarpThinPlateSpline);
    EXPECT_EQ(got, WarpThinPlateSpline);
    EXPECT_NEAR(reg.Transform(line[2]).x, lineDst[2].x, 1e-3);
}

TEST(Registration, CopiesAreIndependent) {
    RPoints src = Scatter(20), dst = Map(src, Wavy);
    CImageRegistration reg;
    ASSERT_EQ(reg.Calibrate(src, dst, WarpThinPlateSpline), WarpThinPlateSpline);
    CImageRegistration copy(reg), assigned;
    assigned = reg;
    assigned = assigned;
    RPoint probe(700, 300);
    RPoint before = reg.Transform(probe);
    EXPECT_EQ(copy.Transform(probe).x, before.x);
    EXPECT_EQ(assigned.Transform(probe).y, before.y);
    ASSERT_EQ(reg.Calibrate(src, Map(src, AffineMap), WarpAffine), WarpAffine);
    EXPECT_NE(reg.Transform(probe).x, before.x);
    EXPECT_EQ(copy.Transform(probe).x, before.x);
    EXPECT_EQ(assigned.Transform(probe).x, before.x);
}

TEST(Registration, CallerErrors) {
    RPoints src = Scatter(6), dst = Map(src, Wavy);
    CImageRegistration reg;
    ASSERT_EQ(reg.Calibrate(src, dst, WarpAffine), WarpAffine);
    RPoint fitted = reg.Transform(RPoint(1, 1));
    // Out of range: returned unchanged, the model stays.
    EXPECT_EQ(reg.Calibrate(src, dst, WarpingMethod(13)), WarpingMethod(13));
    EXPECT_EQ(reg.Calibrate(src, dst, WarpingMethod(-1)), WarpingMethod(-1));
    EXPECT_EQ(reg.Transform(RPoint(1, 1)).x, fitted.x);
    // Different lengths and non-finite coordinates: the identity.
    RPoints shorter(dst.begin(), dst.end() - 1);
    EXPECT_EQ(reg.Calibrate(src, shorter, WarpAffine), WarpIdentity);
    EXPECT_EQ(reg.Transform(RPoint(1, 1)).x, 1);
    RPoints bad = dst;
    bad[2].y = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(reg.Calibrate(src, bad, WarpThinPlateSpline), WarpIdentity);
    bad[2].y = std::numeric_limits<double>::infinity();
    EXPECT_EQ(reg.Calibrate(bad, dst, WarpTranslation), WarpIdentity);
    // A NaN point through a fitted model gives NaN, nothing else breaks.
    ASSERT_EQ(reg.Calibrate(src, dst, WarpExponentialSpline), WarpExponentialSpline);
    EXPECT_TRUE(std::isnan(reg.Transform(RPoint(std::nan(""), 0)).x));
}

TEST(Registration, SecondCalibrationReplacesTheFirst) {
    RPoints src = Scatter(10);
    CImageRegistration reg;
    ASSERT_EQ(reg.Calibrate(src, Map(src, Wavy), WarpMarcovSpline), WarpMarcovSpline);
    ASSERT_EQ(reg.Calibrate(src, Map(src, AffineMap), WarpMarcovSpline), WarpMarcovSpline);
    RPoint q = reg.Transform(RPoint(123, 456)), want = AffineMap(RPoint(123, 456));
    EXPECT_NEAR(q.x, want.x, 1e-6);
}

TEST(Registration, LargeSplineStaysOnTheIterativePath) {
    // 1000 pairs: a usable fit that interpolates (the direct fallback would
    // take minutes at this size).
    RPoints src = Scatter(1000, 5), dst = Map(src, Wavy);
    CImageRegistration reg;
    ASSERT_EQ(reg.Calibrate(src, dst, WarpThinPlateSpline), WarpThinPlateSpline);
    for (size_t i = 0; i < src.size(); i += 97) {
        RPoint q = reg.Transform(src[i]);
        EXPECT_NEAR(q.x, dst[i].x, 1e-4);
        EXPECT_NEAR(q.y, dst[i].y, 1e-4);
    }
}
