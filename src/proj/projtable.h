// The projection type table: for every ProjType 0 to 28 the four module
// operations (Forward, Inverse, LLInProjection, LLOffsetSplitObject). Names
// and info masks stay in kProjTypes of proj/params.h, indexed alike.
#ifndef QVPROJ_PROJ_PROJTABLE_H
#define QVPROJ_PROJ_PROJTABLE_H

#include "proj/modules/module.h"
#include "proj/params.h"

namespace QVProj {

// The row of a type 0 to 28; null for any other value. A row may lack
// operations (types 0, 9, 10 and modules not present).
const ProjModuleOps* ProjModuleRow(int type);

} // namespace QVProj

#endif
