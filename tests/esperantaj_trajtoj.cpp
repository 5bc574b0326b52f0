#include "esperantaj_trajtoj.h"

#include <QRegularExpression>
#include <QSet>
#include <QVector>

namespace esperantaj_trajtoj {

namespace {

// One word or punctuation mark of the answer, and which of its letters the
// learner writes.
struct Vorto
{
    QString teksto; // in lower case
    QVector<bool> skribita;

    bool cxioSkribita() const { return !skribita.contains(false); }
    // The learner writes the last `n` letters.
    bool finoSkribita(int n) const
    {
        for (int i = teksto.size() - n; i < teksto.size(); ++i)
            if (i < 0 || !skribita.at(i))
                return false;
        return true;
    }
};

const QSet<QString>& prepozicioj()
{
    static const QSet<QString> p{"al",     "anstataŭ", "antaŭ", "apud", "ĉe",    "ĉirkaŭ", "da",      "de",   "dum",
                                 "ekster", "el",       "en",    "ĝis",  "inter", "je",     "kontraŭ", "krom", "kun",
                                 "laŭ",    "malantaŭ", "per",   "po",   "por",   "post",   "preter",  "pri",  "pro",
                                 "sen",    "sub",      "super", "sur",  "tra",   "trans"};
    return p;
}

// Numerals and words of quantity: the plural noun they stand before shows
// its number through them in any language. So does "other" before a bare
// noun (其他国家, ほかの国, 다른 나라: other countries).
bool kvanta(const QString& v)
{
    static const QSet<QString> k{"du",      "tri",    "kvar",    "kvin",  "ses",    "sep",     "ok",
                                 "naŭ",     "dek",    "cent",    "mil",   "multaj", "multajn", "kelkaj",
                                 "kelkajn", "pluraj", "plurajn", "ambaŭ", "ĉiuj",   "ĉiujn",   "ĉiaj",
                                 "ĉiajn",   "aliaj",  "aliajn",  "da"};
    return k.contains(v);
}

// A noun with the prefix ge- names both sexes together (gepatroj: parents,
// geamikoj: friends of both sexes): its word in any language is one of
// several.
bool ambauxseksa(const QString& v)
{
    return v.startsWith(QLatin1String("ge")) && v.size() > 5;
}

// Words that end as an adjective does but are none.
bool adjektiva(const QString& v)
{
    static const QSet<QString> ne{"la", "da", "ja", "tra", "kaj", "ĉu"};
    static const QRegularExpression fino(QStringLiteral("^\\p{L}+(a|aj|an|ajn)$"));
    return !ne.contains(v) && fino.match(v).hasMatch();
}

bool substantiva(const QString& v)
{
    // The correlatives in -o and -u and short words ending so are no nouns.
    static const QRegularExpression korelativo(QStringLiteral("^(ki|ti|i|ĉi|neni)(o|on|u|uj|un|ujn)$"));
    static const QSet<QString> ne{"do", "po", "pro", "tro", "ho"};
    static const QRegularExpression fino(QStringLiteral("^\\p{L}[\\p{L}'-]*(o|oj|on|ojn)$"));
    return fino.match(v).hasMatch() && !korelativo.match(v).hasMatch() && !ne.contains(v);
}

bool plurala(const QString& v)
{
    return v.endsWith(QLatin1String("oj")) || v.endsWith(QLatin1String("ojn"));
}

// Ends a clause: what esti or ne said before it no longer holds.
bool propozicioFinigas(const QString& v)
{
    static const QSet<QString> f{".",  ",",  ";",    ":",   "?",   "!",    "—",    "kaj",   "sed", "ĉar",
                                 "ke", "se", "kiam", "kie", "kiu", "kiuj", "kiun", "kiujn", "do",  "aŭ"};
    return f.contains(v);
}

Trajtoj trajtoj(const QList<Vorto>& vortoj)
{
    static const QRegularExpression esti(QStringLiteral("^est(as|is|os|us|u|i)$"));
    Trajtoj t;
    bool postEsti = false;
    bool nea = false;
    for (int i = 0; i < vortoj.size(); ++i) {
        const Vorto& v = vortoj.at(i);
        if (propozicioFinigas(v.teksto) || prepozicioj().contains(v.teksto)) {
            postEsti = false;
            nea = false;
        }
        if (v.teksto == QLatin1String("la") && v.cxioSkribita()
            && !(i + 1 < vortoj.size() && vortoj.at(i + 1).teksto == QLatin1String("plej"))) {
            ++t.la;
            int n = i + 1;
            while (n < vortoj.size() && !substantiva(vortoj.at(n).teksto) && adjektiva(vortoj.at(n).teksto))
                ++n;
            const bool objekto = n < vortoj.size() && vortoj.at(n).teksto.endsWith(QLatin1Char('n'));
            const bool postPrepozicio = i > 0 && prepozicioj().contains(vortoj.at(i - 1).teksto);
            if (!objekto && !postPrepozicio)
                ++t.laNominativa;
        }
        if (substantiva(v.teksto)) {
            const int j = v.teksto.endsWith(QLatin1Char('n')) ? 2 : 1;
            if (plurala(v.teksto) && v.finoSkribita(j)) {
                // The words of its phrase before it: adjectives, numerals, the article.
                bool montrita = postEsti;
                bool difinita = false;
                int a = i - 1;
                for (; a >= 0; --a) {
                    const Vorto& antaua = vortoj.at(a);
                    if (antaua.teksto == QLatin1String("la"))
                        difinita = true;
                    else if (kvanta(antaua.teksto))
                        montrita = true;
                    else if (!adjektiva(antaua.teksto))
                        break;
                    else if (antaua.teksto.contains(QLatin1Char('j'))
                             && !antaua.finoSkribita(antaua.teksto.endsWith(QLatin1Char('n')) ? 2 : 1))
                        montrita = true; // a printed agreeing word
                }
                if (a >= 1
                    && (vortoj.at(a).teksto == QLatin1String("kaj") || vortoj.at(a).teksto == QLatin1String("aŭ"))
                    && substantiva(vortoj.at(a - 1).teksto) && plurala(vortoj.at(a - 1).teksto))
                    montrita = true;
                if (nea && !difinita)
                    montrita = true;
                if (ambauxseksa(v.teksto))
                    montrita = true;
                if (!montrita)
                    ++t.pluralo;
            } else if (!plurala(v.teksto) && v.finoSkribita(j)) {
                t.singularaj << v.teksto.left(v.teksto.size() - j);
            }
            if (postEsti)
                postEsti = false;
        }
        // A tense ending the learner typed.
        if (v.teksto.size() > 3 && v.finoSkribita(2) && !substantiva(v.teksto)) {
            if (v.teksto.endsWith(QLatin1String("os")))
                ++t.futuro;
            else if (v.teksto.endsWith(QLatin1String("is")))
                ++t.preterito;
        }
        if (esti.match(v.teksto).hasMatch())
            postEsti = true;
        if (v.teksto == QLatin1String("ne"))
            nea = true;
    }
    return t;
}

// The words and punctuation marks of `teksto`, each letter written by the
// learner where `skribita` says so.
QList<Vorto> vortoj(const QString& teksto, const QVector<bool>& skribita)
{
    static const QRegularExpression vorto(QStringLiteral("[\\p{L}'-]+|[.,;:?!—]"));
    QList<Vorto> el;
    auto it = vorto.globalMatch(teksto);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        el << Vorto{m.captured().toLower(), skribita.mid(m.capturedStart(), m.capturedLength())};
    }
    return el;
}

} // namespace

