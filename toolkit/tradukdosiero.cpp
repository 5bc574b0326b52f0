#include "tradukdosiero.h"
#include "tekstosekurigilo.h"

#include <QStringList>

QVariant TradukDosiero::value(const QString& sxlosilo, const QVariant& defauxlto) const
{
    const QVariant valoro = QSettings::value(sxlosilo, defauxlto);
    if (valoro.type() == QVariant::String)
        return TekstoSekurigilo::sekurigas(valoro.toString());
    if (valoro.type() == QVariant::StringList) {
        QStringList eroj = valoro.toStringList();
        for (QString& ero : eroj)
            ero = TekstoSekurigilo::sekurigas(ero);
        return eroj;
    }
    return valoro;
}
