// NADCON grid shift: bilinear interpolation in a pair of grid files in the
// binary layout of the NGS NADCON program.
#include "datum/nadcon.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/exepath.h"
#include "platform/filecase.h"
#include "datum/legs.h"
#include "frame/report.h"

namespace QVProj {
namespace {

static constexpr const char* kUnit = "dNadcon";

uint32_t Word(const unsigned char* b) {
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
           static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
}

float FloatWord(const unsigned char* b) {
    uint32_t w = Word(b);
    float f;
    std::memcpy(&f, &w, sizeof f);
    return f;
}

// Two consecutive float words starting at word index w.
bool ReadPair(std::FILE* f, long long w, double* pFirst, double* pSecond) {
    unsigned char b[8];
    if (w < 0 || w > (1LL << 58)) return false;
    if (std::fseek(f, static_cast<long>(w * 4), SEEK_SET) != 0) return false;
    if (std::fread(b, 1, sizeof b, f) != sizeof b) return false;
    *pFirst = FloatWord(b);
    *pSecond = FloatWord(b + 4);
    return true;
}

// Bilinear value of one grid at row r, column c with fractions fx, fy.
bool Interpolate(std::FILE* f, long long w, long long stride, double fx, double fy, double* pV) {
    double z00, z01, z10, z11;
    if (!ReadPair(f, w, &z00, &z01) || !ReadPair(f, w + stride, &z10, &z11)) return false;
    *pV = (1 - fx) * (1 - fy) * z00 + fx * (1 - fy) * z01 + (1 - fx) * fy * z10 + fx * fy * z11;
    return true;
}

struct File {
    std::FILE* f = nullptr;
    ~File() {
        if (f) std::fclose(f);
    }
};

} // namespace

bool ParseNadconHeader(const unsigned char* pBytes, std::size_t n, NadconHeader* pHeader) {
    if (pBytes == nullptr || pHeader == nullptr || n < static_cast<std::size_t>(kNadconHeaderSize))
        return false;
    pHeader->nc = static_cast<int32_t>(Word(pBytes + 64));
    pHeader->nr = static_cast<int32_t>(Word(pBytes + 68));
    pHeader->xmin = FloatWord(pBytes + 76);
    pHeader->dx = FloatWord(pBytes + 80);
    pHeader->ymin = FloatWord(pBytes + 84);
    pHeader->dy = FloatWord(pBytes + 88);
    return true;
}

bool NadconShift(std::FILE* pLas, std::FILE* pLos, DATUMPOINT* pPts, int nPts) {
    unsigned char head[kNadconHeaderSize];
    NadconHeader h;
    if (pLas == nullptr || pLos == nullptr || std::fseek(pLas, 0, SEEK_SET) != 0 ||
        std::fread(head, 1, sizeof head, pLas) != sizeof head ||
        !ParseNadconHeader(head, sizeof head, &h))
        return false;
    const long long stride = static_cast<long long>(h.nc) + 1;
    for (int i = 0; i < nPts; ++i) {
        DATUMPOINT& p = pPts[i];
        if (IsUnplottable(p)) continue;
        const double col = (p.Lon - h.xmin) / h.dx + 1;
        const double row = (p.Lat - h.ymin) / h.dy + 1;
        // The range tests also keep NaN and huge values away from the casts.
        if (!(col >= 1.0 && col < h.nc && row >= 1.0 && row < h.nr)) continue;
        const int c = static_cast<int>(col);
        const int r = static_cast<int>(row);
        if (c >= h.nc || r >= h.nr) continue;
        const double fx = col - c, fy = row - r;
        const long long w = r * stride + c;
        double dlon = 0, dlat = 0;
        if (!Interpolate(pLas, w, stride, fx, fy, &dlon) ||
            !Interpolate(pLos, w, stride, fx, fy, &dlat))
            continue;
        p.Lon += dlon / 3600.0;
        p.Lat += dlat / 3600.0;
    }
    return true;
}

bool FindNadconGrids(const char* pGrid, std::string* pLas, std::string* pLos) {
    std::string dirs[2] = {ExecutableDirectory(), std::string()};
    if (const char* env = std::getenv("QVPROJ_DATA")) dirs[1] = env;
    const std::string las = std::string(pGrid) + ".LAS", los = std::string(pGrid) + ".LOS";
    for (const std::string& dir : dirs) {
        *pLas = FindFileIgnoringCase(dir, las);
        *pLos = FindFileIgnoringCase(dir, los);
        if (!pLas->empty() && !pLos->empty()) return true;
    }
    return false;
}

bool NadconLeg(const char* pGrid, DATUMPOINT* pPts, int nPts) {
    std::string las, los;
    if (pGrid == nullptr || !FindNadconGrids(pGrid, &las, &los)) return QV_ASSERT_FAILED();
    File fLas, fLos;
    fLas.f = std::fopen(las.c_str(), "rb");
    fLos.f = std::fopen(los.c_str(), "rb");
    if (fLas.f == nullptr || fLos.f == nullptr) return QV_ASSERT_FAILED();
    if (!NadconShift(fLas.f, fLos.f, pPts, nPts)) return QV_ASSERT_FAILED();
    return true;
}

} // namespace QVProj
