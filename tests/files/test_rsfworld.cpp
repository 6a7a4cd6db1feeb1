// Blue Marble RSF and ESRI world files: the written text, round trips,
// names, and what the readers make of short, long and broken files.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "datum/reports.h"
#include "files/fixture.h"
#include "qvproj/files.h"

using namespace QVProj;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A control-point georeference with its own arrays.
struct Controls {
    GEOREF g{};
    Controls(TransformMethod m, std::initializer_list<GEOREFPOINT[2]> pairs) {
        g.Method = m;
        EXPECT_TRUE(RefAllocControls(&g, static_cast<int>(pairs.size())));
        int i = 0;
        for (const auto& p : pairs) {
            g.pSrcControls[i] = p[0];
            g.pDstControls[i++] = p[1];
        }
    }
    ~Controls() { RefFreeControls(&g); }
};

GEOREF Coefficients(double a, double b, double c, double d, double e, double f) {
    GEOREF g{};
    g.Method = RefCoefficients;
    g.A = a, g.B = b, g.C = c, g.D = d, g.E = e, g.F = f;
    return g;
}

struct ReadBack {
    bool ok = false;
    GEOREF ref{};
    unsigned flags = 99;
    ~ReadBack() { RefFreeControls(&ref); }
};

using RsfTest = ScratchTest;
using WorldTest = ScratchTest;

} // namespace

TEST_F(RsfTest, WritesAndReadsControlPoints) {
    Controls c(RefSecondOrder, {{{0.5, 0}, {500000, 4000000}},
                                {{100, 0}, {503000.125, 4000000}},
                                {{kNaN, 1e300}, {-kInf, 5e-324}}});
    ASSERT_TRUE(QVProjWriteBlueMarbleRSF(P("map.tif").c_str(), &c.g));
    EXPECT_EQ(Read(P("map.RSF")), "2 3\n"
                                  "'Point 0' 0.5 0 0.0 500000 4000000 0.0 1\n"
                                  "'Point 1' 100 0 0.0 503000.125 4000000 0.0 1\n"
                                  "'Point 2' NAN 1E+300 0.0 -INF 4.94065645841247E-324 0.0 1\n");
    ReadBack r;
    r.ok = QVProjReadBlueMarbleRSF(P("map.jpg").c_str(), &r.ref, &r.flags);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.flags, 8u | 16u);
    EXPECT_EQ(+r.ref.Method, RefHelmert); // whatever method wrote it
    ASSERT_EQ(+r.ref.NumControls, 3);
    EXPECT_EQ(+r.ref.pDstControls[1].x, 503000.125);
    EXPECT_TRUE(std::isnan(r.ref.pSrcControls[2].x));
    EXPECT_EQ(+r.ref.pSrcControls[2].y, 1e300);
    EXPECT_EQ(+r.ref.pDstControls[2].x, -kInf);
    EXPECT_EQ(+r.ref.pDstControls[2].y, 5e-324);
    // The file named directly, and without a record to fill.
    unsigned flags = 0;
    EXPECT_TRUE(QVProjReadBlueMarbleRSFFile(P("MAP.rsf").c_str(), nullptr, &flags));
    EXPECT_EQ(flags, 8u | 16u);
}

TEST_F(RsfTest, CoefficientsBecomeTheCornersOfASquare) {
    const GEOREF g = Coefficients(2, 0.5, 100, -0.5, 2, -50);
    ASSERT_TRUE(QVProjWriteBlueMarbleRSF(P("c.tif").c_str(), &g));
    EXPECT_EQ(Read(P("c.RSF")), "2 4\n"
                                "'Point 0' 0 0 0.0 100 -50 0.0 1\n"
                                "'Point 1' 100 0 0.0 300 -100 0.0 1\n"
                                "'Point 2' 100 100 0.0 350 100 0.0 1\n"
                                "'Point 3' 0 100 0.0 150 150 0.0 1\n");
    GEOREF none{};
    none.Method = RefNone;
    EXPECT_FALSE(QVProjWriteBlueMarbleRSF(P("n.tif").c_str(), &none));
    GEOREF empty{};
    empty.Method = RefAffine;
    EXPECT_FALSE(QVProjWriteBlueMarbleRSF(P("n.tif").c_str(), &empty));
    EXPECT_FALSE(QVProjWriteBlueMarbleRSF(nullptr, &g));
    EXPECT_FALSE(QVProjWriteBlueMarbleRSF(P("n.tif").c_str(), nullptr));
    std::filesystem::create_directory(P("d.RSF"));
    EXPECT_FALSE(QVProjWriteBlueMarbleRSF(P("d.tif").c_str(), &g)); // the RSF name is a directory
    EXPECT_EQ(Listing(), "c.RSF d.RSF");
}

