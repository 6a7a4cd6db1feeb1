// Where the library looks for its data files: the directory of the running
// executable, then the directory named by QVPROJ_DATA.
#ifndef QVPROJ_PLATFORM_EXEPATH_H
#define QVPROJ_PLATFORM_EXEPATH_H

#include <string>

namespace QVProj {

// The directory of the running executable (from /proc/self/exe), or empty.
std::string ExecutableDirectory();

} // namespace QVProj

#endif
