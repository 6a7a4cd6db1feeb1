// Projection handles and conversion: creation and its corrections, the
// conversion steps around the modules, normalisation, the answers for
// lat/long objects, CProjector, bad arguments and the log lines.
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "engine_fixture.h"
#include "proj/engine.h"
#include "proj/geodesy.h"
#include "proj/projtypes.h"
#include "proj/statezones.h"

using namespace QVProj;
using engine_test::EngineTest;
using engine_test::Mercator;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

bool Unplottable(const PROJPOINT& p) {
    return p.x == UNPLOTTABLE && p.y == UNPLOTTABLE;
}

PROJDATA Utm(double lon0, bool south = false) {
    PROJDATA d{};
    d.Type = PT_UTM;
    d.Ellipsoid = ET_WGS_84;
    d.Lon0 = lon0;
    d.bSouth = south;
    return d;
}

PROJDATA Sphere(int type) {
    PROJDATA d{};
    d.Type = static_cast<ProjType>(type);
    d.Scale = 1;
    d.Ellipsoid = ET_UNIT_SPHERE;
    return d;
}

} // namespace

class Engine : public EngineTest {};

TEST_F(Engine, CreationWritesBackAndCorrectsCopy) {
    PROJDATA d = Utm(-105);
    d.xOrg = 7;
    d.yOrg = 9;
    d.Reserved[200] = 0x5a;
    d.bWrapLon = 3;
    HPROJ h = ProjCreateProjection(&d);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(+d.xOrg, 500000);
    EXPECT_EQ(+d.yOrg, 0);
    EXPECT_EQ(+d.K0, 0.9996);
    EXPECT_EQ(+d.MajorRadius, 6378137);
    EXPECT_EQ(+d.Flattening, 1 / 298.257223563);
    EXPECT_EQ(+d.Scale, 0); // the caller keeps its Scale of 0
    PROJDATA info{};
    ASSERT_TRUE(ProjGetHandleInfo(h, &info));
    EXPECT_EQ(+info.Scale, 1);
    EXPECT_EQ(+info.xOrg, 500000);
    EXPECT_EQ(info.Reserved[200], 0x5a);
    EXPECT_EQ(info.bWrapLon, 3);
    ProjDeleteProjection(h);

    PROJDATA s = Utm(-105, true);
    s.K0 = 0.5;
    h = ProjCreateProjection(&s);
    EXPECT_EQ(+s.yOrg, 10000000);
    EXPECT_EQ(+s.K0, 0.5);
    ProjDeleteProjection(h);

    // K0 of 0 becomes 1 in the handle only (not UTM).
    PROJDATA m = Mercator();
    h = ProjCreateProjection(&m);
    ASSERT_TRUE(ProjGetHandleInfo(h, &info));
    EXPECT_EQ(+info.K0, 1);
    EXPECT_EQ(+m.K0, 0);
    ProjDeleteProjection(h);
}

TEST_F(Engine, CreationFailures) {
    EXPECT_EQ(ProjCreateProjection(nullptr), nullptr);
    PROJDATA bad = Mercator();
    bad.Lon0 = 1000;
    EXPECT_EQ(ProjCreateProjection(&bad), nullptr);
    EXPECT_EQ(LastError(), 20235);
    // A state plane record with a garbage ellipsoid passes validation but
    // not creation.
    PROJDATA sp{};
    sp.Type = PT_STATEPLANE83;
    sp.Zone = SZ_FIRST;
    sp.Ellipsoid = static_cast<EllipsoidType>(60);
    EXPECT_EQ(ProjCreateProjection(&sp), nullptr);
    EXPECT_EQ(LastError(), 20200);
    sp.Ellipsoid = ET_USER_DEFINED;
    sp.MajorRadius = 0;
    EXPECT_EQ(ProjCreateProjection(&sp), nullptr);
    EXPECT_EQ(LastError(), 20200);
    sp.MajorRadius = 1;
    sp.Flattening = 1;
    EXPECT_EQ(ProjCreateProjection(&sp), nullptr);
    // Unprojected records skip the ellipsoid rules.
    PROJDATA ll{};
    ll.Ellipsoid = static_cast<EllipsoidType>(-4);
    HPROJ h = ProjCreateProjection(&ll);
    EXPECT_NE(h, nullptr);
    ProjDeleteProjection(h);
    ProjDeleteProjection(nullptr);
}

