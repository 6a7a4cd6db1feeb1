// georef family of libqvproj.
#ifndef QVPROJ_GEOREF_H
#define QVPROJ_GEOREF_H

#include <cstddef>
#include <cstdint>

#include "qvproj/export.h"
#include "qvproj/proj.h"

namespace QVProj {} // namespace QVProj

#endif
