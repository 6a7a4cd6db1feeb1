// Error reporting through the host's callback, internal assertions and the
// debug log. Internal to the library.
#ifndef QVPROJ_FRAME_REPORT_H
#define QVPROJ_FRAME_REPORT_H

#include <cstdarg>

namespace QVProj {

// Catalogue numbers used across the library.
enum ErrorNumber : int {
    QVERR_INTERNAL = 20200,
    QVERR_MEMORY = 20201,
    QVERR_FILE_WRITE = 20202,
    QVERR_FILE_READ = 20203,
    QVERR_FILE_OPEN = 20204,
    QVERR_BAD_PARAMETER = 20205,
};

// Reports one error to the host's callback. pMessage null or empty takes the
// catalogue text of the number. False when there is no callback or the host
// answered 3 (cancelled).
bool ReportError(const char* pUnit, int line, int error, const char* pMessage);
// Reports a failed internal check as error 20200; always false.
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
