// Datum records: validation codes, handles, the wrapper class and the
// conversion steps around the legs (wrap, fold, unplottable points).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "qvproj/datum.h"
#include "xform.h"
#include "reports.h"

using namespace QVProj;

namespace {

DATUM2WGS84 UserBursa() {
    DATUM2WGS84 p;
    std::memset(&p, 0, sizeof p);
    p.Method = DatMethodBursaWolf;
    p.Ellipsoid = ET_USER_DEFINED;
    p.MajorRadius = 6378137.0;
    p.Flattening = 1 / 298.257223563;
    return p;
}

struct CheckCase {
    const char* what;
    void (*edit)(DATUM2WGS84&);
    int code;
    int error;
};

const CheckCase kSideCases[] = {
    {"method 4", [](DATUM2WGS84& p) { p.Method = static_cast<DatumMethod>(4); }, 3, 20262},
    {"method 6", [](DATUM2WGS84& p) { p.Method = static_cast<DatumMethod>(6); }, 3, 20262},
    {"method -1", [](DATUM2WGS84& p) { p.Method = static_cast<DatumMethod>(-1); }, 3, 20262},
    {"ellipsoid 50", [](DATUM2WGS84& p) { p.Ellipsoid = ET_NONE; }, 4, 20263},
    {"radius 0", [](DATUM2WGS84& p) { p.MajorRadius = 0; }, 13, 20249},
    {"radius NaN", [](DATUM2WGS84& p) { p.MajorRadius = NAN; }, 13, 20249},
    {"flattening -0.1", [](DATUM2WGS84& p) { p.Flattening = -0.1; }, 14, 20250},
    {"flattening 1", [](DATUM2WGS84& p) { p.Flattening = 1; }, 14, 20250},
    {"prime meridian 180.5", [](DATUM2WGS84& p) { p.PrimeMeridian = 180.5; }, 5, 20264},
    {"dX beyond", [](DATUM2WGS84& p) { p.dX = 1.8e38; }, 6, 20265},
    {"dY NaN", [](DATUM2WGS84& p) { p.dY = NAN; }, 7, 20266},
    {"dZ -inf", [](DATUM2WGS84& p) { p.dZ = -INFINITY; }, 8, 20267},
    {"rX", [](DATUM2WGS84& p) { p.rX = -3600.001; }, 9, 20268},
    {"rY", [](DATUM2WGS84& p) { p.rY = 4000; }, 10, 20269},
    {"rZ just above", [](DATUM2WGS84& p) { p.rZ = std::nextafter(3600.0, 4000.0); }, 11, 20270},
};

} // namespace

TEST(DatumCheck, EachSideFailureGivesItsCodeAndError) {
    ReportCapture capture;
    for (const CheckCase& c : kSideCases) {
        SCOPED_TRACE(c.what);
        DATUMXFORM x = Catalogue(0, 3);
        x.SrcParams = UserBursa();
        c.edit(x.SrcParams);
        char text[512] = "junk";
        Reports().clear();
        EXPECT_EQ(DatCheckParams(&x, text, true), c.code);
        ASSERT_EQ(capture.seen().size(), 1u);
        EXPECT_EQ(capture.seen()[0].number, c.error);
        EXPECT_EQ(capture.seen()[0].unit, "qvDatum");
        EXPECT_NE(text[0], '\0');

        x = Catalogue(3, 0);
        x.DstParams = UserBursa();
        c.edit(x.DstParams);
        EXPECT_EQ(DatCheckParams(&x, nullptr, false), c.code + 12);
    }
}

TEST(DatumCheck, ValidEdgesAndTexts) {
    ReportCapture capture;
    DATUMXFORM x = Catalogue(0, 3);
    x.SrcParams = UserBursa();
    x.SrcParams.rZ = 3600;
    x.SrcParams.PrimeMeridian = 180;
    x.SrcParams.Flattening = 0; // a sphere
    EXPECT_EQ(DatCheckParams(&x, nullptr, true), 0);
    x.SrcParams.Method = DatMethodMolodensky;
    x.SrcParams.Scale = -5;
    x.SrcParams.rX = 1e9; // rotations are not looked at for Molodensky
    EXPECT_EQ(DatCheckParams(&x, nullptr, true), 0);
    x.SrcParams.Scale = NAN;
    EXPECT_EQ(DatCheckParams(&x, nullptr, true), 0);
    // NADCON, MRE and none: nothing else is looked at.
    x.SrcParams.Ellipsoid = static_cast<EllipsoidType>(99);
    for (DatumMethod m : {DatMethodNone, DatMethodNadcon, DatMethodMRE}) {
        x.SrcParams.Method = m;
        EXPECT_EQ(DatCheckParams(&x, nullptr, true), 0);
    }
    EXPECT_TRUE(capture.seen().empty());

    char text[512];
    EXPECT_EQ(DatCheckParams(nullptr, text, true), 998);
    EXPECT_STREQ(text, "NULL Pointer to datum parameters");
    EXPECT_TRUE(capture.seen().empty()); // a null record is never reported

    x = Catalogue(237, 3);
    EXPECT_EQ(DatCheckParams(&x, text, false), 1);
    EXPECT_STREQ(text, "Invalid source datum specified");
    x = Catalogue(3, -1);
    EXPECT_EQ(DatCheckParams(&x, text, false), 2);
    EXPECT_STREQ(text, "Invalid destination datum specified");
    x = Catalogue(0, 3);
    x.SrcParams = UserBursa();
    x.SrcParams.rY = 3601;
    EXPECT_EQ(DatCheckParams(&x, text, false), 10);
    EXPECT_STREQ(text, "Y axis rotation was outside the rnage of -3600 to +3600 arcseconds");
    // Catalogue datums ignore the parameter blocks.
    x = Catalogue(124, 3);
    x.SrcParams.Method = static_cast<DatumMethod>(4);
    EXPECT_EQ(DatCheckParams(&x, text, false), 0);
    EXPECT_STREQ(text, "");
    EXPECT_TRUE(capture.seen().empty());
}

