// The floor the program's start is measured against: a program of its own,
// linked with Qt Widgets alone, that shows an empty QMainWindow of the main
// window's size and ends at its first paint. It prints, as bench_lecionoj's
// starts do, the time from main and the monotonic clock at that paint, so
// that bench_lecionoj can time the whole process from its launch.
//
//   bench_malplena            Qt's defaults
//   bench_malplena --rastre   raster widgets only, as the program asks
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

long long nun()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

long long ekde = 0;

class Gvatanto : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !farita) {
            farita = true;
            const long long t = nun();
            std::printf("starto %.3f %lld\n", (t - ekde) / 1e6, t);
            std::fflush(stdout);
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
    bool farita = false;
};

} // namespace

int main(int argc, char** argv)
{
    ekde = nun();
    if (argc > 1 && std::strcmp(argv[1], "--rastre") == 0) {
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
        QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, true);
    }
    QApplication app(argc, argv);
    Gvatanto gvatanto;
    QMainWindow w;
    w.installEventFilter(&gvatanto);
    w.resize(569, 770);
    w.show();
    return QApplication::exec();
}
