#include "auskultilo.h"
#include "funkcioj.h"
#include "klipoj.h"

bool auskultilo::estasVorto(const QString& ero)
{
    return ero.toInt() < 1;
}

QString auskultilo::klipo(const QString& ero, const QString& kodo)
{
    const QString ll = kodo.left(2);
    return estasVorto(ero) ? klipoj::vorto(ll, ero) : klipoj::butono(ll, ero);
}

QString auskultilo::atendata(const QString& etikedo)
{
    QString t = etikedo.trimmed();
    t.remove(MarkoLTR);
    return t;
}

bool auskultilo::gxusta(const QString& tajpita, const QString& atendata)
{
    return purigas(tajpita, true) == purigas(atendata, true);
}