TEST_F(Engine, CreationLogLines) {
    StartLog();
    PROJDATA d = Utm(-105);
    d.Scale = 0;
    HPROJ h = ProjCreateProjection(&d);
    std::string log = Log();
    char call[80], ret[80];
    std::snprintf(call, sizeof call, "ProjCreateProjection(pProjData=%p)\n",
                  static_cast<void*>(&d));
    std::snprintf(ret, sizeof ret, "ProjCreateProjection:  Returning HPROJ of %p\n",
                  static_cast<void*>(h));
    EXPECT_EQ(log.rfind(call, 0), 0u);
    EXPECT_NE(log.find("Warning:  Scale was zero.  Setting to one.\n"), std::string::npos);
    EXPECT_EQ(log.find("K0 was zero"), std::string::npos); // UTM filled it in before
    EXPECT_GE(log.size(), std::strlen(ret));
    EXPECT_EQ(log.substr(log.size() - std::strlen(ret)), ret);
    ProjDeleteProjection(h);

    StartLog();
    PROJDATA u = Mercator();
    u.Ellipsoid = ET_USER_DEFINED;
    u.MajorRadius = 1;
    h = ProjCreateProjection(&u);
    log = Log();
    EXPECT_NE(log.find("Have user-defined ellipsoid.\n"), std::string::npos);
    EXPECT_NE(log.find("Warning:  K0 was zero.  Setting to one.\n"), std::string::npos);
    ProjDeleteProjection(h);

    StartLog();
    u.Lon0 = 500;
    EXPECT_EQ(ProjCreateProjection(&u), nullptr);
    EXPECT_NE(Log().find("Invalid parameter error:  \"Central longitude (Lon0) parameter was "
                         "outside the range of -360 to +360 degrees\"\n"),
              std::string::npos);
}

TEST_F(Engine, UnprojectedPassesPointsThrough) {
    PROJDATA d{};
    HPROJ h = ProjCreateProjection(&d);
    PROJPOINT pts[3] = {{500, -300}, {1, kNaN}, {UNPLOTTABLE, UNPLOTTABLE}};
    ASSERT_TRUE(ProjForward(h, pts, 3));
    EXPECT_EQ(pts[0].x, 500);
    EXPECT_EQ(pts[0].y, -300);
    EXPECT_TRUE(Unplottable(pts[1]));
    EXPECT_EQ(ProjResult(h), 1);
    PROJPOINT one{2, 3};
    ASSERT_TRUE(ProjInverse(h, &one, 1));
    EXPECT_EQ(ProjResult(h), 0);
    EXPECT_EQ(one.x, 2);
    // No module answers for lat/long: an internal error and false.
    EXPECT_FALSE(ProjLLInProjection(h, &one));
    EXPECT_EQ(LastError(), 20200);
    ProjDeleteProjection(h);
}

TEST_F(Engine, ScaleAndFalseOrigin) {
    // Unit sphere Mercator: the module puts lon 10 degrees at x = 10 pi / 180.
    PROJDATA d = Sphere(PT_MERCATOR);
    d.Scale = 2;
    d.xOrg = 100;
    d.yOrg = -5;
    HPROJ h = ProjCreateProjection(&d);
    PROJPOINT p{10, 0};
    ASSERT_TRUE(ProjForward(h, &p, 1));
    const double moduleX = 10 * 3.141592653589793 / 180;
    EXPECT_DOUBLE_EQ(p.x, (moduleX + 100) * 2);
    EXPECT_DOUBLE_EQ(p.y, -10);
    ASSERT_TRUE(ProjInverse(h, &p, 1));
    EXPECT_NEAR(p.x, 10, 1e-12);
    EXPECT_NEAR(p.y, 0, 1e-12);
    ProjDeleteProjection(h);
}

