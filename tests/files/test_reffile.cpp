// The cartographic reference file: the written text, round trips of every
// key, the reader's tolerance and its refusals, names and deletion.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>
#include <string>

#include "datum/reports.h"
#include "files/refkeys.h"
#include "files/fixture.h"
#include "platform/filecase.h"
#include "qvproj/files.h"

using namespace QVProj;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

const char* const kHeaderLine = "Quorvane Cartographic Reference Information : Version 1.10\n";

PROJDATA Utm() {
    PROJDATA p{};
    p.Type = PT_UTM;
    p.Scale = 1;
    p.xOrg = 500000;
    p.Lon0 = -93;
    p.K0 = 0.9996;
    p.Ellipsoid = ET_WGS_84;
    p.Zone = SZ_NONE;
    return p;
}

// What a reader hands back.
struct ReadBack {
    bool ok = false;
    PROJDATA proj{};
    DatumType datum = DatUserDefined;
    DATUM2WGS84 params{};
    GEOREF ref{};
    unsigned flags = 99;
    ~ReadBack() { RefFreeControls(&ref); }
};

class RefFileTest : public ScratchTest {
protected:
    // Reads into r, releasing the controls of an earlier read.
    void Load(const std::string& name, ReadBack& r) {
        RefFreeControls(&r.ref);
        r.ok = QVProjRefFileReadEx(P(name).c_str(), &r.proj, &r.datum, &r.params, &r.ref, &r.flags);
    }
    // Reads a file of the given text (header added).
    void LoadText(const std::string& body, ReadBack& r) {
        Write(P("t.qvr"), kHeaderLine + body);
        Load("t.qvr", r);
    }
};

// Fills every double and flag of a projection record with distinct values.
PROJDATA AllFields(ProjType type) {
    PROJDATA p{};
    p.Type = type;
    double v = 1.25;
    auto next = [&v] { return v += 1.0 / 3; };
    p.Scale = next(), p.xOrg = next(), p.yOrg = next(), p.Lat0 = next(), p.Lon0 = next();
    p.Lat1 = next(), p.Lat2 = next(), p.Lat3 = next(), p.Lon1 = next(), p.Lon2 = next();
    p.Lon3 = next(), p.K0 = next(), p.Alpha = next(), p.MajorRadius = next();
    p.Flattening = next();
    p.bSouth = p.bUseAlpha = p.bRotate = p.bUOffset = true;
    p.Zone = static_cast<StateZoneType>(11);
    p.Ellipsoid = ET_USER_DEFINED;
    return p;
}

} // namespace

TEST_F(RefFileTest, UtmWithNad27WritesTheKeysOfThePart) {
    DATUM2WGS84 d{};
    ASSERT_TRUE(DatGetDatumParams(DatNAD1927CONUS, &d));
    PROJDATA p = Utm();
    ASSERT_TRUE(QVProjRefFileWrite(P("map.tif").c_str(), &p, DatNAD1927CONUS, &d));
    EXPECT_EQ(Read(P("map.tif.qvr")), std::string(kHeaderLine) +
                                          "Projection Name : Universal Transverse Mercator (UTM)\n"
                                          "Projection Scale : 1\n"
                                          "Projection False Easting (meters) : 500000\n"
                                          "Projection False Northing (meters) : 0\n"
                                          "Projection Lat0 (degrees) : 0\n"
                                          "Projection Lon0 (degrees) : -93\n"
                                          "Projection Central Scale : 0.9996\n"
                                          "Projection In Southern Hemisphere (UTM only) : false\n"
                                          "Projection Ellipsoid Type : WGS 84\n"
                                          "Projection Ellipsoid Radius (meters) : 6378137\n"
                                          "Projection Ellipsoid Flattening : 0.00335281066474748\n"
                                          "Datum Name : NAD 1927 - CONUS\n"
                                          "Datum Method : Molodensky\n"
                                          "Datum Ellipsoid Type : Clarke 1866\n"
                                          "Datum Prime Meridian Shift (degrees) : 0\n"
                                          "Datum X-Shift in meters from WGS84 : -8\n"
                                          "Datum Y-Shift in meters from WGS84 : 160\n"
                                          "Datum Z-Shift in meters from WGS84 : 176\n"
                                          "Datum Ellipsoid Radius (meters) : 6378206.4\n"
                                          "Datum Ellipsoid Flattening : 0.00339007530408852\n");
    EXPECT_EQ(Listing(), "map.tif.qvr");

    ReadBack r;
    Load("map.tif", r);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.flags, 1u | 2u | 16u);
    EXPECT_EQ(+r.proj.Type, PT_UTM);
    EXPECT_EQ(+r.proj.Lon0, -93);
    EXPECT_EQ(+r.proj.K0, 0.9996);
    EXPECT_EQ(+r.proj.Ellipsoid, ET_WGS_84);
    EXPECT_EQ(r.datum, DatNAD1927CONUS);
    EXPECT_EQ(+r.params.Method, DatMethodMolodensky);
    EXPECT_EQ(+r.params.dY, 160);
    EXPECT_EQ(+r.ref.Method, RefNone);
}

