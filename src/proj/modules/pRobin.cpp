// Robinson (type 14), on the sphere of radius MajorRadius whatever the
// flattening, with the central meridian fixed at Greenwich (Lon0 is not
// read): Robinson's table of parallel lengths and distances from the
// equator every 5 degrees, interpolated by cubics whose coefficients are
// single-precision floats. The forward evaluates the cubics; the inverse
// finds the row and solves the distance cubic by Newton to a step of 1e-8
// (in the cubic's 5-degree unit). It holds Y and b0 - Y in single
// precision, which limits its latitude to a float ulp of Y over the cubic's
// slope: about 2.5e-6 degrees at mid-latitudes, 1.3e-5 near the poles; the
// longitude follows it.
//
// PROJ's robin uses a newer table with double coefficients: its row at 40
// degrees holds 0.4958 where ours holds 0.4968, so y differs by up to
// 8.6 km between 35 and 45 degrees; elsewhere the maps differ by less than
// 0.7 m (the single-precision scale factors).
#include "proj/modules/module.h"

namespace QVProj {
namespace pRobin {

static constexpr const char* kUnit = "pRobin";

using namespace mod;

namespace {

// One row per 5 degrees of absolute latitude, 0 to 90: the parallel length
// X(u) = a0 + (a1 + (a2 + a3 u) u) u and the distance from the equator
// Y(u) = b0 + (b1 + (b2 + b3 u) u) u, u in degrees from the row's latitude.
struct Row {
    float a0, a1, a2, a3, b0, b1, b2, b3;
    double X(double u) const { return a0 + (a1 + (a2 + a3 * u) * u) * u; }
    double Y(double u) const { return b0 + (b1 + (b2 + b3 * u) * u) * u; }
};

constexpr Row kTable[19] = {
    {1.0f, -5.67239e-12f, -7.15511e-05f, 3.11028e-06f, 0.0f, 0.0124f, 3.72529e-10f, 1.15484e-09f},
    {0.9986f, -0.000482241f, -2.4897e-05f, -1.33094e-06f, 0.062f, 0.0124001f, 1.76951e-08f,
     -5.92321e-09f},
    {0.9954f, -0.000831031f, -4.4861e-05f, -9.86588e-07f, 0.124f, 0.0123998f, -7.09668e-08f,
     2.25753e-08f},
    {0.99f, -0.00135363f, -5.96598e-05f, 3.67749e-06f, 0.186f, 0.0124008f, 2.66917e-07f,
     -8.44523e-08f},
    {0.9822f, -0.00167442f, -4.4975e-06f, -5.72394e-06f, 0.248f, 0.0123971f, -9.99682e-07f,
     3.15569e-07f},
    {0.973f, -0.00214869f, -9.03565e-05f, 1.88767e-08f, 0.31f, 0.0124108f, 3.73349e-06f,
     -1.1779e-06f},
    {0.96f, -0.00305084f, -9.00732e-05f, 1.64869e-06f, 0.372f, 0.0123598f, -1.3935e-05f,
     4.39588e-06f},
    {0.9427f, -0.00382792f, -6.53428e-05f, -2.61493e-06f, 0.434f, 0.0125501f, 5.20034e-05f,
     -1.00051e-05f},
    {0.9216f, -0.00467747f, -0.000104566f, 4.8122e-06f, 0.4968f, 0.0123198f, -9.80735e-05f,
     9.22397e-06f},
    {0.8962f, -0.00536222f, -3.23834e-05f, -5.43445e-06f, 0.5571f, 0.0120308f, 4.02857e-05f,
     -5.2901e-06f},
    {0.8679f, -0.00609364f, -0.0001139f, 3.32521e-06f, 0.6176f, 0.0120369f, -3.90662e-05f,
     7.36117e-07f},
    {0.835f, -0.00698325f, -6.40219e-05f, 9.34582e-07f, 0.6769f, 0.0117015f, -2.80246e-05f,
     -8.54283e-07f},
    {0.7986f, -0.00755337f, -5.00038e-05f, 9.35532e-07f, 0.7346f, 0.0113572f, -4.08389e-05f,
     -5.18524e-07f},
    {0.7597f, -0.00798325f, -3.59716e-05f, -2.27604e-06f, 0.7903f, 0.0109099f, -4.86169e-05f,
     -1.0718e-06f},
    {0.7186f, -0.00851366f, -7.0112e-05f, -8.63072e-06f, 0.8435f, 0.0103433f, -6.46934e-05f,
     5.36384e-09f},
    {0.6732f, -0.00986209f, -0.000199572f, 1.91978e-05f, 0.8936f, 0.00969679f, -6.46129e-05f,
     -8.54894e-06f},
    {0.6213f, -0.010418f, 8.83948e-05f, 6.24031e-06f, 0.9394f, 0.00840949f, -0.000192847f,
     -4.21023e-06f},
    {0.5722f, -0.00906601f, 0.000181999f, 6.24033e-06f, 0.9761f, 0.00616525f, -0.000256001f,
     -4.21021e-06f},
    {0.5322f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f},
};

// The single-precision values of 36/pi (rows per radian), of 5 degrees in
// radians, of the scale factors 0.8487 and 1.3523 and of the pole's
// parallel length 0.5322; the degree conversions are double.
constexpr double kRowsPerRadian = 11.459156036376953;
constexpr double kRowStep = 0.0872664600610733;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kScaleX = 0.8486999869346619;
constexpr double kScaleY = 1.3523000478744507;
constexpr double kPoleLength = 0.5321999788284302;

struct SphereForward {
    double RX, RY;
    explicit SphereForward(const PROJDATA& w)
        : RX(w.MajorRadius * kScaleX), RY(w.MajorRadius * kScaleY) {}
    Outcome operator()(PROJPOINT& p) const {
        const double a = std::fabs(p.y);
        // The row, at most 17 (a NaN takes 17 too, and stays NaN).
        const double row = std::floor(a * kRowsPerRadian);
        const int i = row < 17.0 ? static_cast<int>(row) : 17;
        const double u = (a - i * kRowStep) * kDegreesPerRadian;
        const Row& r = kTable[i];
        const double y = RY * r.Y(u);
        p.x = RX * r.X(u) * p.x;
        p.y = p.y < 0.0 ? -y : y;
        return kConverted;
    }
};

struct SphereInverse {
    double R;
    explicit SphereInverse(const PROJDATA& w) : R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double X = p.x / R / kScaleX, Y = std::fabs(p.y / R / kScaleY);
        if (Y < 1.0) {
            // The row i with b0(i) <= Y < b0(i + 1); b0(0) = 0 and b0(18) = 1
            // keep it within the table.
            int i = static_cast<int>(std::floor(18.0 * Y));
            for (;;) {
                if (kTable[i].b0 > Y)
                    --i;
                else if (kTable[i + 1].b0 <= Y)
                    ++i;
                else
                    break;
            }
            const Row& r = kTable[i];
            // Newton on Y(u) = Y from the linear guess, with Y and b0 - Y held
            // in single precision, until a step below 1e-8 (applied). The
            // cubics are monotonic within their rows: the step falls below
            // 1e-8 within a few iterations everywhere, with no limit needed.
            double u = 5.0 * (Y - r.b0) / (kTable[i + 1].b0 - r.b0);
            const float c = r.b0 - static_cast<float>(Y);
            double d;
            do {
                d = (c + (r.b1 + (r.b2 + r.b3 * u) * u) * u) /
                    (r.b1 + (2.0 * r.b2 + 3.0 * r.b3 * u) * u);
                u -= d;
            } while (std::fabs(d) >= 1e-08);
            const double lat = (5 * i + u) * kRadiansPerDegree;
            p.x = X / r.X(u);
            p.y = p.y < 0.0 ? -lat : lat;
        } else if (Y <= 1.000001) {
            p.x = X / kPoleLength;
            p.y = p.y < 0.0 ? -kHalfPi : kHalfPi;
        } else {
            // Beyond the pole line: the point becomes (0, 0), not unplottable.
            p.x = 0.0;
            p.y = 0.0;
        }
        return kConverted;
    }
};

} // namespace

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereForward>(kUnit, pWork, pPts, nPts);
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereInverse>(kUnit, pWork, pPts, nPts);
}

} // namespace pRobin
} // namespace QVProj
