#include "nombrilo.h"
#include "funkcioj.h"

QString nombrilo::normigas(const QString& tajpita)
{
    return purigas(tajpita, false);
}

bool nombrilo::gxusta(const QString& tajpita, const QString& respondo)
{
    bool nombro = false;
    bool respondoNombro = false;
    const qlonglong t = normigas(tajpita).toLongLong(&nombro, 10);
    const qlonglong r = respondo.trimmed().toLongLong(&respondoNombro, 10);
    return nombro && respondoNombro && t == r;
}

QString nombrilo::folioEro(const QString& frazo, bool dekstreMaldekstren)
{
    QString ero = QStringLiteral("<li>");
    if (dekstreMaldekstren)
        ero += QChar(0x202A);
    ero += frazo + QStringLiteral(" : ") + QStringLiteral("____________");
    if (dekstreMaldekstren)
        ero += QChar(0x202C);
    return ero + QStringLiteral("<br></li>");
}
