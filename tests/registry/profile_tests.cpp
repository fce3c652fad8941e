// The per-user settings on top of the registry.
#include "platform/base/numbers.h"
#include "platform/registry/profile.h"
#include "registrytestsupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class ProfileTest : public RegistryTest {
protected:
    CProfile m_profile{"Norvane", "Pallima Glintra"};
};

TEST_F(ProfileTest, EntriesLiveInTheUsersSettingsKey)
{
    EXPECT_EQ(m_profile.SectionKey("Specify Browser"), "Software\\Norvane\\Pallima Glintra\\Specify Browser");
    ASSERT_TRUE(m_profile.WriteProfileString("Specify Browser", "Name1", "Lynx"));
    ASSERT_TRUE(m_profile.WriteProfileInt("Frame", "Width", -640));

    const std::string text = ReadText(FileOf(HKEY_CURRENT_USER));
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Norvane\\Pallima Glintra\\Specify Browser]\r\n"
                        "\"Name1\"=\"Lynx\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\"Width\"=dword:fffffd80\r\n"), std::string::npos);

    // Another program with the same key reads the same settings.
    ReopenFromCopy();
    CProfile other;
    other.SetRegistryKey("norvane", "PALLIMA GLINTRA");
    EXPECT_EQ(other.GetProfileString("specify browser", "name1"), "Lynx");
    EXPECT_EQ(other.GetProfileInt("Frame", "Width", 0), -640);
}

TEST_F(ProfileTest, ValuesOfEveryKindReadBack)
{
    const std::string awkward("line one\r\nline \"two\" \\ \xFF", 26);
    ASSERT_TRUE(m_profile.WriteProfileString("S", "Text", awkward));
    ASSERT_TRUE(m_profile.WriteProfileString("S", "Empty", ""));
    for (int value : {0, 1, -1, INT_MAX, INT_MIN})
        ASSERT_TRUE(m_profile.WriteProfileInt("S", "Int" + FormatInt(value), value));
    ReopenFromCopy();
    EXPECT_EQ(m_profile.GetProfileString("S", "Text", "default"), awkward);
    EXPECT_EQ(m_profile.GetProfileString("S", "Empty", "default"), "");
    for (int value : {0, 1, -1, INT_MAX, INT_MIN})
        EXPECT_EQ(m_profile.GetProfileInt("S", "Int" + FormatInt(value), 12345), value);
}

TEST_F(ProfileTest, IntegersAlsoReadFromText)
{
    struct {
        const char* text;
        int expected;
    } const cases[] = {
        {"42", 42}, {"  -7 apples", -7}, {"+3", 3}, {"abc", 0}, {"", 0}, {"99999999999", INT_MAX},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(m_profile.WriteProfileString("Specify Browser", "BrowserNum", c.text));
        EXPECT_EQ(m_profile.GetProfileInt("Specify Browser", "BrowserNum", 5), c.expected) << '"' << c.text << '"';
    }
}

TEST_F(ProfileTest, MissingOrOtherKindsGiveTheDefault)
{
    ASSERT_TRUE(m_profile.WriteProfileInt("S", "Number", 7));
    CKey section;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, m_profile.SectionKey("S").c_str(), section.Out()), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(section, "Blob", REG_BINARY, "\x01\x02\x03\x04"), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(section, "Expand", REG_EXPAND_SZ, Sz("12")), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(section, "ShortDword", REG_DWORD, "\x01"), ERROR_SUCCESS);

    EXPECT_EQ(m_profile.GetProfileString("S", "Number", "dflt"), "dflt");
    EXPECT_EQ(m_profile.GetProfileString("S", "Blob", "dflt"), "dflt");
    EXPECT_EQ(m_profile.GetProfileString("S", "Missing", "dflt"), "dflt");
    EXPECT_EQ(m_profile.GetProfileString("NoSection", "Missing"), "");
    EXPECT_EQ(m_profile.GetProfileInt("S", "Blob", -2), -2);
    EXPECT_EQ(m_profile.GetProfileInt("S", "Expand", -2), -2);
    EXPECT_EQ(m_profile.GetProfileInt("S", "ShortDword", -2), -2);
    EXPECT_EQ(m_profile.GetProfileInt("S", "Missing", -2), -2);
    EXPECT_EQ(m_profile.GetProfileInt("NoSection", "Missing", -2), -2);
}

TEST_F(ProfileTest, DeletingEntriesAndSections)
{
    ASSERT_TRUE(m_profile.WriteProfileString("Specify Browser", "Name1", "Lynx"));
    ASSERT_TRUE(m_profile.WriteProfileString("Specify Browser", "Path1", "/usr/bin/lynx"));
    ASSERT_TRUE(m_profile.WriteProfileString("Recent File List", "File1", "/a.pgt"));

    EXPECT_TRUE(m_profile.DeleteProfileEntry("Specify Browser", "Name1"));
    EXPECT_FALSE(m_profile.DeleteProfileEntry("Specify Browser", "Name1"));
    EXPECT_FALSE(m_profile.DeleteProfileEntry("No Section", "Name1"));
    EXPECT_EQ(m_profile.GetProfileString("Specify Browser", "Name1", "gone"), "gone");
    EXPECT_EQ(m_profile.GetProfileString("Specify Browser", "Path1"), "/usr/bin/lynx");

    EXPECT_TRUE(m_profile.DeleteProfileSection("specify browser"));
    EXPECT_FALSE(m_profile.DeleteProfileSection("Specify Browser"));
    EXPECT_FALSE(m_profile.DeleteProfileSection("")) << "never the application's whole key";
    EXPECT_EQ(m_profile.GetProfileString("Specify Browser", "Path1", "gone"), "gone");
    EXPECT_EQ(m_profile.GetProfileString("Recent File List", "File1"), "/a.pgt");
    CKey key;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, m_profile.SectionKey("Specify Browser").c_str(), key.Out()),
              ERROR_FILE_NOT_FOUND);
}

} // namespace
