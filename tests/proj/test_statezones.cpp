// State plane zones: catalogue lookups, the expansion of a zone into a
// concrete record, and the expansion tables against the EPSG definitions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "proj/statezones.h"
#include "qvproj/proj.h"

using namespace QVProj;

namespace {

const std::string kEpsgFile = QVPROJ_SOURCE_DIR "/tests/proj/data/statezones_epsg.txt";
const std::string kRefFile = QVPROJ_SOURCE_DIR "/tests/proj/data/statezones_ref.txt";

// The projection of every zone per year as the zone list fixes it
// (T Transverse Mercator, L Lambert, P Polyconic, H Hotine, - no zone),
// except the Great Lakes zones 138, 140 and 141: Hotine in the list, but
// without a published definition they have no entry.
const char kKinds1927[] = "TTHTTTTTTTTLTTTLLLLLLLLLLLLLTLTTTTPTTTTTTTTTTTTLLL"
                          "LLLLLLTTLLLTTTLLLLLLTTTTT-LLL-LLTTTTTTTTTTTLLLLLLL"
                          "LLLLL-LLTL-LLLLLLLLLLLLLTLLLLLLLLLTTTT-H--";
const char kKinds1983[] = "TTHTTTTTTTTLTTTLLLLLLLL-LLLLTLTTTT-TTTTTTTTTTTTLLL"
                          "LLLLLLTTLLL---LLLLLLTTTTTL---L--TTTTTTTTTTTLLLLLLL"
                          "LLLLLL--T-L--LLLLLLLLLLLTLLLLLLLLLTTTT-H--";

char KindOf(ProjType t) {
    switch (t) {
    case PT_UTM:
        return 'T';
    case PT_LAMBERT:
        return 'L';
    case PT_POLYCONIC:
        return 'P';
    case PT_HOTINE:
        return 'H';
    case PT_UNDEFINED:
        return '-';
    default:
        return '?';
    }
}

PROJDATA Record(ProjType type, int zone) {
    PROJDATA d{};
    d.Type = type;
    d.Zone = static_cast<StateZoneType>(zone);
    return d;
}

// Expands a zone of a year into a fresh record; false when there is none.
bool Expand(int year, int zone, PROJDATA* out) {
    *out = Record(year == 1927 ? PT_STATEPLANE27 : PT_STATEPLANE83, zone);
    return year == 1927 ? ExpandStateZone1927(out) : ExpandStateZone1983(out);
}

double Deg(const char* text) {
    double d = -999;
    EXPECT_TRUE(LatLonToDegrees(text, &d, 'd')) << text;
    return d;
}

} // namespace

TEST(StateZones, Info) {
    char name[64];
    int code = -5;
    ProjGetStateZoneInfo(static_cast<StateZoneType>(0), name, &code);
    EXPECT_STREQ(name, "Alabama East");
    EXPECT_EQ(code, 101);
    ProjGetStateZoneInfo(static_cast<StateZoneType>(105), name, &code);
    EXPECT_STREQ(name, "Puerto Rico and Virgin Islands (1983)");
    EXPECT_EQ(code, 5200);
    ProjGetStateZoneInfo(static_cast<StateZoneType>(141), name, &code);
    EXPECT_STREQ(name, "Great Lakes Survey 4");
    EXPECT_EQ(code, 0);
    for (int bad : {142, -1, 1000}) {
        std::strcpy(name, "junk");
        code = 7;
        ProjGetStateZoneInfo(static_cast<StateZoneType>(bad), name, &code);
        EXPECT_STREQ(name, "");
        EXPECT_EQ(code, 0);
    }
    ProjGetStateZoneInfo(static_cast<StateZoneType>(3), nullptr, &code);
    EXPECT_EQ(code, 5002);
    ProjGetStateZoneInfo(static_cast<StateZoneType>(3), name, nullptr);
    EXPECT_STREQ(name, "Alaska 2");
    // Every name and code of the catalogue round-trips (codes: the first row with
    // that code, which for 0 is zone 138).
    for (int z = 0; z < kNumStateZones; ++z) {
        ProjGetStateZoneInfo(static_cast<StateZoneType>(z), name, &code);
        StateZoneType found = SZ_NONE;
        EXPECT_TRUE(ProjGetStateZoneFromName(&found, name));
        EXPECT_EQ(found, z) << name;
        EXPECT_TRUE(ProjGetStateZoneFromUSGSCode(&found, code));
        EXPECT_EQ(found, code == 0 ? 138 : z) << name;
    }
}

