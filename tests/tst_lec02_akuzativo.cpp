// Lesson 2's accusative sentences (0202) against the grammar they teach and
// against the same sentences written out with their endings in the
// gap-filling items (0204): every word flagged for -n must be one that takes
// the accusative in its sentence, and only such words.
#include "funkcioj.h"
#include "testilo.h"

#include <QRegularExpression>

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
    Saluto = 12
};

const QStringList PRONOMOJ = {"mi", "vi", "li", "ŝi", "ĝi", "ni", "ili", "oni", "si"};
const QStringList POSEDAJ = {"mia", "via", "lia", "ŝia", "ĝia", "nia", "ilia", "onia", "sia"};
// The verbs of lessons 1 and 2 that take a direct object.
const QStringList TRANSITIVAJ = {"ami",      "fari",   "forgesi", "havi",   "kapti", "lavi",  "peti", "porti",
                                 "renkonti", "skribi", "sukeri",  "trinki", "trovi", "vendi", "vidi"};

bool estasVerbo(const QString& v)
{
    static const QRegularExpression re(QStringLiteral("^\\p{L}+(as|is|os|us)$"));
    return re.match(v).hasMatch();
}
bool estasSubstantivo(const QString& v)
{
    return PRONOMOJ.contains(v) || v.endsWith(QLatin1String("o")) || v.endsWith(QLatin1String("oj"));
}
bool estasAdjektivo(const QString& v)
{
    return v.endsWith(QLatin1String("a")) || v.endsWith(QLatin1String("aj"));
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
// with its endings.
QString eraroDe(const QString& d, const QString& r, const QString& k, const QString& plena)
{
    const QStringList vortoj = d.split(QLatin1Char('~'));
    const QStringList flagoj = r.split(QLatin1Char('~'));
    const QStringList kodoj = k.split(QLatin1Char('~'));
    const int n = vortoj.size();
    if (n > 10)
        return QStringLiteral("more than ten words");
    if (flagoj.size() != n || kodoj.size() != n)
        return QStringLiteral("%1 words, %2 flags, %3 explanation numbers").arg(n).arg(flagoj.size()).arg(kodoj.size());

    int subjektoj = 0, objektoj = 0, konjunkcioj = 0, neObjektoj = 0;
    QStringList verboj, subjektaj, objektaj;
    for (int i = 0; i < n; ++i) {
        const QString vorto = vortoj.at(i).toLower();
        if (vorto.trimmed().isEmpty() || vorto.contains(QLatin1Char(' ')))
            return QStringLiteral("word %1 is not one word").arg(i);
        bool nombro = false;
        const int e = kodoj.at(i).toInt(&nombro);
        if (!nombro || e < 0 || e > 12)
            return QStringLiteral("explanation of word %1 is not 0..12").arg(i);
        const QString f = flagoj.at(i);
        if (f != QLatin1String("") && f != QLatin1String("1"))
            return QStringLiteral("flag of word %1 is neither empty nor 1").arg(i);
        const bool akuzativo = e == Objekto || e == ObjektaParto || e == Saluto;
        if ((f == QLatin1String("1")) != akuzativo)
            return QStringLiteral("flag of \"%1\" disagrees with its explanation %2").arg(vorto).arg(e);
        if ((vorto == QLatin1String("la")) != (e == Artikolo))
            return QStringLiteral("\"%1\" and the explanation of the article").arg(vorto);
        if (estasVerbo(vorto) != (e == Verbo))
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
            if (vorto != QLatin1String("ne") && !vorto.endsWith(QLatin1Char('e')))
                return QStringLiteral("\"%1\" is no adverb").arg(vorto);
            break;
        case Konjunkcio:
            if (vorto != QLatin1String("kaj") && vorto != QLatin1String("aŭ") && vorto != QLatin1String("sed"))
                return QStringLiteral("\"%1\" is no conjunction").arg(vorto);
            ++konjunkcioj;
            break;
        case Verbo:
            verboj << vorto;
            break;
        case NeObjekto:
            subjektaj << vorto; // a predicate agrees with the subject
            ++neObjektoj;
            break;
        default:
            break;
        }
    }
    if (verboj.size() != 1)
        return QStringLiteral("%1 verbs").arg(verboj.size());
    const QString infinitivo = verboj.first().chopped(2) + QLatin1Char('i');
    if (subjektoj != 1)
        return QStringLiteral("%1 subjects").arg(subjektoj);
    if (infinitivo == QLatin1String("esti")) {
        if (!objektaj.isEmpty())
            return QStringLiteral("an object after esti");
    } else if (!TRANSITIVAJ.contains(infinitivo)) {
        return QStringLiteral("unknown verb %1").arg(infinitivo);
    } else if (neObjektoj > 0) {
        // Lessons 1 and 2 have no words beside the object that such a verb leaves alone.
        return QStringLiteral("a word left in the nominative beside %1").arg(verboj.first());
    }
    if (objektoj > konjunkcioj + 1)
        return QStringLiteral("%1 objects joined by %2 conjunctions").arg(objektoj).arg(konjunkcioj);
    // The words of one part of the sentence agree in number.
    for (const QStringList* grupo : {&subjektaj, &objektaj}) {
        if (objektoj > 1 && grupo == &objektaj)
            continue;
        for (const QString& v : *grupo)
            if (plurala(v) != plurala(grupo->first()) && !POSEDAJ.contains(grupo->first()))
                return QStringLiteral("\"%1\" and \"%2\" differ in number").arg(grupo->first(), v);
    }
    // The same sentence written out shows the -n exactly where it is flagged.
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

} // namespace

