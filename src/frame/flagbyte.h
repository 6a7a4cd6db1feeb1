// One-byte flags of the host's records.
#ifndef QVPROJ_FRAME_FLAGBYTE_H
#define QVPROJ_FRAME_FLAGBYTE_H

#include <cstring>

namespace QVProj {

// The byte of a one-byte flag of a host's record: hosts may store any value
// there, so it is read as a byte, never loaded as a bool.
inline unsigned char FlagByte(const bool& flag) {
    unsigned char c;
    std::memcpy(&c, &flag, 1);
    return c;
}

} // namespace QVProj

#endif
