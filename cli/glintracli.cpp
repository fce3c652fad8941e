#include "cli/glintracli.h"

#include "host/document/pagelet.h"
#include "host/output/pageoutput.h"
#include "platform/automation/classregistry.h"
#include "platform/base/autodate.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"
#include "platform/registry/profile.h"
#include "platform/resources/moduleresources.h"
#include "resources/host/hostresources.h"

#include <algorithm>
#include <dlfcn.h>
#include <map>
#include <ostream>

namespace {

constexpr const char* kUsage = "usage: glintra <command> [arguments]   (glintra --help lists the commands)";

constexpr const char* kHelp =
    "glintra - drives the Pallima Glintra pagelet from the command line\n"
    "\n"
    "Commands:\n"
    "  register [LIBRARY]     register the pagelet server LIBRARY (default: the\n"
    "                         libPageletGlintra.so beside glintra) in the registry\n"
    "  unregister [LIBRARY]   remove that registration again\n"
    "  info                   create the pagelet by its ProgID and describe it\n"
    "  new FILE               write a fresh default widget to FILE\n"
    "  html FILE [--mode 0|1] print the applet HTML of the widget FILE (mode 1, the\n"
    "                         design's web paths, unless --mode 0: beside the file)\n"
    "  resources FILE         list the support files of FILE: name, folder, web path\n"
    "  save IN OUT [--overwrite N]\n"
    "                         read IN and write it to OUT with its support files\n"
    "                         beside it (N 0: ask about name clashes, keep the rest;\n"
    "                         other N: replace files of the same name)\n"
    "  templates              list the templates: title, description, path\n"
    "  new-page FILE PAGE [--player|--no-player]\n"
    "                         write the web page PAGE holding only the widget FILE,\n"
    "                         with its support files beside it (as New Page does)\n"
    "  code FILE [--player|--no-player]\n"
    "                         print the widget's HTML as Copy Code copies it\n"
    "                         (the player for today's browsers follows the setting\n"
    "                         \"Play in Today's Browsers\" unless a switch is given)\n"
    "  config FILE            open the wizard on the widget FILE (needs a display);\n"
    "                         Finish saves FILE, Cancel leaves it (exit code 3)\n"
    "  --help                 this list\n"
    "\n"
    "The registry lives in $GLINTRA_REGISTRY_DIR (default ~/.config/PallimaGlintra/registry).\n";

// A command that cannot go on: a usage error (exit 2) or a failure with its
// one-line reason (exit 1). Thrown from anywhere below the command.
struct CUsageError {};
struct CCommandFailure {
    std::string reason;
};
// The user said no; the reason says what was left as it was.
struct CCommandCancelled {
    std::string reason;
};

// Whether the command may ask the user through a window.
bool g_bCanShowWindows = false;

[[noreturn]] void Fail(std::string reason)
{
    throw CCommandFailure{std::move(reason)};
}

std::string HexStatus(HRESULT hr)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += digits[(static_cast<std::uint32_t>(hr) >> shift) & 0xF];
    return text;
}

std::string AbsolutePath(const std::string& path)
{
    if (path.empty() || path[0] == '/')
        return path;
    const std::string folder = GetCurrentFolder();
    return folder == "/" ? "/" + path : folder + "/" + path;
}

// The command's arguments: positional ones, "--name value" options and
// "--flag" switches of the names it knows.
struct CArguments {
    std::vector<std::string> values;
    std::map<std::string, std::string> options;
    std::vector<std::string> flags;
    bool Has(const std::string& flag) const { return std::find(flags.begin(), flags.end(), flag) != flags.end(); }
};

CArguments ParseArguments(const std::vector<std::string>& args, size_t positional,
                          const std::vector<std::string>& names = {}, const std::vector<std::string>& flags = {})
{
    CArguments parsed;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (std::find(flags.begin(), flags.end(), arg) != flags.end()) {
            parsed.flags.push_back(arg);
        } else if (arg.rfind("--", 0) == 0) {
            if (std::find(names.begin(), names.end(), arg) == names.end() || i + 1 >= args.size())
                throw CUsageError{};
            parsed.options[arg] = args[++i];
        } else {
            parsed.values.push_back(arg);
        }
    }
    if (parsed.values.size() != positional)
        throw CUsageError{};
    return parsed;
}

// A 16-bit option value, written as a plain decimal number.
SHORT ShortOption(const CArguments& parsed, const std::string& name, SHORT fallback)
{
    const auto found = parsed.options.find(name);
    if (found == parsed.options.end())
        return fallback;
    const std::string& text = found->second;
    const size_t digits = text.rfind('-', 0) == 0 ? 1 : 0;
    if (text.size() == digits || text.size() > 6 ||
        text.find_first_not_of("0123456789", digits) != std::string::npos)
        throw CUsageError{};
    const int number = ParseLeadingInt(text);
    if (number < -32768 || number > 32767)
        throw CUsageError{};
    return static_cast<SHORT>(number);
}

