#include "ekznumeraloj.h"
#include "erodosieroj.h"
#include "fiksajhoj/lec99.h"
#include "funkcioj.h"
#include "nombrilo.h"
#include "testilo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestoNumeraloj : public QObject
{
    Q_OBJECT

    QTabWidget* leciono = nullptr;
    ekznumeraloj* ekz = nullptr;
    QStringList D, R;

    QPushButton* butono(const char* nomo) { return ekz->findChild<QPushButton*>(QLatin1String(nomo)); }
    QLineEdit* kampo() { return ekz->findChild<QLineEdit*>("Edit1"); }
    QLabel* etikedo(const char* nomo) { return ekz->findChild<QLabel*>(QLatin1String(nomo)); }
    int valoro(const char* nomo) { return lec99::valoro(ekz, nomo); }
    QString respondo() { return R.value(D.indexOf(etikedo("Vorto0")->text())); }
    void tajpas(const QString& t)
    {
        kampo()->clear();
        QTest::keyClicks(kampo(), t);
        QTest::keyClick(kampo(), Qt::Key_Return);
    }

private slots:
    void initTestCase()
    {
        _Matriz(&D, "9906", "D");
        _Matriz(&R, "9906", "R");
        QCOMPARE(D.size(), 5);
    }
    void init()
    {
        lNoteto = false;
        lSxaltilo = false;
        leciono = lec99::faras();
        ekz = new ekznumeraloj(lec99::pagxo(leciono));
        ekz->setObjectName("Lec99_Ekz_9906");
        ekz->kodo = "9906";
        QVERIFY(lec99::montras(leciono, ekz, QSize(700, 500)));
    }
    void cleanup()
    {
        delete leciono;
        lNoteto = false;
    }

    void gxusta_data()
    {
        QTest::addColumn<QString>("tajpita");
        QTest::addColumn<QString>("respondo");
        QTest::addColumn<bool>("gxusta");
        QTest::newRow("digits") << "1857"
                                << "1857" << true;
        QTest::newRow("point") << "1.857"
                               << "1857" << true;
        QTest::newRow("comma") << "1,857"
                               << "1857" << true;
        QTest::newRow("outer blanks") << " 1857 "
                                      << "1857" << true;
        QTest::newRow("inner blank") << "1 857"
                                     << "1857" << false;
        QTest::newRow("other number") << "1856"
                                      << "1857" << false;
        QTest::newRow("zero") << "0"
                              << "0" << true;
        QTest::newRow("word for zero") << "nulo"
                                       << "0" << false;
        QTest::newRow("letters for zero") << "abc"
                                          << "0" << false;
        QTest::newRow("letters") << "abc"
                                 << "33" << false;
    }
    void gxusta()
    {
        QFETCH(QString, tajpita);
        QFETCH(QString, respondo);
        QFETCH(bool, gxusta);
        QCOMPARE(nombrilo::gxusta(tajpita, respondo), gxusta);
    }

    void komencaStato()
    {
        QVERIFY(butono("BitBtn1")->isEnabled());
        QVERIFY(!butono("BitBtn2")->isEnabled());
        QVERIFY(!butono("BitBtn3")->isEnabled());
        QVERIFY(!kampo()->isEnabled());
        QVERIFY(butono("printilo_ps")->isHidden());
        QCOMPARE(kampo()->maxLength(), 9);
    }

    void tutaKuro()
    {
        lec99::klakas(butono("BitBtn1"));
        QCOMPARE(valoro("Placar1"), 5);
        QVERIFY(kampo()->isEnabled());
        QVERIFY(butono("BitBtn2")->isEnabled());
        QSet<QString> viditaj;
        for (int i = 0; i < 4; ++i) {
            const QString r = respondo();
            QVERIFY(!r.isEmpty());
            QVERIFY(!viditaj.contains(r));
            viditaj << r;
            tajpas(r == "1857" ? " 1.857 " : r);
            QCOMPARE(valoro("Placar2"), i + 1);
            QCOMPARE(valoro("Placar1"), 4 - i);
        }
        const QString r = respondo();
        QCOMPARE(testilo::kunModalo([&] { tajpas(r); }), 1);
        QCOMPARE(valoro("Placar1"), 0);
        QCOMPARE(valoro("Placar2"), 5);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 100);
        QVERIFY(butono("BitBtn1")->isEnabled());
        QVERIFY(!kampo()->isEnabled());
        QVERIFY(etikedo("Vorto0")->text().isEmpty());
    }

    // "nulo" typed for 0 is no number, so it is wrong; the answer blinks.
    void malgxusta()
    {
        lec99::klakas(butono("BitBtn1"));
        int demandoj = 0;
        while (respondo() != "0" && demandoj++ < 10)
            tajpas(respondo());
        QCOMPARE(respondo(), QString("0"));
        QString montrata;
        bool haltoMalsxaltita = false;
        lec99::Dume dume([&] {
            montrata = etikedo("Korekta")->text();
            haltoMalsxaltita = !butono("BitBtn3")->isEnabled() && !kampo()->isEnabled();
        });
        const int gxustaj = valoro("Placar2");
        const int restas = valoro("Placar1");
        tajpas("nulo");
        QVERIFY(dume.farita());
        QCOMPARE(montrata, QString("0"));
        QVERIFY(haltoMalsxaltita);
        QCOMPARE(valoro("Placar3"), 1);
        QCOMPARE(valoro("Placar2"), gxustaj);
        QCOMPARE(valoro("Placar1"), restas);
        QCOMPARE(valoro("Placar4"), gxustaj * 100 / (gxustaj + 1));
        QVERIFY(etikedo("Korekta")->text().isEmpty());
        QVERIFY(butono("BitBtn3")->isEnabled());
        QVERIFY(kampo()->isEnabled());
        // The item comes again before the run ends.
        bool denove = false;
        int modaloj = 0;
        while (butono("BitBtn3")->isEnabled() && demandoj++ < 20) {
            const QString r = respondo();
            denove = denove || r == "0";
            modaloj += testilo::kunModalo([&] { tajpas(r); });
        }
        QVERIFY(denove);
        QCOMPARE(modaloj, 1);
    }

    void malplena_data()
    {
        QTest::addColumn<QString>("tajpita");
        QTest::newRow("nothing") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("points") << ".,.";
    }
    void malplena()
    {
        QFETCH(QString, tajpita);
        lec99::klakas(butono("BitBtn1"));
        const QString frazo = etikedo("Vorto0")->text();
        tajpas(tajpita);
        lec99::klakas(butono("BitBtn2"));
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(etikedo("Vorto0")->text(), frazo);
        QVERIFY(kampo()->isEnabled());
    }

    void haltoKajRekomenco()
    {
        lec99::klakas(butono("BitBtn1"));
        tajpas(respondo());
        tajpas("99999");
        QTest::keyClicks(kampo(), "12");
        lec99::klakas(butono("BitBtn3"));
        QVERIFY(butono("BitBtn1")->isEnabled());
        QVERIFY(!kampo()->isEnabled());
        QVERIFY(kampo()->text().isEmpty());
        QVERIFY(etikedo("Vorto0")->text().isEmpty());
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar3"), 1);
        lec99::klakas(butono("BitBtn1"));
        QCOMPARE(valoro("Placar1"), 5);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 0);
        int demandoj = 0;
        while (butono("BitBtn3")->isEnabled() && demandoj < 10) {
            ++demandoj;
            const QString r = respondo();
            testilo::kunModalo([&] { tajpas(r); });
        }
        QCOMPARE(demandoj, 5);
    }

    void duobla()
    {
        lNoteto = true;
        lec99::klakas(butono("BitBtn1"));
        QTest::keyClicks(kampo(), respondo());
        lec99::Dume dume([&] {
            ekz->on_BitBtn2_clicked();
            ekz->on_Edit1_returnPressed();
        });
        lec99::klakas(butono("BitBtn2"));
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar1"), 4);
    }

    void haltoDumAtendo()
    {
        lNoteto = true;
        lec99::klakas(butono("BitBtn1"));
        QTest::keyClicks(kampo(), respondo());
        lec99::Dume dume([&] {
            lec99::klakas(butono("BitBtn3"));
            lec99::klakas(butono("BitBtn1"));
        });
        QCOMPARE(testilo::kunModalo([&] { lec99::klakas(butono("BitBtn2")); }), 0);
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar1"), 5);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar4"), 0);
        QVERIFY(kampo()->isEnabled());
        QVERIFY(butono("BitBtn2")->isEnabled());
        QVERIFY(!etikedo("Vorto0")->text().isEmpty());
    }

    // A stop alone during the praise: the answer that counted stands on the
    // board; after the last answer the verdict still comes.
    void haltoPostGxustaRespondo()
    {
        lNoteto = true;
        lec99::klakas(butono("BitBtn1"));
        QTest::keyClicks(kampo(), respondo());
        {
            lec99::Dume dume([&] { lec99::klakas(butono("BitBtn3")); });
            QCOMPARE(testilo::kunModalo([&] { lec99::klakas(butono("BitBtn2")); }), 0);
            QVERIFY(dume.farita());
        }
        QCOMPARE(valoro("Placar1"), 4);
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar4"), 100);

        lNoteto = false;
        lec99::klakas(butono("BitBtn1"));
        for (int i = 0; i < 4; ++i)
            tajpas(respondo());
        lNoteto = true;
        QTest::keyClicks(kampo(), respondo());
        lec99::Dume dume([&] { lec99::klakas(butono("BitBtn3")); });
        QCOMPARE(testilo::kunModalo([&] { lec99::klakas(butono("BitBtn2")); }), 1);
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar2"), 5);
        QVERIFY(butono("BitBtn1")->isEnabled());
    }
};

LERBO_TEST_MAIN(TestoNumeraloj)
#include "tst_ekz_numeraloj.moc"
