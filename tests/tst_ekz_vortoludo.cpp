#include "fiksajhoj/lec99.h"
#include "funkcioj.h"
#include "myLabel.h"
#include "testilo.h"
#include "vortelektilo.h"
#include "vortoludo.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

class TestoVortoludo : public QObject
{
    Q_OBJECT

    QTabWidget* leciono = nullptr;
    vortoludo* ekz = nullptr;

    QPushButton* butono(const char* nomo) { return ekz->findChild<QPushButton*>(QLatin1String(nomo)); }
    QWidget* grupo() { return ekz->findChild<QWidget*>("Grupo"); }
    QRadioButton* radio(int j) { return ekz->findChild<QRadioButton*>("frazo" + QString::number(j)); }
    QLabel* teksto(int j) { return ekz->findChild<QLabel*>("teksto" + QString::number(j)); }
    QString vorto() { return ekz->findChild<QLabel*>("Vorto")->text(); }
    int valoro(const char* nomo) { return lec99::valoro(ekz, nomo); }

    // The translation of the word shown, as the lesson holds it.
    QString traduko()
    {
        const QString v = vorto();
        if (v == "kiu")
            return "who";
        if (v == QString::fromUtf8("ŝtono"))
            return "stone";
        return lec99::tradukoj().value(lec99::vortoj().indexOf(v));
    }
    int gxustaPozicio()
    {
        for (int j = 0; j < 5; ++j)
            if (teksto(j)->text() == traduko())
                return j;
        return -1;
    }
    int malgxustaPozicio() { return (gxustaPozicio() + 1) % 5; }
    bool iuMarkita()
    {
        for (int j = 0; j < 5; ++j)
            if (radio(j)->isChecked())
                return true;
        return false;
    }
    void komencas(const QString& nomo)
    {
        ekz->setObjectName(nomo);
        lec99::klakas(butono("BitBtn18"));
    }

private slots:
    void init()
    {
        lNoteto = false;
        lSxaltilo = false;
        leciono = lec99::faras();
        ekz = new vortoludo(lec99::pagxo(leciono));
        ekz->setObjectName("Lec99_Ekz_Vorto_9903");
        QVERIFY(lec99::montras(leciono, ekz, QSize(700, 600)));
    }
    void cleanup()
    {
        delete leciono;
        lNoteto = false;
    }

    void komencaStato()
    {
        QVERIFY(grupo()->isHidden());
        QVERIFY(butono("BitBtn18")->isEnabled());
        QVERIFY(!butono("BitBtn20")->isEnabled());
        QVERIFY(butono("printilo_ps")->isHidden());
    }

    // Five different items; the right one lands on every place.
    void demandoj()
    {
        int lokoj[5] = {0, 0, 0, 0, 0};
        for (int fojo = 0; fojo < 500; ++fojo) {
            QList<bool> uzataj = {false, false, false, false, false, false};
            const vortelektilo::Demando d = vortelektilo::faras(6, fojo % 6, uzataj);
            QCOMPARE(d.eroj.size(), 5);
            QCOMPARE(d.eroj.at(d.gxusta), fojo % 6);
            QCOMPARE(QSet<int>(d.eroj.begin(), d.eroj.end()).size(), 5);
            ++lokoj[d.gxusta];
        }
        for (int n : lokoj)
            QVERIFY(n > 50);
        QList<bool> kvar = {false, false, false, false};
        QCOMPARE(vortelektilo::faras(4, 0, kvar).gxusta, -1);
    }

    // A word a lesson shows twice ("du", with two translations that are
    // both right) is never offered beside itself; with too few items to
    // spare, nothing is held back.
    void samaVorto()
    {
        const QStringList vortoj = {"du", "tri", "du", "kvar", "ses", "dek", "sep"};
        for (int fojo = 0; fojo < 200; ++fojo) {
            const int nuna = fojo % 2 == 0 ? 0 : 2;
            QList<bool> uzataj;
            for (int i = 0; i < vortoj.size(); ++i)
                uzataj << false;
            vortelektilo::sammaskas(vortoj, nuna, uzataj);
            const vortelektilo::Demando d = vortelektilo::faras(vortoj.size(), nuna, uzataj);
            QCOMPARE(d.eroj.size(), 5);
            QCOMPARE(d.eroj.contains(0) && d.eroj.contains(2), false);
        }
        QList<bool> kvin = {false, false, false, false, false};
        vortelektilo::sammaskas({"du", "du", "tri", "kvar", "ses"}, 0, kvin);
        QCOMPARE(kvin, (QList<bool>{false, false, false, false, false}));
    }