TEST_F(Engine, NormalisesOnTheWayInAndOut) {
    EXPECT_EQ(NormaliseLongitude(370), 10);
    EXPECT_EQ(NormaliseLongitude(-725), -5);
    EXPECT_EQ(NormaliseLongitude(UNPLOTTABLE), UNPLOTTABLE);
    EXPECT_EQ(NormaliseLongitude(INFINITY), UNPLOTTABLE);
    EXPECT_EQ(NormaliseLatitude(100), 80);
    EXPECT_EQ(NormaliseLatitude(-100), -80);
    EXPECT_EQ(NormaliseLatitude(170), 10);
    EXPECT_EQ(NormaliseLatitude(-190), -10);
    EXPECT_EQ(NormaliseLongitude(-350), -350); // the sign is kept
    EXPECT_EQ(NormaliseLatitude(kNaN), UNPLOTTABLE);

    PROJDATA d = Sphere(PT_MERCATOR);
    HPROJ h = ProjCreateProjection(&d);
    PROJPOINT a[3] = {{370, 100}, {10, 80}, {730, -100}};
    ASSERT_TRUE(ProjForward(h, a, 3));
    EXPECT_EQ(a[0].x, a[1].x);
    EXPECT_EQ(a[0].y, a[1].y);
    EXPECT_EQ(a[2].x, a[1].x);
    EXPECT_DOUBLE_EQ(a[2].y, -a[1].y);
    // An inverse that lands beyond 180 degrees comes back within 360.
    PROJPOINT far{3.141592653589793 * 3, 0};
    ASSERT_TRUE(ProjInverse(h, &far, 1));
    EXPECT_NEAR(far.x, 180, 1e-9);
    ProjDeleteProjection(h);
}

TEST_F(Engine, MarkersAndNonFinitePoints) {
    PROJDATA d = Utm(15);
    HPROJ h = ProjCreateProjection(&d);
    PROJPOINT pts[4] = {{UNPLOTTABLE, UNPLOTTABLE}, {15, 45}, {INFINITY, 1}, {16, -kNaN}};
    ASSERT_TRUE(ProjForward(h, pts, 4));
    EXPECT_TRUE(Unplottable(pts[0]));
    EXPECT_FALSE(Unplottable(pts[1]));
    EXPECT_TRUE(Unplottable(pts[2]));
    EXPECT_TRUE(Unplottable(pts[3]));
    EXPECT_EQ(ProjResult(h), 1);
    // A marked point alone does not make the result 1.
    PROJPOINT m[2] = {{UNPLOTTABLE, UNPLOTTABLE}, {15, 45}};
    ASSERT_TRUE(ProjForward(h, m, 2));
    EXPECT_EQ(ProjResult(h), 0);
    ASSERT_TRUE(ProjInverse(h, m, 2));
    EXPECT_EQ(ProjResult(h), 0);
    EXPECT_TRUE(Unplottable(m[0]));
    EXPECT_NEAR(m[1].x, 15, 1e-8);
    EXPECT_NEAR(m[1].y, 45, 1e-8);
    ProjDeleteProjection(h);
}

TEST_F(Engine, BadArguments) {
    PROJDATA d = Mercator();
    HPROJ h = ProjCreateProjection(&d);
    PROJPOINT p{1, 1};
    EXPECT_FALSE(ProjForward(nullptr, &p, 1));
    EXPECT_FALSE(ProjInverse(nullptr, &p, 1));
    EXPECT_EQ(Reports(), 0);
    EXPECT_FALSE(ProjForward(h, nullptr, 1));
    EXPECT_EQ(LastError(), 20200);
    EXPECT_FALSE(ProjForward(h, &p, 0));
    EXPECT_FALSE(ProjInverse(h, &p, -1));
    EXPECT_FALSE(ProjInverse(h, &p, INT_MIN));
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(ProjResult(nullptr), 0);
    PROJDATA info;
    EXPECT_FALSE(ProjGetHandleInfo(nullptr, &info));
    EXPECT_FALSE(ProjGetHandleInfo(h, nullptr));
    EXPECT_FALSE(ProjLLInProjection(nullptr, &p));
    EXPECT_FALSE(ProjLLInProjection(h, nullptr));
    double a = 0, b = 0;
    EXPECT_FALSE(ProjLLOffsetSplitObject(nullptr, &p, 1, &a, &b));
    EXPECT_FALSE(ProjLLOffsetSplitObject(h, nullptr, 1, &a, &b));
    EXPECT_FALSE(ProjLLOffsetSplitObject(h, &p, 0, &a, &b));
    EXPECT_FALSE(ProjLLOffsetSplitObject(h, &p, 1, nullptr, &b));
    EXPECT_FALSE(ProjLLOffsetSplitObject(h, &p, 1, &a, nullptr));
    ProjDeleteProjection(h);
}