TEST_F(RsfTest, ShortBrokenAndHugeFilesReadAsNoPoints) {
    ReadBack r;
    auto load = [&](const std::string& text) {
        Write(P("m.rsf"), text);
        r.ref.Method = RefThirdOrder;
        r.ok = QVProjReadBlueMarbleRSF(P("m.tif").c_str(), &r.ref, &r.flags);
        RefFreeControls(&r.ref);
        return r.ok && r.flags == 16u && r.ref.Method == RefHelmert && r.ref.NumControls == 0;
    };
    const std::string point = "'Point 0' 1 2 0.0 3 4 0.0 1\n";
    EXPECT_TRUE(load("2 0\n"));
    EXPECT_TRUE(load("2 -1\n" + point));
    EXPECT_TRUE(load("2 2147483648\n" + point));
    EXPECT_TRUE(load("2 2147483647\n" + point + point));
    EXPECT_TRUE(load("2 1000\n" + point));
    EXPECT_TRUE(load("2\n" + point));
    EXPECT_TRUE(load(""));
    EXPECT_TRUE(load("2 1\n"));
    EXPECT_TRUE(load("2 2\n" + point + point.substr(0, point.size() - 1))); // no final newline
    EXPECT_TRUE(load("2 1\n'Point 0' 1 2 0.0 3\n"));                        // five tokens
    EXPECT_TRUE(load("2 1"));
    EXPECT_TRUE(load(std::string("\0\xff\x01 7\n", 6) + point));
    // Quoted labels with blanks, tabs, CR LF, and a line beyond 255 characters.
    Write(P("m.rsf"),
          "x 2\r\n'a b\tc'\t10 20 0 30 40\r\n'p' 1 2 0 3 4" + std::string(300, ' ') + "9\n");
    r.ok = QVProjReadBlueMarbleRSF(P("m.tif").c_str(), &r.ref, &r.flags);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.flags, 8u | 16u);
    ASSERT_EQ(+r.ref.NumControls, 2);
    EXPECT_EQ(+r.ref.pSrcControls[0].x, 10);
    EXPECT_EQ(+r.ref.pDstControls[0].y, 40);
    EXPECT_EQ(+r.ref.pDstControls[1].y, 4);
}

TEST_F(RsfTest, MissingFilesAndBadNames) {
    ReportCapture reports;
    GEOREF mine = Coefficients(1, 2, 3, 4, 5, 6);
    unsigned flags = 99;
    EXPECT_TRUE(QVProjReadBlueMarbleRSF(P("missing.tif").c_str(), &mine, &flags));
    EXPECT_EQ(flags, 0u);
    EXPECT_EQ(+mine.A, 1); // untouched
    std::filesystem::create_directory(P("d.RSF"));
    EXPECT_TRUE(QVProjReadBlueMarbleRSF(P("d.tif").c_str(), &mine, &flags));
    EXPECT_EQ(flags, 0u);
    EXPECT_TRUE(reports.seen().empty());
    EXPECT_FALSE(QVProjReadBlueMarbleRSF(nullptr, &mine, &flags));
    EXPECT_EQ(flags, 0u);
    ASSERT_EQ(reports.seen().size(), 1u);
    EXPECT_EQ(reports.seen()[0].number, 20205);
    EXPECT_EQ(reports.seen()[0].unit, "RSFFile");
}

