// qvlibw: the companion library. It carries the host's error callback, a few
// file-name helpers and TIFF tag access that libqvproj relies on. Its names
// are global.
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

// One TIFF tag's values: an array of items of one type.
class QVLIBW_API QVBitmapTag {
public:
    enum TAG_DATA_TYPE : int {
        TAG_TEXT = 1,   // characters; the count includes the terminating zero
        TAG_UINT16 = 5, // 16-bit unsigned integers (TIFF SHORT)
        TAG_DOUBLE = 12 // 64-bit floating point (TIFF DOUBLE)
    };

    // An empty tag: type 0, no items, no data.
    QVBitmapTag();
    // Zeroed storage for `count` items of `type`. When it cannot be had (or
    // for count 0 or an unknown type) the tag is empty but keeps the type.
    QVBitmapTag(TAG_DATA_TYPE type, unsigned int count);
    QVBitmapTag(const QVBitmapTag& other);
    QVBitmapTag& operator=(const QVBitmapTag& other);
    ~QVBitmapTag();

    // The items (writable), or null when the tag is empty.
    void* GetDataPtr() const;
    TAG_DATA_TYPE GetType() const;
    unsigned int GetItemCount() const;
    // Size of the items in bytes.
    unsigned int GetSize() const;

private:
    friend class QVBitmapTagList;
    void Assign(TAG_DATA_TYPE type, unsigned int count, const void* pData);
    void Release();

    TAG_DATA_TYPE m_type;
    unsigned int m_count;
    void* m_pData;
};

// Tags by TIFF tag number (1 to 65535), each held as the list's own copy.
class QVLIBW_API QVBitmapTagList {
public:
    QVBitmapTagList();
    ~QVBitmapTagList();
    QVBitmapTagList(const QVBitmapTagList&) = delete;
    QVBitmapTagList& operator=(const QVBitmapTagList&) = delete;

    // Keeps a copy of `tag` under `tagNumber`, replacing an earlier tag of
    // that number. Non-zero on success; 0 for an empty tag, a number outside
    // 1 to 65535, or when memory runs out (the list is then unchanged).
    int MergeTag(const QVBitmapTag& tag, int tagNumber);
    void RemoveAll();
    int GetCount() const;
    // The tag of a number, or null.
    const QVBitmapTag* FindTag(int tagNumber) const;
    // The number of the index-th tag in ascending order of numbers, or -1.
    int GetTagNumber(int index) const;

private:
    struct Impl;
    Impl* m_pImpl;
};

// Reads and writes the tags of the first image directory of a TIFF file.
class QVLIBW_API QVBitLib {
public:
    enum RETVAL : int { RV_NOTFOUND = 0, RV_FOUND = 1 };

    QVBitLib();
    ~QVBitLib();

    // Fills `tag` with tag `tagNumber` of the first directory of a classic or
    // BigTIFF file in either byte order. TIFF ASCII, SHORT and DOUBLE values
    // come back as TAG_TEXT (zero-terminated), TAG_UINT16 and TAG_DOUBLE. A tag
    // of any other TIFF type or without values, a missing or unreadable file,
    // a file that is not a TIFF or is damaged where the tag would be: RV_NOTFOUND,
    // and `tag` becomes empty. `flag` is 1 (other values are reserved).
    RETVAL GetTagData(const char* pFile, int tagNumber, QVBitmapTag& tag, int flag);

    // Stores the list's tags in the first directory of an existing TIFF file,
    // replacing tags of the same numbers. The GeoTIFF georeference tags
    // (33550, 33922, 33920, and 34264 of the GeoTIFF standard) replace each
    // other as a group: when the list holds one of them, the file keeps none
    // of the others that the list lacks; the GeoTIFF key tags (34735, 34736,
    // 34737) likewise. A TAG_TEXT must be
    // zero-terminated within its count. The file is rewritten through a
    // temporary copy in the same directory that is renamed over it, so on
    // false the original is untouched. False also when a tag number is one
    // whose TIFF meaning does not take values of the tag's type (image width,
    // strip offsets and the like).
    bool WriteTags(const char* pFile, const QVBitmapTagList& tags);
};

#endif
