#pragma once
// The glintra command line: drives the pagelet through its dispatch interface
// only, as any host does.

#include <iosfwd>
#include <string>
#include <vector>

// Exit codes: 0 done, 1 the work failed (one line on err says why), 2 usage.
int RunGlintra(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