TEST_F(RefFileTest, EveryProjectionTypeRoundTripsTheKeysItWrites) {
    for (int t = PT_LATLONG; t <= PT_AZIMUTHAL_EQUIDISTANT; ++t) {
        SCOPED_TRACE(t);
        const PROJDATA in = AllFields(static_cast<ProjType>(t));
        ASSERT_TRUE(QVProjRefFileWriteEx(P("p").c_str(), &in, DatNone, nullptr, nullptr));
        const std::string text = Read(P("p.qvr"));
        ReadBack r;
        Load("p", r);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.flags, 1u | 16u);
        EXPECT_EQ(+r.proj.Type, t);
        // Each key the file holds reads back to the written value; the
        // others read as zero. Latitude 3 and longitude 3 are never written.
        for (const RefKey& k : kRefKeys) {
            if (k.group != RefGroup::Projection || k.form == RefForm::ProjName) continue;
            const bool written = text.find(std::string(k.label) + " : ") != std::string::npos;
            const char* got = reinterpret_cast<const char*>(&r.proj) + k.offset;
            const char* want = reinterpret_cast<const char*>(&in) + k.offset;
            const std::size_t size = k.form == RefForm::Boolean ? 1
                                     : k.form == RefForm::Float ? 8
                                                                : 4;
            if (t == PT_LATLONG || !written) {
                EXPECT_FALSE(written && t == PT_LATLONG) << k.label;
                if (k.form != RefForm::ZoneName) {
                    EXPECT_EQ(std::string(got, size), std::string(size, '\0')) << k.label;
                }
            } else if (k.form == RefForm::Float) {
                double a, b;
                std::memcpy(&a, got, 8);
                std::memcpy(&b, want, 8);
                EXPECT_NEAR(a, b, 1e-14 * std::fabs(b)) << k.label;
            } else {
                EXPECT_EQ(std::string(got, size), std::string(want, size)) << k.label;
            }
        }
        const bool zone = t == PT_STATEPLANE27 || t == PT_STATEPLANE83;
        EXPECT_EQ(text.find("Lat3") == std::string::npos, true);
        EXPECT_EQ(+r.proj.Zone, zone ? in.Zone : 0); // the reader's zeroed record
        EXPECT_EQ(text.find("Projection Alpha") != std::string::npos, t == PT_HOTINE);
        EXPECT_EQ(text.find("Ellipsoid Type : USER-DEFINED") != std::string::npos, t != PT_LATLONG);
    }
    // Lat/long writes its name alone; no projection writes no projection key.
    PROJDATA none{};
    none.Type = PT_UNDEFINED;
    ASSERT_TRUE(QVProjRefFileWriteEx(P("n").c_str(), &none, DatNone, nullptr, nullptr));
    EXPECT_EQ(Read(P("n.qvr")), kHeaderLine);
}

