#include "akuzativo_frazo.h"

void akuzativo_frazo::metas(const akuzativo_datumoj* datumoj, int ero)
{
    Datumoj = datumoj;
    Ero = ero;
    for (bool& m : Markoj)
        m = false;
}

akuzativo_frazo::Klako akuzativo_frazo::klaku(int k)
{
    if (!Datumoj || k < 0 || k >= akuzativo_datumoj::Pozicioj)
        return Nenio;
    if (!Datumoj->bezonasN(Ero, k))
        return Malgxusta;
    if (Markoj[k])
        return JamFarita;
    Markoj[k] = true;
    return Gxusta;
}

bool akuzativo_frazo::markita(int k) const
{
    return k >= 0 && k < akuzativo_datumoj::Kolumnoj && Markoj[k];
}

bool akuzativo_frazo::gxusta() const
{
    return maltrafitaj().isEmpty();
}

QList<int> akuzativo_frazo::maltrafitaj() const
{
    QList<int> el;
    if (!Datumoj)
        return el;
    for (int k = 0; k < akuzativo_datumoj::Pozicioj; ++k)
        if (Datumoj->bezonasN(Ero, k) && !Markoj[k] && !Datumoj->vorto(Ero, k).isEmpty())
            el << k;
    return el;
}
