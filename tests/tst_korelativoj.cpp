// What only lessons 5 and 6 have: the table of correlatives, whose every word
// is its block's beginning joined to its page's ending, with an example that
// uses it; the clips of the words that are played by their own name or by
// their number; and the gap-filling items that drill the table, each of
// whose gaps fills to a correlative (or ĉi) that makes the sentence of the
// answer key, without the Esperanto hint giving that word away.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "klakbutono_nova.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QFrame>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <map>
#include <memory>

namespace {

// A correlative: beginning, ending, then the plural -j and the accusative -n
// where the ending takes them.
const QRegularExpression KORELATIVO(QStringLiteral("^(ki|ti|i|neni|ĉi)(u|o|a|e|am|el|om|al|es)j?n?$"),
                                    QRegularExpression::CaseInsensitiveOption);

// The words of a text, as the learner reads them.
QStringList vortoj(const QString& teksto)
{
    static const QRegularExpression ne(QStringLiteral("[^\\p{L}]+"));
    return teksto.toLower().split(ne, Qt::SkipEmptyParts);
}

// A gap-filling item filled with its pieces, and the word each gap stands in.
struct Plenigita
{
    QString frazo;
    QStringList vortoj;
};

Plenigita plenigas(const QString& d, const QString& r)
{
    const QStringList partoj = d.split(QLatin1Char('~'));
    const QStringList pecoj = r.split(QLatin1Char('~'));
    Plenigita p;
    QList<int> spacoj;
    for (int j = 0; j < partoj.size(); ++j) {
        p.frazo += partoj.at(j);
        if (j < partoj.size() - 1) {
            spacoj << p.frazo.size();
            p.frazo += pecoj.value(j);
        }
    }
    for (int s : qAsConst(spacoj)) {
        int komenco = s, fino = s;
        while (komenco > 0 && p.frazo.at(komenco - 1).isLetter())
            --komenco;
        while (fino < p.frazo.size() && p.frazo.at(fino).isLetter())
            ++fino;
        p.vortoj << p.frazo.mid(komenco, fino - komenco);
    }
    return p;
}

} // namespace

class TestoKorelativoj : public QObject
{
    Q_OBJECT

    std::map<int, std::unique_ptr<QFrame>> lecionoj;

    QTabWidget* lec(int numero) { return lecionilo::tabulo(lecionoj.at(numero).get(), numero); }

private slots:
    void initTestCase()
    {
        for (int n : {5, 6}) {
            lecionoj[n].reset(KreasLecionon(n, nullptr));
            QVERIFY(lec(n));
        }
    }

