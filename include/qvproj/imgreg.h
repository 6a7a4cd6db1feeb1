// imgreg family of libqvproj.
#ifndef QVPROJ_IMGREG_H
#define QVPROJ_IMGREG_H

#include <cstddef>
#include <cstdint>

#include "qvproj/export.h"
#include "qvproj/proj.h"

namespace QVProj {} // namespace QVProj

#endif
