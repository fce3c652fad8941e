#pragma once
// A widget document on the real pagelet server (or on a pagelet of the
// test's own, where the HTML must be chosen), a site folder for the pages,
// and the scripted services.

#include "host/document/pallimatooldoc.h"
#include "host/output/outputcommands.h"
#include "host/output/pageoutput.h"
#include "platform/ui/document.h"
#include "platform/ui/scripteduiservices.h"
#include "resources/host/hostresources.h"
#include "tests/support/fakepagelet.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

class OutputFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(server.CallEntry("DllRegisterServer"), 0);
        ASSERT_TRUE(docTemplate.NewDocument());
    }
    // The document's pagelet becomes the test's own, with these segments.
    CFakePagelet& UseFake(std::vector<CFakePagelet::CSegment> segments = {})
    {
        auto pagelet = std::make_unique<CPagelet>();
        EXPECT_TRUE(pagelet->CreateFromProgID(CFakePageletClass::kProgId));
        pagelet->m_strPageletName = "Test Pagelet 1.0";
        document.m_pPagelet = std::move(pagelet);
        fake.pagelet.segments = std::move(segments);
        return fake.pagelet;
    }
    // With GLINTRA_SCREENSHOTS naming a folder, a picture of the dialog.
    static void Screenshot(QWidget& widget, const char* name)
    {
        if (const char* folder = std::getenv("GLINTRA_SCREENSHOTS"))
            widget.grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }
    std::string Read(const std::string& path)
    {
        std::string text;
        ReadWholeFile(path, text);
        return text;
    }

    CTempRegistry registry;
    CTempServer server;
    CTempDir site;
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    CFakePageletClass fake{server.Library()};
    CPallimaToolDoc document;
    CDocTemplate docTemplate{LoadHostString(IDR_WIDGETTYPE), document};
};