// Registration calls the library's own entry point, as the system's server
// registration tool does.
void CallRegistrationEntry(const std::vector<std::string>& args, const char* entry, const char* doing,
                           std::ostream& out)
{
    if (args.size() > 2)
        throw CUsageError{};
    const std::string library = args.size() == 2 ? args[1] : PathFolder(ExecutablePath()) + "/libPageletGlintra.so";
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = ::dlerror();
        Fail("cannot load " + library + ": " + (reason ? reason : "unknown error"));
    }
    auto function = reinterpret_cast<HRESULT (*)()>(::dlsym(handle, entry));
    const HRESULT hr = function ? function() : S_OK;
    ::dlclose(handle);
    if (!function)
        Fail(library + " is no pagelet server (it has no " + entry + ")");
    if (FAILED(hr))
        Fail(std::string(doing) + " " + library + " failed: " + HResultText(hr) + " (" + HexStatus(hr) + ")");
    out << doing << " " << library << "\n";
}

// A pagelet of our own ProgID, created through the class registry.
void CreatePagelet(CPagelet& pagelet)
{
    const std::string progId = LoadHostString(IDS_PAGELET_PROGID);
    CLSID clsid;
    if (FAILED(ClassIdFromProgId(progId, clsid)))
        Fail("the pagelet " + progId + " is not registered (run 'glintra register' first)");
    if (!pagelet.Create(clsid))
        Fail("the pagelet " + progId + " could not be created");
}

// A pagelet that has read a widget file, which must be this pagelet's.
void ReadWidget(CPagelet& pagelet, const std::string& file)
{
    CreatePagelet(pagelet);
    const std::string path = AbsolutePath(file);
    if (!pagelet.ReadConfigFile(path))
        Fail("cannot read " + path);
    const std::string progId = pagelet.GetProgID();
    if (progId != pagelet.m_strProgID)
        Fail(path + " is no widget of " + pagelet.m_strProgID + " (its ProgID is \"" + progId + "\")");
}

void WriteWidget(const CPagelet& pagelet, const std::string& file, SHORT overwrite, std::ostream& out)
{
    const std::string path = AbsolutePath(file);
    if (!pagelet.WriteConfigFileEx(path, overwrite))
        Fail("cannot write " + path);
    out << "wrote " << path << "\n";
}

void Register(const std::vector<std::string>& args, std::ostream& out)
{
    CallRegistrationEntry(args, "DllRegisterServer", "registered", out);
}

void Unregister(const std::vector<std::string>& args, std::ostream& out)
{
    CallRegistrationEntry(args, "DllUnregisterServer", "unregistered", out);
}

void Info(const std::vector<std::string>& args, std::ostream& out)
{
    ParseArguments(args, 0);
    CPagelet pagelet;
    CreatePagelet(pagelet);
    CLSID clsid;
    ClassIdFromProgId(pagelet.m_strProgID, clsid);
    const HMODULE32 module = static_cast<HMODULE32>(pagelet.GetResourceInstance());
    const LONG icon = pagelet.GetIconID(0);
    std::string sizes;
    for (const CImageResource& image : LoadModuleImages(module, static_cast<UINT>(icon)))
        sizes += (sizes.empty() ? "" : " ") + FormatInt(image.width) + "x" + FormatInt(image.height);

    out << "progid: " << pagelet.m_strProgID << "\n"
        << "clsid: " << GuidToString(clsid) << "\n"
        << "server: " << InprocServerPath(clsid) << "\n"
        << "server-folder: " << pagelet.m_strServerFolder << "\n"
        << "sample-page: " << pagelet.m_strSamplePage << "\n"
        << "pagelet-name: " << pagelet.m_strPageletName << "\n"
        << "title: " << pagelet.GetTitle() << "\n"
        << "description: " << pagelet.GetDescription() << "\n"
        << "segments: " << pagelet.GetHTMLSegmentNumber() << "\n"
        << "position: " << pagelet.GetHTMLPosition(0) << "\n"
        << "icon: " << icon << "\n"
        << "icon-sizes: " << sizes << "\n";
}

void New(const std::vector<std::string>& args, std::ostream& out)
{
    const CArguments parsed = ParseArguments(args, 1);
    CPagelet pagelet;
    CreatePagelet(pagelet);
    // As the host saves a widget: who wrote it and when, then the file.
    pagelet.SetProgID(pagelet.m_strProgID);
    pagelet.SetLastUpdateTime(CurrentDate());
    WriteWidget(pagelet, parsed.values[0], 0, out);
}

void Html(const std::vector<std::string>& args, std::ostream& out)
{
    const CArguments parsed = ParseArguments(args, 1, {"--mode"});
    const SHORT mode = ShortOption(parsed, "--mode", 1);
    if (mode != 0 && mode != 1)
        throw CUsageError{};
    CPagelet pagelet;
    ReadWidget(pagelet, parsed.values[0]);
    out << pagelet.GetHTMLBody(0, mode);
}

void Resources(const std::vector<std::string>& args, std::ostream& out)
{
    const CArguments parsed = ParseArguments(args, 1);
    CPagelet pagelet;
    ReadWidget(pagelet, parsed.values[0]);
    const SHORT count = pagelet.GetResourceNumber();
    for (SHORT i = 0; i < count; ++i) {
        out << pagelet.GetResourceName(i) << '\t' << pagelet.GetResourceLocalPath(i) << '\t'
            << pagelet.GetResourceWebPath(i) << '\n';
    }
}

