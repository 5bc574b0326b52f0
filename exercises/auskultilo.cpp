#include "auskultilo.h"
#include "ekzercilo.h"
#include "funkcioj.h"

bool auskultilo::estasVorto(const QString& ero)
{
    return ero.toInt() < 1;
}

QString auskultilo::klipo(const QString& ero, const QString& kodo)
{
    const QString ll = kodo.left(2);
    return estasVorto(ero) ? ekzercilo::vortklipo(ll, ero) : ekzercilo::butonklipo(ll, ero);
}

QString auskultilo::atendata(const QString& etikedo)
{
    QString t = etikedo.trimmed();
    t.remove(QChar(0x200E));
    return t;
}

bool auskultilo::gxusta(const QString& tajpita, const QString& atendata)
{
    return purigas(tajpita, true) == purigas(atendata, true);
}
