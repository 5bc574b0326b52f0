#include "kiomahoro_horo.h"

QString kiomahoro_horo::respondo(const QString& kampo)
{
    return kampo.trimmed();
}

bool kiomahoro_horo::malplena(const QString& kampo)
{
    const QString r = respondo(kampo);
    return r.isEmpty() || r == QLatin1String(":");
}

bool kiomahoro_horo::gxusta(const QString& kampo, const QString& atendata)
{
    return !malplena(kampo) && respondo(kampo) == atendata;
}
