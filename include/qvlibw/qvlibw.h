// qvlibw: the companion library. It carries the host's error callback and a
// few file-name helpers that libqvproj relies on. Its names are global.
#ifndef QVLIBW_QVLIBW_H
#define QVLIBW_QVLIBW_H

#include <atomic>
#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#if defined(QVLIBW_BUILDING)
#define QVLIBW_API __declspec(dllexport)
#else
#define QVLIBW_API __declspec(dllimport)
#endif
#else
#define QVLIBW_API __attribute__((visibility("default")))
#endif

// Error information handed to the host's error callback. The callback is
// called twice per error: a query call (Flags 0, only the first four fields
// set) and, when the query answers 1, a detail call (Flags bit 0x4000) with
// every field set. On a 32-bit little-endian build this is a 32-byte record.
struct _QVERRINFO {
    uint16_t Flags;
    uint16_t ErrorNumber;
    uint16_t Fixed133;
    uint16_t Fixed2;
    uint32_t Reserved;
    const char* pModule;
    const char* pSource;
    int32_t Line;
    const char* pMessage;
    const char* pHelpFile;
};

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(_QVERRINFO) == 32, "_QVERRINFO is 32 bytes on 32-bit builds");
static_assert(offsetof(_QVERRINFO, pModule) == 12, "pModule at 12");
static_assert(offsetof(_QVERRINFO, pSource) == 16, "pSource at 16");
static_assert(offsetof(_QVERRINFO, Line) == 20, "Line at 20");
static_assert(offsetof(_QVERRINFO, pMessage) == 24, "pMessage at 24");
static_assert(offsetof(_QVERRINFO, pHelpFile) == 28, "pHelpFile at 28");
#endif

// Flag bit of the detail call.
#define QVERR_DETAIL 0x4000

// The host's error callback. Answer 1 to the query call to receive the
// details; answer 3 to say the operation was cancelled.
typedef int (*QVERRORFUNC)(const _QVERRINFO*);

// One per host: holds the host's error callback.
class QVLIBW_API QVCallerInstance {
public:
    QVCallerInstance() = default;
    explicit QVCallerInstance(QVERRORFUNC func);
    QVERRORFUNC GetErrorFunc() const;
    void SetErrorFunc(QVERRORFUNC func);

private:
    // Read from any thread, written by the host.
    std::atomic<QVERRORFUNC> m_func{nullptr};
};

// Process-wide caller instance; null until the host sets one.
QVLIBW_API QVCallerInstance* QVGetCallerInstancePtr();
QVLIBW_API void QVSetCallerInstancePtr(QVCallerInstance* pInstance);

// Extension of a path without its dot: what follows the last '.' after the
// last '/' or '\\'. Empty when there is none ("map.tar.gz" -> "gz";
// ".profile" and "dir.d/file" -> ""). pExt must hold the path's length + 1.
QVLIBW_API void QVGetFileExt(const char* pPath, char* pExt);
// Removes the last extension and its dot from pPath in place.
QVLIBW_API void QVDropFileExt(char* pPath);

#endif