void Save(const std::vector<std::string>& args, std::ostream& out)
{
    const CArguments parsed = ParseArguments(args, 2, {"--overwrite"});
    const SHORT overwrite = ShortOption(parsed, "--overwrite", 0);
    CPagelet pagelet;
    ReadWidget(pagelet, parsed.values[0]);
    WriteWidget(pagelet, parsed.values[1], overwrite, out);
}

void Templates(const std::vector<std::string>& args, std::ostream& out)
{
    ParseArguments(args, 0);
    CPagelet pagelet;
    CreatePagelet(pagelet);
    std::vector<std::string> titles, descriptions, paths;
    pagelet.EnumTemplates(titles, descriptions, paths);
    for (size_t i = 0; i < titles.size(); ++i)
        out << titles[i] << '\t' << descriptions[i] << '\t' << paths[i] << '\n';
}

// Whether the page carries the script player: the user's setting, unless
// --player or --no-player says otherwise (the last one given counts).
CPublishOptions PublishOptionsOf(const CArguments& parsed)
{
    CPublishOptions options = PublishOptionsOf(CProfile(kSettingsCompany, LoadHostString(IDS_APP_TITLE)));
    for (const std::string& flag : parsed.flags)
        options.withPlayer = flag == "--player";
    return options;
}

const std::vector<std::string> kPlayerFlags = {"--player", "--no-player"};

void NewPage(const std::vector<std::string>& args, std::ostream& out)
{
    const CArguments parsed = ParseArguments(args, 2, {}, kPlayerFlags);
    CPagelet pagelet;
    ReadWidget(pagelet, parsed.values[0]);
    const std::string page = AbsolutePath(parsed.values[1]);
    const CPublishOptions options = PublishOptionsOf(parsed);
    if (!WriteNewPage(pagelet, page, options))
        Fail("could not write the page " + page);
    if (options.withPlayer) {
        if (const std::string problem = CopyPlayerBeside(pagelet, page); !problem.empty())
            Fail(problem);
    }
    out << "wrote " << page << "\n";
}

void Code(const std::vector<std::string>& args, std::ostream& out)
{
    const CArguments parsed = ParseArguments(args, 1, {}, kPlayerFlags);
    CPagelet pagelet;
    ReadWidget(pagelet, parsed.values[0]);
    out << GatherSegments(pagelet, PublishOptionsOf(parsed)).cursor;
}

void Config(const std::vector<std::string>& args, std::ostream& out)
{
    const CArguments parsed = ParseArguments(args, 1);
    if (!g_bCanShowWindows)
        Fail("config shows the wizard, and there is no display here (neither DISPLAY nor WAYLAND_DISPLAY is "
             "set); try: xvfb-run -a glintra config FILE");
    CPagelet pagelet;
    ReadWidget(pagelet, parsed.values[0]);
    const std::string path = AbsolutePath(parsed.values[0]);
    if (!pagelet.Config())
        throw CCommandCancelled{"the wizard was cancelled; " + path + " is left as it was"};
    // Saved as the host saves a widget.
    pagelet.SetProgID(pagelet.m_strProgID);
    pagelet.SetLastUpdateTime(CurrentDate());
    WriteWidget(pagelet, path, 0, out);
}

} // namespace

bool DesktopDisplayAvailable(const char* display, const char* waylandDisplay, const char* qtPlatform)
{
    const std::string platform = qtPlatform ? qtPlatform : "";
    if (platform.rfind("offscreen", 0) == 0 || platform.rfind("minimal", 0) == 0)
        return false;
    return (display && *display) || (waylandDisplay && *waylandDisplay);
}

int RunGlintra(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool canShowWindows)
{
    g_bCanShowWindows = canShowWindows;
    using Command = void (*)(const std::vector<std::string>&, std::ostream&);
    static const std::map<std::string, Command> commands = {
        {"register", Register},
        {"unregister", Unregister},
        {"info", Info},
        {"new", New},
        {"html", Html},
        {"resources", Resources},
        {"save", Save},
        {"templates", Templates},
        {"new-page", NewPage},
        {"code", Code},
        {"config", Config},
    };
    if (args.empty()) {
        err << kUsage << "\n";
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << kHelp;
        return 0;
    }
    const auto command = commands.find(args[0]);
    if (command == commands.end()) {
        err << "glintra: unknown command '" << args[0] << "'\n" << kUsage << "\n";
        return 2;
    }
    try {
        command->second(args, out);
        return 0;
    } catch (const CUsageError&) {
        err << kUsage << "\n";
        return 2;
    } catch (const CCommandFailure& failure) {
        err << "glintra: " << failure.reason << "\n";
        return 1;
    } catch (const CCommandCancelled& cancelled) {
        err << "glintra: " << cancelled.reason << "\n";
        return 3;
    } catch (const CDispatchException& e) {
        err << "glintra: the pagelet refused a call: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "glintra: " << e.what() << "\n";
        return 1;
    }
}