    void tabelo_data()
    {
        QTest::addColumn<int>("leciono");
        QTest::addColumn<QString>("pagho");
        QTest::addColumn<QString>("fino");
        QTest::addColumn<QStringList>("komencoj");
        const QStringList ordo = {"KI", "TI", "I", "NENI", "ĈI"};
        QTest::newRow("5 -U") << 5 << "tab"
                              << "-U" << QStringList{"KI", "TI", "ĈI", "NENI", "I"};
        QTest::newRow("5 -E") << 5 << "tab_3"
                              << "-E" << ordo;
        QTest::newRow("5 -AM") << 5 << "tab_5"
                               << "-AM" << ordo;
        QTest::newRow("5 -O") << 5 << "tab_6"
                              << "-O" << ordo;
        QTest::newRow("6 -EL") << 6 << "tab"
                               << "-EL" << ordo;
        QTest::newRow("6 -OM") << 6 << "tab_3"
                               << "-OM" << ordo;
        QTest::newRow("6 -AL") << 6 << "tab_4"
                               << "-AL" << ordo;
        QTest::newRow("6 -ES") << 6 << "tab_5"
                               << "-ES" << ordo;
        QTest::newRow("6 -A") << 6 << "tab_6"
                              << "-A" << ordo;
    }
    void tabelo()
    {
        // Each page shows its ending, then one block per beginning in the
        // lesson's order: the word is the beginning joined to the ending, a
        // beginning shown in the block is that word's, and the example under
        // the word uses it.
        QFETCH(int, leciono);
        QFETCH(QString, pagho);
        QFETCH(QString, fino);
        QFETCH(QStringList, komencoj);
        QWidget* p = lec(leciono)->findChild<QWidget*>(pagho);
        QVERIFY(p);
        QStringList finoj;
        QList<QFrame*> blokoj;
        const auto cxiuj = p->findChildren<QWidget*>();
        for (QWidget* w : cxiuj) {
            // The ending stands outside the blocks, the beginnings inside them.
            auto* e = qobject_cast<QLabel*>(w);
            auto* patro = e ? qobject_cast<QFrame*>(e->parentWidget()) : nullptr;
            if (e && e->property("tipo").toString() == QLatin1String("afikso")
                && (!patro || patro->frameShape() != QFrame::Box))
                finoj << e->text();
            auto* k = qobject_cast<QFrame*>(w);
            if (k && k->frameShape() == QFrame::Box && !k->findChildren<klakbutono_nova*>().isEmpty())
                blokoj << k;
        }
        QCOMPARE(finoj, QStringList{fino});
        QCOMPARE(blokoj.size(), komencoj.size());
        for (int b = 0; b < blokoj.size(); ++b) {
            const QString vorto = komencoj.at(b) + fino.mid(1);
            QStringList vortaj, frazoj, komencaj;
            const auto vortoj_ = blokoj.at(b)->findChildren<klakbutono_nova*>();
            for (klakbutono_nova* v : vortoj_)
                (v->wordWrap() ? frazoj : vortaj) << v->text();
            const auto etikedoj = blokoj.at(b)->findChildren<QLabel*>();
            for (QLabel* e : etikedoj)
                if (e->property("tipo").toString() == QLatin1String("afikso"))
                    komencaj << e->text();
            QCOMPARE(vortaj, QStringList{vorto});
            QVERIFY(komencaj.isEmpty() || komencaj == QStringList{komencoj.at(b) + QLatin1Char('-')});
            QCOMPARE(frazoj.size(), 1);
            bool uzata = false;
            for (const QString& v : vortoj(frazoj.first()))
                uzata = uzata || v == vorto.toLower() || v == vorto.toLower() + QLatin1Char('n')
                        || v == vorto.toLower() + QLatin1Char('j') || v == vorto.toLower() + QLatin1String("jn");
            QVERIFY2(uzata, qPrintable(frazoj.first()));
        }
    }

    void klipoj_data()
    {
        QTest::addColumn<int>("leciono");
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<QString>("klipo");
        // A word plays the clip of its name in the x-system, in lower case; a
        // sentence, or a word longer than eight letters there, its number's.
        QTest::newRow("ĈIU") << 5 << "Lec05_Button9"
                             << "sonoj/lec05/cxiu.oga";
        QTest::newRow("NENIAM") << 5 << "Lec05_Button27"
                                << "sonoj/lec05/neniam.oga";
        QTest::newRow("sentence of KIU") << 5 << "Lec05_Button2"
                                         << "sonoj/lec05/btn2.oga";
        QTest::newRow("bildkarto") << 5 << "Lec05_Button414"
                                   << "sonoj/lec05/btn414.oga";
        QTest::newRow("ĉokolado") << 5 << "Lec05_Button417"
                                  << "sonoj/lec05/btn417.oga";
        QTest::newRow("geografio") << 5 << "Lec05_Button426"
                                   << "sonoj/lec05/btn426.oga";
        QTest::newRow("loĝi") << 5 << "Lec05_Button425"
                              << "sonoj/lec05/logxi.oga";
        QTest::newRow("ĈIES") << 6 << "Lec06_Button49"
                              << "sonoj/lec06/cxies.oga";
        QTest::newRow("sentence of KIES") << 6 << "Lec06_Button28"
                                          << "sonoj/lec06/btn28.oga";
        QTest::newRow("sentence of NENIOM") << 6 << "Lec06_Button42"
                                            << "sonoj/lec06/btn42.oga";
    }
    void klipoj()
    {
        QFETCH(int, leciono);
        QFETCH(QString, nomo);
        QFETCH(QString, klipo);
        auto* v = lec(leciono)->findChild<klakbutono_nova*>(nomo);
        QVERIFY(v);
        // The player asks for the clip in lower case, as the media folder names it.
        QCOMPARE(v->klipo().toLower(), klipo);
    }

