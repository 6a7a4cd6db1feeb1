// Named custom datums in a profile file: keys, values, the name space over
// the catalogue, and the section reader and writer that keep the rest of the
// file intact.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "scratch.h"
#include "datum/customdatum.h"
#include "datum/profile.h"
#include "qvproj/datum.h"

using namespace QVProj;
namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

void WriteAll(const fs::path& p, const std::string& s) {
    std::ofstream f(p, std::ios::binary);
    f << s;
}

DATUM2WGS84 Molodensky() {
    DATUM2WGS84 p;
    std::memset(&p, 0, sizeof p);
    p.Method = DatMethodMolodensky;
    p.Ellipsoid = ET_CLARKE_1866;
    p.PrimeMeridian = 1.5;
    p.dX = -8.25;
    p.dY = 160.125;
    p.dZ = 176;
    return p;
}

class CustomDatumTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = scratch.path();
        path = scratch.File("datums.ini");
    }
    int FilesInDir() const {
        int n = 0;
        for (auto& e : fs::directory_iterator(dir)) n += e.is_regular_file() ? 1 : 0;
        return n;
    }
    ScratchDir scratch;
    fs::path dir;
    std::string path;
};

} // namespace

TEST(CustomDatumText, KeysEscapeAndUnescape) {
    EXPECT_EQ(EscapeDatumKey("a=b,c"), "a%061b%044c");
    EXPECT_EQ(EscapeDatumKey("50% \\ {x}~"), "50%037 %092 %123x%125%126");
    EXPECT_EQ(EscapeDatumKey("\x01\xff"
                             "A"),
              "%001%255A");
    EXPECT_EQ(UnescapeDatumKey("a%061b%044c"), "a=b,c");
    EXPECT_EQ(UnescapeDatumKey("%25%0a%999%000%06"), "%25%0a%999%000%06"); // not escapes
    std::string all = "x";
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(UnescapeDatumKey(EscapeDatumKey(all.c_str())), all);
}

TEST(CustomDatumText, ValuesAsWrittenAndRead) {
    std::string v;
    DATUM2WGS84 p = Molodensky();
    ASSERT_TRUE(FormatDatumValue(p, &v));
    EXPECT_EQ(v, "molodensky,0,Clarke 1866,6378206.4000000004,0.0033900753,1.500000,"
                 "-8.2500000000,160.1250000000,176.0000000000,");
    p.Method = DatMethodBursaWolf;
    p.bInverse = true;
    p.Ellipsoid = static_cast<EllipsoidType>(35);
    p.rX = 0.25;
    p.Scale = -1.5;
    ASSERT_TRUE(FormatDatumValue(p, &v));
    EXPECT_EQ(v.rfind("bursa,1,Krassovsky%044 1942,", 0), 0u); // escaped like a key
    EXPECT_NE(v.find(",0.2500000000,0.0000000000,0.0000000000,-1.5000000000,"), std::string::npos);
    p.Method = DatMethodNone;
    ASSERT_TRUE(FormatDatumValue(p, &v));
    EXPECT_EQ(v, "none,");
    p.Method = static_cast<DatumMethod>(4);
    EXPECT_FALSE(FormatDatumValue(p, &v));
    p.Method = DatMethodMolodensky;
    p.Ellipsoid = ET_NONE;
    EXPECT_FALSE(FormatDatumValue(p, &v));

    DATUM2WGS84 r;
    std::memset(&r, 0x7f, sizeof r);
    ASSERT_TRUE(ParseDatumValue(" MOLODENSKY,\t1, clarke 1866,1,2,3.5,-4,5e1,+6,", &r));
    EXPECT_EQ(+r.Method, DatMethodMolodensky);
    EXPECT_TRUE(r.bInverse);
    EXPECT_EQ(+r.Ellipsoid, ET_CLARKE_1866);
    EXPECT_EQ(+r.MajorRadius, 6378206.4); // the named ellipsoid's own values
    EXPECT_EQ(+r.PrimeMeridian, 3.5);
    EXPECT_EQ(+r.dY, 50);
    EXPECT_EQ(+r.dZ, 6);
    EXPECT_EQ(r.Reserved[0], 0x7f);
    ASSERT_TRUE(ParseDatumValue("bursa,0,user-defined,6378000,0.003,0,1,2,3,4,5,6,7", &r));
    EXPECT_EQ(+r.Ellipsoid, ET_USER_DEFINED);
    EXPECT_EQ(+r.MajorRadius, 6378000);
    EXPECT_EQ(+r.Scale, 7);
    ASSERT_TRUE(ParseDatumValue("None,junk", &r));
    EXPECT_EQ(+r.Method, DatMethodNone);
    EXPECT_EQ(+r.Scale, 7); // nothing else is set
    for (const char* bad :
         {"", "nadcon,0,Clarke 1866,", "mre,0,", "molodensky,2,Clarke 1866,",
          "molodensky,0,Nowhere 1900,1,2,3,4,5,6,", "molodensky,0,Clarke 1866,1,2",
          "molodensky,0,Clarke 1866,1,2,x,4,5,6,", "bursa,0,Clarke 1866,1,2,3,4,5,6,"})
        EXPECT_FALSE(ParseDatumValue(bad, &r)) << bad;
}

