// The ellipsoid catalogue: semi-major axis in metres and flattening, one row
// per EllipsoidType 0 to 49. Row 0 (user defined) only carries its name.
#ifndef QVPROJ_PROJ_ELLIPSOIDS_H
#define QVPROJ_PROJ_ELLIPSOIDS_H

#include "qvproj/proj.h"

namespace QVProj {

struct EllipsoidRow {
    const char* name;
    double a;
    double f; // 1 / inverse flattening, rounded to the nearest double; 0 for spheres
};

constexpr int kNumEllipsoids = 49;

inline constexpr EllipsoidRow kEllipsoids[kNumEllipsoids + 1] = {
    {"User Defined", 0.0, 0.0},
    {"MERIT 1983", 6378137.0, 1.0 / 298.257},
    {"Soviet Geodetic System 85", 6378136.0, 1.0 / 298.257},
    {"GRS 1980 / IUGG 1980", 6378137.0, 1.0 / 298.257222101},
    {"IAU 1976", 6378140.0, 1.0 / 298.257},
    {"Airy 1830", 6377563.396, 1.0 / 299.3249646},
    {"Appl. Physics. 1965", 6378137.0, 1.0 / 298.25},
    {"Naval Weapons Lab., 1965", 6378145.0, 1.0 / 298.25},
    {"Modified Airy", 6377340.189, 1.0 / 299.3249646},
    {"Andrae 1876 (Den., Iclnd.)", 6377104.43, 1.0 / 300.0},
    {"Australian Natl & S. Amer. 1969", 6378160.0, 1.0 / 298.25},
    {"GRS 67(IUGG 1967)", 6378160.0, 1.0 / 298.247167427},
    {"Bessel 1841", 6377397.155, 1.0 / 299.1528128},
    {"Bessel 1841 (Namibia)", 6377483.865, 1.0 / 299.1528128},
    {"Bessel Modified", 6377397.155, 1.0 / 299.1528153513},
    {"Clarke 1866", 6378206.4, 1.0 / 294.9786982},
    {"Clarke 1880 mod.", 6378249.145, 1.0 / 293.4663},
    {"Comm. des Poids et Mesures 1799", 6375738.7, 1.0 / 334.29},
    {"Delambre 1810 (Belgium)", 6376428.0, 1.0 / 311.5},
    {"Engelis 1985", 6378136.05, 1.0 / 298.2566},
    {"Everest 1830", 6377276.345, 1.0 / 300.8017},
    {"Everest 1948", 6377304.063, 1.0 / 300.8017},
    {"Everest 1956", 6377301.0, 1.0 / 300.8017},
    {"Everest 1969", 6377295.0, 1.0 / 300.8017},
    {"Everest - Brunei", 6377298.556, 1.0 / 300.8017},
    {"Everest (Sabah & Sarawak)", 6377298.0, 1.0 / 300.8017},
    {"Everest Pakistan", 6377309.613, 1.0 / 300.8017},
    {"Fischer (Mercury Datum) 1960", 6378166.0, 1.0 / 298.3},
    {"Modified Fischer 1960", 6378155.0, 1.0 / 298.3},
    {"Fischer 1968", 6378150.0, 1.0 / 298.3},
    {"Helmert 1906", 6378200.0, 1.0 / 298.3},
    {"Hough", 6378270.0, 1.0 / 297.0},
    {"Indonesian 1974", 6378160.0, 1.0 / 298.247},
    {"International 1909 (Hayford)", 6378388.0, 1.0 / 297.0},
    {"International 1924", 6378388.0, 1.0 / 297.0},
    {"Krassovsky, 1942", 6378245.0, 1.0 / 298.3},
    {"Kaula 1961", 6378163.0, 1.0 / 298.24},
    {"Lerch 1979", 6378139.0, 1.0 / 298.257},
    {"Maupertius 1738", 6397300.0, 1.0 / 191.0},
    {"New International 1967", 6378157.5, 1.0 / 298.25},
    {"Plessis 1817 (France)", 6376523.0, 1.0 / 308.64},
    {"Southeast Asia", 6378155.0, 1.0 / 298.3},
    {"State Plane 1927, Michigan", 6378450.047, 1.0 / 294.9786982},
    {"Walbeck", 6376896.0, 1.0 / 302.78},
    {"WGS 60", 6378165.0, 1.0 / 298.3},
    {"WGS 66", 6378145.0, 1.0 / 298.25},
    {"WGS 72", 6378135.0, 1.0 / 298.26},
    {"WGS 84", 6378137.0, 1.0 / 298.257223563},
    {"Standard Sphere of 6370997 Meters", 6370997.0, 0.0},
    {"Standard Sphere of One Unit", 1.0, 0.0},
};
static_assert(sizeof(kEllipsoids) / sizeof(kEllipsoids[0]) == kNumEllipsoids + 1,
              "one row per EllipsoidType 0 to 49");

// True for the built-in ellipsoids 1 to 49.
constexpr bool IsBuiltInEllipsoid(int e) {
    return e >= 1 && e <= kNumEllipsoids;
}

} // namespace QVProj

#endif
