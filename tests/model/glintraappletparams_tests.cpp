// The banner design and its list operations.
#include "model/glintraappletparams.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> BackgroundTitles(const CGlintraAppletParams& design)
{
    std::vector<std::string> titles;
    for (const auto& background : design.m_aBackgrounds)
        titles.push_back(background->m_BKTitle);
    return titles;
}

std::vector<std::string> TextTitles(const CGlintraAppletParams& design)
{
    std::vector<std::string> titles;
    for (const auto& text : design.m_aTexts)
        titles.push_back(text->m_TextTitle);
    return titles;
}

void ExpectCountsAgree(const CGlintraAppletParams& design)
{
    EXPECT_EQ(design.m_aBackgrounds.size(), size_t(design.m_nTotalPages));
    EXPECT_EQ(design.m_aTexts.size(), size_t(design.m_nTotalPages));
}

// Three banners titled A, B, C whose records can be told apart by more than
// the title.
CGlintraAppletParams ThreeBanners()
{
    CGlintraAppletParams design;
    design.SetBannerCount(3);
    const char* titles[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        design.SetBannerTitle(i, titles[i]);
        design.m_aBackgrounds[i]->m_PgDelay = 1000 * (i + 1);
        design.m_aTexts[i]->m_ShowText = std::string("text ") + titles[i];
    }
    return design;
}

TEST(GlintraAppletParams, ANewDesignHoldsOneDefaultBanner)
{
    const CGlintraAppletParams design;
    EXPECT_EQ(design.m_nTotalPages, 1);
    EXPECT_EQ(design.m_nCurPage, 0);
    ExpectCountsAgree(design);
    EXPECT_EQ(design.m_appWidth, 200);
    EXPECT_EQ(design.m_appHeight, 100);
    EXPECT_EQ(design.m_bWithBar, TRUE);
    EXPECT_EQ(design.m_strLoadMessage, "Loading Image...");
    EXPECT_EQ(design.m_strClassLocalPath, "");

    const CBannerBackground& background = *design.m_aBackgrounds[0];
    EXPECT_EQ(background.m_PgBKType, 1);  // solid colour
    EXPECT_EQ(background.m_PgBKColor, 0u);
    EXPECT_EQ(background.m_PgDelay, 2000);
    EXPECT_EQ(background.m_PgConnStyle, 0);
    EXPECT_EQ(background.m_BKTitle, "Banner");
    EXPECT_EQ(background.m_bBKEnable, TRUE);

    const CBannerText& text = *design.m_aTexts[0];
    EXPECT_EQ(text.m_ShowText, "Enter Message Here");
    EXPECT_EQ(text.m_FontSize, 18);
    EXPECT_EQ(text.m_FontName, 0);
    EXPECT_EQ(text.m_FontStyle, 0);
    EXPECT_EQ(text.m_FontColor, 16777215u);
    EXPECT_EQ(text.m_TextAnimateType, 6);  // static
    EXPECT_EQ(text.m_TextAlign, 0);        // centred
    EXPECT_EQ(text.m_TextTitle, "Banner");
    EXPECT_EQ(text.m_bTextEnable, TRUE);
}

