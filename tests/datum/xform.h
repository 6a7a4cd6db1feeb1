// Datum transformation records for the tests.
#ifndef QVPROJ_TESTS_DATUM_XFORM_H
#define QVPROJ_TESTS_DATUM_XFORM_H

#include <cstring>

#include "qvproj/datum.h"

// A cleared record from catalogue datum src to catalogue datum dst.
inline QVProj::DATUMXFORM Catalogue(int src, int dst) {
    QVProj::DATUMXFORM x;
    std::memset(&x, 0, sizeof x);
    x.SrcDatum = static_cast<QVProj::DatumType>(src);
    x.DstDatum = static_cast<QVProj::DatumType>(dst);
    return x;
}

#endif
