// A real client reads what we write: a page made by New Page from a design
// full of hostile values is opened in headless Chromium, and every param of
// the applet element is read back through the DOM. Nothing reaches the
// network: the browser gets no proxy that answers and no name resolves.
#include "host/document/pallimatooldoc.h"
#include "host/output/outputcommands.h"
#include "platform/ui/document.h"
#include "platform/ui/scripteduiservices.h"
#include "resources/host/hostresources.h"
#include "tests/support/headlessbrowser.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using CParams = std::vector<std::pair<std::string, std::string>>;

// The page that reads the widget's page in a frame: the name and value of
// every param, percent-encoded, one pair a line.
constexpr const char* kHarness = R"(<!DOCTYPE html><html><body><iframe id="f" src="index.htm"></iframe><pre id="out"></pre>
<script>
document.getElementById('f').onload = function () {
  var doc = this.contentDocument, lines = [];
  var params = doc ? doc.querySelectorAll('applet param') : [];
  for (var i = 0; i < params.length; ++i)
    lines.push(encodeURIComponent(params[i].getAttribute('name')) + ' ' +
               encodeURIComponent(params[i].getAttribute('value')));
  document.getElementById('out').textContent = 'PARAMS\n' + lines.join('\n') + '\nEND';
};
</script></body></html>
)";

std::string PercentDecode(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

CParams ParseHarnessOutput(const std::string& dom)
{
    CParams params;
    const size_t begin = dom.find("PARAMS\n");
    const size_t end = dom.find("\nEND", begin);
    if (begin == std::string::npos || end == std::string::npos)
        return params;
    size_t at = begin + 7;
    while (at < end) {
        size_t lineEnd = dom.find('\n', at);
        if (lineEnd == std::string::npos || lineEnd > end)
            lineEnd = end;
        const std::string line = dom.substr(at, lineEnd - at);
        const size_t blank = line.find(' ');
        if (blank != std::string::npos)
            params.emplace_back(PercentDecode(line.substr(0, blank)), PercentDecode(line.substr(blank + 1)));
        at = lineEnd + 1;
    }
    return params;
}

// Our own reading of the block we wrote: each param line, with the two
// character references the generator writes turned back.
CParams ParamsOfBlock(const std::string& page)
{
    CParams params;
    const std::string head = "\t<param name=\"";
    for (size_t at = page.find(head); at != std::string::npos; at = page.find(head, at + 1)) {
        const size_t nameEnd = page.find('"', at + head.size());
        const std::string name = page.substr(at + head.size(), nameEnd - at - head.size());
        const size_t valueStart = nameEnd + std::string("\" value=\"").size();
        const size_t valueEnd = page.find("\">\r\n", valueStart);
        std::string value = page.substr(valueStart, valueEnd - valueStart);
        for (const auto& [reference, c] : {std::pair<std::string, std::string>{"&#34;", "\""}, {"&#38;", "&"}})
            for (size_t r = value.find(reference); r != std::string::npos; r = value.find(reference, r + 1))
                value.replace(r, reference.size(), c);
        params.emplace_back(name, value);
    }
    return params;
}

std::string Value(const CParams& params, const std::string& name)
{
    for (const auto& [n, v] : params)
        if (n == name)
            return v;
    return "(missing)";
}

TEST(RealBrowser, ReadsEveryParamAsTheDesignMeantIt)
{
    CTempDir scratch;
    ASSERT_TRUE(HaveProgram("chromium", scratch)) << "chromium is not installed: scripts/deps.sh test installs it";

    CTempRegistry registry;
    CTempServer server;
    ASSERT_EQ(server.CallEntry("DllRegisterServer"), 0);
    CScriptedUiServices ui;
    CScopedUiServices install{&ui};

    // Three banners, the middle one switched off; quotes, ampersands,
    // markup and text that is not ASCII in every field that takes text.
    CTempDir site;
    const std::string design = site / "hostile.pgt";
    ASSERT_TRUE(WriteFileAtomically(
        design, "========== Description Part Begin ==========\r\n"
                "ProgID = PageletServer.Glintra\r\n"
                "Title = Hostile\r\n"
                "========== Description Part End ==========\r\n\r\n"
                "========== Parameter Part Begin ==========\r\n"
                "m_nTotalPages = 3\r\n"
                "m_strLoadMessage = Loading, \"please\" & <wait>\r\n"
                "m_ShowText-0 = Say \"hi\" & <script>document.title='owned'</script>|_#`Zeile zwei: \xc3\xa4\xc3\xb6"
                "\xc3\xbc \xe2\x82\xac \xe6\x97\xa5\xe6\x9c\xac\r\n"
                "m_URL-0 = http://example.invalid/?a=1&b=\"2\"&c=<3>\r\n"
                "m_TargetFrame-0 = _blank\r\n"
                "m_bBKEnable-1 = 0\r\n"
                "m_bTextEnable-1 = 0\r\n"
                "m_ShowText-1 = hidden banner\r\n"
                "m_ShowText-2 = third &amp; last </applet></P><b onclick=\"x\">\r\n"
                "m_URL-2 = javascript:alert(\"x\")\r\n"
                "m_TargetFrame-2 = my \"frame\"\r\n"
                "========== Parameter Part End ==========\r\n"));
    CPallimaToolDoc document;
    CDocTemplate docTemplate(LoadHostString(IDR_WIDGETTYPE), document);
    ASSERT_TRUE(docTemplate.NewDocument());
    ASSERT_TRUE(document.m_pPagelet->ReadConfigFile(design));

    const std::string page = site / "index.htm";
    ui.QueueSaveFile(page);
    OnNewPage(document, nullptr);
    ASSERT_EQ(ui.LastMessage(), "You have saved Glintra into " + page + " successfully!") << ui.Transcript();
    ASSERT_TRUE(WriteFileAtomically(site / "harness.html", kHarness));

    const CProcessResult run = RunChromium(site / "harness.html", {"--dump-dom"}, scratch);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const CParams read = ParseHarnessOutput(run.out);
    ASSERT_FALSE(read.empty()) << run.out;

    // What the applet is meant to receive: the codes for commas and line
    // breaks, everything else exactly as designed.
    const std::pair<const char*, std::string> expected[] = {
        {"ProgressBar", "1,Loading~@^` \"please\" & <wait>"},
        {"PgTotal", "2"},
        {"PgText-0", "Say \"hi\" & <script>document.title='owned'</script>|_#`Zeile zwei: \xc3\xa4\xc3\xb6\xc3\xbc "
                     "\xe2\x82\xac \xe6\x97\xa5\xe6\x9c\xac"},
        {"PgURL-0", "http://example.invalid/?a=1&b=\"2\"&c=<3>"},
        {"UrlTarget-0", "_blank"},
        {"PgText-1", "third &amp; last </applet></P><b onclick=\"x\">"},
        {"PgURL-1", "javascript:alert(\"x\")"},
        {"UrlTarget-1", "my \"frame\""},
        {"PgText-2", "(missing)"},
        {"PgBKStyle-2", "(missing)"},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(Value(read, name), value) << name;

    // And every param, in order, is what the block says it is: the browser
    // and our writer agree on each character.
    std::string written;
    ASSERT_TRUE(ReadWholeFile(page, written));
    EXPECT_EQ(read, ParamsOfBlock(written));
    EXPECT_EQ(read.size(), ParamsOfBlock(written).size());
}

} // namespace