TEST_F(Engine, ConversionLogLines) {
    PROJDATA d = Mercator();
    HPROJ h = ProjCreateProjection(&d);
    StartLog();
    PROJPOINT p[2] = {{0, 90}, {1, 1}};
    ASSERT_TRUE(ProjForward(h, p, 2));
    char call[120];
    std::snprintf(call, sizeof call, "ProjForward(hProj=%p, pPts=%p, nPts=%d)\n",
                  static_cast<void*>(h), static_cast<void*>(p), 2);
    EXPECT_EQ(Log(), std::string(call) + "  One or more unplottable points generated.\n");
    StartLog();
    EXPECT_FALSE(ProjForward(nullptr, p, 2));
    std::snprintf(call, sizeof call, "ProjForward(hProj=%p, pPts=%p, nPts=%d)\n", nullptr,
                  static_cast<void*>(p), 2);
    EXPECT_EQ(Log(), std::string(call) + "NULL hProj pointer!\n");
    ProjDeleteProjection(h);
}

TEST_F(Engine, UndefinedTypeConvertsNothing) {
    PROJPOINT p{1, 1};
    PROJDATA u{};
    u.Type = PT_UNDEFINED;
    u.Ellipsoid = ET_WGS_84;
    HPROJ h = ProjCreateProjection(&u);
    ASSERT_NE(h, nullptr);
    int before = Reports();
    EXPECT_FALSE(ProjForward(h, &p, 1));
    EXPECT_FALSE(ProjLLInProjection(h, &p));
    EXPECT_EQ(Reports(), before + 2);
    ProjDeleteProjection(h);
}

TEST_F(Engine, LatLongQuestions) {
    PROJDATA d = Mercator();
    HPROJ h = ProjCreateProjection(&d);
    PROJPOINT in{179.9, 10}, edge{360.5, 0}, nan{kNaN, 0}, pole{0, 90};
    EXPECT_TRUE(ProjLLInProjection(h, &in));
    EXPECT_FALSE(ProjLLInProjection(h, &edge));
    EXPECT_FALSE(ProjLLInProjection(h, &nan));
    EXPECT_FALSE(ProjLLInProjection(h, &pole));
    EXPECT_EQ(Reports(), 0);
    PROJPOINT line[2] = {{170, 0}, {185, 0}};
    double lon = 1, lat = 1;
    EXPECT_TRUE(ProjLLOffsetSplitObject(h, line, 2, &lon, &lat));
    EXPECT_EQ(lon, -360);
    EXPECT_EQ(lat, 0);
    ProjDeleteProjection(h);
}

TEST_F(Engine, StatePlaneHandles) {
    // Alabama East 1927: Transverse Mercator on Clarke 1866; its false
    // easting (500000 US survey feet) comes from the zone.
    PROJDATA d{};
    d.Type = PT_STATEPLANE27;
    d.Zone = SZ_FIRST;
    d.Ellipsoid = ET_CLARKE_1866;
    HPROJ h = ProjCreateProjection(&d);
    ASSERT_NE(h, nullptr);
    PROJPOINT p{-85.8333333333333, 30.5};
    ASSERT_TRUE(ProjForward(h, &p, 1));
    EXPECT_NEAR(p.x, 152400.3048006096, 1e-6);
    EXPECT_NEAR(p.y, 0, 1e-6);
    PROJPOINT q{-86, 32};
    ASSERT_TRUE(ProjForward(h, &q, 1));
    ASSERT_TRUE(ProjInverse(h, &q, 1));
    EXPECT_NEAR(q.x, -86, 1e-8);
    EXPECT_NEAR(q.y, 32, 1e-8);
    PROJDATA info;
    ProjGetHandleInfo(h, &info);
    EXPECT_EQ(+info.Type, PT_STATEPLANE27); // the handle keeps the zone
    PROJPOINT inZone{-86, 32}, far{-140, 32};
    EXPECT_TRUE(ProjLLInProjection(h, &inZone));
    EXPECT_FALSE(ProjLLInProjection(h, &far));
    ProjDeleteProjection(h);
}

