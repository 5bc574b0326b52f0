// Keeps the record of the English each text of a translation file was made
// from (FontRegistro: resources/tradukoj/fontoj/<name>.txt), which
// tst_tradukoj holds every file to.
//
//   tradukfontoj malnovaj FILE.trd...            lists the keys to review
//   tradukfontoj reviziitaj FILE.trd KEY...      after review of those keys
//   tradukfontoj reviziitaj FILE.trd --cxiuj     after review of the whole file
//
// A key is written as the checks name it, "Section/Key" (Lec07/Label577).
// "malnovaj" exits with 1 when there is anything to review.
#include "fontregistro/fontregistro.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

QTextStream& eligo()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& eraro()
{
    static QTextStream s(stderr);
    return s;
}

int uzo()
{
    eraro() << "usage: tradukfontoj malnovaj FILE.trd...\n"
               "       tradukfontoj reviziitaj FILE.trd Section/Key...\n"
               "       tradukfontoj reviziitaj FILE.trd --cxiuj\n"
            << Qt::flush;
    return 2;
}

// A text of several lines, indented under its label.
QString linioj(const QString& teksto)
{
    QString t = teksto;
    return t.replace(QLatin1Char('\n'), QStringLiteral("\n        "));
}

int malnovaj(const QStringList& dosieroj)
{
    int rezulto = 0;
    for (const QString& dosiero : dosieroj) {
        const FontRegistro r(dosiero);
        if (!r.eraro().isEmpty()) {
            eraro() << "tradukfontoj: " << r.eraro() << Qt::endl;
            rezulto = 2;
            continue;
        }
        const QString nomo = QFileInfo(dosiero).fileName();
        const QStringList malnovaj = r.malnovaj(), sen = r.senRegistro(), restantaj = r.restantaj(),
                          mankantaj = r.mankantaj();
        const int nombro = int(malnovaj.size() + sen.size() + restantaj.size() + mankantaj.size());
        eligo() << nomo << ": " << nombro << (nombro == 1 ? " key" : " keys") << " to review\n";
        if (nombro == 0)
            continue;
        if (rezulto == 0)
            rezulto = 1;
        auto listas = [&](const QStringList& sxlosiloj, const char* kial, bool kunTekstoj) {
            for (const QString& k : sxlosiloj) {
                eligo() << "  " << k << ": " << kial << "\n";
                if (!kunTekstoj)
                    continue;
                eligo() << "    English now: " << linioj(r.angla(k)) << "\n";
                if (mankantaj.contains(k))
                    continue;
                eligo() << "    " << nomo << ": " << linioj(r.traduko(k)) << "\n";
            }
        };
        listas(malnovaj, "the English changed since the text was made", true);
        listas(sen, "no record of the English the text was made from", true);
        listas(mankantaj, "not in the translation yet (add it where angla.trd has it)", true);
        listas(restantaj, "recorded, but angla.trd has no such key", false);
        eligo() << "  After review: tradukfontoj reviziitaj " << dosiero << " KEY...\n";
    }
    eligo().flush();
    return rezulto;
}

int reviziitaj(const QString& dosiero, const QStringList& sxlosiloj)
{
    FontRegistro r(dosiero);
    if (sxlosiloj == QStringList{QStringLiteral("--cxiuj")})
        r.reviziasCxiujn();
    else if (sxlosiloj.contains(QStringLiteral("--cxiuj")))
        return uzo();
    else
        r.revizias(sxlosiloj);
    if (!r.skribas()) {
        eraro() << "tradukfontoj: " << r.eraro() << "; the record is left as it was" << Qt::endl;
        return 1;
    }
    const int restas = int(r.malnovaj().size() + r.senRegistro().size() + r.restantaj().size());
    eligo() << FontRegistro::registroVojo(dosiero) << ": recorded; " << restas << " still to review" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments().mid(1);
    if (a.size() >= 2 && a.at(0) == QLatin1String("malnovaj"))
        return malnovaj(a.mid(1));
    if (a.size() >= 3 && a.at(0) == QLatin1String("reviziitaj"))
        return reviziitaj(a.at(1), a.mid(2));
    return uzo();
}
