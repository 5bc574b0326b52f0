#include "spacplenigilo.h"
#include "funkcioj.h"

QList<bool> spacplenigilo::malgxustaj(const QStringList& tajpitaj, const QStringList& pecoj,
                                      const QList<QStringList>& aliaj)
{
    auto flagoj = [&tajpitaj](const QStringList& vico) {
        QList<bool> el;
        for (int j = 0; j < spacoj; ++j)
            el << (purigas(tajpitaj.value(j), true) != vico.value(j));
        return el;
    };
    QList<bool> plej = flagoj(pecoj);
    for (const QStringList& vico : aliaj) {
        const QList<bool> el = flagoj(vico);
        if (el.count(true) < plej.count(true))
            plej = el;
    }
    return plej;
}

QList<QStringList> spacplenigilo::aliajPecoj(const QString& ero)
{
    QList<QStringList> vicoj;
    for (const QString& vico : ero.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        if (!vico.trimmed().isEmpty())
            vicoj << vico.trimmed().split(QLatin1Char('~'));
    return vicoj;
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
