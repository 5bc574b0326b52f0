#include "erodosieroj.h"
#include "fiksajhoj/lec99.h"
#include "frazkonstruilo.h"
#include "frazokonstruo.h"
#include "funkcioj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

class TestoFrazokonstruo : public QObject
{
    Q_OBJECT

    QTabWidget* leciono = nullptr;
    frazokonstruo* ekz = nullptr;

    QPushButton* butono(const char* nomo) { return ekz->findChild<QPushButton*>(QLatin1String(nomo)); }
    QLabel* etikedo(const char* nomo) { return ekz->findChild<QLabel*>(QLatin1String(nomo)); }
    QWidget* vico(const char* nomo) { return ekz->findChild<QWidget*>(QLatin1String(nomo)); }
    int valoro(const char* nomo) { return lec99::valoro(ekz, nomo); }
    QList<QPushButton*> butonojDe(const char* vico_) { return vico(vico_)->findChildren<QPushButton*>(); }
    QList<QPushButton*> montrataj(const char* vico_)
    {
        QList<QPushButton*> l;
        for (QPushButton* b : butonojDe(vico_))
            if (!b->isHidden())
                l << b;
        return l;
    }
    QStringList tekstoj(const QList<QPushButton*>& l)
    {
        QStringList t;
        for (QPushButton* b : l)
            t << b->text();
        return t;
    }
    // The sentence on screen, from its translation.
    int nuna()
    {
        const QString t = etikedo("Traduko1")->text();
        for (int i = 0; i < lec99::frazTradukoj().size(); ++i)
            if (frazkonstruilo::senNumero(lec99::frazTradukoj().at(i)) == t)
                return i;
        return -1;
    }
    QStringList nunajVortoj() { return lec99::frazoj().value(nuna()).split(' '); }
    // Clicks the pool words in this order (in the fixture's frame, or in `en`).
    void metas(const QStringList& vortoj, QWidget* en = nullptr)
    {
        QWidget* disponeblaj = (en ? en : ekz)->findChild<QWidget*>(QStringLiteral("Disponeblaj"));
        for (const QString& v : vortoj) {
            QPushButton* trovita = nullptr;
            const auto butonoj = disponeblaj->findChildren<QPushButton*>();
            for (QPushButton* b : butonoj)
                if (!b->isHidden() && b->text() == v) {
                    trovita = b;
                    break;
                }
            QVERIFY2(trovita, qPrintable("not in the pool: " + v));
            lec99::klakas(trovita);
        }
    }
    void respondasGxuste()
    {
        metas(nunajVortoj());
        lec99::klakas(butono("BitBtn2"));
    }

private slots:
    void init()
    {
        lNoteto = false;
        lSxaltilo = false;
        leciono = lec99::faras();
        ekz = new frazokonstruo(lec99::pagxo(leciono));
        ekz->setObjectName("Lec99_Ekz_Frazo_9901");
        QVERIFY(lec99::montras(leciono, ekz, QSize(700, 700)));
    }
    void cleanup()
    {
        delete leciono;
        lNoteto = false;
    }

    void slotoj_data()
    {
        QTest::addColumn<int>("vortoj");
        QTest::addColumn<int>("slotoj");
        QTest::newRow("1") << 1 << 2;
        QTest::newRow("2") << 2 << 3;
        QTest::newRow("3") << 3 << 5;
        QTest::newRow("4") << 4 << 7;
        QTest::newRow("5") << 5 << 9;
        QTest::newRow("6") << 6 << 10;
        QTest::newRow("10") << 10 << 17;
        QTest::newRow("11") << 11 << 18;
        QTest::newRow("18") << 18 << 18;
    }
    void slotoj()
    {
        QFETCH(int, vortoj);
        QFETCH(int, slotoj);
        QCOMPARE(frazkonstruilo::slotoj(vortoj), slotoj);
    }

