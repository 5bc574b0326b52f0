#include "cxliteroj.h"

namespace {
const QString plataj = QStringLiteral("cghjsu");
const QString cxapelitaj = QStringLiteral("ĉĝĥĵŝŭ");
const QString majusklaj = QStringLiteral("ĈĜĤĴŜŬ");
} // namespace

QChar CxLiteroj::cxapelita(QChar litero)
{
    const int i = plataj.indexOf(litero);
    if (i >= 0)
        return cxapelitaj.at(i);
    const int j = plataj.indexOf(litero.toLower());
    if (j >= 0 && litero.isUpper())
        return majusklaj.at(j);
    return QChar();
}

QString CxLiteroj::konvertas(QString teksto)
{
    for (int i = 0; i < plataj.size(); ++i) {
        const QChar m = plataj.at(i).toUpper();
        const QChar p = plataj.at(i);
        teksto.replace(QString(m) + QLatin1Char('x'), QString(majusklaj.at(i)));
        teksto.replace(QString(m) + QLatin1Char('X'), QString(majusklaj.at(i)));
        teksto.replace(QString(p) + QLatin1Char('x'), QString(cxapelitaj.at(i)));
        teksto.replace(QString(p) + QLatin1Char('X'), QString(cxapelitaj.at(i)));
    }
    return teksto;
}
