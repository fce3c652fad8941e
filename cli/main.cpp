#include "cli/glintracli.h"
#include "platform/automation/classregistry.h"
#include "platform/ui/consoleuiservices.h"

#include <QApplication>
#include <QDialog>

#include <cstdlib>
#include <iostream>

namespace {

// Where the pagelet would ask the user, the command line has nobody to ask:
// a dialog is answered Cancel, and standard error says so.
class CCommandLineUiServices : public CConsoleUiServices {
protected:
    std::string DialogLine(const QDialog& dialog) const override
    {
        std::string line = "glintra: no display to show \"" + dialog.windowTitle().toStdString() + "\"; answered Cancel";
        if (dialog.objectName() == "4003")  // Copy Resources
            line += " (the clashing images were not copied, the design keeps their paths)";
        return line;
    }
};

// Qt's own chatter (the offscreen platform's warnings about a missing
// runtime folder, say) is not the command's to report: standard error keeps
// one line per failure.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "glintra: " << message.toStdString() << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    // The pagelet's dialogs need an application object even where nothing is
    // shown; Qt's offscreen platform serves without a display.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(QuietQtMessages);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    CCommandLineUiServices ui;
    SetUiServices(&ui);

    CoInitialize();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = RunGlintra(args, std::cout, std::cerr);
    CoUninitialize();
    SetUiServices(nullptr);
    return code;
}
