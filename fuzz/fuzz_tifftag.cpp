// GetTagData on arbitrary file contents: a found tag holds the items its
// type and count say, and text ends with its zero.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "qvlibw/qvlibw.h"
#include "tempfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzFile file("image.tif", data, size);
    const char* path = file.path();
    QVBitLib lib;
    QVBitmapTag tag;
    for (int number : {256, 305, 33550, 33920, 33922, 34735, 34736, 34737}) {
        if (lib.GetTagData(path, number, tag, 1) != QVBitLib::RV_FOUND) {
            if (tag.GetDataPtr() || tag.GetItemCount()) std::abort();
            continue;
        }
        const unsigned size1 = tag.GetType() == QVBitmapTag::TAG_TEXT     ? 1
                               : tag.GetType() == QVBitmapTag::TAG_UINT16 ? 2
                               : tag.GetType() == QVBitmapTag::TAG_DOUBLE ? 8
                                                                          : 0;
        if (size1 == 0 || tag.GetItemCount() == 0 || !tag.GetDataPtr() ||
            tag.GetSize() != tag.GetItemCount() * size1)
            std::abort();
        const auto* bytes = static_cast<const unsigned char*>(tag.GetDataPtr());
        volatile unsigned sum = 0;
        for (unsigned i = 0; i < tag.GetSize(); ++i) sum = sum + bytes[i];
        if (tag.GetType() == QVBitmapTag::TAG_TEXT && bytes[tag.GetItemCount() - 1] != 0)
            std::abort();
    }
    return 0;
}
