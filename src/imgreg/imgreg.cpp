// CImageRegistration: fits the requested warping model or the first of its
// fallback chain that can be fitted, and maps points through it.
#include <cmath>
#include <new>

#include "imgreg/warp.h"
#include "qvproj/imgreg.h"

namespace QVProj {

namespace {

// The model an object falls back on when not even a new identity model can
// be allocated. It is never fitted and never deleted, so objects may share
// it; it keeps an object from holding a null or dangling model.
CIdentityWarp g_reserveIdentity;

void ReleaseModel(CWarpModel* pModel) {
    if (pModel != &g_reserveIdentity) delete pModel;
}

CWarpModel* CloneOrReserve(const CWarpModel* pModel) {
    try {
        return pModel->Clone();
    } catch (...) {
        return &g_reserveIdentity;
    }
}

CWarpModel* NewIdentityOrReserve() {
    CWarpModel* p = new (std::nothrow) CIdentityWarp;
    return p ? p : &g_reserveIdentity;
}

bool AllFinite(const RPoints& pts) {
    for (const RPoint& p : pts)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    return true;
}

} // namespace

CImageRegistration::CImageRegistration() : Model(NewIdentityOrReserve()) {}

CImageRegistration::CImageRegistration(const CImageRegistration& other)
    : Model(CloneOrReserve(other.Model)) {}

CImageRegistration& CImageRegistration::operator=(const CImageRegistration& other) {
    if (this != &other) {
        CWarpModel* pCopy = CloneOrReserve(other.Model);
        ReleaseModel(Model);
        Model = pCopy;
    }
    return *this;
}

CImageRegistration::~CImageRegistration() {
    ReleaseModel(Model);
    Model = nullptr;
}

WarpingMethod CImageRegistration::Calibrate(const RPoints& src, const RPoints& dst,
                                            WarpingMethod method) {
    const bool sameLength = src.size() == dst.size();
    Verify(sameLength);
    if (!sameLength || !AllFinite(src) || !AllFinite(dst)) {
        CWarpModel* pIdentity = NewIdentityOrReserve();
        ReleaseModel(Model);
        Model = pIdentity;
        return WarpIdentity;
    }

    const std::size_t n = src.size();
    int current = method;
    if (n == 0)
        current = WarpIdentity;
    else if (n == 1 && current != WarpIdentity)
        current = WarpTranslation;

    for (;;) {
        if (current < WarpThinPlateSpline || current > WarpIdentity) {
            Verify(false);
            return static_cast<WarpingMethod>(current);
        }
        if (current == WarpIdentity) {
            CWarpModel* pIdentity = NewIdentityOrReserve();
            ReleaseModel(Model);
            Model = pIdentity;
            return WarpIdentity;
        }
        // The current model stays until a fitted one replaces it, so an
        // exhausted heap costs a step down the chain and never the model.
        CWarpModel* pModel = nullptr;
        bool fitted = false;
        try {
            pModel = NewWarpModel(current);
            fitted = pModel != nullptr && pModel->Fit(src, dst);
        } catch (...) {
            fitted = false;
        }
        if (fitted) {
            ReleaseModel(Model);
            Model = pModel;
            return static_cast<WarpingMethod>(current);
        }
        delete pModel;
        current = kWarpChain[current].fallback;
    }
}

RPoint CImageRegistration::Transform(const RPoint& p) const {
    return Model->Transform(p);
}

} // namespace QVProj
