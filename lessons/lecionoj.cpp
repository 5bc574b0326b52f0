#include "lecionoj.h"

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
    Q_UNUSED(patro);
    switch (numero) {
    default:
        return nullptr;
    }
}
