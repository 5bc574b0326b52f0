#include "funkcioj.h"

#include <QtGlobal>

// The resource trees live in a static library, so the linker would drop them
// unless something refers to their initialisers.
static void registras()
{
    Q_INIT_RESOURCE(ekzercoj);
    Q_INIT_RESOURCE(tradukoj);
    Q_INIT_RESOURCE(tradukindekso);
    Q_INIT_RESOURCE(stiloj);
    Q_INIT_RESOURCE(ikonoj);
    Q_INIT_RESOURCE(ikonoj_androjdo);
}

void lerbo_rimedoj()
{
    static bool farita = false;
    if (farita)
        return;
    farita = true;
    registras();
}
