#include "vortscio.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// The lessons that teach them: lesson 1 the nouns, adjectives, plural, the
// three tenses and the infinitive of its word lists; lesson 2 the
// accusative; lesson 3 the adverbs; lesson 10 the imperative and the
// conditional.
const QHash<QString, int>& finajhoj()
{
    static const QHash<QString, int> t{{"o", 1}, {"a", 1}, {"j", 1}, {"as", 1}, {"is", 1}, {"os", 1},
                                       {"i", 1}, {"n", 2}, {"e", 3}, {"u", 10}, {"us", 10}};
    return t;
}

// Lesson 2 teaches mal-, ne and -in-; lesson 8 the prefixes and its first
// suffixes, lesson 9 the others, lesson 10 the participles. The course never
// teaches -ing- and -ism- (14: no lesson).
const QHash<QString, int>& afiksoj()
{
    static const QHash<QString, int> t{
        {"mal", 2},  {"ne", 2},   {"in", 2},  {"bo", 8},  {"dis", 8}, {"ek", 8},   {"eks", 8},
        {"fi", 8},   {"ge", 8},   {"mis", 8}, {"pra", 8}, {"re", 8},  {"duon", 8}, {"aĉ", 8},
        {"ad", 8},   {"aĵ", 8},   {"an", 8},  {"ar", 8},  {"ĉj", 8},  {"ebl", 8},  {"ec", 8},
        {"eg", 8},   {"ej", 8},   {"em", 8},  {"end", 8}, {"er", 9},  {"estr", 9}, {"et", 9},
        {"id", 9},   {"ig", 9},   {"iĝ", 9},  {"il", 9},  {"ind", 9}, {"ist", 9},  {"nj", 9},
        {"obl", 9},  {"on", 9},   {"op", 9},  {"ul", 9},  {"um", 9},  {"uj", 9},   {"ant", 10},
        {"int", 10}, {"ont", 10}, {"at", 10}, {"it", 10}, {"ot", 10}, {"ing", 14}, {"ism", 14}};
    return t;
}

const QStringList& prefiksoj()
{
    static const QStringList p{"mal", "ne", "bo", "dis", "eks", "ek", "fi", "ge", "mis", "pra", "re", "duon"};
    return p;
}

const QStringList& sufiksoj()
{
    static const QStringList s{"aĉ",   "ad", "aĵ", "an",  "ar",  "ĉj",  "ebl", "ec", "eg",  "ej",  "em",  "end", "er",
                               "estr", "et", "id", "ig",  "iĝ",  "il",  "ind", "in", "ist", "nj",  "obl", "on",  "op",
                               "ul",   "um", "uj", "ant", "int", "ont", "at",  "it", "ot",  "ing", "ism"};
    return s;
}

const QStringList& participoj()
{
    static const QStringList p{"ant", "int", "ont", "at", "it", "ot"};
    return p;
}

// The endings a word may end with, the longest first.
const QStringList& vortfinajhoj()
{
    static const QStringList f{"as", "is", "os", "us", "o", "a", "e", "i", "u"};
    return f;
}

bool siFormo(const QString& v)
{
    static const QSet<QString> formoj{"si", "sin", "sia", "siaj", "sian", "siajn"};
    return formoj.contains(v);
}

// Whether a met word takes the -j or -n it lacks: a word with an ending
// in -o or -a, a correlative in -u (kiujn) or -e (kien), unu, a personal
// pronoun (lin); "jen" is no "je" with -n, nor "nun" a "nu".
bool fleksebla(const QString& vorto, const QStringList& aliaj)
{
    const bool o_a = vorto.endsWith(QLatin1Char('o')) || vorto.endsWith(QLatin1Char('a'));
    const bool u = vorto.endsWith(QLatin1String("iu")) || vorto == QLatin1String("unu");
    if (aliaj.contains(QLatin1String("j")))
        return o_a || u;
    static const QSet<QString> pronomoj{"mi", "vi", "li", "ŝi", "ĝi", "ni", "ili", "oni", "si"};
    return o_a || u || vorto.endsWith(QLatin1String("ie")) || pronomoj.contains(vorto);
}

QString frua(const QString& kio, int leciono)
{
    return QStringLiteral("%1 before lesson %2").arg(kio).arg(leciono);
}

} // namespace

int Vortscio::finajhaLeciono(const QString& finajho)
{
    return finajhoj().value(finajho);
}

int Vortscio::afiksaLeciono(const QString& afikso)
{
    return afiksoj().value(afikso);
}

