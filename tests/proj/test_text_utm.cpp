// Angle text and UTM zones.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "qvproj/proj.h"

using namespace QVProj;

namespace {
double Read(const char* text, char mark = 'd') {
    double d = std::nan("");
    EXPECT_TRUE(LatLonToDegrees(text, &d, mark)) << text;
    return d;
}
bool Fails(const char* text, char mark = 'd') {
    double d = 0;
    return !LatLonToDegrees(text, &d, mark);
}
std::string Write(double v, int flags, char d = 'd', char m = '\'', char s = '"') {
    char buf[DEGREES_TO_LATLON_BUFSIZE];
    std::memset(buf, 'Z', sizeof buf);
    if (!DegreesToLatLon(buf, v, flags, d, m, s)) {
        EXPECT_EQ(buf[0], '\0');
        return "<fail>";
    }
    return buf;
}
} // namespace

TEST(AngleText, ReadsStoredZoneForms) {
    EXPECT_NEAR(Read("-85d50'"), -85.8333333, 1e-7);
    EXPECT_DOUBLE_EQ(Read("30D30"), 30.5);
    EXPECT_NEAR(Read("-36d52'11.6315"), -36.8698976, 1e-7);
    EXPECT_DOUBLE_EQ(Read("57"), 57.0);
    EXPECT_NEAR(Read("144d44'55.50254"), 144.7487507, 1e-7);
    EXPECT_NEAR(Read("350d37"), 350.6166667, 1e-7);
    EXPECT_NEAR(Read("10d 30' 15\" S"), -10.5041667, 1e-7);
    EXPECT_DOUBLE_EQ(Read("-10S"), -10.0);
    EXPECT_DOUBLE_EQ(Read("  +12.5 e\t"), 12.5);
    EXPECT_DOUBLE_EQ(Read("12m", 'm'), 12.0);
    EXPECT_NEAR(Read("12*30", '*'), 12.5, 1e-12);
    EXPECT_NEAR(Read("12d30m15s w"), -12.504166666666, 1e-9);
}

TEST(AngleText, RejectsMalformed) {
    EXPECT_TRUE(Fails("30 30"));
    EXPECT_TRUE(Fails("1e5"));
    EXPECT_TRUE(Fails(""));
    EXPECT_TRUE(Fails("-"));
    EXPECT_TRUE(Fails("abc"));
    EXPECT_TRUE(Fails("12d30'x"));
    EXPECT_TRUE(Fails("nan"));
    EXPECT_TRUE(Fails("inf"));
    EXPECT_TRUE(Fails(std::string(5000, '9').c_str()));
    // A zero degree mark is not the end of the text.
    EXPECT_TRUE(Fails("12x", '\0'));
    EXPECT_FALSE(LatLonToDegrees(nullptr, nullptr, 'd'));
    EXPECT_FALSE(LatLonToDegrees("12", nullptr, 'd'));
}

TEST(AngleText, WritesLayouts) {
    EXPECT_EQ(Write(-36.5, 1 | DLL_DEGREES_MINUTES | DLL_HEMISPHERE | DLL_LATITUDE, 'd', '\'', 0),
              "36d30.0'S");
    EXPECT_EQ(Write(5.25, 2 | DLL_DECIMAL_DEGREES | DLL_PLUS), "+5.25");
    EXPECT_EQ(Write(5.25, DLL_PLUS | DLL_BLANK_SIGN), "<fail>");
    EXPECT_EQ(Write(-10.5041667, 1 | DLL_MINUS | DLL_SPACES), "-10d 30' 15.0\"");
    EXPECT_EQ(Write(7.25, 1 | DLL_ZERO_PAD | DLL_HEMISPHERE | DLL_SPACES), "7d 15' 00.0\" E");
    // Fields before the last are truncated: just below a whole minute shows 60.
    EXPECT_EQ(Write(7.1, DLL_ZERO_PAD), "7d05'060\"");
    EXPECT_EQ(Write(-7.1, 2 | DLL_DEGREES_MINUTES | DLL_ZERO_PAD | DLL_HEMISPHERE, 0, 0, 0),
              "706.00W");
    EXPECT_EQ(Write(3.0, DLL_BLANK_SIGN | DLL_DECIMAL_DEGREES), " 3");
    // No minus flag: the sign is dropped.
    EXPECT_EQ(Write(-3.0, DLL_DECIMAL_DEGREES), "3");
}

TEST(AngleText, RoundTripsThroughText) {
    for (double v : {-179.999, -85.8333333333, 0.0, 0.5, 12.3456789, 89.9999}) {
        std::string t = Write(v, 8 | DLL_MINUS);
        double back = 0;
        ASSERT_TRUE(LatLonToDegrees(t.c_str(), &back, 'd')) << t;
        EXPECT_NEAR(back, v, 1e-10) << t;
    }
}

TEST(AngleText, UnwritableValuesFailEmpty) {
    EXPECT_EQ(Write(std::nan(""), 2), "<fail>");
    EXPECT_EQ(Write(std::numeric_limits<double>::infinity(), 2 | DLL_DECIMAL_DEGREES), "<fail>");
    EXPECT_EQ(Write(1e308, 2 | DLL_DECIMAL_DEGREES), "<fail>");
    EXPECT_EQ(Write(1e50, 15 | DLL_DEGREES_MINUTES), "1e+50d0.000000000000000'");
    EXPECT_FALSE(DegreesToLatLon(nullptr, 1.0, 0, 'd', 'm', 's'));
}

