#include "host/shell/commandline.h"

#include "platform/base/asciicase.h"

CCommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments)
{
    CCommandLineInfo info;
    bool haveFile = false;
    for (const std::string& argument : arguments) {
        if (argument.size() > 1 && (argument[0] == '/' || argument[0] == '-')) {
            const std::string name = FoldAscii(std::string_view(argument).substr(1));
            if (name == "unregister" || name == "unregserver") {
                info.m_nShellCommand = CCommandLineInfo::AppUnregister;
                info.m_strFileName.clear();
                return info;
            }
            // Other switches are not ours; "/home/..." is a path.
            if (argument[0] == '-')
                continue;
        }
        if (!haveFile && !argument.empty()) {
            haveFile = true;
            info.m_strFileName = argument;
            info.m_nShellCommand = CCommandLineInfo::FileOpen;
        }
    }
    return info;
}
