#include "spacplenigilo.h"
#include "funkcioj.h"

QList<bool> spacplenigilo::malgxustaj(const QStringList& tajpitaj, const QStringList& pecoj)
{
    QList<bool> el;
    for (int j = 0; j < spacoj; ++j)
        el << (purigas(tajpitaj.value(j), true) != pecoj.value(j));
    return el;
}

bool spacplenigilo::dekstren(const QString& antaux, const QString& post)
{
    return antaux.endsWith(QLatin1Char(' ')) && !post.startsWith(QLatin1Char(' '));
}

QString spacplenigilo::folioEro(const QString& traduko, const QStringList& partoj_, const QStringList& pecoj,
                                bool dekstreMaldekstren)
{
    QString ero = QStringLiteral("<li>") + traduko + QStringLiteral("<br>");
    if (dekstreMaldekstren)
        ero += QChar(0x202A);
    for (int j = 0; j < partoj; ++j) {
        const QString parto = partoj_.value(j);
        ero += parto;
        if (j >= spacoj)
            continue;
        if (parto.endsWith(QLatin1Char(' ')))
            ero += QStringLiteral("&nbsp;");
        ero += QStringLiteral("__").repeated(pecoj.value(j).size());
        if (partoj_.value(j + 1).startsWith(QLatin1Char(' ')))
            ero += QStringLiteral("&nbsp;");
    }
    if (dekstreMaldekstren)
        ero += QChar(0x202C);
    return ero + QStringLiteral("<br></li>");
}

QString spacplenigilo::sxlosilo(const QStringList& pecoj)
{
    QString el;
    for (int j = 0; j < spacoj; ++j) {
        if (pecoj.value(j).isEmpty())
            continue;
        el += pecoj.value(j);
        if (!pecoj.value(j + 1).isEmpty())
            el += QStringLiteral(",&nbsp;&nbsp;");
    }
    return el;
}