TEST(DatumHandle, CreateCopiesTheRecordAndRejectsBadOnes) {
    ReportCapture capture;
    DATUMXFORM x = Catalogue(124, 3);
    std::memset(x.Reserved, 0x5a, sizeof x.Reserved);
    x.bReserved = 7;
    HDATUM h = DatCreateDatum(&x);
    ASSERT_NE(h, nullptr);
    x.SrcDatum = DatWGS1972; // the handle keeps its own copy
    DATUMXFORM info;
    ASSERT_TRUE(DatGetHandleInfo(h, &info));
    EXPECT_EQ(+info.SrcDatum, 124);
    EXPECT_EQ(info.bReserved, 7);
    EXPECT_EQ(info.Reserved[62], 0x5a);
    EXPECT_FALSE(DatGetHandleInfo(h, nullptr));
    EXPECT_FALSE(DatGetHandleInfo(nullptr, &info));
    DatDeleteDatum(h);
    DatDeleteDatum(nullptr);

    EXPECT_EQ(DatCreateDatum(nullptr), nullptr);
    EXPECT_TRUE(capture.seen().empty());
    x = Catalogue(0, 3);
    x.SrcParams = UserBursa();
    x.SrcParams.rX = 5000;
    EXPECT_EQ(DatCreateDatum(&x), nullptr);
    ASSERT_EQ(capture.seen().size(), 1u);
    EXPECT_EQ(capture.seen()[0].number, 20268);
}

TEST(DatumHandle, WrapperOwnsOneHandle) {
    DATUMXFORM x = Catalogue(124, 3);
    CDatumTransform empty;
    EXPECT_FALSE(empty.IsCreated());
    DATUMPOINT p{-100, 40};
    EXPECT_FALSE(empty.Convert(&p, 1));
    EXPECT_FALSE(empty.HadUnplottables());

    CDatumTransform t(&x);
    ASSERT_TRUE(t.IsCreated());
    CDatumTransform copy(t);
    ASSERT_TRUE(copy.IsCreated());
    DATUMXFORM info;
    ASSERT_TRUE(copy.GetInfo(&info));
    EXPECT_EQ(+info.SrcDatum, 124);
    CDatumTransform assigned;
    assigned = t;
    assigned = assigned; // self-assignment keeps the handle
    EXPECT_TRUE(assigned.IsCreated());
    assigned = empty;
    EXPECT_FALSE(assigned.IsCreated());
    EXPECT_TRUE(t.Convert(&p, 1));
    EXPECT_NEAR(p.Lat, 40.0000094676, 1e-9);
    x.DstDatum = static_cast<DatumType>(500);
    EXPECT_FALSE(t.Create(&x));
    EXPECT_FALSE(t.IsCreated());
    t.Delete();
    EXPECT_TRUE(CDatumTransform(CDatumTransform()).IsCreated() == false);
}

TEST(DatumConvert, BadArgumentsAndSameDatum) {
    ReportCapture capture;
    DATUMXFORM x = Catalogue(124, 124);
    HDATUM h = DatCreateDatum(&x);
    DATUMPOINT pts[2] = {{NAN, 10}, {-100, 40}};
    EXPECT_FALSE(DatConvertDatum(nullptr, pts, 2));
    EXPECT_TRUE(capture.seen().empty());
    EXPECT_FALSE(DatConvertDatum(h, nullptr, 2));
    EXPECT_FALSE(DatConvertDatum(h, pts, 0));
    EXPECT_FALSE(DatConvertDatum(h, pts, -5));
    ASSERT_EQ(capture.seen().size(), 3u);
    EXPECT_EQ(capture.seen()[0].number, 20200);
    // The same catalogue datum on both sides: untouched, NaN included.
    EXPECT_TRUE(DatConvertDatum(h, pts, 2));
    EXPECT_TRUE(std::isnan(pts[0].Lon));
    EXPECT_EQ(+pts[1].Lon, -100);
    EXPECT_FALSE(DatHadUnplottables(h));
    DatDeleteDatum(h);
}

