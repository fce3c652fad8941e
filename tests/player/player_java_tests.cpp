// The two players of one show: the Java applet's frame and the script
// player's frame of the same block at the same moment agree, up to what
// fonts allow. Needs a JDK and Xvfb (scripts/deps.sh test installs both);
// without them the test says so and is skipped.
#include "tests/player/showcases.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace ShowCases;

const std::string kPlayer = GLINTRA_APP_DIR "/glntfx.js";

// The block as the program writes it, with the moment to draw.
std::string BlockFile(const CShowCase& c)
{
    std::string text = "<!-- moment " + std::to_string(c.seekMs) + " -->\n<applet  code=\"glntfx.class\" width=\"" +
                       std::to_string(c.width) + "\" height=\"" + std::to_string(c.height) + "\">\n";
    for (const auto& [name, value] : DesignParams(c.changes)) {
        std::string encoded;
        for (char ch : value)
            encoded += ch == '&' ? "&#38;" : ch == '"' ? "&#34;" : std::string(1, ch);
        text += "\t<param name=\"" + name + "\" value=\"" + encoded + "\">\n";
    }
    return text + "</applet>\n";
}

// What differs between the two pictures, in words; empty when they agree.
std::string Disagreement(const QImage& script, const QImage& applet, QColor ground)
{
    if (script.size() != applet.size())
        return "sizes differ";
    const int tolerance = 12;
    QRect near;  // around the text, where the fonts may differ
    if (ground.isValid()) {
        const QRect a = Ink(script, ground), b = Ink(applet, ground);
        if (a.isNull() != b.isNull())
            return "text in one only: script " + Rect(a) + ", applet " + Rect(b);
        if (!a.isNull()) {
            const int slack = 8;
            if (std::abs(a.left() - b.left()) > slack || std::abs(a.right() - b.right()) > slack ||
                std::abs(a.top() - b.top()) > slack || std::abs(a.bottom() - b.bottom()) > slack)
                return "the text stands elsewhere: script " + Rect(a) + ", applet " + Rect(b);
            near = (a | b).adjusted(-4, -4, 4, 4);
            // Inside, the same colours in about the same amounts: the face,
            // the outline, the relief, the shadow.
            const auto histogram = [&](const QImage& image) {
                std::map<int, int> bins;
                for (int y = near.top(); y <= near.bottom(); ++y)
                    for (int x = near.left(); x <= near.right(); ++x)
                        if (image.rect().contains(x, y)) {
                            const QColor p = image.pixelColor(x, y);
                            ++bins[(p.red() / 64) * 16 + (p.green() / 64) * 4 + p.blue() / 64];
                        }
                return bins;
            };
            const std::map<int, int> ha = histogram(script), hb = histogram(applet);
            int shared = 0, total = 0;
            for (const auto& [bin, count] : ha) {
                total += count;
                const auto other = hb.find(bin);
                shared += other == hb.end() ? 0 : std::min(count, other->second);
            }
            if (shared * 10 < total * 8)
                return "the text's colours differ: " + std::to_string(shared) + " of " + std::to_string(total) +
                       " pixels alike";
        }
    }
    int differing = 0, counted = 0;
    for (int y = 0; y < script.height(); ++y)
        for (int x = 0; x < script.width(); ++x) {
            if (near.contains(x, y))
                continue;
            ++counted;
            if (!Near(script.pixelColor(x, y), applet.pixelColor(x, y), tolerance))
                ++differing;
        }
    // A diagonal edge is smoothed in one player and hard in the other.
    if (differing * 100 > counted * 2)
        return std::to_string(differing) + " of " + std::to_string(counted) + " pixels differ outside the text";
    return {};
}

