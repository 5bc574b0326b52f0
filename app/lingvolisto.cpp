#include "lingvolisto.h"
#include "inidosiero.h"

#include <QDateTime>
#include <QFileInfo>

static const QString NeKodo = QStringLiteral("??");

bool Lingvolisto::malnova(const QString& listo, const QDate& hodiau)
{
    const QFileInfo info(listo);
    if (!info.isFile())
        return true;
    // Every download rewrites the file, so its modification time is the age
    // of its contents; a file time that cannot be read counts as old.
    const QDate skribita = info.lastModified().date();
    return !skribita.isValid() || skribita.addDays(7) < hodiau;
}

bool Lingvolisto::pliNova(const QString& listo, const QString& dosiero, const QString& lingvoID, const QDate& loka)
{
    if (!QFileInfo(listo).isFile())
        return false;
    IniDosiero ini(listo);
    const QString serchata = lingvoID.trimmed();
    QString datoLauxKodo;
    bool trovitaLauxKodo = false;
    for (int i = 0; i < 200; ++i) {
        ini.beginGroup(QString::number(i));
        const QString kodo = ini.value(QStringLiteral("LingvoID"), NeKodo).toString().trimmed();
        const QString nomo = ini.value(QStringLiteral("DosierNomo")).toString();
        const QString dato = ini.value(QStringLiteral("Dato"), QStringLiteral("01.01.2000")).toString();
        ini.endGroup();
        if (!dosiero.isEmpty() && nomo == dosiero)
            return QDate::fromString(dato, QStringLiteral("dd.MM.yyyy")) > loka;
        if (!trovitaLauxKodo && kodo == serchata) {
            trovitaLauxKodo = true;
            datoLauxKodo = dato;
        }
    }
    return trovitaLauxKodo && QDate::fromString(datoLauxKodo, QStringLiteral("dd.MM.yyyy")) > loka;
}
