// Projection types, ellipsoids and parameter metadata.
#include <gtest/gtest.h>

#include <cstring>

#include "proj/ellipsoids.h"
#include "proj/params.h"
#include "qvproj/proj.h"

using namespace QVProj;

TEST(ProjTypes, NamesAndMasks) {
    char name[64];
    EXPECT_EQ(ProjNumProjections(), 29);
    EXPECT_EQ(ProjGetProjectionInfo(PT_LAMBERT, name), 0x2fu);
    EXPECT_STREQ(name, "Lambert Conformal Conic");
    EXPECT_EQ(ProjGetProjectionInfo(PT_UNDEFINED, name), 0u);
    EXPECT_STREQ(name, "undefined");
    for (int bad : {29, -1, 998, 1000}) {
        std::strcpy(name, "junk");
        EXPECT_EQ(ProjGetProjectionInfo(static_cast<ProjType>(bad), name), 0u);
        EXPECT_STREQ(name, "");
    }
    EXPECT_EQ(ProjGetProjectionInfo(PT_UTM, nullptr), 0x1bu);
    EXPECT_EQ(ProjGetProjectionInfo(PT_LATLONG, name), 0u);
    EXPECT_STREQ(name, "Unprojected Lat/Long");
    // Bits 0x01 and 0x02 are set for every projection type.
    for (int t = 1; t < 29; ++t)
        EXPECT_EQ(ProjGetProjectionInfo(static_cast<ProjType>(t), nullptr) & 3u, 3u) << t;
}

TEST(Ellipsoids, Catalogue) {
    char name[64];
    double a = -1, f = -1;
    EXPECT_TRUE(EllipsoidInfo(ET_WGS_84, name, &a, &f));
    EXPECT_STREQ(name, "WGS 84");
    EXPECT_EQ(a, 6378137.0);
    EXPECT_EQ(f, 1.0 / 298.257223563);
    EXPECT_TRUE(EllipsoidInfo(ET_CLARKE_1866, nullptr, &a, nullptr));
    EXPECT_EQ(a, 6378206.4);
    // Spheres have flattening exactly 0.
    EXPECT_EQ(EllipsoidFlattening(ET_SPHERE_6370997), 0.0);
    EXPECT_EQ(EllipsoidFlattening(ET_UNIT_SPHERE), 0.0);
    EXPECT_EQ(EllipsoidRadius(ET_UNIT_SPHERE), 1.0);
    EXPECT_EQ(EllipsoidRadius(static_cast<EllipsoidType>(50)), 1.0);
    EXPECT_EQ(EllipsoidRadius(static_cast<EllipsoidType>(-1)), 1.0);
    EXPECT_EQ(EllipsoidRadius(ET_USER_DEFINED), 1.0);
    EXPECT_EQ(EllipsoidFlattening(ET_USER_DEFINED), 0.0);
}

TEST(Ellipsoids, UserDefinedAndOutOfRange) {
    char name[64] = "x";
    double a = 5, f = 6;
    EXPECT_FALSE(EllipsoidInfo(ET_USER_DEFINED, name, &a, &f));
    EXPECT_STREQ(name, "user-defined");
    EXPECT_EQ(a, 5);
    EXPECT_EQ(f, 6);
    std::strcpy(name, "keep");
    EXPECT_FALSE(EllipsoidInfo(static_cast<EllipsoidType>(50), name, &a, &f));
    EXPECT_STREQ(name, "keep");
}

TEST(Ellipsoids, FromName) {
    EllipsoidType e = ET_AIRY_1830;
    EXPECT_TRUE(EllipsoidFromName(&e, "wgs 84"));
    EXPECT_EQ(e, ET_WGS_84);
    EXPECT_TRUE(EllipsoidFromName(&e, "User Defined"));
    EXPECT_EQ(e, ET_USER_DEFINED);
    e = ET_AIRY_1830;
    EXPECT_FALSE(EllipsoidFromName(&e, "user-defined"));
    EXPECT_EQ(e, ET_USER_DEFINED);
    // The first of two equal names wins (International 1909/1924 differ; these two do not).
    EXPECT_TRUE(EllipsoidFromName(&e, "HOUGH"));
    EXPECT_EQ(e, 31);
    e = ET_AIRY_1830;
    EXPECT_FALSE(EllipsoidFromName(&e, nullptr));
    EXPECT_EQ(e, ET_AIRY_1830);
    EXPECT_FALSE(EllipsoidFromName(nullptr, "WGS 84"));
}