TEST_F(RefFileTest, DatumsAndEveryGeoreferenceMethodRoundTrip) {
    DATUM2WGS84 bursa{};
    bursa.Method = DatMethodBursaWolf;
    bursa.Ellipsoid = ET_USER_DEFINED;
    bursa.PrimeMeridian = 2.5;
    bursa.dX = -1.5, bursa.dY = 2.25, bursa.dZ = 3.125;
    bursa.rX = 0.5, bursa.rY = -0.75, bursa.rZ = 1.0 / 3;
    bursa.Scale = -2.5e-6;
    bursa.MajorRadius = 6377397.155, bursa.Flattening = 1 / 299.1528128;
    const GEOREFPOINT src[3] = {{0, 0}, {100, 0}, {0, 50}};
    const GEOREFPOINT dst[3] = {{1e6, 2e6}, {1e6 + 3000, 2e6}, {1e6, 2e6 - 1500}};
    for (int m = RefHelmert; m <= RefNone + 1; ++m) {
        SCOPED_TRACE(m);
        GEOREF g{};
        g.Method = static_cast<TransformMethod>(m);
        g.A = 30, g.B = kNaN, g.C = kMax, g.D = -0.0, g.E = -kInf, g.F = 4e-320;
        g.NumControls = 3;
        g.pSrcControls = const_cast<GEOREFPOINT*>(src);
        g.pDstControls = const_cast<GEOREFPOINT*>(dst);
        ASSERT_TRUE(QVProjRefFileWriteEx(P("g.qvr").c_str(), nullptr, DatUserDefined, &bursa, &g));
        ReadBack r;
        Load("g.qvr", r);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(+r.proj.Type, PT_UNDEFINED);
        EXPECT_EQ(r.datum, DatUserDefined);
        EXPECT_EQ(+r.params.Method, DatMethodBursaWolf);
        const DATUM2WGS84& p = r.params;
        const double got[] = {p.PrimeMeridian, p.dX,          p.dY,        p.dZ, p.rX, p.rY, p.rZ,
                              p.Scale,         p.MajorRadius, p.Flattening};
        const double want[] = {bursa.PrimeMeridian,
                               bursa.dX,
                               bursa.dY,
                               bursa.dZ,
                               bursa.rX,
                               bursa.rY,
                               bursa.rZ,
                               bursa.Scale,
                               bursa.MajorRadius,
                               bursa.Flattening};
        for (int i = 0; i < 10; ++i) EXPECT_NEAR(got[i], want[i], 1e-14 * std::fabs(want[i])) << i;
        const unsigned georef = m == RefCoefficients ? 4u : m >= RefNone ? 0u : 8u;
        EXPECT_EQ(r.flags, 2u | 16u | georef);
        // An unknown method is written as "UNKNOWN" and reads as none.
        EXPECT_EQ(+r.ref.Method, m > RefNone ? RefNone : m);
        if (m == RefCoefficients) {
            EXPECT_EQ(+r.ref.A, 30);
            EXPECT_TRUE(std::isnan(r.ref.B));
            EXPECT_EQ(+r.ref.C, kInf); // 15 digits of the largest double round beyond it
            EXPECT_TRUE(r.ref.D == 0 && std::signbit(r.ref.D));
            EXPECT_EQ(+r.ref.E, -kInf);
            EXPECT_NEAR(r.ref.F, 4e-320, 1e-323);
            EXPECT_EQ(+r.ref.pSrcControls, nullptr);
            EXPECT_EQ(+r.ref.NumControls, 0);
        } else if (georef == 8u) {
            ASSERT_EQ(+r.ref.NumControls, 3);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(+r.ref.pSrcControls[i].x, src[i].x);
                EXPECT_EQ(+r.ref.pSrcControls[i].y, src[i].y);
                EXPECT_EQ(+r.ref.pDstControls[i].x, dst[i].x);
                EXPECT_EQ(+r.ref.pDstControls[i].y, dst[i].y);
            }
            EXPECT_EQ(+r.ref.A, 0); // coefficients are written for method 5 only
        } else {
            EXPECT_EQ(+r.ref.pSrcControls, nullptr);
        }
    }
    // Control points of extreme values keep their 15 digits.
    const GEOREFPOINT xsrc[1] = {{kNaN, -kMax}};
    const GEOREFPOINT xdst[1] = {{5e-324, -1e300}};
    GEOREF g{};
    g.Method = RefAffine;
    g.NumControls = 1;
    g.pSrcControls = const_cast<GEOREFPOINT*>(xsrc);
    g.pDstControls = const_cast<GEOREFPOINT*>(xdst);
    ASSERT_TRUE(QVProjRefFileWriteEx(P("x.qvr").c_str(), nullptr, DatNone, nullptr, &g));
    ReadBack r;
    Load("x.qvr", r);
    ASSERT_EQ(+r.ref.NumControls, 1);
    EXPECT_TRUE(std::isnan(r.ref.pSrcControls[0].x));
    EXPECT_EQ(+r.ref.pSrcControls[0].y, -kInf);
    EXPECT_EQ(+r.ref.pDstControls[0].x, 5e-324);
    EXPECT_EQ(+r.ref.pDstControls[0].y, -1e300);
}

