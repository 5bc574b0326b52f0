#include "funkcioj.h"

#include <QEventLoop>
#include <QTimer>
#include <cmath>

int skalitaj_ms(double milisekundoj)
{
    return int(std::lround(milisekundoj * TempoSkalo));
}

// Waits in a nested event loop, so the window keeps painting and clicks
// arrive, without spinning the processor.
void PauzuMs(int milisekundoj)
{
    const int ms = skalitaj_ms(milisekundoj);
    if (ms <= 0)
        return;
    QEventLoop buklo;
    QTimer::singleShot(ms, Qt::PreciseTimer, &buklo, &QEventLoop::quit);
    buklo.exec();
}

void Pauzu(double sekundoj)
{
    PauzuMs(int(std::lround(sekundoj * 1000.0)));
}

void Sinkronigu() {}
