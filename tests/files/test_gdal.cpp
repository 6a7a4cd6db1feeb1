// Interoperability with GDAL and libgeotiff. World files and GeoTIFFs that
// GDAL wrote (tests/files/data, made by make_gdal_files.sh) are read to
// GDAL's own numbers; where gdal-bin is installed, gdalinfo reads the world
// files and tags we write to the numbers we meant.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "files/fixture.h"
#include "files/tiffbuild.h"
#include "qvlibw/qvlibw.h"
#include "qvproj/files.h"

using namespace QVProj;

namespace {

const std::string kData = std::string(QVPROJ_SOURCE_DIR) + "/tests/files/data/";

// The n numbers that follow `key` in a text (JSON or listgeo output).
std::vector<double> NumbersAfter(const std::string& text, const std::string& key, int n) {
    std::vector<double> out;
    std::size_t at = text.find(key);
    if (at == std::string::npos) return out;
    const char* p = text.c_str() + at + key.size();
    while (*p && static_cast<int>(out.size()) < n) {
        char* end = nullptr;
        double v = std::strtod(p, &end);
        if (end != p && (std::isdigit(static_cast<unsigned char>(*p)) || *p == '-')) {
            out.push_back(v);
            p = end;
        } else {
            ++p;
        }
    }
    return out;
}

bool HaveGdal() {
    return std::system("gdalinfo --version > /dev/null 2>&1") == 0;
}

std::string Gdalinfo(const std::string& path) {
    std::string out;
    if (std::FILE* f = popen(("gdalinfo -json '" + path + "' 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
        pclose(f);
    }
    return out;
}

// Checks that our georeference puts the corners and the centre of a w x h
// image where gdalinfo's JSON says. World-file coefficients refer to the
// centre of the first pixel, GDAL's corners to the pixel edges: GDAL's
// upper left corner is our pixel position (-0.5, -0.5).
void ExpectGdalCorners(const GEOREF& g, const std::string& json) {
    const std::vector<double> size = NumbersAfter(json, "\"size\"", 2);
    ASSERT_EQ(size.size(), 2u);
    const double w = size[0], h = size[1];
    const struct {
        const char* key;
        double col, row;
    } corners[] = {{"\"upperLeft\"", -0.5, -0.5},
                   {"\"upperRight\"", w - 0.5, -0.5},
                   {"\"lowerRight\"", w - 0.5, h - 0.5},
                   {"\"lowerLeft\"", -0.5, h - 0.5},
                   {"\"center\"", w / 2 - 0.5, h / 2 - 0.5}};
    HGEOREF h2 = RefCreateSystem(&g);
    ASSERT_NE(h2, nullptr);
    for (const auto& c : corners) {
        const std::vector<double> gdal = NumbersAfter(json, c.key, 2);
        ASSERT_EQ(gdal.size(), 2u) << c.key;
        GEOREFPOINT p{c.col, c.row};
        ASSERT_TRUE(RefForward(h2, &p, 1));
        EXPECT_NEAR(p.x, gdal[0], 1e-6) << c.key;
        EXPECT_NEAR(p.y, gdal[1], 1e-6) << c.key;
    }
    RefDeleteSystem(h2);
}

using GdalTest = ScratchTest;

} // namespace

TEST_F(GdalTest, WorldFilesWrittenByGdalReadToItsGeotransform) {
    for (const char* name : {"map", "rot"}) {
        SCOPED_TRACE(name);
        GEOREF g{};
        unsigned flags = 0;
        ASSERT_TRUE(QVProjReadESRIWorld((kData + name + ".tif").c_str(), &g, &flags));
        EXPECT_EQ(flags, 4u | 16u);
        const std::string json = Read(kData + name + ".gdalinfo.json");
        const std::vector<double> gt = NumbersAfter(json, "\"geoTransform\"", 6);
        ASSERT_EQ(gt.size(), 6u);
        EXPECT_EQ(+g.A, gt[1]);
        EXPECT_EQ(+g.B, gt[2]);
        EXPECT_EQ(+g.D, gt[4]);
        EXPECT_EQ(+g.E, gt[5]);
        EXPECT_EQ(+g.C, gt[0] + gt[1] / 2 + gt[2] / 2);
        EXPECT_EQ(+g.F, gt[3] + gt[4] / 2 + gt[5] / 2);
        ExpectGdalCorners(g, json);
    }
}

TEST_F(GdalTest, TagsOfAGdalGeoTiffReadAsLibgeotiffListsThem) {
    const std::string tif = kData + "map.tif";
    const std::string listgeo = Read(kData + "map.listgeo");
    QVBitLib lib;
    QVBitmapTag t;
    ASSERT_EQ(lib.GetTagData(tif.c_str(), 33922, t, 1), QVBitLib::RV_FOUND);
    ASSERT_EQ(t.GetType(), QVBitmapTag::TAG_DOUBLE);
    const auto* tie = static_cast<const double*>(t.GetDataPtr());
    EXPECT_EQ(std::vector<double>(tie, tie + t.GetItemCount()),
              NumbersAfter(listgeo, "ModelTiepointTag (2,3):", 6));
    ASSERT_EQ(lib.GetTagData(tif.c_str(), 33550, t, 1), QVBitLib::RV_FOUND);
    const auto* scale = static_cast<const double*>(t.GetDataPtr());
    EXPECT_EQ(std::vector<double>(scale, scale + t.GetItemCount()),
              NumbersAfter(listgeo, "ModelPixelScaleTag (1,3):", 3));
    // The key directory: version 1, revision 1.0, and seven keys (listgeo
    // lists them), among them ProjectedCSTypeGeoKey = PCS_WGS84_UTM_zone_33N.
    ASSERT_EQ(lib.GetTagData(tif.c_str(), 34735, t, 1), QVBitLib::RV_FOUND);
    ASSERT_EQ(t.GetType(), QVBitmapTag::TAG_UINT16);
    const auto* keys = static_cast<const uint16_t*>(t.GetDataPtr());
    ASSERT_EQ(t.GetItemCount(), 4u * 8);
    EXPECT_EQ(keys[0], 1);
    EXPECT_EQ(keys[1], 1);
    EXPECT_EQ(keys[2], 0);
    EXPECT_EQ(keys[3], 7);
    bool utm33 = false;
    for (int i = 1; i < 8; ++i) utm33 = utm33 || (keys[4 * i] == 3072 && keys[4 * i + 3] == 32633);
    EXPECT_TRUE(utm33);
    ASSERT_EQ(lib.GetTagData(tif.c_str(), 34737, t, 1), QVBitLib::RV_FOUND);
    EXPECT_STREQ(static_cast<const char*>(t.GetDataPtr()), "WGS 84 / UTM zone 33N|WGS 84|");
}

TEST_F(GdalTest, GdalinfoReadsOurWorldFilesToTheSameCorners) {
    if (!HaveGdal()) GTEST_SKIP() << "gdal-bin is not installed";
    GEOREF g{};
    g.Method = RefCoefficients;
    g.A = 29.5, g.B = 4.75, g.C = 500017.375, g.D = 3.25, g.E = -28.5, g.F = 4000287.875;
    for (const char* image : {"plain.tif", "PLAIN.TIF"}) {
        SCOPED_TRACE(image);
        Write(P(image), BuildTiff(false, false, {}));
        ASSERT_TRUE(QVProjWriteESRIWorld(P(image).c_str(), &g));
        const std::string json = Gdalinfo(P(image));
        ASSERT_NE(json.find("cornerCoordinates"), std::string::npos) << json;
        ExpectGdalCorners(g, json);
    }
    EXPECT_EQ(Listing(), "PLAIN.TFW PLAIN.TIF plain.tfw plain.tif");
}

TEST_F(GdalTest, GdalinfoReadsTheGeoTiffTagsWeWrite) {
    if (!HaveGdal()) GTEST_SKIP() << "gdal-bin is not installed";
    Write(P("geo.tif"), BuildTiff(true, true, {}));
    auto tag = [](QVBitmapTag::TAG_DATA_TYPE type, const void* data, unsigned count) {
        QVBitmapTag t(type, count);
        std::memcpy(t.GetDataPtr(), data, t.GetSize());
        return t;
    };
    const double scale[3] = {30, 30, 0};
    const double tie[6] = {0, 0, 0, 500000, 4000000, 0};
    const uint16_t keys[16] = {1, 1, 2, 3, 1024, 0, 1, 1, 1025, 0, 1, 1, 3072, 0, 1, 32633};
    QVBitmapTagList list;
    list.MergeTag(tag(QVBitmapTag::TAG_DOUBLE, scale, 3), 33550);
    list.MergeTag(tag(QVBitmapTag::TAG_DOUBLE, tie, 6), 33922);
    list.MergeTag(tag(QVBitmapTag::TAG_UINT16, keys, 16), 34735);
    ASSERT_TRUE(QVBitLib().WriteTags(P("geo.tif").c_str(), list));
    const std::string json = Gdalinfo(P("geo.tif"));
    EXPECT_EQ(NumbersAfter(json, "\"geoTransform\"", 6),
              (std::vector<double>{500000, 30, 0, 4000000, 0, -30}));
    EXPECT_NE(json.find("UTM zone 33N"), std::string::npos) << json;
}
