// Whatever the host is started with (arguments separated by NUL bytes
// here), the command line reads as one of its three commands, and only
// an open names a file.
#include "host/shell/commandline.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += char(data[i]);
    }
    const CCommandLineInfo info = ParseCommandLine(arguments);
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileOpen:
        if (info.m_strFileName.empty())
            std::abort();
        break;
    case CCommandLineInfo::FileNew:
    case CCommandLineInfo::AppUnregister:
        if (!info.m_strFileName.empty())
            std::abort();
        break;
    default:
        std::abort();
    }
    return 0;
}