TEST_F(WorldTest, WritesSixCoefficientsUnderTheImagesWorldFileName) {
    const GEOREF g = Coefficients(29.5, 4.75, 500017.375, 3.25, -28.5, 4000287.875);
    for (const char* image : {"map.tif", "MAP.TIF", "photo.jpg", "photo.ab", "noext"})
        ASSERT_TRUE(QVProjWriteESRIWorld(P(image).c_str(), &g)) << image;
    EXPECT_EQ(Listing(), "MAP.TFW map.tfw noextW photo.abw photo.jgw");
    EXPECT_EQ(Read(P("map.tfw")), "29.5\n3.25\n4.75\n-28.5\n500017.375\n4000287.875\n");
    ReadBack r;
    for (const char* image : {"map.tif", "MAP.TIF", "photo.jpg", "photo.ab", "noext"}) {
        r.ok = QVProjReadESRIWorld(P(image).c_str(), &r.ref, &r.flags);
        EXPECT_TRUE(r.ok) << image;
        EXPECT_EQ(r.flags, 4u | 16u) << image;
        EXPECT_EQ(+r.ref.Method, RefCoefficients);
        EXPECT_EQ(+r.ref.A, 29.5);
        EXPECT_EQ(+r.ref.B, 4.75);
        EXPECT_EQ(+r.ref.C, 500017.375);
        EXPECT_EQ(+r.ref.D, 3.25);
        EXPECT_EQ(+r.ref.E, -28.5);
        EXPECT_EQ(+r.ref.F, 4000287.875);
    }
    // NaN and infinities go through; the largest double comes back as infinity.
    const GEOREF x = Coefficients(kNaN, -kInf, std::numeric_limits<double>::max(), -0.0, 5e-324,
                                  std::numeric_limits<double>::min());
    ASSERT_TRUE(QVProjWriteESRIWorld(P("x.tif").c_str(), &x));
    r.ok = QVProjReadESRIWorldFile(P("X.TFW").c_str(), &r.ref, &r.flags);
    EXPECT_EQ(r.flags, 4u | 16u);
    EXPECT_TRUE(std::isnan(r.ref.A));
    EXPECT_EQ(+r.ref.B, -kInf);
    EXPECT_EQ(+r.ref.C, kInf);
    EXPECT_TRUE(r.ref.D == 0 && std::signbit(r.ref.D));
    EXPECT_EQ(+r.ref.E, 5e-324);
    EXPECT_NEAR(r.ref.F, std::numeric_limits<double>::min(), 1e-322);
}

TEST_F(WorldTest, ControlPointsAreFittedFirst) {
    Controls three(RefHelmert, {{{0, 0}, {100, 200}}, {{10, 0}, {120, 205}}, {{0, 10}, {95, 220}}});
    ASSERT_TRUE(QVProjWriteESRIWorld(P("a.tif").c_str(), &three.g));
    ReadBack r;
    r.ok = QVProjReadESRIWorld(P("a.tif").c_str(), &r.ref, &r.flags);
    EXPECT_NEAR(r.ref.A, 2, 1e-12);
    EXPECT_NEAR(r.ref.B, -0.5, 1e-12);
    EXPECT_NEAR(r.ref.C, 100, 1e-12);
    EXPECT_NEAR(r.ref.D, 0.5, 1e-12);
    EXPECT_NEAR(r.ref.E, 2, 1e-12);
    EXPECT_NEAR(r.ref.F, 200, 1e-12);
    Controls two(RefHelmert, {{{0, 0}, {100, 200}}, {{10, 0}, {120, 205}}});
    EXPECT_FALSE(QVProjWriteESRIWorld(P("b.tif").c_str(), &two.g));
    GEOREF none{};
    none.Method = RefNone;
    EXPECT_FALSE(QVProjWriteESRIWorld(P("b.tif").c_str(), &none));
    EXPECT_FALSE(QVProjWriteESRIWorld(nullptr, &three.g));
    EXPECT_FALSE(QVProjWriteESRIWorld(P("b.tif").c_str(), nullptr));
    EXPECT_EQ(Listing(), "a.tfw");
}