    // Every sentence of the fixture gets its words and distinct distractors
    // from the other sentences, m buttons in all.
    void aro_data()
    {
        QTest::addColumn<int>("frazo");
        QTest::addColumn<int>("slotoj");
        QTest::newRow("1 word") << 0 << 2;
        QTest::newRow("3 words") << 1 << 5;
        QTest::newRow("4 words") << 2 << 7;
        QTest::newRow("6 words") << 3 << 10;
        QTest::newRow("10 words") << 4 << 17;
        QTest::newRow("11 words") << 5 << 18;
    }
    void aro()
    {
        QFETCH(int, frazo);
        QFETCH(int, slotoj);
        QList<QStringList> frazoj;
        for (const QString& f : lec99::frazoj())
            frazoj << f.split(' ');
        for (int fojo = 0; fojo < 50; ++fojo) {
            const frazkonstruilo::Aro a = frazkonstruilo::aro(frazoj, frazo);
            QCOMPARE(a.tekstoj.size(), slotoj);
            QVERIFY(!a.uzataj.contains(false));
            QStringList resto = a.tekstoj;
            for (const QString& v : frazoj.at(frazo))
                QVERIFY(resto.removeOne(v));
            for (const QString& d : resto) {
                QVERIFY2(!frazoj.at(frazo).contains(d), qPrintable(d));
                QCOMPARE(resto.count(d), 1);
                bool aliula = false;
                for (int k = 0; k < frazoj.size(); ++k)
                    aliula = aliula || (k != frazo && frazoj.at(k).contains(d));
                QVERIFY(aliula);
            }
        }
    }

    // Two sentences made of the same words: no new word for a distractor,
    // and the pool still comes out (with fewer buttons).
    void aroSenNovajVortoj()
    {
        const QList<QStringList> frazoj = {{"Mi", "iras"}, {"iras", "Mi"}};
        const frazkonstruilo::Aro a = frazkonstruilo::aro(frazoj, 0);
        QCOMPARE(a.tekstoj.size(), 3);
        QCOMPARE(a.uzataj.count(true), 2);
    }

    // Other right orders come from the item as written; only a reordering
    // of the sentence's own words can be built from its pool.
    void aliajOrdoj_data()
    {
        QTest::addColumn<QString>("ero");
        QTest::addColumn<int>("kiom");
        QTest::newRow("none") << "" << 0;
        QTest::newRow("one") << "La butiko faras malbone panon." << 1;
        QTest::newRow("two, blanks around")
            << " La butiko faras malbone panon. | malbone La  butiko faras panon. " << 2;
        QTest::newRow("the sentence itself") << "La butiko malbone faras panon." << 0;
        QTest::newRow("repeated") << "La butiko faras malbone panon.|La butiko faras malbone panon." << 1;
        QTest::newRow("a word of its own") << "La butiko faras malbone la panon." << 0;
        QTest::newRow("a word missing") << "La butiko faras panon." << 0;
        QTest::newRow("other case") << "la butiko faras malbone panon." << 0;
        QTest::newRow("full stop moved") << "La butiko faras panon malbone." << 0;
    }
    void aliajOrdoj()
    {
        QFETCH(QString, ero);
        QFETCH(int, kiom);
        const QStringList vortoj = frazkonstruilo::vortoj(QStringLiteral("La butiko malbone faras panon."), true);
        const QList<QStringList> ordoj = frazkonstruilo::aliajOrdoj(ero, vortoj);
        QCOMPARE(ordoj.size(), kiom);
        for (const QStringList& o : ordoj)
            QVERIFY(frazkonstruilo::gxusta(o, vortoj, ordoj));
    }

    void gxustaKunAliajOrdoj()
    {
        const QStringList vortoj = {"Mi", "ĉiam", "legas."};
        const QList<QStringList> aliaj =
            frazkonstruilo::aliajOrdoj(QStringLiteral("Ĉiam Mi legas.|Mi ĉiam legas|Ĉiam mi legas."), vortoj);
        QVERIFY(aliaj.isEmpty());
        QVERIFY(frazkonstruilo::gxusta(vortoj, vortoj, aliaj));
        QVERIFY(!frazkonstruilo::gxusta({"Ĉiam", "Mi", "legas."}, vortoj, aliaj));
        const QList<QStringList> unu = frazkonstruilo::aliajOrdoj(QStringLiteral("ĉiam Mi legas."), vortoj);
        QVERIFY(frazkonstruilo::gxusta({"ĉiam", "Mi", "legas."}, vortoj, unu));
        QVERIFY(!frazkonstruilo::gxusta({"Mi", "legas."}, vortoj, unu));
        QVERIFY(!frazkonstruilo::gxusta({"Mi", "legas.", "ĉiam"}, vortoj, aliaj));
    }

    // The item file lists another right order under its sentence's key
    // alone (sentence 106 of the fixture), the other sentences having none:
    // built in that order, the sentence counts as right.
    void aliaOrdoSubSolaSxlosilo()
    {
        lec99::klakas(butono("BitBtn1"));
        while (nuna() != 5 && butono("BitBtn3")->isEnabled())
            respondasGxuste();
        QCOMPARE(nuna(), 5);
        const int gxustaj = valoro("Placar2");
        metas(QStringLiteral("Morgaŭ ni iros kune al la nova parko de nia urbo.").split(' '));
        testilo::kunModalo([&] { lec99::klakas(butono("BitBtn2")); });
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar2"), gxustaj + 1);
    }