// Every indexed operation refuses an index outside its range and then leaves
// the design exactly as it was.
TEST(GlintraAppletParams, IndexedOperationsAcceptOnlyTheirRange)
{
    using Op = std::function<BOOL(CGlintraAppletParams&, int)>;
    struct Case {
        const char* name;
        Op op;
        int first;      // lowest valid index
        int lastShort;  // the highest valid index is m_nTotalPages - 1 - lastShort
    };
    const Case cases[] = {
        {"InsertBannerCopy", [](CGlintraAppletParams& d, int i) { return d.InsertBannerCopy(i); }, 0, 0},
        {"DeleteBanner", [](CGlintraAppletParams& d, int i) { return d.DeleteBanner(i); }, 0, 0},
        {"MoveBackgroundUp", [](CGlintraAppletParams& d, int i) { return d.MoveBackgroundUp(i); }, 1, 0},
        {"MoveTextUp", [](CGlintraAppletParams& d, int i) { return d.MoveTextUp(i); }, 1, 0},
        {"MoveBackgroundDown", [](CGlintraAppletParams& d, int i) { return d.MoveBackgroundDown(i); }, 0, 1},
        {"MoveTextDown", [](CGlintraAppletParams& d, int i) { return d.MoveTextDown(i); }, 0, 1},
        {"GetBackground",
         [](CGlintraAppletParams& d, int i) {
             CBannerBackground b;
             return d.GetBackground(i, b);
         },
         0, 0},
        {"GetText",
         [](CGlintraAppletParams& d, int i) {
             CBannerText t;
             return d.GetText(i, t);
         },
         0, 0},
        {"SetBackground", [](CGlintraAppletParams& d, int i) { return d.SetBackground(i, CBannerBackground()); }, 0, 0},
        {"SetText", [](CGlintraAppletParams& d, int i) { return d.SetText(i, CBannerText()); }, 0, 0},
        {"SetBackgroundEnable", [](CGlintraAppletParams& d, int i) { return d.SetBackgroundEnable(i, FALSE); }, 0, 0},
        {"SetTextEnable", [](CGlintraAppletParams& d, int i) { return d.SetTextEnable(i, FALSE); }, 0, 0},
        {"SetBannerTitle", [](CGlintraAppletParams& d, int i) { return d.SetBannerTitle(i, "new"); }, 0, 0},
    };
    for (const Case& c : cases) {
        const CGlintraAppletParams before = ThreeBanners();
        for (int index = -1; index <= before.m_nTotalPages; ++index) {
            CGlintraAppletParams design = before;
            const bool valid = index >= c.first && index <= before.m_nTotalPages - 1 - c.lastShort;
            EXPECT_EQ(c.op(design, index), valid ? TRUE : FALSE) << c.name << " at " << index;
            if (!valid) {
                EXPECT_TRUE(design == before) << c.name << " changed the design at " << index;
            }
            ExpectCountsAgree(design);
        }
    }
}

