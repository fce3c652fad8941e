#pragma once
// Debian's Chromium (and Firefox), headless and kept off the network: no
// proxy answers and no host name resolves, so a page reaches nothing but
// its own files. A page is read back as its DOM after it ran, or as a
// picture of the window.

#include "tests/support/testsupport.h"

#include <string>
#include <vector>

inline bool HaveProgram(const char* name, const CTempDir& scratch)
{
    return RunProcess({"sh", "-c", std::string("command -v ") + name}, scratch).exitCode == 0;
}

// Headless Chromium's window is at least 500 pixels wide, and its height
// includes about 90 pixels that the page does not get: give room.
//
// Runs Chromium on a local file with the given actions ("--dump-dom",
// "--screenshot=...") and a budget of virtual time in which timers and
// animation frames run without waiting (0: real time, for measuring).
inline CProcessResult RunChromium(const std::string& page, const std::vector<std::string>& actions,
                                  const CTempDir& scratch, int virtualMs = 5000, const std::string& windowSize = "")
{
    std::vector<std::string> args = {"timeout", "120", "chromium", "--headless", "--no-sandbox", "--disable-gpu",
                                     "--no-first-run", "--user-data-dir=" + (scratch / "profile"),
                                     "--allow-file-access-from-files", "--proxy-server=http://127.0.0.1:9",
                                     "--host-resolver-rules=MAP * ~NOTFOUND", "--disable-background-networking",
                                     "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                                     "--force-device-scale-factor=1"};
    if (virtualMs > 0)
        args.push_back("--virtual-time-budget=" + std::to_string(virtualMs));
    if (!windowSize.empty())
        args.push_back("--window-size=" + windowSize);
    args.insert(args.end(), actions.begin(), actions.end());
    args.push_back("file://" + page);
    return RunProcess(args, scratch);
}
