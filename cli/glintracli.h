#pragma once
// The glintra command line: drives the pagelet through its dispatch interface
// only, as any host does.

#include <iosfwd>
#include <string>
#include <vector>

// Exit codes: 0 done, 1 the work failed (one line on err says why), 2 usage,
// 3 the user cancelled. canShowWindows: the UI services in use can show the
// wizard to somebody (a display, or a test's script); without it a command
// that needs the user fails.
int RunGlintra(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               bool canShowWindows = false);

// Whether a desktop can be reached from this environment: a display or a
// Wayland socket named, and no platform asked for that shows nothing.
bool DesktopDisplayAvailable(const char* display, const char* waylandDisplay, const char* qtPlatform);
