// The built-in datum catalogue: stored order, counts per method, sample rows
// and the lookups by number and name.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "datum/catalogue.h"
#include "proj/ellipsoids.h"
#include "qvproj/datum.h"

using namespace QVProj;

TEST(DatumCatalogue, StoredOrderAndCounts) {
    int n = 0;
    const DatumRow* rows = DatumRows(&n);
    ASSERT_EQ(n, 237);
    std::vector<int> order;
    for (int d = 1; d <= 223; ++d) order.push_back(d);
    for (int d : {236, 234, 235}) order.push_back(d);
    for (int d = 224; d <= 233; ++d) order.push_back(d);
    order.push_back(237);
    std::map<int, int> perMethod;
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(rows[i].datum, order[static_cast<size_t>(i)]) << i;
        if (i < n - 1) {
            perMethod[rows[i].method]++;
            EXPECT_LE(std::strlen(rows[i].name), 48u);
            bool noEllipsoid = rows[i].method == 1 || rows[i].method == 5;
            EXPECT_EQ(rows[i].ellipsoid == 50, noEllipsoid) << rows[i].datum;
            if (rows[i].method != 2) {
                EXPECT_EQ(rows[i].rX + rows[i].rY + rows[i].rZ + rows[i].scale, 0) << rows[i].datum;
            }
        }
    }
    EXPECT_EQ(perMethod[3], 214);
    EXPECT_EQ(perMethod[2], 12);
    EXPECT_EQ(perMethod[5], 8);
    EXPECT_EQ(perMethod[1], 2);
    EXPECT_STREQ(rows[n - 1].name, "null");
    EXPECT_EQ(rows[n - 1].method, 6);
    EXPECT_EQ(DatNumDatums(), 237);
}

TEST(DatumCatalogue, SampleRowsAsListed) {
    struct Sample {
        int datum;
        const char* name;
        int method, ellipsoid;
        double dX, dY, dZ, rX, rY, rZ, scale, pm;
    };
    const Sample samples[] = {
        {1, "North American Datum 1983", 3, 3, 0, 0, 0, 0, 0, 0, 0, 0},
        {7, "Tokyo", 3, 12, -148, 507, 685, 0, 0, 0, 0, 0},
        {22, "Arc 1950 - Botswana", 3, 16, -138, -105, -289, 0, 0, 0, 0, 0},
        {110, "Luzon - Philippines, exept Mindanao Island", 3, 15, -133, -77, -51, 0, 0, 0, 0, 0},
        {124, "NAD 1927 - CONUS", 3, 15, -8, 160, 176, 0, 0, 0, 0, 0},
        {147, "NTF France - Paris Meridian", 3, 34, -83, -96, -113, 0, 0, 0, 0, 2.33722916666667},
        {216, "DHDN-1 (Bursa-Wolf)", 2, 14, 591, 73, 410, 0.26, 0.05, -2.43, 8.5, 0},
        {223, "Pulkovo 1942 (Bursa-Wolf)", 2, 35, 27, -135, -84.5, 0, 0, 0.554, 0.2263, 0},
        {230, "NAD 1927 - Canada (MRE)", 5, 50, 0, 0, 0, 0, 0, 0, 0, 0},
        {233, "NAD 1927 - Puerto Rico & Virgin Islands (NADCON)", 1, 50, 0, 0, 0, 0, 0, 0, 0, 0},
        {234, "Krassovski 1940 - Estonia (Bursa-Wolf)", 2, 35, 21.53219, -97.54127, -60.92546,
         -1.01378, -0.58117, -0.2348, -4.6121, 0},
        {235, "EUREF-89/GRS-80 (Bursa-Wolf)", 2, 3, 0.055, -0.541, -0.185, -0.0183, 0.0003, 0.007,
         -0.014, 0},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.datum);
        const DatumRow* r = FindDatumRow(s.datum);
        ASSERT_NE(r, nullptr);
        EXPECT_STREQ(r->name, s.name);
        EXPECT_EQ(r->method, s.method);
        EXPECT_EQ(r->ellipsoid, s.ellipsoid);
        EXPECT_EQ(r->dX, +s.dX);
        EXPECT_EQ(r->dY, +s.dY);
        EXPECT_EQ(r->dZ, +s.dZ);
        EXPECT_EQ(r->rX, +s.rX);
        EXPECT_EQ(r->rY, +s.rY);
        EXPECT_EQ(r->rZ, +s.rZ);
        EXPECT_EQ(r->scale, s.scale);
        EXPECT_EQ(r->primeMeridian, s.pm);
    }
    EXPECT_EQ(FindDatumRow(0), nullptr);
    EXPECT_EQ(FindDatumRow(237), nullptr);
}

