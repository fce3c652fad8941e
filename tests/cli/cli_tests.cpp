// glintra, run as a separate program on a registry of the test's own.
#include "platform/registry/registry.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

const std::string kGlintra = GLINTRA_APP_DIR "/glintra";

class GlintraProgram : public ::testing::Test {
protected:
    CProcessResult Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), kGlintra);
        return RunProcess(args, scratch);
    }
    // "key: value" lines of the output.
    static std::map<std::string, std::string> Fields(const std::string& text)
    {
        std::map<std::string, std::string> fields;
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            const size_t colon = line.find(": ");
            if (colon != std::string::npos)
                fields[line.substr(0, colon)] = line.substr(colon + 2);
            else if (!line.empty() && line.back() == ':')
                fields[line.substr(0, line.size() - 1)] = "";
        }
        return fields;
    }
    static bool OneLine(const std::string& text)
    {
        return !text.empty() && text.find('\n') == text.size() - 1;
    }

    CTempRegistry registry;  // the child inherits GLINTRA_REGISTRY_DIR
    CTempDir scratch;
};

TEST_F(GlintraProgram, RegisterThenInfoDescribesThePagelet)
{
    const CProcessResult reg = Run({"register"});
    ASSERT_EQ(reg.exitCode, 0) << reg.err;
    const CProcessResult info = Run({"info"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    auto fields = Fields(info.out);
    EXPECT_EQ(fields["progid"], "PageletServer.Glintra");
    EXPECT_EQ(fields["pagelet-name"], "Pallima Glintra 1.5");
    EXPECT_EQ(fields["title"], "Normal");
    EXPECT_EQ(fields["description"], "");
    EXPECT_EQ(fields["segments"], "1");
    EXPECT_EQ(fields["position"], "cursor");
    EXPECT_EQ(fields["icon"], "4000");
    EXPECT_EQ(fields["icon-sizes"], "16x16 32x32");
    EXPECT_EQ(fields["clsid"].size(), 38u);
    EXPECT_EQ(fields["server-folder"], PathFolder(fields["server"]));
    EXPECT_EQ(PathFileName(fields["server"]), "libPageletGlintra.so");
    // The registry file now holds the class.
    const std::string classes = ReadText(registry.Folder() + "/classes_root.reg");
    EXPECT_NE(classes.find("[HKEY_CLASSES_ROOT\\PageletServer.Glintra]"), std::string::npos);
    EXPECT_NE(classes.find("[HKEY_CLASSES_ROOT\\Component Categories\\"), std::string::npos);
}

TEST_F(GlintraProgram, UnregisterRemovesTheClassAndInfoSaysSo)
{
    ASSERT_EQ(Run({"register"}).exitCode, 0);
    const CProcessResult unreg = Run({"unregister"});
    ASSERT_EQ(unreg.exitCode, 0) << unreg.err;
    const std::string classes = ReadText(registry.Folder() + "/classes_root.reg");
    EXPECT_EQ(classes.find("PageletServer.Glintra]"), std::string::npos);
    EXPECT_NE(classes.find("Component Categories"), std::string::npos);

    const CProcessResult info = Run({"info"});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_TRUE(OneLine(info.err)) << info.err;
    EXPECT_NE(info.err.find("not registered"), std::string::npos) << info.err;
    EXPECT_EQ(info.out, "");
}

TEST_F(GlintraProgram, FailuresAreOneLineAndExitOne)
{
    const std::vector<std::vector<std::string>> cases = {
        {"register", scratch / "missing.so"},
        {"register", GLINTRA_APP_DIR "/libGlintraPlatform.so"},  // loads, but is no server
        {"unregister"},                                         // nothing registered yet
        {"info"},
        {"config", scratch / "banner.pgt"},                     // no display to show the wizard on
    };
    CScopedEnv noDisplay("DISPLAY", ""), noWayland("WAYLAND_DISPLAY", "");
    for (const auto& args : cases) {
        const CProcessResult r = Run(args);
        EXPECT_EQ(r.exitCode, 1) << args[0];
        EXPECT_TRUE(OneLine(r.err)) << r.err;
    }
}

TEST_F(GlintraProgram, UsageErrorsExitTwo)
{
    const std::vector<std::vector<std::string>> cases = {{}, {"frobnicate"}, {"info", "extra"}, {"register", "a", "b"}};
    for (const auto& args : cases) {
        const CProcessResult r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_NE(r.err.find("usage: glintra"), std::string::npos) << r.err;
    }
    const CProcessResult help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"register", "unregister", "info"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
}

// The file commands, on a server folder of the test's own that holds a
// stand-in class file.
class GlintraFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Run({"register"}).exitCode, 0); }
    CProcessResult Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), server.Glintra());
        return RunProcess(args, scratch);
    }
    static std::vector<std::string> SplitLines(const std::string& text)
    {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
        return lines;
    }
    std::string HandMade(const std::string& path, const std::string& parameters, const char* progId = "PageletServer.Glintra")
    {
        EXPECT_TRUE(WriteText(path, std::string("========== Description Part Begin ==========\r\nProgID = ") + progId +
                                        "\r\nTitle = Hand made\r\n========== Description Part End ==========\r\n\r\n"
                                        "========== Parameter Part Begin ==========\r\n" +
                                        parameters + "========== Parameter Part End ==========\r\n"));
        return path;
    }

    CTempRegistry registry;
    CTempServer server;
    CTempDir scratch;
    CTempDir work;
};

