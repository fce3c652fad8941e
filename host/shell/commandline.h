#pragma once
// The host's command line: nothing (a new widget), one widget file to
// open, or the switch that removes the program's settings.

#include <string>
#include <vector>

struct CCommandLineInfo {
    enum EShellCommand { FileNew, FileOpen, AppUnregister };
    EShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
};

// Switches start with '/' or '-' and are matched without regard to letter
// case: "Unregister" and "Unregserver" remove the settings. Other words
// after '-' are ignored; the first other argument names the file ("/home/..." is
// a path).
CCommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments);
