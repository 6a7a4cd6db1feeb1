// datum family of libqvproj.
#ifndef QVPROJ_DATUM_H
#define QVPROJ_DATUM_H

#include <cstddef>
#include <cstdint>

#include "qvproj/export.h"
#include "qvproj/proj.h"

namespace QVProj {} // namespace QVProj

#endif
