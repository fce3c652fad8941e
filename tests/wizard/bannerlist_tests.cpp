// The banner list that the Background and Text pages share: its lines, the
// four buttons, the title, the check marks, and the two pages in step;
// and what Config does with the design when the wizard ends.
#include "wizardfixture.h"

#include "platform/base/files.h"
#include "wizard/wizardtempfolder.h"

#include <random>
#include <unistd.h>

namespace {

using BannerList = WizardFixture;

constexpr int kInsert = CBannerListPage::IDC_INSERT;
constexpr int kDelete = CBannerListPage::IDC_DELETE;
constexpr int kMoveUp = CBannerListPage::IDC_MOVEUP;
constexpr int kMoveDown = CBannerListPage::IDC_MOVEDOWN;

QLineEdit* Title(CBannerListPage& page)
{
    return Ctl<QLineEdit>(page, CBannerListPage::IDC_TITLE);
}

bool Enabled(CBannerListPage& page, int id)
{
    return Ctl<QWidget>(page, id)->isEnabled();
}

const std::string kDeleteQuestionB =
    "If you just want B not to display,you can uncheck it.\n\nAll datas(background and text) of the banner will "
    "lost if you delete it.\nAre you sure want to delete?";

TEST_F(BannerList, OneBannerCannotMoveOrBeDeletedAndInsertCopiesIt)
{
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& page = Background(sheet);
        EXPECT_EQ(Titles(page), std::vector<std::string>{"Banner"});
        EXPECT_FALSE(Enabled(page, kMoveUp));
        EXPECT_FALSE(Enabled(page, kMoveDown));
        EXPECT_TRUE(Enabled(page, kInsert));
        EXPECT_TRUE(Enabled(page, kDelete));

        ui.QueueAnswer(IDOK);
        UserClick(page, kDelete);
        EXPECT_EQ(ui.LastMessage(), "You must remain at least ONE!");
        EXPECT_EQ(design.m_nTotalPages, 1);

        UserClick(page, kInsert);
        EXPECT_EQ(Titles(page), (std::vector<std::string>{"Banner Copy", "Banner"}));
        EXPECT_EQ(design.m_nCurPage, 0);
        EXPECT_EQ(List(page)->currentIndex().row(), 0);
        EXPECT_EQ(Title(page)->text(), "Banner Copy");
        EXPECT_FALSE(Enabled(page, kMoveUp));
        EXPECT_TRUE(Enabled(page, kMoveDown));
        Next(sheet);
        Finish(sheet);
    });
    EXPECT_TRUE(finished) << ui.Transcript();
    EXPECT_EQ(DesignTitles(design, false), (std::vector<std::string>{"Banner Copy", "Banner"}));
    EXPECT_EQ(DesignTitles(design, true), (std::vector<std::string>{"Banner Copy", "Banner"}));
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

TEST_F(BannerList, InsertOnTheSecondOfThreeCopiesItWithTheEditsMadeBefore)
{
    design = Titled({"A", "B", "C"});
    Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& page = Background(sheet);
        SelectLine(page, 1);
        ASSERT_EQ(design.m_nCurPage, 1);
        Choose(Ctl<QComboBox>(page, CBackgroundPage::IDC_FILL_TYPE), 7);
        TypeInto(Ctl<QLineEdit>(page, CBackgroundPage::IDC_DELAY), "4321");
        UserClick(page, kInsert);
        EXPECT_EQ(Titles(page), (std::vector<std::string>{"A", "B Copy", "B", "C"}));
        EXPECT_EQ(List(page)->currentIndex().row(), 1);
        Cancel(sheet);
    });
    // Cancelled: the design is as it was; the page's work is seen through
    // a second run that finishes.
    EXPECT_EQ(DesignTitles(design, false), (std::vector<std::string>{"A", "B", "C"}));

    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& page = Background(sheet);
        SelectLine(page, 1);
        Choose(Ctl<QComboBox>(page, CBackgroundPage::IDC_FILL_TYPE), 7);
        TypeInto(Ctl<QLineEdit>(page, CBackgroundPage::IDC_DELAY), "4321");
        UserClick(page, kInsert);
        Next(sheet);
        Finish(sheet);
    });
    ASSERT_TRUE(finished) << ui.Transcript();
    ASSERT_EQ(design.m_nTotalPages, 4);
    EXPECT_EQ(design.m_nCurPage, 1);
    const CBannerBackground& copy = *design.m_aBackgrounds[1];
    const CBannerBackground& original = *design.m_aBackgrounds[2];
    EXPECT_EQ(copy.m_PgBKType, 7);
    EXPECT_EQ(copy.m_PgDelay, 4321);
    EXPECT_EQ(copy.m_BKTitle, "B Copy");
    CBannerBackground renamed = copy;
    renamed.m_BKTitle = "B";
    EXPECT_EQ(renamed, original);
    CBannerText textCopy = *design.m_aTexts[1];
    textCopy.m_TextTitle = "B";
    EXPECT_EQ(textCopy, *design.m_aTexts[2]);
}

