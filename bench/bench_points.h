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
    const char* proj;                  // the same projection for PROJ
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
