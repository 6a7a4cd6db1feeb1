// Numbers and names of the side files: "%.15G" and strtod of the "C" locale
// without the locale, and the file names made from an image's name.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "files/sidenames.h"
#include "files/sidetext.h"

using namespace QVProj;

TEST(SideText, NumbersAreWrittenAsPrintfWritesThem) {
    std::mt19937_64 rng(42);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  0.1,
                                  1e15,
                                  1e16,
                                  123456789012345678.0,
                                  1e-5,
                                  1e-4,
                                  5e-324,
                                  2.2250738585072014e-308,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::nan("")};
    for (int i = 0; i < 20000; ++i) {
        uint64_t bits = rng();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        values.push_back(d);
        values.push_back(static_cast<double>(rng() % 2000000) / 1000.0 - 1000);
    }
    for (double v : values) {
        char ref[64];
        std::snprintf(ref, sizeof ref, "%.15G", v);
        EXPECT_EQ(FormatNumber(v), ref);
    }
}

TEST(SideText, NumbersAreReadAsStrtodReadsThem) {
    const char* texts[] = {"0",
                           "-0",
                           "+.5",
                           " \t12.5e3xyz",
                           "1e",
                           "1e+",
                           "-1.5E-3",
                           ".",
                           "-",
                           "+-1",
                           "--1",
                           "abc",
                           "",
                           "INF",
                           "-Infinity",
                           "nan",
                           "NAN(123)",
                           "1.79769313486232E+308",
                           "-1e400",
                           "1e-400",
                           "4.94065645841247E-324",
                           "2.2250738585072E-308",
                           "0000000000000000000000000000001e-330",
                           "100000000000000000000000000000000000000e300",
                           "0.000000000001e-320"};
    for (const char* t : texts) {
        char* end = nullptr;
        const double ref = std::strtod(t, &end);
        double v = -7;
        const std::size_t used = ParseNumber(t, &v);
        EXPECT_EQ(used, static_cast<std::size_t>(end - t)) << t;
        if (std::isnan(ref)) {
            EXPECT_TRUE(std::isnan(v)) << t;
        } else {
            EXPECT_EQ(v, ref) << t;
            EXPECT_EQ(std::signbit(v), std::signbit(ref)) << t;
        }
    }
    EXPECT_EQ(LeadingInteger(" -42.9"), -42);
    EXPECT_EQ(LeadingInteger("2147483648"), 2147483647);
    EXPECT_EQ(LeadingInteger("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(LeadingInteger("x1"), 0);
}

TEST(SideNames, NamesFromTheImageName) {
    EXPECT_EQ(RefFileName("map.tif"), "map.tif.qvr");
    EXPECT_EQ(RefFileName("map.QVR"), "map.QVR");
    EXPECT_EQ(RefFileName("mapqvr"), "mapqvr");
    EXPECT_EQ(RefFileName("aqvr"), "aqvr.qvr"); // shorter than five characters
    EXPECT_EQ(RsfFileName("dir.d/map.tif"), "dir.d/map.RSF");
    EXPECT_EQ(WorldFileName("map.tif"), "map.tfw");
    EXPECT_EQ(WorldFileName("MAP.TIF"), "MAP.TFW");
    EXPECT_EQ(WorldFileName("photo.jpg"), "photo.jgw");
    EXPECT_EQ(WorldFileName("photo.jpeg"), "photo.jew");
    EXPECT_EQ(WorldFileName("photo.Jp2"), "photo.J2w");
    EXPECT_EQ(WorldFileName("scan.001"), "scan.01W");
    EXPECT_EQ(WorldFileName("photo.ab"), "photo.abw");
    EXPECT_EQ(WorldFileName("photo"), "photoW");
    EXPECT_EQ(WorldFileReadNames("map.tif"),
              (std::vector<std::string>{"map.tfW", "map.tifw", "map.WLD"}));
    EXPECT_EQ(WorldFileReadNames("photo.ab"),
              (std::vector<std::string>{"photoW", "photo.abw", "photo.WLD"}));
}
