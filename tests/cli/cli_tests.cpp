// glintra, run as a separate program on a registry of the test's own.
#include "platform/registry/registry.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

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
    };
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

TEST_F(GlintraProgram, NeverLinksTheServer)
{
    const CProcessResult ldd = RunProcess({"ldd", kGlintra}, scratch);
    ASSERT_EQ(ldd.exitCode, 0) << ldd.err;
    EXPECT_NE(ldd.out.find("libGlintraPlatform.so"), std::string::npos) << ldd.out;
    EXPECT_EQ(ldd.out.find("libPageletGlintra"), std::string::npos) << ldd.out;
}

} // namespace