QString Vortscio::radiko(const QString& vorto, QString* finajho, QStringList* aliaj)
{
    QString v = vorto;
    if (v.endsWith(QLatin1Char('n')) && v.size() > 2) {
        v.chop(1);
        if (aliaj)
            *aliaj << QStringLiteral("n");
    }
    if (v.endsWith(QLatin1Char('j')) && v.size() > 2) {
        v.chop(1);
        if (aliaj)
            *aliaj << QStringLiteral("j");
    }
    for (const QString& f : vortfinajhoj())
        if (v.endsWith(f) && v.size() - f.size() >= 2) {
            if (finajho)
                *finajho = f;
            return v.left(v.size() - f.size());
        }
    return QString();
}

void Vortscio::lernas(const QString& teksto, int leciono)
{
    static const QRegularExpression apartigo(QStringLiteral("[^\\p{L}]+"));
    for (const QString& vorto : teksto.toLower().split(apartigo, Qt::SkipEmptyParts)) {
        vortoj_.insert(vorto);
        QString f;
        const QString r = radiko(vorto, &f);
        // A verb shown in the imperative or the conditional ("FermU la
        // pordon", "Ni dormu") is met like any other; the small words that
        // only end like one are no verbs: kiu and tiu would give roots ki-
        // and ti-. Nor is a stem without a vowel a root: pli and tri would
        // give pl- and tr-, and plu and tro would pass.
        static const QSet<QString> neVerbaj{"kiu", "tiu", "ĉiu", "neniu", "iu", "unu", "plu"};
        static const QRegularExpression vokalo(QStringLiteral("[aeiou]"));
        if (r.isEmpty() || !r.contains(vokalo)
            || ((f == QLatin1String("u") || f == QLatin1String("us")) && neVerbaj.contains(r + f)))
            continue;
        const bool verbo = f == QLatin1String("i") || f == QLatin1String("u") || f.size() == 2;
        radikoj_.insert(r);
        if (verbo)
            verbaj_.insert(r);
        lernasRadikojn(r, leciono, verbo);
    }
}

void Vortscio::lernasRadikojn(const QString& trunko, int leciono, bool verbo, int profundo)
{
    if (profundo >= 3)
        return;
    auto lernas = [&](const QString& r, bool verba) {
        static const QRegularExpression vokalo(QStringLiteral("[aeiou]"));
        if (r.size() < 2 || !r.contains(vokalo))
            return;
        radikoj_.insert(r);
        if (verba)
            verbaj_.insert(r);
        lernasRadikojn(r, leciono, verba, profundo + 1);
    };
    for (const QString& p : prefiksoj())
        if (trunko.startsWith(p) && afiksaLeciono(p) <= leciono)
            lernas(trunko.mid(p.size()), verbo);
    // Behind a suffix the root may be of any kind (ŝlosilo: ŝlosi).
    for (const QString& s : sufiksoj())
        if (trunko.endsWith(s) && afiksaLeciono(s) <= leciono)
            lernas(trunko.left(trunko.size() - s.size()), false);
}

bool Vortscio::samaRadiko(const QString& vorto, const QString& glosita)
{
    if (vorto == glosita)
        return true;
    const QString g = radiko(glosita);
    QString r = radiko(vorto);
    if (g.isEmpty() || r.isEmpty())
        return false;
    for (bool sxangxis = true; sxangxis;) {
        if (r == g)
            return true;
        sxangxis = false;
        for (const QString& p : prefiksoj())
            if (r.startsWith(p) && r.size() - p.size() >= g.size()) {
                r = r.mid(p.size());
                sxangxis = true;
                break;
            }
        if (sxangxis)
            continue;
        for (const QString& s : sufiksoj())
            if (r.endsWith(s) && r.size() - s.size() >= g.size()) {
                r.chop(s.size());
                sxangxis = true;
                break;
            }
    }
    return false;
}

bool Vortscio::verba(const QString& trunko) const
{
    if (verbaj_.contains(trunko))
        return true;
    for (const QString& p : prefiksoj())
        if (trunko.startsWith(p) && trunko.size() > p.size() + 1 && verba(trunko.mid(p.size())))
            return true;
    return false;
}

