#pragma once
// The three ways of taking the widget's HTML out, as the guide page's
// buttons run them, and the Support Files dialog of the File menu.

#include <string>
#include <vector>

class CPagelet;
class CPallimaToolDoc;
class QWidget;

// The HTML editor the insertion can be handed to, found on the program
// search path, and the page that offers it for download.
inline constexpr const char* kEditorProgram = "Pallima.exe";
inline constexpr const char* kEditorDownloadPage = "https://www.norvane.example/pallima/download.html";

void OnCopyCode(CPallimaToolDoc& document, QWidget* parent);
void OnNewPage(CPallimaToolDoc& document, QWidget* parent);
void OnInsertInto(CPallimaToolDoc& document, QWidget* parent);
void ShowSupportFiles(const CPagelet& pagelet, QWidget* parent);

// A parameter string split into arguments as the shell's "open" splits
// it: blanks separate, double quotes group and are dropped.
std::vector<std::string> SplitParameterString(const std::string& parameters);
