// Georeference family of libqvproj: control point records, georeference
// handles and the Helmert, polynomial, coefficient, spline and
// inverse-distance fits behind them.
#ifndef QVPROJ_GEOREF_H
#define QVPROJ_GEOREF_H

#include <cstddef>
#include <cstdint>

#include "qvproj/export.h"

namespace QVProj {

enum TransformMethod : int32_t {
    RefHelmert = 0,
    RefAffine = 1,
    RefFirstOrder = 2, // bilinear: 1, x, y, x*y
    RefSecondOrder = 3,
    RefThirdOrder = 4,
    RefCoefficients = 5, // known A to F, no fit
    RefThinPlateSpline = 6,
    RefNaturalCubicSpline = 7,
    RefMarcovSpline = 8,
    RefExponentialSpline = 9,
    RefRationalQuadraticSpline = 10,
    RefInverseDistanceSquared = 11,
    RefNone = 12 // no georeference (files); not a method for a handle
};

#pragma pack(push, 1)

struct GEOREFPOINT {
    double x;
    double y;
};

// x' = A x + B y + C;  y' = D x + E y + F  (method 5).
struct GEOREF {
    TransformMethod Method;
    GEOREFPOINT* pSrcControls; // e.g. pixel positions
    GEOREFPOINT* pDstControls; // e.g. map coordinates, index for index
    int32_t NumControls;
    double A;
    double B;
    double C;
    double D;
    double E;
    double F;
    uint8_t Reserved[208];
};

#pragma pack(pop)

static_assert(sizeof(TransformMethod) == 4, "TransformMethod is 32 bits");
static_assert(sizeof(GEOREFPOINT) == 16, "GEOREFPOINT layout");
static_assert(offsetof(GEOREFPOINT, x) == 0 && offsetof(GEOREFPOINT, y) == 8, "GEOREFPOINT layout");
static_assert(offsetof(GEOREF, Method) == 0, "GEOREF layout");
static_assert(offsetof(GEOREF, pSrcControls) == 4, "GEOREF layout");
static_assert(offsetof(GEOREF, pDstControls) == 4 + sizeof(void*), "GEOREF layout");
static_assert(offsetof(GEOREF, NumControls) == 4 + 2 * sizeof(void*), "GEOREF layout");
static_assert(offsetof(GEOREF, A) == 8 + 2 * sizeof(void*), "GEOREF layout");
static_assert(offsetof(GEOREF, B) == 16 + 2 * sizeof(void*), "GEOREF layout");
static_assert(offsetof(GEOREF, C) == 24 + 2 * sizeof(void*), "GEOREF layout");
static_assert(offsetof(GEOREF, D) == 32 + 2 * sizeof(void*), "GEOREF layout");
static_assert(offsetof(GEOREF, E) == 40 + 2 * sizeof(void*), "GEOREF layout");
static_assert(offsetof(GEOREF, F) == 48 + 2 * sizeof(void*), "GEOREF layout");
static_assert(offsetof(GEOREF, Reserved) == 56 + 2 * sizeof(void*), "GEOREF layout");
static_assert(sizeof(GEOREF) == 264 + 2 * sizeof(void*), "GEOREF layout");

// A fitted georeference: private copies of the record and its controls.
struct GeorefSystem;
typedef GeorefSystem* HGEOREF;

// Fits Method to the record's controls (or takes A to F for method 5).
// Null for a null record, a method outside 0 to 11, too few or unusable
// controls, or a spline/inverse-distance fit that had to fall back.
QVPROJ_API HGEOREF RefCreateSystem(const GEOREF* pRef);
QVPROJ_API void RefDeleteSystem(HGEOREF hRef);
// Maps points in place from source to destination coordinates.
QVPROJ_API bool RefForward(HGEOREF hRef, GEOREFPOINT* pPts, int nPts);
// Residual of every control point (distance from the destination control to
// the mapped source control) and their mean. Not for method 5.
QVPROJ_API bool RefComputeError(HGEOREF hRef, double* pMean, double* pErrors);
// The handle's record; its control pointers point at the handle's copies.
QVPROJ_API bool RefGetHandleInfo(HGEOREF hRef, GEOREF* pOut);
// Two zeroed arrays of count points; arrays held before are not released.
QVPROJ_API bool RefAllocControls(GEOREF* pRef, int count);
QVPROJ_API void RefFreeControls(GEOREF* pRef);
// Control points to known affine coefficients (method 5).
QVPROJ_API bool RefControlsToCoeff(GEOREF* pRef);
// Known coefficients to four corner control points (method 1).
QVPROJ_API bool RefCoeffToControls(GEOREF* pRef, int width, int height);
// Rescales the source side for an image resized from old to new size.
QVPROJ_API bool RefResize(GEOREF* pRef, int oldWidth, int oldHeight, int newWidth, int newHeight);
// Extension for hosts that show or store a fit: the fitted map as
// polynomial coefficients. cx receives the coefficients of x' and cy those of
// y' (up to 10 entries each; either may be null), in the order of the terms
// that RefTermName names: 1, x, y, then x^2 (x*y for method 2), x*y, y^2,
// x^3, x^2*y, x*y^2, y^3. Returns the number of terms of the method: 3, 4, 6
// or 10 for the polynomials; 3 for Helmert (x' = a x - b y + c and
// y' = b x + a y + d as 1, x, y terms) and for known coefficients (C, A, B
// and F, D, E); 0 for the spline and inverse-distance methods, which have
// no coefficients; -1 for a null handle.
QVPROJ_API int RefGetCoefficients(HGEOREF hRef, double* cx, double* cy);
// Extension: the name of coefficient `term` (from 0) of RefGetCoefficients
// for a method ("1", "x", "y", "x^2", "x*y", ...); an empty text beyond the
// method's terms or for a method without coefficients.
QVPROJ_API const char* RefTermName(TransformMethod method, int term);
// Extension: the fewest control points a method can be fitted with (2 for
// Helmert, the number of terms for the polynomials, what the image
// registration needs for the others, 0 for known coefficients); -1 for a
// value outside 0 to 11. Fewer points always fail; as many may still fail
// (collinear or coincident points).
QVPROJ_API int RefMinControls(TransformMethod method);
// Display name of a method; an empty text for any other value.
QVPROJ_API const char* RefMethodName(TransformMethod method);

// Owns one georeference handle.
class QVPROJ_API CGeorefTransform {
public:
    CGeorefTransform();
    explicit CGeorefTransform(const GEOREF* pRef);
    CGeorefTransform(const CGeorefTransform& other);
    CGeorefTransform& operator=(const CGeorefTransform& other);
    virtual ~CGeorefTransform();

    bool Create(const GEOREF* pRef);
    void Delete();
    bool IsCreated() const;
    bool Forward(GEOREFPOINT* pPts, int nPts) const;
    bool ComputeError(double* pMean, double* pErrors) const;
    bool GetInfo(GEOREF* pOut) const;

    HGEOREF Handle() const { return m_hRef; }

private:
    HGEOREF m_hRef;
};

} // namespace QVProj

#endif
