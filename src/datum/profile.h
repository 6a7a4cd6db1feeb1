// One section of an initialisation file ("[Section]" headers, key=value
// entries), read and written whole.
#ifndef QVPROJ_DATUM_PROFILE_H
#define QVPROJ_DATUM_PROFILE_H

#include <string>
#include <vector>

namespace QVProj {

// Size of the section buffer of the profile reader.
constexpr int kProfileSectionBufSize = 32767;

struct ProfileSection {
    std::vector<std::string> entries; // the section's lines, in order
    bool truncated = false;           // more text than the section buffer holds
};

// Parses the text of a whole file and returns the entries of `section`
// (name matched ignoring case; the first section of that name counts).
// Entries are the section's non-blank lines that are not comments (";" or
// "#"), trimmed of blanks, cut at a NUL byte. Only whole entries that fit
// the section buffer (each followed by a NUL, the list by another NUL) are
// returned; `truncated` tells that some did not fit.
ProfileSection ParseProfileSection(const std::string& text, const char* section);

// Replaces the entries of `section` in the file text and returns the new
// text. Everything outside the section's entries (other sections, comments
// and blank lines after the last entry) is kept byte for byte; a missing
// section is appended at the end.
std::string ReplaceProfileSection(const std::string& text, const char* section,
                                  const std::vector<std::string>& entries);

// Reads a section from a file; a missing file reads as an empty section.
// False when the file exists but cannot be read.
bool ReadProfileSection(const char* path, const char* section, ProfileSection* pOut);

// Rewrites one section of a file (created when missing). The new file is
// written under a temporary name in the same directory and renamed over the
// old one, so the file is replaced completely or not at all.
bool WriteProfileSection(const char* path, const char* section,
                         const std::vector<std::string>& entries);

} // namespace QVProj

#endif
