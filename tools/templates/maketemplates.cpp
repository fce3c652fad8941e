// Writes the templates that ship with the program into the app folder:
// each design is built here and then saved by the pagelet itself, so every
// template is a widget file exactly as the pagelet writes one.
//   glintra_make_templates <app folder>
#include "host/document/pagelet.h"
#include "model/glintraappletparams.h"
#include "model/pageletconfigfile.h"
#include "platform/automation/classregistry.h"
#include "platform/base/files.h"

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <functional>
#include <string>
#include <vector>

namespace {

struct CTemplateDesign {
    const char* name;  // letters and digits: it names the file
    const char* title;
    const char* description;
    std::function<void(CGlintraAppletParams&)> build;
};

// Fill types, transitions and animation styles by their numbers.
enum { kImage = 0, kSolid = 1, kCanvas = 2, kPinstripe = 3 };
enum { kStatic = 6, kHorizontalScroll = 1, kTyping = 3, kRaindrop = 4, kFadeDirection = 8, kSmashWhole = 10,
       kCarving = 11, kTwoParts = 12, kMovingBanner = 13, kFadeWholly = 7, kVerticalScroll = 2 };

void Banner(CGlintraAppletParams& d, int i, const std::string& title, const std::string& text,
            const std::function<void(CBannerBackground&, CBannerText&)>& style)
{
    CBannerBackground& b = *d.m_aBackgrounds[size_t(i)];
    CBannerText& t = *d.m_aTexts[size_t(i)];
    b.m_BKTitle = t.m_TextTitle = title;
    t.m_ShowText = text;
    style(b, t);
}

const std::vector<CTemplateDesign>& Designs()
{
    static const std::vector<CTemplateDesign> designs = {
        {"Normal", "Normal", "One static white line on black: the plain start for a banner of your own.",
         [](CGlintraAppletParams&) {}},
        {"NewsTicker", "News Ticker",
         "Headlines scroll by on a dark blue bar; each one links to its story.",
         [](CGlintraAppletParams& d) {
             d.m_appWidth = 468, d.m_appHeight = 32, d.m_appBKColor = RGB(0x10, 0x1c, 0x40);
             d.m_appBorderType = 1, d.m_appBorderWidth = 1;
             d.SetBannerCount(3);
             const char* headlines[] = {"Breaking: our spring collection is here", "Free delivery on every order this week",
                                        "Join the newsletter for early offers"};
             for (int i = 0; i < 3; ++i) {
                 Banner(d, i, "Headline " + std::to_string(i + 1), headlines[i], [&](CBannerBackground& b, CBannerText& t) {
                     b.m_PgBKType = kSolid, b.m_PgBKColor = RGB(0x10, 0x1c, 0x40), b.m_PgConnStyle = 6, b.m_PgDelay = 4000;
                     t.m_TextAnimateType = kHorizontalScroll, t.m_FontName = 1, t.m_FontSize = 16, t.m_FontStyle = 1;
                     t.m_FontColor = RGB(0xff, 0xd5, 0x4f), t.m_TextAlign = 3, t.m_AnimateSpeed = 40;
                     t.m_URL = "news" + std::to_string(i + 1) + ".htm";
                 });
             }
         }},
        {"TypingHeadline", "Typing Headline",
         "A headline types itself letter by letter over a blue gradient, then the next one follows.",
         [](CGlintraAppletParams& d) {
             d.m_appWidth = 400, d.m_appHeight = 60;
             d.SetBannerCount(2);
             Banner(d, 0, "Welcome", "Welcome to our site", [](CBannerBackground& b, CBannerText& t) {
                 b.m_PgBKType = 5, b.m_PgBKColor = RGB(0x1e, 0x5a, 0xc8), b.m_PgDelay = 3500;
                 t.m_TextAnimateType = kTyping, t.m_FontName = 2, t.m_FontSize = 20, t.m_SpecialEffect = 4;
                 t.m_ShadowColor = RGB(0x0a, 0x1e, 0x46), t.m_AnimateSpeed = 60;
             });
             Banner(d, 1, "Look around", "Have a look around\r\nand say hello", [](CBannerBackground& b, CBannerText& t) {
                 b.m_PgBKType = 9, b.m_PgBKColor = RGB(0x1e, 0x5a, 0xc8), b.m_PgConnStyle = 3, b.m_PgDelay = 3500;
                 t.m_TextAnimateType = kTyping, t.m_FontName = 2, t.m_FontSize = 16, t.m_AnimateSpeed = 60;
             });
         }},
        {"GradientSale", "Gradient Sale",
         "A loud sale banner: a red to black gradient, a bulging price and text that smashes in.",
         [](CGlintraAppletParams& d) {
             d.m_appWidth = 468, d.m_appHeight = 60, d.m_appBorderType = 2, d.m_appBorderWidth = 3;
             d.m_strLoadMessage = "Loading the offers...";
             d.SetBannerCount(3);
             Banner(d, 0, "Sale", "SALE", [](CBannerBackground& b, CBannerText& t) {
                 b.m_PgBKType = 4, b.m_PgBKColor = RGB(0xd3, 0x1b, 0x1b), b.m_PgDelay = 1500;
                 t.m_TextAnimateType = kSmashWhole, t.m_AnimateMisc1 = 1200, t.m_FontName = 1, t.m_FontSize = 36;
                 t.m_FontStyle = 1, t.m_SpecialEffect = 3, t.m_FontColor = RGB(0xff, 0xf1, 0x76);
             });
             Banner(d, 1, "Discount", "Up to 50% off", [](CBannerBackground& b, CBannerText& t) {
                 b.m_PgBKType = 8, b.m_PgBKColor = RGB(0xd3, 0x1b, 0x1b), b.m_PgConnStyle = 5, b.m_PgDelay = 2500;
                 t.m_TextAnimateType = kTwoParts, t.m_AnimateMisc1 = 2, t.m_AnimateMisc2 = 1, t.m_FontName = 1;
                 t.m_FontSize = 28, t.m_FontStyle = 1, t.m_SpecialEffect = 4, t.m_ShadowColor = RGB(0x40, 0, 0);
             });
             Banner(d, 2, "Shop now", "Shop now >>", [](CBannerBackground& b, CBannerText& t) {
                 b.m_PgBKType = 13, b.m_PgBKColor = RGB(0xd3, 0x1b, 0x1b), b.m_PgConnStyle = 9, b.m_PgDelay = 3000;
                 t.m_TextAnimateType = kStatic, t.m_FontName = 1, t.m_FontSize = 24, t.m_FontStyle = 1;
                 t.m_URL = "sale.htm";
             });
         }},
        {"EveningLink", "Evening Link",
         "White words fade in over a picture of an evening sky; a click opens the page in a new window.",
         [](CGlintraAppletParams& d) {
             d.m_appWidth = 468, d.m_appHeight = 60, d.m_BackMoveSpeed = 120;
             d.SetBannerCount(2);
             Banner(d, 0, "Evening", "An evening to remember", [](CBannerBackground& b, CBannerText& t) {
                 b.m_PgBKType = kImage, b.m_PgBKImg = "eveningsky.jpg", b.m_PgDelay = 3000;
                 t.m_TextAnimateType = kFadeWholly, t.m_FontSize = 22, t.m_FontStyle = 2, t.m_SpecialEffect = 4;
                 t.m_ShadowColor = RGB(0x20, 0x10, 0x30), t.m_URL = "http://www.example.com/", t.m_TargetFrame = "_blank";
             });
             Banner(d, 1, "Book", "Book your table tonight", [](CBannerBackground& b, CBannerText& t) {
                 b.m_PgBKType = kImage, b.m_PgBKImg = "eveningsky.jpg", b.m_PgConnStyle = 1, b.m_PgDelay = 3000;
                 t.m_TextAnimateType = kFadeDirection, t.m_AnimateMisc1 = 2, t.m_FontSize = 20, t.m_FontStyle = 1;
                 t.m_FontColor = RGB(0xff, 0xe0, 0xb2), t.m_URL = "http://www.example.com/", t.m_TargetFrame = "_blank";
             });
         }},
        {"TextureShow", "Texture Show",
         "Four slides show the textured fills, canvas, pinstripe and shades, each with its own transition.",
         [](CGlintraAppletParams& d) {
             d.m_appWidth = 300, d.m_appHeight = 90, d.m_PgHrWidth = 6, d.m_PgVtWidth = 4;
             d.SetBannerCount(4);
             const int fills[] = {kCanvas, kPinstripe, 14, 18};
             const int styles[] = {kRaindrop, kCarving, kVerticalScroll, kMovingBanner};
             const char* words[] = {"Canvas", "Pinstripe", "Shade across", "Shade down"};
             for (int i = 0; i < 4; ++i) {
                 Banner(d, i, words[i], words[i], [&](CBannerBackground& b, CBannerText& t) {
                     b.m_PgBKType = fills[i], b.m_PgBKColor = RGB(0x2e, 0x7d, 0x32), b.m_PgConnStyle = 7 + i;
                     b.m_PgDelay = 2500;
                     t.m_TextAnimateType = styles[i], t.m_AnimateMisc1 = i == 3 ? 1 : 1500, t.m_AnimateMisc2 = 1500;
                     t.m_FontName = 1, t.m_FontSize = 22, t.m_SpecialEffect = 1, t.m_FontColor = RGB(0xf1, 0xf8, 0xe9);
                 });
             }
         }},
        {"DrunkWelcome", "Drunk Welcome",
         "A cheerful greeting that wobbles on a warm shade, for party and club pages.",
         [](CGlintraAppletParams& d) {
             d.m_appWidth = 250, d.m_appHeight = 80, d.m_appBKColor = RGB(0x4a, 0x14, 0x8c);
             Banner(d, 0, "Party", "Party tonight!", [](CBannerBackground& b, CBannerText& t) {
                 b.m_PgBKType = 17, b.m_PgBKColor = RGB(0xff, 0x6f, 0x00), b.m_PgDelay = 4000;
                 t.m_TextAnimateType = 14, t.m_AnimateMisc1 = 3000, t.m_FontName = 0, t.m_FontSize = 26;
                 t.m_FontStyle = 1, t.m_SpecialEffect = 2, t.m_FontColor = RGB(0xff, 0xff, 0x8d);
             });
         }},
    };
    return designs;
}

bool Register(const std::string& library)
{
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto reg = handle ? reinterpret_cast<HRESULT (*)()>(::dlsym(handle, "DllRegisterServer")) : nullptr;
    const bool ok = reg && SUCCEEDED(reg());
    if (handle)
        ::dlclose(handle);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: glintra_make_templates <app folder>\n");
        return 2;
    }
    const std::string app = argv[1];
    // A registry of its own: the build must not touch the user's.
    char scratch[] = "/tmp/glintra-templates-XXXXXX";
    if (!::mkdtemp(scratch))
        return 1;
    ::setenv("GLINTRA_REGISTRY_DIR", scratch, 1);
    int status = 0;
    if (!Register(app + "/libPageletGlintra.so")) {
        std::fprintf(stderr, "glintra_make_templates: cannot register %s/libPageletGlintra.so\n", app.c_str());
        status = 1;
    }
    for (const CTemplateDesign& design : status == 0 ? Designs() : std::vector<CTemplateDesign>()) {
        CGlintraAppletParams params;
        design.build(params);
        CPageletConfigFile draft;
        draft.SetDescription("ProgID", "PageletServer.Glintra");
        params.WriteParameters(draft.m_mapParameters);
        // The draft lies beside the pictures it names, as a widget would.
        const std::string draftBeside = app + "/." + design.name + ".draft";
        CPagelet pagelet;
        const std::string target = app + "/" + design.name + "_PageletServer.Glintra.pgt";
        if (!draft.WriteFile(draftBeside) || !pagelet.CreateFromProgID("PageletServer.Glintra") ||
            !pagelet.ReadConfigFile(draftBeside)) {
            std::fprintf(stderr, "glintra_make_templates: cannot prepare %s\n", design.name);
            status = 1;
        } else {
            pagelet.SetProgID("PageletServer.Glintra");
            pagelet.SetTitle(design.title);
            pagelet.SetDescription(design.description);
            pagelet.SetPreviewPath("");
            pagelet.SetLastUpdateTime(0);
            if (!pagelet.WriteConfigFile(target)) {
                std::fprintf(stderr, "glintra_make_templates: cannot write %s\n", target.c_str());
                status = 1;
            }
        }
        DeleteFileAt(draftBeside);
    }
    CoFreeUnusedLibraries();
    RemoveFolderTree(scratch);
    return status;
}