class TestoLec02Akuzativo : public QObject
{
    Q_OBJECT

    QStringList D, R, K, PD, PR;

private slots:
    void initTestCase()
    {
        QCOMPARE(_Matriz(&D, QStringLiteral("0202"), QStringLiteral("D")), 28);
        QCOMPARE(_Matriz(&R, QStringLiteral("0202"), QStringLiteral("R")), 28);
        QCOMPARE(_Matriz(&K, QStringLiteral("0202"), QStringLiteral("K")), 28);
        QCOMPARE(_Matriz(&PD, QStringLiteral("0204"), QStringLiteral("D")), 28);
        QCOMPARE(_Matriz(&PR, QStringLiteral("0204"), QStringLiteral("R")), 28);
    }

    void unuaEro()
    {
        QCOMPARE(D.first(), QStringLiteral("La~filo~amas~la~patrino"));
        QCOMPARE(R.first(), QStringLiteral("~~~~1"));
        QCOMPARE(K.first(), QStringLiteral("2~0~3~2~4"));
        QCOMPARE(PD.first(), QStringLiteral("La fil~ am~ la patr~."));
        QCOMPARE(PR.first(), QStringLiteral("o~as~inon"));
    }

    void frazoj_data()
    {
        QTest::addColumn<int>("i");
        for (int i = 0; i < 28; ++i)
            QTest::newRow(qPrintable(D.value(i))) << i;
    }
    void frazoj()
    {
        QFETCH(int, i);
        const QString eraro = eraroDe(D.at(i), R.at(i), K.at(i), plenigas(PD.at(i), PR.at(i)));
        QVERIFY2(eraro.isEmpty(), qPrintable(eraro));
    }

    void spacoj_data() { frazoj_data(); }
    void spacoj()
    {
        // Up to five gaps, each filled with a lower-case piece without points or commas.
        QFETCH(int, i);
        const QStringList partoj = PD.at(i).split(QLatin1Char('~'));
        const QStringList pecoj = PR.at(i).split(QLatin1Char('~'));
        QVERIFY(partoj.size() >= 2 && partoj.size() <= 6);
        QCOMPARE(pecoj.size(), partoj.size() - 1);
        for (const QString& p : pecoj) {
            QVERIFY(!p.isEmpty());
            QCOMPARE(p, p.toLower().trimmed());
            QVERIFY(!p.contains(QLatin1Char('.')) && !p.contains(QLatin1Char(',')));
        }
        QVERIFY(plenigas(PD.at(i), PR.at(i)).endsWith(QLatin1Char('.')));
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
        QTest::newRow("explanation out of range") << "Mi~amas~vi"
                                                  << "~~1"
                                                  << "0~3~13"
                                                  << "Mi amas vin."
                                                  << "not 0..12";
    }
    void malgxustaj()
    {
        QFETCH(QString, d);
        QFETCH(QString, r);
        QFETCH(QString, k);
        QFETCH(QString, plena);
        QFETCH(QString, kialo);
        const QString eraro = eraroDe(d, r, k, plena);
        QVERIFY2(eraro.contains(kialo), qPrintable(eraro));
        // The same sentence put right passes, so the fault above is what failed it.
        QVERIFY(eraroDe(QStringLiteral("Mi~lavas~la~nova~taso"), QStringLiteral("~~~1~1"), QStringLiteral("0~3~2~5~4"),
                        QStringLiteral("Mi lavas la novan tason."))
                    .isEmpty());
    }
};

LERBO_TEST_MAIN(TestoLec02Akuzativo)
#include "tst_lec02_akuzativo.moc"
