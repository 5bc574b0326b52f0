#include "verdikto.h"

int Verdikto::procento(int gxustaj, int malgxustaj)
{
    const int sumo = gxustaj + malgxustaj;
    return sumo > 0 ? gxustaj * 100 / sumo : 0;
}

bool Verdikto::trapasas(int gxustaj, int malgxustaj)
{
    return procento(gxustaj, malgxustaj) >= 70;
}
