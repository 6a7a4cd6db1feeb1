// Ellipsoid catalogue queries.
#include "proj/ellipsoids.h"

#include <cstring>

#include "frame/text.h"
#include "proj/geodesy.h"

namespace QVProj {

bool EllipsoidInfo(EllipsoidType e, char* pName, double* pRadius, double* pFlattening) {
    if (e == ET_USER_DEFINED) {
        if (pName) std::strcpy(pName, "user-defined");
        return false;
    }
    if (!IsBuiltInEllipsoid(e)) return false;
    const EllipsoidRow& row = kEllipsoids[e];
    if (pName) std::strcpy(pName, row.name);
    if (pRadius) *pRadius = row.a;
    if (pFlattening) *pFlattening = row.f;
    return true;
}

double EllipsoidRadius(EllipsoidType e) {
    return EllipsoidAxesOf(e).a;
}

double EllipsoidFlattening(EllipsoidType e) {
    return EllipsoidAxesOf(e).f;
}

bool EllipsoidFromName(EllipsoidType* pOut, const char* pName) {
    if (pOut == nullptr || pName == nullptr) return false;
    *pOut = ET_USER_DEFINED;
    for (int i = 0; i <= kNumEllipsoids; ++i) {
        if (EqualsIgnoreCase(kEllipsoids[i].name, pName)) {
            *pOut = static_cast<EllipsoidType>(i);
            return true;
        }
    }
    return false;
}

} // namespace QVProj
