// The item sections every lesson's exercise frames read, against the
// lesson's form: each section has the row's number of items, and every item
// names a word or label that exists, of the kind its frames look up. What is
// checked of a section follows from the classes of the frames that read it.
#include "auskultilo.h"
#include "erodosieroj.h"
#include "frazkonstruilo.h"
#include "funkcioj.h"
#include "lecionaj_datumoj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "spacplenigilo.h"
#include "testilo.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <map>
#include <memory>

using lecionaj_datumoj::Leciono;

Q_DECLARE_METATYPE(const Leciono*)

namespace {

// A whole number of at least 1: the number of a word or translation label.
bool numero(const QString& ero, int* n = nullptr)
{
    bool nombro = false;
    const int v = ero.toInt(&nombro);
    if (n)
        *n = v;
    return nombro && v > 0;
}

QStringList sekcio(const QString& kodo, const char* speco)
{
    QStringList el;
    _Matriz(&el, kodo, QLatin1String(speco));
    return el;
}

} // namespace

class TestoLecionojEroj : public QObject
{
    Q_OBJECT

    std::map<int, std::unique_ptr<QFrame>> lecionoj;

    QTabWidget* lec(const Leciono* l) { return lecionilo::tabulo(lecionoj.at(l->numero).get(), l->numero); }

    // The texts of the lesson's spoken word boxes: a word item is played from
    // a clip named after it, so it must be one of them. Clip names are lower
    // case, so "kiu" is the word box "KIU" as well.
    QSet<QString> vortoj(const Leciono* l)
    {
        QSet<QString> v;
        const auto cxiuj = lec(l)->findChildren<QLabel*>();
        for (QLabel* e : cxiuj)
            if (e->inherits("klakbutono_nova")) {
                v.insert(e->text());
                v.insert(e->text().toLower());
            }
        return v;
    }

    // The word box an item names: by its number, or (the word game also takes
    // the word itself) the one spoken box whose text it is in lower case.
    QLabel* vortoDe(const Leciono* l, const QString& ero)
    {
        int n = 0;
        if (numero(ero, &n))
            return lec(l)->findChild<QLabel*>(l->sekcio() + QStringLiteral("_Button") + QString::number(n));
        QLabel* trovita = nullptr;
        const auto cxiuj = lec(l)->findChildren<QLabel*>();
        for (QLabel* e : cxiuj)
            if (e->inherits("klakbutono_nova") && e->text().toLower() == ero) {
                if (trovita)
                    return nullptr;
                trovita = e;
            }
        return trovita;
    }

    // One row per item section, or per section that a frame of one of
    // `klasoj` reads.
    static void perSekcio(const QStringList& klasoj = {})
    {
        QTest::addColumn<const Leciono*>("l");
        QTest::addColumn<int>("i");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (int i = 0; i < l.eroj.size(); ++i) {
                const QStringList legantaj = legantoj(&l, l.eroj.at(i).kodo);
                bool legata = klasoj.isEmpty();
                for (const QString& k : klasoj)
                    legata = legata || legantaj.contains(k);
                if (legata)
                    QTest::newRow(qPrintable(l.klaso + QLatin1Char(' ') + l.eroj.at(i).kodo)) << &l << i;
            }
    }

    // The classes of the frames that read the section.
    static QStringList legantoj(const Leciono* l, const QString& kodo)
    {
        QStringList klasoj;
        const auto cxiuj = l->legantoj(kodo);
        for (const lecionaj_datumoj::Ekzerco& e : cxiuj)
            klasoj << e.klaso;
        return klasoj;
    }

private slots:
    void initTestCase()
    {
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            lecionoj[l.numero].reset(KreasLecionon(l.numero, nullptr));
    }

    void legataj_data()
    {
        QTest::addColumn<const Leciono*>("l");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            QTest::newRow(qPrintable(l.klaso)) << &l;
    }
    void legataj()
    {
        // The row lists exactly the sections the lesson's frames read.
        QFETCH(const Leciono*, l);
        QStringList legataj, listigitaj;
        for (const lecionaj_datumoj::Ekzerco& e : l->ekzercoj)
            if (!legataj.contains(lecionaj_datumoj::kodoDe(e)))
                legataj << lecionaj_datumoj::kodoDe(e);
        for (const lecionaj_datumoj::Eroj& e : l->eroj)
            listigitaj << e.kodo;
        const QString diferenco = lecionilo::diferencoj(legataj, listigitaj);
        QVERIFY2(diferenco.isEmpty(), qPrintable(diferenco));
    }

    void kiom_data() { perSekcio(); }
    void kiom()
    {
        QFETCH(const Leciono*, l);
        QFETCH(int, i);
        const lecionaj_datumoj::Eroj& e = l->eroj.at(i);
        const QStringList d = sekcio(e.kodo, "D");
        QCOMPARE(d.size(), e.kiom);
        const QStringList klasoj = legantoj(l, e.kodo);
        // Sections read in pairs, or in threes for the accusative, are as long as their D.
        if (klasoj.contains(QStringLiteral("vortoludo")) || klasoj.contains(QStringLiteral("frazokonstruo"))
            || klasoj.contains(QStringLiteral("plenigas_spacon")) || klasoj.contains(QStringLiteral("akuzativo")))
            QCOMPARE(sekcio(e.kodo, "R").size(), e.kiom);
        if (klasoj.contains(QStringLiteral("akuzativo")))
            QCOMPARE(sekcio(e.kodo, "K").size(), e.kiom);
        if (e.nombroj >= 0) {
            int nombroj = 0;
            for (const QString& ero : d)
                nombroj += numero(ero);
            QCOMPARE(nombroj, e.nombroj);
        }
    }

