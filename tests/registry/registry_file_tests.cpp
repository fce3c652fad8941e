// The root files: what a change writes, and what reading makes of any file,
// including hand-written exports and damaged ones.
#include "platform/registry/registryhive.h"
#include "registrytestsupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CValueCase {
    const char* name;
    DWORD type;
    std::string written;
    std::string read;      // what a reader gets back
    const char* fileLine;  // the line the file holds for it, where it matters
};

std::vector<CValueCase> ValueCases()
{
    std::string allBytes;
    for (int i = 0; i < 300; ++i)
        allBytes += char(i & 0xFF);
    const std::string qword("\x08\x07\x06\x05\x04\x03\x02\x01", 8);
    return {
        {"Plain", REG_SZ, Sz("PageletServer.Glintra"), Sz("PageletServer.Glintra"), "\"Plain\"=\"PageletServer.Glintra\""},
        {"", REG_SZ, Sz("the default"), Sz("the default"), "@=\"the default\""},
        {"Quote\"d\\Name", REG_SZ, Sz("say \"hi\" to C:\\dir\\"), Sz("say \"hi\" to C:\\dir\\"),
         "\"Quote\\\"d\\\\Name\"=\"say \\\"hi\\\" to C:\\\\dir\\\\\""},
        {"Utf8", REG_SZ, Sz("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"), Sz("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"),
         "\"Utf8\"=\"Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\""},
        {"Lines", REG_SZ, Sz(std::string("one\r\ntwo\0three", 14)), Sz(std::string("one\r\ntwo\0three", 14)),
         "\"Lines\"=hex(1):6f,6e,65,0d,0a,74,77,6f,00,74,68,72,65,65,00"},
        {"Latin1", REG_SZ, Sz("\xFF\xFE caf\xE9 \xC3("), Sz("\xFF\xFE caf\xE9 \xC3("), nullptr},
        {"Tab", REG_SZ, Sz("a\tb"), Sz("a\tb"), "\"Tab\"=hex(1):61,09,62,00"},
        {"Empty", REG_SZ, Sz(""), Sz(""), "\"Empty\"=\"\""},
        {"Bare", REG_SZ, "abc", Sz("abc"), "\"Bare\"=\"abc\""},
        {"Count", REG_DWORD, std::string("\x0a\x00\x00\x00", 4), std::string("\x0a\x00\x00\x00", 4),
         "\"Count\"=dword:0000000a"},
        {"Short", REG_DWORD, std::string("\x01\x02\x03", 3), std::string("\x01\x02\x03", 3), "\"Short\"=hex(4):01,02,03"},
        {"Big", REG_QWORD, qword, qword, "\"Big\"=hex(b):08,07,06,05,04,03,02,01"},
        {"Blob", REG_BINARY, allBytes, allBytes, nullptr},
        {"Nothing", REG_BINARY, "", "", "\"Nothing\"=hex:"},
        {"Expand", REG_EXPAND_SZ, Sz("%HOME%\\bin"), Sz("%HOME%\\bin"), "\"Expand\"=hex(2):25,48,4f,4d,45,25,5c,62,69,6e,00"},
        {"Multi", REG_MULTI_SZ, std::string("a\0bc\0\0", 6), std::string("a\0bc\0\0", 6), "\"Multi\"=hex(7):61,00,62,63,00,00"},
        {"None", REG_NONE, "\x01", "\x01", "\"None\"=hex(0):01"},
        {"Odd", 0x1234, "xy", "xy", "\"Odd\"=hex(1234):78,79"},
    };
}

