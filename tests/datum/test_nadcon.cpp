// NADCON grids: synthetic grid pairs in the published binary layout, the
// node values, bilinear interpolation, the outside rules, the file search
// and the missing-file failure.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "scratch.h"
#include "platform/exepath.h"
#include "datum/legs.h"
#include "datum/nadcon.h"
#include "qvproj/datum.h"
#include "reports.h"

using namespace QVProj;
namespace fs = std::filesystem;

namespace {

constexpr int kNC = 25, kNR = 4; // 25 columns: the header fits the first record
constexpr float kXmin = -100.0f, kDx = 0.25f, kYmin = 30.0f, kDy = 0.5f;

double LasValue(int r, int c) {
    return 100.0 * r + c;
}
double LosValue(int r, int c) {
    return -(10.0 * r + 0.5 * c);
}

void PutWord(std::string& s, size_t word, const void* v) {
    std::memcpy(&s[word * 4], v, 4);
}

// A grid file: header in record 0, then NR records of a row number and NC
// float shifts. `bytes` cuts the file short when given.
void WriteGrid(const fs::path& path, double (*value)(int, int), size_t bytes = 0) {
    std::string s(static_cast<size_t>((kNR + 1) * (kNC + 1) * 4), '\0');
    std::memcpy(&s[0], "NADCON EXTRACTED REGION", 23);
    std::memcpy(&s[56], "NADGRD  ", 8);
    int32_t nc = kNC, nr = kNR, nz = 1;
    PutWord(s, 16, &nc);
    PutWord(s, 17, &nr);
    PutWord(s, 18, &nz);
    PutWord(s, 19, &kXmin);
    PutWord(s, 20, &kDx);
    PutWord(s, 21, &kYmin);
    PutWord(s, 22, &kDy);
    for (int r = 1; r <= kNR; ++r) {
        int32_t rowNumber = r;
        PutWord(s, static_cast<size_t>(r * (kNC + 1)), &rowNumber);
        for (int c = 1; c <= kNC; ++c) {
            float v = static_cast<float>(value(r, c));
            PutWord(s, static_cast<size_t>(r * (kNC + 1) + c), &v);
        }
    }
    if (bytes) s.resize(bytes);
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(s.data(), 1, s.size(), f);
    std::fclose(f);
}

class NadconTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = scratch.path();
        setenv("QVPROJ_DATA", dir.string().c_str(), 1);
    }
    void TearDown() override { unsetenv("QVPROJ_DATA"); }
    ScratchDir scratch;
    void WritePair(const char* las = "conus.las", const char* los = "conus.los") {
        WriteGrid(dir / las, LasValue);
        WriteGrid(dir / los, LosValue);
    }
    fs::path dir;
};

double NodeLon(int c) {
    return kXmin + (c - 1) * static_cast<double>(kDx);
}
double NodeLat(int r) {
    return kYmin + (r - 1) * static_cast<double>(kDy);
}

} // namespace

TEST(NadconHeader, ParsesTheFieldsAndRefusesShortInput) {
    unsigned char h[92] = {};
    int32_t nc = 273, nr = 121;
    float xmin = -131.0f, dx = 0.25f, ymin = 20.0f, dy = 0.25f;
    std::memcpy(h + 64, &nc, 4);
    std::memcpy(h + 68, &nr, 4);
    std::memcpy(h + 76, &xmin, 4);
    std::memcpy(h + 80, &dx, 4);
    std::memcpy(h + 84, &ymin, 4);
    std::memcpy(h + 88, &dy, 4);
    NadconHeader hd;
    ASSERT_TRUE(ParseNadconHeader(h, sizeof h, &hd));
    EXPECT_EQ(hd.nc, 273);
    EXPECT_EQ(hd.nr, 121);
    EXPECT_EQ(hd.xmin, -131.0);
    EXPECT_EQ(hd.dy, 0.25);
    EXPECT_FALSE(ParseNadconHeader(h, 91, &hd));
    EXPECT_FALSE(ParseNadconHeader(nullptr, 92, &hd));
}

TEST_F(NadconTest, NodesInterpolationAndOutsidePoints) {
    WritePair();
    DATUMPOINT pts[] = {
        {NodeLon(3), NodeLat(2)},              // node
        {NodeLon(3) + 0.1, NodeLat(2) + 0.35}, // inside a cell
        {NodeLon(1) - 0.25, NodeLat(2)},       // one cell west of XMIN
        {NodeLon(kNC), NodeLat(2)},            // last column
        {NodeLon(3), NodeLat(kNR)},            // last row
        {NodeLon(3), NodeLat(1) - 1e-9},       // just south
        {NAN, 30.2},                           // never reaches the grid
        {UNPLOTTABLE, UNPLOTTABLE},
    };
    DATUMPOINT in[8];
    std::memcpy(in, pts, sizeof pts);
    ASSERT_TRUE(NadconLeg("conus", pts, 8));
    EXPECT_DOUBLE_EQ(+pts[0].Lon, +in[0].Lon + LasValue(2, 3) / 3600);
    EXPECT_DOUBLE_EQ(+pts[0].Lat, +in[0].Lat + LosValue(2, 3) / 3600);
    // The grids are linear in row and column, so the bilinear value is exact.
    double col = 3 + 0.1 / kDx, row = 2 + 0.35 / kDy;
    EXPECT_NEAR(pts[1].Lon, in[1].Lon + (100 * row + col) / 3600, 1e-12);
    EXPECT_NEAR(pts[1].Lat, in[1].Lat - (10 * row + 0.5 * col) / 3600, 1e-12);
    for (int i = 2; i < 8; ++i) {
        if (i == 6) continue;
        EXPECT_EQ(std::memcmp(&pts[i], &in[i], sizeof pts[i]), 0) << i;
    }
    EXPECT_TRUE(std::isnan(pts[6].Lon));
}