TEST_F(RefFileTest, ReaderFollowsTheLabelRules) {
    ReadBack r;
    LoadText("Projection Name : mercator\nProjection Scale:2\n", r);
    EXPECT_EQ(+r.proj.Type, PT_MERCATOR);
    EXPECT_EQ(+r.proj.Scale, 0); // a key against the colon is not recognised
    LoadText("  projection   scale \t: \t2.5e1xyz\nPROJECTIONNAME : Transverse  mercator\n"
             "Projection In Southern Hemisphere (UTM only) : TRUE enough\n"
             "Projection Uses Alpha Parameter (Hotine only) : yes\n"
             "Projection False Easting (meters) : east\n"
             "Projection State Zone : Alabama East\n"
             "Projection Ellipsoid Type : no such ellipsoid\n",
             r);
    EXPECT_EQ(+r.proj.Scale, 25);
    EXPECT_EQ(+r.proj.Type, PT_TMERCATOR);
    EXPECT_TRUE(r.proj.bSouth);
    EXPECT_FALSE(r.proj.bUseAlpha);
    EXPECT_EQ(+r.proj.xOrg, 0); // a number that does not parse reads as 0
    EXPECT_EQ(+r.proj.Zone, 0);
    EXPECT_EQ(+r.proj.Ellipsoid, ET_USER_DEFINED);
    LoadText("Projection Name : Gall\nDatum Name : Atlantis\nDatum Method : teleport\n"
             "Georef Method : Known Coefficients\n",
             r);
    EXPECT_EQ(+r.proj.Type, PT_UNDEFINED);
    EXPECT_EQ(r.datum, DatNone);
    EXPECT_EQ(+r.params.Method, 6);
    EXPECT_EQ(+r.ref.Method, RefCoefficients);
    EXPECT_EQ(r.flags, 4u | 16u);
    LoadText("Georef Method : affine polynomial\n", r);
    EXPECT_EQ(+r.ref.Method, RefAffine);
    EXPECT_EQ(r.flags, 16u); // no control points
    LoadText("Georef Method : Third Order\n", r);
    EXPECT_EQ(+r.ref.Method, RefThirdOrder);

    // Point lines before the count are ignored, beyond it too; a count after
    // the points keeps the arrays; missing numbers stay 0.
    LoadText("Georef Point : 9 9 9 9\nGeoref Method : Helmert\nGeoref Control Point Count : 2\n"
             "Georef Point : 1 2 3 4\ngeoref point : 5\nGeoref Point : 7 7 7 7\n"
             "Georef Control Point Count : 3\n",
             r);
    EXPECT_EQ(r.flags, 8u | 16u);
    ASSERT_EQ(+r.ref.NumControls, 2);
    EXPECT_EQ(+r.ref.pSrcControls[0].x, 1);
    EXPECT_EQ(+r.ref.pDstControls[0].y, 4);
    EXPECT_EQ(+r.ref.pSrcControls[1].x, 5);
    EXPECT_EQ(+r.ref.pSrcControls[1].y, 0);
    // A count without point lines gives no controls.
    LoadText("Georef Method : Helmert\nGeoref Control Point Count : 4\n", r);
    EXPECT_EQ(r.flags, 16u);
    EXPECT_EQ(+r.ref.NumControls, 0);
    // Records not given are not read.
    Write(P("h.qvr"),
          std::string(kHeaderLine) + "Projection Name : Mercator\nDatum Name : WGS 84\n");
    DatumType datum = DatUserDefined;
    unsigned flags = 0;
    EXPECT_TRUE(QVProjRefFileReadEx(P("h.qvr").c_str(), nullptr, &datum, nullptr, nullptr, &flags));
    EXPECT_EQ(datum, DatNone);
    EXPECT_EQ(flags, 16u);
}

