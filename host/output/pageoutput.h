#pragma once
// The widget's HTML on its way out: the segments a pagelet supplies, the
// page New Page writes, the block Insert puts into a page, the resource
// file that makes the pagelet copy its support files, and pages read and
// written as 8-bit text with CR LF line ends.

#include "host/output/pagetext.h"
#include "host/output/publishoptions.h"

#include <optional>
#include <string>
#include <vector>

class CPagelet;

// The texts of the segments at the three positions the host knows; the
// last segment of a position wins, other positions are left out.
struct CHtmlSegmentTexts {
    std::string style;
    std::string script;
    std::string cursor;
};
CHtmlSegmentTexts GatherSegments(const CPagelet& pagelet, const CPublishOptions& options = {});

// A page's file name without its last extension: "a.b" for ".../a.b.htm".
std::string PageTitle(const std::string& pagePath);
// The file that makes the pagelet copy its support files beside the page:
// the page's folder, the page's title, ".respgt".
std::string ResourceConfigPath(const std::string& pagePath);

// The page New Page writes, byte for byte.
std::string ComposeNewPage(const std::string& pageletName, const CHtmlSegmentTexts& segments);
// The block Insert puts at the caret.
std::string InsertionBlock(const std::string& html);

// New Page after its dialog: the resource file written through the
// pagelet (copying the support files with overwrite 0) and deleted, then
// the page written as a whole. FALSE when the page could not be written;
// an old page of that name is then left as it was.
// With the player, the page loads it; the caller copies it beside the page
// (CopyPlayerBeside) and tells the user when that fails.
bool WriteNewPage(const CPagelet& pagelet, const std::string& pagePath, const CPublishOptions& options = {});
// The resource file of a page written with overwrite 1 and deleted.
void CopySupportFilesBeside(const CPagelet& pagelet, const std::string& pagePath);

// A support file as the Support Files list shows it.
struct CSupportFile {
    std::string name;
    std::string localFolder;  // ends in '/'
    std::string webPath;
};
// The player's script: it lies where the class file lies and goes where the
// class file goes. None when the pagelet names no class file.
std::optional<CSupportFile> PlayerSupportFile(const CPagelet& pagelet);
// Copies the player's script into the page's folder, replacing one that is
// there, as the class file is. Empty when it is there; otherwise what went
// wrong, in a sentence for the user.
std::string CopyPlayerBeside(const CPagelet& pagelet, const std::string& pagePath);