TEST(StateZones, FromName) {
    StateZoneType z = SZ_NONE;
    EXPECT_TRUE(ProjGetStateZoneFromName(&z, "alabama east"));
    EXPECT_EQ(z, 0);
    EXPECT_TRUE(ProjGetStateZoneFromName(&z, "Deleware"));
    EXPECT_EQ(z, 28);
    EXPECT_TRUE(ProjGetStateZoneFromName(&z, "MISSIPPIPPI EAST"));
    EXPECT_EQ(z, 70);
    // Names spelt otherwise than in the catalogue are not found.
    for (const char* other : {"Delaware", "Mississippi East", "Alabama East ", "Alabama"}) {
        z = static_cast<StateZoneType>(5);
        EXPECT_FALSE(ProjGetStateZoneFromName(&z, other)) << other;
        EXPECT_EQ(z, SZ_NONE) << other;
    }
    z = static_cast<StateZoneType>(5);
    EXPECT_FALSE(ProjGetStateZoneFromName(&z, ""));
    EXPECT_EQ(z, 5); // untouched
    EXPECT_FALSE(ProjGetStateZoneFromName(&z, nullptr));
    EXPECT_FALSE(ProjGetStateZoneFromName(nullptr, "Alabama East"));
}

TEST(StateZones, FromUSGSCode) {
    StateZoneType z = static_cast<StateZoneType>(9);
    EXPECT_TRUE(ProjGetStateZoneFromUSGSCode(&z, 0));
    EXPECT_EQ(z, 138);
    EXPECT_TRUE(ProjGetStateZoneFromUSGSCode(&z, 903));
    EXPECT_EQ(z, 29);
    EXPECT_TRUE(ProjGetStateZoneFromUSGSCode(&z, 5201));
    EXPECT_EQ(z, 106);
    z = static_cast<StateZoneType>(9);
    EXPECT_FALSE(ProjGetStateZoneFromUSGSCode(&z, -1));
    EXPECT_EQ(z, 9); // untouched
    EXPECT_FALSE(ProjGetStateZoneFromUSGSCode(&z, 9999));
    EXPECT_EQ(z, SZ_NONE);
    EXPECT_FALSE(ProjGetStateZoneFromUSGSCode(nullptr, 101));
}

TEST(StateZones, GetParams) {
    PROJDATA d = Record(PT_STATEPLANE27, 0);
    ProjGetStateZoneParams(&d);
    EXPECT_EQ(+d.Type, PT_UTM);
    EXPECT_EQ(+d.Zone, 0);
    EXPECT_EQ(+d.xOrg, 152400.3048006096);
    EXPECT_EQ(+d.K0, 0.99996);
    EXPECT_EQ(+d.MajorRadius, 6378206.4);
    EXPECT_EQ(+d.Ellipsoid, ET_CLARKE_1866);

    d = Record(PT_STATEPLANE83, 61); // Michigan East (old) has no 1983 zone
    d.Lon0 = 5;
    ProjGetStateZoneParams(&d);
    EXPECT_EQ(+d.Zone, SZ_NONE);
    EXPECT_EQ(+d.Lon0, 0.0);
    EXPECT_EQ(+d.Type, PT_STATEPLANE83);

    for (int zone : {142, -1, 500}) {
        d = Record(PT_STATEPLANE27, zone);
        ProjGetStateZoneParams(&d);
        EXPECT_EQ(+d.Zone, SZ_NONE) << zone;
    }
    d = Record(PT_LAMBERT, 0); // not a state plane record
    d.Lon0 = 5;
    ProjGetStateZoneParams(&d);
    EXPECT_EQ(+d.Zone, SZ_NONE);
    EXPECT_EQ(+d.Lon0, 5.0);
    ProjGetStateZoneParams(nullptr);
}

// Every stored angle text reads; an unreadable one would silently become 0.
TEST(StateZones, AngleTextsRead) {
    for (const StateZoneParams* table : {kStateZones1927, kStateZones1983}) {
        for (int z = 0; z < kNumStateZones; ++z) {
            const StateZoneParams& r = table[z];
            for (const char* t : {r.lon0, r.lat0, r.lat1, r.lat2, r.lon1, r.alpha}) {
                double v = 0;
                if (t != nullptr) {
                    EXPECT_TRUE(LatLonToDegrees(t, &v, 'd')) << z << " " << t;
                }
            }
        }
    }
    EXPECT_NEAR(Deg("-36d52'11.6315"), -36.8698976, 1e-7);
}

