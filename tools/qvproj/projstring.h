// PROJ strings ("+proj=utm +zone=33 +ellps=WGS84") for projection records,
// both ways, so that users can give a projection as they would to PROJ or
// GDAL and check ours against them.
#ifndef QVPROJ_TOOLS_PROJSTRING_H
#define QVPROJ_TOOLS_PROJSTRING_H

#include <string>

#include "qvproj/proj.h"

namespace qvcli {

// The record a PROJ string describes. What the library cannot honour (an
// unknown or unsupported key, a datum shift, an ellipsoid where our module
// computes on a sphere and PROJ would not, a projection without an
// equivalent) is a usage error naming the key. The ellipsoid defaults to
// GRS 1980, as in PROJ.
QVProj::PROJDATA ParseProjString(const std::string& text);

// The PROJ string of a record as the library computes it (a state plane
// record is described by its zone's expanded record of its year). Empty
// when PROJ has no equivalent; `why` then says so.
std::string DescribeProjString(const QVProj::PROJDATA& record, std::string& why);

// PROJ's name of a catalogue ellipsoid, or null when PROJ has none with the
// same axes (semi-major axis equal, semi-minor axes within 0.1 mm).
const char* ProjEllipsoidName(QVProj::EllipsoidType e);
// The catalogue ellipsoid of a PROJ ellipsoid name (case ignored).
bool EllipsoidFromProjName(const std::string& name, QVProj::EllipsoidType& e);
// PROJ's name of a projection type ("lcc"), or null when PROJ has no
// equivalent.
const char* ProjName(QVProj::ProjType type);
// The projection type of a PROJ projection name ("lcc"), or false.
bool TypeFromProjName(const std::string& name, QVProj::ProjType& type);

} // namespace qvcli

#endif
