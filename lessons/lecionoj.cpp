#include "lecionoj.h"

#include "lec01.h"

#include <QFrame>

QFrame* KreasLecionon(int numero, QWidget* patro)
{
    switch (numero) {
    case 1:
        return new lec01(patro);
    default:
        return nullptr;
    }
}
