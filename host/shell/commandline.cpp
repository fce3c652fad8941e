#include "host/shell/commandline.h"

namespace {

std::string LowerAscii(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

} // namespace

CCommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments)
{
    CCommandLineInfo info;
    bool haveFile = false;
    for (const std::string& argument : arguments) {
        if (argument.size() > 1 && (argument[0] == '/' || argument[0] == '-')) {
            const std::string name = LowerAscii(argument.substr(1));
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
