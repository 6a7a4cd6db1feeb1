// The point sets and projection definitions that the library benchmarks and
// the PROJ side-by-side runs share, so both convert the same points.
#ifndef QVPROJ_BENCH_POINTS_H
#define QVPROJ_BENCH_POINTS_H

#include <vector>

namespace qvbench {

constexpr int kPoints = 1000000;

struct Case {
    const char* name;
    int type;      // ProjType
    int ellipsoid; // EllipsoidType: 47 WGS 84, 48 sphere of 6370997 m
    double lat0, lon0, lat1, lat2, k0;
    double lonLo, lonHi, latLo, latHi; // the area of the points, degrees
    const char* proj;                  // the same projection for PROJ, or null
    const char* projApprox;            // PROJ's +approx variant, or null
    // Hotine and Oblique Mercator: the second meridian and point, the
    // azimuth and the flags (1 bUseAlpha, 2 bRotate, 4 bUOffset).
    double lon1 = 0, lon2 = 0, alpha = 0;
    int flags = 0;
};

inline const Case kCases[] = {
    {"Mercator/sphere", 1, 48, 0, 0, 0, 0, 0, -179, 179, -80, 80, "+proj=merc +R=6370997", nullptr},
    {"Mercator/ellipsoid", 1, 47, 0, 0, 0, 0, 0, -179, 179, -80, 80, "+proj=merc +ellps=WGS84",
     nullptr},
    {"UTM/sphere", 4, 48, 0, 15, 0, 0, 0.9996, 12, 18, -80, 80,
     "+proj=tmerc +R=6370997 +lon_0=15 +k_0=0.9996 +x_0=500000", nullptr},
    {"UTM/ellipsoid", 4, 47, 0, 15, 0, 0, 0.9996, 12, 18, -80, 80,
     "+proj=utm +zone=33 +ellps=WGS84", "+proj=utm +approx +zone=33 +ellps=WGS84"},
    {"TM/sphere", 17, 48, 10, 15, 0, 0, 0.9999, 12, 18, -80, 80,
     "+proj=tmerc +R=6370997 +lat_0=10 +lon_0=15 +k_0=0.9999", nullptr},
    {"TM/ellipsoid", 17, 47, 10, 15, 0, 0, 0.9999, 12, 18, -80, 80,
     "+proj=tmerc +ellps=WGS84 +lat_0=10 +lon_0=15 +k_0=0.9999",
     "+proj=tmerc +approx +ellps=WGS84 +lat_0=10 +lon_0=15 +k_0=0.9999"},
    {"Lambert/sphere", 5, 48, 23, -96, 33, 45, 0, -130, -60, 10, 70,
     "+proj=lcc +R=6370997 +lat_0=23 +lon_0=-96 +lat_1=33 +lat_2=45", nullptr},
    {"Lambert/ellipsoid", 5, 47, 23, -96, 33, 45, 0, -130, -60, 10, 70,
     "+proj=lcc +ellps=WGS84 +lat_0=23 +lon_0=-96 +lat_1=33 +lat_2=45", nullptr},
    // Conics and Cassini. Equidistant Conic computes on the sphere of radius
    // a for every record; its WGS 84 row still runs against PROJ's
    // ellipsoidal eqdc, the projection a user with that record compares.
    {"Albers/sphere", 2, 48, 23, -96, 29.5, 45.5, 0, -130, -60, 10, 70,
     "+proj=aea +R=6370997 +lat_0=23 +lon_0=-96 +lat_1=29.5 +lat_2=45.5", nullptr},
    {"Albers/ellipsoid", 2, 47, 23, -96, 29.5, 45.5, 0, -130, -60, 10, 70,
     "+proj=aea +ellps=WGS84 +lat_0=23 +lon_0=-96 +lat_1=29.5 +lat_2=45.5", nullptr},
    {"EquidistantConic/sphere", 26, 48, 23, -96, 29.5, 45.5, 0, -130, -60, 10, 70,
     "+proj=eqdc +R=6370997 +lat_0=23 +lon_0=-96 +lat_1=29.5 +lat_2=45.5", nullptr},
    {"EquidistantConic/ellipsoid", 26, 47, 23, -96, 29.5, 45.5, 0, -130, -60, 10, 70,
     "+proj=eqdc +ellps=WGS84 +lat_0=23 +lon_0=-96 +lat_1=29.5 +lat_2=45.5", nullptr},
    {"Polyconic/sphere", 11, 48, 30, -96, 0, 0, 0, -130, -60, 10, 70,
     "+proj=poly +R=6370997 +lat_0=30 +lon_0=-96", nullptr},
    {"Polyconic/ellipsoid", 11, 47, 30, -96, 0, 0, 0, -130, -60, 10, 70,
     "+proj=poly +ellps=WGS84 +lat_0=30 +lon_0=-96", nullptr},
    {"Bonne/sphere", 21, 48, 0, -75, 40, 0, 0, -110, -40, 10, 70,
     "+proj=bonne +R=6370997 +lon_0=-75 +lat_1=40", nullptr},
    {"Bonne/ellipsoid", 21, 47, 0, -75, 40, 0, 0, -110, -40, 10, 70,
     "+proj=bonne +ellps=WGS84 +lon_0=-75 +lat_1=40", nullptr},
    {"Cassini/sphere", 16, 48, 40, -75, 0, 0, 0, -80, -70, 35, 45,
     "+proj=cass +R=6370997 +lat_0=40 +lon_0=-75", nullptr},

    // Cylindrical and world projections: the whole world about Lon0 = 10
    // (Robinson about Greenwich), poles left out.
    {"Miller/sphere", 3, 48, 0, 10, 0, 0, 0, -169, 189, -89, 89, "+proj=mill +R=6370997 +lon_0=10",
     nullptr},
    {"EquiCyl/sphere", 13, 48, 0, 10, 30, 0, 0, -169, 189, -89, 89,
     "+proj=eqc +R=6370997 +lon_0=10 +lat_ts=30", nullptr},
    {"Mollweide/sphere", 8, 48, 0, 10, 0, 0, 0, -169, 189, -89, 89,
     "+proj=moll +R=6370997 +lon_0=10", nullptr},
    {"Sinusoidal/sphere", 19, 48, 0, 10, 0, 0, 0, -169, 189, -89, 89,
     "+proj=sinu +R=6370997 +lon_0=10", nullptr},
    {"Sinusoidal/ellipsoid", 19, 47, 0, 10, 0, 0, 0, -169, 189, -89, 89,
     "+proj=sinu +ellps=WGS84 +lon_0=10", nullptr},
    {"Robinson/sphere", 14, 48, 0, 0, 0, 0, 0, -179, 179, -89, 89, "+proj=robin +R=6370997",
     nullptr},
    {"RobinsonSterling/sphere", 22, 48, 0, 10, 0, 0, 0, -169, 189, -89, 89, nullptr, nullptr},
    {"EckertIV/sphere", 23, 48, 0, 10, 0, 0, 0, -169, 189, -89, 89,
     "+proj=eck4 +R=6370997 +lon_0=10", nullptr},
    {"EckertVI/sphere", 24, 48, 0, 10, 0, 0, 0, -169, 189, -89, 89,
     "+proj=eck6 +R=6370997 +lon_0=10", nullptr},
    {"VanDerGrinten/sphere", 15, 48, 0, 10, 0, 0, 0, -169, 189, -89, 89,
     "+proj=vandg +R=6370997 +lon_0=10", nullptr},

    // Azimuthal and oblique.
    {"Stereographic/sphere", 6, 48, 40, -100, 0, 0, 0.9999, -140, -60, 0, 80,
     "+proj=stere +R=6370997 +lat_0=40 +lon_0=-100 +k_0=0.9999", nullptr},
    {"Stereographic/ellipsoid", 6, 47, 40, -100, 0, 0, 0.9999, -140, -60, 0, 80,
     "+proj=stere +ellps=WGS84 +lat_0=40 +lon_0=-100 +k_0=0.9999", nullptr},
    {"Stereographic/UPS", 6, 47, 90, 0, 0, 0, 0.994, -179, 179, 60, 89.9,
     "+proj=stere +ellps=WGS84 +lat_0=90 +k_0=0.994", nullptr},
    {"Orthographic/sphere", 7, 48, 40, -100, 0, 0, 0, -140, -60, 0, 80,
     "+proj=ortho +R=6370997 +lat_0=40 +lon_0=-100", nullptr},
    {"Gnomonic/sphere", 27, 48, 0, -100, 40, 0, 0, -140, -60, 10, 70,
     "+proj=gnom +R=6370997 +lat_0=40 +lon_0=-100", nullptr},
    {"LambertAzimuthal/sphere", 20, 48, 0, -100, 40, 0, 0, -140, -60, 0, 80,
     "+proj=laea +R=6370997 +lat_0=40 +lon_0=-100", nullptr},
    {"AzimuthalEquidistant/sphere", 28, 48, 0, -100, 40, 0, 0, -140, -60, 0, 80,
     "+proj=aeqd +R=6370997 +lat_0=40 +lon_0=-100", nullptr},
    {"Hotine/ellipsoid", 12, 15, 57, -133.6666667, 0, 0, 0.9999, -148, -119, 43, 71,
     "+proj=omerc +ellps=clrk66 +lat_0=57 +lonc=-133.6666667 +alpha=-36.8698976 "
     "+gamma=-36.8698976 +k=0.9999",
     nullptr, -133.6666667, 0, -36.8698976, 7},
    {"ObliqueMercator/sphere", 25, 48, 0, -100, 45, 30, 0.9996, -140, -60, 10, 70,
     "+proj=omerc +R=6370997 +lat_1=45 +lon_1=-100 +lat_2=30 +lon_2=-95 +k=0.9996 +no_rot", nullptr,
     -100, -95},
};
constexpr int kNumCases = sizeof(kCases) / sizeof(kCases[0]);

// A 1000 x 1000 grid over the case's area, lon/lat in degrees.
template <class Point> std::vector<Point> GridPoints(const Case& c) {
    std::vector<Point> pts(kPoints);
    for (int i = 0; i < 1000; ++i)
        for (int j = 0; j < 1000; ++j) {
            Point& p = pts[static_cast<size_t>(i) * 1000 + static_cast<size_t>(j)];
            p.x = c.lonLo + (c.lonHi - c.lonLo) * (i + 0.5) / 1000.0;
            p.y = c.latLo + (c.latHi - c.latLo) * (j + 0.5) / 1000.0;
        }
    return pts;
}

} // namespace qvbench

#endif