TEST_F(WorldTest, ReaderTriesThreeNamesAndNeedsSixWholeLines) {
    ReadBack r;
    auto load = [&](const char* image) {
        r.ok = QVProjReadESRIWorld(P(image).c_str(), &r.ref, &r.flags);
        return r.ref.A;
    };
    Write(P("m.WLD"), "3\n0\n0\n-3\n0\n0\n");
    EXPECT_EQ(load("m.tif"), 3);
    Write(P("m.TIFW"), "2\n0\n0\n-2\n0\n0\n");
    EXPECT_EQ(load("m.tif"), 2);
    Write(P("m.tfw"), "1\n0\n0\n-1\n0\n0\n");
    EXPECT_EQ(load("m.tif"), 1);
    Write(P("p.abw"), "4\n0\n0\n-4\n0\n0\n");
    EXPECT_EQ(load("p.ab"), 4); // second try: the whole name plus "w"

    // Five lines, or a sixth without its newline: found, but nothing stored.
    for (const char* text : {"1\n2\n3\n4\n5\n", "1\n2\n3\n4\n5\n6", ""}) {
        Write(P("s.tfw"), text);
        r.ref.Method = RefAffine;
        EXPECT_EQ(load("s.tif"), 0) << text;
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.flags, 16u);
        EXPECT_EQ(+r.ref.Method, RefHelmert);
    }
    // Numbers that do not parse read as 0; long lines keep 255 characters;
    // CR LF and blanks around numbers are fine.
    Write(P("s.tfw"), "  30 m\r\nx\n" + std::string(300, '7') + "\n-30\r\n1e999\n.5\n");
    EXPECT_EQ(load("s.tif"), 30);
    EXPECT_EQ(r.flags, 4u | 16u);
    EXPECT_EQ(+r.ref.D, 0);
    EXPECT_EQ(+r.ref.B, std::stod(std::string(255, '7')));
    EXPECT_EQ(+r.ref.E, -30);
    EXPECT_EQ(+r.ref.C, kInf);
    EXPECT_EQ(+r.ref.F, 0.5);

    ReportCapture reports;
    GEOREF mine = Coefficients(1, 2, 3, 4, 5, 6);
    std::filesystem::create_directory(P("d.tfw"));
    for (const char* image : {"none.tif", "d.tif"}) {
        r.flags = 99;
        EXPECT_TRUE(QVProjReadESRIWorld(P(image).c_str(), &mine, &r.flags));
        EXPECT_EQ(r.flags, 0u);
        EXPECT_EQ(+mine.A, 1);
    }
    EXPECT_FALSE(QVProjReadESRIWorld(nullptr, &mine, &r.flags));
    EXPECT_FALSE(QVProjReadESRIWorldFile(nullptr, &mine, &r.flags));
    ASSERT_EQ(reports.seen().size(), 2u);
    EXPECT_EQ(reports.seen()[0].number, 20205);
    EXPECT_EQ(reports.seen()[0].unit, "WLDFile");
}

TEST_F(RsfTest, UnreadableFilesReadAsFilesThatCannotBeOpened) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    for (const char* name : {"u.RSF", "u.tfw", "u.tif.qvr"}) {
        Write(P(name), "2 1\n");
        std::filesystem::permissions(P(name), std::filesystem::perms::none);
    }
    GEOREF g{};
    unsigned flags = 99;
    EXPECT_TRUE(QVProjReadBlueMarbleRSF(P("u.tif").c_str(), &g, &flags));
    EXPECT_EQ(flags, 0u);
    EXPECT_TRUE(QVProjReadESRIWorld(P("u.tif").c_str(), &g, &flags));
    EXPECT_EQ(flags, 0u);
    EXPECT_TRUE(QVProjRefFileReadEx(P("u.tif").c_str(), nullptr, nullptr, nullptr, &g, &flags));
    EXPECT_EQ(flags, 0u);
}
