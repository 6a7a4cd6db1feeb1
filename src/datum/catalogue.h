// The built-in datum catalogue: one row per DatumType 1 to 236, stored in the
// order every search walks, ended by the row of datum 237.
#ifndef QVPROJ_DATUM_CATALOGUE_H
#define QVPROJ_DATUM_CATALOGUE_H

#include "qvproj/datum.h"

namespace QVProj {

struct DatumRow {
    int32_t datum;
    const char* name;
    int32_t method;    // DatumMethod; 6 in the end row
    int32_t ellipsoid; // EllipsoidType; 50 for the MRE and NADCON rows
    double dX, dY, dZ; // meters
    double rX, rY, rZ; // arcseconds
    double scale;      // parts per million
    double primeMeridian;
};

// The row of a datum, or null when the catalogue has none (0 included).
const DatumRow* FindDatumRow(int datum);
// The stored rows, end row included, for listings and checks.
const DatumRow* DatumRows(int* pCount);

// Copies the method, ellipsoid, shifts, rotations, scale and prime meridian
// of a row into *pParams and clears bInverse; MajorRadius, Flattening and
// Reserved stay. A destination refuses NADCON and MRE rows.
bool CopyDatumRow(int datum, DATUM2WGS84* pParams, bool destination);

} // namespace QVProj

#endif
