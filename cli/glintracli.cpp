#include "cli/glintracli.h"

#include "host/document/pagelet.h"
#include "platform/automation/classregistry.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"
#include "platform/resources/moduleresources.h"
#include "resources/host/hostresources.h"

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

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << kUsage << "\n";
        return 2;
    }
    const std::string progId = LoadHostString(IDS_PAGELET_PROGID);
    CLSID clsid;
    if (FAILED(ClassIdFromProgId(progId, clsid))) {
        err << "glintra: the pagelet " << progId << " is not registered (run 'glintra register' first)\n";
        return 1;
    }
    CPagelet pagelet;
    if (!pagelet.Create(clsid)) {
        err << "glintra: the pagelet " << progId << " could not be created\n";
        return 1;
    }
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

} // namespace

int RunGlintra(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
    static const std::map<std::string, Command> commands = {
        {"register", Register},
        {"unregister", Unregister},
        {"info", Info},
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
