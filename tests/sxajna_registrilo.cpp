#include "sxajna_registrilo.h"

bool SxajnaRegistrilo::havasMikrofonon() const
{
    return mikrofono;
}

void SxajnaRegistrilo::registru(const QString& vojo)
{
    lasta = vojo;
    okazoj << QStringLiteral("registru ") + vojo;
    if (dumRegistrado)
        dumRegistrado(vojo);
}

void SxajnaRegistrilo::haltu()
{
    okazoj << QStringLiteral("haltu");
}

QString SxajnaRegistrilo::realaVojo() const
{
    return finajxo.isEmpty() ? QString() : lasta + finajxo;
}

void SxajnaRegistrilo::sendas(qint64 ms)
{
    emit dauxro(ms);
}

QStringList SxajnaRegistrilo::registritaj() const
{
    QStringList el;
    for (const QString& o : okazoj)
        if (o.startsWith(QLatin1String("registru ")))
            el << o.mid(9);
    return el;
}
