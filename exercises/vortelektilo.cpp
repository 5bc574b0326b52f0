#include "vortelektilo.h"
#include "funkcioj.h"

bool vortelektilo::literala(const QString& ero)
{
    return ero.toInt(nullptr, 10) < 1;
}

vortelektilo::Demando vortelektilo::faras(int n, int nuna, QList<bool>& uzataj)
{
    Demando d;
    if (n < minimumo || nuna < 0 || nuna >= n)
        return d;
    d.gxusta = random(opcioj);
    uzataj[nuna] = true;
    for (int j = 0; j < opcioj; ++j) {
        if (j == d.gxusta) {
            d.eroj << nuna;
            continue;
        }
        int e = random(n);
        while (uzataj.at(e))
            e = random(n);
        uzataj[e] = true;
        d.eroj << e;
    }
    return d;
}

void vortelektilo::sammaskas(const QStringList& vortoj, int nuna, QList<bool>& uzataj)
{
    if (nuna < 0 || nuna >= vortoj.size() || nuna >= uzataj.size())
        return;
    QList<int> samaj;
    int liberaj = 0;
    for (int i = 0; i < vortoj.size() && i < uzataj.size(); ++i) {
        if (i == nuna || uzataj.at(i))
            continue;
        ++liberaj;
        if (vortoj.at(i) == vortoj.at(nuna))
            samaj << i;
    }
    // Four other items must stay free for the wrong options.
    if (liberaj - samaj.size() < opcioj - 1)
        return;
    for (int i : qAsConst(samaj))
        uzataj[i] = true;
}

QString vortelektilo::litero(int pozicio)
{
    static const QStringList literoj = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                        QStringLiteral("ĉ"), QStringLiteral("d")};
    return literoj.value(pozicio);
}

QString vortelektilo::kapo(int numero, const QString& vorto, bool maldekstreDekstren)
{
    if (maldekstreDekstren)
        return QString::number(numero) + QStringLiteral(") ") + vorto;
    QString v = vorto;
    v.remove(MarkoLTR);
    return v + QStringLiteral(" (") + QString::number(numero);
}

QString vortelektilo::linio(int pozicio, const QString& teksto, bool maldekstreDekstren)
{
    if (maldekstreDekstren)
        return litero(pozicio) + QStringLiteral(") ") + QStringLiteral("[&nbsp;&nbsp;]&nbsp;") + teksto
               + QStringLiteral("<br>");
    const QString kesto = QStringLiteral("&nbsp;[&nbsp;&nbsp;]") + MarkoLTR;
    QString t = teksto;
    // Parentheses inside a right-to-left text would be mirrored.
    t.replace(QLatin1Char('('), QString(QChar(0x202E)) + QLatin1Char('(') + QChar(0x202C));
    t.replace(QLatin1Char(')'), QString(QChar(0x202E)) + QLatin1Char(')') + QChar(0x202C));
    return QString(QChar(0x202B)) + t + QChar(0x202C) + QChar(0x202A) + kesto + QLatin1Char('(') + litero(pozicio)
           + QChar(0x202C) + QStringLiteral("<br>");
}
