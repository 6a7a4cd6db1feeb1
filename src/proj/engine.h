// Internals of the projection engine shared by its units and the tests.
#ifndef QVPROJ_PROJ_ENGINE_H
#define QVPROJ_PROJ_ENGINE_H

#include <cstring>

#include "qvproj/proj.h"

namespace QVProj {

// The block behind an HPROJ: the handle's own record (degrees).
struct ProjHandle {
    PROJDATA data;
};

// The byte of a one-byte flag of a host's record: hosts may store any value
// there, so it is read as a byte, never loaded as a bool.
inline unsigned char FlagByte(const bool& flag) {
    unsigned char c;
    std::memcpy(&c, &flag, 1);
    return c;
}

// Writes the record dump to the debug log (nothing for a null record).
void DumpProjData(const PROJDATA* pData);

// Longitude and latitude normalisation of the conversions: the marker stays
// the marker, anything not finite becomes the marker.
double NormaliseLongitude(double lon);
double NormaliseLatitude(double lat);

} // namespace QVProj

#endif
