#include "cli/glintracli.h"

#include "host/document/pagelet.h"
#include "platform/automation/classregistry.h"
#include "platform/base/autodate.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"
#include "platform/resources/moduleresources.h"
#include "resources/host/hostresources.h"

#include <algorithm>
#include <dlfcn.h>
#include <functional>
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
    "  --help                 this list\n"
    "\n"
    "The registry lives in $GLINTRA_REGISTRY_DIR (default ~/.config/PallimaGlintra/registry).\n";

std::string HexStatus(HRESULT hr)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += digits[(static_cast<std::uint32_t>(hr) >> shift) & 0xF];
    return text;
}

std::string DefaultServerLibrary()
{
    return PathFolder(ExecutablePath()) + "/libPageletGlintra.so";
}

// Registration calls the library's own entry point, as the system's server
// registration tool does.
int CallRegistrationEntry(const std::vector<std::string>& args, const char* entry, const char* doing,
                          std::ostream& out, std::ostream& err)
{
    if (args.size() > 2) {
        err << kUsage << "\n";
        return 2;
    }
    const std::string library = args.size() == 2 ? args[1] : DefaultServerLibrary();
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = ::dlerror();
        err << "glintra: cannot load " << library << ": " << (reason ? reason : "unknown error") << "\n";
        return 1;
    }
    auto function = reinterpret_cast<HRESULT (*)()>(::dlsym(handle, entry));
    if (!function) {
        err << "glintra: " << library << " is no pagelet server (it has no " << entry << ")\n";
        ::dlclose(handle);
        return 1;
    }
    const HRESULT hr = function();
    ::dlclose(handle);
    if (FAILED(hr)) {
        err << "glintra: " << doing << " " << library << " failed: " << HResultText(hr) << " (" << HexStatus(hr)
            << ")\n";
        return 1;
    }
    out << doing << " " << library << "\n";
    return 0;
}

int Register(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return CallRegistrationEntry(args, "DllRegisterServer", "registered", out, err);
}

int Unregister(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return CallRegistrationEntry(args, "DllUnregisterServer", "unregistered", out, err);
}

bool CreatePagelet(CPagelet& pagelet, std::ostream& err);

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << kUsage << "\n";
        return 2;
    }
    CPagelet pagelet;
    if (!CreatePagelet(pagelet, err))
        return 1;
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
    return 0;
}


std::string AbsolutePath(const std::string& path)
{
    if (path.empty() || path[0] == '/')
        return path;
    const std::string folder = GetCurrentFolder();
    return folder == "/" ? "/" + path : folder + "/" + path;
}

// A pagelet of our own ProgID, created through the class registry.
bool CreatePagelet(CPagelet& pagelet, std::ostream& err)
{
    const std::string progId = LoadHostString(IDS_PAGELET_PROGID);
    CLSID clsid;
    if (FAILED(ClassIdFromProgId(progId, clsid))) {
        err << "glintra: the pagelet " << progId << " is not registered (run 'glintra register' first)\n";
        return false;
    }
    if (!pagelet.Create(clsid)) {
        err << "glintra: the pagelet " << progId << " could not be created\n";
        return false;
    }
    return true;
}

// Reads a widget file into the pagelet; it must be this pagelet's.
bool ReadWidget(CPagelet& pagelet, const std::string& path, std::ostream& err)
{
    if (!pagelet.ReadConfigFile(path)) {
        err << "glintra: cannot read " << path << "\n";
        return false;
    }
    const std::string progId = pagelet.GetProgID();
    if (progId != pagelet.m_strProgID) {
        err << "glintra: " << path << " is no widget of " << pagelet.m_strProgID << " (its ProgID is \"" << progId
            << "\")\n";
        return false;
    }
    return true;
}

// Splits "--name value" options off the positional arguments.
bool ParseOptions(const std::vector<std::string>& args, size_t positional, const std::vector<std::string>& names,
                  std::vector<std::string>& values, std::map<std::string, std::string>& options)
{
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) == 0) {
            if (std::find(names.begin(), names.end(), arg) == names.end() || i + 1 >= args.size())
                return false;
            options[arg] = args[++i];
        } else {
            values.push_back(arg);
        }
    }
    return values.size() == positional;
}

