// The yardstick of the start-up benchmark: a Qt program that shows an
// empty main window and quits once it has been painted.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {

class CQuitAfterPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == "bare")
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CQuitAfterPaint quit;
    app.installEventFilter(&quit);
    QMainWindow window;
    window.setObjectName("bare");
    window.resize(450, 440);
    window.show();
    return QApplication::exec();
}
