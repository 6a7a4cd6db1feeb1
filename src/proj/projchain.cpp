// CPROJCHAIN: a plain value class of two sequences, copied element by element.
#include "qvproj/proj.h"

namespace QVProj {

CPROJCHAIN::CPROJCHAIN() = default;
CPROJCHAIN::CPROJCHAIN(const CPROJCHAIN& other) = default;
CPROJCHAIN& CPROJCHAIN::operator=(const CPROJCHAIN& other) = default;
CPROJCHAIN::~CPROJCHAIN() = default;

} // namespace QVProj