bool ParseShort(const std::string& text, SHORT& value)
{
    if (text.empty())
        return false;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() > 6)
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    const int number = ParseLeadingInt(text);
    if (number < -32768 || number > 32767)
        return false;
    value = static_cast<SHORT>(number);
    return true;
}

int New(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2) {
        err << kUsage << "\n";
        return 2;
    }
    CPagelet pagelet;
    if (!CreatePagelet(pagelet, err))
        return 1;
    // As the host saves a widget: who wrote it and when, then the file.
    const std::string path = AbsolutePath(args[1]);
    pagelet.SetProgID(pagelet.m_strProgID);
    pagelet.SetLastUpdateTime(CurrentDate());
    if (!pagelet.WriteConfigFile(path)) {
        err << "glintra: cannot write " << path << "\n";
        return 1;
    }
    out << "wrote " << path << "\n";
    return 0;
}

int Html(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> files;
    std::map<std::string, std::string> options;
    SHORT mode = 1;
    if (!ParseOptions(args, 1, {"--mode"}, files, options) ||
        (options.count("--mode") && (!ParseShort(options["--mode"], mode) || (mode != 0 && mode != 1)))) {
        err << kUsage << "\n";
        return 2;
    }
    CPagelet pagelet;
    if (!CreatePagelet(pagelet, err) || !ReadWidget(pagelet, AbsolutePath(files[0]), err))
        return 1;
    out << pagelet.GetHTMLBody(0, mode);
    return 0;
}

int Resources(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2) {
        err << kUsage << "\n";
        return 2;
    }
    CPagelet pagelet;
    if (!CreatePagelet(pagelet, err) || !ReadWidget(pagelet, AbsolutePath(args[1]), err))
        return 1;
    const SHORT count = pagelet.GetResourceNumber();
    for (SHORT i = 0; i < count; ++i) {
        out << pagelet.GetResourceName(i) << '\t' << pagelet.GetResourceLocalPath(i) << '\t'
            << pagelet.GetResourceWebPath(i) << '\n';
    }
    return 0;
}

int Save(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> files;
    std::map<std::string, std::string> options;
    SHORT overwrite = 0;
    if (!ParseOptions(args, 2, {"--overwrite"}, files, options) ||
        (options.count("--overwrite") && !ParseShort(options["--overwrite"], overwrite))) {
        err << kUsage << "\n";
        return 2;
    }
    CPagelet pagelet;
    if (!CreatePagelet(pagelet, err) || !ReadWidget(pagelet, AbsolutePath(files[0]), err))
        return 1;
    const std::string target = AbsolutePath(files[1]);
    if (!pagelet.WriteConfigFileEx(target, overwrite)) {
        err << "glintra: cannot write " << target << "\n";
        return 1;
    }
    out << "wrote " << target << "\n";
    return 0;
}

int Templates(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << kUsage << "\n";
        return 2;
    }
    CPagelet pagelet;
    if (!CreatePagelet(pagelet, err))
        return 1;
    std::vector<std::string> titles, descriptions, paths;
    pagelet.EnumTemplates(titles, descriptions, paths);
    for (size_t i = 0; i < titles.size(); ++i)
        out << titles[i] << '\t' << descriptions[i] << '\t' << paths[i] << '\n';
    return 0;
}

} // namespace

int RunGlintra(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
    static const std::map<std::string, Command> commands = {
        {"register", Register},
        {"unregister", Unregister},
        {"info", Info},
        {"new", New},
        {"html", Html},
        {"resources", Resources},
        {"save", Save},
        {"templates", Templates},
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
        return command->second(args, out, err);
    } catch (const CDispatchException& e) {
        err << "glintra: the pagelet refused a call: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "glintra: " << e.what() << "\n";
        return 1;
    }
}
