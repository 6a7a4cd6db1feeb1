// libqvproj: cartographic projections, datum shifts, georeferencing,
// georeference side files, GeoTIFF geo keys and image registration.
#ifndef QVPROJ_QVPROJ_H
#define QVPROJ_QVPROJ_H

#include "qvproj/proj.h"
#include "qvproj/datum.h"
#include "qvproj/georef.h"
#include "qvproj/files.h"
#include "qvproj/imgreg.h"

#endif
