// The companion library's TIFF layer: tag values and lists, reading a tag of
// the first directory of classic and BigTIFF files in either byte order, and
// writing tags through libtiff.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include <tiffio.h>

#include "files/fixture.h"
#include "files/tiffbuild.h"
#include "qvlibw/qvlibw.h"

namespace {

QVBitmapTag DoubleTag(const std::vector<double>& v) {
    QVBitmapTag t(QVBitmapTag::TAG_DOUBLE, static_cast<unsigned>(v.size()));
    std::memcpy(t.GetDataPtr(), v.data(), v.size() * sizeof(double));
    return t;
}
QVBitmapTag ShortTag(const std::vector<uint16_t>& v) {
    QVBitmapTag t(QVBitmapTag::TAG_UINT16, static_cast<unsigned>(v.size()));
    std::memcpy(t.GetDataPtr(), v.data(), v.size() * sizeof(uint16_t));
    return t;
}
QVBitmapTag TextTag(const std::string& s) {
    QVBitmapTag t(QVBitmapTag::TAG_TEXT, static_cast<unsigned>(s.size() + 1));
    std::memcpy(t.GetDataPtr(), s.c_str(), s.size() + 1);
    return t;
}
std::vector<double> AsDoubles(const QVBitmapTag& t) {
    const auto* p = static_cast<const double*>(t.GetDataPtr());
    return t.GetType() == QVBitmapTag::TAG_DOUBLE ? std::vector<double>(p, p + t.GetItemCount())
                                                  : std::vector<double>();
}
std::vector<uint16_t> AsShorts(const QVBitmapTag& t) {
    const auto* p = static_cast<const uint16_t*>(t.GetDataPtr());
    return t.GetType() == QVBitmapTag::TAG_UINT16 ? std::vector<uint16_t>(p, p + t.GetItemCount())
                                                  : std::vector<uint16_t>();
}
std::string AsText(const QVBitmapTag& t) {
    const auto* p = static_cast<const char*>(t.GetDataPtr());
    return t.GetType() == QVBitmapTag::TAG_TEXT ? std::string(p, t.GetItemCount())
                                                : std::string("(not text)");
}

const std::vector<double> kScale = {30, 30, 0};
const std::vector<double> kTie = {0, 0, 0, 500000, 4000000, 0};
const std::vector<uint16_t> kKeys = {1, 1, 2, 3, 1024, 0, 1, 1, 1025, 0, 1, 1, 3072, 0, 1, 32633};
const double kExtremes[] = {std::numeric_limits<double>::max(), -0.0,
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::infinity()};

using TiffTest = ScratchTest;

} // namespace

TEST(BitmapTag, StorageCopiesAndEmptyTags) {
    QVBitmapTag empty;
    EXPECT_EQ(empty.GetDataPtr(), nullptr);
    EXPECT_EQ(empty.GetItemCount(), 0u);
    EXPECT_EQ(static_cast<int>(empty.GetType()), 0);

    QVBitmapTag d(QVBitmapTag::TAG_DOUBLE, 3);
    ASSERT_NE(d.GetDataPtr(), nullptr);
    EXPECT_EQ(d.GetSize(), 24u);
    EXPECT_EQ(AsDoubles(d), (std::vector<double>{0, 0, 0}));
    static_cast<double*>(d.GetDataPtr())[1] = 2.5;
    QVBitmapTag copy(d);
    QVBitmapTag assigned;
    assigned = d;
    static_cast<double*>(d.GetDataPtr())[1] = 9;
    EXPECT_EQ(AsDoubles(copy), (std::vector<double>{0, 2.5, 0}));
    EXPECT_EQ(AsDoubles(assigned), (std::vector<double>{0, 2.5, 0}));
    assigned = assigned;
    EXPECT_EQ(AsDoubles(assigned), (std::vector<double>{0, 2.5, 0}));
    EXPECT_EQ(ShortTag({1, 2}).GetSize(), 4u);
    EXPECT_EQ(TextTag("abc").GetItemCount(), 4u);

    // Storage that cannot be had: an empty tag of that type.
    for (QVBitmapTag t : {QVBitmapTag(QVBitmapTag::TAG_DOUBLE, 0xFFFFFFFFu),
                          QVBitmapTag(static_cast<QVBitmapTag::TAG_DATA_TYPE>(7), 4),
                          QVBitmapTag(QVBitmapTag::TAG_UINT16, 0)}) {
        EXPECT_EQ(t.GetDataPtr(), nullptr);
        EXPECT_EQ(t.GetItemCount(), 0u);
        EXPECT_EQ(t.GetSize(), 0u);
    }
}

