// NADCON grid files: the header and the bilinear shift of points.
#ifndef QVPROJ_DATUM_NADCON_H
#define QVPROJ_DATUM_NADCON_H

#include <cstddef>
#include <cstdio>
#include <string>

#include "qvproj/datum.h"

namespace QVProj {

constexpr int kNadconHeaderSize = 92;

struct NadconHeader {
    int nc;                    // columns
    int nr;                    // rows
    double xmin, dx, ymin, dy; // degrees (stored as 4-byte floats)
};

// Reads NC, NR, XMIN, DX, YMIN, DY from the first 92 bytes of a grid file.
// False when fewer bytes are given.
bool ParseNadconHeader(const unsigned char* pBytes, std::size_t n, NadconHeader* pHeader);

// Shifts the points with the open grid pair: the interpolated ".LAS" value
// is added to Lon, the ".LOS" value to Lat (arcseconds). Points outside the
// grid, and points whose grid words cannot be read, are left unchanged.
// False when the header cannot be read.
bool NadconShift(std::FILE* pLas, std::FILE* pLos, DATUMPOINT* pPts, int nPts);

// Paths of "<grid>.LAS" and "<grid>.LOS", looked for beside the executable,
// then in the directory named by QVPROJ_DATA; false when no directory holds both.
bool FindNadconGrids(const char* pGrid, std::string* pLas, std::string* pLos);

} // namespace QVProj

#endif
