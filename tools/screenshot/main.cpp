// Saves a picture of the whole X display: for looking at the running
// program under a virtual display (xvfb-run). Built on request only.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: glintra_screenshot <file.png>\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "glintra_screenshot: could not take or save the picture\n");
        return 1;
    }
    return 0;
}
