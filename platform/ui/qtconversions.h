#pragma once
// The translations between the values the program speaks in and Qt's:
// file type lists, colour references, shell targets, message box types.
// Pure functions, so that each rule can be checked without a display.

#include "platform/ui/uiservices.h"

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <string>
#include <vector>

// Text between the program's 8-bit strings and Qt. Bytes that are not UTF-8
// travel as the lone surrogates of the automation strings, so a text that
// is shown and read back unedited comes back byte for byte.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// One entry of a Qt file dialog's type list. The description is shown as the
// program wrote it and the patterns follow in parentheses, blank-separated,
// where Qt takes them from: {"HTML Files(*.htm;*.html) ", "*.htm;*.html"}
// gives "HTML Files(*.htm;*.html)  (*.htm *.html)". "*.*" means every file,
// dotted or not, so it becomes "*"; no pattern at all also means "*".
QString QtNameFilter(const CFileFilter& filter);
QStringList QtNameFilters(const std::vector<CFileFilter>& filters);

// Colour references hold red in the lowest byte; the top byte is not a
// colour and is ignored.
QColor ToQColor(COLORREF color);
COLORREF ToColorRef(const QColor& color);

// What the shell's "open" of a target means as a URL: web, file and mail
// addresses stay as written, anything else is a local path (made absolute
// against the current folder). Empty target: an invalid URL.
QUrl ShellOpenUrl(const std::string& target);

// The parts of a message box type as Qt names them.
QMessageBox::Icon MessageBoxIcon(UINT type);
QMessageBox::StandardButton MessageBoxButton(int answer);     // IDOK -> Ok ...
int MessageBoxAnswer(QMessageBox::StandardButton button);     // Ok -> IDOK ...; 0 for others
