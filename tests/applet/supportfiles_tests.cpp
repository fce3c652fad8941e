// The support files of a design: which files a page needs beside it, and how
// they are copied there.
#include "applet/appletcodes.h"
#include "applet/resourcelist.h"
#include "applet/supportfilecopy.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::vector<CResourceEntry> ListOf(CGlintraAppletParams& design)
{
    CPageletConfigFile config;
    BuildResourceList(design, config);
    return config.m_aResources;
}

TEST(SupportFileList, ANewDesignNeedsOnlyTheClassFile)
{
    CGlintraAppletParams design;
    design.m_strClassLocalPath = "/srv/glintra/";
    design.m_ClassWebPath = "applets/";
    CPageletConfigFile config;
    config.AddResource("stale.gif", "/old/", "");  // rebuilt from scratch
    EXPECT_EQ(BuildResourceList(design, config), 1);
    ASSERT_EQ(config.m_aResources.size(), 1u);
    EXPECT_EQ(config.m_aResources[0], (CResourceEntry{"glntfx.class", "/srv/glintra/", "applets/"}));
}

TEST(SupportFileList, PicturesInOrderAndOnlyThoseThatExist)
{
    CTempDir pictures;
    ASSERT_TRUE(WriteText(pictures / "frame.gif", "f"));
    ASSERT_TRUE(WriteText(pictures / "sky.gif", "s"));
    CGlintraAppletParams design;
    design.SetBannerCount(4);
    design.m_appBKImagePath = pictures / "frame.gif";
    design.m_appBKImageWebPath = "img/";
    // Banner 0: a solid fill that still names a picture; banners 1 and 3
    // share one; banner 2 names one that is gone; banner 3 is disabled.
    design.m_aBackgrounds[0]->m_PgBKImg = pictures / "sky.gif";
    design.m_aBackgrounds[1]->m_PgBKType = 0;
    design.m_aBackgrounds[1]->m_PgBKImg = pictures / "sky.gif";
    design.m_aBackgrounds[1]->m_PgBKImgWebPath = "bg/";
    design.m_aBackgrounds[2]->m_PgBKImg = pictures / "gone.gif";
    design.m_aBackgrounds[3]->m_PgBKImg = pictures / "sky.gif";
    design.SetBackgroundEnable(3, FALSE);
    const std::string folder = pictures.Path() + "/";
    const std::vector<CResourceEntry> expected = {
        {"glntfx.class", "", ""},
        {"frame.gif", folder, "img/"},
        {"sky.gif", folder, ""},
        {"sky.gif", folder, "bg/"},
        {"sky.gif", folder, ""},
    };
    EXPECT_EQ(ListOf(design), expected);
    EXPECT_EQ(design.m_aBackgrounds[2]->m_PgBKImg, "") << "a picture that is gone is forgotten";

    ASSERT_TRUE(DeleteFileAt(pictures / "frame.gif"));
    EXPECT_EQ(ListOf(design).size(), expected.size() - 1);
    EXPECT_EQ(design.m_appBKImagePath, "");
}

// A prompt that records what the copy hands it, and answers nothing.
class CRecordingPrompt : public ICopyResourcesPrompt {
public:
    void AddFile(std::string* field) override { fields.push_back(field); }
    int GetReferenceCount() const override { return int(fields.size()); }
    void Run() override { ++runs; }
    std::vector<std::string*> fields;
    int runs = 0;
};

class SupportFileCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateFolder(server / "srv"));
        ASSERT_TRUE(WriteText(server / "srv/glntfx.class", "applet"));
        design.m_strClassLocalPath = server / "srv/";
        ASSERT_TRUE(WriteText(elsewhere / "sky.gif", "the sky"));
        target = site.Path() + "/";
    }
    void UsePicture(int banners, const std::string& path)
    {
        design.SetBannerCount(banners);
        for (auto& background : design.m_aBackgrounds) {
            background->m_PgBKType = 0;
            background->m_PgBKImg = path;
        }
    }
    CTempDir server, elsewhere, site;
    std::string target;
    CGlintraAppletParams design;
    CRecordingPrompt prompt;
};

TEST_F(SupportFileCopy, ASharedPictureIsCopiedOnceAndTheSecondUseAsked)
{
    UsePicture(2, elsewhere / "sky.gif");
    CopySupportFiles(design, target, 0, prompt);
    EXPECT_EQ(ReadText(site / "glntfx.class"), "applet");
    EXPECT_EQ(ReadText(site / "sky.gif"), "the sky");
    EXPECT_EQ(design.m_aBackgrounds[0]->m_PgBKImg, site / "sky.gif");
    // The second banner now meets the copy of the first in the target.
    ASSERT_EQ(prompt.fields.size(), 1u);
    EXPECT_EQ(prompt.fields[0], &design.m_aBackgrounds[1]->m_PgBKImg);
    EXPECT_EQ(design.m_aBackgrounds[1]->m_PgBKImg, elsewhere / "sky.gif");
    EXPECT_EQ(prompt.runs, 1);
}

