// What only lesson 8's gap-filling exercises have: the comparison words of
// 0801 go together as the lesson teaches them, every gap of 0802 takes one
// of the affixes the lesson shows, in its place before or after the root,
// the accusative items written out from 0802 stay short, and the second
// gap-filling frame gives its own instruction.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"
#include "trad.h"

#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <algorithm>
#include <memory>

namespace {

// The sentence of a gap-filling item with its gaps filled.
QString plenigas(const QString& d, const QString& r)
{
    const QStringList partoj = d.split(QLatin1Char('~'));
    const QStringList pecoj = r.split(QLatin1Char('~'));
    QString frazo;
    for (int j = 0; j < partoj.size(); ++j)
        frazo += partoj.at(j) + (j < partoj.size() - 1 ? pecoj.value(j) : QString());
    return frazo;
}

} // namespace

class TestoLec08Ekzercoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;
    QStringList d1, r1, d2, r2;

private slots:
    void initTestCase()
    {
        leciono.reset(KreasLecionon(8, nullptr));
        lec = lecionilo::tabulo(leciono.get(), 8);
        QVERIFY(lec);
        QCOMPARE(_Matriz(&d1, QStringLiteral("0801"), QStringLiteral("D")), 14);
        QCOMPARE(_Matriz(&r1, QStringLiteral("0801"), QStringLiteral("R")), 14);
        QCOMPARE(_Matriz(&d2, QStringLiteral("0802"), QStringLiteral("D")), 27);
        QCOMPARE(_Matriz(&r2, QStringLiteral("0802"), QStringLiteral("R")), 27);
    }

    void komparoj()
    {
        // tiel goes with kiel, tiom with kiom, (mal)pli with ol; la plej and
        // la malplej pick one of many; pli alone picks one of two.
        QCOMPARE(d1.at(0), QStringLiteral("Ŝi estas ~ bela ~ inteligenta."));
        QCOMPARE(r1.at(0), QStringLiteral("tiel~kiel"));
        QCOMPARE(d1.at(2), QStringLiteral("El inter testudo, kuniklo kaj vulpo, kiu estas la ~ rapida?"));
        QCOMPARE(r1.at(2), QStringLiteral("malplej"));
        const QSet<QString> paroj = {QStringLiteral("tiel~kiel"), QStringLiteral("tiom~kiom"), QStringLiteral("pli~ol"),
                                     QStringLiteral("malpli~ol")};
        QSet<QString> uzitaj;
        for (int i = 0; i < d1.size(); ++i) {
            const QString& r = r1.at(i);
            const QString antaue = d1.at(i).section(QLatin1Char('~'), 0, 0);
            const QString frazo = plenigas(d1.at(i), r).toLower();
            uzitaj.insert(r);
            if (paroj.contains(r))
                continue;
            if (r == QLatin1String("plej") || r == QLatin1String("malplej"))
                QVERIFY2(antaue.endsWith(QLatin1String("la ")), qPrintable(frazo));
            else if (r == QLatin1String("pli"))
                QVERIFY2(frazo.contains(QStringLiteral(" du ")) || frazo.contains(QStringLiteral(" aŭ ")),
                         qPrintable(frazo));
            else
                QFAIL(qPrintable(QStringLiteral("%1: %2").arg(frazo, r)));
        }
        QCOMPARE(uzitaj.size(), 7);
    }

    void afiksoj()
    {
        // Each gap takes an affix of the lesson's boxes: a prefix where a
        // word begins, a suffix after a root. Every affix is asked.
        QSet<QString> prefiksoj, sufiksoj;
        const auto etikedoj = lec->findChildren<QLabel*>();
        for (QLabel* e : etikedoj) {
            if (e->property("tipo").toString() != QLatin1String("afikso"))
                continue;
            const QString t = e->text().trimmed().toLower();
            (t.endsWith(QLatin1Char('-')) ? prefiksoj : sufiksoj) << QString(t).remove(QLatin1Char('-'));
        }
        QCOMPARE(prefiksoj.size() + sufiksoj.size(), 23);
        QCOMPARE(d2.at(0), QStringLiteral("Miaj ~kuzoj venis viziti miajn ~patrojn."));
        QCOMPARE(r2.at(0), QStringLiteral("ge~ge"));
        QSet<QString> uzitaj;
        for (int i = 0; i < d2.size(); ++i) {
            const QStringList partoj = d2.at(i).split(QLatin1Char('~'));
            const QStringList pecoj = r2.at(i).split(QLatin1Char('~'));
            QCOMPARE(pecoj.size(), partoj.size() - 1);
            for (int j = 0; j < pecoj.size(); ++j) {
                const QString& a = pecoj.at(j);
                const QString antaue = partoj.at(j);
                const bool komenco = antaue.isEmpty() || antaue.endsWith(QLatin1Char(' '));
                if (prefiksoj.contains(a))
                    QVERIFY2(komenco, qPrintable(d2.at(i)));
                else if (sufiksoj.contains(a))
                    QVERIFY2(!komenco && antaue.at(antaue.size() - 1).isLetter(), qPrintable(d2.at(i)));
                else
                    QFAIL(qPrintable(QStringLiteral("%1: \"%2\" is no affix of the lesson").arg(d2.at(i), a)));
                uzitaj << a;
            }
        }
        QCOMPARE(uzitaj, prefiksoj + sufiksoj);
    }

    void akuzativo()
    {
        // The same 27 sentences, at most eight words each, explained with
        // the first twelve explanations, every one of them used.
        QStringList d, k;
        QCOMPARE(_Matriz(&d, QStringLiteral("0805"), QStringLiteral("D")), 27);
        QCOMPARE(_Matriz(&k, QStringLiteral("0805"), QStringLiteral("K")), 27);
        QSet<int> kodoj;
        for (int i = 0; i < d.size(); ++i) {
            QVERIFY2(d.at(i).split(QLatin1Char('~')).size() <= 8, qPrintable(d.at(i)));
            const QStringList ki = k.at(i).split(QLatin1Char('~'));
            for (const QString& e : ki)
                kodoj << e.toInt();
        }
        QCOMPARE(kodoj.size(), 12);
        QCOMPARE(*std::max_element(kodoj.cbegin(), kodoj.cend()), 11);
    }

    void instrukcioj()
    {
        // The "B" after the lesson prefix gives the second frame the
        // instruction about affixes; the first keeps the one about comparison.
        const QString antaua = sTradukoDosiero;
        sTradukoDosiero = QStringLiteral("angla.trd");
        Trad(leciono.get(), QStringLiteral("Lec08"));
        sTradukoDosiero = antaua;
        IniDosiero trd(QStringLiteral(":/tradukoj/angla.trd"));
        auto instrukcio = [this](const char* kadro) {
            return lec->findChild<QFrame*>(QLatin1String(kadro))
                ->findChild<QLabel*>(QStringLiteral("Ekz_Plen2"))
                ->text();
        };
        QCOMPARE(instrukcio("Lec08_Ekzerco_0801"), trd.value(QStringLiteral("Lec08/TFrame41.Label84")).toString());
        QCOMPARE(instrukcio("Lec08B_Ekzerco_0802"), trd.value(QStringLiteral("Lec08/Frame42.Label84")).toString());
        QVERIFY(instrukcio("Lec08_Ekzerco_0801") != instrukcio("Lec08B_Ekzerco_0802"));
    }
};

LERBO_TEST_MAIN(TestoLec08Ekzercoj)
#include "tst_lec08_ekzercoj.moc"
