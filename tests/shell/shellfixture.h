#pragma once
// The host program started for real in the test process: the application
// object with its main window and guide page, on a registry, a server
// folder and an app folder of the test's own, with the scripted services.

#include "host/document/commandids.h"
#include "host/document/pallimatooldoc.h"
#include "host/output/pallimatoolview.h"
#include "host/shell/mainframe.h"
#include "host/shell/pallimatoolapp.h"
#include "platform/ui/scripteduiservices.h"
#include "resources/host/hostresources.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(server.CallEntry("DllRegisterServer"), 0);
        CreateFolder(appFolder.Path() + "/My Widget");
    }
    void TearDown() override
    {
        Stop();
        std::error_code ignored;
        std::filesystem::current_path(m_cwd, ignored);
    }

    // Starts the program with that command line; TRUE when it runs.
    bool Start(const std::vector<std::string>& arguments = {})
    {
        Stop();
        app = std::make_unique<CPallimaToolApp>(appFolder.Path());
        m_bRunning = app->InitInstance(arguments);
        if (m_bRunning)
            QApplication::processEvents();
        return m_bRunning;
    }
    // Closes the main window (as the user would) and ends the program;
    // the exit code, or -1 when the window refused to close.
    int Stop()
    {
        if (!app)
            return 0;
        if (m_bRunning && app->MainFrame() && app->MainFrame()->isVisible()) {
            if (!app->MainFrame()->close())
                return -1;
        }
        const int code = app->ExitInstance();
        app.reset();
        m_bRunning = false;
        return code;
    }
    CMainFrame& Frame() { return *app->MainFrame(); }
    CPallimaToolView& View() { return *app->View(); }
    CPallimaToolDoc& Document() { return *app->Document(); }

    // A widget file of the real pagelet, saved through a document of its own.
    std::string SavedWidget(const std::string& name, const std::string& title)
    {
        CPagelet writer;
        EXPECT_TRUE(writer.CreateFromProgID("PageletServer.Glintra"));
        writer.SetProgID("PageletServer.Glintra");
        writer.SetTitle(title);
        const std::string path = work / (name + ".pgt");
        EXPECT_TRUE(writer.WriteConfigFile(path));
        return path;
    }

    CTempRegistry registry;
    CTempServer server;
    CTempDir appFolder;
    CTempDir work;
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    std::unique_ptr<CPallimaToolApp> app;

private:
    std::filesystem::path m_cwd = std::filesystem::current_path();
    bool m_bRunning = false;
};