TEST_F(GlintraFiles, NewThenHtmlPrintsTheBlock)
{
    const std::string widget = work / "w.pgt";
    ASSERT_EQ(Run({"new", widget}).exitCode, 0);
    const CProcessResult html = Run({"html", widget});
    ASSERT_EQ(html.exitCode, 0) << html.err;
    const std::vector<std::string> lines = SplitLines(html.out);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "<p align=\"Center\">");
    EXPECT_EQ(lines[1], "<applet  code=\"glntfx.class\" align=\"baseline\" width=\"200\" height=\"100\">");
    EXPECT_EQ(lines[9].rfind("\t<param name=\"Notice\" value=\"", 0), 0u);
    EXPECT_EQ(lines[16], "\t<param name=\"FontStyle-0\" value=\"18,t,ffffff,p,0,0,0,0,000000\">");
    EXPECT_EQ(lines[21], "</P>");
    EXPECT_EQ(Run({"html", widget, "--mode", "0"}).out, html.out);
    EXPECT_EQ(html.err, "");

    const CProcessResult resources = Run({"resources", widget});
    ASSERT_EQ(resources.exitCode, 0) << resources.err;
    EXPECT_EQ(resources.out, "glntfx.class\t" + server.Folder() + "/\t\n");
    EXPECT_TRUE(FileExists(work / "glntfx.class"));
}

TEST_F(GlintraFiles, SaveCopiesTheSupportFilesBesideTheNewFile)
{
    ASSERT_TRUE(WriteText(work / "sky.gif", "sky"));
    const std::string in = HandMade(work / "in.pgt", "m_PgBKType-0 = 0\r\nm_PgBKImg-0 = sky.gif\r\n");
    CTempDir site;
    const std::string out = site / "out.pgt";
    const CProcessResult save = Run({"save", in, out});
    ASSERT_EQ(save.exitCode, 0) << save.err;
    EXPECT_EQ(ReadText(site / "sky.gif"), "sky");
    EXPECT_EQ(ReadText(site / "glntfx.class"), "stand-in applet class file");
    const CProcessResult html = Run({"html", out});
    ASSERT_EQ(html.exitCode, 0) << html.err;
    EXPECT_NE(html.out.find("\"PgBKStyle-0\" value=\"0,000000,sky.gif,0\""), std::string::npos) << html.out;
    const CProcessResult resources = Run({"resources", out});
    EXPECT_NE(resources.out.find("sky.gif\t" + site.Path() + "/\t\n"), std::string::npos) << resources.out;
}