    // Orders of the lessons' own sentences, built in the lesson's frame: the
    // sentence's order and the other orders its item lists count as right,
    // and so only they. An adverb may stand before its verb or just after it
    // (lesson 3's rule), but not where it would describe another word.
    void akceptataOrdo_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("ero");
        QTest::addColumn<QString>("ordo");
        QTest::addColumn<bool>("akceptata");
        QTest::newRow("0307-5 the adverb after the verb") << 3 << 5 << "Li trinkos unue akvon." << true;
        QTest::newRow("0307-7 a word inside the object") << 3 << 7 << "Li ŝian amas fratinon." << false;
        QTest::newRow("0507-8 iam before the subject") << 5 << 8 << "Ĉu iam vi vizitis Brazilon?" << true;
        QTest::newRow("0507-10 ĉiam would describe viziti") << 5 << 10 << "Tamen mi deziris ĉiam viziti ĝin." << false;
        QTest::newRow("0607-7 as the item has it") << 6 << 7 << "Ŝi skribas tiel bone kiel la instruistino." << true;
        QTest::newRow("0607-7 tiel bone before the verb")
            << 6 << 7 << "Ŝi tiel bone skribas kiel la instruistino." << true;
        QTest::newRow("0607-7 tiel parted from bone")
            << 6 << 7 << "Ŝi tiel skribas bone kiel la instruistino." << false;
        QTest::newRow("0607-9 neniel would deny kompreni")
            << 6 << 9 << "Mi povas neniel kompreni, kion vi parolas." << false;
        QTest::newRow("0607-10 as the item has it") << 6 << 10 << "Ili ĉiel helpis al mi." << true;
        QTest::newRow("0607-10 ĉiel after the verb") << 6 << 10 << "Ili helpis ĉiel al mi." << true;
        QTest::newRow("0607-10 ĉiel inside al mi") << 6 << 10 << "Ili helpis al ĉiel mi." << false;
    }
    void akceptataOrdo()
    {
        QFETCH(int, numero);
        QFETCH(int, ero);
        QFETCH(QString, ordo);
        QFETCH(bool, akceptata);
        std::unique_ptr<QFrame> kadro(KreasLecionon(numero, nullptr));
        QTabWidget* lec = lecionilo::tabulo(kadro.get(), numero);
        QVERIFY(lec);
        auto* frazoj = lec->findChild<frazokonstruo*>();
        QVERIFY(frazoj);
        QWidget* pagho = frazoj;
        while (pagho && lec->indexOf(pagho) < 0)
            pagho = pagho->parentWidget();
        lec->setCurrentWidget(pagho);
        kadro->show();
        QVERIFY(QTest::qWaitForWindowExposed(kadro.get()));

        // Which sentence is asked, from the translation the frame shows.
        const QString kodo = frazoj->objectName().right(4);
        const QString prefikso = frazoj->objectName().left(6);
        QStringList d, r;
        _Matriz(&d, kodo, QStringLiteral("D"));
        _Matriz(&r, kodo, QStringLiteral("R"));
        QVERIFY(ero < d.size());
        auto teksto = [&](const QString& nomo) { return lec->findChild<QLabel*>(prefikso + nomo)->text(); };
        auto nuna = [&] {
            const QString t = frazoj->findChild<QLabel*>(QStringLiteral("Traduko1"))->text();
            for (int i = 0; i < d.size(); ++i)
                if (frazkonstruilo::senNumero(teksto(QStringLiteral("Label") + r.at(i))) == t)
                    return i;
            return -1;
        };
        auto* kontrolu = frazoj->findChild<QPushButton*>(QStringLiteral("BitBtn2"));
        lec99::klakas(frazoj->findChild<QPushButton*>(QStringLiteral("BitBtn1")));
        // The other sentences, built as they stand, until this one comes.
        for (int i = nuna(); i != ero; i = nuna()) {
            QVERIFY(i >= 0);
            metas(teksto(QStringLiteral("Button") + d.at(i)).split(QLatin1Char(' ')), frazoj);
            lec99::klakas(kontrolu);
        }
        QCOMPARE(teksto(QStringLiteral("Button") + d.at(ero)).split(QLatin1Char(' ')).size(), ordo.split(' ').size());
        const int gxustaj = lec99::valoro(frazoj, "Placar2");
        metas(ordo.split(QLatin1Char(' ')), frazoj);
        testilo::kunModalo([&] { lec99::klakas(kontrolu); });
        QCOMPARE(lec99::valoro(frazoj, "Placar2"), gxustaj + (akceptata ? 1 : 0));
        QCOMPARE(lec99::valoro(frazoj, "Placar3"), akceptata ? 0 : 1);
    }

    void senNumero_data()
    {
        QTest::addColumn<QString>("traduko");
        QTest::addColumn<QString>("atendata");
        QTest::newRow("number") << "10. The boys will be great friends."
                                << "The boys will be great friends.";
        QTest::newRow("blanks") << "  3.  Hello "
                                << "Hello";
        QTest::newRow("point first") << ".5 apples"
                                     << ".5 apples";
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("١٢. مرحبا") << QString::fromUtf8("مرحبا");
        QTest::newRow("plain") << "Hello!"
                               << "Hello!";
        QTest::newRow("right-to-left mark before the number")
            << QString::fromUtf8("\u200F12. \u200EMi\u200E \u0645\u0631\u062D\u0628\u0627")
            << QString::fromUtf8("\u200EMi\u200E \u0645\u0631\u062D\u0628\u0627");
        QTest::newRow("mark before a word stays")
            << QString::fromUtf8("\u200EMi legas.") << QString::fromUtf8("\u200EMi legas.");
    }
    void senNumero()
    {
        QFETCH(QString, traduko);
        QFETCH(QString, atendata);
        QCOMPARE(frazkonstruilo::senNumero(traduko), atendata);
    }

    void komencaStato()
    {
        QVERIFY(butono("BitBtn1")->isEnabled());
        QVERIFY(!butono("BitBtn3")->isEnabled());
        QVERIFY(!butono("BitBtn2")->isEnabled());
        QVERIFY(vico("Vortoj")->isHidden());
        QVERIFY(vico("Disponeblaj")->isHidden());
        QVERIFY(butono("Antauen")->isHidden());
        QCOMPARE(butonojDe("Vortoj").size(), 18);
        QCOMPARE(butonojDe("Disponeblaj").size(), 18);
    }

    void tutaKuro()
    {
        lec99::klakas(butono("BitBtn1"));
        QVERIFY(!butono("BitBtn1")->isEnabled());
        QVERIFY(butono("BitBtn3")->isEnabled());
        QCOMPARE(valoro("Placar1"), 6);
        QSet<int> viditaj;
        for (int i = 0; i < 5; ++i) {
            const int f = nuna();
            QVERIFY(f >= 0);
            QVERIFY2(!viditaj.contains(f), "a sentence built right came again");
            viditaj << f;
            QCOMPARE(montrataj("Disponeblaj").size(), frazkonstruilo::slotoj(nunajVortoj().size()));
            respondasGxuste();
            QCOMPARE(valoro("Placar2"), i + 1);
            QCOMPARE(valoro("Placar1"), 5 - i);
        }
        const int modaloj = testilo::kunModalo([&] { respondasGxuste(); });
        QCOMPARE(modaloj, 1);
        QCOMPARE(valoro("Placar1"), 0);
        QCOMPARE(valoro("Placar2"), 6);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 100);
        QVERIFY(butono("BitBtn1")->isEnabled());
        QVERIFY(!butono("BitBtn3")->isEnabled());
        QVERIFY(vico("Vortoj")->isHidden());
        QVERIFY(etikedo("Traduko1")->text().isEmpty());
    }

    // A wrong order shows the model sentence and waits for Next; the
    // sentence must be built right later for the run to end.
    void malgxustaOrdo()
    {
        lec99::klakas(butono("BitBtn1"));
        // Find a sentence of several words.
        while (nunajVortoj().size() < 3) {
            respondasGxuste();
        }
        const int f = nuna();
        QStringList inversa = nunajVortoj();
        std::reverse(inversa.begin(), inversa.end());
        const int gxustajAntauxe = valoro("Placar2");
        metas(inversa);
        lec99::klakas(butono("BitBtn2"));
        QCOMPARE(valoro("Placar3"), 1);
        QCOMPARE(valoro("Placar2"), gxustajAntauxe);
        QCOMPARE(etikedo("Korekta")->text(), lec99::frazoj().at(f));
        QVERIFY(!butono("Antauen")->isHidden());
        QVERIFY(butono("BitBtn2")->isHidden());
        QVERIFY(!vico("Vortoj")->isEnabled());
        QVERIFY(!vico("Disponeblaj")->isEnabled());
        // A second check cannot come: the button is hidden, and its slot
        // would not count the same sentence again.
        ekz->on_BitBtn2_clicked();
        QCOMPARE(valoro("Placar3"), 1);

        lec99::klakas(butono("Antauen"));
        QVERIFY(butono("Antauen")->isHidden());
        QVERIFY(!butono("BitBtn2")->isHidden());
        QVERIFY(etikedo("Korekta")->text().isEmpty());
        QVERIFY(vico("Vortoj")->isEnabled());

        bool denove = false;
        int modaloj = 0;
        while (butono("BitBtn3")->isEnabled()) {
            denove = denove || nuna() == f;
            if (valoro("Placar1") == 1)
                modaloj += testilo::kunModalo([&] { respondasGxuste(); });
            else
                respondasGxuste();
        }
        QVERIFY(denove);
        QCOMPARE(modaloj, 1);
        QCOMPARE(valoro("Placar2"), 6);
        QCOMPARE(valoro("Placar3"), 1);
        QCOMPARE(valoro("Placar4"), 85);
    }

    void tropaucxajKajTroMultajVortoj()
    {
        lec99::klakas(butono("BitBtn1"));
        while (nunajVortoj().size() < 2)
            respondasGxuste();
        QStringList vortoj = nunajVortoj();
        vortoj.removeLast();
        metas(vortoj);
        lec99::klakas(butono("BitBtn2"));
        QCOMPARE(valoro("Placar3"), 1);
    }

    // A word fills the earliest gap that a removed word left.
    void vortojLauxOrdo()
    {
        lec99::klakas(butono("BitBtn1"));
        while (nunajVortoj().size() < 4)
            respondasGxuste();
        const QStringList v = nunajVortoj();
        metas({v.at(0), v.at(1), v.at(2)});
        QCOMPARE(tekstoj(montrataj("Vortoj")), QStringList({v.at(0), v.at(1), v.at(2)}));
        // Give back the middle word.
        lec99::klakas(montrataj("Vortoj").at(1));
        QCOMPARE(tekstoj(montrataj("Vortoj")), QStringList({v.at(0), v.at(2)}));
        QVERIFY(tekstoj(montrataj("Disponeblaj")).contains(v.at(1)));
        metas({v.at(3)});
        QCOMPARE(tekstoj(montrataj("Vortoj")), QStringList({v.at(0), v.at(3), v.at(2)}));
        lec99::klakas(butono("BitBtn2"));
        QCOMPARE(valoro("Placar3"), 1);
    }

    void haltoKajRekomenco()
    {
        lec99::klakas(butono("BitBtn1"));
        respondasGxuste();
        metas({});
        lec99::klakas(butono("BitBtn2")); // nothing placed: wrong
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar3"), 1);
        lec99::klakas(butono("BitBtn3"));
        QVERIFY(butono("BitBtn1")->isEnabled());
        QVERIFY(vico("Vortoj")->isHidden());
        QVERIFY(butono("Antauen")->isHidden());
        QCOMPARE(valoro("Placar2"), 1); // the board keeps its values
        lec99::klakas(butono("BitBtn1"));
        QCOMPARE(valoro("Placar1"), 6);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 0);
        QVERIFY(!butono("BitBtn2")->isHidden());
        QVERIFY(butono("BitBtn2")->isEnabled());
        // A fresh run asks every sentence again.
        int modaloj = 0;
        int demandoj = 0;
        while (butono("BitBtn3")->isEnabled()) {
            ++demandoj;
            modaloj += testilo::kunModalo([&] { respondasGxuste(); });
        }
        QCOMPARE(demandoj, 6);
        QCOMPARE(modaloj, 1);
    }

    // A second check while the praise still plays counts nothing.
    void duobla()
    {
        lNoteto = true;
        lec99::klakas(butono("BitBtn1"));
        metas(nunajVortoj());
        lec99::Dume dume([&] { ekz->on_BitBtn2_clicked(); });
        lec99::klakas(butono("BitBtn2"));
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar1"), 5);
    }

    // Stop and start while the praise plays: the old check drops its
    // remaining steps and the new run stands on its own.
    void haltoDumAtendo()
    {
        lNoteto = true;
        lec99::klakas(butono("BitBtn1"));
        metas(nunajVortoj());
        lec99::Dume dume([&] {
            lec99::klakas(butono("BitBtn3"));
            lec99::klakas(butono("BitBtn1"));
        });
        const int modaloj = testilo::kunModalo([&] { lec99::klakas(butono("BitBtn2")); });
        QCOMPARE(modaloj, 0);
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar1"), 6);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar4"), 0);
        QVERIFY(!butono("BitBtn1")->isEnabled());
        QVERIFY(butono("BitBtn3")->isEnabled());
        QVERIFY(butono("BitBtn2")->isEnabled());
        QVERIFY(nuna() >= 0);
    }
};

LERBO_TEST_MAIN(TestoFrazokonstruo)
#include "tst_ekz_frazokonstruo.moc"