TEST_F(NadconTest, ThroughTheConversionBothGridPairsAndCaseOfNames) {
    WritePair("CONUS.LAS", "Conus.Los");
    WriteGrid(dir / "prvi.las", LosValue); // a different pair for the other datum
    WriteGrid(dir / "prvi.los", LasValue);
    for (int datum : {232, 233}) {
        DATUMXFORM x;
        std::memset(&x, 0, sizeof x);
        x.SrcDatum = static_cast<DatumType>(datum);
        x.DstDatum = DatUserDefined;
        x.DstParams.Method = DatMethodNone;
        CDatumTransform t(&x);
        DATUMPOINT p{NodeLon(4), NodeLat(3)};
        ASSERT_TRUE(t.Convert(&p, 1)) << datum;
        double las = datum == 232 ? LasValue(3, 4) : LosValue(3, 4);
        double los = datum == 232 ? LosValue(3, 4) : LasValue(3, 4);
        EXPECT_NEAR(p.Lon, NodeLon(4) + las / 3600, 1e-12);
        EXPECT_NEAR(p.Lat, NodeLat(3) + los / 3600, 1e-12);
    }
}

TEST_F(NadconTest, MissingOrTruncatedFilesFail) {
    ReportCapture capture;
    DATUMXFORM x;
    std::memset(&x, 0, sizeof x);
    x.SrcDatum = static_cast<DatumType>(232);
    x.DstDatum = DatWGS1984;
    CDatumTransform t(&x);
    DATUMPOINT p{NodeLon(4), NodeLat(3)};
    EXPECT_FALSE(t.Convert(&p, 1)); // no grids at all
    WriteGrid(dir / "conus.las", LasValue);
    EXPECT_FALSE(t.Convert(&p, 1)); // only the .LAS file
    ASSERT_EQ(capture.seen().size(), 2u);
    EXPECT_EQ(capture.seen()[0].number, 20200);
    EXPECT_EQ(capture.seen()[0].unit, "dNadcon");

    WriteGrid(dir / "conus.los", LosValue);
    WriteGrid(dir / "conus.las", LasValue, 60); // header cut short
    EXPECT_FALSE(t.Convert(&p, 1));
    // Data cut short: points whose words are missing stay unchanged.
    WriteGrid(dir / "conus.las", LasValue, (2 * (kNC + 1) + 10) * 4);
    DATUMPOINT pts[2] = {{NodeLon(3), NodeLat(1)}, {NodeLon(3), NodeLat(3)}};
    ASSERT_TRUE(NadconLeg("conus", pts, 2));
    EXPECT_DOUBLE_EQ(+pts[0].Lon, NodeLon(3) + LasValue(1, 3) / 3600);
    EXPECT_EQ(+pts[1].Lon, NodeLon(3));
    EXPECT_EQ(+pts[1].Lat, NodeLat(3));
}

TEST_F(NadconTest, GridsBesideTheExecutableComeFirst) {
    const std::string exeDir = ExecutableDirectory();
    ASSERT_FALSE(exeDir.empty());
    WritePair();
    const fs::path las = fs::path(exeDir) / "prvi.LAS", los = fs::path(exeDir) / "prvi.LOS";
    if (fs::exists(las) || fs::exists(los)) GTEST_SKIP() << "grids already beside the executable";
    WriteGrid(dir / "prvi.las", LasValue);
    WriteGrid(dir / "prvi.los", LasValue);
    WriteGrid(las, LosValue);
    WriteGrid(los, LosValue);
    DATUMPOINT p{NodeLon(2), NodeLat(2)};
    bool ok = NadconLeg("prvi", &p, 1);
    fs::remove(las);
    fs::remove(los);
    ASSERT_TRUE(ok);
    EXPECT_DOUBLE_EQ(+p.Lon, NodeLon(2) + LosValue(2, 2) / 3600);
    // Gone from beside the executable: the QVPROJ_DATA pair serves.
    DATUMPOINT q{NodeLon(2), NodeLat(2)};
    ASSERT_TRUE(NadconLeg("prvi", &q, 1));
    EXPECT_DOUBLE_EQ(+q.Lon, NodeLon(2) + LasValue(2, 2) / 3600);
}
