// Files family of libqvproj: the georeference side files of raster images.
// The cartographic reference file (the library's own text file of a
// projection, a datum and a georeference), Blue Marble RSF files (control
// points) and ESRI world files (affine coefficients).
//
// File names ignore the case of letters: a reader or a deletion that finds
// no file under the exact name takes the one whose name differs only in case
// (the first in byte order when several do). Writers replace a file
// completely or not at all: a file is written under a temporary name in the
// same directory, flushed to disk and renamed; on failure an existing file of
// that name is untouched.
#ifndef QVPROJ_FILES_H
#define QVPROJ_FILES_H

#include <cstddef>
#include <cstdint>

#include "qvproj/datum.h"
#include "qvproj/export.h"
#include "qvproj/georef.h"
#include "qvproj/proj.h"

namespace QVProj {

// Result flags of the side-file readers.
enum SideFileFlags : unsigned int {
    SF_PROJECTION = 1,   // a projection was read
    SF_DATUM = 2,        // a datum was read
    SF_COEFFICIENTS = 4, // a georeference by coefficients (method 5) was read
    SF_CONTROLS = 8,     // a georeference by control points was read
    SF_FOUND = 16        // the file was found with a valid header (and parsed)
};

// --- Cartographic reference file ---------------------------------------------
// The file is pName itself when pName ends with "qvr" (any case) and has at
// least five characters, otherwise pName plus ".qvr". Names longer than the
// platform's path limit (4095 bytes) give false with nothing written or read.

// Writes a projection (null: none), a datum (DatNone or a null record: none)
// and a georeference (null: none). False for a null or empty name or when
// the file cannot be written.
QVPROJ_API bool QVProjRefFileWriteEx(const char* pName, const PROJDATA* pProj, DatumType datum,
                                     const DATUM2WGS84* pDatum, const GEOREF* pRef);
QVPROJ_API bool QVProjRefFileWrite(const char* pName, const PROJDATA* pProj, DatumType datum,
                                   const DATUM2WGS84* pDatum);
// Reads what the file holds into the records given (each may be null).
// Absent parts read as Type 999, DatumType 237 and Method 12; *pFlags gets
// SideFileFlags. A missing file is no error: true with flags 0. A file of a
// later version than 1.10: true, nothing read, flags 0. A wrong header
// reports error 20203 and gives false. Control arrays handed out belong to
// the caller (RefFreeControls).
QVPROJ_API bool QVProjRefFileReadEx(const char* pName, PROJDATA* pProj, DatumType* pDatum,
                                    DATUM2WGS84* pDatumParams, GEOREF* pRef, unsigned int* pFlags);
QVPROJ_API bool QVProjRefFileRead(const char* pName, PROJDATA* pProj, DatumType* pDatum,
                                  DATUM2WGS84* pDatumParams);
// Deletes the reference file; true when it was deleted or did not exist.
QVPROJ_API bool QVProjRefFileDelete(const char* pName);
// Deletes every side file of the image pName: its reference file, RSF file,
// ".WLD" file, pName plus "W" and its world file. False for a null or empty
// name or when an existing file could not be deleted.
QVPROJ_API bool QVProjRefFilesDelete(const char* pName);

// --- Blue Marble RSF and ESRI world files -------------------------------------
// The RSF file of an image is its name without the extension plus ".RSF".
// Its world file is, for an extension of three or more characters, the name
// without the extension, ".", the extension's first and third characters and
// "w" ("map.tif": "map.tfw"), otherwise the whole name plus "w"
// ("photo.ab": "photo.abw"); the "w" is upper case when the extension's last
// letter is ("MAP.TIF": "MAP.TFW"). The world-file reader tries that name,
// then the whole name plus "w", then the name without extension plus ".WLD".

// Reads the control points of an image's RSF file into *pRef (may be null)
// as a Helmert georeference (method 0); *pFlags (may be null) gets 8 for
// points read and 16 for a file found. A missing file: true, flags 0, *pRef
// untouched. A null name reports error 20205 and gives false.
QVPROJ_API bool QVProjReadBlueMarbleRSF(const char* pName, GEOREF* pRef, unsigned int* pFlags);
// Writes the control points of *pRef (coefficients become the four corners
// of a 100 x 100 square and their images).
QVPROJ_API bool QVProjWriteBlueMarbleRSF(const char* pName, const GEOREF* pRef);
// Reads an image's world file into *pRef (may be null) as coefficients
// (method 5); *pFlags (may be null) gets 4 for six values read and 16 for a
// file found. A missing file: true, flags 0. A null name reports 20205.
QVPROJ_API bool QVProjReadESRIWorld(const char* pName, GEOREF* pRef, unsigned int* pFlags);
// Writes the coefficients of *pRef (control points are first fitted by an
// affine polynomial, which needs three of them).
QVPROJ_API bool QVProjWriteESRIWorld(const char* pName, const GEOREF* pRef);

// The same readers for a side file named directly rather than through its
// image (for "map.rsf" or "map.tfw" themselves).
QVPROJ_API bool QVProjReadBlueMarbleRSFFile(const char* pRsfName, GEOREF* pRef,
                                            unsigned int* pFlags);
QVPROJ_API bool QVProjReadESRIWorldFile(const char* pWorldName, GEOREF* pRef, unsigned int* pFlags);

} // namespace QVProj

#endif
