// Key and value texts of the named custom datums.
#ifndef QVPROJ_DATUM_CUSTOMDATUM_H
#define QVPROJ_DATUM_CUSTOMDATUM_H

#include <string>

#include "qvproj/datum.h"

namespace QVProj {

// Escapes ",", "=", "%", "\" and every character whose lower-case form is
// below 32 or from 123 up as "%" and three decimal digits.
std::string EscapeDatumKey(const char* pName);
std::string UnescapeDatumKey(const std::string& key);

// The value text of a record; false for a method that cannot be saved or an
// unknown ellipsoid.
bool FormatDatumValue(const DATUM2WGS84& params, std::string* pValue);
// Reads a value text into *pParams; fields the value does not carry are left
// as they were. False when the value cannot be read.
bool ParseDatumValue(const char* pValue, DATUM2WGS84* pParams);

} // namespace QVProj

#endif