    void aliajPlenigoj_data() { perSekcio({QStringLiteral("plenigas_spacon")}); }
    void aliajPlenigoj()
    {
        // Another right filling fills the very gaps the sentence shows, and
        // fills them otherwise than the sentence's own pieces.
        QFETCH(const Leciono*, l);
        QFETCH(int, i);
        const QString kodo = l->eroj.at(i).kodo;
        const QStringList r = sekcio(kodo, "R");
        const QStringList a = sekcio(kodo, "A");
        QVERIFY(a.size() <= r.size());
        for (int k = 0; k < a.size(); ++k) {
            const QStringList pecoj = r.at(k).split(QLatin1Char('~'));
            for (const QStringList& vico : spacplenigilo::aliajPecoj(a.at(k))) {
                for (int j = 0; j < spacplenigilo::spacoj; ++j)
                    QVERIFY2(vico.value(j).isEmpty() == pecoj.value(j).isEmpty(), qPrintable(kodo + ": " + a.at(k)));
                QVERIFY2(spacplenigilo::malgxustaj(vico, pecoj).contains(true), qPrintable(kodo + ": " + a.at(k)));
            }
        }
    }

    void vortoj_data() { perSekcio({QStringLiteral("prononco"), QStringLiteral("audkompreno")}); }
    void vortoj()
    {
        // Items that are played: a word of the lesson, or the number of one
        // of its spoken word boxes.
        QFETCH(const Leciono*, l);
        QFETCH(int, i);
        const lecionaj_datumoj::Eroj& e = l->eroj.at(i);
        const QSet<QString> konataj = vortoj(l);
        const QStringList d = sekcio(e.kodo, "D");
        for (const QString& ero : d) {
            int n = 0;
            if (numero(ero, &n)) {
                const QString nomo = l->sekcio() + QStringLiteral("_Button") + QString::number(n);
                auto* vorto = lec(l)->findChild<QLabel*>(nomo);
                QVERIFY2(vorto, qPrintable(e.kodo + QStringLiteral(": ") + nomo));
                QVERIFY2(vorto->inherits("klakbutono_nova"), qPrintable(nomo));
                QVERIFY(!vorto->text().trimmed().isEmpty());
            } else {
                QVERIFY2(auskultilo::estasVorto(ero), qPrintable(ero));
                QVERIFY2(konataj.contains(ero), qPrintable(ero));
                QVERIFY2(!ero.contains(QLatin1Char(' ')), qPrintable(ero));
            }
        }
        QCOMPARE(QSet<QString>(d.begin(), d.end()).size(), d.size());
    }

    void paroj_data() { perSekcio({QStringLiteral("vortoludo"), QStringLiteral("frazokonstruo")}); }
    void paroj()
    {
        // Word-choice and sentence-building items: the number of a word or
        // sentence label and the number of the label that translates it,
        // standing in the same row or block.
        QFETCH(const Leciono*, l);
        QFETCH(int, i);
        const lecionaj_datumoj::Eroj& e = l->eroj.at(i);
        const bool frazoj = legantoj(l, e.kodo).contains(QStringLiteral("frazokonstruo"));
        const QStringList d = sekcio(e.kodo, "D");
        const QStringList r = sekcio(e.kodo, "R");
        QTabWidget* t = lec(l);
        for (int k = 0; k < d.size(); ++k) {
            // Sentences go by number; a word of the word game may stand as itself.
            QVERIFY2(numero(d.at(k)) || !frazoj, qPrintable(d.at(k)));
            auto* vorto = vortoDe(l, d.at(k));
            auto* signifo = t->findChild<QLabel*>(l->sekcio() + QStringLiteral("_Label") + r.value(k));
            QVERIFY2(vorto && signifo, qPrintable(e.kodo + QStringLiteral(": ") + d.at(k) + " / " + r.value(k)));
            QVERIFY(vorto->inherits("klakbutono_nova") || vorto->inherits("neklakebla_nova")
                    || vorto->inherits("korekta"));
            QCOMPARE(signifo->metaObject()->className(), "QLabel");
            QVERIFY(!vorto->text().trimmed().isEmpty());
            QVERIFY2(lecionilo::ujoDe(t, vorto) == lecionilo::ujoDe(t, signifo), qPrintable(e.kodo + ": " + d.at(k)));
            if (frazoj) {
                // A sentence: words split by single blanks, a full stop, question
                // or exclamation mark at the end.
                const QString f = vorto->text();
                QVERIFY2(!f.contains(QLatin1String("  ")) && QStringLiteral(".?!").contains(f.right(1)), qPrintable(f));
                QVERIFY(f.split(QLatin1Char(' ')).size() <= frazkonstruilo::butonoj);
                // A mark or dash standing alone would be a word button of its own.
                for (const QString& w : f.split(QLatin1Char(' ')))
                    QVERIFY2(w.contains(QRegularExpression(QStringLiteral("\\w"))), qPrintable(f));
                // Every other order listed for the sentence can be built from it.
                const QString alia = sekcio(e.kodo, "A").value(k);
                const int listigitaj = alia.split(QLatin1Char('|'), Qt::SkipEmptyParts).size();
                QCOMPARE(frazkonstruilo::aliajOrdoj(alia, frazkonstruilo::vortoj(f, true)).size(), listigitaj);
            }
        }
        QVERIFY(sekcio(e.kodo, "A").size() <= d.size());
        QCOMPARE(QSet<QString>(d.begin(), d.end()).size(), d.size());
        // The word-choice exercise offers several meanings at once: no two alike.
        QCOMPARE(QSet<QString>(r.begin(), r.end()).size(), r.size());
    }
};

LERBO_TEST_MAIN(TestoLecionojEroj)
#include "tst_lecionoj_eroj.moc"
