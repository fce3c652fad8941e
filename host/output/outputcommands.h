#pragma once
// The three ways of taking the widget's HTML out, as the guide page's
// buttons run them, and the Support Files dialog of the File menu.

#include "host/output/publishoptions.h"

#include <string>
#include <vector>

class CPagelet;
class CPallimaToolDoc;
class QWidget;

// The HTML editor the insertion can be handed to, found on the program
// search path, and the page that offers it for download.
inline constexpr const char* kEditorProgram = "Pallima.exe";
inline constexpr const char* kEditorDownloadPage = "https://www.norvane.example/pallima/download.html";

// The options say whether the published HTML carries the script player.
void OnCopyCode(CPallimaToolDoc& document, QWidget* parent, const CPublishOptions& options = {});
void OnNewPage(CPallimaToolDoc& document, QWidget* parent, const CPublishOptions& options = {});
void OnInsertInto(CPallimaToolDoc& document, QWidget* parent, const CPublishOptions& options = {});
void ShowSupportFiles(const CPagelet& pagelet, QWidget* parent, const CPublishOptions& options = {});

// A parameter string split into arguments as the shell's "open" splits
// it: blanks separate, double quotes group and are dropped.
std::vector<std::string> SplitParameterString(const std::string& parameters);