TEST_F(RefFileTest, HeadersVersionsAndMissingFiles) {
    ReportCapture reports;
    ReadBack r;
    Write(P("v.qvr"), "QUORVANE cartographic reference information\t:\r\nversion   1.1\n");
    Load("v.qvr", r); // a header of one line: the newline after the colon is the line's end
    EXPECT_FALSE(r.ok);
    Write(P("v.qvr"), "QUORVANE cartographic reference information\t:  version1.1\r\n"
                      "Projection Name : Mercator\n");
    Load("v.qvr", r);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.flags, 1u | 16u);
    Write(P("v.qvr"), "Quorvane Cartographic Reference Information : Version 1.20\n"
                      "Projection Name : Mercator\n");
    Load("v.qvr", r);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.flags, 0u);
    EXPECT_EQ(+r.proj.Type, PT_UNDEFINED);
    EXPECT_EQ(r.datum, DatNone);
    EXPECT_EQ(+r.ref.Method, RefNone);
    // Wrong headers report 20203; an empty file fails without a report.
    reports.seen();
    Reports().clear();
    for (const char* text : {"Quorvane Cartographic Reference Information : Version\n",
                             "Quorvane  Cartographic Reference Information : Version 1\n",
                             "Quorvane Cartographic Reference Information Version 1\n",
                             "Quorvane Cartographic Reference Information : Version nan\n", "\n",
                             "\x7f"
                             "ELF\x02\x01\x01"}) {
        Write(P("w.qvr"), text);
        Load("w.qvr", r);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.flags, 0u);
    }
    ASSERT_EQ(reports.seen().size(), 6u);
    EXPECT_EQ(reports.seen()[0].number, 20203);
    EXPECT_EQ(reports.seen()[0].unit, "RefFile");
    Write(P("e.qvr"), "");
    Load("e.qvr", r);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(reports.seen().size(), 6u);
    // Missing files and directories: nothing found.
    std::filesystem::create_directory(P("d.qvr"));
    for (const char* name : {"missing.qvr", "d.qvr"}) {
        r.proj.Type = PT_UTM;
        Load(name, r);
        EXPECT_TRUE(r.ok) << name;
        EXPECT_EQ(r.flags, 0u);
        EXPECT_EQ(+r.proj.Type, PT_UNDEFINED);
    }
    EXPECT_FALSE(QVProjRefFileReadEx(nullptr, &r.proj, nullptr, nullptr, nullptr, &r.flags));
    EXPECT_FALSE(QVProjRefFileReadEx("", &r.proj, nullptr, nullptr, nullptr, &r.flags));
}

TEST_F(RefFileTest, JunkLongLinesAndHugeCountsReadSafely) {
    ReadBack r;
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
    LoadText(junk + "\nProjection Scale : 3\n" + std::string(10000, 'x') + " : 1\n" +
                 "Projection Lat0 (degrees) : " + std::string(10000, '9') + "\n" +
                 "Projection Lon0 (degrees) : 12" + std::string(9990, ' ') + "\n" +
                 "Projection Name : Mercator",
             r); // no final newline
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(+r.proj.Type, PT_MERCATOR);
    EXPECT_EQ(+r.proj.Scale, 3);
    EXPECT_EQ(+r.proj.Lat0, kInf); // the 483 nines a 511-character line keeps: beyond the range
    EXPECT_EQ(+r.proj.Lon0, 12);
    // Counts that the file cannot hold read as no points, without allocating.
    for (const char* count : {"2147483647", "2147483648", "-1", "0", "1000"}) {
        LoadText(std::string("Georef Method : Affine\nGeoref Control Point Count : ") + count +
                     "\nGeoref Point : 1 2 3 4\n",
                 r);
        EXPECT_TRUE(r.ok) << count;
        EXPECT_EQ(r.flags, 16u) << count;
        EXPECT_EQ(+r.ref.NumControls, 0) << count;
        EXPECT_EQ(+r.ref.pSrcControls, nullptr) << count;
    }
    // A count the file can hold gets zeroed points beyond the lines it has.
    LoadText("Georef Method : Affine\nGeoref Control Point Count : 3\nGeoref Point : 1 2 3 4\n"
             "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n",
             r);
    ASSERT_EQ(+r.ref.NumControls, 3);
    EXPECT_EQ(+r.ref.pSrcControls[2].x, 0);
}

