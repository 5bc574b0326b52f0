#include "tradukdosiernomo.h"

bool TradukDosierNomo::sekura(const QString& nomo)
{
    if (nomo.size() <= 4 || nomo.size() > MaksLongo || !nomo.endsWith(QLatin1String(".trd")))
        return false;
    if (nomo.startsWith(QLatin1Char('.')) || nomo.startsWith(QLatin1Char(' ')) || nomo.contains(QLatin1String("..")))
        return false;
    for (const QChar c : nomo) {
        if (c.isLetterOrNumber())
            continue;
        if (c != QLatin1Char('_') && c != QLatin1Char('-') && c != QLatin1Char('.') && c != QLatin1Char(' '))
            return false;
    }
    return true;
}