TEST(UtmZones, Names) {
    char buf[64];
    ASSERT_TRUE(ProjUTMZoneNumberToName(17, false, buf, sizeof buf, UZF_LETTER_RANGE));
    EXPECT_STREQ(buf, "Zone 17N (084W to 078W)");
    ASSERT_TRUE(ProjUTMZoneNumberToName(17, false, buf, sizeof buf, UZF_SIGNED_RANGE));
    EXPECT_STREQ(buf, "Zone 17N (-84 to -78)");
    ASSERT_TRUE(ProjUTMZoneNumberToName(17, true, buf, sizeof buf, UZF_ZONE_ONLY));
    EXPECT_STREQ(buf, "Zone 17S");
    ASSERT_TRUE(ProjUTMZoneNumberToName(31, false, buf, sizeof buf, UZF_LETTER_RANGE));
    EXPECT_STREQ(buf, "Zone 31N (000E to 006E)");
    ASSERT_TRUE(ProjUTMZoneNumberToName(30, false, buf, sizeof buf, UZF_LETTER_RANGE));
    EXPECT_STREQ(buf, "Zone 30N (006W to 000E)");
    ASSERT_TRUE(ProjUTMZoneNumberToName(31, false, buf, sizeof buf, UZF_SIGNED_RANGE));
    EXPECT_STREQ(buf, "Zone 31N (+00 to +06)");
    ASSERT_TRUE(ProjUTMZoneNumberToName(0, false, buf, sizeof buf, UZF_ZONE_ONLY));
    EXPECT_STREQ(buf, "Zone 60N");
    ASSERT_TRUE(ProjUTMZoneNumberToName(61, false, buf, sizeof buf, UZF_ZONE_ONLY));
    EXPECT_STREQ(buf, "Zone 01N");
}

TEST(UtmZones, NameBufferLimits) {
    char buf[16] = "unchanged";
    EXPECT_TRUE(ProjUTMZoneNumberToName(17, false, buf, 9, UZF_ZONE_ONLY));
    std::strcpy(buf, "unchanged");
    EXPECT_FALSE(ProjUTMZoneNumberToName(17, false, buf, 8, UZF_ZONE_ONLY));
    EXPECT_STREQ(buf, "unchanged");
    EXPECT_FALSE(ProjUTMZoneNumberToName(17, false, buf, 0, UZF_ZONE_ONLY));
    EXPECT_FALSE(ProjUTMZoneNumberToName(17, false, buf, -5, UZF_ZONE_ONLY));
    EXPECT_FALSE(ProjUTMZoneNumberToName(17, false, nullptr, 16, UZF_ZONE_ONLY));
    EXPECT_FALSE(ProjUTMZoneNumberToName(17, false, buf, 16, static_cast<UTMZoneNameFormat>(3)));
    EXPECT_TRUE(ProjUTMZoneNumberToName(INT32_MIN, false, buf, 16, UZF_ZONE_ONLY));
}

TEST(UtmZones, ParseNames) {
    int zone = 0;
    bool south = false;
    EXPECT_TRUE(ProjUTMZoneNameToNumber("Zone 17S (084W to 078W)", &zone, &south));
    EXPECT_EQ(zone, 17);
    EXPECT_TRUE(south);
    EXPECT_TRUE(ProjUTMZoneNameToNumber("UTM 5 n", &zone, &south));
    EXPECT_EQ(zone, 5);
    EXPECT_FALSE(south);
    EXPECT_TRUE(ProjUTMZoneNameToNumber("-5", &zone, nullptr));
    EXPECT_EQ(zone, 55);
    EXPECT_TRUE(ProjUTMZoneNameToNumber("- \t61 s", &zone, &south));
    EXPECT_EQ(zone, 59);
    EXPECT_TRUE(south);
    EXPECT_TRUE(ProjUTMZoneNameToNumber(std::string(3000, '9').c_str(), &zone, nullptr));
    EXPECT_GE(zone, 1);
    EXPECT_LE(zone, 60);
    EXPECT_FALSE(ProjUTMZoneNameToNumber("abc", &zone, &south));
    EXPECT_FALSE(ProjUTMZoneNameToNumber("Zone -x", &zone, &south));
    EXPECT_FALSE(ProjUTMZoneNameToNumber(nullptr, &zone, &south));
    EXPECT_TRUE(ProjUTMZoneNameToNumber("33", nullptr, nullptr));
}

TEST(UtmZones, Longitudes) {
    EXPECT_EQ(ProjUTMLonToZoneNumber(-180), 1);
    EXPECT_EQ(ProjUTMLonToZoneNumber(179.9), 60);
    EXPECT_EQ(ProjUTMLonToZoneNumber(180), 1);
    EXPECT_EQ(ProjUTMLonToZoneNumber(3.5), 31);
    EXPECT_EQ(ProjUTMLonToZoneNumber(-0.5), 31); // truncation toward zero
    EXPECT_EQ(ProjUTMLonToZoneNumber(-84.3), 17);
    EXPECT_EQ(ProjUTMLonToZoneNumber(std::nan("")), 0);
    EXPECT_EQ(ProjUTMLonToZoneNumber(1e300), 0);
    EXPECT_EQ(ProjUTMZoneNumberToLon(1), -177.0);
    EXPECT_EQ(ProjUTMZoneNumberToLon(60), 177.0);
    EXPECT_EQ(ProjUTMZoneNumberToLon(0), 177.0);
    for (int z = 1; z <= 60; ++z) EXPECT_EQ(ProjUTMLonToZoneNumber(ProjUTMZoneNumberToLon(z)), z);
}
