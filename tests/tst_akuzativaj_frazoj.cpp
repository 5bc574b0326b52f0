// The sentences of every accusative exercise against the grammar they
// teach, one row per item section: every word flagged for -n must be one
// that takes the accusative in its sentence, and only such words; where a
// gap-filling section writes the same sentences out with their endings, the
// -n stands exactly where it is flagged; and a learner working in Esperanto
// does not find the answers in the translations shown.
//
// Adding a lesson's accusative exercise is adding its row to SEKCIOJ, with
// the verbs its sentences may use with a direct object and those they use
// without one.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"

#include <QRegularExpression>
#include <iterator>

namespace {

// Explanation numbers, as the [Ekzerco-Klarigoj] texts read.
enum Klarigo {
    Subjekto = 0,
    SubjektaParto = 1,
    Artikolo = 2,
    Verbo = 3,
    Objekto = 4,
    ObjektaParto = 5,
    PostPrepozicio = 6,
    Prepozicio = 7,
    Adverbo = 8,
    NeObjekto = 9,
    Numeralo = 10,
    Konjunkcio = 11,
    Saluto = 12,
    Posedanto = 13
};

const QStringList PRONOMOJ = {"mi", "vi", "li", "ŝi", "ĝi", "ni", "ili", "oni", "si"};
// Adverbs without the ending -e: the primitive ones and the question word ĉu.
const QStringList ADVERBOJ = {"ne",   "jam",  "ankoraŭ", "ankaŭ", "hieraŭ", "hodiaŭ", "morgaŭ", "nun",
                              "tre",  "tro",  "baldaŭ",  "tuj",   "nur",    "eĉ",     "for",    "ĉiam",
                              "tiam", "kiam", "neniam",  "iam",   "ĉu",     "kiel",   "tiel",   "ĉi"};
// Words that end like a verb but are none.
const QStringList NEVERBOJ = {"ĝis"};
const QStringList POSEDAJ = {"mia", "via", "lia", "ŝia", "ĝia", "nia", "ilia", "onia", "sia"};
// Intransitive verbs that join the subject to a predicate in the nominative,
// as esti does ("Mia frato fariĝis kuracisto").
const QStringList KOPULOJ = {"fariĝi", "iĝi", "resti"};

// An accusative exercise's items.
struct Sekcio
{
    // The item section ("0202": sections 0202D, 0202R, 0202K).
    QString kodo;
    int kiom;
    // The gap-filling section that writes the same sentences out with their
    // endings, item by item; empty where there is none.
    QString plenaj;
    // The group "Ekzerco-" + this of the translation files that the exercise
    // shows with the sentences.
    QString tradukoj;
    // The verbs the sentences use with a direct object, and those they use
    // without one (intransitive verbs, and transitive ones in -iĝ- form).
    QStringList transitivaj;
    QStringList netransitivaj;
};

const Sekcio SEKCIOJ[] = {
    {"0202",
     28,
     "0204",
     "0204",
     {"ami", "fari", "forgesi", "havi", "kapti", "lavi", "peti", "porti", "renkonti", "skribi", "sukeri", "trinki",
      "trovi", "vendi", "vidi"},
     {}},
    {"0805",
     27,
     "0802",
     "0802",
     {"aĉeti", "atendi", "ĉasi", "disdoni", "ekvidi", "havi", "legi", "malfermi", "manĝi", "miskompreni", "misuzi",
      "revidi", "rigardadi", "skribi", "vendi", "viziti"},
     {"disflugi", "paroli", "plaĉi", "reaperi", "resti", "ridegi"}},
    {"1005",
     31,
     "1001",
     "1001",
     {"aĉeti", "ami", "fari", "lavi", "manĝi", "rigardi", "sendi", "skribi", "vidi", "viziti"},
     {"dormi", "fieri", "iri", "kuri", "loĝi", "ludi", "paroli", "pensi", "sidi"}},
    // Lesson 12 teaches transitivity: its sentences use intransitive verbs
    // too. Vivi and danci stand among the transitive ones because they take
    // an object of their own kind (vivi feliĉan vivon, danci valson).
    {"1202",
     65,
     "",
     "1202",
     {"aĉeti",   "atendi",   "bruligi", "danci",  "danki",    "fari",       "fini",      "helpi",   "honori", "kolekti",
      "komenci", "kreskigi", "lacigi",  "legi",   "malfermi", "malvarmigi", "plibonigi", "proponi", "pruvi",  "purigi",
      "rompi",   "sanigi",   "sekigi",  "skribi", "subteni",  "trinki",     "varmigi",   "veki",    "vidi",   "vivi"},
     {"alveni",   "brili",     "edziniĝi", "ekdormi", "fariĝi", "fermiĝi", "finiĝi",     "foriri",  "glaciiĝi",
      "heliĝi",   "komenciĝi", "kreski",   "labori",  "laciĝi", "loĝi",    "malfermiĝi", "okazi",   "pensi",
      "resaniĝi", "resti",     "ridi",     "rompiĝi", "salti",  "sekiĝi",  "sidi",       "varmiĝi", "ĝoji"}},
    // Lesson 6 writes no sentence of its accusative exercise out elsewhere.
    {"0605",
     39,
     "",
     "0605",
     {"aĉeti", "ami", "deziri", "diri", "fari", "gustumi", "havi", "kompreni", "koni", "lavi", "manĝi", "porti",
      "renkonti", "skribi", "trinki", "trovi", "vendi", "vidi"},
     {}},
};

// A correlative: one of the five beginnings with one of the given endings
// ("kiu", "tiujn" are of the endings "u" and "uj" before their -n).
bool korelativo(const QString& v, const QStringList& finoj)
{
    for (const char* komenco : {"ki", "ti", "i", "neni", "ĉi"})
        for (const QString& fino : finoj)
            if (v == QString::fromUtf8(komenco) + fino)
                return true;
    return false;
}
const QStringList U_FINOJ = {"u", "uj"};

bool estasVerbo(const QString& v)
{
    static const QRegularExpression re(QStringLiteral("^\\p{L}+(as|is|os|us)$"));
    return re.match(v).hasMatch() && !NEVERBOJ.contains(v);
}
// An infinitive: "-i", but not a personal pronoun (mi, vi, li, ...).
bool estasInfinitivo(const QString& v)
{
    return v.size() > 2 && v.endsWith(QLatin1Char('i')) && !PRONOMOJ.contains(v);
}
bool estasSubstantivo(const QString& v)
{
    return PRONOMOJ.contains(v) || v.endsWith(QLatin1String("o")) || v.endsWith(QLatin1String("oj"))
           || korelativo(v, U_FINOJ);
}
bool estasAdjektivo(const QString& v)
{
    // "tiu libro": the correlatives in -u go with a noun as adjectives do.
    return v.endsWith(QLatin1String("a")) || v.endsWith(QLatin1String("aj")) || korelativo(v, U_FINOJ);
}
bool plurala(const QString& v)
{
    return v.endsWith(QLatin1Char('j')) || v == QLatin1String("ni") || v == QLatin1String("ili");
}

// The sentence of a gap-filling item, its gaps filled with their pieces.
QString plenigas(const QString& d, const QString& r)
{
    const QStringList partoj = d.split(QLatin1Char('~'));
    const QStringList pecoj = r.split(QLatin1Char('~'));
    QString frazo;
    for (int j = 0; j < partoj.size(); ++j)
        frazo += partoj.at(j) + (j < partoj.size() - 1 ? pecoj.value(j) : QString());
    return frazo;
}

// What is wrong with one accusative item, or an empty text. `d`, `r`, `k` are
// the rows as stored (fields joined by "~"); `plena` is the same sentence
// with its endings, or empty where no section writes it out; `transitivaj`
// the verbs that may take a direct object, `netransitivaj` those that take
// none. A row of flags may run on with empty fields up to the frame's ten.
QString eraroDe(const QString& d, const QString& r, const QString& k, const QString& plena,
                const QStringList& transitivaj, const QStringList& netransitivaj = {})
{
    const QStringList vortoj = d.split(QLatin1Char('~'));
    QStringList flagoj = r.split(QLatin1Char('~'));
    const QStringList kodoj = k.split(QLatin1Char('~'));
    const int n = vortoj.size();
    if (n > 10)
        return QStringLiteral("more than ten words");
    if (flagoj.size() > n && flagoj.size() <= 10) {
        for (int i = n; i < flagoj.size(); ++i)
            if (!flagoj.at(i).isEmpty())
                return QStringLiteral("a flag beyond the sentence's %1 words").arg(n);
        flagoj = flagoj.mid(0, n);
    }
    if (flagoj.size() != n || kodoj.size() != n)
        return QStringLiteral("%1 words, %2 flags, %3 explanation numbers").arg(n).arg(flagoj.size()).arg(kodoj.size());

    int subjektoj = 0, objektoj = 0, konjunkcioj = 0, neObjektoj = 0;
    QStringList verboj, infinitivoj, subjektaj, objektaj;
    // A number above one before the noun it counts ("du leterojn"): the
    // noun is plural, whatever its part of the sentence.
    QString nombrilo;
    for (int i = 0; i < n; ++i) {
        QString vorto = vortoj.at(i).toLower();
        if (vorto.trimmed().isEmpty() || vorto.contains(QLatin1Char(' ')))
            return QStringLiteral("word %1 is not one word").arg(i);
        // A question mark closing the sentence is no part of the word; a
        // word that takes -n must not carry one, or the -n would follow it.
        if (vorto.endsWith(QLatin1Char('?'))) {
            if (flagoj.at(i) == QLatin1String("1"))
                return QStringLiteral("\"%1\" takes -n after its question mark").arg(vorto);
            vorto.chop(1);
        }
        bool nombro = false;
        const int e = kodoj.at(i).toInt(&nombro);
        if (!nombro || e < 0 || e > Posedanto)
            return QStringLiteral("explanation of word %1 is not 0..%2").arg(i).arg(int(Posedanto));
        const QString f = flagoj.at(i);
        if (f != QLatin1String("") && f != QLatin1String("1"))
            return QStringLiteral("flag of word %1 is neither empty nor 1").arg(i);
        if (e == Numeralo) {
            nombrilo = vorto == QLatin1String("unu") ? QString() : vorto;
        } else if ((e == Subjekto || e == Objekto || e == NeObjekto || e == PostPrepozicio)
                   && estasSubstantivo(vorto)) {
            if (!nombrilo.isEmpty() && !plurala(vorto))
                return QStringLiteral("\"%1 %2\": a number above one counts a plural").arg(nombrilo, vorto);
            nombrilo.clear();
        }
        const bool akuzativo = e == Objekto || e == ObjektaParto || e == Saluto;
        if ((f == QLatin1String("1")) != akuzativo)
            return QStringLiteral("flag of \"%1\" disagrees with its explanation %2").arg(vorto).arg(e);
        if ((vorto == QLatin1String("la")) != (e == Artikolo))
            return QStringLiteral("\"%1\" and the explanation of the article").arg(vorto);
        if (e == Verbo ? !estasVerbo(vorto) && !estasInfinitivo(vorto) : estasVerbo(vorto))
            return QStringLiteral("\"%1\" and the explanation of the verb").arg(vorto);
        switch (e) {
        case Subjekto:
        case Objekto:
            if (!estasSubstantivo(vorto))
                return QStringLiteral("\"%1\" cannot be a subject or an object").arg(vorto);
            (e == Subjekto ? subjektoj : objektoj) += 1;
            (e == Subjekto ? subjektaj : objektaj) << vorto;
            break;
        case SubjektaParto:
        case ObjektaParto:
            if (!estasAdjektivo(vorto))
                return QStringLiteral("\"%1\" cannot go with a noun").arg(vorto);
            (e == SubjektaParto ? subjektaj : objektaj) << vorto;
            break;
        case Adverbo:
            if (!ADVERBOJ.contains(vorto) && !vorto.endsWith(QLatin1Char('e'))
                && !korelativo(vorto, {"el", "om", "al", "am"}))
                return QStringLiteral("\"%1\" is no adverb").arg(vorto);
            break;
        case Konjunkcio:
            if (vorto != QLatin1String("kaj") && vorto != QStringLiteral("aŭ") && vorto != QLatin1String("sed"))
                return QStringLiteral("\"%1\" is no conjunction").arg(vorto);
            ++konjunkcioj;
            break;
        case Verbo:
            (estasVerbo(vorto) ? verboj : infinitivoj) << vorto;
            break;
        case Posedanto:
            // "kies libron": the possessive correlatives name an owner, never
            // take an ending and stand beside any part of the sentence.
            if (!korelativo(vorto, {"es"}))
                return QStringLiteral("\"%1\" is no correlative in -es").arg(vorto);
            break;
        case NeObjekto:
            // The verb's action does fall on "kies" in "Kies plumon vi
            // trovis?"; its own explanation says why it still takes no -n.
            if (korelativo(vorto, {"es"}))
                return QStringLiteral("\"%1\" is explained as a word the verb does not act on").arg(vorto);
            subjektaj << vorto; // a predicate agrees with the subject
            ++neObjektoj;
            break;
        default:
            break;
        }
    }
    if (verboj.size() != 1)
        return QStringLiteral("%1 finite verbs").arg(verboj.size());
    // An infinitive after the verb is the one that takes the object
    // ("venis viziti miajn gepatrojn").
    const QString infinitivo =
        infinitivoj.isEmpty() ? verboj.first().chopped(2) + QLatin1Char('i') : infinitivoj.last();
    // Two subjects stand only where a conjunction joins them ("Paŭlo kaj lia
    // fratino"); the conjunctions left may join objects.
    if (subjektoj < 1 || subjektoj > konjunkcioj + 1)
        return QStringLiteral("%1 subjects").arg(subjektoj);
    const int liberaj = konjunkcioj - (subjektoj - 1);
    if (infinitivo == QLatin1String("esti") || (netransitivaj.contains(infinitivo) && KOPULOJ.contains(infinitivo))) {
        if (!objektaj.isEmpty())
            return QStringLiteral("an object after %1").arg(infinitivo);
    } else if (netransitivaj.contains(infinitivo)) {
        if (!objektaj.isEmpty())
            return QStringLiteral("%1 takes no object").arg(infinitivo);
        // Nor a predicate: what follows such a verb hangs on a preposition
        // or is an adverb ("Ŝi iras al la urbo").
        if (neObjektoj > 0)
            return QStringLiteral("%1 takes no object and no predicate").arg(infinitivo);
    } else if (!transitivaj.contains(infinitivo)) {
        return QStringLiteral("unknown verb %1").arg(infinitivo);
    } else if (neObjektoj > 0) {
        // No word beside the object that such a verb leaves alone.
        return QStringLiteral("a word left in the nominative beside %1").arg(verboj.first());
    }
    if (objektoj > liberaj + 1)
        return QStringLiteral("%1 objects joined by %2 conjunctions").arg(objektoj).arg(liberaj);
    // The words of one part of the sentence agree in number.
    for (const QStringList* grupo : {&subjektaj, &objektaj}) {
        if ((objektoj > 1 && grupo == &objektaj) || (subjektoj > 1 && grupo == &subjektaj))
            continue;
        for (const QString& v : *grupo)
            if (plurala(v) != plurala(grupo->first()) && !POSEDAJ.contains(grupo->first()))
                return QStringLiteral("\"%1\" and \"%2\" differ in number").arg(grupo->first(), v);
    }
    // The same sentence written out shows the -n exactly where it is flagged.
    if (plena.isEmpty())
        return QString();
    QString senPunktoj = plena;
    senPunktoj.remove(QRegularExpression(QStringLiteral("[.,;!?]")));
    const QStringList plenaj = senPunktoj.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (plenaj.size() != n)
        return QStringLiteral("the written-out sentence has %1 words").arg(plenaj.size());
    for (int i = 0; i < n; ++i) {
        const QString atendata = vortoj.at(i) + (flagoj.at(i) == QLatin1String("1") ? QStringLiteral("n") : QString());
        if (plenaj.at(i) != atendata)
            return QStringLiteral("written out \"%1\", flagged \"%2\"").arg(plenaj.at(i), atendata);
    }
    return QString();
}

// The sections of one row, read once.
struct Eroj
{
    QStringList d, r, k; // the accusative items
    QStringList pd, pr; // the gap-filling items, where there are any
};

QStringList legas(const QString& kodo, const char* speco)
{
    QStringList el;
    if (!kodo.isEmpty())
        _Matriz(&el, kodo, QLatin1String(speco));
    return el;
}

Eroj legas(const Sekcio& s)
{
    return {legas(s.kodo, "D"), legas(s.kodo, "R"), legas(s.kodo, "K"), legas(s.plenaj, "D"), legas(s.plenaj, "R")};
}

} // namespace

