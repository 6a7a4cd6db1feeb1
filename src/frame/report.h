// Error reporting through the host's callback, internal assertions and the
// debug log. Internal to the library.
#ifndef QVPROJ_FRAME_REPORT_H
#define QVPROJ_FRAME_REPORT_H

#include <cstdarg>

namespace QVProj {

// Every message number of the library. The catalogue (frame/messages.cpp)
// holds a text for each number except 20253 to 20255, which the projection
// parameter check raises all the same.
enum ErrorNumber : int {
    // Generic, used by every subsystem.
    QVERR_INTERNAL = 20200,
    QVERR_MEMORY = 20201,
    QVERR_FILE_WRITE = 20202,
    QVERR_FILE_READ = 20203,
    QVERR_FILE_OPEN = 20204,
    QVERR_BAD_PARAMETER = 20205,
    // Projection parameters.
    QVERR_PROJ_TYPE = 20230,
    QVERR_SCALE = 20231,
    QVERR_K0 = 20232,
    QVERR_XORG = 20233,
    QVERR_YORG = 20234,
    QVERR_LON0 = 20235,
    QVERR_LON1 = 20236,
    QVERR_LON2 = 20237,
    QVERR_LON3 = 20238,
    QVERR_LAT0 = 20239,
    QVERR_LAT1 = 20240,
    QVERR_LAT2 = 20241,
    QVERR_LAT3 = 20242,
    QVERR_ALPHA = 20243,
    QVERR_BONNE_LAT1 = 20244,
    QVERR_ALBERS_PARALLELS = 20245,
    QVERR_HOTINE_ALPHA = 20246,
    QVERR_LAMBERT_PARALLELS = 20247,
    QVERR_ELLIPSOID = 20248,
    QVERR_RADIUS = 20249,
    QVERR_FLATTENING = 20250,
    QVERR_MERCATOR_LAT0 = 20251,
    QVERR_STATE_ZONE = 20252,
    QVERR_OMERC_PARALLELS = 20253, // no catalogue text
    QVERR_OMERC_LAT1 = 20254,      // no catalogue text
    QVERR_OMERC_POLE = 20255,      // no catalogue text
    QVERR_EQUICONIC_PARALLELS = 20256,
    // Datum parameters.
    QVERR_SRC_DATUM = 20260,
    QVERR_DST_DATUM = 20261,
    QVERR_DATUM_METHOD = 20262,
    QVERR_DATUM_ELLIPSOID = 20263,
    QVERR_PRIME_MERIDIAN = 20264,
    QVERR_SHIFT_X = 20265,
    QVERR_SHIFT_Y = 20266,
    QVERR_SHIFT_Z = 20267,
    QVERR_ROTATION_X = 20268,
    QVERR_ROTATION_Y = 20269,
    QVERR_ROTATION_Z = 20270,
    QVERR_DATUM_SCALE = 20271,
};

// Reports one error to the host's callback. pMessage null or empty takes the
// catalogue text of the number. False when there is no callback or the host
// answered 3 (cancelled).
bool ReportError(const char* pUnit, int line, int error, const char* pMessage);
// Reports a failed internal check as QVERR_INTERNAL; always false.
bool ReportAssertion(const char* pUnit, int line);

// printf-style append to the debug log when it is on.
void DebugLog(const char* pFormat, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
void DebugLogV(const char* pFormat, va_list args);
// Appends one text to the debug log (line feeds become CR LF).
void DebugLogWrite(const char* pText);
// Sets the on/off flag and the log path (null: "debug.log").
void DebugLogSetup(int on, const char* pPath);
bool DebugLogIsOn();
// The current log path (for tests and tools).
const char* DebugLogPath();

// Catalogue text of an error number, or null when the catalogue has none.
const char* CatalogueText(int error);

// The load and unload hook's work, callable on its own for tests.
void LibraryAttach();
void LibraryDetach();

} // namespace QVProj

// Each reporting source file names its unit once:
//   static constexpr const char* kUnit = "qvProj";
// and reports with the site's line through these.
#define QV_REPORT(err) ::QVProj::ReportError(kUnit, __LINE__, (err), nullptr)
#define QV_ASSERT_FAILED() ::QVProj::ReportAssertion(kUnit, __LINE__)
// A consistency check written as the condition or else the assertion.
#define QV_CHECK(cond) ((cond) || QV_ASSERT_FAILED())

#endif
