// Time from the start of main to the first paint of the window: the main
// window on its home page against an empty QMainWindow started the same way.
// Run by hand under a display, several times each:
//   xvfb-run -a ./build/bench/mezuras_starton lerbo
//   xvfb-run -a ./build/bench/mezuras_starton malplena
#include "lancxilo.h"
#include "lerbo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

QElapsedTimer tempo;

// Reports the first paint of the watched window and ends the run.
class Gvatanto : public QObject
{
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !farita) {
            farita = true;
            std::printf("%s: %.1f ms\n", o->metaObject()->className(), tempo.nsecsElapsed() / 1e6);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
    bool farita = false;
};

} // namespace

int main(int argc, char** argv)
{
    tempo.start();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    Lancxilo::preparas();
    const bool malplena = argc > 1 && QByteArray(argv[1]) == "malplena";
    Gvatanto gvatanto;
    std::unique_ptr<QMainWindow> w(malplena ? new QMainWindow : new lerbo);
    w->installEventFilter(&gvatanto);
    w->resize(569, 770);
    w->show();
    return QApplication::exec();
}