bool Vortscio::konstruebla(const QString& trunko, QStringList* uzitaj, int profundo) const
{
    // A met word may take an ending of its own: apud, apuda; hodiaŭ, hodiaŭa.
    if (radikoj_.contains(trunko) || vortoj_.contains(trunko))
        return true;
    if (profundo >= 4)
        return false;
    for (const QString& p : prefiksoj())
        if (trunko.startsWith(p) && trunko.size() > p.size() + 1
            && konstruebla(trunko.mid(p.size()), uzitaj, profundo + 1)) {
            *uzitaj << p;
            return true;
        }
    for (const QString& s : sufiksoj())
        if (trunko.endsWith(s) && trunko.size() > s.size() + 1
            && konstruebla(trunko.left(trunko.size() - s.size()), uzitaj, profundo + 1)) {
            *uzitaj << s;
            return true;
        }
    // A compound of two met words, the first maybe joined by -o-
    // (tag|manĝ, ĉiu|tag, lern|o|libr).
    for (int i = 2; i <= trunko.size() - 2; ++i) {
        QString unua = trunko.left(i);
        const QString dua = trunko.mid(i);
        if (unua.endsWith(QLatin1Char('o')) && radikoj_.contains(unua.chopped(1)))
            unua.chop(1);
        if ((radikoj_.contains(unua) || vortoj_.contains(unua)) && konstruebla(dua, uzitaj, profundo + 1))
            return true;
    }
    return false;
}

bool Vortscio::nombro(const QString& trunko) const
{
    static const QStringList nombroj{"unu", "du", "tri", "kvar", "kvin", "ses",
                                     "sep", "ok", "naŭ", "dek",  "cent", "mil"};
    if (trunko.isEmpty())
        return false;
    for (const QString& n : nombroj)
        if (trunko.startsWith(n) && vortoj_.contains(n) && (trunko.size() == n.size() || nombro(trunko.mid(n.size()))))
            return true;
    return false;
}

QStringList Vortscio::fruajFormoj(const QString& vorto, int leciono) const
{
    const QString v = vorto.toLower();
    QStringList el;
    if (leciono < 10 && siFormo(v))
        el << frua(QStringLiteral("si/sia"), 10);
    if (leciono < 10 && v == QLatin1String("ke"))
        el << frua(QStringLiteral("ke"), 10);
    QString f;
    QStringList aliaj;
    const QString r = radiko(v, &f, &aliaj);
    if (r.isEmpty())
        return el;
    if ((f == QLatin1String("u") || f == QLatin1String("us")) && verba(r) && leciono < finajhaLeciono(f))
        el << frua(QStringLiteral("-") + f, finajhaLeciono(f));
    for (const QString& p : participoj())
        if (r.endsWith(p) && r.size() > p.size() + 1 && verba(r.left(r.size() - p.size())) && leciono < 10)
            el << frua(QStringLiteral("the participle -%1-").arg(p), 10);
    if (leciono < 9 && r.indexOf(QStringLiteral("iĝ"), 2) >= 0)
        el << frua(QStringLiteral("-iĝ-"), 9);
    return el;
}

QStringList Vortscio::mankoj(const QString& vorto, int leciono) const
{
    const QString v = vorto.toLower();
    QStringList el = fruajFormoj(v, leciono);
    auto finajho = [&](const QString& f) {
        const int l = finajhaLeciono(f);
        if (l > leciono)
            el << frua(QStringLiteral("-") + f, l);
    };
    if (vortoj_.contains(v))
        return el;
    // A met word with the endings of plural and accusative: kiujn, miajn, lin.
    QString senFinoj = v;
    QStringList aliaj;
    for (const char* f : {"n", "j"})
        if (senFinoj.endsWith(QLatin1String(f)) && senFinoj.size() > 2 && !vortoj_.contains(senFinoj)) {
            senFinoj.chop(1);
            aliaj.prepend(QLatin1String(f));
        }
    if (vortoj_.contains(senFinoj) && fleksebla(senFinoj, aliaj)) {
        for (const QString& f : qAsConst(aliaj))
            finajho(f);
        return el;
    }
    QString f;
    aliaj.clear();
    const QString r = radiko(v, &f, &aliaj);
    // An ordinal: a met number with the adjective ending, which lesson 3
    // teaches (oka, dekkvara, la sesan).
    if (f == QLatin1String("a") && nombro(r)) {
        for (const QString& a : qAsConst(aliaj))
            finajho(a);
        if (leciono < 3)
            el << frua(QStringLiteral("the ordinal"), 3);
        return el;
    }
    QStringList uzitaj;
    if (r.isEmpty() || !konstruebla(r, &uzitaj)) {
        el << QStringLiteral("not met yet");
        return el;
    }
    for (const QString& a : qAsConst(aliaj))
        finajho(a);
    finajho(f);
    for (const QString& a : qAsConst(uzitaj)) {
        const int l = afiksaLeciono(a);
        // A participle is told once, by fruajFormoj.
        if (l > leciono && !participoj().contains(a))
            el << frua(QStringLiteral("the affix %1").arg(a), l);
    }
    el.removeDuplicates();
    return el;
}
