#include "kiomahoro_folio.h"
#include "ekzercfolio.h"

#include <QChar>

QString kiomahoro_folio::html(const QString& direkto, const QFont& tiparo, const QString& nomo, const QString& titolo,
                              const QString& demando, const QString& instrukcio, const QStringList& frazoj,
                              const QStringList& solvoj)
{
    // The question line stands between the title and the instruction, as a
    // second bold paragraph.
    ekzercfolio folio(direkto, tiparo, nomo, titolo + QStringLiteral("</B></P><P><B>") + demando, instrukcio, false);
    const bool dekstre = direkto == QLatin1String("RTL");
    folio.korpo(QStringLiteral("<ol>"));
    for (int i = 0; i < frazoj.size(); ++i) {
        QString ero = QStringLiteral("<li>");
        if (dekstre)
            ero += QChar(0x202A);
        ero += frazoj.at(i) + QStringLiteral(" : ") + QStringLiteral("______:______");
        if (dekstre)
            ero += QChar(0x202C);
        ero += QStringLiteral("<br></li>");
        folio.korpo(ero);
        folio.respondo(i + 1, i < solvoj.size() ? solvoj.at(i) : QString());
    }
    folio.korpo(QStringLiteral("</ol>"));
    return folio.html();
}