TEST_F(SupportFileCopy, APictureAlreadyInTheTargetStaysAsItIs)
{
    ASSERT_TRUE(WriteText(site / "sky.gif", "already here"));
    UsePicture(1, site / "sky.gif");
    CopySupportFiles(design, target, 0, prompt);
    EXPECT_EQ(ReadText(site / "sky.gif"), "already here");
    EXPECT_EQ(design.m_aBackgrounds[0]->m_PgBKImg, site / "sky.gif");
    EXPECT_TRUE(prompt.fields.empty());
    EXPECT_EQ(prompt.runs, 0) << "nothing to ask, nothing shown";
}

TEST_F(SupportFileCopy, AClashIsHandedToThePromptAfterAllPicturesWereTried)
{
    ASSERT_TRUE(WriteText(site / "sky.gif", "another sky"));
    ASSERT_TRUE(WriteText(elsewhere / "sea.gif", "the sea"));
    design.m_appBKImagePath = elsewhere / "sky.gif";
    UsePicture(2, elsewhere / "sea.gif");
    design.m_aBackgrounds[1]->m_PgBKImg = elsewhere / "sky.gif";
    CopySupportFiles(design, target, 0, prompt);
    ASSERT_EQ(prompt.fields.size(), 2u);
    EXPECT_EQ(prompt.fields[0], &design.m_appBKImagePath);
    EXPECT_EQ(prompt.fields[1], &design.m_aBackgrounds[1]->m_PgBKImg);
    EXPECT_EQ(ReadText(site / "sky.gif"), "another sky") << "a clash is not copied by the copy itself";
    EXPECT_EQ(ReadText(site / "sea.gif"), "the sea") << "the picture after the clash was still copied";
    EXPECT_EQ(prompt.runs, 1);
}

TEST_F(SupportFileCopy, OverwriteReplacesWithoutAskingAndKeepsThePaths)
{
    ASSERT_TRUE(WriteText(site / "sky.gif", "another sky"));
    ASSERT_TRUE(WriteText(site / "glntfx.class", "old applet"));
    UsePicture(3, elsewhere / "sky.gif");
    CopySupportFiles(design, target, 1, prompt);
    EXPECT_EQ(ReadText(site / "sky.gif"), "the sky");
    EXPECT_EQ(ReadText(site / "glntfx.class"), "applet");
    for (auto& background : design.m_aBackgrounds)
        EXPECT_EQ(background->m_PgBKImg, elsewhere / "sky.gif");
    EXPECT_TRUE(prompt.fields.empty());
    EXPECT_EQ(prompt.runs, 0);
}

TEST_F(SupportFileCopy, TheClassFileIsReplacedInBothModes)
{
    for (SHORT overwrite : {SHORT(0), SHORT(1)}) {
        ASSERT_TRUE(WriteText(site / "glntfx.class", "old applet"));
        CopySupportFiles(design, target, overwrite, prompt);
        EXPECT_EQ(ReadText(site / "glntfx.class"), "applet") << "overwrite " << overwrite;
    }
}

TEST_F(SupportFileCopy, AMissingPictureIsForgottenOnlyWhenNotOverwriting)
{
    UsePicture(1, elsewhere / "gone.gif");
    CopySupportFiles(design, target, 1, prompt);
    EXPECT_EQ(design.m_aBackgrounds[0]->m_PgBKImg, elsewhere / "gone.gif");
    CopySupportFiles(design, target, 0, prompt);
    EXPECT_EQ(design.m_aBackgrounds[0]->m_PgBKImg, "");
    EXPECT_TRUE(prompt.fields.empty());
}

TEST_F(SupportFileCopy, AFailedCopyLeavesTheFieldAtItsSource)
{
    UsePicture(1, elsewhere / "sky.gif");
    const std::string missing = site / "no-such-folder/";
    CopySupportFiles(design, missing, 0, prompt);
    EXPECT_EQ(design.m_aBackgrounds[0]->m_PgBKImg, elsewhere / "sky.gif");
    EXPECT_FALSE(FileExists(missing + "sky.gif"));
    EXPECT_TRUE(prompt.fields.empty());
}

TEST_F(SupportFileCopy, OnePictureFieldAtATime)
{
    std::unordered_set<std::string> copied;
    std::string field = elsewhere / "sky.gif";
    EXPECT_TRUE(CopyImageFile(field, target, copied, 0));
    EXPECT_EQ(field, site / "sky.gif");
    EXPECT_EQ(copied.count(elsewhere / "sky.gif"), 1u);
    std::string again = elsewhere / "sky.gif";
    EXPECT_FALSE(CopyImageFile(again, target, copied, 0)) << "the target now holds a file of that name";
    std::string empty;
    EXPECT_TRUE(CopyImageFile(empty, target, copied, 0));
    EXPECT_EQ(empty, "");
}

} // namespace