TEST(StateZones, ExpansionClearsAndKeeps) {
    PROJDATA d{};
    d.Type = PT_STATEPLANE27;
    d.Zone = static_cast<StateZoneType>(2);
    d.Lat3 = 1.5;
    d.Lon3 = -2.5;
    d.Scale = 3.0;
    d.Lon0 = d.Lat1 = d.Lat2 = d.Lon2 = 9.0;
    d.bSouth = true;
    d.Reserved[7] = 0x5a;
    ASSERT_TRUE(ExpandStateZone(&d));
    EXPECT_EQ(+d.Lat3, 1.5);
    EXPECT_EQ(+d.Lon3, -2.5);
    EXPECT_EQ(+d.Scale, 3.0);
    EXPECT_TRUE(d.bSouth);
    EXPECT_EQ(+d.Reserved[7], 0x5a);
    EXPECT_EQ(+d.Lon0, 0.0);
    EXPECT_EQ(+d.Lat1, 0.0);
    EXPECT_EQ(+d.Lat2, 0.0);
    EXPECT_EQ(+d.Lon2, 0.0);

    // A failed expansion leaves the cleared fields cleared and the rest alone.
    d = Record(PT_STATEPLANE27, 75); // Montana: 1983 only
    d.K0 = d.xOrg = d.Lat0 = 4.0;
    d.Lat3 = 7.0;
    d.Ellipsoid = ET_WGS_84;
    EXPECT_FALSE(ExpandStateZone(&d));
    EXPECT_EQ(+d.K0, 0.0);
    EXPECT_EQ(+d.xOrg, 0.0);
    EXPECT_EQ(+d.Lat0, 0.0);
    EXPECT_EQ(+d.Lat3, 7.0);
    EXPECT_EQ(+d.Ellipsoid, ET_WGS_84);
    EXPECT_EQ(+d.Type, PT_STATEPLANE27);
    d = Record(PT_LAMBERT, 0);
    EXPECT_FALSE(ExpandStateZone(&d));
    EXPECT_FALSE(ExpandStateZone(nullptr));
    EXPECT_FALSE(ExpandStateZone1927(nullptr));
    EXPECT_FALSE(ExpandStateZone1983(nullptr));
}