TEST(GlintraAppletParams, MovesExchangeOnlyTheirOwnRecords)
{
    CGlintraAppletParams design = ThreeBanners();
    ASSERT_TRUE(design.MoveBackgroundUp(2));
    EXPECT_EQ(BackgroundTitles(design), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(design.m_aBackgrounds[1]->m_PgDelay, 3000);  // the whole record moved
    EXPECT_EQ(TextTitles(design), (std::vector<std::string>{"A", "B", "C"}));

    ASSERT_TRUE(design.MoveTextDown(0));
    EXPECT_EQ(TextTitles(design), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(design.m_aTexts[0]->m_ShowText, "text B");
    EXPECT_EQ(BackgroundTitles(design), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(design.m_nCurPage, 0);
}

TEST(GlintraAppletParams, InsertBannerCopyPutsTheCopyInFrontWithCopyInItsTitles)
{
    CGlintraAppletParams design;
    design.m_aTexts[0]->m_URL = "page.htm";
    ASSERT_TRUE(design.InsertBannerCopy(0));
    EXPECT_EQ(design.m_nTotalPages, 2);
    ExpectCountsAgree(design);
    EXPECT_EQ(BackgroundTitles(design), (std::vector<std::string>{"Banner Copy", "Banner"}));
    EXPECT_EQ(TextTitles(design), (std::vector<std::string>{"Banner Copy", "Banner"}));
    EXPECT_EQ(design.m_aTexts[0]->m_URL, "page.htm");
    EXPECT_EQ(design.m_nCurPage, 0);

    // A copy of the copy carries the word twice.
    ASSERT_TRUE(design.InsertBannerCopy(0));
    EXPECT_EQ(BackgroundTitles(design), (std::vector<std::string>{"Banner Copy Copy", "Banner Copy", "Banner"}));
    EXPECT_EQ(TextTitles(design), (std::vector<std::string>{"Banner Copy Copy", "Banner Copy", "Banner"}));

    // The copy is a record of its own.
    design.m_aTexts[0]->m_URL = "other.htm";
    EXPECT_EQ(design.m_aTexts[1]->m_URL, "page.htm");
}

TEST(GlintraAppletParams, DeleteBannerClosesTheGapAndKeepsTheCurrentIndexInRange)
{
    struct Case {
        int current;
        int deleted;
        std::vector<std::string> titlesLeft;
        int currentAfter;
    };
    const Case cases[] = {
        {2, 2, {"A", "B"}, 1},  // the current last banner: the new last one becomes current
        {1, 0, {"B", "C"}, 1},  // a banner before the current one: the index stays
        {2, 0, {"B", "C"}, 1},  // ... unless it now lies beyond the end
        {0, 2, {"A", "B"}, 0},
        {1, 1, {"A", "C"}, 1},
    };
    for (const Case& c : cases) {
        CGlintraAppletParams design = ThreeBanners();
        design.m_nCurPage = c.current;
        ASSERT_TRUE(design.DeleteBanner(c.deleted));
        EXPECT_EQ(design.m_nTotalPages, 2);
        ExpectCountsAgree(design);
        EXPECT_EQ(BackgroundTitles(design), c.titlesLeft) << "deleting " << c.deleted;
        EXPECT_EQ(TextTitles(design), c.titlesLeft) << "deleting " << c.deleted;
        EXPECT_EQ(design.m_nCurPage, c.currentAfter) << "deleting " << c.deleted << " at " << c.current;
    }

    // The model leaves refusing the last banner to the wizard; the index stays usable.
    CGlintraAppletParams single;
    ASSERT_TRUE(single.DeleteBanner(0));
    EXPECT_EQ(single.m_nTotalPages, 0);
    ExpectCountsAgree(single);
    EXPECT_EQ(single.m_nCurPage, 0);
    EXPECT_FALSE(single.DeleteBanner(0));
    EXPECT_TRUE(single.SetBannerCount(1));
}

TEST(GlintraAppletParams, SetBannerCountMakesNumberedDefaultBanners)
{
    CGlintraAppletParams design = ThreeBanners();
    design.m_nCurPage = 2;
    design.m_appWidth = 468;
    ASSERT_TRUE(design.SetBannerCount(3));
    EXPECT_EQ(design.m_nTotalPages, 3);
    EXPECT_EQ(design.m_nCurPage, 0);
    ExpectCountsAgree(design);
    EXPECT_EQ(BackgroundTitles(design), (std::vector<std::string>{"Background 1", "Background 2", "Background 3"}));
    EXPECT_EQ(TextTitles(design), (std::vector<std::string>{"Text 1", "Text 2", "Text 3"}));
    EXPECT_EQ(design.m_aBackgrounds[2]->m_PgDelay, 2000);
    EXPECT_EQ(design.m_aTexts[0]->m_ShowText, "Enter Message Here");
    EXPECT_EQ(design.m_appWidth, 468);  // only the banners are replaced

    for (int count : {0, -1}) {
        const CGlintraAppletParams before = design;
        EXPECT_FALSE(design.SetBannerCount(count));
        EXPECT_TRUE(design == before);
    }

    ASSERT_TRUE(design.SetBannerCount(100000));
    ExpectCountsAgree(design);
    EXPECT_EQ(design.m_aBackgrounds.back()->m_BKTitle, "Background 100000");
    EXPECT_EQ(design.m_aTexts.back()->m_TextTitle, "Text 100000");
}

TEST(GlintraAppletParams, RecordAccessCopiesWholeRecords)
{
    CGlintraAppletParams design = ThreeBanners();
    CBannerBackground background;
    background.m_PgBKType = 0;
    background.m_PgBKImg = "/pics/sky.gif";
    background.m_BKTitle = "Sky";
    background.m_bBKEnable = FALSE;
    CBannerText text;
    text.m_ShowText = "two\r\nlines";
    text.m_LeftTopX = -5;
    ASSERT_TRUE(design.SetBackground(1, background));
    ASSERT_TRUE(design.SetText(1, text));

    CBannerBackground gotBackground;
    CBannerText gotText;
    ASSERT_TRUE(design.GetBackground(1, gotBackground));
    ASSERT_TRUE(design.GetText(1, gotText));
    EXPECT_TRUE(gotBackground == background);
    EXPECT_TRUE(gotText == text);

    ASSERT_TRUE(design.SetBannerTitle(1, "Both"));
    EXPECT_EQ(design.m_aBackgrounds[1]->m_BKTitle, "Both");
    EXPECT_EQ(design.m_aTexts[1]->m_TextTitle, "Both");

    // Each enable flag is its own record's.
    ASSERT_TRUE(design.SetTextEnable(0, FALSE));
    EXPECT_EQ(design.m_aTexts[0]->m_bTextEnable, FALSE);
    EXPECT_EQ(design.m_aBackgrounds[0]->m_bBKEnable, TRUE);
    ASSERT_TRUE(design.SetBackgroundEnable(1, TRUE));
    EXPECT_EQ(design.m_aBackgrounds[1]->m_bBKEnable, TRUE);
}

TEST(GlintraAppletParams, CopyingADesignAndCopyingItBackRestoresEverything)
{
    CGlintraAppletParams design = ThreeBanners();
    design.m_Align = 2;
    design.m_ClassWebPath = "applets/";
    design.m_strClassLocalPath = "/srv/";
    design.m_appBKImagePath = "/pics/frame.gif";
    design.m_appBKColor = 0x80FF00;
    design.m_bWithBar = FALSE;
    design.m_strLoadMessage = "Wait, please";
    design.m_nCurPage = 2;

    CGlintraAppletParams kept;
    kept.CopyFrom(design);
    EXPECT_TRUE(kept == design);

    // The wizard edits the design in place ...
    design.SetBannerCount(5);
    design.m_Align = 0;
    design.m_strClassLocalPath = "/elsewhere/";
    design.m_strLoadMessage = "";
    // ... and Cancel brings the kept one back.
    design.CopyFrom(kept);
    EXPECT_TRUE(design == kept);
    EXPECT_EQ(design.m_nTotalPages, 3);
    EXPECT_EQ(design.m_nCurPage, 2);
    EXPECT_EQ(design.m_strClassLocalPath, "/srv/");
    EXPECT_EQ(design.m_strLoadMessage, "Wait, please");
    EXPECT_EQ(BackgroundTitles(design), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(design.m_aTexts[2]->m_ShowText, "text C");
    ExpectCountsAgree(design);

    // The records are copies, not shared.
    kept.m_aTexts[0]->m_ShowText = "changed";
    EXPECT_EQ(design.m_aTexts[0]->m_ShowText, "text A");

    // The copy operations go the same way.
    const CGlintraAppletParams constructed(design);
    EXPECT_TRUE(constructed == design);
    CGlintraAppletParams assigned;
    assigned = design;
    EXPECT_TRUE(assigned == design);
    const CGlintraAppletParams& same = assigned;
    assigned = same;
    EXPECT_TRUE(assigned == design);
}

TEST(GlintraAppletParams, EqualitySeesEveryBannerField)
{
    const CGlintraAppletParams base = ThreeBanners();
    std::vector<std::function<void(CGlintraAppletParams&)>> changes = {
        [](CGlintraAppletParams& d) { d.m_aBackgrounds[2]->m_PgBKImgPutType = 1; },
        [](CGlintraAppletParams& d) { d.m_aTexts[1]->m_TextDisPos = 3; },
        [](CGlintraAppletParams& d) { d.m_aTexts[0]->m_ShadowColor = 1; },
        [](CGlintraAppletParams& d) { d.m_nCurPage = 1; },
        [](CGlintraAppletParams& d) { d.m_BackMoveSpeed = 40; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        CGlintraAppletParams changed = base;
        changes[i](changed);
        EXPECT_FALSE(changed == base) << "change " << i;
    }
}

} // namespace