    void literala_data()
    {
        QTest::addColumn<QString>("ero");
        QTest::addColumn<bool>("literala");
        QTest::newRow("number") << "254" << false;
        QTest::newRow("word") << "kiu" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("negative") << "-3" << true;
    }
    void literala()
    {
        QFETCH(QString, ero);
        QFETCH(bool, literala);
        QCOMPARE(vortelektilo::literala(ero), literala);
    }

    void tutaKuro()
    {
        komencas("Lec99_Ekz_Vorto_9903");
        QVERIFY(!grupo()->isHidden());
        QVERIFY(grupo()->isEnabled());
        QCOMPARE(valoro("Placar1"), 6);
        QStringList vortoj;
        for (int i = 0; i < 6; ++i) {
            vortoj << vorto();
            QStringList opcioj;
            for (int j = 0; j < 5; ++j)
                opcioj << teksto(j)->text();
            QCOMPARE(QSet<QString>(opcioj.begin(), opcioj.end()).size(), 5);
            const int p = gxustaPozicio();
            QVERIFY(p >= 0);
            // A click on the option's text counts for its radio button.
            QWidget* celo = i % 2 ? static_cast<QWidget*>(teksto(p)) : static_cast<QWidget*>(radio(p));
            if (i == 5)
                QCOMPARE(testilo::kunModalo([&] { lec99::klakas(celo); }), 1);
            else
                lec99::klakas(celo);
            QCOMPARE(valoro("Placar2"), i + 1);
            QVERIFY(!iuMarkita());
        }
        QVERIFY(vortoj.contains("kiu")); // a literal word of the section
        QVERIFY(vortoj.contains(QString::fromUtf8("ŝtono"))); // only a neklakebla_nova holds it
        QCOMPARE(valoro("Placar1"), 0);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 100);
        QVERIFY(grupo()->isHidden());
        QVERIFY(butono("BitBtn18")->isEnabled());
        QVERIFY(!butono("BitBtn20")->isEnabled());
    }

    // A wrong choice blinks the right option, leaves no radio button
    // checked and moves on; the item comes again.
    void malgxusta()
    {
        komencas("Lec99_Ekz_Vorto_9903");
        const QString v = vorto();
        const int p = gxustaPozicio();
        bool blinkas = false;
        lec99::Dume dume([&] { blinkas = !grupo()->isEnabled() && !teksto(p)->styleSheet().isEmpty(); });
        lec99::klakas(radio(malgxustaPozicio()));
        QVERIFY(dume.farita());
        QVERIFY(blinkas);
        QCOMPARE(valoro("Placar3"), 1);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar1"), 6);
        QCOMPARE(valoro("Placar4"), 0);
        QVERIFY(!iuMarkita());
        QVERIFY(grupo()->isEnabled());
        bool denove = false;
        while (butono("BitBtn20")->isEnabled()) {
            denove = denove || vorto() == v;
            const int q = gxustaPozicio();
            testilo::kunModalo([&] { lec99::klakas(radio(q)); });
        }
        QVERIFY(denove);
        QCOMPARE(valoro("Placar4"), 85); // 6 right, 1 wrong
    }

    // A choice during the check of another is ignored, also through a label.
    void okupata()
    {
        lNoteto = true;
        komencas("Lec99_Ekz_Vorto_9903");
        const int p = gxustaPozicio();
        const int q = malgxustaPozicio();
        lec99::Dume dume([&] {
            ekz->grupoclick(q);
            lec99::klakas(teksto(q));
            lec99::klakas(radio(p));
        });
        lec99::klakas(radio(p));
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar1"), 5);
        QVERIFY(!iuMarkita());
    }

    void haltoKajRekomenco()
    {
        komencas("Lec99_Ekz_Vorto_9903");
        lec99::klakas(radio(gxustaPozicio()));
        lec99::klakas(radio(malgxustaPozicio()));
        lec99::klakas(butono("BitBtn20"));
        QVERIFY(grupo()->isHidden());
        QVERIFY(butono("BitBtn18")->isEnabled());
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar3"), 1);
        lec99::klakas(butono("BitBtn18"));
        QCOMPARE(valoro("Placar1"), 6);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 0);
        int demandoj = 0;
        while (butono("BitBtn20")->isEnabled() && demandoj < 10) {
            ++demandoj;
            const int p = gxustaPozicio();
            testilo::kunModalo([&] { lec99::klakas(radio(p)); });
        }
        QCOMPARE(demandoj, 6);
    }

    // Stop and start during the pause after a right answer: the old check
    // stops there; the new run's board and question stand.
    void haltoDumAtendo()
    {
        lNoteto = true;
        komencas("Lec99_Ekz_Vorto_9903");
        lec99::Dume dume([&] {
            lec99::klakas(butono("BitBtn20"));
            lec99::klakas(butono("BitBtn18"));
        });
        const int p = gxustaPozicio();
        QCOMPARE(testilo::kunModalo([&] { lec99::klakas(radio(p)); }), 0);
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar1"), 6);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar4"), 0);
        QVERIFY(!grupo()->isHidden());
        QVERIFY(grupo()->isEnabled());
        QVERIFY(!iuMarkita());
        lNoteto = false;
        lec99::klakas(radio(gxustaPozicio()));
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar4"), 100);
    }

    // Stop alone during the pause: the check ends there, Grupo stays hidden.
    void haltoSolaDumAtendo()
    {
        lNoteto = true;
        komencas("Lec99_Ekz_Vorto_9903");
        lec99::Dume dume([&] { lec99::klakas(butono("BitBtn20")); });
        const int p = gxustaPozicio();
        QCOMPARE(testilo::kunModalo([&] { lec99::klakas(radio(p)); }), 0);
        QVERIFY(dume.farita());
        QVERIFY(grupo()->isHidden());
        QVERIFY(butono("BitBtn18")->isEnabled());
        QVERIFY(!iuMarkita());
    }

    // Stop and start while a wrong answer's right option blinks: the new
    // question's options show in their own style at once.
    void blinkoFinigxasKunKuro()
    {
        komencas("Lec99_Ekz_Vorto_9903");
        QStringList stiloj;
        lec99::Dume dume([&] {
            lec99::klakas(butono("BitBtn20"));
            lec99::klakas(butono("BitBtn18"));
            QTimer::singleShot(15, [&] {
                for (int j = 0; j < 5; ++j)
                    stiloj << teksto(j)->styleSheet();
            });
        });
        lec99::klakas(radio(malgxustaPozicio()));
        QVERIFY(dume.farita());
        QTRY_COMPARE(stiloj.size(), 5);
        for (const QString& stilo : qAsConst(stiloj))
            QVERIFY2(stilo.isEmpty(), qPrintable(stilo));
    }

    // A right answer counts on the board at once, even when the learner
    // stops during its praise; after the last answer the verdict still comes.
    void haltoPostGxustaRespondo()
    {
        lNoteto = true;
        komencas("Lec99_Ekz_Vorto_9903");
        {
            lec99::Dume dume([&] { lec99::klakas(butono("BitBtn20")); });
            const int p = gxustaPozicio();
            QCOMPARE(testilo::kunModalo([&] { lec99::klakas(radio(p)); }), 0);
            QVERIFY(dume.farita());
        }
        QCOMPARE(valoro("Placar1"), 5);
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar4"), 100);

        lNoteto = false;
        komencas("Lec99_Ekz_Vorto_9903");
        for (int i = 0; i < 5; ++i)
            lec99::klakas(radio(gxustaPozicio()));
        lNoteto = true;
        lec99::Dume dume([&] { lec99::klakas(butono("BitBtn20")); });
        const int p = gxustaPozicio();
        QCOMPARE(testilo::kunModalo([&] { lec99::klakas(radio(p)); }), 1);
        QVERIFY(dume.farita());
        QCOMPARE(valoro("Placar2"), 6);
        QVERIFY(butono("BitBtn18")->isEnabled());
    }

    void limo()
    {
        komencas("Lec99_Ekz_Vorto_9910");
        QCOMPARE(valoro("Placar1"), 40);
        int demandoj = 0;
        int modaloj = 0;
        while (butono("BitBtn20")->isEnabled() && demandoj < 50) {
            ++demandoj;
            const int p = gxustaPozicio();
            QVERIFY(p >= 0);
            modaloj += testilo::kunModalo([&] { lec99::klakas(radio(p)); });
        }
        QCOMPARE(demandoj, 40);
        QCOMPARE(modaloj, 1);
        QCOMPARE(valoro("Placar2"), 40);
    }

    // The percent drops its fraction: 2 right and 1 wrong show 66, 13 right
    // and 7 wrong 65.
    void procento()
    {
        komencas("Lec99_Ekz_Vorto_9910");
        lec99::klakas(radio(gxustaPozicio()));
        lec99::klakas(radio(gxustaPozicio()));
        lec99::klakas(radio(malgxustaPozicio()));
        QCOMPARE(valoro("Placar4"), 66);
        for (int i = 0; i < 6; ++i)
            lec99::klakas(radio(malgxustaPozicio()));
        for (int i = 0; i < 11; ++i)
            lec99::klakas(radio(gxustaPozicio()));
        QCOMPARE(valoro("Placar2"), 13);
        QCOMPARE(valoro("Placar3"), 7);
        QCOMPARE(valoro("Placar4"), 65);
        QCOMPARE(valoro("Placar1"), 27);
    }
};

LERBO_TEST_MAIN(TestoVortoludo)
#include "tst_ekz_vortoludo.moc"