    void spacoj_data()
    {
        QTest::addColumn<QString>("kodo");
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("frazo");
        // The answer key: each sentence as it reads with its gaps filled.
        const QStringList f0502 = {
            "Kie estas la ĉambro de via frato?",
            "Kiam vi aĉetis la biciklon?",
            "Mi serĉis mian libron ĉie, sed ĝi estis nenie.",
            "Hieraŭ neniu venis al la danco.",
            "Ĉu vi iam vidis mian edzon?",
            "Mia edzo ĉiam aĉetas ĉokoladon.",
            "Kio estas en via monujo?",
            "Mi deziras aĉeti tiun bildkarton.",
            "Ŝi manĝis ĉion, kaj mi manĝis nenion.",
            "Mi vidis ion en la ĉambro.",
            "Ĉu iu loĝas en tiu domo?",
            "Tiu ĉi estas mia ĉambro, kaj tiu estas via.",
            "Kio estas tio ĉi? — Ĝi estas anonco.",
            "Mia edzo kaj mi loĝas ĉi tie.",
            "Kiu deziras danci kun mi?",
            "Mi ne scias, kie ŝi loĝas.",
            "Mi neniam vidis lin tie.",
            "Tiam mi ne havis biciklon.",
            "En ĉi tiu lando oni vidas biciklojn ĉie.",
            "Kion vi aĉetis? — Mi aĉetis nenion.",
        };
        const QStringList f0602 = {
            "Kiel vi fartas hodiaŭ?",
            "Kiom da kafo vi trinkis?",
            "Kial vi ne venis hieraŭ?",
            "Kies libro estas tiu?",
            "Kian domon vi havas?",
            "Ŝi dancas tiel bele kiel la instruistino.",
            "Mi manĝis tiom, kiom mi volis.",
            "Mi havas iom da pano.",
            "Ŝi estas tre bona; tial ĉiuj amas ŝin.",
            "Ĉi tiu libro estas nenies: vi povas havi ĝin.",
            "Mi neniel povas trovi mian plumon.",
            "En la butiko oni vendas ĉiajn librojn.",
            "Mi vidis ian beston en la ĝardeno.",
            "Mi ne scias, kial li tion faris.",
            "La knabo, kiun mi vidis, estas mia frato.",
            "Tiu estas la knabo, kies patro estas instruisto.",
            "Mi aĉetis tion, kion vi petis.",
            "Mi konis lin tiam, kiam mi estis juna.",
            "Ĉu vi iel helpis al li?",
        };
        const QList<QPair<QString, QStringList>> sekcioj = {{QStringLiteral("0502"), f0502},
                                                            {QStringLiteral("0602"), f0602}};
        for (const auto& s : sekcioj)
            for (int i = 0; i < s.second.size(); ++i)
                QTest::newRow(qPrintable(s.first + QLatin1Char(' ') + s.second.at(i)))
                    << s.first << i << s.second.at(i);
    }
    void spacoj()
    {
        QFETCH(QString, kodo);
        QFETCH(int, i);
        QFETCH(QString, frazo);
        QStringList d, r;
        const int n = _Matriz(&d, kodo, QStringLiteral("D"));
        QCOMPARE(_Matriz(&r, kodo, QStringLiteral("R")), n);
        QCOMPARE(n, kodo == QLatin1String("0502") ? 20 : 19);
        // One or two gaps, each a lower-case piece that the check can match.
        const QStringList pecoj = r.at(i).split(QLatin1Char('~'));
        QCOMPARE(d.at(i).count(QLatin1Char('~')), pecoj.size());
        QVERIFY(pecoj.size() >= 1 && pecoj.size() <= 2);
        for (const QString& p : pecoj)
            QVERIFY2(!p.isEmpty() && p == purigas(p, true), qPrintable(p));

        const Plenigita p = plenigas(d.at(i), r.at(i));
        QCOMPARE(p.frazo, frazo);
        for (const QString& v : p.vortoj)
            QVERIFY2(KORELATIVO.match(v).hasMatch() || v.toLower() == QStringLiteral("ĉi"), qPrintable(v));

        // A learner working in Esperanto reads a hint that never holds the
        // words to type.
        IniDosiero trd(QStringLiteral(":/tradukoj/esperanto.trd"));
        const QStringList sugesto = vortoj(trd.value(QStringLiteral("Ekzerco-%1/%2").arg(kodo).arg(i)).toString());
        QVERIFY(!sugesto.isEmpty());
        for (const QString& v : p.vortoj)
            QVERIFY2(!sugesto.contains(v.toLower()), qPrintable(v));
    }
};

LERBO_TEST_MAIN(TestoKorelativoj)
#include "tst_korelativoj.moc"