TEST_F(CustomDatumTest, SaveReadBackAndNameSpace) {
    EXPECT_EQ(NDatNumDatums(nullptr), 237);
    EXPECT_EQ(NDatNumDatums(path.c_str()), 237); // no file yet
    char name[NDAT_NAME_BUFSIZE];
    EXPECT_FALSE(NDatEnumDatumName(path.c_str(), name, 237));
    ASSERT_TRUE(NDatEnumDatumName(nullptr, name, 0));
    EXPECT_STREQ(name, "User Defined");
    ASSERT_TRUE(NDatEnumDatumName(nullptr, name, 124));
    EXPECT_STREQ(name, "NAD 1927 - CONUS");
    EXPECT_FALSE(NDatEnumDatumName(nullptr, name, -1));
    EXPECT_FALSE(NDatEnumDatumName(nullptr, nullptr, 1));

    DATUM2WGS84 p = Molodensky();
    ASSERT_TRUE(NDatSave(path.c_str(), "WGS 84 local", &p));
    EXPECT_EQ(FilesInDir(), 1); // no temporary left behind
    DATUM2WGS84 r;
    std::memset(&r, 0, sizeof r);
    ASSERT_TRUE(NDatGetDatumParams(path.c_str(), "wgs 84 LOCAL", &r));
    EXPECT_EQ(+r.Method, +p.Method);
    EXPECT_EQ(r.bInverse, p.bInverse);
    EXPECT_EQ(+r.Ellipsoid, +p.Ellipsoid);
    EXPECT_EQ(+r.dX, +p.dX);
    EXPECT_EQ(+r.dY, +p.dY);
    EXPECT_EQ(+r.PrimeMeridian, +p.PrimeMeridian);
    EXPECT_EQ(+r.MajorRadius, 6378206.4);

    EXPECT_FALSE(NDatSave(path.c_str(), "Tokyo", &p));
    EXPECT_FALSE(NDatSave(path.c_str(), "uSeR DeFiNeD", &p));
    EXPECT_FALSE(NDatSave(nullptr, "mine", &p));
    ASSERT_TRUE(NDatSave(path.c_str(), "a=b,c", &p));
    EXPECT_NE(ReadAll(path).find("a%061b%044c=molodensky,"), std::string::npos);
    EXPECT_EQ(NDatNumDatums(path.c_str()), 239);
    ASSERT_TRUE(NDatEnumDatumName(path.c_str(), name, 238));
    EXPECT_STREQ(name, "a=b,c");

    int index = -1;
    EXPECT_TRUE(NDatExists(path.c_str(), "A=B,C", &index));
    EXPECT_EQ(index, 238);
    EXPECT_TRUE(NDatExists(nullptr, "tokyo", &index));
    EXPECT_EQ(index, 7);
    EXPECT_FALSE(NDatExists(nullptr, "a=b,c", &index));
    DatumType d = DatNone;
    EXPECT_TRUE(NDatIsBuiltIn(path.c_str(), "User Defined", &d));
    EXPECT_EQ(d, 0);
    EXPECT_FALSE(NDatIsBuiltIn(path.c_str(), "a=b,c", &d));

    // Saving again moves the entry to the end, leaving one.
    p.dX = 1;
    ASSERT_TRUE(NDatSave(path.c_str(), "WGS 84 LOCAL", &p));
    EXPECT_EQ(NDatNumDatums(path.c_str()), 239);
    ASSERT_TRUE(NDatEnumDatumName(path.c_str(), name, 238));
    EXPECT_STREQ(name, "WGS 84 LOCAL");
    ASSERT_TRUE(NDatGetDatumParams(path.c_str(), "WGS 84 local", &r));
    EXPECT_EQ(+r.dX, 1);

    DatumMethod m = DatMethodNone;
    EXPECT_TRUE(NDatGetDatumMethod(path.c_str(), "a=b,c", &m));
    EXPECT_EQ(m, DatMethodMolodensky);
    EXPECT_TRUE(NDatGetDatumMethod(nullptr, "NAD 1927 - CONUS (MRE)", &m));
    EXPECT_EQ(m, DatMethodMRE);
    EXPECT_TRUE(NDatReversible(path.c_str(), "a=b,c"));
    EXPECT_FALSE(NDatReversible(path.c_str(), "NAD 1927 - CONUS (NADCON)"));
    EXPECT_FALSE(NDatReversible(path.c_str(), nullptr));
    EXPECT_FALSE(NDatGetDatumParams(path.c_str(), "User Defined", &r));

    // A NADCON datum can be saved but not read back.
    p.Method = DatMethodNadcon;
    ASSERT_TRUE(NDatSave(path.c_str(), "grid", &p));
    EXPECT_NE(ReadAll(path).find("grid=nadcon,0,Clarke 1866,\n"), std::string::npos);
    EXPECT_FALSE(NDatGetDatumParams(path.c_str(), "grid", &r));
    EXPECT_FALSE(NDatReversible(path.c_str(), "grid"));

    EXPECT_FALSE(NDatDelete(path.c_str(), "Tokyo"));
    EXPECT_FALSE(NDatDelete(path.c_str(), "nothing"));
    EXPECT_TRUE(NDatDelete(path.c_str(), "a=b,c"));
    EXPECT_FALSE(NDatExists(path.c_str(), "a=b,c", nullptr));
    EXPECT_EQ(NDatNumDatums(path.c_str()), 239);
}