TEST(BothPlayers, DrawTheSameFrames)
{
    CTempDir folder;
    for (const char* tool : {"javac", "java", "xvfb-run"})
        if (!HaveProgram(tool, folder))
            GTEST_SKIP() << tool << " is not installed: scripts/deps.sh test installs a JDK and Xvfb";
    ASSERT_TRUE(HaveProgram("chromium", folder));
    const std::string classes = folder / "classes";
    CreateFolder(classes);
    const CProcessResult javac = RunProcess({"javac", "--release", "8", "-nowarn", "-d", classes,
                                             GLINTRA_SOURCE_DIR "/applet/java/glntfx.java",
                                             GLINTRA_SOURCE_DIR "/applet/java/AppletCheck.java",
                                             GLINTRA_SOURCE_DIR "/tests/player/java/FrameDump.java"},
                                            folder);
    ASSERT_EQ(javac.exitCode, 0) << javac.err;

    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(kRed);
    ASSERT_TRUE(red.save(QString::fromStdString(folder / "red.png")));
    std::vector<CShowCase> cases;
    for (auto&& group : {FillCases("red.png"), TransitionCases(), AnimationCases(), EffectCases(), BorderCases("red.png")})
        for (const CShowCase& c : group)
            cases.push_back(c);

    // The applet's frames, all in one run of Java.
    const std::string frames = folder / "frames";
    CreateFolder(frames);
    std::vector<std::string> command = {"xvfb-run", "-a", "java", "-cp", classes, "FrameDump", folder.Path(), frames};
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string file = folder / ("case" + std::to_string(i) + ".html");
        ASSERT_TRUE(WriteText(file, BlockFile(cases[i])));
        command.push_back(file);
    }
    const CProcessResult java = RunProcess(command, folder);
    ASSERT_EQ(java.exitCode, 0) << java.out << java.err;

    // The script's frames, one page for each moment.
    std::map<size_t, QImage> scripts, applets;
    std::map<long, std::vector<size_t>> byMoment;
    for (size_t i = 0; i < cases.size(); ++i)
        byMoment[cases[i].seekMs].push_back(i);
    for (const auto& [moment, indexes] : byMoment) {
        CPlayerPage page;
        for (size_t i : indexes)
            page.Add(DesignParams(cases[i].changes), cases[i].width, cases[i].height);
        const CPlayedPage played = PlayInChromium(page, kPlayer, moment, folder);
        ASSERT_TRUE(played.failure.empty()) << played.failure;
        ASSERT_TRUE(played.clean) << played.dom;
        for (size_t k = 0; k < indexes.size(); ++k) {
            const CShowCase& c = cases[indexes[k]];
            QImage applet;
            ASSERT_TRUE(applet.load(QString::fromStdString(frames + "/case" + std::to_string(indexes[k]) + ".html.png")));
            const QImage script = played.shot.copy(page.Block(k).place).convertToFormat(applet.format());
            scripts[indexes[k]] = script;
            applets[indexes[k]] = applet;
            const std::string problem = Disagreement(script, applet, TextGround(c));
            EXPECT_TRUE(problem.empty()) << c.name << " at " << moment << " ms: " << problem;
            if (const char* keep = std::getenv("GLINTRA_SCREENSHOTS"); keep && !problem.empty()) {
                script.save(QString::fromLocal8Bit(keep) + "/both-" + QString::number(indexes[k]) + "-script.png");
                applet.save(QString::fromLocal8Bit(keep) + "/both-" + QString::number(indexes[k]) + "-applet.png");
            }
        }
    }
    // The comparison itself tells different frames apart: a script frame
    // against the applet frame of another case that looks otherwise.
    const auto index = [&](const std::string& name) {
        for (size_t i = 0; i < cases.size(); ++i)
            if (cases[i].name == name)
                return i;
        ADD_FAILURE() << "no case " << name;
        return size_t(0);
    };
    const std::pair<const char*, const char*> unlike[] = {
        {"fill 4", "fill 5"},
        {"fill 12", "fill 16"},
        {"show style 1 overlaps from the left", "show style 5 pushes to the right"},
        {"show style 9 wipes from the top left", "show style 11 wipes from the top right"},
        {"effect 0 normal", "effect 1 outline"},
        {"border 2 bulge", "border 3 sunken"},
        {"typing halfway", "animation style 3 at rest"},
    };
    for (const auto& [one, other] : unlike) {
        const size_t i = index(one), j = index(other);
        EXPECT_FALSE(Disagreement(scripts[i], applets[j], TextGround(cases[i])).empty())
            << one << " and " << other << " are taken for the same";
    }
}

} // namespace
