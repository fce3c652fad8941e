// PallimaGlintra: the host program.

#include "host/help/helpwindow.h"
#include "host/shell/mainframe.h"
#include "host/shell/pallimatoolapp.h"
#include "platform/ui/qtuiservices.h"
#include "platform/ui/scopeduiservices.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

bool HasDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;  // the user chose where to show it
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// For measuring start-up: quits once the main window has been painted.
class CQuitAfterPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == "mainframe")
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

// The help window is made when help is first asked for, not at start.
class CHelpOnDemand : public IHelpViewer {
public:
    explicit CHelpOnDemand(std::string folder) : m_strFolder(std::move(folder)) {}
    bool ShowHelp(EHelpCommand command, DWORD data, const std::string& keyword) override
    {
        if (!m_pWindow) {
            if (command == EHelpCommand::Quit)
                return true;
            m_pWindow = std::make_unique<CHelpWindow>(m_strFolder);
        }
        return m_pWindow->ShowHelp(command, data, keyword);
    }

private:
    std::string m_strFolder;
    std::unique_ptr<CHelpWindow> m_pWindow;
};

} // namespace

int main(int argc, char* argv[])
{
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "PallimaGlintra: there is no display to show its window on (neither DISPLAY nor "
                     "WAYLAND_DISPLAY is set).\nStart it from a desktop session, or under a virtual display "
                     "such as xvfb-run. The command-line tool 'glintra' works without a display.\n");
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Pallima Glintra");
    QApplication::setDesktopFileName("pallima-glintra");
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string appFolder = QCoreApplication::applicationDirPath().toStdString();
    CHelpOnDemand help(appFolder + "/help");
    CQtUiServices services;
    services.SetHelpViewer(&help);
    CScopedUiServices install(&services);

    CQuitAfterPaint quitAfterPaint;
    if (const char* quit = std::getenv("GLINTRA_QUIT_AFTER_PAINT"); quit && std::strcmp(quit, "1") == 0)
        application.installEventFilter(&quitAfterPaint);

    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());

    CPallimaToolApp app(appFolder);
    int exitCode = 0;
    if (app.InitInstance(arguments)) {
        // The main window's closing ends the program, help window or not.
        app.MainFrame()->m_onClosed = [] { QCoreApplication::quit(); };
        QApplication::exec();
    }
    exitCode = app.ExitInstance();
    help.ShowHelp(EHelpCommand::Quit, 0, {});
    return exitCode;
}