Trajtoj deFrazo(const QString& frazo)
{
    return trajtoj(vortoj(frazo, QVector<bool>(frazo.size(), true)));
}

Trajtoj deBrecxoj(const QStringList& partoj, const QStringList& pecoj)
{
    QString teksto;
    QVector<bool> skribita;
    for (int i = 0; i < partoj.size(); ++i) {
        teksto += partoj.at(i);
        skribita += QVector<bool>(partoj.at(i).size(), false);
        if (i + 1 < partoj.size()) {
            const QString peco = pecoj.value(i);
            teksto += peco;
            skribita += QVector<bool>(peco.size(), true);
        }
    }
    return trajtoj(vortoj(teksto, skribita));
}

Trajtoj komunaj(const QList<Trajtoj>& respondoj)
{
    if (respondoj.isEmpty())
        return Trajtoj();
    Trajtoj t = respondoj.first();
    for (const Trajtoj& r : respondoj) {
        t.la = qMin(t.la, r.la);
        t.laNominativa = qMin(t.laNominativa, r.laNominativa);
        t.pluralo = qMin(t.pluralo, r.pluralo);
        t.futuro = qMin(t.futuro, r.futuro);
        t.preterito = qMin(t.preterito, r.preterito);
        QStringList ambaux;
        for (const QString& s : qAsConst(t.singularaj))
            if (r.singularaj.contains(s))
                ambaux << s;
        t.singularaj = ambaux;
    }
    return t;
}

} // namespace esperantaj_trajtoj
