// The NADCON reader on arbitrary grid files: the header and the seeks and
// reads of the interpolation, on points near and far from the grid.
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "datum/nadcon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QVProj::NadconHeader h;
    QVProj::ParseNadconHeader(data, size, &h);
    std::FILE* las = std::tmpfile();
    std::FILE* los = std::tmpfile();
    if (las && los && std::fwrite(data, 1, size, las) == size &&
        std::fwrite(data, 1, size, los) == size) {
        QVProj::DATUMPOINT pts[6] = {{-100, 40}, {0, 0}, {NAN, 1}, {1e300, -1e300}};
        if (size >= 92) {
            pts[4] = {h.xmin + 1.5 * h.dx, h.ymin + 0.5 * h.dy};
            pts[5] = {h.xmin + (h.nc - 1.01) * h.dx, h.ymin + (h.nr - 1.01) * h.dy};
        }
        QVProj::NadconShift(las, los, pts, 6);
    }
    if (las) std::fclose(las);
    if (los) std::fclose(los);
    return 0;
}