class TestoAkuzativajFrazoj : public QObject
{
    Q_OBJECT

    // One row per item of every section.
    // A row per item of every section, or of the sections whose sentences a
    // gap-filling section writes out.
    static void perEro(bool nurPlenaj = false)
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("i");
        for (int s = 0; s < int(std::size(SEKCIOJ)); ++s) {
            if (nurPlenaj && SEKCIOJ[s].plenaj.isEmpty())
                continue;
            const QStringList d = legas(SEKCIOJ[s].kodo, "D");
            for (int i = 0; i < d.size(); ++i)
                QTest::newRow(qPrintable(SEKCIOJ[s].kodo + QLatin1Char(' ') + d.at(i))) << s << i;
        }
    }

private slots:
    void sekcioj_data()
    {
        QTest::addColumn<int>("s");
        for (int s = 0; s < int(std::size(SEKCIOJ)); ++s)
            QTest::newRow(qPrintable(SEKCIOJ[s].kodo)) << s;
    }
    void sekcioj()
    {
        QFETCH(int, s);
        const Sekcio& sekcio = SEKCIOJ[s];
        const Eroj e = legas(sekcio);
        QCOMPARE(e.d.size(), sekcio.kiom);
        QCOMPARE(e.r.size(), sekcio.kiom);
        QCOMPARE(e.k.size(), sekcio.kiom);
        if (!sekcio.plenaj.isEmpty()) {
            QCOMPARE(e.pd.size(), sekcio.kiom);
            QCOMPARE(e.pr.size(), sekcio.kiom);
        }
    }

    void unuaEro()
    {
        // The fields of an item as the file stores them.
        const Eroj e = legas(SEKCIOJ[0]);
        QCOMPARE(e.d.value(0), QStringLiteral("La~filo~amas~la~patrino"));
        QCOMPARE(e.r.value(0), QStringLiteral("~~~~1"));
        QCOMPARE(e.k.value(0), QStringLiteral("2~0~3~2~4"));
        QCOMPARE(e.pd.value(0), QStringLiteral("La fil~ am~ la patr~."));
        QCOMPARE(e.pr.value(0), QStringLiteral("o~as~inon"));
    }

    void frazoj_data() { perEro(); }
    void frazoj()
    {
        QFETCH(int, s);
        QFETCH(int, i);
        const Sekcio& sekcio = SEKCIOJ[s];
        const Eroj e = legas(sekcio);
        const QString plena = sekcio.plenaj.isEmpty() ? QString() : plenigas(e.pd.value(i), e.pr.value(i));
        const QString eraro =
            eraroDe(e.d.at(i), e.r.value(i), e.k.value(i), plena, sekcio.transitivaj, sekcio.netransitivaj);
        QVERIFY2(eraro.isEmpty(), qPrintable(eraro));
    }

    void spacoj_data() { perEro(true); }
    void spacoj()
    {
        // Up to five gaps, each filled with a lower-case piece without points or commas.
        QFETCH(int, s);
        QFETCH(int, i);
        const Eroj e = legas(SEKCIOJ[s]);
        const QStringList partoj = e.pd.value(i).split(QLatin1Char('~'));
        const QStringList pecoj = e.pr.value(i).split(QLatin1Char('~'));
        QVERIFY(partoj.size() >= 2 && partoj.size() <= 6);
        QCOMPARE(pecoj.size(), partoj.size() - 1);
        for (const QString& p : pecoj) {
            QVERIFY(!p.isEmpty());
            QCOMPARE(p, p.toLower().trimmed());
            QVERIFY(!p.contains(QLatin1Char('.')) && !p.contains(QLatin1Char(',')));
        }
        QVERIFY(plenigas(e.pd.value(i), e.pr.value(i)).endsWith(QLatin1Char('.')));
    }

    void esperantoNeMontrasRespondojn_data() { sekcioj_data(); }
    void esperantoNeMontrasRespondojn()
    {
        // A learner working in Esperanto must not find the answers in the
        // hints: no translation holds a word that takes -n in its sentence.
        QFETCH(int, s);
        const Sekcio& sekcio = SEKCIOJ[s];
        IniDosiero trd(QStringLiteral(":/tradukoj/esperanto.trd"));
        QList<QStringList> d, r;
        _Matriz2(&d, sekcio.kodo, QStringLiteral("D"), 11);
        _Matriz2(&r, sekcio.kodo, QStringLiteral("R"), 11);
        for (int i = 0; i < d.size(); ++i) {
            const QString traduko = trd.value(QStringLiteral("Ekzerco-%1/%2").arg(sekcio.tradukoj).arg(i)).toString();
            QVERIFY2(!traduko.isEmpty(), qPrintable(d.at(i).join(QLatin1Char(' '))));
            const QStringList vortoj =
                traduko.toLower().remove(QLatin1Char('.')).remove(QLatin1Char(',')).split(QLatin1Char(' '));
            for (int k = 0; k < d.at(i).size(); ++k)
                if (r.at(i).at(k) == QLatin1String("1"))
                    QVERIFY2(!vortoj.contains(d.at(i).at(k).toLower() + QLatin1Char('n')), qPrintable(d.at(i).at(k)));
        }
    }

    // The check itself: each of these items has one fault that it must find.
    void malgxustaj_data()
    {
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("plena");
        QTest::addColumn<QString>("kialo");
        QTest::newRow("subject flagged as object") << "La~filo~amas~la~patrino"
                                                   << "~1~~~1"
                                                   << "2~4~3~2~4"
                                                   << "La filon amas la patrinon."
                                                   << "0 subjects";
        QTest::newRow("flag without its explanation") << "La~filo~amas~la~patrino"
                                                      << "~1~~~1"
                                                      << "2~0~3~2~4"
                                                      << "La filon amas la patrinon."
                                                      << "disagrees with its explanation";
        QTest::newRow("object not flagged") << "La~filo~amas~la~patrino"
                                            << "~~~~"
                                            << "2~0~3~2~9"
                                            << "La filo amas la patrino."
                                            << "left in the nominative";
        QTest::newRow("predicate after esti flagged") << "La~butiko~ne~estas~nova"
                                                      << "~~~~1"
                                                      << "2~0~8~3~5"
                                                      << "La butiko ne estas novan."
                                                      << "object after esti";
        QTest::newRow("article flagged") << "Mi~lavas~la~nova~taso"
                                         << "~~1~1~1"
                                         << "0~3~5~5~4"
                                         << "Mi lavas lan novan tason."
                                         << "explanation of the article";
        QTest::newRow("verb flagged") << "Mi~lavas~la~nova~taso"
                                      << "~1~~1~1"
                                      << "0~4~2~5~4"
                                      << "Mi lavasn la novan tason."
                                      << "explanation of the verb";
        QTest::newRow("one flag too few") << "Mi~lavas~la~nova~taso"
                                          << "~~~1"
                                          << "0~3~2~5~4"
                                          << "Mi lavas la novan tason."
                                          << "4 flags";
        QTest::newRow("one explanation too many") << "Mi~lavas~la~nova~taso"
                                                  << "~~~1~1"
                                                  << "0~3~2~5~4~4"
                                                  << "Mi lavas la novan tason."
                                                  << "6 explanation numbers";
        QTest::newRow("adjective in the other number") << "Mi~lavas~la~novaj~taso"
                                                       << "~~~1~1"
                                                       << "0~3~2~5~4"
                                                       << "Mi lavas la novajn tason."
                                                       << "differ in number";
        QTest::newRow("differs from the written-out sentence") << "Mi~lavas~la~nova~taso"
                                                               << "~~~1~1"
                                                               << "0~3~2~5~4"
                                                               << "Mi lavas la novan taso."
                                                               << "written out";
        QTest::newRow("verb without object") << "La~knabo~iras"
                                             << "~~"
                                             << "2~0~3"
                                             << "La knabo iras."
                                             << "unknown verb";
        QTest::newRow("object beside a verb that takes none") << "La~birdoj~dormas~la~arbo"
                                                              << "~~~~1"
                                                              << "2~0~3~2~4"
                                                              << "La birdoj dormas la arbon."
                                                              << "dormi takes no object";
        QTest::newRow("two finite verbs") << "Mi~amas~lavas~la~taso"
                                          << "~~~~1"
                                          << "0~3~3~2~4"
                                          << "Mi amas lavas la tason."
                                          << "2 finite verbs";
        QTest::newRow("only an infinitive") << "Mi~lavi~la~nova~taso"
                                            << "~~~1~1"
                                            << "0~3~2~5~4"
                                            << "Mi lavi la novan tason."
                                            << "0 finite verbs";
        QTest::newRow("possessive correlative flagged") << "Kies~plumo~vi~trovis"
                                                        << "1~1~~"
                                                        << "5~4~0~3"
                                                        << ""
                                                        << "cannot go with a noun";
        QTest::newRow("quantity correlative taken for the object") << "Kiom~da~pano~vi~trovis"
                                                                   << "1~~~~"
                                                                   << "4~7~6~0~3"
                                                                   << ""
                                                                   << "cannot be a subject or an object";
        QTest::newRow("correlative of manner flagged") << "Kiel~vi~trovis~tiu~domo"
                                                       << "1~~~1~1"
                                                       << "5~0~3~5~4"
                                                       << ""
                                                       << "cannot go with a noun";
        QTest::newRow("predicate beside a verb that takes none") << "La~birdoj~dormas~la~arbo"
                                                                 << "~~~~"
                                                                 << "2~0~3~2~9"
                                                                 << "La birdoj dormas la arbo."
                                                                 << "dormi takes no object and no predicate";
        QTest::newRow("object after a verb that joins a predicate") << "Mia~frato~fariĝis~kuracisto"
                                                                    << "~~~1"
                                                                    << "1~0~3~4"
                                                                    << "Mia frato fariĝis kuraciston."
                                                                    << "an object after fariĝi";
        QTest::newRow("two subjects not joined") << "La~knabo~la~patro~dormas"
                                                 << "~~~~"
                                                 << "2~0~2~0~3"
                                                 << "La knabo la patro dormas."
                                                 << "2 subjects";
        QTest::newRow("the conjunction taken by the subjects") << "Paŭlo~kaj~Petro~vidas~la~hundo~la~kato"
                                                               << "~~~~~1~~1"
                                                               << "0~11~0~3~2~4~2~4"
                                                               << "Paŭlo kaj Petro vidas la hundon la katon."
                                                               << "2 objects joined by 0 conjunctions";
        QTest::newRow("explanation out of range") << "Mi~amas~vi"
                                                  << "~~1"
                                                  << "0~3~14"
                                                  << "Mi amas vin."
                                                  << "not 0..13";
        QTest::newRow("possessive correlative explained as untouched by the verb") << "Kies~plumo~vi~trovis"
                                                                                   << "~1~~"
                                                                                   << "9~4~0~3"
                                                                                   << "Kies plumon vi trovis?"
                                                                                   << "does not act on";
        QTest::newRow("owner explanation on another word") << "Mi~trovis~lia~plumo"
                                                           << "~~~1"
                                                           << "0~3~13~4"
                                                           << ""
                                                           << "no correlative in -es";
        QTest::newRow("object after an intransitive verb") << "Mi~fermiĝis~la~pordo"
                                                           << "~~~1"
                                                           << "0~3~2~4"
                                                           << "Mi fermiĝis la pordon."
                                                           << "fermiĝi takes no object";
        QTest::newRow("flag past the last word") << "Mi~lavas~la~nova~taso"
                                                 << "~~~1~1~~1~~~"
                                                 << "0~3~2~5~4"
                                                 << "Mi lavas la novan tason."
                                                 << "a flag beyond";
        QTest::newRow("number above one before a singular") << "Mi~lavas~du~taso"
                                                            << "~~~1"
                                                            << "0~3~10~4"
                                                            << "Mi lavas du tason."
                                                            << "a number above one counts a plural";
        QTest::newRow("-n after a question mark") << "Ĉu~vi~lavas~la~taso?"
                                                  << "~~~~1"
                                                  << "8~0~3~2~4"
                                                  << "Ĉu vi lavas la tason?"
                                                  << "after its question mark";
    }
    void malgxustaj()
    {
        QFETCH(QString, d);
        QFETCH(QString, r);
        QFETCH(QString, k);
        QFETCH(QString, plena);
        QFETCH(QString, kialo);
        const QStringList transitivaj = SEKCIOJ[0].transitivaj;
        const QStringList netransitivaj = {QStringLiteral("dormi"), QStringLiteral("fermiĝi"),
                                           QStringLiteral("fariĝi")};
        const QString eraro = eraroDe(d, r, k, plena, transitivaj, netransitivaj);
        QVERIFY2(eraro.contains(kialo), qPrintable(eraro));
        // The same sentence put right passes, so the fault above is what failed it.
        QVERIFY(eraroDe(QStringLiteral("Mi~lavas~la~nova~taso"), QStringLiteral("~~~1~1"), QStringLiteral("0~3~2~5~4"),
                        QStringLiteral("Mi lavas la novan tason."), transitivaj, netransitivaj)
                    .isEmpty());
    }

    void infinitivoj()
    {
        // The verb of the sentence need not take objects itself when an
        // infinitive after it does; a verb that takes none stands alone.
        const QStringList lavi = {QStringLiteral("lavi")};
        QCOMPARE(eraroDe(QStringLiteral("Mi~venis~lavi~la~nova~taso"), QStringLiteral("~~~~1~1"),
                         QStringLiteral("0~3~3~2~5~4"), QStringLiteral("Mi venis lavi la novan tason."), lavi, {}),
                 QString());
        QCOMPARE(eraroDe(QStringLiteral("La~birdoj~dormas"), QStringLiteral("~~"), QStringLiteral("2~0~3"),
                         QStringLiteral("La birdoj dormas."), lavi, {QStringLiteral("dormi")}),
                 QString());
        QCOMPARE(eraroDe(QStringLiteral("Mi~lavas~veni~la~taso"), QStringLiteral("~~~~1"), QStringLiteral("0~3~3~2~4"),
                         QStringLiteral("Mi lavas veni la tason."), lavi, {QStringLiteral("veni")}),
                 QStringLiteral("veni takes no object"));
    }
};

LERBO_TEST_MAIN(TestoAkuzativajFrazoj)
#include "tst_akuzativaj_frazoj.moc"
