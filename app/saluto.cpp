#include "saluto.h"

QString Saluto::vorto(int horo, bool lauHoro, bool tagon)
{
    if (!lauHoro)
        return QStringLiteral("saluton");
    if (horo >= 16 && horo <= 20)
        return QStringLiteral("vespero");
    if (horo >= 5 && horo <= 11)
        return tagon ? QStringLiteral("tagon") : QStringLiteral("matenon");
    if (horo >= 12 && horo <= 15)
        return QStringLiteral("tagon");
    return QStringLiteral("nokton");
}
