#pragma once
// Web pages as the insert dialog reads and writes them: 8-bit text whose
// lines end in CR LF.

#include <string>
#include <string_view>

// Reading a page for the insert dialog: every line, without its LF or
// CR LF, followed by CR LF.
enum class EPageRead {
    Read,        // the whole page
    NotFound,    // no file of that name: it may be created
    CannotOpen,  // there, but not a file that can be opened for reading
    ReadFailed,  // opened, but reading stopped part way
};
EPageRead ReadPageText(const std::string& path, std::string& text);
std::string ToCrLfLines(std::string_view raw);

// Writes the page as a whole; FALSE (the old page intact) when it cannot.
bool WritePageText(const std::string& path, std::string_view text);
