// Writing tags into the first image directory of a TIFF file with libtiff.
// libtiff stays silent: every handle we open gets its own error and warning
// handlers (the process-wide handlers, which a host may have set, are neither
// changed nor called), and our GeoTIFF tag definitions are added only to the
// handles we open.
#include "qvlibw/qvlibw.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

#include <tiffio.h>

#include "platform/atomicfile.h"

namespace {

// The GeoTIFF tags, defined as libgeotiff defines them, so that a host that
// registers them through libgeotiff sees the same definitions.
const TIFFFieldInfo kGeoTiffFields[] = {
    {33550, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1, const_cast<char*>("GeoPixelScale")},
    {33920, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1,
     const_cast<char*>("Intergraph TransformationMatrix")},
    {34264, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1, const_cast<char*>("GeoTransformationMatrix")},
    {33922, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1, const_cast<char*>("GeoTiePoints")},
    {34735, -1, -1, TIFF_SHORT, FIELD_CUSTOM, 1, 1, const_cast<char*>("GeoKeyDirectory")},
    {34736, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1, const_cast<char*>("GeoDoubleParams")},
    {34737, -1, -1, TIFF_ASCII, FIELD_CUSTOM, 1, 0, const_cast<char*>("GeoASCIIParams")},
};

// Tags that replace each other: the georeference tags (with the GeoTIFF
// standard's ModelTransformationTag 34264 beside 33920) and the key tags.
const int kGroups[2][4] = {{33550, 33922, 33920, 34264}, {34735, 34736, 34737, 0}};

thread_local bool t_ourOpen = false;
TIFFExtendProc g_previousExtender = nullptr;

void Extender(TIFF* tif) {
    if (t_ourOpen)
        TIFFMergeFieldInfo(tif, kGeoTiffFields,
                           static_cast<uint32_t>(sizeof kGeoTiffFields / sizeof kGeoTiffFields[0]));
    if (g_previousExtender) g_previousExtender(tif);
}

// Counts libtiff's errors on one handle and prints nothing.
int QuietError(TIFF*, void* user, const char*, const char*, va_list) {
    ++*static_cast<int*>(user);
    return 1;
}
int QuietWarning(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

// Our definition of a tag that libtiff does not know: passed with a 32-bit
// count. libtiff copies the definition but keeps its name.
TIFFFieldInfo CustomField(int tag, QVBitmapTag::TAG_DATA_TYPE type) {
    static char name[] = "QVBitmapTag";
    TIFFDataType t = type == QVBitmapTag::TAG_TEXT     ? TIFF_ASCII
                     : type == QVBitmapTag::TAG_UINT16 ? TIFF_SHORT
                                                       : TIFF_DOUBLE;
    return {static_cast<ttag_t>(tag), TIFF_VARIABLE2, TIFF_VARIABLE2, t, FIELD_CUSTOM, 1, 1, name};
}

// Sets one tag; false when the tag's definition does not take these values.
bool SetTag(TIFF* tif, int number, const QVBitmapTag& tag) {
    const auto tiffTag = static_cast<uint32_t>(number);
    const TIFFField* field = TIFFFindField(tif, tiffTag, TIFF_ANY);
    if (field == nullptr) {
        TIFFFieldInfo info = CustomField(number, tag.GetType());
        if (TIFFMergeFieldInfo(tif, &info, 1) != 0) return false;
        field = TIFFFindField(tif, tiffTag, TIFF_ANY);
        if (field == nullptr) return false;
    }
    const unsigned int count = tag.GetItemCount();
    const void* data = tag.GetDataPtr();
    const bool count32 = TIFFFieldWriteCount(field) == TIFF_VARIABLE2;
    switch (tag.GetType()) {
    case QVBitmapTag::TAG_TEXT:
        if (TIFFFieldDataType(field) != TIFF_ASCII || std::memchr(data, 0, count) == nullptr)
            return false;
        if (!TIFFFieldPassCount(field)) return TIFFSetField(tif, tiffTag, data) == 1;
        return count32 && TIFFSetField(tif, tiffTag, static_cast<uint32_t>(count), data) == 1;
    case QVBitmapTag::TAG_UINT16:
        if (TIFFFieldDataType(field) != TIFF_SHORT) return false;
        break;
    case QVBitmapTag::TAG_DOUBLE:
        if (TIFFFieldDataType(field) != TIFF_DOUBLE) return false;
        break;
    default:
        return false;
    }
    if (!TIFFFieldPassCount(field)) return false;
    if (count32) return TIFFSetField(tif, tiffTag, static_cast<uint32_t>(count), data) == 1;
    return count <= 65535 && TIFFSetField(tif, tiffTag, static_cast<int>(count), data) == 1;
}

// Sets the list's tags in the first directory of the TIFF file `path` in place.
bool SetTagsInPlace(const char* path, const QVBitmapTagList& tags) {
    static std::once_flag once;
    std::call_once(once, [] { g_previousExtender = TIFFSetTagExtender(Extender); });

    int errors = 0;
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (options == nullptr) return false;
    TIFFOpenOptionsSetErrorHandlerExtR(options, QuietError, &errors);
    TIFFOpenOptionsSetWarningHandlerExtR(options, QuietWarning, nullptr);
    // libtiff sets up a directory's tags again when it writes one: our
    // definitions are wanted for as long as the handle is open.
    struct OurHandle {
        OurHandle() { t_ourOpen = true; }
        ~OurHandle() { t_ourOpen = false; }
    } ours;
    TIFF* tif = TIFFOpenExt(path, "r+", options);
    TIFFOpenOptionsFree(options);
    if (tif == nullptr) return false;

    bool ok = true;
    for (int i = 0; ok && i < tags.GetCount(); ++i) {
        const int number = tags.GetTagNumber(i);
        ok = SetTag(tif, number, *tags.FindTag(number));
    }
    for (const auto& group : kGroups) {
        bool listed = false;
        for (int number : group) listed = listed || (number && tags.FindTag(number));
        for (int number : group)
            if (ok && listed && number && tags.FindTag(number) == nullptr)
                TIFFUnsetField(tif, static_cast<uint32_t>(number));
    }
    ok = ok && TIFFRewriteDirectory(tif) == 1;
    TIFFClose(tif);
    return ok && errors == 0;
}

// Copies the file `from` into the open file `fd`.
bool CopyInto(const char* from, int fd) {
    std::FILE* in = std::fopen(from, "rb");
    if (in == nullptr) return false;
    char buf[65536];
    bool ok = true;
    std::size_t n;
    while (ok && (n = std::fread(buf, 1, sizeof buf, in)) > 0) {
        for (std::size_t done = 0; ok && done < n;) {
            ssize_t w = ::write(fd, buf + done, n - done);
            ok = w > 0;
            if (ok) done += static_cast<std::size_t>(w);
        }
    }
    ok = ok && !std::ferror(in);
    std::fclose(in);
    return ok;
}

} // namespace

bool QVBitLib::WriteTags(const char* pFile, const QVBitmapTagList& tags) {
    if (pFile == nullptr || pFile[0] == '\0') return false;
    struct stat st;
    if (::stat(pFile, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return QVProj::ReplaceFileAtomically(pFile, [&](int fd, const char* tempPath) {
        return CopyInto(pFile, fd) && SetTagsInPlace(tempPath, tags);
    });
}
