#include "lecionoj.h"

#include "lec01.h"
#include "lec02.h"

#include <QFrame>

QFrame* KreasLecionon(int numero, QWidget* patro)
{
    switch (numero) {
    case 1:
        return new lec01(patro);
    case 2:
        return new lec02(patro);
    default:
        return nullptr;
    }
}