TEST(DatumCatalogue, NamesAndNumbers) {
    char name[DATUM_NAME_BUFSIZE];
    DatGetDatumName(DatUserDefined, name);
    EXPECT_STREQ(name, "User Defined");
    DatGetDatumName(static_cast<DatumType>(124), name);
    EXPECT_STREQ(name, "NAD 1927 - CONUS");
    std::strcpy(name, "junk");
    DatGetDatumName(static_cast<DatumType>(237), name);
    EXPECT_STREQ(name, "");
    DatGetDatumName(static_cast<DatumType>(-3), name);
    EXPECT_STREQ(name, "");
    DatGetDatumName(static_cast<DatumType>(1), nullptr);

    DatumType d = static_cast<DatumType>(99);
    EXPECT_TRUE(DatGetDatumFromName(&d, "nad 1927 - conus"));
    EXPECT_EQ(d, 124);
    EXPECT_TRUE(DatGetDatumFromName(&d, "uSER dEFINED"));
    EXPECT_EQ(d, 0);
    d = static_cast<DatumType>(99);
    EXPECT_FALSE(DatGetDatumFromName(&d, "NAD 1927 - CONUS "));
    EXPECT_EQ(d, 99);
    EXPECT_FALSE(DatGetDatumFromName(nullptr, "Tokyo"));
    EXPECT_FALSE(DatGetDatumFromName(&d, nullptr));
    // Every name is found again, and unique ignoring case.
    for (int i = 1; i <= 236; ++i) {
        DatGetDatumName(static_cast<DatumType>(i), name);
        ASSERT_TRUE(DatGetDatumFromName(&d, name));
        EXPECT_EQ(d, i) << name;
    }
}

TEST(DatumCatalogue, ParamsMethodsAndReversibility) {
    DATUM2WGS84 p;
    std::memset(&p, 0x11, sizeof p);
    ASSERT_TRUE(DatGetDatumParams(static_cast<DatumType>(221), &p));
    EXPECT_EQ(+p.Method, DatMethodBursaWolf);
    EXPECT_FALSE(p.bInverse);
    EXPECT_EQ(+p.Ellipsoid, 12);
    EXPECT_EQ(+p.dX, 660.077);
    EXPECT_EQ(+p.dY, 13.551);
    EXPECT_EQ(+p.dZ, 369.344);
    EXPECT_EQ(+p.rX, -0.804816);
    EXPECT_EQ(+p.rY, -0.577692);
    EXPECT_EQ(+p.rZ, -0.952236);
    EXPECT_EQ(+p.Scale, 5.66);
    EXPECT_EQ(+p.MajorRadius, 6377397.155);
    EXPECT_EQ(+p.Flattening, 1 / 299.1528128);
    EXPECT_EQ(p.Reserved[0], 0x11); // left as it was

    for (int d : {0, 224, 229, 232, 233, 237, -1})
        EXPECT_FALSE(DatGetDatumParams(static_cast<DatumType>(d), &p)) << d;
    EXPECT_FALSE(DatGetDatumParams(DatWGS1984, nullptr));

    DatumMethod m = DatMethodNone;
    EXPECT_TRUE(DatGetDatumMethod(static_cast<DatumType>(232), &m));
    EXPECT_EQ(m, DatMethodNadcon);
    EXPECT_TRUE(DatGetDatumMethod(static_cast<DatumType>(229), &m));
    EXPECT_EQ(m, DatMethodMRE);
    EXPECT_FALSE(DatGetDatumMethod(DatUserDefined, &m));
    EXPECT_FALSE(DatGetDatumMethod(static_cast<DatumType>(237), &m));
    EXPECT_FALSE(DatGetDatumMethod(DatWGS1984, nullptr));

    EXPECT_TRUE(DatReversible(DatWGS1984));
    EXPECT_TRUE(DatReversible(static_cast<DatumType>(236)));
    for (int d : {0, 224, 229, 231, 232, 233, 237, 1000})
        EXPECT_FALSE(DatReversible(static_cast<DatumType>(d))) << d;
}
