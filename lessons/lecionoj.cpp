#include "lecionoj.h"

#include "lec01.h"
#include "lec02.h"

#include <QFrame>

namespace {
LecionFarejo& anstatauaFarejo()
{
    static LecionFarejo farejo;
    return farejo;
}
} // namespace

void MetasLecionFarejon(LecionFarejo farejo)
{
    anstatauaFarejo() = std::move(farejo);
}

QFrame* KreasLecionon(int numero, QWidget* patro)
{
    if (anstatauaFarejo())
        return anstatauaFarejo()(numero, patro);
    switch (numero) {
    case 1:
        return new lec01(patro);
    case 2:
        return new lec02(patro);
    default:
        return nullptr;
    }
}
