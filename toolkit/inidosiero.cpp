#include "inidosiero.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

bool havasSurogaton(const QString& s)
{
    for (const QChar c : s)
        if (c.isSurrogate())
            return true;
    return false;
}

bool estasHeksa(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
           || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

} // namespace

QByteArray IniDosiero::skribero(const QString& valoro)
{
    QByteArray b("\"");
    bool heksaAntaue = false; // the reader would take a hex digit into the escape before
    for (int i = 0; i < valoro.size(); ++i) {
        const QChar c = valoro.at(i);
        if (heksaAntaue && estasHeksa(c)) {
            b += "\\x" + QByteArray::number(c.unicode(), 16);
            continue;
        }
        heksaAntaue = false;
        switch (c.unicode()) {
        case '\\':
            b += "\\\\";
            break;
        case '"':
            b += "\\\"";
            break;
        case '\n':
            b += "\\n";
            break;
        case '\r':
            b += "\\r";
            break;
        case '\t':
            b += "\\t";
            break;
        default:
            if (c.unicode() < 0x20) {
                b += "\\x" + QByteArray::number(c.unicode(), 16);
                heksaAntaue = true;
            } else if (c.isHighSurrogate() && i + 1 < valoro.size() && valoro.at(i + 1).isLowSurrogate()) {
                b += valoro.mid(i, 2).toUtf8();
                ++i;
            } else if (!c.isSurrogate()) {
                b += QString(c).toUtf8();
            }
        }
    }
    return b + "\"";
}

void IniDosiero::sync()
{
    QSettings::sync();
    m_Skribis = false;
    if (status() == QSettings::AccessError)
        return;

    // Group and key of every value with a character Qt's writer cuts; only
    // plain names (all the course writes) are looked for in the file.
    static const QRegularExpression simpla(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    QHash<QString, QHash<QString, QString>> mendotaj;
    const QString grupo = group();
    while (!group().isEmpty())
        endGroup();
    const QStringList sxlosiloj = allKeys();
    for (const QString& plena : sxlosiloj) {
        // Every save passes here: the cheap test first, the names only for
        // the rare value that needs mending.
        const QString valoro = value(plena).toString();
        if (!havasSurogaton(valoro))
            continue;
        const bool enGrupo = plena.contains(QLatin1Char('/'));
        const QString g = enGrupo ? plena.section(QLatin1Char('/'), 0, 0) : QStringLiteral("General");
        const QString k = enGrupo ? plena.section(QLatin1Char('/'), 1) : plena;
        if (simpla.match(g).hasMatch() && simpla.match(k).hasMatch())
            mendotaj[g].insert(k, valoro);
    }
    if (!grupo.isEmpty())
        beginGroup(grupo);
    if (mendotaj.isEmpty())
        return;

    QFile legata(fileName());
    if (!legata.open(QIODevice::ReadOnly))
        return;
    QList<QByteArray> linioj = legata.readAll().split('\n');
    legata.close();
    QString nuna = QStringLiteral("General");
    bool shanghita = false;
    for (QByteArray& linio : linioj) {
        const QByteArray l = linio.trimmed();
        if (l.startsWith('[') && l.endsWith(']')) {
            nuna = QString::fromUtf8(l.mid(1, l.size() - 2));
            continue;
        }
        const int egala = linio.indexOf('=');
        if (egala < 0 || !mendotaj.contains(nuna))
            continue;
        const QString k = QString::fromUtf8(linio.left(egala).trimmed());
        const auto it = mendotaj[nuna].constFind(k);
        if (it == mendotaj[nuna].constEnd())
            continue;
        const QByteArray nova = linio.left(egala + 1) + skribero(it.value()) + (linio.endsWith('\r') ? "\r" : "");
        if (nova != linio) {
            linio = nova;
            shanghita = true;
        }
    }
    if (!shanghita)
        return;
    QSaveFile skribata(fileName());
    if (skribata.open(QIODevice::WriteOnly) && skribata.write(linioj.join('\n')) >= 0)
        skribata.commit();
}
