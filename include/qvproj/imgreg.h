// Image registration family of libqvproj: registers one plane onto another
// from matched point pairs, stepping down a fixed chain of simpler warping
// models when a model cannot be fitted.
#ifndef QVPROJ_IMGREG_H
#define QVPROJ_IMGREG_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "qvproj/export.h"

namespace QVProj {

// One point of a plane; no unit is implied.
class QVPROJ_API RPoint {
public:
    RPoint() = default;
    RPoint(double x_, double y_) : x(x_), y(y_) {}
    double X() const { return x; }
    double Y() const { return y; }

    double x = 0.0;
    double y = 0.0;
};

// Point i of a source list and point i of a destination list form pair i.
using RPoints = std::vector<RPoint>;

// The warping models. Each method falls back to the next of its chain when
// its model cannot be fitted:
//   0 to 4 -> 5 -> 8 -> 10 -> 11 -> 12;  6 -> 7 -> 8;  9 -> 10.
enum WarpingMethod : int32_t {
    WarpThinPlateSpline = 0,
    WarpNaturalCubicSpline = 1,
    WarpMarcovSpline = 2,
    WarpExponentialSpline = 3,
    WarpRationalQuadraticSpline = 4,
    WarpInverseDistanceSquared = 5,
    WarpPolynomial2 = 6,
    WarpAffine = 7,
    WarpSimilarity = 8,
    WarpAxisScale = 9,
    WarpUniformScale = 10,
    WarpTranslation = 11,
    WarpIdentity = 12
};

class CWarpModel;

// Fits a warping model to matched pairs and maps source points through it.
// The object always holds exactly one model; a fresh object is the identity.
class QVPROJ_API CImageRegistration {
public:
    CImageRegistration();
    CImageRegistration(const CImageRegistration& other);
    CImageRegistration& operator=(const CImageRegistration& other);
    ~CImageRegistration();

    // Fits the requested method, or the first of its fallback chain that
    // can be fitted, and returns the method it kept. A method outside 0 to
    // 12 is a caller error: it comes back unchanged and the current model
    // stays. Lists of different lengths, or a non-finite coordinate, fit
    // nothing: the object becomes the identity and WarpIdentity returns.
    WarpingMethod Calibrate(const RPoints& src, const RPoints& dst, WarpingMethod method);
    // Maps a source point to the destination plane.
    RPoint Transform(const RPoint& p) const;

private:
    CWarpModel* Model;
};

} // namespace QVProj

#endif
