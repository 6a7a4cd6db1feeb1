// Builds small TIFF files byte by byte: classic or BigTIFF, either byte
// order, with any tags, around a 2 x 1 grey image.
#ifndef QVPROJ_TESTS_FILES_TIFFBUILD_H
#define QVPROJ_TESTS_FILES_TIFFBUILD_H

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct TiffEntry {
    uint16_t tag;
    uint16_t type;             // TIFF field type: 2 ASCII, 3 SHORT, 4 LONG, 11 FLOAT, 12 DOUBLE
    uint64_t count;            // values
    std::vector<uint8_t> data; // values in host byte order
};

inline TiffEntry AsciiEntry(uint16_t tag, const std::string& text) {
    return {tag, 2, text.size(), std::vector<uint8_t>(text.begin(), text.end())};
}
template <class T> TiffEntry ArrayEntry(uint16_t tag, uint16_t type, const std::vector<T>& v) {
    std::vector<uint8_t> bytes(v.size() * sizeof(T));
    if (!v.empty()) std::memcpy(bytes.data(), v.data(), bytes.size());
    return {tag, type, v.size(), bytes};
}
inline TiffEntry Shorts(uint16_t tag, const std::vector<uint16_t>& v) {
    return ArrayEntry(tag, 3, v);
}
inline TiffEntry Doubles(uint16_t tag, const std::vector<double>& v) {
    return ArrayEntry(tag, 12, v);
}

// The pixels of the image.
constexpr uint8_t kTiffPixels[2] = {7, 9};

inline std::string BuildTiff(bool bigEndian, bool bigTiff, std::vector<TiffEntry> entries) {
    // The image: 2 x 1, 8-bit grey, one uncompressed strip at the end.
    for (auto [tag, value] : {std::pair<uint16_t, uint16_t>{256, 2},
                              {257, 1},
                              {258, 8},
                              {259, 1},
                              {262, 1},
                              {277, 1},
                              {278, 1}})
        entries.push_back(Shorts(tag, {value}));
    entries.push_back(ArrayEntry<uint32_t>(273, 4, {0})); // patched below
    entries.push_back(ArrayEntry<uint32_t>(279, 4, {2}));
    std::sort(entries.begin(), entries.end(),
              [](const TiffEntry& a, const TiffEntry& b) { return a.tag < b.tag; });

    std::string out;
    auto put = [&](uint64_t v, int n) {
        for (int i = 0; i < n; ++i)
            out.push_back(static_cast<char>(v >> (8 * (bigEndian ? n - 1 - i : i))));
    };
    auto putValues = [&](const TiffEntry& e, std::string& to) {
        const std::size_t size = e.type == 3                   ? 2
                                 : e.type == 4 || e.type == 11 ? 4
                                 : e.type == 12                ? 8
                                                               : 1;
        for (std::size_t i = 0; i < e.data.size(); i += size)
            for (std::size_t b = 0; b < size; ++b)
                to.push_back(static_cast<char>(e.data[i + (bigEndian ? size - 1 - b : b)]));
    };
    const uint64_t header = bigTiff ? 16 : 8;
    const uint64_t entrySize = bigTiff ? 20 : 12, inlineSize = bigTiff ? 8 : 4;
    const uint64_t ifdSize = (bigTiff ? 8 : 2) + entries.size() * entrySize + (bigTiff ? 8 : 4);
    out += bigEndian ? "MM" : "II";
    put(bigTiff ? 43 : 42, 2);
    if (bigTiff) {
        put(8, 2);
        put(0, 2);
        put(header, 8);
    } else {
        put(header, 4);
    }
    std::string extra; // out-of-line values after the directory
    put(entries.size(), bigTiff ? 8 : 2);
    for (TiffEntry& e : entries) {
        std::string values;
        putValues(e, values);
        if (e.tag == 273) { // the strip follows everything else
            uint64_t stripAt = header + ifdSize;
            for (const TiffEntry& o : entries) {
                std::string v;
                putValues(o, v);
                if (v.size() > inlineSize) stripAt += v.size();
            }
            values.clear();
            std::string saved;
            saved.swap(out);
            put(stripAt, 4);
            values.swap(out);
            out.swap(saved);
        }
        put(e.tag, 2);
        put(e.type, 2);
        put(e.count, bigTiff ? 8 : 4);
        if (values.size() <= inlineSize) {
            out += values + std::string(inlineSize - values.size(), '\0');
        } else {
            put(header + ifdSize + extra.size(), bigTiff ? 8 : 4);
            extra += values;
        }
    }
    put(0, bigTiff ? 8 : 4); // no next directory
    out += extra;
    out.append(reinterpret_cast<const char*>(kTiffPixels), 2);
    return out;
}

#endif