TEST(BitmapTagList, KeepsOwnCopiesInTagOrder) {
    QVBitmapTagList list;
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.FindTag(33550), nullptr);
    EXPECT_EQ(list.GetTagNumber(0), -1);
    {
        QVBitmapTag scale = DoubleTag(kScale);
        EXPECT_NE(list.MergeTag(scale, 33550), 0);
        static_cast<double*>(scale.GetDataPtr())[0] = -1; // the list holds its own copy
    }
    EXPECT_NE(list.MergeTag(ShortTag(kKeys), 34735), 0);
    EXPECT_NE(list.MergeTag(DoubleTag({1}), 33922), 0);
    EXPECT_NE(list.MergeTag(DoubleTag(kTie), 33922), 0); // replaces
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(AsDoubles(*list.FindTag(33550)), kScale);
    EXPECT_EQ(AsDoubles(*list.FindTag(33922)), kTie);
    EXPECT_EQ(list.GetTagNumber(0), 33550);
    EXPECT_EQ(list.GetTagNumber(1), 33922);
    EXPECT_EQ(list.GetTagNumber(2), 34735);
    EXPECT_EQ(list.GetTagNumber(3), -1);
    EXPECT_EQ(list.GetTagNumber(-1), -1);

    EXPECT_EQ(list.MergeTag(QVBitmapTag(), 1), 0);
    EXPECT_EQ(list.MergeTag(DoubleTag({1}), 0), 0);
    EXPECT_EQ(list.MergeTag(DoubleTag({1}), 65536), 0);
    EXPECT_EQ(list.GetCount(), 3);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.FindTag(33550), nullptr);
}