TEST(Params, Lists) {
    EXPECT_EQ(ProjNumParams(PT_LATLONG), 0);
    EXPECT_EQ(ProjNumParams(PT_HOTINE), 15);
    EXPECT_EQ(ProjNumParams(PT_UNDEFINED), -1);
    EXPECT_EQ(ProjNumParams(static_cast<ProjType>(-3)), -1);
    EXPECT_EQ(ProjEnumParam(PT_UTM, 5), 14);
    EXPECT_EQ(ProjEnumParam(PT_UTM, 6), 0);
    EXPECT_EQ(ProjEnumParam(PT_UTM, -1), 0);
    const int merc[] = {20, 2, 3, 4, 6, 5};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ProjEnumParam(PT_MERCATOR, i), merc[i]);
    EXPECT_EQ(ProjEnumParam(PT_STATEPLANE27, 1), 15);
    EXPECT_FALSE(ProjUsesParam(PT_ROBINSON, 6));
    EXPECT_TRUE(ProjUsesParam(PT_ROBINSON, 4));
    EXPECT_FALSE(ProjUsesParam(PT_UNDEFINED, 2));
    EXPECT_FALSE(ProjUsesParam(PT_MERCATOR, 0));
    for (int t = 0; t < 29; ++t) {
        EXPECT_FALSE(ProjUsesParam(static_cast<ProjType>(t), 21));
        EXPECT_FALSE(ProjUsesParam(static_cast<ProjType>(t), 22));
    }
}

TEST(Params, InfoFollowsPackedRecord) {
    char name[64];
    ProjDataType type;
    int offset = 0, size = 0;
    EXPECT_TRUE(ProjParamInfo(15, name, &type, &offset, &size));
    EXPECT_STREQ(name, "State Zone");
    EXPECT_EQ(type, PDT_STATEZONE);
    EXPECT_EQ(offset, 101);
    EXPECT_EQ(size, 4);
    EXPECT_FALSE(ProjParamInfo(23, name, &type, &offset, &size));
    EXPECT_FALSE(ProjParamInfo(0, name, &type, &offset, &size));
    EXPECT_TRUE(ProjParamInfo(22, nullptr, nullptr, &offset, nullptr));
    EXPECT_EQ(offset, 128);
    const int offsets[] = {0,  4,  12,  20,  28,  36,  44,  52,  60,  68,  76,
                           84, 92, 100, 101, 105, 106, 114, 115, 116, 120, 128};
    for (int p = 1; p <= 22; ++p) {
        ASSERT_TRUE(ProjParamInfo(p, nullptr, nullptr, &offset, &size));
        EXPECT_EQ(offset, offsets[p - 1]) << p;
    }
}

TEST(Params, GetAndSetMoveExactBytes) {
    PROJDATA d;
    std::memset(&d, 0xAB, sizeof d);
    bool south = true;
    EXPECT_TRUE(ProjSetParam(&d, 14, &south));
    int32_t zone = 0x01020304;
    EXPECT_TRUE(ProjSetParam(&d, 15, &zone));
    const unsigned char* raw = reinterpret_cast<const unsigned char*>(&d);
    EXPECT_EQ(raw[99], 0xAB);
    EXPECT_EQ(raw[100], 1);
    EXPECT_EQ(raw[101], 0x04);
    EXPECT_EQ(raw[104], 0x01);
    EXPECT_EQ(raw[105], 0xAB);
    int32_t back = 0;
    EXPECT_TRUE(ProjGetParam(&d, 15, &back));
    EXPECT_EQ(back, zone);
    double k0 = 0.9996, out = 0;
    EXPECT_TRUE(ProjSetParam(&d, 13, &k0));
    EXPECT_TRUE(ProjGetParam(&d, 13, &out));
    EXPECT_EQ(out, 0.9996);
    EXPECT_FALSE(ProjSetParam(&d, 0, &k0));
    EXPECT_FALSE(ProjGetParam(&d, 23, &out));
    EXPECT_FALSE(ProjGetParam(nullptr, 13, &out));
    EXPECT_FALSE(ProjSetParam(&d, 13, nullptr));
}
