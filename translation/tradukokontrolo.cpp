#include "tradukokontrolo.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTextCodec>

const QStringList& TradukoKontrolo::necesajGrupoj()
{
    static const QStringList grupoj = {QStringLiteral("Menuo"), QStringLiteral("Konfig"), QStringLiteral("Mesagxoj")};
    return grupoj;
}

bool TradukoKontrolo::legeblas(const QByteArray& enhavo)
{
    QByteArray b = enhavo;
    if (b.startsWith("\xEF\xBB\xBF"))
        b.remove(0, 3);
    if (b.isEmpty() || b.contains('\0'))
        return false;
    QTextCodec::ConverterState stato;
    const QString teksto = QTextCodec::codecForName("UTF-8")->toUnicode(b.constData(), b.size(), &stato);
    if (stato.invalidChars > 0)
        return false;

    QString grupo;
    QSet<QString> grupoj;
    bool lingvoID = false;
    const QVector<QStringRef> linioj = teksto.splitRef(QLatin1Char('\n'));
    for (const QStringRef& krude : linioj) {
        const QStringRef linio = krude.trimmed();
        if (linio.isEmpty() || linio.startsWith(QLatin1Char(';')) || linio.startsWith(QLatin1Char('#')))
            continue;
        if (linio.startsWith(QLatin1Char('[')) && linio.endsWith(QLatin1Char(']'))) {
            grupo = linio.mid(1, linio.size() - 2).toString();
            grupoj.insert(grupo);
            continue;
        }
        // Anything before the first group, or a first group other than
        // [Traduko], is no translation.
        if (grupoj.isEmpty() || !grupoj.contains(QStringLiteral("Traduko")))
            return false;
        if (grupo == QLatin1String("Traduko") && linio.startsWith(QLatin1String("LingvoID"))) {
            const int egala = linio.indexOf(QLatin1Char('='));
            lingvoID = egala > 0 && linio.left(egala).trimmed() == QLatin1String("LingvoID")
                       && !linio.mid(egala + 1).trimmed().isEmpty();
        }
    }
    if (!lingvoID)
        return false;
    for (const QString& g : necesajGrupoj())
        if (!grupoj.contains(g))
            return false;
    return true;
}

bool TradukoKontrolo::legeblaDosiero(const QString& vojo)
{
    struct Respondo
    {
        qint64 grando;
        QDateTime tempo;
        bool legebla;
    };
    static QHash<QString, Respondo> konataj;
    const QFileInfo info(vojo);
    if (!info.isFile())
        return false;
    const auto it = konataj.constFind(vojo);
    if (it != konataj.constEnd() && it->grando == info.size() && it->tempo == info.lastModified())
        return it->legebla;
    QFile f(vojo);
    const bool legebla = f.open(QIODevice::ReadOnly) && legeblas(f.readAll());
    konataj.insert(vojo, {info.size(), info.lastModified(), legebla});
    return legebla;
}
