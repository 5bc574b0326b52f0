#include "funkcioj.h"

#include <QDateTime>
#include <QRandomGenerator>

int random(int n)
{
    const quint64 r = QRandomGenerator::global()->generate();
    return int((quint64(quint32(n)) * r) >> 32);
}

void randomize()
{
    // The classic generator is seeded for code that still draws from it;
    // random() itself uses the process-wide generator.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    qsrand(uint(QTime::currentTime().msec()));
    QT_WARNING_POP
}

namespace {
struct Litero
{
    QString eo, x, h;
};

const QList<Litero>& literoj()
{
    static const QList<Litero> tabelo = {
        {QStringLiteral("ĉ"), QStringLiteral("cx"), QStringLiteral("ch")},
        {QStringLiteral("ĝ"), QStringLiteral("gx"), QStringLiteral("gh")},
        {QStringLiteral("ĥ"), QStringLiteral("hx"), QStringLiteral("hh")},
        {QStringLiteral("ĵ"), QStringLiteral("jx"), QStringLiteral("jh")},
        {QStringLiteral("ŝ"), QStringLiteral("sx"), QStringLiteral("sh")},
        {QStringLiteral("ŭ"), QStringLiteral("ux"), QStringLiteral("u")},
        {QStringLiteral("Ĉ"), QStringLiteral("Cx"), QStringLiteral("Ch")},
        {QStringLiteral("Ĝ"), QStringLiteral("Gx"), QStringLiteral("Gh")},
        {QStringLiteral("Ĥ"), QStringLiteral("Hx"), QStringLiteral("Hh")},
        {QStringLiteral("Ĵ"), QStringLiteral("Jx"), QStringLiteral("Jh")},
        {QStringLiteral("Ŝ"), QStringLiteral("Sx"), QStringLiteral("Sh")},
        {QStringLiteral("Ŭ"), QStringLiteral("Ux"), QStringLiteral("U")},
    };
    return tabelo;
}
} // namespace

QString CxSist(const QString& teksto, int k)
{
    QString rezulto = teksto;
    for (const Litero& l : literoj()) {
        switch (k) {
        case 1:
            rezulto.replace(l.eo, l.x);
            break;
        case 2:
            rezulto.replace(l.eo, l.h);
            break;
        case 3:
            rezulto.replace(l.x, l.eo);
            break;
        default:
            return rezulto;
        }
    }
    return rezulto;
}

QString purigas(const QString& teksto, bool minuskle)
{
    QString r = teksto;
    while (r.contains(QLatin1String("  ")))
        r.replace(QLatin1String("  "), QLatin1String(" "));
    r = r.trimmed();
    r.remove(QLatin1Char('.'));
    r.remove(QLatin1Char(','));
    if (minuskle)
        r = r.toLower();
    return r;
}

int limigo(int n)
{
    return n < 40 ? n : 40;
}
