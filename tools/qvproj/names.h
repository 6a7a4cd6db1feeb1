// Catalogue entries by the names people type: names match ignoring case,
// blanks and punctuation, numbers and codes as documented per lookup. A name
// that does not resolve is a usage error naming the option.
#ifndef QVPROJ_TOOLS_NAMES_H
#define QVPROJ_TOOLS_NAMES_H

#include <string>

#include "qvproj/proj.h"

namespace qvcli {

// A projection type 0 to 28 other than the state plane types: its number,
// display name or PROJ name ("lcc").
QVProj::ProjType TypeFromText(const std::string& text);

// A catalogue ellipsoid 1 to 49: its number, name ("WGS 84", "clarke1866")
// or PROJ name ("GRS80").
QVProj::EllipsoidType EllipsoidFromText(const std::string& option, const std::string& text);

// A UTM zone 1 to 60 with an optional hemisphere letter: "33N", "33s",
// "33" (north) or "Zone 33S".
void ReadUtmZone(const std::string& option, const std::string& text, int& zone, bool& south);

// A state plane zone by its name ("Alabama East", also "Delaware" and
// "Mississippi East" for the catalogue's "Deleware" and "Missippippi East")
// or its USGS code ("0101" or "101"); never by the internal index.
QVProj::StateZoneType ZoneFromText(const std::string& option, const std::string& text);

} // namespace qvcli

#endif