TEST_F(BannerList, DeleteAsksWithTheTitleAndTakesBothRecords)
{
    design = Titled({"A", "B", "C"});
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        Next(sheet);
        CTextPage& page = Text(sheet);
        SelectLine(page, 1);
        ui.QueueAnswer(IDNO);
        UserClick(page, kDelete);
        EXPECT_EQ(ui.LastMessage(), kDeleteQuestionB);
        EXPECT_EQ(ui.RecordsOf(EUiExchange::MessageBox).back().Buttons(), MB_YESNO);
        EXPECT_EQ(Titles(page), (std::vector<std::string>{"A", "B", "C"})) << "No changes nothing";

        // The last of three: the new last one becomes current.
        SelectLine(page, 2);
        ui.QueueAnswer(IDYES);
        UserClick(page, kDelete);
        EXPECT_EQ(Titles(page), (std::vector<std::string>{"A", "B"}));
        EXPECT_EQ(design.m_nCurPage, 1);
        EXPECT_EQ(List(page)->currentIndex().row(), 1);
        EXPECT_EQ(Title(page)->text(), "B");
        EXPECT_FALSE(Enabled(page, kMoveDown));
        Back(sheet);
        EXPECT_EQ(Titles(Background(sheet)), (std::vector<std::string>{"A", "B"}));
        Next(sheet);
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    EXPECT_EQ(DesignTitles(design, false), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(DesignTitles(design, true), (std::vector<std::string>{"A", "B"}));
}

TEST_F(BannerList, MovesKeepTheTypedEditsOnTheMovedBanner)
{
    design = Titled({"A", "B", "C"});
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        Next(sheet);
        CTextPage& page = Text(sheet);
        SelectLine(page, 0);
        EXPECT_FALSE(Enabled(page, kMoveUp));
        EXPECT_TRUE(Enabled(page, kMoveDown));
        auto* text = Ctl<QPlainTextEdit>(page, CTextPage::IDC_TEXT);
        text->setFocus(Qt::MouseFocusReason);
        text->setPlainText("moved with A");
        UserClick(page, kMoveDown);
        EXPECT_EQ(Titles(page), (std::vector<std::string>{"B", "A", "C"}));
        EXPECT_EQ(design.m_nCurPage, 1);
        EXPECT_EQ(List(page)->currentIndex().row(), 1);
        EXPECT_EQ(text->toPlainText(), "moved with A") << "the controls are not reloaded";
        EXPECT_TRUE(Enabled(page, kMoveUp));
        UserClick(page, kMoveDown);
        EXPECT_EQ(Titles(page), (std::vector<std::string>{"B", "C", "A"}));
        EXPECT_FALSE(Enabled(page, kMoveDown));
        UserClick(page, kMoveUp);
        EXPECT_EQ(Titles(page), (std::vector<std::string>{"B", "A", "C"}));
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    EXPECT_EQ(DesignTitles(design, false), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(design.m_aTexts[1]->m_ShowText, "moved with A");
    EXPECT_EQ(design.m_aTexts[0]->m_ShowText, "Enter Message Here");
    EXPECT_EQ(design.m_aTexts[2]->m_ShowText, "Enter Message Here");
}

TEST_F(BannerList, ATitleTypedOnOnePageShowsOnTheOther)
{
    design = Titled({"A", "B"});
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        SelectLine(Background(sheet), 1);
        Next(sheet);
        CTextPage& text = Text(sheet);
        EXPECT_EQ(List(text)->currentIndex().row(), 1) << "the current banner is shared";
        TypeInto(Title(text), "Sale");
        // Leaving the field writes the title to both records and the line.
        List(text)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(Titles(text), (std::vector<std::string>{"A", "Sale"}));
        EXPECT_EQ(design.m_aBackgrounds[1]->m_BKTitle, "Sale");
        Back(sheet);
        EXPECT_EQ(Titles(Background(sheet)), (std::vector<std::string>{"A", "Sale"}));
        EXPECT_EQ(Title(Background(sheet))->text(), "Sale");
        Next(sheet);
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    EXPECT_EQ(DesignTitles(design, true), (std::vector<std::string>{"A", "Sale"}));
    EXPECT_EQ(DesignTitles(design, false), (std::vector<std::string>{"A", "Sale"}));
}

TEST_F(BannerList, CheckMarksReachBothEnableFlags)
{
    design = Titled({"A", "B", "C"});
    const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& background = Background(sheet);
        Lines(background).setData(Lines(background).index(2), Qt::Unchecked, Qt::CheckStateRole);
        Next(sheet);
        EXPECT_FALSE(design.m_aBackgrounds[2]->m_bBKEnable);
        EXPECT_FALSE(design.m_aTexts[2]->m_bTextEnable);
        CTextPage& text = Text(sheet);
        EXPECT_FALSE(Lines(text).Line(2).checked);
        // A mark changed on the Text page survives a structural change of
        // the list, and reaches the design when the page is left.
        Lines(text).setData(Lines(text).index(0), Qt::Unchecked, Qt::CheckStateRole);
        EXPECT_TRUE(design.m_aTexts[0]->m_bTextEnable) << "the Text page writes marks when it is left";
        UserClick(text, kInsert);  // a copy of A, unchecked as A is
        EXPECT_FALSE(Lines(text).Line(0).checked);
        EXPECT_FALSE(Lines(text).Line(1).checked) << Titles(text)[1];
        Finish(sheet);
    });
    ASSERT_TRUE(finished);
    ASSERT_EQ(design.m_nTotalPages, 4);
    const bool expected[] = {false, false, true, false};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(design.m_aBackgrounds[size_t(i)]->m_bBKEnable != FALSE, expected[i]) << i;
        EXPECT_EQ(design.m_aTexts[size_t(i)]->m_bTextEnable != FALSE, expected[i]) << i;
    }
}

