// The script player in a real browser: every fill, show style, animation
// style, effect and border style, held at a moment where it shows, checked
// on the pixels of the window. One page holds many cases; Chromium runs
// once for each moment.
#include "tests/player/showcases.h"

#include <gtest/gtest.h>

namespace {

const std::string kPlayer = GLINTRA_APP_DIR "/glntfx.js";

using namespace ShowCases;

class PlayerInChromium : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(HaveProgram("chromium", folder)) << "chromium is not installed: scripts/deps.sh test installs it";
        ASSERT_TRUE(FileExists(kPlayer)) << kPlayer;
        QImage red(20, 10, QImage::Format_RGB32);
        red.fill(kRed);
        ASSERT_TRUE(red.save(QString::fromStdString(folder / "red.png")));
    }

    // Plays the cases, one Chromium run per moment, and checks each.
    void Play(const std::vector<CShowCase>& cases)
    {
        std::map<long, std::vector<const CShowCase*>> byMoment;
        for (const CShowCase& c : cases)
            byMoment[c.seekMs].push_back(&c);
        for (const auto& [moment, group] : byMoment) {
            CPlayerPage page;
            for (const CShowCase* c : group)
                page.Add(DesignParams(c->changes), c->width, c->height);
            const CPlayedPage played = PlayInChromium(page, kPlayer, moment, folder);
            ASSERT_TRUE(played.failure.empty()) << played.failure;
            ASSERT_FALSE(played.shot.isNull());
            ASSERT_TRUE(played.clean) << "the page reported errors: " << played.dom;
            for (size_t i = 0; i < group.size(); ++i) {
                const QImage canvas = played.shot.copy(page.Block(i).place);
                const std::string problems = group[i]->check(canvas);
                EXPECT_TRUE(problems.empty()) << group[i]->name << " at " << moment << " ms: " << problems;
                if (const char* shots = std::getenv("GLINTRA_SCREENSHOTS"))
                    played.shot.save(QString::fromLocal8Bit(shots) + "/player-" + QString::number(moment) + ".png");
            }
        }
    }

    CTempDir folder;
};

TEST_F(PlayerInChromium, Fills)
{
    Play(FillCases("red.png"));
}

TEST_F(PlayerInChromium, ShowStyles)
{
    Play(TransitionCases());
}

TEST_F(PlayerInChromium, AnimationStyles)
{
    Play(AnimationCases());
}

TEST_F(PlayerInChromium, EffectsAndBorders)
{
    std::vector<CShowCase> cases = EffectCases();
    for (CShowCase& c : BorderCases("red.png"))
        cases.push_back(std::move(c));
    Play(cases);
}

} // namespace
