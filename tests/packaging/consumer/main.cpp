// A host program built against an installed libqvproj.
#include <cstdio>

#include <qvlibw/qvlibw.h>
#include <qvproj/qvproj.h>

static int OnError(const _QVERRINFO*) {
    return 1;
}

int main() {
    QVCallerInstance instance(OnError);
    QVSetCallerInstancePtr(&instance);
    char name[64];
    unsigned mask = QVProj::ProjGetProjectionInfo(QVProj::PT_LAMBERT, name);
    std::printf("%s 0x%02x\n", name, mask);
    QVSetCallerInstancePtr(nullptr);
    return mask == 0x2f ? 0 : 1;
}
