// Fits against independent computations on data/controls.txt: GDAL's
// gdaltransform (-order 1, 2, 3 and -tps) and numpy least squares (Helmert,
// bilinear, orders 1 to 3). make_reference.sh regenerates both files.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "qvproj/georef.h"

using namespace QVProj;

namespace {

struct Row {
    std::string method;
    double x, y, u, v;
};

std::vector<Row> ReadRows(const std::string& path) {
    std::vector<Row> rows;
    std::ifstream f(path);
    std::string line;
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream ss(line);
        Row r;
        if (ss >> r.method >> r.x >> r.y >> r.u >> r.v) rows.push_back(r);
    }
    return rows;
}

class Reference : public ::testing::Test {
protected:
    GEOREF ref{};
    void SetUp() override {
        std::vector<std::vector<double>> pts;
        std::ifstream f(std::string(QVPROJ_SOURCE_DIR) + "/data/controls.txt");
        std::string line;
        while (std::getline(f, line)) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream ss(line);
            double a, b, c, d;
            if (ss >> a >> b >> c >> d) pts.push_back({a, b, c, d});
        }
        ASSERT_EQ(pts.size(), 16u);
        ASSERT_TRUE(RefAllocControls(&ref, static_cast<int>(pts.size())));
        for (size_t i = 0; i < pts.size(); ++i) {
            ref.pSrcControls[i] = {pts[i][0], pts[i][1]};
            ref.pDstControls[i] = {pts[i][2], pts[i][3]};
        }
    }
    void TearDown() override { RefFreeControls(&ref); }

    // Largest distance between our mapping and the reference rows of one method.
    double Compare(TransformMethod method, const std::vector<Row>& rows, const std::string& name) {
        ref.Method = method;
        HGEOREF h = RefCreateSystem(&ref);
        EXPECT_NE(h, nullptr);
        if (!h) return 1e300;
        double worst = 0;
        int seen = 0;
        for (const Row& r : rows) {
            if (r.method != name) continue;
            GEOREFPOINT p{r.x, r.y};
            EXPECT_TRUE(RefForward(h, &p, 1));
            worst = std::fmax(worst, std::hypot(p.x - r.u, p.y - r.v));
            ++seen;
        }
        EXPECT_EQ(seen, 8) << name;
        RefDeleteSystem(h);
        return worst;
    }
};

} // namespace

TEST_F(Reference, AgreesWithGdalTransform) {
    auto rows = ReadRows(std::string(QVPROJ_SOURCE_DIR) + "/tests/georef/reference_gdal.txt");
    // gdaltransform prints 9 decimals of the easting and 8 of the northing.
    EXPECT_LT(Compare(RefAffine, rows, "1"), 1e-7);
    EXPECT_LT(Compare(RefSecondOrder, rows, "2"), 1e-7);
    // Third order: raw-pixel normal equations (terms up to x^6 near 4e21)
    // still agree to about 1e-7 m here.
    EXPECT_LT(Compare(RefThirdOrder, rows, "3"), 1e-6);
    // The thin plate spline does not depend on the normalisation or on the
    // kernel's constant factor, so it matches GDAL's up to where the
    // conjugate gradients stop: a residual of 1e-8 of the norm of the raw
    // destination coordinates, 0.18 m for 16 northings near 4.4e6 m.
    EXPECT_LT(Compare(RefThinPlateSpline, rows, "tps"), 0.1);
}

TEST_F(Reference, AgreesWithNumpyLeastSquares) {
    auto rows = ReadRows(std::string(QVPROJ_SOURCE_DIR) + "/tests/georef/reference_numpy.txt");
    // The Helmert sums are taken on raw coordinates (Su near 7e7) and lose
    // some digits to cancellation.
    EXPECT_LT(Compare(RefHelmert, rows, "helmert"), 1e-5);
    EXPECT_LT(Compare(RefFirstOrder, rows, "bilinear"), 1e-7);
    EXPECT_LT(Compare(RefAffine, rows, "order1"), 1e-7);
    EXPECT_LT(Compare(RefSecondOrder, rows, "order2"), 1e-7);
    EXPECT_LT(Compare(RefThirdOrder, rows, "order3"), 1e-6);
}
