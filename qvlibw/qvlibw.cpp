#include "qvlibw/qvlibw.h"

#include <atomic>
#include <cstring>

namespace {
std::atomic<QVCallerInstance*> g_instance{nullptr};

// Index of the extension's dot in pPath, or -1 when the file name has none.
// A leading dot of the file name (".profile") starts no extension.
long ExtDot(const char* pPath) {
    long nameStart = 0;
    long dot = -1;
    for (long i = 0; pPath[i] != '\0'; ++i) {
        char c = pPath[i];
        if (c == '/' || c == '\\') {
            nameStart = i + 1;
            dot = -1;
        } else if (c == '.') {
            dot = i;
        }
    }
    if (dot <= nameStart) return -1;
    return dot;
}
} // namespace

QVCallerInstance::QVCallerInstance(QVERRORFUNC func) {
    SetErrorFunc(func);
}

QVERRORFUNC QVCallerInstance::GetErrorFunc() const {
    return m_func.load(std::memory_order_acquire);
}

void QVCallerInstance::SetErrorFunc(QVERRORFUNC func) {
    m_func.store(func, std::memory_order_release);
}

QVCallerInstance* QVGetCallerInstancePtr() {
    return g_instance.load(std::memory_order_acquire);
}

void QVSetCallerInstancePtr(QVCallerInstance* pInstance) {
    g_instance.store(pInstance, std::memory_order_release);
}

void QVGetFileExt(const char* pPath, char* pExt) {
    if (pExt == nullptr) return;
    pExt[0] = '\0';
    if (pPath == nullptr) return;
    long dot = ExtDot(pPath);
    if (dot < 0) return;
    std::strcpy(pExt, pPath + dot + 1);
}

void QVDropFileExt(char* pPath) {
    if (pPath == nullptr) return;
    long dot = ExtDot(pPath);
    if (dot >= 0) pPath[dot] = '\0';
}
