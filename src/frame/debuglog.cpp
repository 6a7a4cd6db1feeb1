// The debug log: off unless QVPROJLOG exists; every text is appended by
// opening, writing and closing the file, so the log is complete up to the
// last line even when the host stops abnormally.
#include "frame/report.h"

#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#include <io.h>
#define QV_OPEN _open
#define QV_WRITE _write
#define QV_CLOSE _close
#define QV_LSEEK _lseek
#else
#include <fcntl.h>
#include <unistd.h>
#define QV_OPEN open
#define QV_WRITE write
#define QV_CLOSE close
#define QV_LSEEK lseek
#endif

namespace QVProj {
namespace {

constexpr int kBufferSize = 1024;

// Written only by the load hook (and DebugLogSetup in tests).
int g_logOn = 0;
char g_logPath[256] = "debug.log";

void WriteTranslated(const char* pText) {
    // Line feeds become carriage return plus line feed; the output stops at
    // 1023 characters, and a line feed is only written when both fit.
    char out[kBufferSize];
    int n = 0;
    for (const char* p = pText; *p != '\0' && n < kBufferSize - 1; ++p) {
        if (*p == '\n') {
            if (n + 2 > kBufferSize - 1) break;
            out[n++] = '\r';
            out[n++] = '\n';
        } else {
            out[n++] = *p;
        }
    }

    int fd = QV_OPEN(g_logPath, O_RDWR);
    if (fd < 0) fd = QV_OPEN(g_logPath, O_RDWR | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    QV_LSEEK(fd, 0, SEEK_END);
    int done = 0;
    while (done < n) {
        auto w = QV_WRITE(fd, out + done, static_cast<unsigned>(n - done));
        if (w <= 0) break;
        done += static_cast<int>(w);
    }
    QV_CLOSE(fd);
}

} // namespace

void DebugLogV(const char* pFormat, va_list args) {
    if (!g_logOn || pFormat == nullptr) return;
    char text[kBufferSize];
    std::vsnprintf(text, sizeof text, pFormat, args);
    WriteTranslated(text);
}

void DebugLog(const char* pFormat, ...) {
    if (!g_logOn) return;
    va_list args;
    va_start(args, pFormat);
    DebugLogV(pFormat, args);
    va_end(args);
}

void DebugLogWrite(const char* pText) {
    if (!g_logOn || pText == nullptr) return;
    char text[kBufferSize];
    std::snprintf(text, sizeof text, "%s", pText);
    WriteTranslated(text);
}

void DebugLogSetup(int on, const char* pPath) {
    g_logOn = on;
    std::snprintf(g_logPath, sizeof g_logPath, "%s", pPath ? pPath : "debug.log");
}

bool DebugLogIsOn() {
    return g_logOn != 0;
}

const char* DebugLogPath() {
    return g_logPath;
}

} // namespace QVProj