TEST_F(Engine, CProjectorOwnsIndependentHandles) {
    PROJDATA d = Utm(15);
    CProjector a(&d);
    ASSERT_NE(a.Handle(), nullptr);
    PROJPOINT p{15, 45};
    {
        CProjector b(a);
        ASSERT_NE(b.Handle(), nullptr);
        EXPECT_NE(b.Handle(), a.Handle());
        PROJPOINT q = p;
        EXPECT_TRUE(b.Forward(&q, 1));
    }
    EXPECT_TRUE(a.Forward(&p, 1));
    EXPECT_NEAR(p.x, 500000, 1e-6);
    EXPECT_EQ(a.Result(), 0);
    CProjector c;
    EXPECT_EQ(c.Handle(), nullptr);
    EXPECT_FALSE(c.Forward(&p, 1));
    c = a;
    EXPECT_NE(c.Handle(), nullptr);
    EXPECT_NE(c.Handle(), a.Handle());
    HPROJ before = c.Handle();
    CProjector& self = c;
    c = self;
    EXPECT_EQ(c.Handle(), before);
    PROJDATA info;
    EXPECT_TRUE(c.GetInfo(&info));
    EXPECT_EQ(+info.Type, PT_UTM);
    PROJPOINT inside{20, 0};
    EXPECT_TRUE(c.LLInProjection(&inside));
    double lon, lat;
    EXPECT_FALSE(c.LLOffsetSplitObject(&inside, 1, &lon, &lat));
    PROJDATA bad = Mercator();
    bad.Lat0 = 90;
    EXPECT_FALSE(c.Create(&bad));
    EXPECT_EQ(c.Handle(), nullptr);
    EXPECT_TRUE(c.Create(&d));
    c.Delete();
    EXPECT_EQ(c.Handle(), nullptr);
    c.Delete();
}

// Records of random bytes and random plausible records, with hostile points:
// whatever validation lets through converts without crashing, and every
// output coordinate is finite (the marker included).
TEST_F(Engine, RandomRecordsNeverCrash) {
    std::mt19937 rng(20261205);
    std::uniform_real_distribution<double> angle(-400, 400), small(-1, 1);
    const double specials[] = {kNaN, INFINITY, -INFINITY, UNPLOTTABLE, 1e300, -0.0, 90, -90, 180};
    int converted = 0;
    for (int round = 0; round < 3000; ++round) {
        PROJDATA d;
        unsigned char* bytes = reinterpret_cast<unsigned char*>(&d);
        for (size_t i = 0; i < sizeof d; ++i) bytes[i] = static_cast<unsigned char>(rng());
        if (round % 3 != 0) {
            // Mostly valid records of any type (or 999), any fields.
            const int type = static_cast<int>(rng() % (kNumProjTypes + 1));
            d.Type = static_cast<ProjType>(type == kNumProjTypes ? PT_UNDEFINED : type);
            d.Scale = std::fabs(small(rng)) * 3;
            d.K0 = std::fabs(small(rng));
            d.xOrg = small(rng) * 1e6;
            d.yOrg = small(rng) * 1e6;
            // Now and then the degenerate angles the modules guard against.
            const double edges[] = {0, 90, -90, 180, 270};
            auto angleOrEdge = [&](double scale) {
                return rng() % 4 == 0 ? edges[rng() % 5] : angle(rng) / scale;
            };
            d.Lat0 = angleOrEdge(4.5);
            d.Lon0 = angleOrEdge(1);
            d.Lat1 = angleOrEdge(4.5);
            d.Lat2 = angleOrEdge(4.5);
            d.Lon1 = angleOrEdge(1);
            d.Lon2 = angleOrEdge(1);
            d.Alpha = rng() % 8 == 0 ? 0.0 : angleOrEdge(1);
            d.Zone = static_cast<StateZoneType>(rng() % 150);
            d.Ellipsoid = static_cast<EllipsoidType>(rng() % 51);
            d.MajorRadius = 6e6 * std::fabs(small(rng));
            d.Flattening = std::fabs(small(rng)) * 0.5;
        }
        char text[512];
        if (ProjCheckParams(&d, text, false) != 0) continue;
        CProjector projector(&d);
        if (projector.Handle() == nullptr) continue;
        PROJPOINT pts[16];
        for (PROJPOINT& p : pts) {
            p.x = rng() % 4 == 0 ? specials[rng() % 9] : angle(rng);
            p.y = rng() % 4 == 0 ? specials[rng() % 9] : angle(rng) / 2;
        }
        PROJPOINT probe{pts[0].x, pts[0].y};
        projector.LLInProjection(&probe);
        double lon = 0, lat = 0;
        projector.LLOffsetSplitObject(pts, 16, &lon, &lat);
        if (projector.Forward(pts, 16)) {
            for (const PROJPOINT& p : pts) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            if (projector.Inverse(pts, 16)) {
                for (const PROJPOINT& p : pts)
                    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            }
            ++converted;
        }
    }
    EXPECT_GT(converted, 200);
}
