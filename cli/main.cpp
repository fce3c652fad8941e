#include "cli/glintracli.h"
#include "platform/automation/classregistry.h"
#include "platform/ui/consoleuiservices.h"
#include "platform/ui/qtuiservices.h"

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
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Only the wizard is shown to the user, on the desktop when there is
    // one. Everything else needs an application object but shows nothing:
    // Qt's offscreen platform serves without a display.
    const bool showsWindows = !args.empty() && args[0] == "config" &&
                              DesktopDisplayAvailable(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                                                      std::getenv("QT_QPA_PLATFORM"));
    if (!showsWindows)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietQtMessages);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Pallima Glintra"));
    CCommandLineUiServices console;
    CQtUiServices desktop;
    if (showsWindows)
        SetUiServices(&desktop);
    else
        SetUiServices(&console);

    CoInitialize();
    const int code = RunGlintra(args, std::cout, std::cerr, showsWindows);
    CoUninitialize();
    SetUiServices(nullptr);
    return code;
}
