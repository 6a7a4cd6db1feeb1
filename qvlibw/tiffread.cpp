// Reading one tag of the first image directory of a TIFF file. The directory
// is parsed here rather than through libtiff, so that the tag's type on disk
// decides (libtiff converts registered tags to their registered type) and no
// tag registration of the host changes what is read.
#include "qvlibw/qvlibw.h"

#include <sys/stat.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// TIFF field types read here.
constexpr uint16_t kAscii = 2;
constexpr uint16_t kShort = 3;
constexpr uint16_t kDouble = 12;

class TiffReader {
public:
    explicit TiffReader(std::FILE* f) : f_(f) {}

    // Reads the header; false for a file that is not a TIFF.
    bool Open() {
        unsigned char h[16];
        if (!Size() || !Read(0, h, 8)) return false;
        if (h[0] == 'I' && h[1] == 'I')
            big_endian_ = false;
        else if (h[0] == 'M' && h[1] == 'M')
            big_endian_ = true;
        else
            return false;
        const uint16_t version = U16(h + 2);
        if (version == 42) {
            first_ifd_ = U32(h + 4);
            return true;
        }
        if (version != 43 || !Read(0, h, 16) || U16(h + 4) != 8 || U16(h + 6) != 0) return false;
        big_tiff_ = true;
        first_ifd_ = U64(h + 8);
        return true;
    }

    // Finds `tag` in the first directory: its type, value count and the
    // offset of its values (inside the entry when they fit there).
    bool Find(uint16_t tag, uint16_t* pType, uint64_t* pCount, uint64_t* pOffset) {
        const uint64_t countSize = big_tiff_ ? 8 : 2;
        const uint64_t entrySize = big_tiff_ ? 20 : 12;
        const uint64_t fieldSize = big_tiff_ ? 8 : 4;
        unsigned char e[20];
        if (!Read(first_ifd_, e, countSize)) return false;
        const uint64_t n = big_tiff_ ? U64(e) : U16(e);
        if (n > (size_ - first_ifd_ - countSize) / entrySize) return false;
        if (!Seek(first_ifd_ + countSize)) return false;
        for (uint64_t i = 0; i < n; ++i) {
            if (std::fread(e, 1, entrySize, f_) != entrySize) return false;
            if (U16(e) != tag) continue;
            *pType = U16(e + 2);
            *pCount = big_tiff_ ? U64(e + 4) : U32(e + 4);
            const unsigned char* field = e + (big_tiff_ ? 12 : 8);
            const uint64_t size = TypeSize(*pType);
            if (size == 0 || *pCount == 0 || *pCount > size_ / size) return false;
            if (*pCount * size <= fieldSize) {
                *pOffset = first_ifd_ + countSize + i * entrySize + (field - e);
                return true;
            }
            *pOffset = big_tiff_ ? U64(field) : U32(field);
            return *pOffset <= size_ && *pCount * size <= size_ - *pOffset;
        }
        return false;
    }

    // Reads `count` values of `type` at `offset` into `out` in host order.
    bool Values(uint16_t type, uint64_t count, uint64_t offset, unsigned char* out) {
        const uint64_t size = TypeSize(type);
        if (!Read(offset, out, count * size)) return false;
        if (big_endian_ != HostBigEndian() && size > 1) {
            for (uint64_t i = 0; i < count; ++i) {
                unsigned char* v = out + i * size;
                for (uint64_t a = 0, b = size - 1; a < b; ++a, --b) std::swap(v[a], v[b]);
            }
        }
        return true;
    }

    static uint64_t TypeSize(uint16_t type) {
        return type == kAscii ? 1 : type == kShort ? 2 : type == kDouble ? 8 : 0;
    }

private:
    static bool HostBigEndian() {
        const uint16_t one = 1;
        unsigned char b;
        std::memcpy(&b, &one, 1);
        return b == 0;
    }

    bool Size() {
        struct stat st;
        if (::fstat(::fileno(f_), &st) != 0 || st.st_size < 8) return false;
        size_ = static_cast<uint64_t>(st.st_size);
        return true;
    }

    bool Seek(uint64_t offset) {
        return offset <= static_cast<uint64_t>(LLONG_MAX) &&
               ::fseeko(f_, static_cast<off_t>(offset), SEEK_SET) == 0;
    }

    bool Read(uint64_t offset, unsigned char* out, uint64_t n) {
        return offset <= size_ && n <= size_ - offset && Seek(offset) &&
               std::fread(out, 1, n, f_) == n;
    }

    uint64_t Get(const unsigned char* p, int n) const {
        uint64_t v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<uint64_t>(p[big_endian_ ? i : n - 1 - i]) << (8 * (n - 1 - i));
        return v;
    }
    uint16_t U16(const unsigned char* p) const { return static_cast<uint16_t>(Get(p, 2)); }
    uint32_t U32(const unsigned char* p) const { return static_cast<uint32_t>(Get(p, 4)); }
    uint64_t U64(const unsigned char* p) const { return Get(p, 8); }

    std::FILE* f_;
    uint64_t size_ = 0;
    uint64_t first_ifd_ = 0;
    bool big_endian_ = false;
    bool big_tiff_ = false;
};

bool ReadTag(std::FILE* f, int tagNumber, QVBitmapTag& tag) {
    TiffReader tiff(f);
    uint16_t type = 0;
    uint64_t count = 0, offset = 0;
    if (!tiff.Open() || !tiff.Find(static_cast<uint16_t>(tagNumber), &type, &count, &offset))
        return false;
    // Text gets a terminating zero when the file has none.
    const uint64_t items = count + (type == kAscii ? 1 : 0);
    if (items > UINT_MAX / TiffReader::TypeSize(type)) return false;
    const QVBitmapTag::TAG_DATA_TYPE t = type == kAscii   ? QVBitmapTag::TAG_TEXT
                                         : type == kShort ? QVBitmapTag::TAG_UINT16
                                                          : QVBitmapTag::TAG_DOUBLE;
    QVBitmapTag read(t, static_cast<unsigned int>(items));
    auto* data = static_cast<unsigned char*>(read.GetDataPtr());
    if (data == nullptr || !tiff.Values(type, count, offset, data)) return false;
    if (type == kAscii && count > 0 && data[count - 1] == '\0') {
        // The file's own terminating zero: drop the extra one.
        QVBitmapTag text(t, static_cast<unsigned int>(count));
        if (text.GetDataPtr() == nullptr) return false;
        std::memcpy(text.GetDataPtr(), data, count);
        tag = text;
    } else {
        tag = read;
    }
    return tag.GetDataPtr() != nullptr;
}

} // namespace

QVBitLib::QVBitLib() = default;
QVBitLib::~QVBitLib() = default;

QVBitLib::RETVAL QVBitLib::GetTagData(const char* pFile, int tagNumber, QVBitmapTag& tag, int) {
    tag = QVBitmapTag();
    if (pFile == nullptr || tagNumber < 0 || tagNumber > 65535) return RV_NOTFOUND;
    // Only regular files: opening a pipe or a device could block.
    struct stat st;
    if (::stat(pFile, &st) != 0 || !S_ISREG(st.st_mode)) return RV_NOTFOUND;
    std::FILE* f = std::fopen(pFile, "rb");
    if (f == nullptr) return RV_NOTFOUND;
    const bool found = ReadTag(f, tagNumber, tag);
    std::fclose(f);
    if (!found) tag = QVBitmapTag();
    return found ? RV_FOUND : RV_NOTFOUND;
}
