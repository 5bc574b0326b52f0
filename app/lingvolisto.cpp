#include "lingvolisto.h"
#include "inidosiero.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

static const QString Nekonata = QStringLiteral("?????????");
static const QString NeKodo = QStringLiteral("??");

QList<QStringList> Lingvolisto::legas(const QString& listo, const QString& enkonstruitaj)
{
    QList<QStringList> eroj;
    if (QFileInfo(listo).isFile()) {
        IniDosiero ini(listo);
        if (ini.value(QStringLiteral("0/LingvoID"), NeKodo).toString() != NeKodo) {
            for (int i = 0; i < 200; ++i) {
                ini.beginGroup(QString::number(i));
                const QString kodo = ini.value(QStringLiteral("LingvoID"), NeKodo).toString();
                const QStringList ero = {kodo, ini.value(QStringLiteral("Lingvo"), Nekonata).toString(),
                                         ini.value(QStringLiteral("DosierNomo"), Nekonata).toString(),
                                         ini.value(QStringLiteral("Dato"), Nekonata).toString()};
                ini.endGroup();
                if (kodo == NeKodo)
                    break;
                eroj.append(ero);
            }
            return eroj;
        }
    }
    QString dosierujo = enkonstruitaj;
    if (!dosierujo.endsWith(QLatin1Char('/')))
        dosierujo += QLatin1Char('/');
    QDirIterator it(dosierujo);
    while (it.hasNext()) {
        it.next();
        const QString nomo = it.fileName();
        if (!nomo.endsWith(QLatin1String("trd")))
            continue;
        IniDosiero ini(dosierujo + nomo);
        ini.beginGroup(QStringLiteral("Traduko"));
        eroj.append({ini.value(QStringLiteral("LingvoID"), NeKodo).toString(),
                     ini.value(QStringLiteral("Lingvo"), Nekonata).toString(), nomo,
                     ini.value(QStringLiteral("Dato"), Nekonata).toString()});
        ini.endGroup();
    }
    return eroj;
}

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

bool Lingvolisto::pliNova(const QString& listo, const QString& lingvoID, const QDate& loka)
{
    if (!QFileInfo(listo).isFile())
        return false;
    IniDosiero ini(listo);
    const QString serchata = lingvoID.trimmed();
    for (int i = 0; i < 200; ++i) {
        ini.beginGroup(QString::number(i));
        const QString kodo = ini.value(QStringLiteral("LingvoID"), NeKodo).toString().trimmed();
        const QString dato = ini.value(QStringLiteral("Dato"), QStringLiteral("01.01.2000")).toString();
        ini.endGroup();
        if (kodo == serchata)
            return QDate::fromString(dato, QStringLiteral("dd.MM.yyyy")) > loka;
    }
    return false;
}
