// The warping models behind CImageRegistration. Internal to the library.
#ifndef QVPROJ_IMGREG_WARP_H
#define QVPROJ_IMGREG_WARP_H

#include "imgreg/util.h"
#include "qvproj/imgreg.h"

namespace QVProj {

// Every model works in a normalised source frame: the centre of the source
// points' bounding box moved to the origin and half its larger side scaled
// to 1. Destination coordinates are never normalised.
class CWarpModel {
public:
    virtual ~CWarpModel() = default;
    virtual CWarpModel* Clone() const = 0;
    virtual bool Fit(const RPoints& src, const RPoints& dst) = 0;
    virtual RPoint Transform(const RPoint& p) const = 0;

    void Normalize(const RPoints& src);

    double CenterX = 0.0;
    double CenterY = 0.0;
    double Scale = 1.0;
    RVector NormX;
    RVector NormY;

protected:
    CWarpModel() = default;
    CWarpModel(const CWarpModel&) = default;
    CWarpModel& operator=(const CWarpModel&) = default;

    // Least-squares fit of the first nTerms of the terms 1, u, v, uv, u^2, v^2
    // of the normalised sources (Normalize first) to the destinations; coeffs
    // becomes nTerms x 2 on success and empty on failure.
    bool FitTerms(const RPoints& dst, int nTerms, RMatrix& coeffs) const;
    // The fitted terms at normalised (u, v), summed in term order.
    static RPoint EvalTerms(const RMatrix& coeffs, int nTerms, double u, double v);
};

// Radial basis interpolation with an affine part: K w + P'a = b, P w = 0.
// The five splines differ only in their kernel.
class CRadialSplineWarp : public CWarpModel {
public:
    bool Fit(const RPoints& src, const RPoints& dst) override;
    RPoint Transform(const RPoint& p) const override;
    virtual double Kernel(double dx, double dy) const = 0;

    RMatrix Weights; // n x 2
    RMatrix Affine;  // 3 x 2
};

class CThinPlateSplineWarp : public CRadialSplineWarp {
public:
    CWarpModel* Clone() const override { return new CThinPlateSplineWarp(*this); }
    double Kernel(double dx, double dy) const override;
};

class CNaturalCubicSplineWarp : public CRadialSplineWarp {
public:
    CWarpModel* Clone() const override { return new CNaturalCubicSplineWarp(*this); }
    double Kernel(double dx, double dy) const override;
};

class CMarcovSplineWarp : public CRadialSplineWarp {
public:
    CWarpModel* Clone() const override { return new CMarcovSplineWarp(*this); }
    double Kernel(double dx, double dy) const override;
};

class CExponentialSplineWarp : public CRadialSplineWarp {
public:
    CWarpModel* Clone() const override { return new CExponentialSplineWarp(*this); }
    double Kernel(double dx, double dy) const override;
};

class CRationalQuadraticSplineWarp : public CRadialSplineWarp {
public:
    CWarpModel* Clone() const override { return new CRationalQuadraticSplineWarp(*this); }
    double Kernel(double dx, double dy) const override;
};

// An affine trend plus inverse-distance-squared interpolation of its residuals.
class CInverseDistanceWarp : public CWarpModel {
public:
    CWarpModel* Clone() const override { return new CInverseDistanceWarp(*this); }
    bool Fit(const RPoints& src, const RPoints& dst) override;
    RPoint Transform(const RPoint& p) const override;

    RMatrix Trend; // 3 x 2
    RVector ResidualX;
    RVector ResidualY;
};

class CPolynomial2Warp : public CWarpModel {
public:
    CWarpModel* Clone() const override { return new CPolynomial2Warp(*this); }
    bool Fit(const RPoints& src, const RPoints& dst) override;
    RPoint Transform(const RPoint& p) const override;

    RMatrix Coeffs; // 6 x 2: 1, u, v, uv, u^2, v^2
};

class CAffineWarp : public CWarpModel {
public:
    CWarpModel* Clone() const override { return new CAffineWarp(*this); }
    bool Fit(const RPoints& src, const RPoints& dst) override;
    RPoint Transform(const RPoint& p) const override;

    RMatrix Coeffs; // 3 x 2
};

class CSimilarityWarp : public CWarpModel {
public:
    CWarpModel* Clone() const override { return new CSimilarityWarp(*this); }
    bool Fit(const RPoints& src, const RPoints& dst) override;
    RPoint Transform(const RPoint& p) const override;

    RVector Params; // 4
};

class CAxisScaleWarp : public CWarpModel {
public:
    CWarpModel* Clone() const override { return new CAxisScaleWarp(*this); }
    bool Fit(const RPoints& src, const RPoints& dst) override;
    RPoint Transform(const RPoint& p) const override;

    RMatrix Coeffs; // 2 x 2
};

class CUniformScaleWarp : public CWarpModel {
public:
    CWarpModel* Clone() const override { return new CUniformScaleWarp(*this); }
    bool Fit(const RPoints& src, const RPoints& dst) override;
    RPoint Transform(const RPoint& p) const override;

    RVector Params; // 3
};

class CTranslationWarp : public CWarpModel {
public:
    CWarpModel* Clone() const override { return new CTranslationWarp(*this); }
    bool Fit(const RPoints& src, const RPoints& dst) override;
    RPoint Transform(const RPoint& p) const override;

    double ShiftX = 0.0;
    double ShiftY = 0.0;
};

class CIdentityWarp : public CWarpModel {
public:
    CWarpModel* Clone() const override { return new CIdentityWarp(*this); }
    bool Fit(const RPoints& src, const RPoints& dst) override {
        Verify(src.size() == dst.size());
        return true;
    }
    RPoint Transform(const RPoint& p) const override { return p; }
};

// The fallback chain: per method, the fewest pairs its model can be fitted
// with and the method tried when its fit fails (-1: none).
struct WarpChainEntry {
    int minPairs;
    int fallback;
};
constexpr WarpChainEntry kWarpChain[13] = {
    {4, 5}, {4, 5},  {4, 5},  {4, 5},  {4, 5},  {4, 8},  {6, 7},
    {4, 8}, {2, 10}, {2, 10}, {2, 11}, {1, 12}, {0, -1},
};

// A new, unfitted model of the method's class (throws on exhausted memory);
// null for a method outside 0 to 12.
CWarpModel* NewWarpModel(int method);

} // namespace QVProj

#endif