TEST_F(RegistryTest, EveryValueFormSurvivesTheFile)
{
    const std::vector<CValueCase> cases = ValueCases();
    {
        CKey key;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "RoundTrip\\Values", key.Out()), ERROR_SUCCESS);
        for (const CValueCase& c : cases)
            ASSERT_EQ(SetBytes(key, c.name, c.type, c.written), ERROR_SUCCESS) << c.name;
        CKey empty;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "RoundTrip\\Empty\\Deeper", empty.Out()), ERROR_SUCCESS);
    }

    const std::string text = ReadText(FileOf(HKEY_CLASSES_ROOT));
    EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\r\n\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\n[HKEY_CLASSES_ROOT\\RoundTrip\\Values]\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n[HKEY_CLASSES_ROOT\\RoundTrip\\Empty\\Deeper]\r\n"), std::string::npos);
    for (size_t i = 0; i < text.size(); ++i)
        ASSERT_TRUE(text[i] != '\n' || (i > 0 && text[i - 1] == '\r')) << "bare line feed at " << i;
    for (const CValueCase& c : cases) {
        if (c.fileLine) {
            EXPECT_NE(text.find(std::string("\r\n") + c.fileLine + "\r\n"), std::string::npos) << c.fileLine;
        }
    }

    ReopenFromCopy();
    CKey key;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "RoundTrip\\Values", key.Out()), ERROR_SUCCESS);
    for (size_t i = 0; i < cases.size(); ++i) {
        const CValueCase& c = cases[i];
        DWORD type = 0;
        std::string bytes;
        ASSERT_EQ(QueryBytes(key, c.name, type, bytes), ERROR_SUCCESS) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(bytes, c.read) << c.name;
        std::string name;
        ASSERT_EQ(RegEnumValue(key, DWORD(i), name, nullptr, nullptr), ERROR_SUCCESS);
        EXPECT_EQ(name, c.name) << "values keep the order they were written in";
    }
    CKey deeper;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "RoundTrip\\Empty\\Deeper", deeper.Out()), ERROR_SUCCESS);
    std::string name;
    EXPECT_EQ(RegEnumValue(deeper, 0, name, nullptr, nullptr), ERROR_NO_MORE_ITEMS);

    // Writing what was read gives the same text again.
    CRegistryHive hive;
    hive.Parse(text, "HKEY_CLASSES_ROOT");
    EXPECT_EQ(hive.ToText("HKEY_CLASSES_ROOT"), text);
}

TEST_F(RegistryTest, ReadsAHandWrittenExport)
{
    // LF line ends, a byte order mark, upper-case digits, regedit's wrapped
    // hex lists, comments and blank lines with spaces.
    const std::string text =
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n"
        "\n"
        "; written by hand\n"
        "[hkey_current_user\\Software\\Norvane]\n"
        "  @ = \"Company\"  \n"
        "\"Wrapped\"=hex:00,01,02,\\\n"
        "  03,04,\\\n"
        "  FF\n"
        "\"Number\"=DWORD:0000FFFF\n"
        "\"Path\"=hex(2):41,\\\n"
        "  42,00\n"
        "\"NoEnd\"=hex(1):41,42\n"
        "   \t \n"
        "[HKEY_CURRENT_USER\\Software\\Norvane\\\\Pallima Glintra\\]\r\n"
        "\"Crlf\"=\"yes\"\r\n";
    ASSERT_TRUE(CreateFolderPath(m_registry.Folder()));
    ASSERT_TRUE(WriteText(FileOf(HKEY_CURRENT_USER), text));

    struct {
        const char* key;
        const char* name;
        DWORD type;
        std::string bytes;
    } const expected[] = {
        {"Software\\Norvane", "", REG_SZ, Sz("Company")},
        {"Software\\Norvane", "Wrapped", REG_BINARY, std::string("\x00\x01\x02\x03\x04\xFF", 6)},
        {"Software\\Norvane", "Number", REG_DWORD, std::string("\xFF\xFF\x00\x00", 4)},
        {"Software\\Norvane", "Path", REG_EXPAND_SZ, Sz("AB")},
        {"Software\\Norvane", "NoEnd", REG_SZ, Sz("AB")},  // a reader always gets the terminator
        {"Software\\Norvane\\Pallima Glintra", "Crlf", REG_SZ, Sz("yes")},
    };
    for (const auto& e : expected) {
        CKey key;
        ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, e.key, key.Out()), ERROR_SUCCESS) << e.key;
        DWORD type = 0;
        std::string bytes;
        ASSERT_EQ(QueryBytes(key, e.name, type, bytes), ERROR_SUCCESS) << e.name;
        EXPECT_EQ(type, e.type) << e.name;
        EXPECT_EQ(bytes, e.bytes) << e.name;
    }
}

