#pragma once
// A widget document on a server folder of the test's own, with the
// scripted services and a stand-in for the main window's Configure.

#include "host/document/pallimatooldoc.h"
#include "platform/ui/scripteduiservices.h"
#include "resources/host/hostresources.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

// Records the Configure commands the document sends to the main window.
class CConfigureRecorder : public ICommandTarget {
public:
    CConfigureRecorder() { MainCommands().AddTarget(this); }
    ~CConfigureRecorder() override { MainCommands().RemoveTarget(this); }
    bool OnCommand(UINT id) override
    {
        if (id != ID_CONFIGURE)
            return false;
        ++sent;
        return true;
    }
    int sent = 0;
};

class DocumentFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(server.CallEntry("DllRegisterServer"), 0); }

    // A template in the server folder, written by a pagelet of its own.
    std::string AddTemplate(const std::string& name, const std::string& title, const std::string& description,
                            int width = 200, const std::string& progId = "PageletServer.Glintra")
    {
        CPagelet writer;
        EXPECT_TRUE(writer.CreateFromProgID("PageletServer.Glintra"));
        const std::string draft = work / (name + ".draft");
        EXPECT_TRUE(WriteText(draft, "========== Description Part Begin ==========\r\nProgID = PageletServer.Glintra\r\n"
                                     "========== Description Part End ==========\r\n\r\n"
                                     "========== Parameter Part Begin ==========\r\nm_appWidth = " +
                                         std::to_string(width) + "\r\n========== Parameter Part End ==========\r\n"));
        EXPECT_TRUE(writer.ReadConfigFile(draft));
        writer.SetProgID(progId);
        writer.SetTitle(title);
        writer.SetDescription(description);
        const std::string path = server.Folder() + "/" + name + "_PageletServer.Glintra.pgt";
        EXPECT_TRUE(writer.WriteConfigFile(path));
        return path;
    }
    std::string Width(CPagelet& pagelet)
    {
        const std::string html = pagelet.GetHTMLBody(0, 1);
        const size_t at = html.find("width=\"");
        return at == std::string::npos ? "" : html.substr(at + 7, html.find('"', at + 7) - at - 7);
    }

    CTempRegistry registry;
    CTempServer server;
    CTempDir work;
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    CConfigureRecorder configure;
};