TEST_F(BannerList, ChoosingABannerStoresTheOneLeft)
{
    design = Titled({"A", "B"});
    Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        CBackgroundPage& page = Background(sheet);
        ui.QueueColor(RGB(10, 20, 30));
        UserClick(page, CBackgroundPage::IDC_FILL_COLOR);
        SelectLine(page, 1);
        EXPECT_EQ(design.m_aBackgrounds[0]->m_PgBKColor, RGB(10, 20, 30));
        EXPECT_EQ(page.m_background.m_PgBKColor, 0u);
        SelectLine(page, 0);
        EXPECT_EQ(page.m_background.m_PgBKColor, RGB(10, 20, 30));
        // Choosing the line a check box was clicked on writes its mark at once.
        Lines(page).setData(Lines(page).index(0), Qt::Unchecked, Qt::CheckStateRole);
        EXPECT_FALSE(design.m_aTexts[0]->m_bTextEnable);
        Cancel(sheet);
    });
}

// Cancel after any mix of edits puts back every field, every banner and the
// current banner; each seed is one user's session.
TEST_F(BannerList, CancelAfterAnySequenceRestoresTheDesignExactly)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        design = Titled({"A", "B", "C", "D"});
        design.m_nCurPage = int(seed % 4);
        design.m_aTexts[1]->m_ShowText = "two\r\nlines";
        design.m_aBackgrounds[3]->m_PgBKType = 40;  // a value no control offers
        design.m_appWidth = 321;
        const CGlintraAppletParams before(design);
        std::mt19937 random(seed);
        const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
            for (int step = 0; step < 25; ++step) {
                const int page = sheet.currentId();
                auto* banners = qobject_cast<CBannerListPage*>(sheet.currentPage());
                const int action = int(random() % 10);
                if (action == 0 && page < CGlintraPrpSheet::TextPageId) {
                    Next(sheet);
                } else if (action == 1 && page > CGlintraPrpSheet::GeneralPageId) {
                    Back(sheet);
                } else if (!banners) {
                    TypeInto(Ctl<QLineEdit>(General(sheet), CGeneralPage::IDC_WIDTH), QString::number(random() % 900));
                } else {
                    const int rows = Lines(*banners).rowCount();
                    switch (action) {
                    case 2:
                        UserClick(*banners, kInsert);
                        break;
                    case 3:
                        ui.QueueAnswer(IDYES);
                        if (rows == 1)
                            ui.Clear();
                        UserClick(*banners, kDelete);
                        break;
                    case 4:
                        if (Enabled(*banners, kMoveUp))
                            UserClick(*banners, kMoveUp);
                        break;
                    case 5:
                        if (Enabled(*banners, kMoveDown))
                            UserClick(*banners, kMoveDown);
                        break;
                    case 6:
                        TypeInto(Title(*banners), QString("T%1").arg(step));
                        List(*banners)->setFocus(Qt::TabFocusReason);
                        break;
                    case 7:
                        Lines(*banners).setData(Lines(*banners).index(int(random() % unsigned(rows))),
                                                random() % 2 ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
                        break;
                    case 8:
                        SelectLine(*banners, int(random() % unsigned(rows)));
                        break;
                    default:
                        if (page == CGlintraPrpSheet::BackgroundPageId)
                            Choose(Ctl<QComboBox>(*banners, CBackgroundPage::IDC_FILL_TYPE), int(random() % 20));
                        else
                            Choose(Ctl<QComboBox>(*banners, CTextPage::IDC_STYLE), int(random() % 15));
                        break;
                    }
                }
            }
            // Half leave with Cancel, half with Escape.
            if (seed % 2)
                Cancel(sheet);
            else
                QTest::keyClick(&sheet, Qt::Key_Escape);
        });
        EXPECT_FALSE(finished);
        EXPECT_TRUE(design == before);
        EXPECT_EQ(design.m_nCurPage, before.m_nCurPage);
    }
}

