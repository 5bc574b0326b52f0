#include "agordoj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "tekstosekurigilo.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

QString Agordoj::dosiero()
{
    QString dosierujo = savasLoko;
    if (!dosierujo.endsWith(QLatin1Char('/')))
        dosierujo += QLatin1Char('/');
    return dosierujo + QStringLiteral("darudaver.ini");
}

void Agordoj::legas(const QString& vojo)
{
    IniDosiero agordo(vojo);
    agordo.beginGroup(QStringLiteral("Gxenerala"));
    const QString tiparo =
        sSistemo == QLatin1String("osx") ? QStringLiteral("Helvetica Neue") : QStringLiteral("DejaVu Sans");
    // The name came from the downloaded list and is shown on the settings page.
    sLingvo = TekstoSekurigilo::sekurigas(agordo.value(QStringLiteral("Lingvo"), QString()).toString());
    sTradukoDosiero = agordo.value(QStringLiteral("Dosiero"), QString()).toString();
    iLiterGrando = agordo.value(QStringLiteral("LiterGrando"), 11).toInt();
    sTiparo = agordo.value(QStringLiteral("Tiparo"), tiparo).toString();
    sTiparoEo = agordo.value(QStringLiteral("TiparoEo"), tiparo).toString();
    lCxapeligo = agordo.value(QStringLiteral("Cxapeligo"), true).toBool();
    iSistemo = agordo.value(QStringLiteral("Sistemo"), 0).toInt();
    LastaLeciono = agordo.value(QStringLiteral("LastaLeciono"), 1).toInt();
    LastaPagxo = agordo.value(QStringLiteral("LastaPagxo"), 0).toInt();
    lSxaltilo = agordo.value(QStringLiteral("Sxaltilo"), true).toBool();
    lNoteto = agordo.value(QStringLiteral("Noteto"), true).toBool();
    iLiterGrandoEo = agordo.value(QStringLiteral("LiterGrandoEo"), 11).toInt();
    iFenestraStilo = agordo.value(QStringLiteral("FenestraStilo"), 0).toInt();
    agordo.endGroup();
    // A damaged file must not leave the interface without a usable size: the
    // sizes stay within what the settings page offers.
    iLiterGrando = qBound(9, iLiterGrando, 16);
    iLiterGrandoEo = qBound(9, iLiterGrandoEo, 16);
}

bool Agordoj::skribas(const QString& vojo)
{
    IniDosiero agordo(vojo);
    agordo.beginGroup(QStringLiteral("Gxenerala"));
    agordo.setValue(QStringLiteral("Lingvo"), sLingvo);
    agordo.setValue(QStringLiteral("Tiparo"), sTiparo);
    agordo.setValue(QStringLiteral("TiparoEo"), sTiparoEo);
    agordo.setValue(QStringLiteral("Dosiero"), sTradukoDosiero);
    agordo.setValue(QStringLiteral("Cxapeligo"), lCxapeligo);
    agordo.setValue(QStringLiteral("Sistemo"), iSistemo);
    agordo.setValue(QStringLiteral("LastaLeciono"), LastaLeciono);
    agordo.setValue(QStringLiteral("LastaPagxo"), LastaPagxo);
    agordo.setValue(QStringLiteral("Sxaltilo"), lSxaltilo);
    agordo.setValue(QStringLiteral("Noteto"), lNoteto);
    agordo.setValue(QStringLiteral("LiterGrando"), iLiterGrando);
    agordo.setValue(QStringLiteral("LiterGrandoEo"), iLiterGrandoEo);
    agordo.setValue(QStringLiteral("FenestraStilo"), iFenestraStilo);
    agordo.endGroup();
    agordo.sync();
    switch (agordo.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::FormatError: {
        // The parse error of the read sticks and hides the write's own
        // outcome; a file written now starts over with this group.
        QFile dosiero(vojo);
        return dosiero.open(QIODevice::ReadOnly) && dosiero.readAll().contains("[Gxenerala]");
    }
    default:
        return false;
    }
}

void Agordoj::forigasRestajhojn(const QString& dosierujo)
{
    static const QRegularExpression provizora(QStringLiteral("^darudaver\\.ini\\.[A-Za-z0-9]{6}$"));
    QDir d(dosierujo);
    const QStringList nomoj = d.entryList({QStringLiteral("darudaver.ini.*")}, QDir::Files | QDir::Hidden);
    for (const QString& nomo : nomoj)
        if (provizora.match(nomo).hasMatch())
            d.remove(nomo);
}
