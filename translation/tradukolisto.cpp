#include "tradukolisto.h"
#include "inidosiero.h"
#include "tradukdosiernomo.h"
#include "tradukdosiero.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {
const QString Nekonata = QStringLiteral("?????????");
const QString NekonataID = QStringLiteral("??");
const int MaksGrupoj = 200;
} // namespace

bool TradukoListo::ValidaDosierNomo(const QString& nomo)
{
    return TradukDosierNomo::sekura(nomo);
}

QList<QStringList> TradukoListo::elListo(const QString& vojo)
{
    QList<QStringList> eroj;
    if (!QFileInfo(vojo).isFile())
        return eroj;
    TradukDosiero listo(vojo);
    if (listo.value(QStringLiteral("0/LingvoID"), NekonataID).toString() == NekonataID)
        return eroj;
    for (int i = 0; i < MaksGrupoj; ++i) {
        listo.beginGroup(QString::number(i));
        const QString id = listo.value(QStringLiteral("LingvoID"), NekonataID).toString();
        const QStringList ero{id, listo.value(QStringLiteral("Lingvo"), Nekonata).toString(),
                              listo.value(QStringLiteral("DosierNomo"), Nekonata).toString(),
                              listo.value(QStringLiteral("Dato"), Nekonata).toString()};
        listo.endGroup();
        if (id == NekonataID)
            break;
        if (ValidaDosierNomo(ero.at(Dosiero)))
            eroj.append(ero);
    }
    return eroj;
}

QList<QStringList> TradukoListo::enkonstruitaj(const QString& datoDefault)
{
    QList<QStringList> eroj;
    const QString dosierujo = QStringLiteral(":/tradukoj/");
    const QStringList nomoj =
        QDir(dosierujo).entryList({QStringLiteral("*.trd")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& nomo : nomoj) {
        IniDosiero traduko(dosierujo + nomo);
        traduko.beginGroup(QStringLiteral("Traduko"));
        eroj.append({traduko.value(QStringLiteral("LingvoID"), NekonataID).toString(),
                     traduko.value(QStringLiteral("Lingvo"), Nekonata).toString(), nomo,
                     traduko.value(QStringLiteral("Dato"), datoDefault).toString()});
        traduko.endGroup();
    }
    return eroj;
}

QList<QStringList> TradukoListo::disponeblaj(const QString& listoVojo, const QString& datoDefault)
{
    QList<QStringList> eroj = elListo(listoVojo);
    if (eroj.isEmpty())
        eroj = enkonstruitaj(datoDefault);
    return eroj;
}

QString TradukoListo::datoEnListo(const QString& vojo, const QString& lingvoID)
{
    if (!QFileInfo(vojo).isFile())
        return QString();
    IniDosiero listo(vojo);
    const QString sercxata = lingvoID.trimmed();
    for (int i = 0; i < MaksGrupoj; ++i) {
        const QString grupo = QString::number(i) + QLatin1Char('/');
        if (listo.value(grupo + QStringLiteral("LingvoID"), NekonataID).toString().trimmed() == sercxata)
            return listo.value(grupo + QStringLiteral("Dato"), QStringLiteral("01.01.2000")).toString();
    }
    return QString();
}

int TradukoListo::antauElekto(const QList<QStringList>& eroj, const QString& lokaKodo)
{
    int loka = -1;
    int angla = -1;
    for (int i = 0; i < eroj.size(); ++i) {
        const QString& id = eroj.at(i).at(ID);
        if (id == lokaKodo)
            loka = i;
        if (id == QLatin1String("en"))
            angla = i;
    }
    return loka >= 0 ? loka : angla;
}

QString TradukoListo::lokaKodo()
{
    return QLocale().name().left(2);
}