TEST_F(BannerList, TheTmpFolderGoesWhenTheWizardCloses)
{
    const std::string tmp = server / "tmp", own = WizardTempFolder(server.Path());
    ASSERT_EQ(PathFolder(own), tmp);
    for (const bool finish : {true, false}) {
        ASSERT_TRUE(CreateFolderPath(own));
        ASSERT_TRUE(WriteText(own + "/preview.htm", "left by a preview"));
        ASSERT_TRUE(WriteText(own + "/sky.gif", "picture"));
        const BOOL finished = Run([&](CGlintraPrpSheet& sheet) {
            if (finish) {
                Next(sheet);
                Next(sheet);
                Finish(sheet);
            } else {
                Cancel(sheet);
            }
        });
        EXPECT_EQ(finished != FALSE, finish);
        EXPECT_FALSE(FolderExists(tmp)) << (finish ? "Finish" : "Cancel");
    }
    // Another program's preview in there is left alone, and keeps tmp.
    const std::string other = tmp + "/wizard-1";
    ASSERT_TRUE(CreateFolderPath(other));
    ASSERT_TRUE(WriteText(other + "/preview.htm", "another program's"));
    Run([&](CGlintraPrpSheet& sheet) { Cancel(sheet); });
    EXPECT_TRUE(FileExists(other + "/preview.htm"));
}

// Each running program keeps a folder of its own, in the server's tmp or,
// where the server's folder is not writable (installed), under the user's
// cache.
TEST(WizardTempFolder, BesideTheServerOrUnderTheCacheOnePerProcess)
{
    EXPECT_EQ(WizardTempFolderFor("/opt/app", true, "/home/ann/.cache", 42), "/opt/app/tmp/wizard-42");
    EXPECT_EQ(WizardTempFolderFor("/usr/lib/pallima-glintra", false, "/home/ann/.cache", 42),
              "/home/ann/.cache/PallimaGlintra/wizard-42");
    EXPECT_NE(WizardTempFolderFor("/usr/lib/pallima-glintra", false, "/c", 42),
              WizardTempFolderFor("/usr/lib/pallima-glintra", false, "/c", 43));

    CTempDir cache, root;
    CScopedEnv cacheHome("XDG_CACHE_HOME", cache.Path());
    EXPECT_EQ(WizardTempFolder(root.Path() + "/gone"), cache.Path() + "/PallimaGlintra/wizard-" + std::to_string(::getpid()))
        << "a folder this process cannot write to";
    EXPECT_EQ(WizardTempFolder(root.Path()), root.Path() + "/tmp/wizard-" + std::to_string(::getpid()));
}

TEST(WizardTempFolder, EmptyingLeavesWhatItCannotRemove)
{
    CTempDir root;
    const std::string tmp = root / "tmp";
    ASSERT_TRUE(CreateFolder(tmp));
    ASSERT_TRUE(WriteText(tmp + "/preview.htm", "x"));
    ASSERT_TRUE(WriteText(tmp + "/.hidden", "x"));
    ASSERT_TRUE(CreateFolder(tmp + "/kept"));
    EmptyAndRemoveFolder(tmp);
    EXPECT_TRUE(FolderExists(tmp)) << "one level only: a folder inside keeps it";
    EXPECT_FALSE(FileExists(tmp + "/preview.htm"));
    EXPECT_FALSE(FileExists(tmp + "/.hidden"));
    RemoveFolder(tmp + "/kept");
    EmptyAndRemoveFolder(tmp);
    EXPECT_FALSE(FolderExists(tmp));
    EmptyAndRemoveFolder(tmp);  // nothing there: nothing happens
}

} // namespace
