// Internals of the projection engine shared by its units and the tests.
#ifndef QVPROJ_PROJ_ENGINE_H
#define QVPROJ_PROJ_ENGINE_H

#include <cstring>

#include "frame/flagbyte.h"
#include "qvproj/proj.h"

namespace QVProj {

// The block behind an HPROJ: the handle's own record (degrees).
struct ProjHandle {
    PROJDATA data;
};

// Writes the record dump to the debug log (nothing for a null record).
void DumpProjData(const PROJDATA* pData);

} // namespace QVProj

#endif
