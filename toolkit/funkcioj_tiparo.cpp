#include "funkcioj.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

int ghustigas_tiparon(int grando, double dpi)
{
    if (dpi <= 0)
        return grando;
    return int(std::round(96.0 / dpi * grando));
}

int ghustigas_tiparon(int grando)
{
    const QScreen* ekrano = QGuiApplication::primaryScreen();
    return ghustigas_tiparon(grando, ekrano ? ekrano->logicalDotsPerInch() : 96.0);
}