TEST_F(TiffTest, ReadsTagsOfClassicAndBigTiffInBothByteOrders) {
    const std::vector<uint16_t> manyShorts = {1, 2, 3, 65535, 5};
    std::vector<double> doubles(kTie);
    doubles.insert(doubles.end(), std::begin(kExtremes), std::end(kExtremes));
    for (bool bigEndian : {false, true}) {
        for (bool bigTiff : {false, true}) {
            SCOPED_TRACE(std::string(bigEndian ? "MM" : "II") + (bigTiff ? " BigTIFF" : ""));
            const std::string path = P("a.tif");
            Write(path, BuildTiff(bigEndian, bigTiff,
                                  {Doubles(33550, {2.5}), Doubles(33922, doubles),
                                   Shorts(34735, manyShorts), Shorts(34736, {42}),
                                   AsciiEntry(34737, std::string("ab") + '\0'),
                                   AsciiEntry(305, "a longer text without a zero")}));
            QVBitLib lib;
            QVBitmapTag t;
            ASSERT_EQ(lib.GetTagData(path.c_str(), 33550, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsDoubles(t), (std::vector<double>{2.5})); // inline in BigTIFF
            ASSERT_EQ(lib.GetTagData(path.c_str(), 33922, t, 1), QVBitLib::RV_FOUND);
            ASSERT_EQ(t.GetItemCount(), doubles.size());
            EXPECT_EQ(std::memcmp(t.GetDataPtr(), doubles.data(), t.GetSize()), 0);
            ASSERT_EQ(lib.GetTagData(path.c_str(), 34735, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsShorts(t), manyShorts);
            ASSERT_EQ(lib.GetTagData(path.c_str(), 34736, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsShorts(t), (std::vector<uint16_t>{42}));
            ASSERT_EQ(lib.GetTagData(path.c_str(), 34737, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsText(t), std::string("ab") + '\0');
            // Text without a terminating zero gets one.
            ASSERT_EQ(lib.GetTagData(path.c_str(), 305, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsText(t), std::string("a longer text without a zero") + '\0');
            // Image tags of other types, and absent tags, are not found.
            EXPECT_EQ(lib.GetTagData(path.c_str(), 273, t, 1), QVBitLib::RV_NOTFOUND); // LONG
            EXPECT_EQ(t.GetDataPtr(), nullptr);
            EXPECT_EQ(lib.GetTagData(path.c_str(), 33920, t, 1), QVBitLib::RV_NOTFOUND);
            EXPECT_EQ(lib.GetTagData(path.c_str(), 256, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsShorts(t), (std::vector<uint16_t>{2}));
        }
    }
}

TEST_F(TiffTest, DamagedFilesAndOtherTypesReadAsAbsent) {
    const std::string good = BuildTiff(false, false, {Doubles(33922, kTie), Shorts(34735, kKeys)});
    QVBitLib lib;
    QVBitmapTag t = DoubleTag({1});
    // Every truncation: the tag is found only when its values are all there.
    for (std::size_t n = 0; n < good.size(); ++n) {
        Write(P("cut.tif"), good.substr(0, n));
        const auto r = lib.GetTagData(P("cut.tif").c_str(), 33922, t, 1);
        if (r == QVBitLib::RV_FOUND)
            EXPECT_EQ(AsDoubles(t), kTie) << n;
        else
            EXPECT_EQ(t.GetDataPtr(), nullptr) << n;
    }
    // A tag of another type counts as absent; so does one without values.
    Write(P("types.tif"), BuildTiff(true, false,
                                    {ArrayEntry<float>(33550, 11, {30, 30, 0}),
                                     ArrayEntry<uint32_t>(34735, 4, {1}), Doubles(33922, {})}));
    for (int tag : {33550, 34735, 33922})
        EXPECT_EQ(lib.GetTagData(P("types.tif").c_str(), tag, t, 1), QVBitLib::RV_NOTFOUND) << tag;

    // Offsets and counts that point past the end of the file.
    auto patched = [&](std::size_t at, uint32_t value) {
        std::string s = good;
        std::memcpy(&s[at], &value, 4); // little-endian host and file
        Write(P("bad.tif"), s);
        return lib.GetTagData(P("bad.tif").c_str(), 33922, t, 1);
    };
    EXPECT_EQ(patched(4, 0xFFFFFFF0u), QVBitLib::RV_NOTFOUND); // directory
    EXPECT_EQ(patched(4, static_cast<uint32_t>(good.size() - 4)), QVBitLib::RV_NOTFOUND);
    std::size_t entry = 10; // the directory's first entry
    while (static_cast<uint8_t>(good[entry]) != (33922 & 0xFF)) entry += 12;
    EXPECT_EQ(patched(entry + 4, 0x40000000u), QVBitLib::RV_NOTFOUND); // count
    EXPECT_EQ(patched(entry + 8, 0xFFFFFFF0u), QVBitLib::RV_NOTFOUND); // value offset
    EXPECT_EQ(patched(entry + 8, static_cast<uint32_t>(good.size() - 8)), QVBitLib::RV_NOTFOUND);

    // Missing files, directories, text files and bad arguments.
    Write(P("text.tif"), "II* is not enough");
    for (const std::string& name : {P("missing.tif"), dir.string(), P("text.tif")})
        EXPECT_EQ(lib.GetTagData(name.c_str(), 33922, t, 1), QVBitLib::RV_NOTFOUND) << name;
    Write(P("good.tif"), good);
    EXPECT_EQ(lib.GetTagData(nullptr, 33922, t, 1), QVBitLib::RV_NOTFOUND);
    EXPECT_EQ(lib.GetTagData(P("good.tif").c_str(), -1, t, 1), QVBitLib::RV_NOTFOUND);
    EXPECT_EQ(lib.GetTagData(P("good.tif").c_str(), 65536 + 33922, t, 1), QVBitLib::RV_NOTFOUND);
    EXPECT_EQ(lib.GetTagData(P("good.tif").c_str(), 33922, t, 1), QVBitLib::RV_FOUND);
}

namespace {

// Counts what reaches libtiff's process-wide handlers.
int g_hostErrors = 0;
void HostHandler(const char*, const char*, va_list) {
    ++g_hostErrors;
}

QVBitmapTagList& GeoTags(QVBitmapTagList& list) {
    list.MergeTag(DoubleTag(kScale), 33550);
    list.MergeTag(DoubleTag(kTie), 33922);
    list.MergeTag(ShortTag(kKeys), 34735);
    list.MergeTag(TextTag("WGS 84 / UTM zone 33N|"), 34737);
    return list;
}

} // namespace

TEST_F(TiffTest, WritesTagsThatReadBackWithTheImageIntact) {
    QVBitLib lib;
    QVBitmapTagList list;
    GeoTags(list);
    list.MergeTag(TextTag("qvproj"), 305);     // Software: a tag libtiff knows
    list.MergeTag(ShortTag({4, 5, 6}), 65000); // a private tag libtiff does not
    for (bool bigEndian : {false, true}) {
        for (bool bigTiff : {false, true}) {
            SCOPED_TRACE(std::string(bigEndian ? "MM" : "II") + (bigTiff ? " BigTIFF" : ""));
            const std::string path = P("geo.tif");
            Write(path,
                  BuildTiff(bigEndian, bigTiff,
                            {Doubles(33920, std::vector<double>(16, 1)), Doubles(34736, {1.5})}));
            ASSERT_TRUE(lib.WriteTags(path.c_str(), list));
            EXPECT_EQ(Listing(), "geo.tif");
            QVBitmapTag t;
            ASSERT_EQ(lib.GetTagData(path.c_str(), 33550, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsDoubles(t), kScale);
            ASSERT_EQ(lib.GetTagData(path.c_str(), 33922, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsDoubles(t), kTie);
            ASSERT_EQ(lib.GetTagData(path.c_str(), 34735, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsShorts(t), kKeys);
            ASSERT_EQ(lib.GetTagData(path.c_str(), 34737, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsText(t), std::string("WGS 84 / UTM zone 33N|") + '\0');
            ASSERT_EQ(lib.GetTagData(path.c_str(), 305, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsText(t), std::string("qvproj") + '\0');
            ASSERT_EQ(lib.GetTagData(path.c_str(), 65000, t, 1), QVBitLib::RV_FOUND);
            EXPECT_EQ(AsShorts(t), (std::vector<uint16_t>{4, 5, 6}));
            // The transformation matrix gives way to the pixel scale and tie
            // point; the key tags the list lacks go with the key directory.
            EXPECT_EQ(lib.GetTagData(path.c_str(), 33920, t, 1), QVBitLib::RV_NOTFOUND);
            EXPECT_EQ(lib.GetTagData(path.c_str(), 34736, t, 1), QVBitLib::RV_NOTFOUND);

            TIFFOpenOptions* quiet = TIFFOpenOptionsAlloc();
            TIFFOpenOptionsSetWarningHandlerExtR(
                quiet, [](TIFF*, void*, const char*, const char*, va_list) { return 1; }, nullptr);
            TIFF* tif = TIFFOpenExt(path.c_str(), "r", quiet);
            TIFFOpenOptionsFree(quiet);
            ASSERT_NE(tif, nullptr);
            uint8_t pixels[2] = {0, 0};
            EXPECT_EQ(TIFFReadEncodedStrip(tif, 0, pixels, 2), 2);
            EXPECT_EQ(pixels[0], kTiffPixels[0]);
            EXPECT_EQ(pixels[1], kTiffPixels[1]);
            EXPECT_EQ(TIFFIsBigEndian(tif) != 0, bigEndian);
            EXPECT_EQ((TIFFIsBigTIFF(tif) != 0), bigTiff);
            TIFFClose(tif);
        }
    }
}

TEST_F(TiffTest, FailedWritesLeaveTheFileUntouchedAndLibtiffSilent) {
    // A host's own libtiff handlers stay installed and are never called.
    const TIFFErrorHandler hostError = TIFFSetErrorHandler(HostHandler);
    const TIFFErrorHandler hostWarning = TIFFSetWarningHandler(HostHandler);
    g_hostErrors = 0;
    const int savedStderr = ::dup(2);
    const std::string errPath = P("stderr.txt");
    const int errFd = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(errFd, 2);

    QVBitLib lib;
    QVBitmapTagList geo;
    GeoTags(geo);
    const std::string good = BuildTiff(false, false, {});
    struct Case {
        std::string name, bytes;
        int tag;
        QVBitmapTag value;
    };
    QVBitmapTag unterminated(QVBitmapTag::TAG_TEXT, 3);
    std::memset(unterminated.GetDataPtr(), 'x', 3);
    std::string damaged = good;
    damaged[4] = static_cast<char>(0xF0); // first directory beyond the end
    const Case cases[] = {
        {"not a tiff", "plain text\n", 33550, DoubleTag(kScale)},
        {"damaged", damaged, 33550, DoubleTag(kScale)},
        {"truncated", good.substr(0, good.size() / 2), 33550, DoubleTag(kScale)},
        {"image width as doubles", good, 256, DoubleTag({5})},
        {"strip offsets as shorts", good, 273, ShortTag({5})},
        {"software as shorts", good, 305, ShortTag({5})},
        {"keys as text", good, 34735, TextTag("x")},
        {"text without a zero", good, 34737, unterminated},
    };
    for (const Case& c : cases) {
        Write(P("f.tif"), c.bytes);
        QVBitmapTagList list;
        ASSERT_NE(list.MergeTag(c.value, c.tag), 0) << c.name;
        EXPECT_FALSE(lib.WriteTags(P("f.tif").c_str(), list)) << c.name;
        EXPECT_EQ(Read(P("f.tif")), c.bytes) << c.name;
        EXPECT_EQ(Listing(), "f.tif stderr.txt") << c.name;
    }
    EXPECT_FALSE(lib.WriteTags(P("missing.tif").c_str(), geo));
    EXPECT_FALSE(lib.WriteTags(dir.string().c_str(), geo));
    EXPECT_FALSE(lib.WriteTags(nullptr, geo));
    EXPECT_FALSE(lib.WriteTags("", geo));
    EXPECT_EQ(Listing(), "f.tif stderr.txt");

    ::dup2(savedStderr, 2);
    ::close(savedStderr);
    ::close(errFd);
    EXPECT_EQ(Read(errPath), "");
    EXPECT_EQ(g_hostErrors, 0);
    EXPECT_EQ(TIFFSetErrorHandler(hostError), HostHandler);
    EXPECT_EQ(TIFFSetWarningHandler(hostWarning), HostHandler);
}

TEST_F(TiffTest, WritesFromSeveralThreadsAtOnce) {
    QVBitmapTagList list;
    GeoTags(list);
    const std::string image = BuildTiff(true, false, {});
    std::vector<std::thread> threads;
    bool ok[4] = {};
    for (int i = 0; i < 4; ++i) {
        Write(P("t" + std::to_string(i) + ".tif"), image);
        threads.emplace_back([&, i] {
            QVBitLib lib;
            ok[i] = true;
            for (int k = 0; k < 10; ++k)
                ok[i] = lib.WriteTags(P("t" + std::to_string(i) + ".tif").c_str(), list) && ok[i];
        });
    }
    for (auto& t : threads) t.join();
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(ok[i]) << i;
        QVBitmapTag t;
        EXPECT_EQ(QVBitLib().GetTagData(P("t" + std::to_string(i) + ".tif").c_str(), 33922, t, 1),
                  QVBitLib::RV_FOUND);
    }
}