TEST_F(CustomDatumTest, RewritingOneSectionKeepsTheRestOfTheFile) {
    const std::string head = "; host settings\r\n[Window]\r\nx=1\r\n\r\n";
    const std::string tail = "[Colours]\r\n; keep me\r\nsea=blue\r\n";
    WriteAll(path, head + "[custom DATUMS]\r\nold=none,\r\n; trailing comment\r\n\r\n" + tail);
    EXPECT_EQ(NDatNumDatums(path.c_str()), 238);
    DATUM2WGS84 p = Molodensky();
    ASSERT_TRUE(NDatSave(path.c_str(), "new", &p));
    std::string text = ReadAll(path);
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_NE(text.find("[custom DATUMS]\r\nold=none,\r\nnew=molodensky,0,Clarke 1866,"),
              std::string::npos);
    EXPECT_NE(text.find("; trailing comment\r\n\r\n[Colours]"), std::string::npos);
    ASSERT_TRUE(NDatDelete(path.c_str(), "old"));
    ASSERT_TRUE(NDatDelete(path.c_str(), "new"));
    EXPECT_EQ(ReadAll(path), head + "[custom DATUMS]\r\n; trailing comment\r\n\r\n" + tail);
}

TEST_F(CustomDatumTest, JunkLongSectionsAndAwkwardNames) {
    // Binary junk: read as no entries, and a save keeps every byte of it.
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) & 0xff);
    WriteAll(path, junk);
    EXPECT_GE(NDatNumDatums(path.c_str()), 237);
    DATUM2WGS84 p = Molodensky();
    ASSERT_TRUE(NDatSave(path.c_str(), "after junk", &p));
    EXPECT_EQ(ReadAll(path).substr(0, junk.size()), junk);
    EXPECT_TRUE(NDatExists(path.c_str(), "after junk", nullptr));

    // A section longer than the reader's buffer: whole entries that fit are
    // seen, and nothing is written back that would drop the rest.
    std::string big = "[Custom Datums]\n";
    for (int i = 0; i < 3000; ++i) big += "entry" + std::to_string(i) + "=none,\n";
    WriteAll(path, big);
    int n = NDatNumDatums(path.c_str());
    EXPECT_GT(n, 237 + 1000);
    EXPECT_LT(n, 237 + 3000);
    EXPECT_FALSE(NDatSave(path.c_str(), "one more", &p));
    EXPECT_FALSE(NDatDelete(path.c_str(), "entry1"));
    EXPECT_EQ(ReadAll(path), big);

    // Names with every escaped character survive; names that could not read
    // back as themselves are refused without touching the file.
    fs::remove(path);
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    ASSERT_TRUE(NDatSave(path.c_str(), all.c_str(), &p));
    char name[NDAT_NAME_BUFSIZE];
    ASSERT_TRUE(NDatEnumDatumName(path.c_str(), name, 237));
    EXPECT_EQ(std::string(name), all);
    DATUM2WGS84 r;
    EXPECT_TRUE(NDatGetDatumParams(path.c_str(), all.c_str(), &r));
    const std::string before = ReadAll(path);
    for (const char* bad : {"[section", "; comment", " leading", ""})
        EXPECT_FALSE(NDatSave(path.c_str(), bad, &p)) << bad;
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_FALSE(NDatSave((dir / "no such dir" / "x.ini").string().c_str(), "x", &p));
}

TEST(ProfileSection, ParseAndReplace) {
    const std::string text = "[a]\nk=1\n[ B ]\n  one = 1  \n;c\n\nbare\n[b]\nlater=2\n[c]";
    ProfileSection s = ParseProfileSection(text, "b");
    ASSERT_EQ(s.entries.size(), 2u); // the first section of the name counts
    EXPECT_EQ(s.entries[0], "one = 1");
    EXPECT_EQ(s.entries[1], "bare");
    EXPECT_FALSE(s.truncated);
    EXPECT_TRUE(ParseProfileSection(text, "c").entries.empty());
    EXPECT_EQ(ReplaceProfileSection(text, "c", {"z=9"}), text + "\nz=9\n");
    EXPECT_EQ(ReplaceProfileSection(text, "d", {"z=9"}), text + "\n[d]\nz=9\n");
    EXPECT_EQ(ReplaceProfileSection("", "d", {}), "[d]\n");
    EXPECT_EQ(ReplaceProfileSection(text, "B", {"x=0"}), "[a]\nk=1\n[ B ]\nx=0\n[b]\nlater=2\n[c]");
}