// Damage placed between two good sections and again at the end of the file
// (where it is cut off): the reader skips it and keeps both good sections
// whole, with nothing made up from the damage.
TEST_F(RegistryTest, DamagedFileKeepsItsGoodParts)
{
    const std::string before = "[HKEY_CLASSES_ROOT\\Before]\r\n\"A\"=\"1\"\r\n\r\n";
    const std::string after = "[HKEY_CLASSES_ROOT\\After]\r\n\"B\"=dword:00000002\r\n";
    struct {
        const char* label;
        std::string damage;
    } const cases[] = {
        {"garbage lines", "this is no registry\r\n=\"x\"\r\n]][[\r\n"},
        {"nothing but the value before any section", ""},
        {"section without its bracket", "[HKEY_CLASSES_ROOT\\Broken\r\n\"Lost\"=\"x\"\r\n"},
        {"text after the bracket", "[HKEY_CLASSES_ROOT\\Broken] tail\r\n\"Lost\"=\"x\"\r\n"},
        {"another root", "[HKEY_LOCAL_MACHINE\\Software]\r\n\"Lost\"=\"x\"\r\n"},
        {"empty section name", "[]\r\n\"Lost\"=\"x\"\r\n"},
        {"control character in a key name", "[HKEY_CLASSES_ROOT\\Bro\x01ken]\r\n\"Lost\"=\"x\"\r\n"},
        {"unterminated string", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lost\"=\"never closed\r\n"},
        {"unterminated name", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lost=\"x\"\r\n"},
        {"bad hex byte", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lost\"=hex:00,zz,01\r\n"},
        {"hex byte too long", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lost\"=hex:001\r\n"},
        {"dword too long", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lost\"=dword:000000001\r\n"},
        {"dword without digits", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lost\"=dword:\r\n"},
        {"unknown data form", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lost\"=str:\"x\"\r\n\"Lost2\"=-\r\n"},
        {"hex type not closed", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lost\"=hex(2:00\r\n"},
        {"control character in a value name", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lo\x07st\"=\"x\"\r\n"},
        {"binary junk", std::string("\x00\xFF\xFE\r\x1B[\"\\\x00\n\x80\x81\"=hex(\n\\\n", 23)},
        {"huge line", std::string(4 << 20, 'x') + "\r\n\"" + std::string(1 << 20, 'y') + "\r\n"},
        {"continuation cut off", "[HKEY_CLASSES_ROOT\\Broken]\r\n\"Lost\"=hex:00,\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(CreateFolderPath(m_registry.Folder()));
        const std::string text = "\"Orphan\"=\"x\"\r\n" + before + c.damage + "\r\n" + after + c.damage;
        ASSERT_TRUE(WriteText(FileOf(HKEY_CLASSES_ROOT), text));

        std::string value;
        EXPECT_TRUE(RegGetString(HKEY_CLASSES_ROOT, "Before", "A", value));
        EXPECT_EQ(value, "1");
        CKey afterKey;
        ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "After", afterKey.Out()), ERROR_SUCCESS);
        DWORD type = 0;
        std::string bytes;
        EXPECT_EQ(QueryBytes(afterKey, "B", type, bytes), ERROR_SUCCESS);
        EXPECT_EQ(bytes, std::string("\x02\x00\x00\x00", 4));

        // Nothing else: the broken section may exist as an empty key, but no
        // value came out of the damage and no orphan value found a home.
        std::vector<std::string> keys;
        std::string name;
        for (DWORD i = 0; RegEnumKeyEx(HKEY_CLASSES_ROOT, i, name) == ERROR_SUCCESS; ++i)
            keys.push_back(name);
        for (const std::string& k : keys) {
            CKey key;
            ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, k.c_str(), key.Out()), ERROR_SUCCESS);
            DWORD count = 0;
            while (RegEnumValue(key, count, name, nullptr, nullptr) == ERROR_SUCCESS)
                ++count;
            EXPECT_EQ(count, (k == "Broken" ? 0u : 1u)) << k;
            EXPECT_TRUE(k == "Before" || k == "After" || k == "Broken") << k;
        }
        EXPECT_EQ(RegQueryValueEx(HKEY_CLASSES_ROOT, "Orphan", nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);

        // A change rewrites the file from the good parts only.
        ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, "Before", "C", "3"));
        const std::string rewritten = ReadText(FileOf(HKEY_CLASSES_ROOT));
        EXPECT_NE(rewritten.find("\"A\"=\"1\"\r\n\"C\"=\"3\""), std::string::npos);
        EXPECT_NE(rewritten.find("\"B\"=dword:00000002"), std::string::npos);
        EXPECT_EQ(rewritten.find("Lost"), std::string::npos);
    }
}

TEST_F(RegistryTest, MissingOrUnreadableFileReadsAsEmpty)
{
    std::string value;
    EXPECT_FALSE(RegGetString(HKEY_CLASSES_ROOT, "Anything", "", value));
    CKey key;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software", key.Out()), ERROR_FILE_NOT_FOUND);
    std::string name;
    EXPECT_EQ(RegEnumKeyEx(HKEY_CURRENT_USER, 0, name), ERROR_NO_MORE_ITEMS);

    // A folder where the file should be cannot be read, nor replaced.
    ASSERT_TRUE(CreateFolderPath(FileOf(HKEY_CLASSES_ROOT)));
    EXPECT_EQ(RegEnumKeyEx(HKEY_CLASSES_ROOT, 0, name), ERROR_NO_MORE_ITEMS);
    EXPECT_FALSE(RegSetString(HKEY_CLASSES_ROOT, "Key", "", "x"));
    EXPECT_TRUE(FolderExists(FileOf(HKEY_CLASSES_ROOT)));
}

} // namespace
