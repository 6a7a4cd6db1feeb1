// CImageRegistration under an exhausted heap: every allocation from the
// k-th on fails, for every k a calibration makes; the object must keep a
// usable model and leak nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <new>

#include "qvproj/imgreg.h"

namespace {
// -1: off; otherwise the number of allocations still allowed.
thread_local long t_allowed = -1;

void* Allocate(std::size_t n) {
    if (t_allowed == 0) throw std::bad_alloc();
    if (t_allowed > 0) --t_allowed;
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    return p;
}
} // namespace

void* operator new(std::size_t n) {
    return Allocate(n);
}
void* operator new[](std::size_t n) {
    return Allocate(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return Allocate(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return Allocate(n);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace QVProj;

TEST(OutOfMemory, ObjectAlwaysKeepsAUsableModel) {
    RPoints src, dst;
    for (int i = 0; i < 12; ++i) {
        double x = 100.0 * (i % 4) + 3 * i, y = 90.0 * (i / 4) + (i * 7) % 5;
        src.emplace_back(x, y);
        dst.emplace_back(2 * x + 0.1 * y + 5 * std::sin(y / 50), -2 * y + 0.2 * x);
    }
    for (int method : {WarpThinPlateSpline, WarpInverseDistanceSquared, WarpPolynomial2}) {
        for (long k = 0; k < 200; ++k) {
            CImageRegistration reg;
            ASSERT_EQ(reg.Calibrate(src, dst, WarpAffine), WarpAffine);
            t_allowed = k;
            WarpingMethod got = reg.Calibrate(src, dst, static_cast<WarpingMethod>(method));
            CImageRegistration copy(reg); // may fall back to the identity
            CImageRegistration assigned;
            assigned = reg;
            t_allowed = -1;
            EXPECT_GE(got, method);
            EXPECT_LE(got, WarpIdentity);
            RPoint q = reg.Transform(src[3]);
            EXPECT_TRUE(std::isfinite(q.x) && std::isfinite(q.y));
            EXPECT_TRUE(std::isfinite(copy.Transform(src[3]).x));
            EXPECT_TRUE(std::isfinite(assigned.Transform(src[3]).y));
        }
    }
}