// The expanded values equal the EPSG definitions of the zones (as PROJ prints
// them, statezones_epsg.txt): angles to 1e-9 degree, false origins to 1e-6 m.
TEST(StateZones, MatchEpsgDefinitions) {
    std::ifstream in(kEpsgFile);
    ASSERT_TRUE(in) << kEpsgFile;
    std::string line;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream s(line);
        int zone = 0, year = 0;
        std::string source, tok;
        s >> zone >> year >> source;
        std::map<std::string, std::string> p;
        while (s >> tok) {
            size_t eq = tok.find('=');
            p[tok.substr(1, eq == std::string::npos ? std::string::npos : eq - 1)] =
                eq == std::string::npos ? "" : tok.substr(eq + 1);
        }
        auto num = [&](const char* key) {
            EXPECT_TRUE(p.count(key)) << line << " lacks " << key;
            return p.count(key) ? std::stod(p[key]) : 0.0;
        };
        SCOPED_TRACE(line);
        PROJDATA d;
        ASSERT_TRUE(Expand(year, zone, &d));
        ++rows;
        const double ang = 1e-9, len = 1e-6;
        const std::string& proj = p["proj"];
        if (proj == "tmerc") {
            EXPECT_EQ(+d.Type, PT_UTM);
            EXPECT_NEAR(d.Lat0, num("lat_0"), ang);
            EXPECT_NEAR(d.Lon0, num("lon_0"), ang);
            EXPECT_NEAR(d.K0, num("k"), 1e-15);
        } else if (proj == "lcc") {
            EXPECT_EQ(+d.Type, PT_LAMBERT);
            EXPECT_NEAR(d.Lat0, num("lat_0"), ang);
            EXPECT_NEAR(d.Lon0, num("lon_0"), ang);
            double p1 = num("lat_1"), p2 = p1;
            if (p.count("lat_2")) {
                p2 = num("lat_2");
            } else {
                // One standard parallel: stored as two, an arc-second either side.
                p1 += 1.0 / 3600;
                p2 -= 1.0 / 3600;
            }
            // The northern parallel is stored first.
            EXPECT_NEAR(d.Lat1, std::max(p1, p2), ang);
            EXPECT_NEAR(d.Lat2, std::min(p1, p2), ang);
            // The Michigan zones of 1927 scale Clarke 1866 by k_0.
            double k = p.count("k_0") ? num("k_0") : 1.0;
            double a = p["ellps"] == "GRS80" ? 6378137.0 : 6378206.4;
            EXPECT_NEAR(d.MajorRadius, a * k, 1e-3);
        } else if (proj == "poly") {
            EXPECT_EQ(+d.Type, PT_POLYCONIC);
            EXPECT_NEAR(d.Lat0, num("lat_0"), ang);
            EXPECT_NEAR(d.Lon0, num("lon_0"), ang);
        } else if (proj == "omerc") {
            // Alaska 1: the false origin is stored for u measured from the centre.
            EXPECT_EQ(+d.Type, PT_HOTINE);
            EXPECT_NEAR(d.Lat0, num("lat_0"), ang);
            EXPECT_NEAR(d.Lon1, num("lonc"), ang);
            EXPECT_NEAR(d.Alpha, num("alpha") - 360.0, ang);
            EXPECT_NEAR(d.K0, num("k"), 1e-15);
            EXPECT_TRUE(d.bUseAlpha && d.bRotate && d.bUOffset);
            continue;
        } else {
            ADD_FAILURE() << "unexpected projection " << proj;
            continue;
        }
        EXPECT_NEAR(d.xOrg, num("x_0"), len);
        EXPECT_NEAR(d.yOrg, num("y_0"), len);
        EXPECT_EQ(+d.MajorRadius == 6378137.0, p["ellps"] == "GRS80");
    }
    // Every zone of both years except the four Great Lakes zones, which
    // have no EPSG definition: zone 139 a two-point Hotine zone on Clarke
    // 1866, zones 138, 140 and 141 without a definition.
    EXPECT_EQ(rows, 138 - 4 + 127 - 4);
    for (int year : {1927, 1983}) {
        PROJDATA d;
        for (int zone : {138, 140, 141}) EXPECT_FALSE(Expand(year, zone, &d)) << zone;
        ASSERT_TRUE(Expand(year, 139, &d));
        EXPECT_EQ(+d.Type, PT_HOTINE);
        EXPECT_FALSE(d.bUseAlpha);
        EXPECT_TRUE(d.bRotate && d.bUOffset);
        EXPECT_EQ(+d.Ellipsoid, ET_CLARKE_1866);
        EXPECT_EQ(+d.Lon1, 82.5);
        EXPECT_EQ(+d.Lat1, 43.0);
        EXPECT_NEAR(d.Lat0, 350 + 37.0 / 60, 1e-12);
        EXPECT_EQ(+d.K0, 0.9999);
        EXPECT_EQ(+d.xOrg, 1200000.0);
        EXPECT_EQ(+d.yOrg, -3500000.0);
    }
}

// The zone list: which zones exist in which year and their projection; the
// conversion reference lists the same zones, each once per year.
TEST(StateZones, ZoneListAndReferenceFile) {
    ASSERT_EQ(sizeof kKinds1927 - 1, static_cast<size_t>(kNumStateZones));
    ASSERT_EQ(sizeof kKinds1983 - 1, static_cast<size_t>(kNumStateZones));
    for (int z = 0; z < kNumStateZones; ++z) {
        EXPECT_EQ(KindOf(kStateZones1927[z].type), kKinds1927[z]) << "1927 zone " << z;
        EXPECT_EQ(KindOf(kStateZones1983[z].type), kKinds1983[z]) << "1983 zone " << z;
    }
    std::ifstream in(kRefFile);
    ASSERT_TRUE(in) << kRefFile;
    std::string line;
    std::map<std::pair<int, int>, int> seen;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream s(line);
        int zone = -1, year = 0;
        double lon = 0, lat = 0, x = 0, y = 0;
        ASSERT_TRUE(s >> zone >> year >> lon >> lat >> x >> y) << line;
        PROJDATA d;
        EXPECT_TRUE(Expand(year, zone, &d)) << line;
        ++seen[{zone, year}];
    }
    for (int z = 0; z < 138; ++z) {
        EXPECT_EQ(seen[std::make_pair(z, 1927)], kKinds1927[z] == '-' ? 0 : 1) << z;
        EXPECT_EQ(seen[std::make_pair(z, 1983)], kKinds1983[z] == '-' ? 0 : 1) << z;
    }
}
