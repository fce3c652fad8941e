#include "resources/host/hostresources.h"

#include <iterator>

extern const unsigned char bitmap135_png[];
extern const std::size_t bitmap135_png_size;
extern const unsigned char bitmap136_png[];
extern const std::size_t bitmap136_png_size;
extern const unsigned char bitmap137_png[];
extern const std::size_t bitmap137_png_size;
extern const unsigned char bitmap146_png[];
extern const std::size_t bitmap146_png_size;
extern const unsigned char bitmap149_png[];
extern const std::size_t bitmap149_png_size;
extern const unsigned char bitmap151_png[];
extern const std::size_t bitmap151_png_size;
extern const unsigned char bitmap152_png[];
extern const std::size_t bitmap152_png_size;
extern const unsigned char bitmap154_png[];
extern const std::size_t bitmap154_png_size;
extern const unsigned char bitmap155_png[];
extern const std::size_t bitmap155_png_size;
extern const unsigned char bitmap157_png[];
extern const std::size_t bitmap157_png_size;
extern const unsigned char bitmap158_png[];
extern const std::size_t bitmap158_png_size;
extern const unsigned char bitmap159_png[];
extern const std::size_t bitmap159_png_size;
extern const unsigned char bitmap166_png[];
extern const std::size_t bitmap166_png_size;
extern const unsigned char bitmap167_png[];
extern const std::size_t bitmap167_png_size;
extern const unsigned char bitmap168_png[];
extern const std::size_t bitmap168_png_size;
extern const unsigned char bitmap169_png[];
extern const std::size_t bitmap169_png_size;
extern const unsigned char bitmap170_png[];
extern const std::size_t bitmap170_png_size;
extern const unsigned char bitmap171_png[];
extern const std::size_t bitmap171_png_size;
extern const unsigned char icon128_128_png[];
extern const std::size_t icon128_128_png_size;
extern const unsigned char icon128_16_png[];
extern const std::size_t icon128_16_png_size;
extern const unsigned char icon128_256_png[];
extern const std::size_t icon128_256_png_size;
extern const unsigned char icon128_32_png[];
extern const std::size_t icon128_32_png_size;
extern const unsigned char icon128_48_png[];
extern const std::size_t icon128_48_png_size;

namespace {

const CStringResource kStrings[] = {
    {IDR_WIDGETTYPE, "Pallima Glintra\nUntitled_PageletServer.Glintra\nPallima Glintra\nPallima Widgets File(*.pgt) \n"
                     ".pgt\nPallimaTool.Document\nPallimaTool Document"},
    {IDS_OLE_INIT_FAILED, "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {IDS_WIDGET_EXTENSION, "pgt"},
    {IDS_PAGELET_PROGID, "PageletServer.Glintra"},
    {IDS_APP_TITLE, "Pallima Glintra"},
    {IDS_IDLE_PROMPT, "For Help, press F1"},
    {IDS_ORDERING_PAGE, "https://www.norvane.example/glintra/order.html"},
    // The commands' prompts: the status line's text, then after "\n" the
    // tool tip.
    {32771, "Configure the widget to fit your requirment\nConfigure"},
    {32775, "List the files using by the widget\nSupport Files"},
    {32776, "Give the widget a new name\nRename"},
    {32777, "Save the document as a template\nSave as Template"},
    {32778, "Manage the templates\nTemplates"},
    {32781, "Specify your favorite web browser\nWeb Browser"},
    {32795, "Let the pages you publish play the banners in browsers without Java\nPlay in Today's Browsers"},
    {32783, "We strongly recommend you to use Pallima Glintra together with Pallima.\nTips"},
    {32790, "User frequently asked questions\nFAQ"},
    {32792, "Seach the keyword\nSearch"},
    {32793, "Tutorial to guide you working\nTutorial"},
    {32794, "View this widget's sample\nView Sample"},
    {57600, "Create a new widget from a template\nNew"},
    {57601, "Open a saved widget\nOpen"},
    {57603, "Save the widget\nSave"},
    {57604, "Save the widget under a new name\nSave As"},
    {57616, "Open this widget"},
    {57617, "Open this widget"},
    {57618, "Open this widget"},
    {57619, "Open this widget"},
    {57664, "Display program information, version number and copyright\nAbout"},
    {57665, "Quit the application; prompts to save the widget\nExit"},
    {57667, "List Help topics\nHelp Topics"},
    {IDS_REGISTRY_REMOVED, "System registry entries have been removed and the INI file (if any) was deleted."},
    {IDS_REGISTRY_NOT_REMOVED, "Not all of the system registry entries (or INI file) were removed."},
};

} // namespace

HMODULE32 HostResources()
{
    static const CImageResource images[] = {
        {135, 240, 24, bitmap135_png, bitmap135_png_size},
        {136, 200, 24, bitmap136_png, bitmap136_png_size},
        {137, 240, 24, bitmap137_png, bitmap137_png_size},
        {146, 128, 32, bitmap146_png, bitmap146_png_size},
        {149, 82, 24, bitmap149_png, bitmap149_png_size},
        {151, 100, 35, bitmap151_png, bitmap151_png_size},
        {152, 100, 35, bitmap152_png, bitmap152_png_size},
        {154, 100, 35, bitmap154_png, bitmap154_png_size},
        {155, 100, 35, bitmap155_png, bitmap155_png_size},
        {157, 100, 35, bitmap157_png, bitmap157_png_size},
        {158, 100, 35, bitmap158_png, bitmap158_png_size},
        {159, 82, 24, bitmap159_png, bitmap159_png_size},
        {166, 100, 35, bitmap166_png, bitmap166_png_size},
        {167, 100, 35, bitmap167_png, bitmap167_png_size},
        {168, 100, 35, bitmap168_png, bitmap168_png_size},
        {169, 100, 35, bitmap169_png, bitmap169_png_size},
        {170, 100, 35, bitmap170_png, bitmap170_png_size},
        {171, 100, 35, bitmap171_png, bitmap171_png_size},
        {IDR_MAINFRAME, 128, 128, icon128_128_png, icon128_128_png_size},
        {IDR_MAINFRAME, 16, 16, icon128_16_png, icon128_16_png_size},
        {IDR_MAINFRAME, 256, 256, icon128_256_png, icon128_256_png_size},
        {IDR_MAINFRAME, 32, 32, icon128_32_png, icon128_32_png_size},
        {IDR_MAINFRAME, 48, 48, icon128_48_png, icon128_48_png_size},
    };
    static const HMODULE32 handle =
        RegisterModuleResources("PallimaGlintra", kStrings, std::size(kStrings), images, std::size(images));
    return handle;
}

std::string LoadHostString(UINT id)
{
    return LoadModuleString(HostResources(), id);
}

std::string LoadCommandPrompt(UINT id)
{
    const std::string text = LoadHostString(id);
    return text.substr(0, text.find('\n'));
}

std::string LoadCommandTip(UINT id)
{
    const std::string text = LoadHostString(id);
    const size_t newline = text.find('\n');
    return newline == std::string::npos ? std::string() : text.substr(newline + 1);
}
