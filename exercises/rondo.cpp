#include "rondo.h"
#include "funkcioj.h"

rondo rondo::faras(int kvanto, QList<bool>& uzataj, int restas)
{
    rondo r;
    for (int k = 0; k < 4; ++k) {
        int v = -1;
        if (restas > 11) {
            v = random(kvanto);
            while (uzataj.at(v))
                v = random(kvanto);
        } else {
            v = uzataj.indexOf(false);
        }
        if (v < 0)
            return r;
        uzataj[v] = true;
        r.celoj[k] = v;
    }
    auto estasCelo = [&](int v) { return v == r.celoj[0] || v == r.celoj[1] || v == r.celoj[2] || v == r.celoj[3]; };
    for (int j = 0; j < 2; ++j) {
        int v = random(kvanto);
        while (estasCelo(v))
            v = random(kvanto);
        r.distraktiloj[j] = v;
    }
    int celoj = 0;
    int distraktiloj = 0;
    for (int pozicio = 0; pozicio < 6; ++pozicio) {
        for (;;) {
            if (distraktiloj < 2 && random(3) == 0) {
                r.butonoj << r.distraktiloj[distraktiloj++];
                break;
            }
            if (celoj < 4) {
                r.pozicioj[celoj] = pozicio;
                r.butonoj << r.celoj[celoj++];
                break;
            }
        }
    }
    return r;
}
