#include "erodosieroj.h"
#include "fiksajhoj/lec99.h"
#include "funkcioj.h"
#include "plenigas_spacon.h"
#include "spacplenigilo.h"
#include "testilo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestoPlenigas : public QObject
{
    Q_OBJECT

    QTabWidget* leciono = nullptr;
    plenigas_spacon* ekz = nullptr;
    QList<QStringList> D, R;
    QStringList T;

    QPushButton* butono(const char* nomo) { return ekz->findChild<QPushButton*>(QLatin1String(nomo)); }
    QLabel* etikedo(const QString& nomo) { return ekz->findChild<QLabel*>(nomo); }
    QLineEdit* kampo(int j) { return ekz->findChild<QLineEdit*>("Edit" + QString::number(j)); }
    int valoro(const char* nomo) { return lec99::valoro(ekz, nomo); }

    void legas(const QString& kodo)
    {
        _Matriz2(&D, kodo, "D", 6);
        _Matriz2(&R, kodo, "R", 6);
        _Matriz(&T, kodo, "T");
    }
    // The sentence on screen, from its text parts.
    int nuna()
    {
        QStringList partoj;
        for (int j = 1; j <= 6; ++j)
            partoj << etikedo("Vorto" + QString::number(j))->text();
        for (int i = 0; i < D.size(); ++i)
            if (D.at(i).mid(0, 6) == partoj)
                return i;
        return -1;
    }
    void tajpas(const QStringList& pecoj)
    {
        for (int j = 1; j <= 5; ++j) {
            if (kampo(j)->isHidden())
                continue;
            kampo(j)->clear();
            QTest::keyClicks(kampo(j), pecoj.value(j - 1));
        }
    }
    void respondasGxuste()
    {
        const int i = nuna();
        QVERIFY(i >= 0);
        tajpas(R.at(i));
        lec99::klakas(butono("BitBtn6"));
    }
    void komencas(const QString& nomo)
    {
        ekz->setObjectName(nomo);
        legas(nomo.right(4));
        lec99::klakas(butono("BitBtn4"));
    }

private slots:
    void initTestCase()
    {
        testilo::instalasTradukon(QStringLiteral("ekz99.trd"));
        sTradukoDosiero = QStringLiteral("ekz99.trd");
    }
    void init()
    {
        lNoteto = false;
        lSxaltilo = false;
        Direkto = "LTR";
        leciono = lec99::faras();
        ekz = new plenigas_spacon(lec99::pagxo(leciono));
        ekz->setObjectName("Lec99_Ekz_Plen_9902");
        QVERIFY(lec99::montras(leciono, ekz, QSize(900, 600)));
    }
    void cleanup()
    {
        delete leciono;
        lNoteto = false;
    }

    void komencaStato()
    {
        QVERIFY(butono("BitBtn4")->isEnabled());
        QVERIFY(!butono("BitBtn5")->isEnabled());
        QVERIFY(!butono("BitBtn6")->isEnabled());
        QVERIFY(ekz->findChild<QWidget*>("Tajpujo")->isHidden());
        QVERIFY(butono("antauen")->isHidden());
        QVERIFY(butono("printilo_ps")->isHidden()); // "linux" prints nothing
    }

    void tutaKuro()
    {
        komencas("Lec99_Ekz_Plen_9902");
        QVERIFY(!butono("BitBtn4")->isEnabled());
        QVERIFY(butono("BitBtn5")->isEnabled());
        QCOMPARE(valoro("Placar25"), 5);
        QSet<int> viditaj;
        for (int k = 0; k < 4; ++k) {
            QVERIFY(!viditaj.contains(nuna()));
            viditaj << nuna();
            respondasGxuste();
            QCOMPARE(valoro("Placar26"), k + 1);
            QCOMPARE(valoro("Placar25"), 4 - k);
        }
        QCOMPARE(testilo::kunModalo([&] { respondasGxuste(); }), 1);
        QCOMPARE(valoro("Placar25"), 0);
        QCOMPARE(valoro("Placar26"), 5);
        QCOMPARE(valoro("Placar27"), 0);
        QCOMPARE(valoro("Placar28"), 100);
        QVERIFY(butono("BitBtn4")->isEnabled());
        QVERIFY(!butono("BitBtn6")->isEnabled());
        QVERIFY(ekz->findChild<QWidget*>("Tajpujo")->isHidden());
    }

    // Fields as wide as their answer plus an "M", leaning to the word the
    // piece belongs to; the translation from the exercise's section.
    void kampoj()
    {
        komencas("Lec99_Ekz_Plen_9902");
        for (int fojo = 0; fojo < 5; ++fojo) {
            const int i = nuna();
            QVERIFY(i >= 0);
            const QFontMetrics fm(etikedo("Vorto1")->font());
            for (int j = 1; j <= 5; ++j) {
                const QString peco = R.at(i).value(j - 1);
                QCOMPARE(kampo(j)->isHidden(), peco.isEmpty());
                QCOMPARE(etikedo("KorektaVorto" + QString::number(j))->isHidden(), true);
                if (peco.isEmpty())
                    continue;
                QCOMPARE(kampo(j)->width(), fm.horizontalAdvance(peco) + fm.horizontalAdvance('M'));
                QCOMPARE(kampo(j)->text(), QString());
                const bool dekstre = D.at(i).at(j - 1).endsWith(' ') && !D.at(i).at(j).startsWith(' ');
                QCOMPARE(bool(kampo(j)->alignment() & Qt::AlignRight), dekstre);
            }
            if (i == 0) { // "Miaj ~kuzoj ... miajn ~patrojn."
                QVERIFY(kampo(1)->alignment() & Qt::AlignRight);
                QVERIFY(kampo(2)->alignment() & Qt::AlignRight);
            }
            if (i == 1) { // "La fil~ am~ la patr~."
                for (int j = 1; j <= 3; ++j)
                    QVERIFY(kampo(j)->alignment() & Qt::AlignLeft);
            }
            const QString atendata = i == 0   ? QString("My cousins came to visit my parents.")
                                     : i == 2 ? QString("Ne tradukita")
                                     : i == 4 ? QString()
                                              : T.value(i);
            QCOMPARE(etikedo("Traduko")->text(), atendata);
            testilo::kunModalo([&] { respondasGxuste(); });
        }
        QCOMPARE(T.size(), 4);
        QCOMPARE(T.at(2), QString("Ne tradukita"));
    }

    void normigo_data()
    {
        QTest::addColumn<QStringList>("tajpitaj");
        QTest::addColumn<bool>("gxusta");
        QTest::newRow("as written") << QStringList{"ge", "ge"} << true;
        QTest::newRow("upper case, point") << QStringList{"GE.", "Ge"} << true;
        QTest::newRow("blanks and comma") << QStringList{"  ge ", ",ge,"} << true;
        QTest::newRow("x-system") << QStringList{"ge", "gx"} << false;
        QTest::newRow("empty") << QStringList{"ge", ""} << false;
    }
    void normigo()
    {
        QFETCH(QStringList, tajpitaj);
        QFETCH(bool, gxusta);
        const QList<bool> m = spacplenigilo::malgxustaj(tajpitaj, {"ge", "ge", "", "", "", ""});
        QCOMPARE(!m.contains(true), gxusta);
    }

    // A sentence that other pieces fill just as rightly: any listed row
    // counts, pieces from two rows do not, and the flags come from the row
    // the learner came nearest to.
    void aliajPecoj_data()
    {
        QTest::addColumn<QStringList>("tajpitaj");
        QTest::addColumn<QString>("flagoj");
        QTest::newRow("own row") << QStringList{"as", "as"} << "00000";
        QTest::newRow("other row") << QStringList{"os", "os"} << "00000";
        QTest::newRow("rows mixed: the own row wins a tie") << QStringList{"os", "as"} << "10000";
        QTest::newRow("nearest to the other row") << QStringList{"us", "os"} << "10000";
        QTest::newRow("wrong everywhere") << QStringList{"is", "is"} << "11000";
    }
    void aliajPecoj()
    {
        QFETCH(QStringList, tajpitaj);
        QFETCH(QString, flagoj);
        const QList<QStringList> aliaj = spacplenigilo::aliajPecoj(QStringLiteral(" os~os~~ |"));
        QCOMPARE(aliaj.size(), 1);
        QString el;
        for (bool m : spacplenigilo::malgxustaj(tajpitaj, {"as", "as", "", "", "", ""}, aliaj))
            el += m ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(el, flagoj);
    }

    // "GE." typed by the learner counts for "ge".
    void tajpitaMajuskle()
    {
        komencas("Lec99_Ekz_Plen_9902");
        while (nuna() != 0)
            respondasGxuste();
        tajpas({"GE.", " Ge "});
        // It may be the last sentence of the run.
        testilo::kunModalo([&] { lec99::klakas(butono("BitBtn6")); });
        QCOMPARE(valoro("Placar27"), 0);
        QVERIFY(valoro("Placar26") >= 1);
    }

    // Enter moves on to the next field in use and checks in the last one.
    void enigklavo()
    {
        komencas("Lec99_Ekz_Plen_9902");
        while (nuna() != 1 && nuna() != 2)
            respondasGxuste();
        const int i = nuna();
        if (i == 2) { // one gap: Enter checks at once
            QTest::keyClicks(kampo(1), "as");
            testilo::kunModalo([&] { QTest::keyClick(kampo(1), Qt::Key_Return); });
            QCOMPARE(valoro("Placar27"), 0);
            QVERIFY(nuna() != 2);
            return;
        }
        QTest::keyClicks(kampo(1), "o");
        QTest::keyClick(kampo(1), Qt::Key_Return);
        QVERIFY(kampo(2)->hasFocus());
        QTest::keyClicks(kampo(2), "as");
        QTest::keyClick(kampo(2), Qt::Key_Return);
        QVERIFY(kampo(3)->hasFocus());
        const int gxustaj = valoro("Placar26");
        QTest::keyClicks(kampo(3), "inon");
        testilo::kunModalo([&] { QTest::keyClick(kampo(3), Qt::Key_Return); });
        QCOMPARE(valoro("Placar26"), gxustaj + 1);
    }

    // Only the wrong gaps show their correction; Next leads on.
    void malgxusta()
    {
        komencas("Lec99_Ekz_Plen_9902");
        while (nuna() != 1)
            respondasGxuste();
        tajpas({"o", "is", "inon"});
        lec99::klakas(butono("BitBtn6"));
        QCOMPARE(valoro("Placar27"), 1);
        QVERIFY(etikedo("KorektaVorto1")->isHidden());
        QVERIFY(!etikedo("KorektaVorto2")->isHidden());
        QCOMPARE(etikedo("KorektaVorto2")->text(), QString("as"));
        QVERIFY(etikedo("KorektaVorto3")->isHidden());
        for (int j = 1; j <= 3; ++j)
            QVERIFY(!kampo(j)->isEnabled());
        QVERIFY(butono("BitBtn6")->isHidden());
        QVERIFY(!butono("antauen")->isHidden());
        const int restas = valoro("Placar25");
        ekz->on_BitBtn6_clicked(); // no second count of the same sentence
        QCOMPARE(valoro("Placar27"), 1);

        lec99::klakas(butono("antauen"));
        QVERIFY(butono("antauen")->isHidden());
        QVERIFY(!butono("BitBtn6")->isHidden());
        QCOMPARE(valoro("Placar25"), restas);
        for (int j = 1; j <= 5; ++j)
            QVERIFY(etikedo("KorektaVorto" + QString::number(j))->isHidden());
        // The missed sentence comes again before the run can end.
        bool denove = false;
        while (butono("BitBtn5")->isEnabled()) {
            denove = denove || nuna() == 1;
            testilo::kunModalo([&] { respondasGxuste(); });
        }
        QVERIFY(denove);
    }

    void haltoKajRekomenco()
    {
        komencas("Lec99_Ekz_Plen_9902");
        respondasGxuste();
        tajpas({"x", "x", "x"});
        lec99::klakas(butono("BitBtn6"));
        lec99::klakas(butono("BitBtn5"));
        QVERIFY(butono("BitBtn4")->isEnabled());
        QVERIFY(!butono("BitBtn6")->isEnabled());
        QVERIFY(!butono("BitBtn6")->isHidden());
        QVERIFY(butono("antauen")->isHidden());
        QCOMPARE(valoro("Placar26"), 1);
        lec99::klakas(butono("BitBtn4"));
        QCOMPARE(valoro("Placar25"), 5);
        QCOMPARE(valoro("Placar26"), 0);
        QCOMPARE(valoro("Placar27"), 0);
        QCOMPARE(valoro("Placar28"), 0);
        int demandoj = 0;
        while (butono("BitBtn5")->isEnabled()) {
            ++demandoj;
            testilo::kunModalo([&] { respondasGxuste(); });
        }
        QCOMPARE(demandoj, 5);
    }

    // 45 sentences: the run ends after 40 right answers.
    void limo()
    {
        komencas("Lec99_Ekz_Plen_9911");
        QCOMPARE(valoro("Placar25"), 40);
        int modaloj = 0;
        int demandoj = 0;
        while (butono("BitBtn5")->isEnabled() && demandoj < 50) {
            ++demandoj;
            modaloj += testilo::kunModalo([&] { respondasGxuste(); });
        }
        QCOMPARE(demandoj, 40);
        QCOMPARE(modaloj, 1);
        QCOMPARE(valoro("Placar26"), 40);
    }

    void duobla()
    {
        lNoteto = true;
        komencas("Lec99_Ekz_Plen_9902");
        tajpas(R.at(nuna()));
        lec99::Dume dume([&] {
            QTest::keyClick(kampo(1), Qt::Key_Return);
            ekz->on_BitBtn6_clicked();
        });
        lec99::klakas(butono("BitBtn6"));
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar26"), 1);
        QCOMPARE(valoro("Placar25"), 4);
    }

    void haltoDumAtendo()
    {
        lNoteto = true;
        komencas("Lec99_Ekz_Plen_9902");
        tajpas(R.at(nuna()));
        lec99::Dume dume([&] {
            lec99::klakas(butono("BitBtn5"));
            lec99::klakas(butono("BitBtn4"));
        });
        QCOMPARE(testilo::kunModalo([&] { lec99::klakas(butono("BitBtn6")); }), 0);
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar25"), 5);
        QCOMPARE(valoro("Placar26"), 0);
        QCOMPARE(valoro("Placar28"), 0);
        QVERIFY(!butono("BitBtn4")->isEnabled());
        QVERIFY(butono("BitBtn6")->isEnabled());
        QVERIFY(nuna() >= 0);
        for (int j = 1; j <= 5; ++j)
            QVERIFY(kampo(j)->text().isEmpty());
    }
};

LERBO_TEST_MAIN(TestoPlenigas)
#include "tst_ekz_plenigas.moc"
