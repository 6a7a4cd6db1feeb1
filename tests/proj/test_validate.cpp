// Projection parameter validation: the rules in order, the text buffer, the
// reports and the record dump of the debug log.
#include <cmath>
#include <cstring>
#include <limits>

#include "engine_fixture.h"
#include "proj/engine.h"

using namespace QVProj;
using engine_test::EngineTest;
using engine_test::Mercator;

namespace {

PROJDATA OfType(int type) {
    PROJDATA d = Mercator();
    d.Type = static_cast<ProjType>(type);
    return d;
}

struct Outcome {
    int result;
    std::string text;
};

Outcome Check(const PROJDATA& d) {
    char text[512];
    std::memset(text, 'Z', sizeof text);
    int r = ProjCheckParams(&d, text, false);
    return {r, text};
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

class Validate : public EngineTest {};

TEST_F(Validate, NullRecordAndTypes) {
    char text[512] = "junk";
    EXPECT_EQ(ProjCheckParams(nullptr, text, true), 998);
    EXPECT_STREQ(text, "NULL pointer to projection parameters");
    EXPECT_EQ(Reports(), 0);
    EXPECT_EQ(ProjCheckParams(nullptr, nullptr, false), 998);

    for (int bad : {-1, 29, 998, 1000, 0x7fffffff}) {
        Outcome o = Check(OfType(bad));
        EXPECT_EQ(o.result, 1) << bad;
        EXPECT_EQ(o.text, "Invalid projection type parameter specified");
    }
    // Unprojected and undefined records are valid whatever they hold.
    for (int type : {0, 999}) {
        PROJDATA d = OfType(type);
        d.Scale = -5;
        d.Lon0 = kNaN;
        d.Ellipsoid = static_cast<EllipsoidType>(-7);
        Outcome o = Check(d);
        EXPECT_EQ(o.result, 0);
        EXPECT_EQ(o.text, "");
    }
}

TEST_F(Validate, ScaleK0AndFalseOrigin) {
    PROJDATA d = Mercator();
    d.Scale = 0;
    d.K0 = 0;
    EXPECT_EQ(Check(d).result, 0);
    d.Scale = -1;
    EXPECT_EQ(Check(d).result, 2);
    d.Scale = kNaN;
    EXPECT_EQ(Check(d).text, "Scale parameter must be greater than zero");
    d.Scale = 1;
    d.K0 = kNaN;
    EXPECT_EQ(Check(d).result, 13);

    d = Mercator();
    d.xOrg = 1.7014117331926443e38;
    EXPECT_EQ(Check(d).result, 3);
    d.xOrg = -1.7014117331926443e38;
    EXPECT_EQ(Check(d).result, 0);
    d.yOrg = INFINITY;
    EXPECT_EQ(Check(d).result, 4);
    // UTM and the state plane types take any false origin.
    for (int type : {4, 9, 10}) {
        PROJDATA u = OfType(type);
        u.xOrg = INFINITY;
        u.yOrg = kNaN;
        EXPECT_EQ(Check(u).result, 0) << type;
    }
}

TEST_F(Validate, AngleRangesInOrder) {
    PROJDATA d = Mercator();
    d.Lon0 = 359.9;
    EXPECT_EQ(Check(d).result, 0);
    d.Lon0 = 360;
    EXPECT_EQ(Check(d).result, 6);
    d.Lon0 = -360;
    EXPECT_EQ(Check(d).result, 6);
    // The first failing rule decides: Lon0 comes before Lat0.
    d.Lat0 = 500;
    EXPECT_EQ(Check(d).result, 6);
    d.Lon0 = 0;
    EXPECT_EQ(Check(d).result, 5);

    // Parameter number of the field, and the result and text of its rule.
    struct {
        int param;
        int result;
        const char* text;
    } rules[] = {
        {10, 10, "Longitude one (Lon1) parameter was outside the range of -360 to +360 degrees"},
        {11, 11, nullptr},
        {12, 12, nullptr},
        {7, 7, "Standard parallel one (Lat1) parameter was outside the range of -90 to +90"},
        {8, 8, nullptr},
        {9, 9, nullptr},
    };
    for (auto& r : rules) {
        PROJDATA e = Mercator();
        const double inRange = 120; // the latitude rules share the longitude range
        ASSERT_TRUE(ProjSetParam(&e, r.param, &inRange));
        EXPECT_EQ(Check(e).result, 0);
        ASSERT_TRUE(ProjSetParam(&e, r.param, &kNaN));
        Outcome o = Check(e);
        EXPECT_EQ(o.result, r.result);
        if (r.text) {
            EXPECT_EQ(o.text, r.text);
        }
    }
    PROJDATA lat90 = Mercator();
    lat90.Type = PT_TMERCATOR;
    lat90.Lat0 = 90;
    EXPECT_EQ(Check(lat90).result, 0);
}

TEST_F(Validate, TypeSpecificRules) {
    PROJDATA m = Mercator();
    m.Lat0 = 89.995;
    Outcome o = Check(m);
    EXPECT_EQ(o.result, 5);
    EXPECT_EQ(o.text,
              "Central latitude (Lat0) parameter cannot be +/-90 degrees for Mercator projection");
    m.Lat0 = -89.98;
    EXPECT_EQ(Check(m).result, 0);

    PROJDATA l = OfType(PT_LAMBERT);
    l.Lat1 = 30;
    l.Lat2 = 30.1;
    EXPECT_EQ(Check(l).result, 7);
    l.Lat2 = 30.2;
    EXPECT_EQ(Check(l).result, 0);

    PROJDATA a = OfType(PT_ALBERS);
    a.Lat1 = 30;
    a.Lat2 = -30;
    o = Check(a);
    EXPECT_EQ(o.result, 7);
    EXPECT_EQ(o.text, "Sum or difference of standard parallel parameters (Lat1+Lat2) cannot be "
                      "zero for Albers Equal Area projection");
    PROJDATA ec = OfType(PT_EQUIDISTANT_CONIC);
    ec.Lat1 = ec.Lat2 = 20;
    EXPECT_EQ(Check(ec).text, "Sum or difference of standard parallel parameters (Lat1+Lat2) "
                              "cannot be zero for Equidistant Conic projection");
    PROJDATA b = OfType(PT_BONNE);
    EXPECT_EQ(Check(b).result, 7);
    b.Lat1 = 1e-300;
    EXPECT_EQ(Check(b).result, 0);

    PROJDATA h = OfType(PT_HOTINE);
    h.Alpha = 360;
    EXPECT_EQ(Check(h).result, 17);
    h.Alpha = 0;
    EXPECT_EQ(Check(h).result, 0);
    h.bUseAlpha = true;
    EXPECT_EQ(Check(h).result, 17);
}

TEST_F(Validate, ObliqueMercatorFallbackTexts) {
    PROJDATA o = OfType(PT_OBLIQUE_MERCATOR);
    o.Lat1 = 90;
    o.Lat2 = 10;
    Outcome r = Check(o);
    EXPECT_EQ(r.result, 8);
    EXPECT_EQ(r.text, "Unable to load error message text for error # 20255");
    o.Lat1 = 0;
    EXPECT_EQ(Check(o).text, "Unable to load error message text for error # 20254");
    o.Lat1 = o.Lat2 = 10;
    EXPECT_EQ(Check(o).text, "Unable to load error message text for error # 20253");
    // The report names the number and lets the host see the missing text.
    o.Lat1 = 90;
    EXPECT_EQ(ProjCheckParams(&o, nullptr, true), 8);
    ASSERT_EQ(Reports(), 1);
    EXPECT_EQ(LastError(), 20255);
    EXPECT_EQ(engine_test::Seen().back().message, "Failed loading error message!");
    EXPECT_EQ(engine_test::Seen().back().source, "qvProj");
}

TEST_F(Validate, EllipsoidRules) {
    PROJDATA d = Mercator();
    d.Ellipsoid = static_cast<EllipsoidType>(50);
    EXPECT_EQ(Check(d).result, 20);
    d.Ellipsoid = static_cast<EllipsoidType>(-1);
    EXPECT_EQ(Check(d).result, 20);
    d.Ellipsoid = ET_USER_DEFINED;
    d.MajorRadius = 0;
    EXPECT_EQ(Check(d).result, 21);
    d.MajorRadius = kNaN;
    EXPECT_EQ(Check(d).result, 21);
    d.MajorRadius = 6e6;
    d.Flattening = 1;
    EXPECT_EQ(Check(d).result, 22);
    d.Flattening = -1e-9;
    EXPECT_EQ(Check(d).result, 22);
    d.Flattening = kNaN;
    EXPECT_EQ(Check(d).result, 22);
    d.Flattening = 0;
    EXPECT_EQ(Check(d).result, 0);
}

TEST_F(Validate, StatePlaneZones) {
    PROJDATA s = OfType(PT_STATEPLANE27);
    s.Zone = SZ_FIRST;                               // Alabama East
    s.Ellipsoid = static_cast<EllipsoidType>(12345); // the zone supplies it
    EXPECT_EQ(Check(s).result, 0);
    s.Zone = static_cast<StateZoneType>(142);
    Outcome o = Check(s);
    EXPECT_EQ(o.result, 15);
    EXPECT_EQ(o.text, "State zone parameter not recognized");
    s.Zone = static_cast<StateZoneType>(-3);
    EXPECT_EQ(Check(s).result, 15);
    PROJDATA before = s;
    Check(s);
    EXPECT_EQ(std::memcmp(&before, &s, sizeof s), 0); // never changes the record
}

TEST_F(Validate, ReportsOnceWithCatalogueText) {
    PROJDATA d = Mercator();
    d.Lon0 = 400;
    char text[512];
    EXPECT_EQ(ProjCheckParams(&d, text, true), 6);
    ASSERT_EQ(Reports(), 1);
    EXPECT_EQ(LastError(), 20235);
    EXPECT_EQ(engine_test::Seen().back().message, text);
    EXPECT_EQ(ProjCheckParams(&d, text, false), 6);
    EXPECT_EQ(Reports(), 1);
}

TEST_F(Validate, RecordDumpIsByteExact) {
    StartLog();
    PROJDATA d{};
    d.Type = PT_LAMBERT;
    d.Scale = 1;
    d.xOrg = 1000.5;
    d.yOrg = -2;
    d.Lat0 = 23;
    d.Lon0 = -96;
    d.Lat1 = 33;
    d.Lat2 = 45;
    d.K0 = 0.9996;
    d.bSouth = true;
    d.Zone = static_cast<StateZoneType>(2);
    d.Alpha = -36.5;
    d.bRotate = true;
    d.Ellipsoid = ET_USER_DEFINED;
    d.MajorRadius = 6370997;
    d.Flattening = 0.25;
    d.iResult = 1;
    EXPECT_EQ(ProjCheckParams(&d, nullptr, false), 0);
    char head[64];
    std::snprintf(head, sizeof head, "  PROJDATA (Pointer=%p)\n", static_cast<void*>(&d));
    std::string want = std::string("ProjCheckParams called with:\n") + head +
                       "    Type:            5 (Lambert Conformal Conic)\n"
                       "    Scale:           1.000000\n"
                       "    xOrg:            1000.500000\n"
                       "    yOrg:            -2.000000\n"
                       "    Lat0:            23.000000\n"
                       "    Lon0:            -96.000000\n"
                       "    Lat1:            33.000000\n"
                       "    Lat2:            45.000000\n"
                       "    Lat3:            0.000000\n"
                       "    Lon1:            0.000000\n"
                       "    Lon2:            0.000000\n"
                       "    Lon3:            0.000000\n"
                       "    K0:              0.999600\n"
                       "    bSouth:          true\n"
                       "    Zone:            2 (Alaska 1)\n"
                       "    bUseAlpha:       false\n"
                       "    Alpha:           -36.500000\n"
                       "    bRotate:         true\n"
                       "    bUOffset:        false\n"
                       "    Ellipsoid:       0 (UNKNOWN)\n"
                       "    MajorRadius:     6370997.000000\n"
                       "    Flattening:      0.250000\n"
                       "    iResult:         1\n";
    EXPECT_EQ(Log(), want);

    // Unknown type and zone print UNKNOWN; a null record logs only the call.
    StartLog();
    PROJDATA u{};
    u.Type = static_cast<ProjType>(77);
    u.Zone = static_cast<StateZoneType>(142);
    u.Ellipsoid = ET_WGS_84;
    ProjCheckParams(&u, nullptr, false);
    std::string log = Log();
    EXPECT_NE(log.find("    Type:            77 (UNKNOWN)\n"), std::string::npos);
    EXPECT_NE(log.find("    Zone:            142 (UNKNOWN)\n"), std::string::npos);
    EXPECT_NE(log.find("    Ellipsoid:       47 (WGS 84)\n"), std::string::npos);
    StartLog();
    ProjCheckParams(nullptr, nullptr, false);
    EXPECT_EQ(Log(), "ProjCheckParams called with:\n");
}

TEST_F(Validate, FlagsAreReadAsBytes) {
    PROJDATA h = OfType(PT_HOTINE);
    const unsigned char two = 2;
    std::memcpy(&h.bUseAlpha, &two, 1); // set, but not 1: the Alpha rule does not apply
    EXPECT_EQ(Check(h).result, 0);
    std::memcpy(&h.bSouth, &two, 1);
    StartLog();
    ProjCheckParams(&h, nullptr, false);
    EXPECT_NE(Log().find("    bSouth:          true\n"), std::string::npos);
    EXPECT_NE(Log().find("    bUseAlpha:       true\n"), std::string::npos);
}