TEST_F(RefFileTest, NamesIgnoreCaseAndHaveALimit) {
    PROJDATA p = Utm();
    ASSERT_TRUE(QVProjRefFileWrite(P("MAP.TIF").c_str(), &p, DatNone, nullptr));
    ASSERT_TRUE(QVProjRefFileWrite(P("b.QVR").c_str(), &p, DatNone, nullptr));
    EXPECT_EQ(Listing(), "MAP.TIF.qvr b.QVR");
    ReadBack r;
    Load("map.tif", r); // finds MAP.TIF.qvr
    EXPECT_EQ(r.flags, 1u | 16u);

    const std::string longName = P(std::string(kMaxPathLength, 'a')).substr(0, kMaxPathLength - 3);
    EXPECT_FALSE(QVProjRefFileWrite(longName.c_str(), &p, DatNone, nullptr));
    EXPECT_FALSE(
        QVProjRefFileReadEx(longName.c_str(), &r.proj, nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(QVProjRefFileDelete(longName.c_str()));
    EXPECT_FALSE(QVProjRefFileWrite(nullptr, &p, DatNone, nullptr));
    EXPECT_FALSE(QVProjRefFileWrite("", &p, DatNone, nullptr));

    EXPECT_TRUE(QVProjRefFileDelete(P("map.TIF").c_str()));
    EXPECT_TRUE(QVProjRefFileDelete(P("map.TIF").c_str())); // already gone
    EXPECT_EQ(Listing(), "b.QVR");
    EXPECT_FALSE(QVProjRefFileDelete(""));
}

TEST_F(RefFileTest, AFailedWriteLeavesTheOlderFile) {
    PROJDATA p = Utm();
    ASSERT_TRUE(QVProjRefFileWrite(P("map.tif").c_str(), &p, DatNone, nullptr));
    const std::string good = Read(P("map.tif.qvr"));
    // A file size limit below the new file's size makes the write fail.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    DATUM2WGS84 d{};
    DatGetDatumParams(DatNAD1927CONUS, &d);
    const bool written = QVProjRefFileWrite(P("map.tif").c_str(), &p, DatNAD1927CONUS, &d);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(written);
    EXPECT_EQ(Read(P("map.tif.qvr")), good);
    EXPECT_EQ(Listing(), "map.tif.qvr");
}

TEST_F(RefFileTest, DeletingAllSideFilesOfAnImage) {
    for (const char* name : {"map.tif", "map.tif.qvr", "MAP.rsf", "map.wld", "map.TIFW", "map.tfw",
                             "other.tfw", "map.RSF.bak"})
        Write(P(name), "x");
    EXPECT_TRUE(QVProjRefFilesDelete(P("map.tif").c_str()));
    EXPECT_EQ(Listing(), "map.RSF.bak map.tif other.tfw");
    EXPECT_TRUE(QVProjRefFilesDelete(P("map.tif").c_str()));
    // A short extension: the world file is the name without it plus "W".
    for (const char* name : {"photo.ab", "photow", "photo.abw"}) Write(P(name), "x");
    EXPECT_TRUE(QVProjRefFilesDelete(P("photo.ab").c_str()));
    EXPECT_EQ(Listing(), "map.RSF.bak map.tif other.tfw photo.ab");
    EXPECT_FALSE(QVProjRefFilesDelete(nullptr));
    EXPECT_FALSE(QVProjRefFilesDelete(""));
}
