// files family of libqvproj.
#ifndef QVPROJ_FILES_H
#define QVPROJ_FILES_H

#include <cstddef>
#include <cstdint>

#include "qvproj/export.h"
#include "qvproj/proj.h"

namespace QVProj {} // namespace QVProj

#endif