TEST_F(GlintraFiles, AClashIsAnsweredCancelAndSaidOnStandardError)
{
    ASSERT_TRUE(WriteText(work / "sky.gif", "new sky"));
    const std::string in = HandMade(work / "in.pgt", "m_PgBKType-0 = 0\r\nm_PgBKImg-0 = sky.gif\r\n");
    CTempDir site;
    ASSERT_TRUE(WriteText(site / "sky.gif", "old sky"));
    const CProcessResult save = Run({"save", in, site / "out.pgt"});
    ASSERT_EQ(save.exitCode, 0) << save.err;
    EXPECT_NE(save.err.find("Copy Resources"), std::string::npos) << save.err;
    EXPECT_NE(save.err.find("Cancel"), std::string::npos) << save.err;
    EXPECT_EQ(ReadText(site / "sky.gif"), "old sky");
    // With an overwrite value the file is replaced and nobody is asked.
    const CProcessResult replace = Run({"save", in, site / "out.pgt", "--overwrite", "1"});
    ASSERT_EQ(replace.exitCode, 0) << replace.err;
    EXPECT_EQ(replace.err, "");
    EXPECT_EQ(ReadText(site / "sky.gif"), "new sky");
}

TEST_F(GlintraFiles, WidgetsThatCannotBeUsed)
{
    const std::string foreign = HandMade(work / "foreign.pgt", "", "PageletServer.Other");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"html", work / "missing.pgt"}, {"html", foreign}, {"resources", foreign},
             {"save", foreign, work / "x.pgt"}, {"new", work / "no-folder/w.pgt"}}) {
        const CProcessResult r = Run(args);
        EXPECT_EQ(r.exitCode, 1) << args[0] << " " << args[1];
        EXPECT_TRUE(!r.err.empty() && r.err.find('\n') == r.err.size() - 1) << r.err;
        EXPECT_EQ(r.out, "");
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"html"}, {"html", foreign, "--mode", "2"}, {"html", foreign, "--mode"}, {"save", foreign},
             {"save", foreign, foreign, "--overwrite", "x"}, {"new"}, {"templates", "x"}, {"html", foreign, "--frob", "1"}}) {
        EXPECT_EQ(Run(args).exitCode, 2) << args[0] << " " << args.size();
    }
}

TEST_F(GlintraFiles, TemplatesAreListedWithTheirTitles)
{
    EXPECT_EQ(Run({"templates"}).out, "");
    HandMade(server.Folder() + "/Ticker_PageletServer.Glintra.pgt", "");
    const CProcessResult list = Run({"templates"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out, "Hand made\t\t" + server.Folder() + "/Ticker_PageletServer.Glintra.pgt\n");
}

TEST_F(GlintraProgram, TheShippedTemplatesAreListedAndRender)
{
    ASSERT_EQ(Run({"register"}).exitCode, 0);
    const CProcessResult list = Run({"templates"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    std::istringstream lines(list.out);
    std::vector<std::string> titles;
    for (std::string line; std::getline(lines, line);) {
        const size_t tab = line.find('\t'), last = line.rfind('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        titles.push_back(line.substr(0, tab));
        const std::string path = line.substr(last + 1);
        const CProcessResult html = Run({"html", path});
        EXPECT_EQ(html.exitCode, 0) << path << ": " << html.err;
        EXPECT_EQ(html.out.rfind("<p align=", 0), 0u) << path;
        EXPECT_EQ(html.err, "");
    }
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, (std::vector<std::string>{"Drunk Welcome", "Evening Link", "Gradient Sale", "News Ticker",
                                                "Normal", "Texture Show", "Typing Headline"}));
}

TEST_F(GlintraProgram, NeverLinksTheServer)
{
    const CProcessResult ldd = RunProcess({"ldd", kGlintra}, scratch);
    ASSERT_EQ(ldd.exitCode, 0) << ldd.err;
    EXPECT_NE(ldd.out.find("libGlintraPlatform.so"), std::string::npos) << ldd.out;
    EXPECT_EQ(ldd.out.find("libPageletGlintra"), std::string::npos) << ldd.out;
}

} // namespace