TEST(DatumConvert, OnlySourcesMayUseRegressionOrGrids) {
    ReportCapture capture;
    for (int dst : {224, 229, 231, 232, 233}) {
        DATUMXFORM x = Catalogue(3, dst);
        EXPECT_EQ(DatCheckParams(&x, nullptr, true), 0);
        HDATUM h = DatCreateDatum(&x);
        ASSERT_NE(h, nullptr);
        DATUMPOINT p{-100, 40};
        EXPECT_FALSE(DatConvertDatum(h, &p, 1)) << dst;
        DatDeleteDatum(h);
    }
    EXPECT_EQ(capture.seen().size(), 5u);
    // A user-defined side may not use NADCON or MRE either.
    DATUMXFORM x = Catalogue(0, 3);
    x.SrcParams.Method = DatMethodMRE;
    HDATUM h = DatCreateDatum(&x);
    ASSERT_NE(h, nullptr);
    DATUMPOINT p{-100, 40};
    EXPECT_FALSE(DatConvertDatum(h, &p, 1));
    DatDeleteDatum(h);
}

TEST(DatumConvert, WrapFoldAndUnplottables) {
    DATUMXFORM x = Catalogue(124, 3);
    HDATUM h = DatCreateDatum(&x);
    const double inf = std::numeric_limits<double>::infinity();
    DATUMPOINT pts[] = {
        {190, 10},         {400, 10},  {-190, 10}, {-100, 100},
        {-100, -100},      {NAN, 10},  {10, inf},  {UNPLOTTABLE, UNPLOTTABLE},
        {10, UNPLOTTABLE}, {-100, 40},
    };
    ASSERT_TRUE(DatConvertDatum(h, pts, 10));
    EXPECT_NEAR(pts[0].Lon, 190, 0.01);
    EXPECT_NEAR(pts[1].Lon, 40, 0.01);
    EXPECT_NEAR(pts[2].Lon, -190, 0.01);
    EXPECT_NEAR(pts[3].Lat, 80, 0.01);
    EXPECT_NEAR(pts[3].Lon, -100, 0.01);
    EXPECT_NEAR(pts[4].Lat, -80, 0.01);
    for (int i : {5, 6, 7}) {
        EXPECT_EQ(+pts[i].Lon, UNPLOTTABLE) << i;
        EXPECT_EQ(+pts[i].Lat, UNPLOTTABLE) << i;
    }
    EXPECT_EQ(+pts[8].Lon, 10); // half-marked points pass the legs unchanged
    EXPECT_EQ(+pts[8].Lat, UNPLOTTABLE);
    EXPECT_TRUE(DatHadUnplottables(h));
    DATUMXFORM info;
    DatGetHandleInfo(h, &info);
    EXPECT_TRUE(info.bHadUnplottables);

    // The wrapped point goes through the legs as -170 and comes back near 190.
    DATUMPOINT a{190, 10}, b{-170, 10};
    DatConvertDatum(h, &a, 1);
    DatConvertDatum(h, &b, 1);
    EXPECT_DOUBLE_EQ(+a.Lon - 360, +b.Lon);
    EXPECT_EQ(+a.Lat, +b.Lat);
    EXPECT_FALSE(DatHadUnplottables(h)); // cleared by the next call
    DatDeleteDatum(h);
}

TEST(DatumConvert, UserDefinedDestinationUsesTheCallersDirection) {
    DATUMXFORM fwd = Catalogue(124, 0);
    DatGetDatumParams(DatWGS1984, &fwd.DstParams); // none of its shifts: WGS84 itself
    fwd.DstParams.Method = DatMethodNone;
    DATUMXFORM cat = Catalogue(124, 3);
    DATUMPOINT a{-100, 40}, b{-100, 40};
    CDatumTransform(&fwd).Convert(&a, 1);
    CDatumTransform(&cat).Convert(&b, 1);
    EXPECT_NEAR(a.Lon, b.Lon, 1e-12); // b also runs a zero Molodensky leg
    EXPECT_NEAR(a.Lat, b.Lat, 1e-12);

    // WGS84 to a user-defined copy of datum 124 with bInverse true retraces
    // the catalogue's own destination leg.
    DATUMXFORM user = Catalogue(3, 0);
    ASSERT_TRUE(DatGetDatumParams(DatNAD1927CONUS, &user.DstParams));
    user.DstParams.bInverse = true;
    DATUMXFORM back = Catalogue(3, 124);
    DATUMPOINT c{-100, 40}, d{-100, 40};
    CDatumTransform(&user).Convert(&c, 1);
    CDatumTransform(&back).Convert(&d, 1);
    EXPECT_EQ(+c.Lon, +d.Lon);
    EXPECT_EQ(+c.Lat, +d.Lat);
    // Hosts may store any byte in a flag: 2 counts as set.
    std::memset(&user.DstParams.bInverse, 2, 1);
    DATUMPOINT f{-100, 40};
    CDatumTransform(&user).Convert(&f, 1);
    EXPECT_EQ(+f.Lat, +c.Lat);
    user.DstParams.bInverse = false;
    DATUMPOINT e{-100, 40};
    CDatumTransform(&user).Convert(&e, 1);
    EXPECT_GT(std::fabs(+e.Lat - +c.Lat), 1e-5);
}
