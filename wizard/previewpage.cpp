#include "wizard/previewpage.h"

#include "applet/appletcodes.h"
#include "applet/applethtml.h"
#include "applet/supportfilecopy.h"
#include "platform/base/files.h"

namespace {

// Overwriting copies never clash, so nobody is asked.
class CNoPrompt : public ICopyResourcesPrompt {
public:
    void AddFile(std::string*) override {}
    int GetReferenceCount() const override { return 0; }
    void Run() override {}
};

} // namespace

std::string WritePreviewPage(CGlintraAppletParams& design, CPageletConfigFile& config, HMODULE32 resources,
                             const std::string& tempFolder)
{
    CreateFolderPath(tempFolder);
    const std::string folder = WithTrailingSlash(tempFolder);
    CNoPrompt prompt;
    CopySupportFiles(design, folder, 1, prompt);
    // A preview exists to be seen: the script player goes with it whatever
    // the publishing setting says.
    CopyFileReplacing(design.m_strClassLocalPath + kPlayerScriptFile, folder + kPlayerScriptFile);

    const std::string page = folder + "preview.htm";
    const std::string saved = config.GetDescription("PreviewPath");
    config.SetDescription("PreviewPath", "");
    std::string text = "<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n";
    text += "<BODY>\r\n";
    text += GenerateAppletHTML(design, config, kOutputBesideFileWithPlayer, resources);
    text += "\r\n</BODY>\r\n";
    text += "</HTML>";
    const bool written = WriteFileAtomically(page, text);
    config.SetDescription("PreviewPath", saved);
    return written ? page : std::string();
}
